#include "patterns/forms/StdLookupForm.h"

#include "patternkit/LayoutButtons.h"
#include "patternkit/LayoutFrames.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/PropertyPickers.h"
#include "patternkit/PropertySets.h"
#include "patterns/forms/FormIdentities.h"

namespace forms {
namespace {

constexpr int16_t kReportView = 3;

}  // namespace

StdLookupForm::StdLookupForm()
    : FormPattern("StdLookupForm", LookupFormIdentity(), kAllCurrentObjects & ~kReferenceBusObj) {}

std::optional<int16_t> StdLookupForm::Build() {
    return Trap("Build", [this] { return BuildForm(); });
}

int16_t StdLookupForm::BuildForm() {
    typelib::IConstructor& engine = Constructor();
    patternkit::form_ctl_defaults& layout = NewLayout();
    mCurrent.busObj = mBusinessObject;
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    ChoosePropertySets();

    mComponentName = "frm" + BusinessObject().Name() + "LookUp";
    const int16_t result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, FormTemplate());
    if (result != typelib::Success)
        return Cancel(result);
    patternkit::Common::BuildSearchFrame(engine, layout);
    if (!PlaceListView())
        return typelib::Cancel_Construction;
    patternkit::Common::BuildCommandButtons(engine, layout, {"Select", "Cancel"});
    layout.Setactual_form_height(
        (patternkit::Twips(layout.top()) + layout.form_title_bar_height() + layout.form_menu_bar_height())
            .value());

    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    Code("GenerateCode", [this] { GenerateCode(); });
    return typelib::Success;
}

void StdLookupForm::ChoosePropertySets() {
    const typelib::IBusinessObject& businessObject = BusinessObject();
    if (!Application().IsPromptDuringBuild()) {
        mListProperties = patternkit::Common::GetListProperties(businessObject);
        mSearchProperties = patternkit::Common::GetSearchProperties(businessObject);
        return;
    }
    const std::string name = businessObject.Name();
    mListProperties = patternkit::Common::PromptListProperties(
        businessObject, "Select properties displayed on the " + name + " LookUp Form.\r" +
                            "Properties will appear as columns in the list view ordered from left to right.");
    mSearchProperties = patternkit::Common::PromptSearchProperties(
        businessObject, "Select properties that can be passed to the " + name + " LookUp form\r" +
                            "as a search criteria.  These properties do not appear on the form.");
}

bool StdLookupForm::PlaceListView() {
    using patternkit::Twips;
    patternkit::form_ctl_defaults& layout = Layout();
    const Twips space = layout.horz_space();
    Twips height = Twips(layout.max_form_height()) -
                   (Twips(2) * layout.vert_space() + layout.top() + layout.cmd_ctl_height());
    if (height > layout.lstvw_ctl_height())
        height = layout.lstvw_ctl_height();
    Twips width = layout.lstvw_ctl_width();
    if (Twips(layout.actual_form_width()) > Twips(2) * space + layout.lstvw_ctl_width()) {
        width = Twips(layout.actual_form_width()) - Twips(2) * space;
    } else {
        layout.Setactual_form_width((Twips(2) * space + layout.lstvw_ctl_width()).value());
    }

    mControlName = "lvwItems";
    const int32_t result = Constructor().SetVBControl(mControlName, layout.ListViewProgID());
    if (result == typelib::Success) {
        typelib::IConstructor& engine = Constructor();
        engine.SetVBControlProperty("Height", height);
        engine.SetVBControlProperty("Width", width);
        engine.SetVBControlProperty("Top", vb::Variant(layout.top()));
        engine.SetVBControlProperty("Left", vb::Variant(layout.left()));
        engine.SetVBControlProperty("View", vb::Variant(kReportView));
    } else if (!GoOnAfter(static_cast<int16_t>(result))) {
        return false;
    }
    layout.Settop((Twips(layout.top()) + height + layout.vert_space()).value());
    return true;
}

}  // namespace forms
