#pragma once
// The skeleton pattern: the smallest pattern that obeys the pattern interface, and the model from which
// new patterns are written. It sets up the layer-2 project, a class "Class1" in the project "Test", and
// writes no line.

#include <string>

#include "patternkit/PatternBase.h"

namespace patternkit {

class CodePattern : public PatternBase {
  public:
    CodePattern() : PatternBase(SkeletonIdentity()) {}

    // No result: an engine failure is reported and ends the build, which the engine counts as 0.
    std::optional<int16_t> Build() override;

    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return mCurrent.busObj; }
    std::shared_ptr<typelib::IBusinessObject> CurrentParentBusObj() const override {
        return mCurrent.parentBusObj;
    }
    std::shared_ptr<typelib::IBusinessObject> CurrentChildBusObj() const override {
        return mCurrent.childBusObj;
    }
    std::shared_ptr<typelib::IBusinessObject> CurrentReferenceBusObj() const override {
        return mCurrent.referenceBusObj;
    }
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override { return mCurrent.property; }
    std::shared_ptr<typelib::IMethod> CurrentMethod() const override { return mCurrent.method; }

  private:
    // Where a pattern written from the skeleton emits its lines.
    void GenerateCode() {}

    BusinessObjectSet mChildren;
    BusinessObjectSet mParents;
    BusinessObjectSet mReferences;
    bool mHasOneParent = false;
    // Handed to the continue question after an engine failure; the skeleton names no component or control.
    std::string mProjectName;
    std::string mComponentName;
    std::string mControlName;
};

}  // namespace patternkit
