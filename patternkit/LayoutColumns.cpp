#include "patternkit/LayoutColumns.h"

#include <algorithm>
#include <string>

#include "patternkit/LayoutOptionGroup.h"
#include "patternkit/LayoutRows.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/PropertySets.h"
#include "platform/vb/Numbers.h"

namespace patternkit::Common {
namespace {

constexpr int16_t kPropertiesPerColumn = 12;
constexpr int16_t kColumnTop = 300;

// The column plan of one form, from choosing the size set to putting the position back at the end.
class ColumnPlan {
  public:
    ColumnPlan(const PropertySet& properties, form_ctl_defaults& layout)
        : mLayout(layout), mLeft(layout.left()), mDeepestTop(layout.top()) {
        const Twips columns =
            Twips(vb::CInt(vb::Int(static_cast<double>(properties.size()) / kPropertiesPerColumn))) + 1;
        mColumnWidth = RoundedQuotient(layout.max_available_width(), columns);
        if (columns == 1) {
            layout.SetStandardSize();
        } else {
            if (columns == 2)
                layout.SetAverageSize();
            else
                layout.SetSmallSize();
            layout.Setmax_form_width(mColumnWidth.value());
        }
        layout.Setmax_label_width(
            (Twips(GetMaxLabelLength(properties)) * layout.txt_ctl_width_per_char()).value());
    }

    // After each row: a row that would reach the form's bottom goes into a new column, at a fixed top.
    void StartColumnWhenFull() {
        const Twips bottom =
            Twips(mLayout.top()) + mLayout.txt_ctl_height() + mLayout.vert_space() + mLayout.cmd_ctl_height();
        if (bottom < Twips(mLayout.max_form_height()))
            return;
        mColumn = mColumn + 1;
        mLayout.Setleft(((mColumn - 1) * mColumnWidth).value());
        mLayout.Setmax_form_width((mColumn * mColumnWidth).value());
        mDeepestTop = std::max(mDeepestTop, Twips(mLayout.top()));
        mLayout.Settop(kColumnTop);
    }

    void Finish() {
        mLayout.Setleft(mLeft.value());
        mLayout.Settop(std::max(Twips(mLayout.top()), mDeepestTop).value());
    }

  private:
    form_ctl_defaults& mLayout;
    Twips mLeft;
    Twips mDeepestTop;
    Twips mColumnWidth;
    Twips mColumn = 1;
};

// The check box and the option group stand in the control column, right of the label column.
template <typename Placer>
void PlaceInControlColumn(Placer placer, const typelib::IProperty& property, typelib::IConstructor& engine,
                          form_ctl_defaults& layout) {
    const Twips labelLeft = layout.left();
    layout.Setleft((labelLeft + layout.max_label_width() + layout.horz_space()).value());
    placer(property, engine, layout);
    layout.Setleft(labelLeft.value());
}

void PlaceDetailControl(const typelib::IProperty& property, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    const std::string controlType = property.ControlType();
    if (controlType == "OptionButton")
        PlaceInControlColumn(AddOptionButtonGroup, property, engine, layout);
    else if (controlType == "TextBox")
        AddTextBoxControl(property, engine, layout, false);
    else if (controlType == "ListBox")
        AddListBoxControl(property, engine, layout);
    else if (controlType == "CheckBox")
        PlaceInControlColumn(AddCheckBoxControl, property, engine, layout);
    else if (controlType == "RichTextBox")
        AddRichTextBoxControl(property, engine, layout);
    else if (controlType == "ComboBox")
        AddComboBoxControl(property, engine, layout);
}

}  // namespace

void LayoutTextBoxes(typelib::IConstructor& engine, const PropertySet& properties,
                     form_ctl_defaults& layout) {
    ColumnPlan plan(properties, layout);
    for (const auto& property : properties) {
        AddTextBoxControl(Required(property), engine, layout, true);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

void AddPropertyControl(typelib::IConstructor& engine, const PropertySet& properties,
                        form_ctl_defaults& layout) {
    ColumnPlan plan(properties, layout);
    for (const auto& property : properties) {
        if (IsDetailProperty(Required(property)))
            PlaceDetailControl(*property, engine, layout);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

}  // namespace patternkit::Common
