#include "patternkit/CodePattern.h"

#include "patternkit/ConstructorErrors.h"
#include "patternkit/Navigation.h"

namespace patternkit {

std::optional<int16_t> CodePattern::Build() {
    mCurrent.busObj = mBusinessObject;
    mChildren = Common::GetChildBusObjs(BusinessObject());
    mParents = Common::GetParentBusObjs(BusinessObject());
    mReferences = Common::GetReferenceBusObjs(BusinessObject());
    mHasOneParent = mParents.size() == 1;
    if (mHasOneParent)
        mCurrent.parentBusObj = mParents.front();

    mProjectName = Application().L2ProjectName();
    int16_t result = Constructor().SetVBProject(mProjectName, "0");
    if (result != typelib::Success) {
        Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName);
        return std::nullopt;
    }
    result = Constructor().SetVBComponent("Test", "Class1", typelib::ClassModule, "");
    if (result != typelib::Success) {
        Common::DisplayConstructorError(result, mProjectName, mComponentName, mControlName);
        return std::nullopt;
    }
    Constructor().StartCoding();
    GenerateCode();
    Constructor().FinishCoding();
    return std::nullopt;
}

}  // namespace patternkit
