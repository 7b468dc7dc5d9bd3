#include "runtime/qelCodeTable.h"

#include "runtime/frmCodePrompt.h"

namespace runtime {

namespace {
constexpr const char* kTable = "Code";
}

qelCodeTable::qelCodeTable() : mdbSecurity(OpenSecurityDatabase()) {}

bool qelCodeTable::Verify(const vb::Variant& varCodeName, const vb::Variant& varCodeValue) {
    const dao::RowSet rows =
        Opened(mdbSecurity)
            .SelectRows(kTable, {{"Code", JoinedText(varCodeName)}, {"Value", JoinedText(varCodeValue)}});
    return !rows.IsEmpty();
}

vb::Variant qelCodeTable::Prompt(const vb::Variant& varCodeName) {
    frmCodePrompt promptForm;
    promptForm.SetRefToCodes(Opened(mdbSecurity).SelectRows(kTable, {{"Code", JoinedText(varCodeName)}}));
    promptForm.Show();
    return promptForm.SelectedCode();
}

}  // namespace runtime
