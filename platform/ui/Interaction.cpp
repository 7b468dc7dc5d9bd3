#include "platform/ui/Interaction.h"

#include <array>

#include "platform/ui/QtInteraction.h"

namespace ui {
namespace {

Interaction* gInstalled = nullptr;

}  // namespace

Interaction& CurrentInteraction() {
    static QtInteraction qtInteraction;
    return gInstalled != nullptr ? *gInstalled : qtInteraction;
}

ScopedInteraction::ScopedInteraction(Interaction& interaction) : mPrevious(gInstalled) {
    gInstalled = &interaction;
}
ScopedInteraction::~ScopedInteraction() {
    gInstalled = mPrevious;
}

int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) {
    return CurrentInteraction().MsgBox(prompt, buttons, title);
}

int32_t DefaultButton(int32_t buttons) {
    static constexpr std::array<std::array<int32_t, 3>, 6> kButtonSets = {{
        {vbOK, vbOK, vbOK},
        {vbOK, vbCancel, vbCancel},
        {vbAbort, vbRetry, vbIgnore},
        {vbYes, vbNo, vbCancel},
        {vbYes, vbNo, vbNo},
        {vbRetry, vbCancel, vbCancel},
    }};
    const auto& set = kButtonSets[static_cast<size_t>(buttons & 7) % kButtonSets.size()];
    return set[static_cast<size_t>((buttons >> 8) & 3) % 3];
}

}  // namespace ui
