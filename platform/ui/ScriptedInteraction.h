#pragma once
// An interaction that answers from a script: message boxes from a queue of answers (their default
// button when the queue is empty, as if Enter were pressed), modal dialogs from a queue of handlers
// (left as they are, as if closed, when it is empty), modeless windows by recording that they were shown
// or closed. Every prompt is recorded.

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Interaction.h"

namespace ui {

struct RecordedPrompt {
    std::string prompt;
    int32_t buttons = 0;
    std::string title;
    int32_t answer = 0;
};

class ScriptedInteraction : public Interaction {
  public:
    using DialogHandler = std::function<void(ModalDialog&)>;

    void AnswerMsgBox(int32_t answer) { mAnswers.push_back(answer); }
    void AnswerDialog(DialogHandler handler) { mDialogHandlers.push_back(std::move(handler)); }

    const std::vector<RecordedPrompt>& Prompts() const { return mPrompts; }
    const std::vector<std::string>& DialogsShown() const { return mDialogsShown; }
    // Every show and close of a modeless window, as "show <name>" and "close <name>".
    const std::vector<std::string>& WindowEvents() const { return mWindowEvents; }
    const std::vector<std::pair<std::string, int32_t>>& HelpShown() const { return mHelpShown; }
    MousePointer Pointer() const override { return mPointer; }
    int BeepCount() const { return mBeeps; }

    int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) override;
    void ShowModal(ModalDialog& dialog) override;
    void ShowModeless(ModelessWindow& window) override {
        mWindowEvents.push_back("show " + window.WindowName());
    }
    void CloseModeless(ModelessWindow& window) override {
        mWindowEvents.push_back("close " + window.WindowName());
    }
    void SetMousePointer(MousePointer pointer) override { mPointer = pointer; }
    void Beep() override { ++mBeeps; }
    void ShowHelp(const std::string& helpFile, int32_t context) override {
        mHelpShown.emplace_back(helpFile, context);
    }

  private:
    std::deque<int32_t> mAnswers;
    std::deque<DialogHandler> mDialogHandlers;
    std::vector<RecordedPrompt> mPrompts;
    std::vector<std::string> mDialogsShown;
    std::vector<std::string> mWindowEvents;
    std::vector<std::pair<std::string, int32_t>> mHelpShown;
    MousePointer mPointer = MousePointer::Default;
    int mBeeps = 0;
};

}  // namespace ui
