#include "patternkit/LayoutOptionGroup.h"

#include <algorithm>
#include <string>
#include <vector>

#include "formlayout/FormControls.h"
#include "formlayout/FormRoom.h"
#include "formlayout/FormRows.h"
#include "patternkit/LayoutPlacement.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"

namespace patternkit::Common {
namespace {

formlayout::OptionGrid PlanGrid(const typelib::IProperty& property, form_ctl_defaults& layout, Twips count,
                                Twips optionWidth) {
    const formlayout::OptionGrid grid = formlayout::PlanOptionGrid(
        count, optionWidth, layout.max_available_width(), layout.max_available_height(), layout.sizes());
    if (grid.cut)
        ui::MsgBox("There is not enough room on the form for all of the Option Buttons required for the " +
                   property.Name() + " property of " + property.BusinessObjectName() + " business object.");
    return grid;
}

}  // namespace

void AddOptionButtonGroup(const typelib::IProperty& property, const std::vector<OptionButtonValue>& values,
                          typelib::IConstructor& engine, form_ctl_defaults& layout) {
    const Twips groupTop = layout.top();
    const Twips groupLeft = layout.left();
    const Twips optionWidth = formlayout::GroupButtonWidth(values, layout.sizes());
    const Twips horz = layout.horz_space();
    const Twips vert = layout.vert_space();
    const Twips optionHeight = layout.opt_ctl_height();

    const formlayout::OptionGrid grid = PlanGrid(property, layout, CountOf(values.size()), optionWidth);
    const Twips frameWidth = formlayout::OptionFrameWidth(grid, optionWidth, layout.sizes());
    const Twips frameHeight = formlayout::OptionFrameHeight(grid, layout.sizes());

    const std::string name = vb::Trim(property.Name());
    const std::string frameName = formlayout::RowControlName(
        formlayout::DetailControl(formlayout::ControlKind::OptionButton).prefix, property);
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
        const bool stopped = PlacedControl(engine, formlayout::OptionButtonHead(name) + value.suffix,
                                           layout.OptionButtonProgID())
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
    const Twips need = formlayout::RowEdge(groupLeft, frameWidth, layout.sizes());
    if (need > Twips(layout.actual_form_width()) && need <= Twips(layout.max_form_width()))
        layout.Setactual_form_width(need.value());
}

}  // namespace patternkit::Common
