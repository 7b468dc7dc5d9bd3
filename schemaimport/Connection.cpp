#include "schemaimport/Connection.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <unordered_set>

#include "core/ApplicationLog.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"
#include "platform/dao/FileFormat.h"
#include "platform/ide/FileSystemError.h"
#include "platform/odbc/ConnectString.h"
#include "platform/odbc/DataSources.h"
#include "platform/odbc/Odbc.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {
namespace {

constexpr const char* kNone = "None";
// What the registry reported for a missing key or value.
constexpr const char* kFileNotFound = "2";

// The local file's data source: SQLite3 for an SQLite file, MDBTools for a Jet file (and for a file
// that cannot be told yet, so that opening it fails with the engine's message). Returns the connect string
// of that driver and file, which reads the file whatever another import registers as the data source
// meanwhile; the data source itself for an SQLite path the driver cannot take in a connect string (it
// reads no braced value).
std::string RegisterLocalDataSource(const std::string& file) {
    if (dao::DetectFileFormat(file) == dao::FileFormat::Sqlite) {
        odbc::RegisterDataSource(kLocalDataSource, "SQLite3",
                                 {{"Database", file}, {"DBQ", file}, {"Description", kLocalDataSource}});
        return odbc::ConnectValue(file) == file
                   ? odbc::JoinConnectString({{"DRIVER", "SQLite3"}, {"Database", file}})
                   : kLocalDataSource;
    }
    odbc::RegisterDataSource(
        kLocalDataSource, "MDBTools",
        {{"Database", file}, {"DBQ", file}, {"Description", kLocalDataSource}, {"FIL", "MS Access;"}});
    return odbc::JoinConnectString({{"DRIVER", "MDBTools"}, {"DBQ", file}});
}

// The database as the messages name it: the local file, else the connect string without its password.
std::string DatabaseNameOf(const std::string& connectString, const core::qelApplication& application) {
    return application.LocalDBName().empty() ? odbc::MaskPassword(connectString) : application.LocalDBName();
}

// A database that offers nothing would otherwise look like one whose tables are all mapped.
void SayNoTables(const std::string& database, const std::vector<std::string>& schemas) {
    std::string text = database + " holds no tables that you can read.";
    if (!schemas.empty()) {
        text += "\r\nSchemas looked at: ";
        for (std::size_t i = 0; i < schemas.size(); ++i)
            text += (i == 0 ? "" : ", ") + schemas[i];
        text += ".";
    }
    ui::MsgBox(text, ui::vbInformation);
}

// Why `file` cannot be read as a database file; empty when it can.
std::string UnreadableReason(const std::string& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return "it does not exist";
    if (status.type() == std::filesystem::file_type::directory)
        return "it is a folder, not a file";
    if (error)
        return vbide::SystemReason(error.value());
    if (status.type() != std::filesystem::file_type::regular)
        return "it is not a file";
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return vbide::SystemReason(errno);
    ::close(descriptor);
    if (dao::DetectFileFormat(file) == dao::FileFormat::Unknown)
        return "it is not an Access or SQLite database";
    return {};
}

}  // namespace

std::string GetDBConnection(core::qelApplication& application) {
    return core::LogAndRaiseAs("GetDBConnection", [&]() -> std::string {
        if (!application.LocalDBName().empty())
            return RegisterLocalDataSource(application.LocalDBName());
        if (!application.DSN().empty()) {
            return odbc::JoinConnectString({{"DATABASE", application.DSNDBName()},
                                            {"UID", application.UserName()},
                                            {"PWD", application.Password()},
                                            {"DSN", application.DSN()}});
        }
        return "";
    });
}

std::string LocalDatabaseRefusal(const std::string& file) {
    const std::string reason = UnreadableReason(file);
    if (reason.empty())
        return {};
    return file + " cannot be imported from: " + reason +
           ". Type the path of the Access or SQLite database to import from, or choose it with Browse.";
}

std::string UndefinedDataSource(const core::qelApplication& application) {
    const std::string& name = application.DSN();
    if (!application.LocalDBName().empty() || name.empty())
        return {};
    const std::vector<odbc::DataSource> defined = odbc::DataSources();
    if (std::any_of(defined.begin(), defined.end(),
                    [&name](const odbc::DataSource& source) { return vb::TextEquals(source.Name, name); }))
        return {};
    return "The data source \"" + name + "\" is not defined.\r\nDefine it in " + odbc::UserDataSourceFile() +
           ", or choose a defined one with Browse in the application's dialog (File > Edit Application...).";
}

vb::Collection<std::string> GetNewTables(std::string& connectString, core::qelApplication& application) {
    vb::Collection<std::string> tables;
    try {
        auto catalog = OpenSchemaCatalog(connectString);
        if (!application.DSN().empty() && application.DSNDBName().empty())
            application.SetDSNDBName(catalog->DefaultDatabase());
        const std::vector<CatalogTable> rows = catalog->Tables();
        tables = UnmappedTables(rows, application);
        if (std::none_of(rows.begin(), rows.end(),
                         [](const CatalogTable& row) { return row.Type == "TABLE"; }))
            SayNoTables(DatabaseNameOf(connectString, application), catalog->Schemas());
    } catch (const vb::Error& error) {
        const std::string database = DatabaseNameOf(connectString, application);
        if (!application.LocalDBName().empty())
            connectString = database;
        ui::MsgBox(odbc::WithDriverReason(database + " cannot be opened.", error), 10);
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
        ui::MsgBox(std::string(kFileNotFound) + " - Cannot find server name - " + odbc::UserDataSourceFile() +
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
