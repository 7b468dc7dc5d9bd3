#pragma once
// Whether a text is a permitted value for a data type, and the value as that type writes it.

#include <string>

namespace builder {

// "Boolean", "Byte", "Currency", "Date", "Double", "Integer", "Long" and "Single" take a text that
// converts to the type (300 is no Byte, 40000 no Integer, "maybe" no Boolean), and `value` becomes the
// converted value's text ("1e3" as a Long is "1000"); "String" takes any text unchanged; any other type
// ("Memo", "OLE Object", "") takes none.
bool CheckPermittedValue(const std::string& dataType, std::string& value);

}  // namespace builder
