#pragma once
// How the import names what it reads: model data types of ADO type codes, and property and business
// object names, made names VB accepts, of column and table names.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/CommonNames.h"
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

// Rule 4 and the VB name rule (core::Common::VbNameFault), after the first three rules: a leading digit 1
// to 9 is spelt out, characters VB does not allow in a name are removed (letters outside Latin-1 too) and
// a name that then does not begin with a letter gets "T" in front; a VB keyword ("Type" and "Private"
// among them) becomes `owner` & "_" & the word, both in proper case, and so does a name that clashes
// with a member of its generated class (the word as it is); a name too long is cut. A name so made, or a
// name both accept, that `isTaken` holds for is numbered. `faultOf` tells why a name is refused
// (VbNameFault, or one of the names made of it), `clashOf` why it clashes (core::ClassMembers::PropertyClash;
// none when empty); nothing comes back for a name both accept that is not taken.
struct VbNameChange {
    std::string Was;     // the name as the message shows it: a keyword in proper case
    std::string Reason;  // "is a reserved word", the rule the name breaks, its clash; "" when only taken
    std::string Name;    // what it becomes
};
using NameFault = std::function<std::string(const std::string&)>;
std::optional<VbNameChange> MakeVbName(const std::string& name, const std::string& owner,
                                       const std::function<bool(const std::string&)>& isTaken,
                                       const NameFault& faultOf = core::Common::VbNameFault,
                                       const NameFault& clashOf = {});

// "The <kind> name <Was> <Reason> so the <kind> name will be converted to: <Name>."
std::string VbNameMessage(const std::string& kind, const VbNameChange& change);

}  // namespace schemaimport
