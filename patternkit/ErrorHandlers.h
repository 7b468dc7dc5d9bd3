#pragma once
// The "HandleError:" blocks at the end of generated procedures. Each has an edit point named
// editPointName & " - Error Processing" where the developer handles particular errors; the caller writes
// the procedure's closing line.

#include <string_view>

#include "typelib/IConstructor.h"

namespace patternkit::Common {

// For class modules: raises any other error again with "->" & className & "." & procName behind its
// source; ends with "GoTo " & exitLabel.
void GenerateErrorHandler(typelib::IConstructor& engine, std::string_view className,
                          std::string_view procName, std::string_view editPointName,
                          std::string_view exitLabel);
// The same for transaction-server classes, which first abort the transaction.
void GenerateTxErrorHandler(typelib::IConstructor& engine, std::string_view className,
                            std::string_view procName, std::string_view editPointName,
                            std::string_view exitLabel);
// For forms: adds the form and procedure to the error's source and shows it through DisplayErrorMsg.
void GenerateFormErrorHandler(typelib::IConstructor& engine, std::string_view formName,
                              std::string_view procName, std::string_view editPointName);

}  // namespace patternkit::Common
