#include "platform/ui/ScriptedInteraction.h"

namespace ui {

int32_t ScriptedInteraction::MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) {
    int32_t answer = DefaultButton(buttons);
    if (!mAnswers.empty()) {
        answer = mAnswers.front();
        mAnswers.pop_front();
    }
    mPrompts.push_back({prompt, buttons, title, answer});
    return answer;
}

void ScriptedInteraction::ShowModal(ModalDialog& dialog) {
    mDialogsShown.push_back(dialog.DialogName());
    if (mDialogHandlers.empty())
        return;
    DialogHandler handler = std::move(mDialogHandlers.front());
    mDialogHandlers.pop_front();
    handler(dialog);
}

}  // namespace ui
