#pragma once
// The item picker: the developer moves items from the list of available ones to the list of selected
// ones, which keeps them in the order picked. The pickers of Common give it the properties of a business
// object; the caller's set is never changed.
//
// Calling order: SetAvailableItems, SetMessage, SetCaption (loads the form), Show; then read OKClicked
// and, when it is true, SelectedItems.

#include <cstdint>
#include <string>
#include <vector>

#include "patternkit/ModelSets.h"
#include "platform/ui/Interaction.h"

namespace patternkit {

class frmImportSelection : public ui::ModalDialog {
  public:
    // cmdMoveTables indices.
    enum MoveButton : int16_t { MoveOneRight = 0, MoveAllRight = 1, MoveOneLeft = 2, MoveAllLeft = 3 };

    void SetAvailableItems(const PropertySet& items);
    void SetMessage(std::string message) { mMessage = std::move(message); }
    void SetCaption(std::string caption);
    // Shows the form modally; however it is closed, it is unloaded afterwards.
    void Show();

    bool OKClicked() const { return mOKClicked; }
    // Once set, stays set for later showings.
    bool CancelClicked() const { return mCancelClicked; }
    PropertySet SelectedItems() const;

    // What the form shows and what a person does on it.
    const std::string& Caption() const { return mCaption; }
    const std::string& MessageText() const { return mMessageText; }
    std::vector<std::string> AvailableRows() const { return RowsOf(mAvailable); }
    std::vector<std::string> SelectedRows() const { return RowsOf(mSelected); }
    // The highlighted row, counted from 0; -1 for none.
    int32_t AvailableListIndex() const { return mAvailable.listIndex; }
    int32_t SelectedListIndex() const { return mSelected.listIndex; }
    void SetAvailableListIndex(int32_t row) { Highlight(mAvailable, row); }
    void SetSelectedListIndex(int32_t row) { Highlight(mSelected, row); }
    void cmdMoveTables_Click(int16_t index);
    void lstAvailableItems_DblClick() { cmdMoveTables_Click(MoveOneRight); }
    void lstSelectedItems_DblClick() { cmdMoveTables_Click(MoveOneLeft); }
    void cmdOK_Click();
    void cmdCancel_Click();

    std::string DialogName() const override { return "frmImportSelection"; }
    void ShowWidget() override;

  private:
    // A list row and the item it shows: row i of a list is always item i of its side.
    struct Entry {
        std::shared_ptr<typelib::IProperty> item;
        std::string text;
    };
    struct Side {
        std::vector<Entry> entries;
        int32_t listIndex = -1;
    };

    static std::vector<std::string> RowsOf(const Side& side);
    static void Highlight(Side& side, int32_t row);
    static void MoveOne(Side& from, Side& to);
    static void MoveAll(Side& from, Side& to);

    void Form_Load();
    void Form_Unload();

    PropertySet mItems;
    std::string mMessage;
    std::string mCaption = "Select Items";
    std::string mMessageText;
    Side mAvailable, mSelected;
    bool mOKClicked = false;
    bool mCancelClicked = false;
    bool mLoaded = false;
    ui::MousePointer mPointerAtLoad = ui::MousePointer::Default;
};

}  // namespace patternkit
