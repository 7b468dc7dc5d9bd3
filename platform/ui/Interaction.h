#pragma once
// Every place where the system waits for a person goes through this seam: message boxes, modal dialogs,
// the screen pointer, beep and help. The Qt implementation shows real windows; tests install a
// ScriptedInteraction that answers from a queue and records every prompt.

#include <cstdint>
#include <memory>
#include <string>

namespace ui {

// MsgBox's buttons argument: one button set, plus an icon, plus a default button.
enum MsgBoxStyle : int32_t {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int32_t {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

enum class MousePointer { Default = 0, Hourglass = 11 };

// The logic of a dialog that is shown modally. The dialog's decisions live here, testable without a
// window; ShowWidget builds the Qt form over it and runs it until it closes.
class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    virtual std::string DialogName() const = 0;
    virtual void ShowWidget() = 0;
};

// A window that stays open while the system works on (a progress window). Its logic lives here; the Qt
// implementation builds its widget over it.
class ModelessWindow {
  public:
    virtual ~ModelessWindow() = default;
    virtual std::string WindowName() const = 0;
    virtual void ShowWidget() = 0;
    virtual void CloseWidget() = 0;
};

// What shows a modeless window's logic: made by the window's ShowWidget and shown by it, told after every
// change of the logic, hidden while the window is hidden, and destroyed by CloseWidget.
class ModelessView {
  public:
    virtual ~ModelessView() = default;
    virtual void Refresh() = 0;
    virtual void SetVisible(bool visible) = 0;
};

class Interaction {
  public:
    virtual ~Interaction() = default;
    virtual int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) = 0;
    virtual void ShowModal(ModalDialog& dialog) = 0;
    virtual void ShowModeless(ModelessWindow& window) = 0;
    virtual void CloseModeless(ModelessWindow& window) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // The pointer in force, so a dialog can put back what it found.
    virtual MousePointer Pointer() const = 0;
    virtual void Beep() = 0;
    virtual void ShowHelp(const std::string& helpFile, int32_t context) = 0;
};

// The interaction in force: the Qt one unless a test or a windowless run has installed another.
Interaction& CurrentInteraction();

// Puts `interaction` in force until the guard goes, then restores the one before.
class ScopedInteraction {
  public:
    explicit ScopedInteraction(Interaction& interaction);
    ~ScopedInteraction();
    ScopedInteraction(const ScopedInteraction&) = delete;
    ScopedInteraction& operator=(const ScopedInteraction&) = delete;

  private:
    Interaction* mPrevious;
};

// VB's MsgBox through the interaction in force; the title defaults to the application's title.
int32_t MsgBox(const std::string& prompt, int32_t buttons = vbOKOnly, const std::string& title = "VB Ostrel");

// The button a message box gives when a person presses Enter: its default button.
int32_t DefaultButton(int32_t buttons);

}  // namespace ui
