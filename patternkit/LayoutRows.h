#pragma once
// One row per property: a right-aligned label in the label column (`left` on entry, `max_label_width`
// wide) and the data control beside it. Each placer leaves `top` at the next row and `left` where it
// found it, and widens the form for its row; after a refused control answered No it stops where it is.

#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"
#include "typelib/IProperty.h"

namespace patternkit::Common {

// Each places its row of the control table (formlayout/FormControls.h), its controls named and sized as
// the row says. The text box's row, with the operator flag the search row with its operator combo box.
void AddTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout, bool withOperator);
void AddComboBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout);
// Nothing for the data types the rows of these two make no control for.
void AddListBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout);
void AddRichTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                           form_ctl_defaults& layout);
// The check box alone, captioned with the label, at `left` (the caller's control column).
void AddCheckBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout);

}  // namespace patternkit::Common
