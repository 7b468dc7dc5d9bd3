// Connections, statements and the error list on the real drivers in the test's own ODBC configuration.

#include "platform/odbc/Odbc.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/CommonStatus.h"
#include "platform/dao/Errors.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/PostgresCluster.h"
#include "tests/support/ScopedFolderVariable.h"

namespace odbc {
namespace {

using testing_support::OdbcSandbox;

class OdbcTest : public ::testing::Test {
  protected:
    void SetUp() override { OdbcSandbox::Get().Clear(); }

    std::string SqliteConnectString(const std::string& file) {
        return "Driver=SQLite3;Database=" + (mFolder.Folder() / file).string();
    }

    testing_support::ScopedFolderVariable mFolder{"OSTREL_ODBC_TEST_FILES"};
};

vb::Error OpenFails(const std::string& text) {
    try {
        Connection connection;
        connection.Open(text);
    } catch (const vb::Error& error) {
        return error;
    }
    ADD_FAILURE() << text << " opened";
    return vb::Error(0);
}

TEST_F(OdbcTest, AFailedOpenFillsTheErrorListThatShowErrorOffers) {
    const vb::Error error = OpenFails("NoSuchSource");
    EXPECT_EQ(error.Number(), kOdbcCallFailed);
    EXPECT_EQ(error.Description(), "ODBC--call failed.");
    const auto errors = dao::Errors();
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(errors[0].Number, kOdbcCallFailed);
    EXPECT_EQ(errors[1].Description.substr(0, 8), "[IM002] ");
    EXPECT_EQ(errors[1].Source, "ODBC");

    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    interaction.AnswerMsgBox(ui::vbYes);
    core::Common::ShowError(error);
    ASSERT_EQ(interaction.Prompts().size(), 2u);
    EXPECT_NE(interaction.Prompts()[0].prompt.find("Display the Data Access Errors Collection?"),
              std::string::npos);
    EXPECT_NE(interaction.Prompts()[1].prompt.find("[IM002]"), std::string::npos);
}

TEST_F(OdbcTest, APasswordNeverShowsInTheErrorList) {
    const int port = testing_support::PostgresCluster::Get().Port();
    OpenFails("Driver={PostgreSQL Unicode};Servername=127.0.0.1;Port=" + std::to_string(port) +
              ";Database=no_such_db;UID=Secret12;PWD=Secret12");
    const auto errors = dao::Errors();
    ASSERT_GE(errors.size(), 2u);
    for (const auto& error : errors)
        EXPECT_EQ(error.Description.find("Secret12"), std::string::npos) << error.Description;
}

TEST_F(OdbcTest, TextAndNumbersComeBackWholeAndUnchanged) {
    Connection connection;
    connection.Open(SqliteConnectString("values.db"));
    EXPECT_EQ(connection.Info(SQL_DBMS_NAME), "SQLite");
    Statement statement(connection);
    statement.Execute(R"sql(CREATE TABLE "Größe 注文" (n INTEGER, t TEXT))sql");
    statement.Execute(
        R"sql(INSERT INTO "Größe 注文" VALUES (-7, printf('%.*c', 3000, 'x') || 'ü'), (NULL, NULL))sql");
    statement.Execute(R"sql(SELECT n, t FROM "Größe 注文" ORDER BY n DESC)sql");
    ASSERT_TRUE(statement.Fetch());
    EXPECT_EQ(statement.Integer(1), -7);
    const std::optional<std::string> text = statement.Text(2);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 3002u);
    EXPECT_TRUE(*text == std::string(3000, 'x') + "ü");
    ASSERT_TRUE(statement.Fetch());
    EXPECT_EQ(statement.Integer(1), std::nullopt);
    EXPECT_EQ(statement.Text(2), std::nullopt);
    EXPECT_FALSE(statement.Fetch());

    statement.Tables(std::nullopt, "%", "TABLE");
    ASSERT_TRUE(statement.Fetch());
    EXPECT_EQ(statement.Text(3), "Größe 注文");
}

// Text is fetched in chunks of 4 KiB, each ended by the driver's NUL: text of one chunk and more, and at the
// chunk's edges, comes back whole from both drivers, with no NUL inside, a letter split by the edge whole.
TEST_F(OdbcTest, TextLongerThanOneFetchComesBackWhole) {
    const std::string texts[] = {std::string(4095, 'x'),        std::string(4096, 'x'),
                                 std::string(4097, 'x'),        std::string(8190, 'x'),
                                 std::string(8191, 'x'),        std::string(10000, 'x'),
                                 std::string(4094, 'x') + "üy", std::string(8189, 'x') + "üy"};
    for (const std::string& connectString :
         {SqliteConnectString("long.db"),
          testing_support::PostgresCluster::Get().ConnectString("postgres")}) {
        Connection connection;
        connection.Open(connectString);
        Statement statement(connection);
        for (const std::string& text : texts) {
            statement.Execute("SELECT '" + text + "'");
            ASSERT_TRUE(statement.Fetch());
            const std::optional<std::string> read = statement.Text(1);
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(read->find('\0'), std::string::npos)
                << connectString << ", " << text.size() << " bytes";
            EXPECT_TRUE(*read == text)
                << connectString << ": " << read->size() << " bytes of " << text.size();
        }
    }
}

TEST_F(OdbcTest, ABadStatementRaisesTheDriversMessage) {
    Connection connection;
    connection.Open(SqliteConnectString("bad.db"));
    Statement statement(connection);
    EXPECT_THROW(statement.Execute("SELECT * FROM missing_table"), vb::Error);
    const auto errors = dao::Errors();
    ASSERT_GE(errors.size(), 2u);
    EXPECT_NE(errors[1].Description.find("missing_table"), std::string::npos) << errors[1].Description;
}

TEST_F(OdbcTest, PostgresAnswersThroughItsDriver) {
    Connection connection;
    connection.Open(testing_support::PostgresCluster::Get().ConnectString("postgres"));
    EXPECT_EQ(connection.Info(SQL_DBMS_NAME), "PostgreSQL");
    EXPECT_EQ(connection.CurrentCatalog(), "postgres");
    Statement statement(connection);
    statement.Execute("SELECT 'Größe', 42");
    ASSERT_TRUE(statement.Fetch());
    EXPECT_EQ(statement.Text(1), "Größe");
    EXPECT_EQ(statement.Integer(2), 42);
}

}  // namespace
}  // namespace odbc
