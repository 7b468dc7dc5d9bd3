#include "patternkit/LayoutPlacement.h"

#include <utility>

#include "patternkit/ConstructorErrors.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Numbers.h"

namespace patternkit::Common {

PlacedControl::PlacedControl(typelib::IConstructor& engine, std::string name, const std::string& progId)
    : mEngine(engine), mName(std::move(name)) {
    const int16_t returnCode = vb::CInt(engine.SetVBControl(mName, progId));
    mPlaced = returnCode == typelib::Success;
    if (!mPlaced)
        DisplayConstructorError(returnCode, "", "", mName);
    mStopped = !mPlaced && ContinueAnswer() == ui::vbNo;
}

PlacedControl& PlacedControl::InFrame(const std::string& frameName) {
    if (mPlaced)
        mEngine.AddVBControlToFrame(mName, frameName);
    return *this;
}

PlacedControl& PlacedControl::Set(const std::string& propertyName, const vb::Variant& value) {
    if (mPlaced)
        mEngine.SetVBControlProperty(propertyName, value);
    return *this;
}

void WidenFormForRow(form_ctl_defaults& layout, Twips need) {
    const Twips formWidth = layout.actual_form_width();
    const Twips maxWidth = layout.max_form_width();
    if (need > formWidth && need <= maxWidth)
        layout.Setactual_form_width(need.value());
    else if (need > maxWidth)
        layout.Setactual_form_width(maxWidth.value());
}

}  // namespace patternkit::Common
