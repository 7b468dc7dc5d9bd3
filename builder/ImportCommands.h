#pragma once
// The schema import as the main window reaches it: the import that File > New Application and File >
// Import... hand over to, the tables left to import, the data-source logon of the application dialog, and
// File > Synchronize Application. Without it Import and Synchronize are disabled.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/qelApplication.h"

namespace builder {

class frmBuilderMain;

class ImportCommands {
  public:
    virtual ~ImportCommands() = default;
    // Imports the chosen tables into the window's application; `previous` and the two flags are put back
    // when nothing is imported.
    virtual void ImportData(std::shared_ptr<core::qelApplication> previous, bool wasAppOpened,
                            bool wasImported) = 0;
    // The tables of the application's database that no business object maps yet.
    virtual std::vector<std::string> GetNewTables(core::qelApplication& application) = 0;
    // The data-source logon: writes its logon values into `logonValues` and gives the data source chosen,
    // or nothing when it was cancelled.
    virtual std::optional<std::string> LogonDataSource(core::qelApplication& logonValues) = 0;
    virtual void SynchronizeApplication() = 0;
};

// The import of a newly loaded window, or nullptr when there is none.
std::unique_ptr<ImportCommands> MakeImportCommands(frmBuilderMain& form);

}  // namespace builder
