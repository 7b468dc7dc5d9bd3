#include "patterns/forms/FormIdentities.h"

namespace forms {

patternkit::PatternIdentity StartupFormIdentity() {
    return {
        "Standard Application Startup Form", "QEL", "1", "A", "Brisol.StdStartUpForm", "frmStd_StartUp.frm"};
}

patternkit::PatternIdentity LookupFormIdentity() {
    return {"Standard Look-Up Form", "QEL", "1", "A", "Brisol.StdListForm", "frmStd_Lookup.frm"};
}

patternkit::PatternIdentity ListFormIdentity() {
    return {"Standard List Form", "QEL", "1", "A", "Brisol.StdListForm", "frmStd_List.frm"};
}

patternkit::PatternIdentity DetailFormIdentity() {
    return {"Standard Detail From", "QEL", "1", "A", "Brisol.StdDetailFrom", "frmSTD_Detail.frm"};
}

}  // namespace forms
