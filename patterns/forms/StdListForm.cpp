#include "patterns/forms/StdListForm.h"

#include "formlayout/ControlNameCount.h"
#include "patternkit/LayoutButtons.h"
#include "patternkit/LayoutColumns.h"
#include "patternkit/LayoutFrames.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/Navigation.h"
#include "patternkit/NotingConstructor.h"
#include "patternkit/PropertyPickers.h"
#include "patternkit/PropertySets.h"
#include "patterns/forms/FormIdentities.h"
#include "typelib/FormTemplates.h"

namespace forms {
namespace {

constexpr int16_t kReportView = 3;
constexpr int16_t kManualLabelEdit = 1;
constexpr int16_t kCenterOwner = 1;
constexpr int16_t kListFormTopMargin = 420;

}  // namespace

StdListForm::StdListForm()
    : FormPattern("StdListForm", ListFormIdentity(), kAllCurrentObjects & ~kReferenceBusObj) {}

std::optional<int16_t> StdListForm::Build() {
    return Trap("Build", [this] { return BuildForms(); });
}

int16_t StdListForm::BuildForms() {
    using patternkit::Twips;
    typelib::IConstructor& engine = Constructor();
    patternkit::form_ctl_defaults& layout = NewLayout();
    layout.Settop((Twips(layout.top()) + kListFormTopMargin).value());
    mChildren = patternkit::Common::GetChildBusObjs(BusinessObject());
    const patternkit::BusinessObjectSet parents = patternkit::Common::GetParentBusObjs(BusinessObject());
    // Two identifying parents leave no single context to show.
    mHasParent = parents.size() == 1;
    if (mHasParent)
        mCurrent.parentBusObj = parents.front();
    mCurrent.busObj = mBusinessObject;

    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    ChoosePropertySets();

    mComponentName = "frm" + BusinessObject().Name() + "List";
    int16_t result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, FormTemplate());
    if (result != typelib::Success)
        return Cancel(result);
    if (mHasParent)
        patternkit::Common::BuildContextFrame(engine, mContextProperties, layout);
    if (!PlaceListView())
        return typelib::Cancel_Construction;
    result = Code("GenerateListFormCode", [this] { GenerateListFormCode(); });
    if (result != typelib::Success)
        return result;

    mComponentName = "frm" + BusinessObject().Name() + "Search";
    patternkit::form_ctl_defaults& searchLayout = NewLayout();
    result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, typelib::kSearchFormTemplate);
    if (result != typelib::Success)
        return Cancel(result);
    engine.SetVBComponentProperty("StartUpPosition", vb::Variant(kCenterOwner));
    PlaceSearchRows(searchLayout);
    patternkit::Common::BuildOKCancelButtons(engine, searchLayout);
    searchLayout.Setactual_form_height(
        (Twips(searchLayout.actual_form_height()) + searchLayout.form_title_bar_height()).value());
    return Code("GenerateSearchFormCode", [this] { GenerateSearchFormCode(); });
}

template <typename Generator>
int16_t StdListForm::Code(std::string_view procedure, Generator generator) {
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;
    FormPattern::Code(procedure, generator);
    return typelib::Success;
}

void StdListForm::ChoosePropertySets() {
    const typelib::IBusinessObject& businessObject = BusinessObject();
    const std::string name = businessObject.Name();
    const bool prompt = Application().IsPromptDuringBuild();
    if (prompt) {
        mListProperties = patternkit::Common::PromptListProperties(
            businessObject,
            "Select properties displayed on the " + name + " List Form.\r" +
                "Properties will appear as columns in the list view ordered from left to right.");
        mSearchProperties = patternkit::Common::PromptSearchProperties(
            businessObject, "Select properties displayed on the " + name + " Search form.\r" +
                                "Properties will appear in order from top to bottom.");
    } else {
        mListProperties = patternkit::Common::GetListProperties(businessObject);
        mSearchProperties = patternkit::Common::GetSearchProperties(businessObject);
    }
    if (mHasParent)
        mContextProperties = PickContextProperties("List");
}

void StdListForm::PlaceSearchRows(patternkit::form_ctl_defaults& layout) {
    const patternkit::PropertySet context = mHasParent ? mContextProperties : patternkit::PropertySet();
    const formlayout::ControlArrays arrays = formlayout::FewestArrays([&](formlayout::ControlArrays choice) {
        return formlayout::SearchFormControlNames(mSearchProperties, context, choice);
    });
    // Each row's control is created under its own name before it joins an array.
    mSearchRowNames = formlayout::SearchRowNames(mSearchProperties, formlayout::ControlArrays::None);
    if (mHasParent)
        patternkit::Common::BuildContextFrame(Constructor(), mContextProperties, layout, mSearchRowNames);
    patternkit::NotingConstructor rows(Constructor());
    rows.JoinArrays(formlayout::ArrayPrefixes(arrays));
    patternkit::Common::LayoutTextBoxes(rows, mSearchProperties, layout);
    mSearchRows = rows.TakePlaced();
}

bool StdListForm::PlaceListView() {
    using patternkit::Twips;
    patternkit::form_ctl_defaults& layout = Layout();
    Twips height = Twips(layout.max_form_height()) - (Twips(layout.top()) + layout.vert_space());
    if (Twips(layout.lstvw_ctl_height()) < height)
        height = layout.lstvw_ctl_height();
    layout.Setactual_form_width((Twips(2) * layout.vert_space() + layout.lstvw_ctl_width()).value());
    layout.Setactual_form_height((Twips(layout.form_title_bar_height()) + layout.form_menu_bar_height() +
                                  layout.top() + height + layout.vert_space())
                                     .value());

    mControlName = "lvwItems";
    const int32_t result = Constructor().SetVBControl(mControlName, layout.ListViewProgID());
    if (result == typelib::Success) {
        typelib::IConstructor& engine = Constructor();
        engine.SetVBControlProperty("Height", height);
        engine.SetVBControlProperty("Width", vb::Variant(layout.lstvw_ctl_width()));
        engine.SetVBControlProperty("Top", vb::Variant(layout.top()));
        engine.SetVBControlProperty("Left", vb::Variant(layout.left()));
        engine.SetVBControlProperty("View", vb::Variant(kReportView));
        engine.SetVBControlProperty("LabelEdit", vb::Variant(kManualLabelEdit));
        return true;
    }
    return GoOnAfter(static_cast<int16_t>(result));
}

}  // namespace forms
