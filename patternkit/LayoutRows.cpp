#include "patternkit/LayoutRows.h"

#include <string>

#include "formlayout/FormRows.h"
#include "patternkit/LayoutPlacement.h"
#include "patternkit/ModelSets.h"
#include "patternkit/PropertySets.h"
#include "platform/vb/Text.h"

namespace patternkit::Common {
namespace {

constexpr int16_t kRightJustify = 1;
constexpr int16_t kDropDownList = 2;

struct DataControl {
    std::string prefix;
    std::string progId;
    Twips height;
    Twips width;
};

// Label, optional operator combo and data control, `left` moving along; false when the developer said
// No to a refused control.
bool PlaceRowControls(const typelib::IProperty& property, typelib::IConstructor& engine,
                      form_ctl_defaults& layout, const DataControl& data, bool withOperator) {
    const std::string name = vb::Trim(property.Name());
    const Twips horz = layout.horz_space();
    const PlacedControl label = PlacedControl(engine, "lbl" + name, layout.LabelProgID())
                                    .Set("Top", layout.top())
                                    .Set("Left", layout.left())
                                    .Set("Caption", property.Label())
                                    .Set("Height", layout.txt_ctl_height())
                                    .Set("Width", layout.max_label_width())
                                    .Set("Alignment", kRightJustify);
    if (label.Stopped())
        return false;
    layout.Setleft((Twips(layout.left()) + layout.max_label_width() + horz).value());

    if (withOperator) {
        const Twips operatorWidth = formlayout::SearchOperatorWidth(layout.sizes());
        const PlacedControl operatorCombo = PlacedControl(engine, "cmb" + name, layout.ComboBoxProgID())
                                                .Set("Top", layout.top())
                                                .Set("Left", layout.left())
                                                .Set("Style", kDropDownList)
                                                .Set("Width", operatorWidth);
        if (operatorCombo.Stopped())
            return false;
        layout.Setleft((Twips(layout.left()) + operatorWidth + horz).value());
    }

    return !PlacedControl(engine, data.prefix + name, data.progId)
                .Set("Top", layout.top())
                .Set("Left", layout.left())
                .Set("Height", data.height)
                .Set("Text", "")
                .Set("Width", data.width)
                .Stopped();
}

void EndRow(form_ctl_defaults& layout, Twips rowTop, Twips rowLeft, Twips rowHeight) {
    layout.Settop((rowTop + rowHeight + layout.vert_space()).value());
    layout.Setleft(rowLeft.value());
}

// The rows below the text box: the form's height is taken below the row, its width from the row's
// label column, data control and margins.
void PlaceLowerRow(const typelib::IProperty& property, typelib::IConstructor& engine,
                   form_ctl_defaults& layout, const DataControl& data) {
    const Twips rowTop = layout.top();
    const Twips rowLeft = layout.left();
    if (!PlaceRowControls(property, engine, layout, data, false))
        return;
    EndRow(layout, rowTop, rowLeft, data.height);
    layout.Setactual_form_height(layout.top());
    WidenFormForRow(layout, rowLeft + layout.max_label_width() + data.width + 2 * Twips(layout.horz_space()));
}

}  // namespace

void AddTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout, bool withOperator) {
    const Twips rowTop = layout.top();
    const Twips rowLeft = layout.left();
    const DataControl text{"txt", layout.TextBoxProgID(), layout.txt_ctl_height(), layout.txt_ctl_width()};
    if (!PlaceRowControls(property, engine, layout, text, withOperator))
        return;
    layout.Setactual_form_height(rowTop.value());
    WidenFormForRow(layout, Twips(layout.left()) + text.width + layout.horz_space());
    EndRow(layout, rowTop, rowLeft, text.height);
}

void AddComboBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    PlaceLowerRow(property, engine, layout,
                  {"cmb", layout.ComboBoxProgID(), layout.txt_ctl_height(),
                   formlayout::ComboBoxWidth(property, layout.sizes())});
}

void AddListBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout) {
    if (IsMemoOrOLE(property))
        return;
    PlaceLowerRow(property, engine, layout,
                  {"lstbx", layout.ListBoxProgID(), layout.lstbx_height(),
                   formlayout::ListBoxWidth(property, layout.sizes())});
}

void AddRichTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                           form_ctl_defaults& layout) {
    if (property.DataType() == "OLE Object")
        return;
    PlaceLowerRow(property, engine, layout,
                  {"rtxt", layout.RichTextBoxProgID(), layout.rtxt_ctl_height(), layout.rtxt_ctl_width()});
}

void AddCheckBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    const Twips rowTop = layout.top();
    const Twips rowLeft = layout.left();
    const std::string label = property.Label();
    const Twips width = formlayout::CheckBoxWidth(property, layout.sizes());
    const Twips height = layout.txt_ctl_height();
    const bool stopped = PlacedControl(engine, "ckb" + vb::Trim(property.Name()), layout.CheckBoxProgID())
                             .Set("Top", layout.top())
                             .Set("Left", layout.left())
                             .Set("Height", height)
                             .Set("Caption", label)
                             .Set("Width", width)
                             .Stopped();
    if (stopped)
        return;
    EndRow(layout, rowTop, rowLeft, height);
    layout.Setactual_form_height(layout.top());
    WidenFormForRow(layout, rowLeft + width + layout.horz_space());
}

}  // namespace patternkit::Common
