// The application database's connection: connect strings, the tables not yet mapped, a source's server.

#include "schemaimport/Connection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/ApplicationLog.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"
#include "platform/odbc/ConnectString.h"
#include "platform/odbc/DataSources.h"
#include "platform/odbc/Odbc.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/CatalogDatabases.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/ScopedFolderVariable.h"

namespace schemaimport {
namespace {

using testing_support::OdbcSandbox;

class ConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override { OdbcSandbox::Get().Clear(); }

    void Map(const std::string& table) {
        auto businessObject = std::make_shared<core::qelBusinessObject>();
        businessObject->SetName("bo" + table);
        businessObject->Table()->SetName(table);
        mApplication.BusinessObjects()->Add(businessObject, businessObject->Name());
    }

    std::vector<std::string> NewTables(std::string& connectString) {
        std::vector<std::string> names;
        for (const std::string& name : GetNewTables(connectString, mApplication))
            names.push_back(name);
        return names;
    }

    testing_support::ScopedFolderVariable mState{"XDG_STATE_HOME"};
    ui::ScriptedInteraction mInteraction;
    ui::ScopedInteraction mUseIt{mInteraction};
    dao_test::TestFolder mFolder;
    core::qelApplication mApplication;
};

TEST_F(ConnectionTest, TheConnectStringOfADataSource) {
    struct Case {
        std::string database, user, password, dsn, expected;
    };
    const std::vector<Case> cases = {
        {"orders", "clerk", "pw", "Sales", "DATABASE=orders;UID=clerk;PWD=pw;DSN=Sales"},
        {"", "clerk", "", "Sales", "UID=clerk;DSN=Sales"},
        {"", "u;DATABASE=other", "p}w", "Sales", "UID={u;DATABASE=other};PWD={p}}w};DSN=Sales"},
        {" db ", "", "", "My Source", "DATABASE={ db };DSN=My Source"},
        {"orders", "clerk", "pw", "", ""},
    };
    for (const Case& c : cases) {
        mApplication.SetDSNDBName(c.database);
        mApplication.SetUserName(c.user);
        mApplication.SetPassword(c.password);
        mApplication.SetDSN(c.dsn);
        EXPECT_EQ(GetDBConnection(mApplication), c.expected) << c.dsn;
    }
}

// Registered as "localmdb", and read through a connect string of its own driver and path, unless the SQLite
// driver cannot take the path in one.
TEST_F(ConnectionTest, ALocalFileWinsAndIsRegisteredForItsDriver) {
    const auto jet = dao_test::Fixture("import_access.mdb");
    const auto sqlite = mFolder / "local.db";
    const auto braced = mFolder / "a;b.db";
    catalog_test::NewSqliteDatabase(sqlite);
    std::filesystem::copy_file(sqlite, braced);
    OdbcSandbox::Get().AddUserSource("Keep", OdbcSandbox::kPostgresDriver);
    mApplication.SetDSN("Sales");
    const struct {
        std::filesystem::path file;
        std::string driver, connectString;
        std::size_t tables;
    } cases[] = {
        {jet, "MDBTools", "DRIVER=MDBTools;DBQ=" + jet.string(), 5},
        {sqlite, "SQLite3", "DRIVER=SQLite3;Database=" + sqlite.string(), 8},
        {braced, "SQLite3", "localmdb", 8},
        {jet, "MDBTools", "DRIVER=MDBTools;DBQ=" + jet.string(), 5},
    };
    for (const auto& [file, driver, connectString, tables] : cases) {
        mApplication.SetLocalDBName(file.string());
        std::string connection = GetDBConnection(mApplication);
        EXPECT_EQ(connection, connectString);
        EXPECT_EQ(NewTables(connection).size(), tables) << file;
        EXPECT_EQ(odbc::DataSourceAttribute("localmdb", "Driver"), driver);
        EXPECT_EQ(odbc::DataSourceAttribute("localmdb", "Database"), file.string());
        EXPECT_EQ(odbc::DataSourceAttribute("localmdb", "DBQ"), file.string());
        EXPECT_EQ(odbc::DataSourceAttribute("localmdb", "Description"), "localmdb");
        EXPECT_TRUE(odbc::IsUserDataSource("Keep"));
    }
}

TEST_F(ConnectionTest, NewTablesOfEachDatabaseLeaveOutViewsSystemAndMappedTables) {
    Map("Emp");
    Map("orders");  // another letter case maps nothing
    Map("Orders ");

    const auto file = mFolder / "schema.db";
    catalog_test::NewSqliteDatabase(file);
    mApplication.SetLocalDBName(file.string());
    std::string connectString = GetDBConnection(mApplication);
    EXPECT_EQ(NewTables(connectString), (std::vector<std::string>{"Orders", "Order_Lines", "OrderXLines",
                                                                  "City", "Route ]'s", "Shipment", "Größe"}));

    mApplication.SetLocalDBName(dao_test::Fixture("import_access.mdb").string());
    connectString = GetDBConnection(mApplication);
    EXPECT_EQ(NewTables(connectString),
              (std::vector<std::string>{"Orders", "Order Lines", "Products", "Item Kinds"}));
    for (const auto& prompt : mInteraction.Prompts())
        ADD_FAILURE() << prompt.prompt;
}

TEST_F(ConnectionTest, ADataSourceWithoutADatabaseLearnsItsDefault) {
    const std::string server = catalog_test::NewPostgresDatabase();
    std::string database;
    for (const auto& [key, value] : odbc::SplitConnectString(server)) {
        if (key == "Database")
            database = value;
    }
    const int port = testing_support::PostgresCluster::Get().Port();
    OdbcSandbox::Get().AddUserSource(
        "PgSales", OdbcSandbox::kPostgresDriver,
        {{"Servername", "127.0.0.1"}, {"Port", std::to_string(port)}, {"Database", database}});
    Map("City");
    mApplication.SetDSN("PgSales");
    mApplication.SetUserName("postgres");
    std::string connectString = GetDBConnection(mApplication);
    EXPECT_EQ(connectString, "UID=postgres;DSN=PgSales");
    EXPECT_EQ(NewTables(connectString),
              (std::vector<std::string>{"Emp", "Größe", "OrderXLines", "Order_Lines", "Orders", "Route ]'s",
                                        "Shipment"}));
    EXPECT_EQ(mApplication.DSNDBName(), database);
}

// The import's own message, then the driver's reason on the next line; the password never shows.
TEST_F(ConnectionTest, AnUnopenableDatabaseGivesAMessageAndNoTables) {
    struct Case {
        std::string local, dsn, password, connectStringAfter, message, reason;
    };
    const std::string missing = (mFolder / "missing.mdb").string();
    const std::vector<Case> cases = {
        {"", "NoSuchSource", "Sec;ret", "UID=u;PWD={Sec;ret};DSN=NoSuchSource",
         "UID=u;PWD=****;DSN=NoSuchSource cannot be opened.",
         "[IM002] [unixODBC][Driver Manager]Data source name not found"},
        {missing, "", "", missing, missing + " cannot be opened.", ""},
        {"", "", "", "", " cannot be opened.", ""},
    };
    for (const Case& c : cases) {
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        mApplication.SetLocalDBName(c.local);
        mApplication.SetDSN(c.dsn);
        mApplication.SetUserName(c.dsn.empty() ? "" : "u");
        mApplication.SetPassword(c.password);
        std::string connectString = GetDBConnection(mApplication);
        EXPECT_TRUE(NewTables(connectString).empty());
        EXPECT_EQ(connectString, c.connectStringAfter);
        ASSERT_EQ(interaction.Prompts().size(), 1u);
        const std::string& prompt = interaction.Prompts()[0].prompt;
        EXPECT_EQ(prompt.substr(0, prompt.find("\r\n")), c.message);
        if (c.reason.empty())
            EXPECT_EQ(prompt.find("\r\n"), std::string::npos) << prompt;
        else
            EXPECT_EQ(prompt.find("\r\n" + c.reason), c.message.size()) << prompt;
        EXPECT_EQ(interaction.Prompts()[0].buttons, 10);
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
}

TEST_F(ConnectionTest, TheServerOfAUsersDataSource) {
    auto& sandbox = OdbcSandbox::Get();
    sandbox.AddUserSource("ByServer", OdbcSandbox::kPostgresDriver,
                          {{"Server", "db1"}, {"Servername", "db2"}});
    sandbox.AddUserSource("ByServername", OdbcSandbox::kPostgresDriver, {{"Servername", "db2"}});
    sandbox.AddUserSource("NoServer", OdbcSandbox::kSqliteDriver, {{"Database", "/x.db"}});
    sandbox.AddSystemSource("Shared", OdbcSandbox::kPostgresDriver, {{"Server", "db3"}});
    struct Case {
        std::string dsn, server, message;
    };
    const std::vector<Case> cases = {
        {"ByServer", "db1", ""},
        {"ByServername", "db2", ""},
        {"NoServer", "None", "2 - This class is not registered remotely."},
        {"Shared", "None", "2 - Cannot find server name - " + sandbox.UserFile().string() + " [Shared]"},
        {"", "None", "This is not a valid DSN name"},
    };
    for (const Case& c : cases) {
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        EXPECT_EQ(GetServer(c.dsn), c.server) << c.dsn;
        if (c.message.empty()) {
            EXPECT_TRUE(interaction.Prompts().empty());
        } else {
            ASSERT_EQ(interaction.Prompts().size(), 1u) << c.dsn;
            EXPECT_EQ(interaction.Prompts()[0].prompt, c.message);
            EXPECT_EQ(interaction.Prompts()[0].buttons, 0);
            EXPECT_EQ(interaction.Prompts()[0].title, "VB Ostrel");
        }
    }
}

TEST_F(ConnectionTest, AFailedRegistrationIsLoggedAndRaisedUnderItsOwnName) {
    // A driver list without MDBTools: registration of the Jet file fails.
    std::filesystem::path drivers = OdbcSandbox::Get().Folder() / "odbcinst.ini";
    std::ifstream in(drivers);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(drivers, std::ios::trunc) << "[SQLite3]\nDriver=/nowhere/libsqlite3odbc.so\n";
    mApplication.SetLocalDBName(dao_test::Fixture("import_access.mdb").string());
    try {
        GetDBConnection(mApplication);
        ADD_FAILURE() << "registered";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Source(), "GetDBConnection");
        EXPECT_EQ(error.Number(), odbc::kOdbcCallFailed);
    }
    std::ofstream(drivers, std::ios::trunc) << saved;
    std::ifstream log(core::ApplicationLogFile());
    std::string line;
    std::getline(log, line);
    EXPECT_NE(line.find("GetDBConnection - ODBC--call failed. (3146)"), std::string::npos) << line;
}

}  // namespace
}  // namespace schemaimport
