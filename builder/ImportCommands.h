#pragma once
// The schema import as the main window reaches it: File > Import... (and its toolbar button) and
// File > Synchronize Application. Without it both commands are disabled.

#include <memory>

namespace builder {

class frmBuilderMain;

class ImportCommands {
  public:
    virtual ~ImportCommands() = default;
    virtual void Import() = 0;
    virtual void SynchronizeApplication() = 0;
};

// The import of a newly loaded window, or nullptr when there is none.
std::unique_ptr<ImportCommands> MakeImportCommands(frmBuilderMain& form);

}  // namespace builder
