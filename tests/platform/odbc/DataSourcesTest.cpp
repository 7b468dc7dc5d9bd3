// The data-source registry: listing, registering into the user's file, reading a user source's values.

#include "platform/odbc/DataSources.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/dao/Errors.h"
#include "platform/odbc/Odbc.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/ScopedFolderVariable.h"

namespace odbc {
namespace {

using testing_support::OdbcSandbox;

class DataSourcesTest : public ::testing::Test {
  protected:
    void SetUp() override { OdbcSandbox::Get().Clear(); }
};

std::string UserFileText() {
    std::ifstream file(OdbcSandbox::Get().UserFile());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST_F(DataSourcesTest, UserSourcesComeBeforeSystemSourcesAndNoneIsLost) {
    auto& sandbox = OdbcSandbox::Get();
    for (int i = 1; i <= 30; ++i) {
        sandbox.AddSystemSource("System" + std::to_string(i), OdbcSandbox::kPostgresDriver);
        sandbox.AddUserSource("User" + std::to_string(i), OdbcSandbox::kSqliteDriver);
    }
    const std::vector<DataSource> sources = DataSources();
    ASSERT_EQ(sources.size(), 60u);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(sources[i].Name, "User" + std::to_string(i + 1));
        EXPECT_EQ(sources[i].Description, "SQLite3");
        EXPECT_EQ(sources[30 + i].Name, "System" + std::to_string(i + 1));
        EXPECT_EQ(sources[30 + i].Description, "PostgreSQL Unicode");
    }
}

// Without $ODBCINI, $HOME pointing elsewhere: the file named is the one the driver manager reads.
TEST_F(DataSourcesTest, TheUsersFileIsTheOneTheDriverManagerReads) {
    const testing_support::ScopedFolderVariable home("HOME");
    const std::string odbcIni = std::getenv("ODBCINI");
    ::unsetenv("ODBCINI");
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen("odbcinst -j", "r"), ::pclose);
    std::array<char, 4096> told{};
    std::fread(told.data(), 1, told.size() - 1, pipe.get());
    EXPECT_NE(std::string(told.data()).find("USER DATA SOURCES..: " + UserDataSourceFile() + "\n"),
              std::string::npos)
        << told.data();
    ::setenv("ODBCINI", odbcIni.c_str(), 1);
}

TEST_F(DataSourcesTest, TheSandboxDriversAreInstalled) {
    EXPECT_EQ(InstalledDrivers(), (std::vector<std::string>{"PostgreSQL Unicode", "SQLite3", "MDBTools"}));
}

TEST_F(DataSourcesTest, RegistrationReplacesItsOwnSectionAndKeepsTheOthers) {
    auto& sandbox = OdbcSandbox::Get();
    sandbox.AddUserSource("Keep", OdbcSandbox::kPostgresDriver, {{"Servername", "db1"}});
    sandbox.AddUserSource("Sales", OdbcSandbox::kPostgresDriver, {{"Servername", "old"}, {"Port", "1"}});
    RegisterDataSource("Sales", "SQLite3", {{"Database", "/data/sales.db"}, {"NoCreat", "1"}});

    EXPECT_EQ(DataSourceAttribute("Keep", "Servername"), "db1");
    EXPECT_EQ(DataSourceAttribute("Sales", "Driver"), "SQLite3");
    EXPECT_EQ(DataSourceAttribute("Sales", "Database"), "/data/sales.db");
    EXPECT_EQ(DataSourceAttribute("Sales", "Servername"), std::nullopt);
    EXPECT_EQ(DataSourceAttribute("Sales", "Port"), std::nullopt);
    const auto sources = DataSources();
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(UserFileText().find("old"), std::string::npos);

    RegisterDataSource("Größe", "MDBTools", {});
    EXPECT_EQ(DataSourceAttribute("Größe", "Driver"), "MDBTools");
}

TEST_F(DataSourcesTest, ABadNameOrAnUninstalledDriverIsRefusedAndWritesNothing) {
    OdbcSandbox::Get().AddUserSource("Keep", OdbcSandbox::kPostgresDriver);
    const std::string before = UserFileText();
    struct Case {
        std::string name, driver, reason;
    };
    for (const Case& c : std::vector<Case>{{"a[b", "SQLite3", "Invalid data source name"},
                                           {"", "SQLite3", "Invalid data source name"},
                                           {"Fine", "No Such Driver", "is not installed"}}) {
        EXPECT_EQ(testing_support::ErrorNumberOf([&] { RegisterDataSource(c.name, c.driver, {}); }),
                  kOdbcCallFailed)
            << c.name;
        const auto errors = dao::Errors();
        ASSERT_EQ(errors.size(), 2u);
        EXPECT_NE(errors[1].Description.find(c.reason), std::string::npos) << errors[1].Description;
    }
    EXPECT_EQ(UserFileText(), before);
}

TEST_F(DataSourcesTest, OnlyTheUsersOwnSourcesAreRead) {
    auto& sandbox = OdbcSandbox::Get();
    sandbox.AddUserSource("Mine", OdbcSandbox::kPostgresDriver, {{"Server", "db.example"}, {"Empty", ""}});
    sandbox.AddSystemSource("Shared", OdbcSandbox::kPostgresDriver, {{"Server", "shared.example"}});
    EXPECT_TRUE(IsUserDataSource("Mine"));
    EXPECT_FALSE(IsUserDataSource("Shared"));
    EXPECT_FALSE(IsUserDataSource(""));
    EXPECT_EQ(DataSourceAttribute("Mine", "Server"), "db.example");
    EXPECT_EQ(DataSourceAttribute("Mine", "Empty"), "");
    EXPECT_EQ(DataSourceAttribute("Mine", "Servername"), std::nullopt);
    EXPECT_EQ(DataSourceAttribute("Shared", "Server"), std::nullopt);
}

}  // namespace
}  // namespace odbc
