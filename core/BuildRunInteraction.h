#pragma once
// The interaction of one build run: everything goes to the interaction it stands in for, and a continue
// question (the only Yes/No question a build asks) answered No is noted. From then on the run only ends,
// so a later continue question is answered No without being shown.

#include "platform/ui/Interaction.h"

namespace core {

class BuildRunInteraction : public ui::Interaction {
  public:
    explicit BuildRunInteraction(ui::Interaction& shown) : mShown(shown) {}

    // True once the person answered No to the continue question.
    bool Stopped() const { return mStopped; }

    int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) override;
    void ShowModal(ui::ModalDialog& dialog) override { mShown.ShowModal(dialog); }
    void ShowModeless(ui::ModelessWindow& window) override { mShown.ShowModeless(window); }
    void CloseModeless(ui::ModelessWindow& window) override { mShown.CloseModeless(window); }
    void SetMousePointer(ui::MousePointer pointer) override { mShown.SetMousePointer(pointer); }
    ui::MousePointer Pointer() const override { return mShown.Pointer(); }
    void Beep() override { mShown.Beep(); }
    void ShowHelp(const std::string& helpFile, int32_t context) override {
        mShown.ShowHelp(helpFile, context);
    }

  private:
    ui::Interaction& mShown;
    bool mStopped = false;
};

}  // namespace core
