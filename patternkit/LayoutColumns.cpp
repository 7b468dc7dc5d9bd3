#include "patternkit/LayoutColumns.h"

#include <string>

#include "formlayout/ColumnFlow.h"
#include "formlayout/DetailRows.h"
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
    ColumnPlan(const PropertySet& properties, form_ctl_defaults& layout, formlayout::RowsOf form)
        : mLayout(layout),
          mGeometry(formlayout::PlanColumns(properties.size(), layout.max_available_width())),
          mStart{layout.left(), layout.top(), layout.actual_form_width()},
          mFlow(mGeometry, mStart) {
        layout.SetSizes(*mGeometry.sizes);
        layout.Setmax_form_width(mFlow.First().right.value());
        const Twips labelWidth = formlayout::LabelColumnWidth(GetMaxLabelLength(properties), layout.sizes());
        layout.Setmax_label_width(labelWidth.value());
        mRows = formlayout::PropertyRows(form, properties, labelWidth, layout.sizes());
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
        mFlow.Reach(
            formlayout::MeasureRow(mRows[row], place, mLayout.max_label_width(), mLayout.sizes()).need);
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
    layout.Setleft(
        formlayout::ControlColumnLeft(labelLeft, layout.max_label_width(), layout.sizes()).value());
    placer(property, engine, layout);
    layout.Setleft(labelLeft.value());
}

void PlaceDetailControl(const formlayout::FormControl& control, const typelib::IProperty& property,
                        const formlayout::FormOptionButtons& buttons, typelib::IConstructor& engine,
                        form_ctl_defaults& layout) {
    switch (control.kind) {
        case formlayout::ControlKind::OptionButton:
            PlaceInControlColumn(
                [&](const typelib::IProperty& group, typelib::IConstructor& on, form_ctl_defaults& at) {
                    AddOptionButtonGroup(group, buttons.Of(group), on, at);
                },
                property, engine, layout);
            break;
        case formlayout::ControlKind::TextBox:
            AddTextBoxControl(property, engine, layout, false);
            break;
        case formlayout::ControlKind::ListBox:
            AddListBoxControl(property, engine, layout);
            break;
        case formlayout::ControlKind::CheckBox:
            PlaceInControlColumn(AddCheckBoxControl, property, engine, layout);
            break;
        case formlayout::ControlKind::RichTextBox:
            AddRichTextBoxControl(property, engine, layout);
            break;
        case formlayout::ControlKind::ComboBox:
            AddComboBoxControl(property, engine, layout);
            break;
    }
}

}  // namespace

void LayoutTextBoxes(typelib::IConstructor& engine, const PropertySet& properties,
                     form_ctl_defaults& layout) {
    ColumnPlan plan(properties, layout, formlayout::RowsOf::SearchForm);
    for (std::size_t row = 0; row < properties.size(); ++row) {
        plan.Reach(row);
        AddTextBoxControl(Required(properties[row]), engine, layout, true);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

void AddPropertyControl(typelib::IConstructor& engine, const PropertySet& properties,
                        form_ctl_defaults& layout) {
    ColumnPlan plan(properties, layout, formlayout::RowsOf::DetailForm);
    const formlayout::FormOptionButtons buttons(properties);
    for (std::size_t row = 0; row < properties.size(); ++row) {
        plan.Reach(row);
        if (const formlayout::FormControl* control = formlayout::DetailFormControl(Required(properties[row])))
            PlaceDetailControl(*control, *properties[row], buttons, engine, layout);
        plan.StartColumnWhenFull();
    }
    plan.Finish();
}

}  // namespace patternkit::Common
