#pragma once
// How the import names what it reads: model data types of ADO type codes, and property names of column
// names.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/vb/Variant.h"

namespace schemaimport {

// The model's data type of an ADO type code; "" for a code it does not know.
std::string FieldType(int16_t typeCode);
// The names of the ADO field-attribute flags set in `attributes`, each followed by a blank but the last
// one's ("adFldCacheDeferred").
std::string AttributeType(int16_t attributes);
// "One" to "Nine" for the digits 1 to 9, else "".
vb::Variant ConvertDigit(const vb::Variant& digit);
// The name without the 24 punctuation characters.
vb::Variant RemovePunctuation(const vb::Variant& name);

// A column's property name by the first three rules: blanks become "_", a leading digit its word (a
// leading "0" is dropped), punctuation removed.
std::string PropertyNameOf(const std::string& columnName);

// Rule 4: a property name that reads "Type" or "Private" becomes the business object's name & "_" & the
// word, both in proper case. Returns the new name, or nothing for any other name.
struct ReservedRename {
    std::string Word;     // the reserved word in proper case
    std::string NewName;  // business object & "_" & Word
};
std::optional<ReservedRename> RenameReservedWord(const std::string& propertyName,
                                                 const std::string& businessObjectName);

}  // namespace schemaimport
