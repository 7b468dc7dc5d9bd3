#pragma once
// One run of the IDE without its windows: the object model, the project group as a document, the
// connected add-ins and the add-in list, with what happens at start-up and on closing.

#include <filesystem>
#include <memory>

#include "host/AddInHost.h"
#include "host/CommandLine.h"
#include "host/ProjectGroupDocument.h"
#include "platform/ide/VBE.h"

namespace host {

class IdeSession {
  public:
    explicit IdeSession(std::filesystem::path addInListFile);

    vbide::VBE& VBE() { return *mVBE; }
    ProjectGroupDocument& Document() { return mDocument; }
    AddInHost& AddIns() { return mAddIns; }
    const std::filesystem::path& AddInListFile() const { return mAddInListFile; }

    // Connects the add-ins listed with "1" (connect mode 1), opens the group of the command line, connects
    // the add-ins it names (mode 3), then tells every add-in that start-up is complete.
    void StartUp(const CommandLine& line);
    // The add-in manager, shown through the interaction in force.
    void ShowAddInManager();
    // Whether the IDE may close, after offering to save the changes and asking the add-ins (a window of
    // theirs whose changes could not be saved keeps it open); when it may, every add-in has been
    // disconnected.
    bool Close();

  private:
    std::shared_ptr<vbide::VBE> mVBE = std::make_shared<vbide::VBE>();
    ProjectGroupDocument mDocument{mVBE};
    AddInHost mAddIns{mVBE};
    std::filesystem::path mAddInListFile;
};

}  // namespace host
