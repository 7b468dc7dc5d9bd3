#pragma once
// The frames that head a generated form: the read-only context frame with the parent's identifying
// values, and the search frame of a look-up form. Each places its frame at `top` and `left`, lays its
// controls out inside, and leaves `top` below the frame and `left` at the form's margin.

#include <string>
#include <vector>

#include "patternkit/ModelSets.h"
#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {

// At most `max_cntx_props` rows of label and disabled text box, captioned with the first property's
// business object and named as formlayout::ContextFrameControlNames names them beside the names the
// form's other controls take (`taken`); an empty set places nothing and changes nothing.
void BuildContextFrame(typelib::IConstructor& engine, const PropertySet& contextProperties,
                       form_ctl_defaults& layout, const std::vector<std::string>& taken = {});

// "Search Criteria", an operator combo, the search text and the default button "Find".
void BuildSearchFrame(typelib::IConstructor& engine, form_ctl_defaults& layout);

}  // namespace patternkit::Common
