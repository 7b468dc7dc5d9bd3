#pragma once
// The SQL Server column type of a property, for the stored-procedure sketches in generated comments.

#include <string>

#include "typelib/IProperty.h"

namespace patternkit::Common {

// "" for a data type it does not know; "???" for "OLE Object".
std::string GetSQLServerType(const typelib::IProperty& property);

}  // namespace patternkit::Common
