#include "builder/UnattendedInteraction.h"

#include "core/frmDuplicateComponent.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/frmGenWarnings.h"

namespace builder {
namespace {

constexpr const char* kFinished = "Generation finished!";

// The answer of each button set that goes no further.
int32_t StoppingAnswer(int32_t buttons) {
    switch (buttons & 7) {
        case ui::vbOKCancel:
        case ui::vbRetryCancel:
        case ui::vbYesNoCancel:
            return ui::vbCancel;
        case ui::vbAbortRetryIgnore:
            return ui::vbAbort;
        case ui::vbYesNo:
            return ui::vbNo;
        default:
            return ui::vbOK;
    }
}

}  // namespace

int32_t UnattendedInteraction::MsgBox(const std::string& prompt, int32_t buttons,
                                      const std::string& /*title*/) {
    // Past the first question the run only winds down: what it says then is no news.
    if (prompt != kFinished && !mStopped)
        mFailures.push_back(prompt);
    const int32_t answer = StoppingAnswer(buttons);
    mStopped = mStopped || answer == ui::vbNo;
    return answer;
}

void UnattendedInteraction::ShowModal(ui::ModalDialog& dialog) {
    if (auto* duplicate = dynamic_cast<core::frmDuplicateComponent*>(&dialog)) {
        if (mDiscardEdits)
            duplicate->optDiscard_Click();
        duplicate->SetApplyToAll(true);
        duplicate->cmdOK_Click();
    } else if (auto* warnings = dynamic_cast<core::frmGenWarnings*>(&dialog)) {
        mWarnings.insert(mWarnings.end(), warnings->Items().begin(), warnings->Items().end());
        warnings->cmdOK_Click();
    } else if (mStopped) {
        return;
    } else if (auto* error = dynamic_cast<core::frmErrorDisplayUtil*>(&dialog)) {
        mFailures.push_back(error->lblMessage());
    } else {
        mFailures.push_back("A build without a window cannot show " + dialog.DialogName() + ".");
    }
}

}  // namespace builder
