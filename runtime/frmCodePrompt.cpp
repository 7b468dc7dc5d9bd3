#include "runtime/frmCodePrompt.h"

#include "core/frmErrorDisplayUtil.h"
#include "platform/vb/Error.h"

namespace runtime {

void frmCodePrompt::Form_Load() {
    mSelectedCode = std::string();
    mEntries.clear();
    mEntries.reserve(mRefToCodes.Count());
    for (const dao::Row& row : mRefToCodes)
        mEntries.push_back(row["Value"].ToString());
}

void frmCodePrompt::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmCodePrompt::lstCode_Click(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(mEntries.size()))
        vb::Raise(vb::kSubscriptOutOfRange);
    mListIndex = index;
    mOKEnabled = true;
}

void frmCodePrompt::cmdOK_Click() {
    try {
        TakeSelection();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

void frmCodePrompt::TakeSelection() {
    if (mListIndex < 0) {
        ui::MsgBox("You must select a code value!", ui::vbOKOnly + ui::vbInformation, "Information");
        return;
    }
    mSelectedCode = mEntries[static_cast<size_t>(mListIndex)];
    mUnloaded = true;
}

}  // namespace runtime
