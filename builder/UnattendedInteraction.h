#pragma once
// The interaction of a build that nobody watches: every question gets the answer that stops rather than
// guesses, except the two that the command line decides (the generation warnings are accepted; regenerated
// components keep, or lose, the code between their edit points), and every message that reports a failure
// is kept for the caller to show, up to the first question answered No: the run stops there.

#include <string>
#include <vector>

#include "platform/ui/Interaction.h"

namespace builder {

class UnattendedInteraction : public ui::Interaction {
  public:
    explicit UnattendedInteraction(bool discardEdits) : mDiscardEdits(discardEdits) {}

    // The messages that stopped the run, in order.
    const std::vector<std::string>& Failures() const { return mFailures; }
    const std::vector<std::string>& Warnings() const { return mWarnings; }

    int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) override;
    void ShowModal(ui::ModalDialog& dialog) override;
    void ShowModeless(ui::ModelessWindow&) override {}
    void CloseModeless(ui::ModelessWindow&) override {}
    void SetMousePointer(ui::MousePointer pointer) override { mPointer = pointer; }
    ui::MousePointer Pointer() const override { return mPointer; }
    void Beep() override {}
    void ShowHelp(const std::string&, int32_t) override {}

  private:
    bool mDiscardEdits;
    bool mStopped = false;  // a question was answered No
    std::vector<std::string> mFailures;
    std::vector<std::string> mWarnings;
    ui::MousePointer mPointer = ui::MousePointer::Default;
};

}  // namespace builder
