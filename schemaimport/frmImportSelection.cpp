#include "schemaimport/frmImportSelection.h"

#include <algorithm>

#include "core/HelpFile.h"

namespace schemaimport {
namespace {

// Moves the selected item of `from` to the end of `to`; the item at the same place (or the new last one)
// becomes the selection.
void MoveSelected(frmImportSelection::ListBox& from, frmImportSelection::ListBox& to) {
    if (from.ListIndex < 0 || from.ListIndex >= static_cast<int32_t>(from.List.size()))
        return;
    const auto at = from.List.begin() + from.ListIndex;
    to.List.push_back(*at);
    from.List.erase(at);
    const auto count = static_cast<int32_t>(from.List.size());
    from.ListIndex = count == 0 ? -1 : std::min(from.ListIndex, count - 1);
}

void MoveAll(frmImportSelection::ListBox& from, frmImportSelection::ListBox& to) {
    to.List.insert(to.List.end(), from.List.begin(), from.List.end());
    from.List.clear();
    from.ListIndex = -1;
}

}  // namespace

void frmImportSelection::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmImportSelection::Form_Load() {
    lstAllTables = {};
    lstSelectedTables = {};
    if (mTablesInDatabase) {
        for (const std::string& table : *mTablesInDatabase)
            lstAllTables.List.push_back(table);
    }
    mOKClicked = false;
    mTablesToImport.Clear();
    mUnloaded = false;
}

void frmImportSelection::cmdMoveTables_Click(int32_t index) {
    switch (index) {
        case 0:
            MoveSelected(lstAllTables, lstSelectedTables);
            break;
        case 1:
            MoveAll(lstAllTables, lstSelectedTables);
            break;
        case 2:
            MoveSelected(lstSelectedTables, lstAllTables);
            break;
        case 3:
            MoveAll(lstSelectedTables, lstAllTables);
            break;
        default:
            break;
    }
}

void frmImportSelection::cmdOK_Click() {
    if (lstSelectedTables.List.empty()) {
        ui::MsgBox("No tables have been selected to import!", 10);
        return;
    }
    for (const std::string& table : lstSelectedTables.List)
        mTablesToImport.Add(table);
    mOKClicked = true;
    mUnloaded = true;
}

void frmImportSelection::cmdCancel_Click() {
    mCancelClicked = true;
    mUnloaded = true;
}

void frmImportSelection::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpContext);
}

}  // namespace schemaimport
