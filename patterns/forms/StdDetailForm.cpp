#include "patterns/forms/StdDetailForm.h"

#include <set>

#include "formlayout/ControlNameCount.h"
#include "formlayout/FormControls.h"
#include "patternkit/LayoutButtons.h"
#include "patternkit/LayoutColumns.h"
#include "patternkit/LayoutFrames.h"
#include "patternkit/LayoutTwips.h"
#include "patternkit/Navigation.h"
#include "patternkit/PropertyPickers.h"
#include "patternkit/PropertySets.h"
#include "patterns/forms/FormIdentities.h"
#include "platform/vb/Text.h"
#include "typelib/IField.h"

namespace forms {
namespace {

constexpr int16_t kCenterOwner = 1;

}  // namespace

StdDetailForm::StdDetailForm() : FormPattern("StdDetailForm", DetailFormIdentity(), kAllCurrentObjects) {}

std::optional<int16_t> StdDetailForm::Build() {
    return Trap("Build", [this] { return BuildForm(); });
}

int16_t StdDetailForm::BuildForm() {
    typelib::IConstructor& engine = Constructor();
    mCurrent.busObj = mBusinessObject;
    if (!SelectLayer1Project())
        return typelib::Cancel_Construction;

    const typelib::IBusinessObject& businessObject = BusinessObject();
    mChildren = patternkit::Common::GetChildBusObjs(businessObject);
    const patternkit::BusinessObjectSet parents = patternkit::Common::GetParentBusObjs(businessObject);
    mReferences = patternkit::Common::GetReferenceBusObjs(businessObject);
    mHasParent = parents.size() == 1;
    if (mHasParent)
        mCurrent.parentBusObj = parents.front();
    ChoosePropertySets();
    mOptionButtons = formlayout::FormOptionButtons(mDetailProperties);

    mComponentName = "frm" + businessObject.Name() + "Detail";
    const int16_t result = engine.SetVBComponent(mProjectName, mComponentName, typelib::Form, FormTemplate());
    if (result != typelib::Success)
        return Cancel(result);
    engine.SetVBComponentProperty("StartUpPosition", vb::Variant(kCenterOwner));

    patternkit::form_ctl_defaults& layout = NewLayout();
    patternkit::NotingConstructor noting(engine);
    const formlayout::ControlArrays arrays = formlayout::FewestArrays([&](formlayout::ControlArrays choice) {
        return formlayout::DetailFormControlNames(mDetailProperties, mContextProperties, choice);
    });
    // Each row's control is created under its own name before it joins an array.
    mRowNames = formlayout::DetailRowNames(mDetailProperties, formlayout::ControlArrays::None);
    if (mHasParent)
        patternkit::Common::BuildContextFrame(noting, mContextProperties, layout, mRowNames);
    noting.JoinArrays(formlayout::ArrayPrefixes(arrays));
    patternkit::Common::AddPropertyControl(noting, mDetailProperties, layout);
    noting.JoinArrays({});
    patternkit::Common::BuildOKCancelButtons(noting, layout);
    mPlaced = noting.TakePlaced();
    // The code walks the placed properties many times over.
    mPlacedDetail.clear();
    for (const auto& property : mDetailProperties) {
        if (!property || HasControl(*property))
            mPlacedDetail.push_back(property);
    }
    layout.Setactual_form_height(
        (patternkit::Twips(layout.actual_form_height()) + layout.form_title_bar_height()).value());

    Code("GenerateCode", [this] { GenerateCode(); });
    return typelib::Success;
}

void StdDetailForm::ChoosePropertySets() {
    const typelib::IBusinessObject& businessObject = BusinessObject();
    const std::string name = businessObject.Name();
    const bool prompt = Application().IsPromptDuringBuild();
    mDetailProperties =
        prompt ? patternkit::Common::PromptDetailProperties(
                     businessObject, "Select properties displayed on the " + name + " Detail form.\r" +
                                         "Properties will appear in order from top to bottom.")
               : patternkit::Common::GetDetailProperties(businessObject);
    mContextProperties.clear();
    if (mHasParent)
        mContextProperties = PickContextProperties("Detail");
}

std::string StdDetailForm::ButtonName(const typelib::IProperty& property, std::string_view suffix) {
    return formlayout::OptionButtonHead(vb::Trim(property.Name())) + std::string(suffix);
}

std::string StdDetailForm::Button(const typelib::IProperty& property, std::string_view suffix) const {
    return Control(formlayout::kOptionButtonPrefix, property, "_" + std::string(suffix));
}

const formlayout::FormControl& StdDetailForm::PlacedRow(const typelib::IProperty& property) {
    const formlayout::FormControl* control = formlayout::ControlOf(property);
    if (!control)
        vb::Raise(vb::kInvalidProcedureCall);
    return *control;
}

std::string StdDetailForm::MainControl(const typelib::IProperty& property) {
    const formlayout::FormControl* control = formlayout::ControlOf(property);
    return control ? formlayout::RowControlName(control->prefix, property) : std::string();
}

std::string StdDetailForm::MainControlReference(const typelib::IProperty& property) const {
    const std::string control = MainControl(property);
    const patternkit::ArrayMember* member = mPlaced.Member(control);
    return member ? member->Reference() : control;
}

bool StdDetailForm::HasControl(const typelib::IProperty& property) const {
    const std::string control = MainControl(property);
    return !control.empty() && Placed(control);
}

std::vector<StdDetailForm::ListButton> StdDetailForm::PlacedListButtons(
    const typelib::IProperty& property) const {
    std::vector<ListButton> buttons;
    if (property.DataType() == "Boolean" || !property.IsPVList())
        return buttons;
    const std::vector<formlayout::OptionButtonValue>& values = mOptionButtons.Of(property);
    const std::vector<std::string> stored =
        patternkit::AllOf(patternkit::Required(property.PermittedValues()));
    // Two values that give one name share one button: the second gets no procedure of its own.
    std::set<std::string> seen;
    for (std::size_t i = 0; i < values.size() && i < stored.size(); ++i) {
        const std::string& suffix = values[i].suffix;
        if (!Placed(ButtonName(property, suffix)) || !seen.insert(vb::LCase(suffix)).second)
            continue;
        buttons.push_back({stored[i], suffix});
    }
    return buttons;
}

std::string StdDetailForm::LookUpOwner(const typelib::IProperty& property) {
    if (!property.IsForeignProperty())
        return {};
    const auto field = property.ForeignKeyField();
    const auto source = field ? field->BusObjProperty() : nullptr;
    return source ? vb::Trim(source->BusinessObjectName()) : std::string();
}

}  // namespace forms
