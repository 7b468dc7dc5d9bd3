#include "patternkit/LayoutRows.h"

#include <string>

#include "formlayout/FormRoom.h"
#include "formlayout/FormRows.h"
#include "patternkit/LayoutPlacement.h"

namespace patternkit::Common {
namespace {

using formlayout::ControlKind;
using formlayout::FormControl;

constexpr int16_t kRightJustify = 1;
constexpr int16_t kDropDownList = 2;

std::string ProgIdOf(ControlKind kind, const form_ctl_defaults& layout) {
    switch (kind) {
        case ControlKind::TextBox:
            return layout.TextBoxProgID();
        case ControlKind::ComboBox:
            return layout.ComboBoxProgID();
        case ControlKind::ListBox:
            return layout.ListBoxProgID();
        case ControlKind::RichTextBox:
            return layout.RichTextBoxProgID();
        case ControlKind::CheckBox:
            return layout.CheckBoxProgID();
        case ControlKind::OptionButton:
            return layout.OptionButtonProgID();
    }
    return {};
}

// Label, the search row's operator combo and the data control `width` wide, `left` moving along to the
// data control; false when the developer said No to a refused control.
bool PlaceRowControls(const FormControl& row, const typelib::IProperty& property,
                      typelib::IConstructor& engine, form_ctl_defaults& layout, Twips width) {
    const Twips horz = layout.horz_space();
    const PlacedControl label =
        PlacedControl(engine, formlayout::RowControlName(row.label, property), layout.LabelProgID())
            .Set("Top", layout.top())
            .Set("Left", layout.left())
            .Set("Caption", property.Label())
            .Set("Height", layout.txt_ctl_height())
            .Set("Width", layout.max_label_width())
            .Set("Alignment", kRightJustify);
    if (label.Stopped())
        return false;
    layout.Setleft(
        formlayout::ControlColumnLeft(layout.left(), layout.max_label_width(), layout.sizes()).value());

    if (!row.operatorCombo.empty()) {
        const Twips operatorWidth = formlayout::SearchOperatorWidth(layout.sizes());
        const PlacedControl operatorCombo =
            PlacedControl(engine, formlayout::RowControlName(row.operatorCombo, property),
                          layout.ComboBoxProgID())
                .Set("Top", layout.top())
                .Set("Left", layout.left())
                .Set("Style", kDropDownList)
                .Set("Width", operatorWidth);
        if (operatorCombo.Stopped())
            return false;
        layout.Setleft((Twips(layout.left()) + operatorWidth + horz).value());
    }

    return !PlacedControl(engine, formlayout::RowControlName(row.prefix, property),
                          ProgIdOf(row.kind, layout))
                .Set("Top", layout.top())
                .Set("Left", layout.left())
                .Set("Height", layout.sizes().*row.height)
                .Set("Text", "")
                .Set("Width", width)
                .Stopped();
}

void EndRow(form_ctl_defaults& layout, Twips rowTop, Twips rowLeft, Twips rowHeight) {
    layout.Settop((rowTop + rowHeight + layout.vert_space()).value());
    layout.Setleft(rowLeft.value());
}

// A row of label and data control, nothing for a data type the row makes no control for. The form is
// as high as a text row's top, or reaches below any other row, and widens for the row.
void PlaceLabelledRow(const FormControl& row, const typelib::IProperty& property,
                      typelib::IConstructor& engine, form_ctl_defaults& layout) {
    if (!formlayout::MakesControlFor(row, property.DataType()))
        return;
    const Twips rowTop = layout.top();
    const Twips rowLeft = layout.left();
    const Twips width = formlayout::DataControlWidth(row, property, layout.sizes());
    if (!PlaceRowControls(row, property, engine, layout, width))
        return;
    const Twips need = formlayout::RowEdge(layout.left(), width, layout.sizes());
    EndRow(layout, rowTop, rowLeft, layout.sizes().*row.height);
    layout.Setactual_form_height(row.row == formlayout::RowKind::TextRow ? rowTop.value() : layout.top());
    WidenFormForRow(layout, need);
}

}  // namespace

void AddTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout, bool withOperator) {
    PlaceLabelledRow(withOperator ? formlayout::kSearchRow : formlayout::DetailControl(ControlKind::TextBox),
                     property, engine, layout);
}

void AddComboBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    PlaceLabelledRow(formlayout::DetailControl(ControlKind::ComboBox), property, engine, layout);
}

void AddListBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                       form_ctl_defaults& layout) {
    PlaceLabelledRow(formlayout::DetailControl(ControlKind::ListBox), property, engine, layout);
}

void AddRichTextBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                           form_ctl_defaults& layout) {
    PlaceLabelledRow(formlayout::DetailControl(ControlKind::RichTextBox), property, engine, layout);
}

void AddCheckBoxControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    const FormControl& row = formlayout::DetailControl(ControlKind::CheckBox);
    const Twips rowTop = layout.top();
    const Twips rowLeft = layout.left();
    const std::string label = property.Label();
    const Twips width = formlayout::DataControlWidth(row, property, layout.sizes());
    const Twips height = layout.sizes().*row.height;
    const bool stopped =
        PlacedControl(engine, formlayout::RowControlName(row.prefix, property), ProgIdOf(row.kind, layout))
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
    WidenFormForRow(layout, formlayout::RowEdge(rowLeft, width, layout.sizes()));
}

}  // namespace patternkit::Common
