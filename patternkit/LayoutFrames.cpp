#include "patternkit/LayoutFrames.h"

#include <algorithm>
#include <string>

#include "formlayout/ColumnFlow.h"
#include "formlayout/ControlNames.h"
#include "formlayout/FormRoom.h"
#include "patternkit/LayoutPlacement.h"
#include "patternkit/PropertySets.h"
#include "platform/vb/Text.h"

namespace patternkit::Common {
namespace {

constexpr const char* kContextFrame = "Frame";
constexpr const char* kSearchFrame = "SearchFrame";
constexpr int16_t kRightJustify = 1;
constexpr int16_t kDropDownList = 2;
// The search row's label and operator combo keep these widths in every size set.
constexpr int16_t kSearchLabelWidth = 1500;
constexpr int16_t kSearchComboWidth = 700;
constexpr int16_t kContextLabelWidthLimit = 2000;

// Below the frame, where the rows begin: the form is at least as wide as the frame and its margins.
void LeaveFrame(form_ctl_defaults& layout, const formlayout::FlowStart& below) {
    layout.Settop(below.top.value());
    if (Twips(layout.actual_form_width()) < below.clearRight)
        layout.Setactual_form_width(below.clearRight.value());
    layout.Setactual_form_height(layout.top());
    layout.Setleft(below.left.value());
}

void EnterFrame(form_ctl_defaults& layout) {
    layout.Setleft(layout.horz_space());
    layout.Settop(layout.vert_space());
}

}  // namespace

void BuildContextFrame(typelib::IConstructor& engine, const PropertySet& contextProperties,
                       form_ctl_defaults& layout, const std::vector<std::string>& taken) {
    if (contextProperties.empty())
        return;
    const formlayout::ContextFrame frame =
        formlayout::ContextFrameAt(contextProperties.size(), layout.top(), layout.sizes());
    const Twips rows = frame.rows;
    const Twips textHeight = layout.txt_ctl_height();
    const std::string caption = Required(contextProperties.front()).BusinessObjectName();

    PlacedControl(engine, kContextFrame, layout.FrameProgID())
        .Set("Height", frame.height)
        .Set("Width", frame.width)
        .Set("Caption", caption)
        .Set("Top", layout.top())
        .Set("Left", layout.left());

    EnterFrame(layout);
    const Twips labelWidth =
        std::min(GetMaxLabelLength(contextProperties) * Twips(layout.txt_ctl_width_per_char()),
                 Twips(kContextLabelWidthLimit));
    const Twips labelLeft = layout.left();
    const Twips textLeft = formlayout::ControlColumnLeft(labelLeft, labelWidth, layout.sizes());
    const formlayout::ContextFrameNames names =
        formlayout::ContextFrameControlNames(caption, contextProperties, taken);

    for (int16_t row = 0; row < rows.value(); ++row) {
        const auto at = static_cast<std::size_t>(row);
        const auto& property = Required(contextProperties[at]);
        PlacedControl(engine, names.labels[at], layout.LabelProgID())
            .InFrame(kContextFrame)
            .Set("Height", textHeight)
            .Set("Width", labelWidth)
            .Set("Top", layout.top())
            .Set("Left", labelLeft)
            .Set("Caption", property.Label())
            .Set("Alignment", kRightJustify);
        PlacedControl(engine, names.textBoxes[at], layout.TextBoxProgID())
            .InFrame(kContextFrame)
            .Set("Height", textHeight)
            .Set("Width", layout.txt_ctl_width())
            .Set("Top", layout.top())
            .Set("Left", textLeft)
            .Set("Text", "")
            .Set("Enabled", false);
        layout.Settop((Twips(layout.top()) + layout.vert_space() + textHeight).value());
    }
    LeaveFrame(layout, frame.below);
}

void BuildSearchFrame(typelib::IConstructor& engine, form_ctl_defaults& layout) {
    const Twips frameTop = layout.top();
    const Twips horz = layout.horz_space();
    const Twips textHeight = layout.txt_ctl_height();
    const Twips textWidth = layout.txt_ctl_width();
    const Twips frameHeight = 2 * Twips(layout.vert_space()) + textHeight;
    const Twips frameWidth =
        5 * horz + kSearchLabelWidth + kSearchComboWidth + textWidth + layout.cmd_ctl_width();

    PlacedControl(engine, kSearchFrame, layout.FrameProgID())
        .Set("Height", frameHeight)
        .Set("Width", frameWidth)
        .Set("Caption", "Find")
        .Set("Top", layout.top())
        .Set("Left", layout.left());

    EnterFrame(layout);
    const Twips top = layout.top();
    const Twips labelLeft = layout.left();
    const Twips comboLeft = labelLeft + kSearchLabelWidth + horz;
    const Twips textLeft = comboLeft + kSearchComboWidth + horz;

    PlacedControl(engine, "lblSearch", layout.LabelProgID())
        .InFrame(kSearchFrame)
        .Set("Height", textHeight)
        .Set("Width", kSearchLabelWidth)
        .Set("Top", top)
        .Set("Left", labelLeft)
        .Set("Caption", "Search Criteria")
        .Set("Alignment", kRightJustify);
    PlacedControl(engine, "cmbSearch", layout.ComboBoxProgID())
        .InFrame(kSearchFrame)
        .Set("Top", top)
        .Set("Left", comboLeft)
        .Set("Style", kDropDownList)
        .Set("Width", kSearchComboWidth);
    PlacedControl(engine, "txtSearch", layout.TextBoxProgID())
        .InFrame(kSearchFrame)
        .Set("Height", textHeight)
        .Set("Width", textWidth)
        .Set("Top", top)
        .Set("Left", textLeft)
        .Set("Text", "");
    PlacedControl find(engine, "cmdFind", layout.CommandButtonProgID());
    find.Set("Caption", "Find")
        .InFrame(kSearchFrame)
        .Set("Height", layout.cmd_ctl_height())
        .Set("Width", layout.cmd_ctl_width())
        .Set("Default", "True")
        .Set("Top", top)
        .Set("Left", textLeft + textWidth + horz);

    LeaveFrame(layout, formlayout::BelowFrame(frameTop, frameHeight, frameWidth, layout.sizes()));
}

}  // namespace patternkit::Common
