#pragma once
// The modal list from which the user picks one value of a code table.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dao/RowSet.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Variant.h"

namespace runtime {

class frmCodePrompt : public ui::ModalDialog {
  public:
    static constexpr const char* kCaption = "Permitted Value Codes";

    // The rows whose Value column is listed.
    void SetRefToCodes(dao::RowSet codes) { mRefToCodes = std::move(codes); }
    // An empty string until OK takes a value.
    const vb::Variant& SelectedCode() const { return mSelectedCode; }

    // Loads the form and shows it modally. A Null Value fails the load with error 94.
    void Show();

    // What the form shows and what a person does on it.
    const std::vector<std::string>& lstCode() const { return mEntries; }
    int32_t ListIndex() const { return mListIndex; }  // -1 while no entry is selected
    bool cmdOKEnabled() const { return mOKEnabled; }
    bool IsUnloaded() const { return mUnloaded; }
    // Selects the entry (from 0); 9 for an entry that is not there.
    void lstCode_Click(int32_t index);
    // Without a selection it asks for one and the form stays open; errors go to the error dialog.
    void cmdOK_Click();

    std::string DialogName() const override { return "frmCodePrompt"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    void TakeSelection();

    dao::RowSet mRefToCodes;
    vb::Variant mSelectedCode = std::string();
    std::vector<std::string> mEntries;
    int32_t mListIndex = -1;
    bool mOKEnabled = false;
    bool mUnloaded = false;
};

}  // namespace runtime
