#include "patterns/forms/FormIdentities.h"

#include "typelib/FormTemplates.h"

namespace forms {

patternkit::PatternIdentity StartupFormIdentity() {
    return {"Standard Application Startup Form", "QEL", "1", "A", "Brisol.StdStartUpForm",
            typelib::kStartupFormTemplate};
}

patternkit::PatternIdentity LookupFormIdentity() {
    return {"Standard Look-Up Form", "QEL", "1", "A", "Brisol.StdListForm", typelib::kLookupFormTemplate};
}

patternkit::PatternIdentity ListFormIdentity() {
    return {"Standard List Form", "QEL", "1", "A", "Brisol.StdListForm", typelib::kListFormTemplate};
}

patternkit::PatternIdentity DetailFormIdentity() {
    return {"Standard Detail From", "QEL", "1", "A", "Brisol.StdDetailFrom", typelib::kDetailFormTemplate};
}

}  // namespace forms
