#pragma once
// The question put when a pattern is about to recreate a component that exists: keep or discard the
// developer's code between edit points, for this component or for every one still to come in the run.

#include <string>

#include "platform/ui/Interaction.h"

namespace core {

class frmDuplicateComponent : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 7;

    void SetComponentName(std::string name) { mComponentName = std::move(name); }
    bool DiscardAll() const { return mDiscardAll; }
    bool RestoreOne() const { return mRestoreOne; }
    bool RestoreAll() const { return mRestoreAll; }

    // Loads the dialog and shows it modally.
    void Show();

    // What the form shows and what a person does on it.
    const std::string& Message() const { return mMessage; }
    const std::string& RestoreCaption() const { return mRestoreCaption; }
    const std::string& DiscardCaption() const { return mDiscardCaption; }
    const std::string& ApplyToAllCaption() const { return mApplyToAllCaption; }
    bool RestoreSelected() const { return mRestoreSelected; }
    bool ApplyToAll() const { return mApplyToAll; }
    void optRestore_Click();
    void optDiscard_Click();
    void SetApplyToAll(bool ticked) { mApplyToAll = ticked; }
    void cmdOK_Click();
    void cmdHelp_Click() const;
    // Closing by the window frame keeps this component's code and asks again for the next one.
    void CloseByFrame();

    std::string DialogName() const override { return "frmDuplicateComponent"; }
    void ShowWidget() override;

  private:
    void Form_Load();

    std::string mComponentName;
    bool mDiscardAll = false, mRestoreOne = false, mRestoreAll = false;
    std::string mMessage, mRestoreCaption, mDiscardCaption, mApplyToAllCaption;
    bool mRestoreSelected = true;
    bool mApplyToAll = true;
};

}  // namespace core
