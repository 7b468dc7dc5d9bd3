#pragma once
// Whether a text is a value of a data type: a permitted value or a range bound, as the property dialog takes
// it and as generated code writes it.

#include <string>

namespace core {

// "Boolean", "Byte", "Currency", "Date", "Decimal", "Double", "Integer", "Long" and "Single" take a text that
// converts to the type (300 is no Byte, 40000 no Integer, "maybe" no Boolean), and `value` becomes the
// converted value's text ("1e3" as a Long is "1000"); "String" takes any text unchanged; any other type
// ("Memo", "OLE Object", "") takes none.
bool CheckPermittedValue(const std::string& dataType, std::string& value);

// Why generated code cannot hold `value` as a value of `dataType`, or empty when it can: it must convert
// to the type, and a number stands bare in the code, so it must also be written as VB writes a number
// ("1,000" converts, but reads as two numbers).
std::string ValueFault(const std::string& dataType, const std::string& value);

}  // namespace core
