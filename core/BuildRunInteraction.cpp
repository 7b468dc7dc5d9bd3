#include "core/BuildRunInteraction.h"

namespace core {

int32_t BuildRunInteraction::MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) {
    if ((buttons & 7) != ui::vbYesNo)
        return mShown.MsgBox(prompt, buttons, title);
    if (mStopped)
        return ui::vbNo;
    const int32_t answer = mShown.MsgBox(prompt, buttons, title);
    mStopped = answer == ui::vbNo;
    return answer;
}

}  // namespace core
