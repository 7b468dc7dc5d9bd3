#pragma once
// Whole forms of property rows in columns: one column per twelve properties (counted before any are left
// out), the size set chosen by the number of columns, and a new column whenever the next row would
// reach the form's bottom. Both end with `left` as they found it and `top` below the deepest column.

#include "patternkit/ModelSets.h"
#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"

namespace patternkit::Common {

// The search fields of a list form: per property a label, an operator combo and a text box.
void LayoutTextBoxes(typelib::IConstructor& engine, const PropertySet& properties, form_ctl_defaults& layout);

// The detail form: per detail property the row of the control table its ControlType names, compared
// exactly; any other type gets none.
void AddPropertyControl(typelib::IConstructor& engine, const PropertySet& properties,
                        form_ctl_defaults& layout);

}  // namespace patternkit::Common
