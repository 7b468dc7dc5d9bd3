#pragma once
// The skeleton pattern: the smallest pattern that obeys the pattern interface, and the model from which
// new patterns are written. It sets up the layer-2 project, a class "Class1" in the project "Test", and
// writes no line.

#include <string>

#include "patternkit/PatternBase.h"

namespace patternkit {

class CodePattern : public CurrentObjectsPattern {
  public:
    CodePattern() : CurrentObjectsPattern(SkeletonIdentity()) {}

    // No result: an engine failure is reported and ends the build, which the engine counts as 0.
    std::optional<int16_t> Build() override;

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
