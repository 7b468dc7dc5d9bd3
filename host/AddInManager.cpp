#include "host/AddInManager.h"

#include <algorithm>

#include "host/AddInList.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace host {

AddInManager::AddInManager(AddInHost& addIns, std::filesystem::path listFile)
    : mAddIns(addIns), mListFile(std::move(listFile)) {
    for (const AddInListEntry& entry : ReadAddInList(mListFile))
        mShown.push_back({entry.progId, mAddIns.IsConnected(entry.progId), entry.loadOnStartup});
    for (const std::string& progId : mAddIns.ConnectedProgIds()) {
        const bool listed = std::any_of(mShown.begin(), mShown.end(),
                                        [&](const Row& row) { return vb::TextEquals(row.progId, progId); });
        if (!listed)
            mShown.push_back({progId, true, false});
    }
    mRows = mShown;
}

void AddInManager::SetLoaded(size_t row, bool loaded) {
    if (row < mRows.size())
        mRows[row].loaded = loaded;
}

void AddInManager::SetLoadOnStartup(size_t row, bool loadOnStartup) {
    if (row < mRows.size())
        mRows[row].loadOnStartup = loadOnStartup;
}

void AddInManager::cmdOK_Click() {
    bool loadsChanged = false;
    for (size_t i = 0; i < mRows.size(); ++i) {
        Row& row = mRows[i];
        if (row.loaded != mShown[i].loaded) {
            if (row.loaded) {
                mAddIns.Connect(row.progId, vbide::ext_cm_AfterStartup);
                loadsChanged = true;
            } else if (mAddIns.QueryDisconnect(row.progId)) {
                mAddIns.Disconnect(row.progId, vbide::ext_dm_UserClosed);
                loadsChanged = true;
            } else {
                row.loaded = true;  // it stays, with work it could not save
            }
        }
        if (row.loadOnStartup != mShown[i].loadOnStartup) {
            try {
                WriteLoadOnStartup(mListFile, row.progId, row.loadOnStartup);
            } catch (const vb::Error& error) {
                ui::MsgBox(error.Description(), ui::vbOKOnly | ui::vbCritical, kHostTitle);
            }
        }
    }
    if (loadsChanged)
        mAddIns.NotifyAddInsUpdate();
    mShown = mRows;
}

}  // namespace host
