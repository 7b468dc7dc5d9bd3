#pragma once
// An option-button group: a frame at `top` and `left` (the caller's control column) with one button per
// value, in as many columns as fit beside each other and as many rows as that takes, named as the option
// group's row of the control table says.

#include <vector>

#include "patternkit/LayoutOptionValues.h"
#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"
#include "typelib/IProperty.h"

namespace patternkit::Common {

// The buttons of `values` (the group's of its form, formlayout::FormOptionButtons); more than fit are
// cut to those that do, after telling the developer once. A group without values is an empty frame one
// button row high. Leaves `top` below the frame and `left` where it was.
void AddOptionButtonGroup(const typelib::IProperty& property, const std::vector<OptionButtonValue>& values,
                          typelib::IConstructor& engine, form_ctl_defaults& layout);

}  // namespace patternkit::Common
