#pragma once
// The utility pattern, run once at the end of every build: writes the class ErrorDisplay, through which
// the generated forms show errors, into the layer-1 project.

#include <string>

#include "patternkit/PatternBase.h"

namespace patternkit {

class StdUtilities : public PatternBase {
  public:
    StdUtilities() : PatternBase(SkeletonIdentity()) {}

    // 0, or 10 when an engine failure ended the build. Errors go on with "StdUtilities.Build->" in
    // front of their source.
    std::optional<int16_t> Build() override;

    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return mCurrent.busObj; }
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override { return mCurrent.property; }
    std::shared_ptr<typelib::IMethod> CurrentMethod() const override { return mCurrent.method; }

  private:
    int16_t BuildErrorDisplay();
    void GenerateErrorDisplay();

    std::string mProjectName;
    std::string mComponentName;
    // Never names a control; handed to the continue question as it is.
    std::string mControlName;
};

}  // namespace patternkit
