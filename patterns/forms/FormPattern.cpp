#include "patterns/forms/FormPattern.h"

#include "patternkit/ConstructorErrors.h"
#include "patternkit/PropertyPickers.h"
#include "patternkit/PropertySets.h"
#include "platform/ui/Interaction.h"
#include "typelib/IConstructor.h"

namespace forms {
namespace {

bool IsProjectFailure(int16_t result) {
    return result >= typelib::Project_Not_Found && result <= typelib::Project_Not_Specified;
}

}  // namespace

FormPattern::FormPattern(std::string className, patternkit::PatternIdentity identity, unsigned exposed)
    : PatternBase(std::move(identity)),
      mClassName(std::move(className)),
      mExposed(exposed),
      mRoles{"FirstRole;Description of first role"} {}

std::shared_ptr<typelib::IBusinessObject> FormPattern::CurrentBusObj() const {
    return Slot(kBusObj, mCurrent.busObj);
}

std::shared_ptr<typelib::IBusinessObject> FormPattern::CurrentParentBusObj() const {
    return Slot(kParentBusObj, mCurrent.parentBusObj);
}

std::shared_ptr<typelib::IBusinessObject> FormPattern::CurrentChildBusObj() const {
    return Slot(kChildBusObj, mCurrent.childBusObj);
}

std::shared_ptr<typelib::IBusinessObject> FormPattern::CurrentReferenceBusObj() const {
    return Slot(kReferenceBusObj, mCurrent.referenceBusObj);
}

std::shared_ptr<typelib::IProperty> FormPattern::CurrentProperty() const {
    return Slot(kProperty, mCurrent.property);
}

std::shared_ptr<typelib::IMethod> FormPattern::CurrentMethod() const {
    return Slot(kMethod, mCurrent.method);
}

bool FormPattern::GoOnAfter(int16_t result) const {
    patternkit::Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName,
                                                Constructor().FailureTold());
    return !IsProjectFailure(result) && patternkit::Common::ContinueAnswer() == ui::vbYes;
}

int16_t FormPattern::Cancel(int16_t result) const {
    patternkit::Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName,
                                                Constructor().FailureTold());
    return typelib::Cancel_Construction;
}

bool FormPattern::SelectLayer1Project() {
    mProjectName = Application().L1ProjectName();
    const int16_t result = Constructor().SetVBProject(mProjectName, "0");
    if (result != typelib::Success) {
        Cancel(result);
        return false;
    }
    Constructor().SetVBStartUpProject();
    return true;
}

patternkit::PropertySet FormPattern::PickContextProperties(std::string_view formKind) const {
    const typelib::IBusinessObject& parent = patternkit::Required(mCurrent.parentBusObj);
    if (!Application().IsPromptDuringBuild())
        return patternkit::Common::GetContextProperties(parent);
    return patternkit::Common::PromptContextProperties(
        parent, "Select one or more properties of a " + parent.Name() + "\r" +
                    "to be displayed as context for the " + BusinessObject().Name() + std::string(formKind) +
                    " Form.\r" + "Properties will appear in order selected from top to bottom.");
}

std::vector<std::string> FormPattern::ModelNames() const {
    std::vector<std::string> names;
    for (const auto& businessObject : patternkit::Required(Application().BusinessObjects()))
        names.push_back(patternkit::Required(businessObject).Name());
    for (const auto& property : patternkit::Required(BusinessObject().Properties()))
        names.push_back(patternkit::Required(property).Name());
    return names;
}

patternkit::form_ctl_defaults& FormPattern::NewLayout() {
    mLayout = patternkit::form_ctl_defaults();
    return mLayout;
}

}  // namespace forms
