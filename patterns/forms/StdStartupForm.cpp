#include "patterns/forms/StdStartupForm.h"

#include "patternkit/Navigation.h"
#include "patterns/forms/FormIdentities.h"
#include "platform/vb/Limits.h"
#include "typelib/FormTemplates.h"

namespace forms {
namespace {

constexpr int16_t kButtonHeight = 600;
constexpr int16_t kButtonWidth = 1500;
constexpr int16_t kCenterScreen = 2;

}  // namespace

bool IsTopLevel(const typelib::IBusinessObject& businessObject) {
    return businessObject.IsBuilt() && patternkit::Common::GetParentBusObjs(businessObject).empty();
}

StdStartupForm::StdStartupForm()
    : FormPattern("StdStartupForm", StartupFormIdentity(), kBusObj | kProperty | kMethod) {}

std::optional<int16_t> StdStartupForm::Build() {
    return Trap("Build", [this] { return BuildComponents(); });
}

int16_t StdStartupForm::BuildComponents() {
    typelib::IConstructor& engine = Constructor();
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;

    mComponentName = "frm" + Application().Name() + "_Startup";
    int16_t result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, FormTemplate());
    if (result != typelib::Success)
        return Cancel(result);
    engine.SetVBComponentProperty("StartUpPosition", vb::Variant(kCenterScreen));
    NewLayout();
    mBusinessObjects = patternkit::AllOf(patternkit::Required(Application().BusinessObjects()));
    if (!PlaceButtons())
        return typelib::Cancel_Construction;
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    engine.StartCoding();
    Trap("GenerateStartUpCode", [this] { GenerateStartUpCode(); });
    engine.FinishCoding();

    mComponentName = "frm" + Application().Name() + "_Logon";
    result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, typelib::kLogonFormTemplate);
    if (result != typelib::Success)
        return Cancel(result);
    engine.SetVBComponentProperty("StartUpPosition", vb::Variant(kCenterScreen));
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    engine.StartCoding();
    Trap("GenerateLogonCode", [this] { GenerateLogonCode(); });
    engine.FinishCoding();

    mComponentName = "Common";
    result = engine.SetVBComponent(mProjectName, mComponentName, typelib::StandardModule, "");
    if (result != typelib::Success)
        return GoOnAfter(result) ? typelib::Success : typelib::Cancel_Construction;
    engine.StartCoding();
    Trap("GenerateCommonLayer1", [this] { GenerateCommonLayer1(); });
    engine.FinishCoding();
    return typelib::Success;
}

bool StdStartupForm::PlaceButtons() {
    typelib::IConstructor& engine = Constructor();
    patternkit::form_ctl_defaults& layout = Layout();
    // Past the last column that Integer positions can hold no button is placed; the click procedures
    // are still written, so a button added by hand works.
    bool columnsLeft = true;
    for (const auto& businessObject : mBusinessObjects) {
        mCurrent.busObj = businessObject;
        if (!columnsLeft || !IsTopLevel(patternkit::Required(businessObject)))
            continue;
        mControlName = "cmd" + businessObject->Name();
        const int32_t result = engine.SetVBControl(mControlName, "CommandButton");
        if (result == typelib::Success) {
            engine.SetVBControlProperty("Height", vb::Variant(kButtonHeight));
            engine.SetVBControlProperty("Caption", vb::Variant(businessObject->Name()));
            engine.SetVBControlProperty("Top", vb::Variant(layout.top()));
            engine.SetVBControlProperty("Left", vb::Variant(layout.left()));
            engine.SetVBControlProperty("Height", vb::Variant(kButtonHeight));
            engine.SetVBControlProperty("Width", vb::Variant(kButtonWidth));
        } else if (!GoOnAfter(static_cast<int16_t>(result))) {
            return false;
        }
        const int32_t top = layout.top() + kButtonHeight + layout.vert_space();
        if (top + kButtonHeight <= layout.max_form_height()) {
            layout.Settop(static_cast<int16_t>(top));
            continue;
        }
        const int32_t left = layout.left() + kButtonWidth + layout.horz_space();
        columnsLeft = left <= vb::kMaxFormTwips;
        layout.Settop(layout.vert_space());
        if (columnsLeft)
            layout.Setleft(static_cast<int16_t>(left));
    }
    return true;
}

}  // namespace forms
