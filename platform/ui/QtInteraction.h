#pragma once
// The interaction of a person at a Qt screen.

#include "platform/ui/Interaction.h"

namespace ui {

class QtInteraction : public Interaction {
  public:
    int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) override;
    void ShowModal(ModalDialog& dialog) override;
    void ShowModeless(ModelessWindow& window) override;
    void CloseModeless(ModelessWindow& window) override;
    void SetMousePointer(MousePointer pointer) override;
    MousePointer Pointer() const override;
    void Beep() override;
    void ShowHelp(const std::string& helpFile, int32_t context) override;
};

// Makes sure a QApplication exists (a library used outside a Qt program needs one before its first window),
// its windows kept on screen (KeepWindowsOnScreen).
void EnsureApplication();

}  // namespace ui
