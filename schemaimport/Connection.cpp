#include "schemaimport/Connection.h"

#include <unordered_set>

#include "core/ApplicationLog.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"
#include "platform/dao/FileFormat.h"
#include "platform/odbc/ConnectString.h"
#include "platform/odbc/DataSources.h"
#include "platform/ui/Interaction.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {
namespace {

constexpr const char* kNone = "None";
// What the registry reported for a missing key or value.
constexpr const char* kFileNotFound = "2";

// The local file's data source: SQLite3 for an SQLite file, MDBTools for a Jet file (and for a file
// that cannot be told yet, so that opening it fails with the engine's message).
void RegisterLocalDataSource(const std::string& file) {
    if (dao::DetectFileFormat(file) == dao::FileFormat::Sqlite) {
        odbc::RegisterDataSource(kLocalDataSource, "SQLite3",
                                 {{"Database", file}, {"DBQ", file}, {"Description", kLocalDataSource}});
        return;
    }
    odbc::RegisterDataSource(
        kLocalDataSource, "MDBTools",
        {{"Database", file}, {"DBQ", file}, {"Description", kLocalDataSource}, {"FIL", "MS Access;"}});
}

std::string UserDataSourceFile() {
    if (const char* file = std::getenv("ODBCINI"); file != nullptr && *file != '\0')
        return file;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.odbc.ini";
}

}  // namespace

std::string GetDBConnection(core::qelApplication& application) {
    return core::LogAndRaiseAs("GetDBConnection", [&]() -> std::string {
        if (!application.LocalDBName().empty()) {
            RegisterLocalDataSource(application.LocalDBName());
            return kLocalDataSource;
        }
        if (!application.DSN().empty()) {
            return odbc::JoinConnectString({{"DATABASE", application.DSNDBName()},
                                            {"UID", application.UserName()},
                                            {"PWD", application.Password()},
                                            {"DSN", application.DSN()}});
        }
        return "";
    });
}

vb::Collection<std::string> GetNewTables(std::string& connectString, core::qelApplication& application) {
    vb::Collection<std::string> tables;
    try {
        auto catalog = OpenSchemaCatalog(connectString);
        if (!application.DSN().empty() && application.DSNDBName().empty())
            application.SetDSNDBName(catalog->DefaultDatabase());
        tables = UnmappedTables(catalog->Tables(), application);
    } catch (const vb::Error&) {
        if (connectString == kLocalDataSource)
            connectString = application.LocalDBName();
        ui::MsgBox(odbc::MaskPassword(connectString) + " cannot be opened.", 10);
    }
    return tables;
}

vb::Collection<std::string> UnmappedTables(const std::vector<CatalogTable>& rows,
                                           const core::qelApplication& application) {
    std::unordered_set<std::string> mapped;
    for (const auto& businessObject : *application.BusinessObjects()) {
        if (businessObject->Table())
            mapped.insert(businessObject->Table()->Name());
    }
    vb::Collection<std::string> tables;
    for (const CatalogTable& row : rows) {
        if (row.Type == "TABLE" && !mapped.contains(row.Name))
            tables.Add(row.Name);
    }
    return tables;
}

std::string GetServer(const std::string& dsn) {
    if (dsn.empty()) {
        ui::MsgBox("This is not a valid DSN name", ui::vbOKOnly);
        return kNone;
    }
    if (!odbc::IsUserDataSource(dsn)) {
        ui::MsgBox(std::string(kFileNotFound) + " - Cannot find server name - " + UserDataSourceFile() +
                       " [" + dsn + "]",
                   ui::vbOKOnly);
        return kNone;
    }
    std::optional<std::string> server = odbc::DataSourceAttribute(dsn, "Server");
    if (!server)
        server = odbc::DataSourceAttribute(dsn, "Servername");
    if (!server) {
        ui::MsgBox(std::string(kFileNotFound) + " - This class is not registered remotely.", ui::vbOKOnly);
        return kNone;
    }
    return *server;
}

}  // namespace schemaimport
