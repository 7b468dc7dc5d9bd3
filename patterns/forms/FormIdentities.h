#pragma once
// The identity values of the four form patterns, stored as the classes have always given them
// ("Standard Detail From" included: generated projects and the repository know them by these strings).

#include "patternkit/PatternBase.h"

namespace forms {

patternkit::PatternIdentity StartupFormIdentity();
// The look-up pattern answers with the list pattern's ComponentName.
patternkit::PatternIdentity LookupFormIdentity();
patternkit::PatternIdentity ListFormIdentity();
patternkit::PatternIdentity DetailFormIdentity();

}  // namespace forms
