#pragma once
// The rows of command buttons under a generated form's other controls, centred on the form's width as
// laid out so far (`actual_form_width`). Each leaves `top` one button row lower and `left` at the margin.

#include <string>
#include <vector>

#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {

// "cmdOK" (the form's default button) and "cmdCancel". The form is first widened to hold the pair, so
// the row never starts left of the form's edge.
void BuildOKCancelButtons(typelib::IConstructor& engine, form_ctl_defaults& layout);

// One button "cmd" & caption per caption, in order; a refused button leaves no gap, and the answer No
// ends the row at once.
void BuildCommandButtons(typelib::IConstructor& engine, form_ctl_defaults& layout,
                         const std::vector<std::string>& captions);

}  // namespace patternkit::Common
