#include "patternkit/frmImportSelection.h"

#include <algorithm>
#include <iterator>

#include "patternkit/frmErrorDisplayUtil.h"

namespace patternkit {

void frmImportSelection::SetAvailableItems(const PropertySet& items) {
    mItems = items;
}

void frmImportSelection::SetCaption(std::string caption) {
    if (!mLoaded)
        Form_Load();
    mCaption = std::move(caption);
}

void frmImportSelection::Show() {
    if (!mLoaded)
        Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
    if (mLoaded)
        Form_Unload();
}

PropertySet frmImportSelection::SelectedItems() const {
    PropertySet items;
    items.reserve(mSelected.entries.size());
    for (const auto& entry : mSelected.entries)
        items.push_back(entry.item);
    return items;
}

void frmImportSelection::Form_Load() {
    mLoaded = true;
    mPointerAtLoad = ui::CurrentInteraction().Pointer();
    // A build may be showing the hourglass.
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
    mSelected = {};
    mAvailable = {};
    mMessageText = mMessage;
    mOKClicked = false;
    try {
        for (const auto& item : mItems)
            mAvailable.entries.push_back({item, Required(item).Name()});
    } catch (vb::Error& error) {
        error.SetDescription("VB Ostrel Internal Error - " + error.Description());
        error.SetSource("Form_Load" + error.Source());
        frmErrorDisplayUtil(error).Show();
    }
}

void frmImportSelection::Form_Unload() {
    mLoaded = false;
    mMessage.clear();
    mMessageText.clear();
    ui::CurrentInteraction().SetMousePointer(mPointerAtLoad);
}

void frmImportSelection::cmdMoveTables_Click(int16_t index) {
    switch (index) {
        case MoveOneRight:
            MoveOne(mAvailable, mSelected);
            break;
        case MoveAllRight:
            MoveAll(mAvailable, mSelected);
            break;
        case MoveOneLeft:
            MoveOne(mSelected, mAvailable);
            break;
        case MoveAllLeft:
            MoveAll(mSelected, mAvailable);
            break;
        default:
            break;
    }
}

void frmImportSelection::cmdOK_Click() {
    mOKClicked = true;
    Form_Unload();
}

void frmImportSelection::cmdCancel_Click() {
    mCancelClicked = true;
    Form_Unload();
}

std::vector<std::string> frmImportSelection::RowsOf(const Side& side) {
    std::vector<std::string> rows;
    rows.reserve(side.entries.size());
    for (const auto& entry : side.entries)
        rows.push_back(entry.text);
    return rows;
}

void frmImportSelection::Highlight(Side& side, int32_t row) {
    side.listIndex = row >= 0 && static_cast<size_t>(row) < side.entries.size() ? row : -1;
}

// Without a highlighted row there is nothing to move.
void frmImportSelection::MoveOne(Side& from, Side& to) {
    if (from.listIndex < 0)
        return;
    const auto row = static_cast<size_t>(from.listIndex);
    to.entries.push_back(std::move(from.entries[row]));
    from.entries.erase(from.entries.begin() + from.listIndex);
    from.listIndex = std::min<int32_t>(from.listIndex, static_cast<int32_t>(from.entries.size()) - 1);
}

void frmImportSelection::MoveAll(Side& from, Side& to) {
    std::move(from.entries.begin(), from.entries.end(), std::back_inserter(to.entries));
    from.entries.clear();
    from.listIndex = -1;
}

}  // namespace patternkit
