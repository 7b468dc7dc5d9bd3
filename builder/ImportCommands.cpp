#include "builder/ImportCommands.h"

#include "builder/frmBuilderMain.h"
#include "schemaimport/Connection.h"
#include "schemaimport/Synchronize.h"
#include "schemaimport/frmImportSelection.h"
#include "schemaimport/frmODBCLogon.h"

namespace builder {
namespace {

// The schema import with the main window as its model sink.
class WindowImport final : public ImportCommands {
  public:
    explicit WindowImport(frmBuilderMain& form) : mForm(form) {}

    void ImportData(std::shared_ptr<core::qelApplication> previous, bool wasAppOpened,
                    bool wasImported) override {
        mForm.SetImportSelectionForm(std::make_shared<schemaimport::frmImportSelection>());
        mForm.ImportData({std::move(previous), wasAppOpened, wasImported});
    }

    std::vector<std::string> GetNewTables(core::qelApplication& application) override {
        std::string connectString = schemaimport::GetDBConnection(application);
        std::vector<std::string> tables;
        for (const std::string& table : schemaimport::GetNewTables(connectString, application))
            tables.push_back(table);
        return tables;
    }

    std::optional<std::string> LogonDataSource(core::qelApplication& logonValues) override {
        schemaimport::frmODBCLogon logon;
        // The caller owns the values; the dialog only writes into them.
        logon.SetRefToAppObject(std::shared_ptr<core::qelApplication>(std::shared_ptr<void>(), &logonValues));
        std::optional<std::string> chosen;
        logon.ODBCLogonOKClicked = [&] { chosen = logon.cboDSNList.Text; };
        logon.Show();
        return chosen;
    }

    void SynchronizeApplication() override {
        ViewUpdate update(mForm);
        mForm.RunDeferringStoredDeletes([this] { schemaimport::SynchronizeApplication(mForm); });
    }

  private:
    frmBuilderMain& mForm;
};

}  // namespace

std::unique_ptr<ImportCommands> MakeImportCommands(frmBuilderMain& form) {
    return std::make_unique<WindowImport>(form);
}

}  // namespace builder
