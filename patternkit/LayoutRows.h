#pragma once
// One row per property: a right-aligned label in the label column (`left` on entry, `max_label_width`
// wide) and the data control beside it. Each placer leaves `top` at the next row and `left` where it
// found it, and widens the form for its row; after a refused control answered No it stops where it is.

#include "patternkit/form_ctl_defaults.h"
#include "typelib/IConstructor.h"
#include "typelib/IProperty.h"

namespace patternkit::Common {

// "lbl", with the operator flag a drop-down "cmb" for the search operator, then "txt".
void AddTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout, bool withOperator);
// "lbl" and "cmb", wide enough for the longest permitted value.
void AddComboBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout);
// "lbl" and "lstbx"; nothing for "Memo" and "OLE Object".
void AddListBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout);
// "lbl" and "rtxt"; nothing for "OLE Object".
void AddRichTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                           form_ctl_defaults& layout);
// "ckb" alone, captioned with the label, at `left` (the caller's control column).
void AddCheckBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout);

}  // namespace patternkit::Common
