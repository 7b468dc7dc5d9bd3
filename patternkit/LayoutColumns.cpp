#include "patternkit/LayoutColumns.h"

#include <string>

#include "formlayout/ColumnFlow.h"
#include "formlayout/FormOptionButtons.h"
#include "formlayout/FormRoom.h"
#include "patternkit/LayoutOptionGroup.h"
#include "patternkit/LayoutRows.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/PropertySets.h"

namespace patternkit::Common {
namespace {

// The column plan of one form, from choosing the size set to putting the position back at the end.
class ColumnPlan {
  public:
    ColumnPlan(const PropertySet& properties, form_ctl_defaults& layout, bool search)
        : mLayout(layout),
          mGeometry(formlayout::PlanColumns(properties.size(), layout.max_available_width())),
          mStart{layout.left(), layout.top(), layout.actual_form_width()},
          mFlow(mGeometry, mStart) {
        layout.SetSizes(*mGeometry.sizes);
        layout.Setmax_form_width(mFlow.First().right.value());
        const Twips labelWidth = formlayout::LabelColumnWidth(GetMaxLabelLength(properties), layout.sizes());
        layout.Setmax_label_width(labelWidth.value());
        mRows = search ? formlayout::SearchFormRows(properties, labelWidth, layout.sizes())
                       : formlayout::DetailFormRows(properties, labelWidth, layout.sizes());
        // Rows too many for a form of 16-bit twips at this depth go deeper; where no depth holds them,
        // they stand in columns as planned, over one another.
        if (const auto bottom =
                formlayout::FittingBottom(mRows, mGeometry, mStart, labelWidth, layout.max_form_height()))
            layout.Setmax_form_height(bottom->value());
        else
            mFlow = formlayout::ColumnFlow(mGeometry, mStart, false);
    }

    // Before row `row` is placed: what it takes of the form's width.
    void Reach(std::size_t row) {
        const formlayout::RowPlace place{mLayout.left(), mLayout.top(), mLayout.max_form_width(),
                                         mLayout.max_form_height()};
        mFlow.Reach(formlayout::TakeRow(mRows[row], place, mLayout.max_label_width(), mLayout.sizes()).need);
    }

    // After each row: a row that would reach the form's bottom goes into a new column.
    void StartColumnWhenFull() {
        const auto next = mFlow.NextColumn(mLayout.top(), mLayout.max_form_height(), mLayout.sizes());
        if (!next)
            return;
        mLayout.Setleft(next->left.value());
        mLayout.Setmax_form_width(next->right.value());
        mLayout.Settop(next->top.value());
    }

    // The form holds every row: one that reached past the form's width widens it.
    void Finish() {
        mLayout.Setleft(mStart.left.value());
        mLayout.Settop(mFlow.DeepestTop(mLayout.top()).value());
        const Twips widest = mFlow.WidestNeed();
        if (widest - mLayout.horz_space() > Twips(mLayout.actual_form_width()))
            mLayout.Setactual_form_width(widest.value());
    }

  private:
    form_ctl_defaults& mLayout;
    formlayout::ColumnGeometry mGeometry;
    formlayout::FlowStart mStart;
    formlayout::ColumnFlow mFlow;
    std::vector<formlayout::FormRow> mRows;
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

void PlaceDetailControl(const typelib::IProperty& property, const formlayout::FormOptionButtons& buttons,
                        typelib::IConstructor& engine, form_ctl_defaults& layout) {
    const std::string controlType = property.ControlType();
    if (controlType == "OptionButton")
        PlaceInControlColumn(
            [&](const typelib::IProperty& group, typelib::IConstructor& on, form_ctl_defaults& at) {
                AddOptionButtonGroup(group, buttons.Of(group), on, at);
            },
            property, engine, layout);
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
    ColumnPlan plan(properties, layout, true);
    for (std::size_t row = 0; row < properties.size(); ++row) {
        plan.Reach(row);
        AddTextBoxControl(Required(properties[row]), engine, layout, true);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

void AddPropertyControl(typelib::IConstructor& engine, const PropertySet& properties,
                        form_ctl_defaults& layout) {
    ColumnPlan plan(properties, layout, false);
    const formlayout::FormOptionButtons buttons(properties);
    for (std::size_t row = 0; row < properties.size(); ++row) {
        plan.Reach(row);
        if (IsDetailProperty(Required(properties[row])))
            PlaceDetailControl(*properties[row], buttons, engine, layout);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

}  // namespace patternkit::Common
