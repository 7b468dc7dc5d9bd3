#pragma once
// The body of a generated persistence method that runs a stored procedure through ADO, followed by a
// commented SQL Server sketch of that procedure for the developer to start from.

#include <string_view>

#include "patternkit/ModelSets.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {

// Parameters are numbered from 1, the inputs first. Memo and OLE Object values travel as text: an input
// comes from the parameter Name & "VarString", an output goes into the local "str" & Name & "VarString".
// The sketch's statement follows the method: "Add", "Read", "Update" or "Delete" (none for others).
void GenerateStoredProcCall(typelib::IConstructor& engine, std::string_view methodName,
                            std::string_view storedProcName, std::string_view tableName,
                            const PropertySet& inputProperties, const PropertySet& outputProperties);

}  // namespace patternkit::Common
