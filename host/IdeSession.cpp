#include "host/IdeSession.h"

#include "host/AddInList.h"
#include "host/AddInManager.h"
#include "platform/ui/Interaction.h"

namespace host {

IdeSession::IdeSession(std::filesystem::path addInListFile) : mAddInListFile(std::move(addInListFile)) {}

void IdeSession::StartUp(const CommandLine& line) {
    mDocument.Untracked([&] {
        for (const AddInListEntry& entry : ReadAddInList(mAddInListFile)) {
            if (entry.loadOnStartup)
                mAddIns.Connect(entry.progId, vbide::ext_cm_Startup);
        }
    });
    if (line.groupFile)
        mDocument.OpenGroup(*line.groupFile);
    mDocument.Untracked([&] {
        for (const std::string& progId : line.addIns)
            mAddIns.Connect(progId, vbide::ext_cm_CommandLine);
    });
    mAddIns.NotifyStartupComplete();
}

void IdeSession::ShowAddInManager() {
    AddInManager manager(mAddIns, mAddInListFile);
    mDocument.Untracked([&] { ui::CurrentInteraction().ShowModal(manager); });
}

bool IdeSession::Close() {
    if (!mDocument.QueryClose())
        return false;
    bool mayClose = false;
    mDocument.Untracked([&] { mayClose = mAddIns.QueryShutdown(); });
    if (!mayClose)
        return false;
    mDocument.Untracked([&] { mAddIns.DisconnectAll(vbide::ext_dm_HostShutdown); });
    return true;
}

}  // namespace host
