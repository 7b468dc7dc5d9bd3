#include "patternkit/LayoutButtons.h"

#include "patternkit/LayoutPlacement.h"

namespace patternkit::Common {
namespace {

void WidenFormTo(form_ctl_defaults& layout, Twips minimumWidth) {
    if (Twips(layout.actual_form_width()) < minimumWidth)
        layout.Setactual_form_width(minimumWidth.value());
}

PlacedControl PlaceButton(typelib::IConstructor& engine, form_ctl_defaults& layout,
                          const std::string& caption) {
    PlacedControl button(engine, "cmd" + caption, layout.CommandButtonProgID());
    button.Set("Caption", caption)
        .Set("Height", layout.cmd_ctl_height())
        .Set("Width", layout.cmd_ctl_width());
    return button;
}

void NextRow(form_ctl_defaults& layout, Twips rowLeft) {
    layout.Setleft(rowLeft.value());
    layout.Settop((Twips(layout.top()) + layout.cmd_ctl_height() + layout.vert_space()).value());
    layout.Setactual_form_height(layout.top());
}

}  // namespace

void BuildOKCancelButtons(typelib::IConstructor& engine, form_ctl_defaults& layout) {
    const Twips horz = layout.horz_space();
    const Twips buttonWidth = layout.cmd_ctl_width();
    WidenFormTo(layout, 2 * buttonWidth + 3 * horz);

    PlacedControl ok = PlaceButton(engine, layout, "OK");
    ok.Set("Default", "True");
    if (ok.Placed()) {
        const Twips pairWidth = 2 * buttonWidth + horz;
        layout.Setleft(RoundedQuotient(Twips(layout.actual_form_width()) - pairWidth, 2).value());
    }
    ok.Set("Top", layout.top()).Set("Left", layout.left());

    PlacedControl cancel = PlaceButton(engine, layout, "Cancel");
    if (cancel.Placed())
        layout.Setleft((Twips(layout.left()) + buttonWidth + horz).value());
    cancel.Set("Top", layout.top()).Set("Left", layout.left());

    NextRow(layout, horz);
}

void BuildCommandButtons(typelib::IConstructor& engine, form_ctl_defaults& layout,
                         const std::vector<std::string>& captions) {
    const Twips count = CountOf(captions.size());
    const Twips rowLeft = layout.left();
    const Twips horz = layout.horz_space();
    const Twips buttonWidth = layout.cmd_ctl_width();
    const Twips rowWidth = Twips(layout.actual_form_width()) - count * buttonWidth - (count - 1) * horz;
    layout.Setleft(RoundedQuotient(rowWidth, 2).value());

    for (const auto& caption : captions) {
        PlacedControl button = PlaceButton(engine, layout, caption);
        button.Set("Top", layout.top()).Set("Left", layout.left());
        if (button.Stopped())
            return;
        if (button.Placed())
            layout.Setleft((Twips(layout.left()) + buttonWidth + horz).value());
    }
    WidenFormTo(layout, (count + 1) * horz + count * buttonWidth);
    NextRow(layout, rowLeft);
}

}  // namespace patternkit::Common
