#pragma once
// The pattern kit shows a property's values in option buttons as the form geometry, shared with the check
// before a build, gives them.

#include "formlayout/OptionButtonValues.h"

namespace patternkit::Common {

using formlayout::DateValueText;
using formlayout::OptionButtonValue;
using formlayout::OptionButtonValues;

}  // namespace patternkit::Common
