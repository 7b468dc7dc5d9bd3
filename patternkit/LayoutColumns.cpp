#include "patternkit/LayoutColumns.h"

#include <algorithm>
#include <string>

#include "formlayout/FormRoom.h"
#include "patternkit/LayoutOptionGroup.h"
#include "patternkit/LayoutRows.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/PropertySets.h"

namespace patternkit::Common {
namespace {

constexpr int16_t kColumnTop = 300;

// The column plan of one form, from choosing the size set to putting the position back at the end.
class ColumnPlan {
  public:
    ColumnPlan(const PropertySet& properties, form_ctl_defaults& layout)
        : mLayout(layout),
          mGeometry(formlayout::PlanColumns(properties.size(), layout.max_available_width())),
          mLeft(layout.left()),
          mDeepestTop(layout.top()) {
        layout.SetSizes(*mGeometry.sizes);
        layout.Setmax_form_width(formlayout::EdgesOfColumn(mGeometry, 1, mLeft).right.value());
        layout.Setmax_label_width(
            formlayout::LabelColumnWidth(GetMaxLabelLength(properties), layout.sizes()).value());
    }

    // After each row: a row that would reach the form's bottom goes into a new column, at a fixed top.
    void StartColumnWhenFull() {
        const Twips bottom =
            Twips(mLayout.top()) + mLayout.txt_ctl_height() + mLayout.vert_space() + mLayout.cmd_ctl_height();
        if (bottom < Twips(mLayout.max_form_height()))
            return;
        mColumn = mColumn + 1;
        const formlayout::ColumnEdges edges = formlayout::EdgesOfColumn(mGeometry, mColumn, mLeft);
        mLayout.Setleft(edges.left.value());
        mLayout.Setmax_form_width(edges.right.value());
        mDeepestTop = std::max(mDeepestTop, Twips(mLayout.top()));
        mLayout.Settop(kColumnTop);
    }

    void Finish() {
        mLayout.Setleft(mLeft.value());
        mLayout.Settop(std::max(Twips(mLayout.top()), mDeepestTop).value());
    }

  private:
    form_ctl_defaults& mLayout;
    formlayout::ColumnGeometry mGeometry;
    Twips mLeft;
    Twips mDeepestTop;
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
