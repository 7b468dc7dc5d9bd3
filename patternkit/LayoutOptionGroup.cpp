#include "patternkit/LayoutOptionGroup.h"

#include <algorithm>
#include <string>
#include <vector>

#include "formlayout/FormRoom.h"
#include "patternkit/LayoutOptionValues.h"
#include "patternkit/LayoutPlacement.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"

namespace patternkit::Common {
namespace {

struct Grid {
    Twips count;
    Twips columns;
    Twips rows;
};

Grid PlanGrid(const typelib::IProperty& property, form_ctl_defaults& layout, Twips count, Twips optionWidth) {
    const Twips rowsThatFit = formlayout::OptionRowsThatFit(layout.max_available_height(), layout.sizes());
    const Twips columnsThatFit =
        formlayout::OptionColumnsThatFit(layout.max_available_width(), optionWidth, layout.sizes());
    if (count > columnsThatFit * rowsThatFit) {
        ui::MsgBox("There is not enough room on the form for all of the Option Buttons required for the " +
                   property.Name() + " property of " + property.BusinessObjectName() + " business object.");
        return {columnsThatFit * rowsThatFit, columnsThatFit, rowsThatFit};
    }
    if (count == 0 || count < columnsThatFit)
        return {count, count, 1};
    const Twips fullRows = vb::IntegerDivide(count.value(), columnsThatFit.value());
    const bool even = fullRows * columnsThatFit == count;
    return {count, columnsThatFit, even ? fullRows : fullRows + 1};
}

}  // namespace

void AddOptionButtonGroup(const typelib::IProperty& property, typelib::IConstructor& engine,
                          form_ctl_defaults& layout) {
    const Twips groupTop = layout.top();
    const Twips groupLeft = layout.left();
    const std::vector<OptionButtonValue> values = OptionButtonValues(property);
    int32_t longest = 0;
    for (const auto& value : values)
        longest = std::max(longest, vb::Len(value.caption));
    const Twips optionWidth =
        formlayout::OptionButtonWidth(CountOf(static_cast<std::size_t>(longest)), layout.sizes());
    const Twips horz = layout.horz_space();
    const Twips vert = layout.vert_space();
    const Twips optionHeight = layout.opt_ctl_height();

    const Grid grid = PlanGrid(property, layout, CountOf(values.size()), optionWidth);
    const Twips frameWidth = (horz + optionWidth) * grid.columns + horz;
    const Twips frameHeight = (optionHeight + vert) * grid.rows + vert;

    const std::string name = vb::Trim(property.Name());
    const std::string frameName = "Frame" + name;
    const bool frameStopped = PlacedControl(engine, frameName, layout.FrameProgID())
                                  .Set("Height", frameHeight)
                                  .Set("Width", frameWidth)
                                  .Set("Caption", property.Label())
                                  .Set("Top", layout.top())
                                  .Set("Left", layout.left())
                                  .Stopped();
    if (frameStopped)
        return;

    layout.Settop(vert.value());
    layout.Setleft(horz.value());
    Twips slot = 1;
    for (int16_t i = 0; i < grid.count.value(); ++i) {
        const OptionButtonValue& value = values[static_cast<std::size_t>(i)];
        const bool stopped =
            PlacedControl(engine, "opt" + name + "_" + value.suffix, layout.OptionButtonProgID())
                .InFrame(frameName)
                .Set("Top", layout.top())
                .Set("Left", layout.left())
                .Set("Caption", value.caption)
                .Set("Height", optionHeight)
                .Set("Width", optionWidth)
                .Stopped();
        if (stopped)
            return;
        slot = slot + 1;
        if (slot > grid.columns) {
            slot = 1;
            layout.Settop((Twips(layout.top()) + optionHeight + vert).value());
            layout.Setleft(horz.value());
        } else {
            layout.Setleft((Twips(layout.left()) + optionWidth + horz).value());
        }
    }

    layout.Settop((groupTop + frameHeight + vert).value());
    layout.Setleft(groupLeft.value());
    layout.Setactual_form_height(layout.top());
    const Twips need = groupLeft + frameWidth + horz;
    if (need > Twips(layout.actual_form_width()) && need <= Twips(layout.max_form_width()))
        layout.Setactual_form_width(need.value());
}

}  // namespace patternkit::Common
