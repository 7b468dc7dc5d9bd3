// The patterns the pattern library makes creatable by ProgID.

#include "patternkit/CodePattern.h"
#include "patternkit/StdUtilities.h"
#include "patterns/forms/StdDetailForm.h"
#include "patterns/forms/StdListForm.h"
#include "patterns/forms/StdLookupForm.h"
#include "patterns/forms/StdStartupForm.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "platform/automation/ClassTable.h"

OSTREL_EXPORT_CLASSES(automation::ClassOf<patternkit::CodePattern>("Brisolet.CodePattern"),
                      automation::ClassOf<patternkit::StdUtilities>("Brisolet.StdUtilities"),
                      automation::ClassOf<tier3::T3BusinessObject>("Brisolet.T3BusinessObject"),
                      automation::ClassOf<forms::StdStartupForm>("Brisolet.StdStartupForm"),
                      automation::ClassOf<forms::StdLookupForm>("Brisolet.StdLookupForm"),
                      automation::ClassOf<forms::StdListForm>("Brisolet.StdListForm"),
                      automation::ClassOf<forms::StdDetailForm>("Brisolet.StdDetailForm"))
