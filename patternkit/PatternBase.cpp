#include "patternkit/PatternBase.h"

namespace patternkit {

PatternIdentity SkeletonIdentity() {
    return {"MyCodePatternName",     "MyCompanyName",      "MyCodePatternVersion",
            "MyCodePatternRevision", "DLL_Name.ClassName", "FileName.frm"};
}

std::string PatternBase::FormTemplate() const {
    if (!mIdentity.formTemplate)
        return IPattern::FormTemplate();
    return *mIdentity.formTemplate;
}

}  // namespace patternkit
