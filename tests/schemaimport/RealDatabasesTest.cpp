// The import against databases as users have them: PostgreSQL schemas beside the current one, types of
// their own (domains, enums, json, arrays, intervals) and SQLite columns without a declared type, and
// connections that fail with the driver's reason.

#include <gtest/gtest.h>

#include <QDialogButtonBox>

#include "core/frmErrorDisplayUtil.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "schemaimport/Synchronize.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/DialogPictures.h"
#include "tests/support/ModelDump.h"

namespace schemaimport {
namespace {

using catalog_test::Kind;
using Names = std::vector<std::string>;
using testing_support::OdbcSandbox;
using testing_support::PostgresCluster;

class RealDatabases : public ::testing::Test {
  protected:
    void SetUp() override { OdbcSandbox::Get().Clear(); }

    // Imports every table the selection offers; the offer is kept.
    void ImportAll(const std::shared_ptr<core::qelApplication>& application) {
        mScript.AnswerDialog([this](ui::ModalDialog& dialog) {
            mOffered = dynamic_cast<frmImportSelection&>(dialog).lstAllTables.List;
            import_test::Choose()(dialog);
        });
        import_test::ImportInto(mSink, application);
    }

    // "Parent -> Child +property ..." of each relationship.
    static Names Relationships(const core::qelApplication& application) {
        Names lines;
        for (const auto& relationship : *application.Relationships()) {
            const auto& toParent = relationship->Associations()->Item(2);
            std::string line = toParent->TargetBusObj()->Name() + " -> " + toParent->SourceBusObj()->Name();
            for (const auto& property : *toParent->SourceForeignProperties())
                line += " +" + property->Name();
            lines.push_back(line);
        }
        return lines;
    }

    static Names Prompts(const ui::ScriptedInteraction& script) {
        Names prompts;
        for (const auto& prompt : script.Prompts())
            prompts.push_back(prompt.prompt);
        return prompts;
    }

    dao_test::TestFolder mFolder;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScoped{mScript};
    FilingSink mSink;
    Names mOffered;
};

// public."Orders" refers to public."Customers" and to sales."Customers". Off the search path, sales is not
// offered and its key makes no relationship; on it, its tables are offered schema-qualified and the key
// finds its own parent.
TEST_F(RealDatabases, ForeignKeysFindTheirParentInItsOwnSchema) {
    const Names schema = {
        "CREATE SCHEMA sales",
        R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(20)))sql",
        R"sql(CREATE TABLE sales."Customers" ("ID" INTEGER PRIMARY KEY, "Region" VARCHAR(20)))sql",
        R"sql(CREATE TABLE sales."Regions" ("Code" VARCHAR(4) PRIMARY KEY))sql",
        R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
            "CustomerID" INTEGER REFERENCES "Customers" ("ID"),
            "SalesCust" INTEGER REFERENCES sales."Customers" ("ID")))sql",
    };
    const Names onSearchPath = {
        R"sql(DO $$ BEGIN
            EXECUTE format('ALTER DATABASE %I SET search_path TO public, sales', current_database()); END $$)sql"};
    struct Case {
        Names statements, offered, businessObjects, relationships;
    };
    const Case cases[] = {
        {schema, {"Customers", "Orders"}, {"Customers", "Orders"}, {"Customers -> Orders +CustomerID"}},
        {onSearchPath,
         {"Customers", "Orders", "sales.Customers", "sales.Regions"},
         {"Customers", "Orders", "sales_Customers", "Regions"},
         {"Customers -> Orders +CustomerID", "sales_Customers -> Orders +SalesCust"}},
    };
    Names statements;
    for (const Case& c : cases) {
        statements.insert(statements.end(), c.statements.begin(), c.statements.end());
        const auto application = import_test::NewDatabase(Kind::Postgres, statements, mFolder.Path());
        ImportAll(application);
        EXPECT_EQ(mOffered, c.offered);
        Names businessObjects;
        for (const auto& businessObject : *application->BusinessObjects())
            businessObjects.push_back(businessObject->Name());
        EXPECT_EQ(businessObjects, c.businessObjects);
        EXPECT_EQ(application->BusinessObjects()->Item(c.businessObjects.back())->Table()->Name(),
                  c.offered.back());
        EXPECT_EQ(Relationships(*application), c.relationships);
    }
}

TEST_F(RealDatabases, TablesOnlyOutsideTheSearchPathAreNamedAsUnreadable) {
    const auto application = import_test::NewDatabase(
        Kind::Postgres, {"CREATE SCHEMA hidden", R"sql(CREATE TABLE hidden."T" ("A" INTEGER))sql"},
        mFolder.Path());
    import_test::ImportInto(mSink, application);
    EXPECT_EQ(Prompts(mScript), Names{"UID=postgres;DSN=" + application->DSN() +
                                      " holds no tables that you can read.\r\nSchemas looked at: public."});
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

// Every column gets a data type; those of a type not known become String, named in one message at the end
// that tells of their values cut, one without a type that refers to a key that key's type (text when the key
// has none, or its table cannot be read). Text without a length, or longer than VB's fixed-length strings,
// is Memo: so are documents (json, xml).
TEST_F(RealDatabases, EveryColumnGetsADataType) {
    struct Case {
        Kind kind;
        Names statements;
        Names properties;  // "name type(length)", in column order
        std::string unknown;
    };
    const Case cases[] = {
        {Kind::Postgres,
         {R"sql(CREATE DOMAIN "Name60" AS VARCHAR(60))sql", R"sql(CREATE DOMAIN "Nick" AS "Name60")sql",
          R"sql(CREATE TYPE "Mood" AS ENUM ('sad', 'content', 'delighted'))sql",
          R"sql(CREATE TABLE "Kinds" ("ID" INTEGER PRIMARY KEY, "Dom" "Name60", "DomDom" "Nick", "Mood" "Mood",
              "Doc" JSONB, "Json" JSON, "Xml" XML, "Tags" INTEGER[], "Span" INTERVAL, "Who" NAME, "Raw" BYTEA, "Free" VARCHAR,
              "Most" VARCHAR(65526), "Huge" VARCHAR(65527), "Spot" POINT))sql"},
         {"ID Long(4)", "Dom String(60)", "DomDom String(60)", "Mood String(9)", "Doc Memo(0)",
          "Json Memo(0)", "Xml Memo(0)", "Tags Memo(0)", "Span String(255)", "Who String(255)",
          "Raw OLE Object(0)", "Free Memo(0)", "Most String(65526)", "Huge Memo(0)", "Spot String(255)"},
         "Kinds.Spot (point): String(255)"},
        {Kind::Sqlite,
         {R"sql(CREATE TABLE "Kinds" ("ID" INTEGER PRIMARY KEY, "Loose", "Big" UNSIGNED BIG INT,
              "Fp" FLOATING POINT, "F8" FLOAT8, "Nat" NATIVE CHARACTER(12), "Notes" CLOB, "Free" VARCHAR,
              "Zero" CHAR(0), "Doc" JSON, "Xml" XML, "Odd" STRING, "Parent" REFERENCES "Kinds" ("ID")))sql"},
         {"ID Long(4)", "Loose OLE Object(0)", "Big Long(4)", "Fp Long(4)", "F8 Double(8)", "Nat String(12)",
          "Notes Memo(0)", "Free Memo(0)", "Zero Memo(0)", "Doc Memo(0)", "Xml Memo(0)", "Odd String(255)",
          "Parent Long(4)"},
         "Kinds.Loose (no declared type): OLE Object\r\nKinds.Odd (STRING): String(255)\r\n"
         "Kinds.Parent (no declared type): Long"},
        // A key without a type, and one referring to a view whose columns cannot be read, are text.
        {Kind::Sqlite,
         {R"sql(CREATE VIEW "Sorted" AS SELECT title_sort('a') AS "Key")sql",
          R"sql(CREATE TABLE "Kinds" ("Code" PRIMARY KEY, "Parent" REFERENCES "Kinds" ("Code"),
              "Sort" REFERENCES "Sorted" ("Key")))sql"},
         {"Code String(255)", "Parent String(255)", "Sort String(255)"},
         "Kinds.Code (no declared type): String(255)\r\nKinds.Parent (no declared type): String(255)\r\n"
         "Kinds.Sort (no declared type): String(255)\r\n\r\nThese columns hold text of any length in a key "
         "and became String(255) properties, whose values may be cut to 255 characters:\r\nKinds.Code\r\n"
         "Kinds.Parent\r\nKinds.Sort"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.properties.back());
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose());
        const auto application = import_test::NewDatabase(c.kind, c.statements, mFolder.Path());
        import_test::ImportInto(mSink, application);
        Names properties;
        for (const auto& property : *application->BusinessObjects()->Item("Kinds")->Properties())
            properties.push_back(property->Name() + " " + property->DataType() + "(" +
                                 std::to_string(property->Length()) + ")");
        EXPECT_EQ(properties, c.properties);
        EXPECT_EQ(
            Prompts(script),
            Names{
                "These columns are of types the import does not know, or of none; each became the property "
                "named after it, and where that is String(255) the generated application cuts longer values "
                "to 255 characters when it reads them:\r\n" +
                c.unknown});
    }
}

// A refused connection and a wrong password: the import's message and the synchronisation's error dialog
// each give the driver's reason on the line after their own text, the password masked; nothing changes.
TEST_F(RealDatabases, AFailedConnectionGivesTheDriversReason) {
    const auto application =
        import_test::NewDatabase(Kind::Postgres, {R"sql(CREATE TABLE "T" ("A" INTEGER))sql"}, mFolder.Path());
    ImportAll(application);
    const std::string model = testing_support::DumpModel(*application);
    auto& sandbox = OdbcSandbox::Get();
    sandbox.AddUserSource("Refused", OdbcSandbox::kPostgresDriver,
                          {{"Servername", "127.0.0.1"}, {"Port", "1"}, {"Database", "postgres"}});
    sandbox.AddUserSource("Locked", OdbcSandbox::kPostgresDriver,
                          {{"Servername", "127.0.0.1"},
                           {"Port", std::to_string(PostgresCluster::Get().Port())},
                           {"Database", "postgres"}});
    const struct {
        std::string dsn, reason;
    } cases[] = {
        {"Refused", "Connection refused"},
        {"Locked", "password authentication failed for user \"ostrel_password\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dsn);
        application->SetDSN(c.dsn);
        application->SetUserName(PostgresCluster::kPasswordUser);
        application->SetPassword("wrong");

        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        std::string reported;
        script.AnswerDialog([&](ui::ModalDialog& dialog) {
            reported = dynamic_cast<core::frmErrorDisplayUtil&>(dialog).lblMessage();
            if (c.dsn == "Refused")
                testing_support::DriveModal(
                    core::frmErrorDisplayUtil::kCaption, "sync-driver-reason", [&] { dialog.ShowWidget(); },
                    [](QDialog& shown) {
                        shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                    });
        });
        mSink.SetIsDataChanged(false);
        SynchronizeApplication(mSink);
        const std::string first = "VB Ostrel Internal Error - ODBC--call failed.\r\n[08001] ";
        EXPECT_EQ(reported.substr(0, first.size()), first);
        EXPECT_NE(reported.find(c.reason), std::string::npos) << reported;

        import_test::ImportInto(mSink, application);
        ASSERT_EQ(script.Prompts().size(), 1u);
        const std::string& message = script.Prompts()[0].prompt;
        EXPECT_EQ(message.substr(0, message.find("\r\n[08001] ")),
                  "DATABASE=" + application->DSNDBName() + ";UID=ostrel_password;PWD=****;DSN=" + c.dsn +
                      " cannot be opened.");
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_EQ(message.find("wrong"), std::string::npos);
        EXPECT_EQ(testing_support::DumpModel(*application), model);
        EXPECT_FALSE(mSink.IsDataChanged());
    }
}

}  // namespace
}  // namespace schemaimport
