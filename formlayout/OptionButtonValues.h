#pragma once
// The values that an option-button group offers for a property, as the texts that end the buttons'
// names and stand in their captions.

#include <string>
#include <vector>

#include "typelib/IProperty.h"

namespace formlayout {

// One button of a group: the caption shows the value, the suffix ends the button's name
// (OptionButtonHead(property) & suffix) and is the caption with every character that cannot stand in a VB
// name made "_", so "Net 30" gives "Net_30".
struct OptionButtonValue {
    std::string caption;
    std::string suffix;
};

// "Boolean": "True" and "False". A number, text or date type: its permitted values when it has a list
// (dates as "Jul_04_1999"; "Single", "Double" and "Currency" with ".", "-", "+" as "D", "M", "P"), else
// the property's own name. Any other type: none. Values come trimmed. The suffixes of a list are cut so
// that the buttons' names hold at most vb::kMaxNameLength characters, and numbered ("_2", "_3") where two
// would be alike.
std::vector<OptionButtonValue> OptionButtonValues(const typelib::IProperty& property);

// A date text ("7/4/1999", "1999-07-04", "4 July 1999", "July 4, 1999") as "Jul_04_1999"; a text that is
// no date comes back unchanged.
std::string DateValueText(const std::string& value);

}  // namespace formlayout
