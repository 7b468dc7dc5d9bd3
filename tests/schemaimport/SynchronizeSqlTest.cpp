// The synchronisation over SQLite and PostgreSQL through their ODBC drivers: an imported model, the
// schema changed by the test, every answer scripted. The same hand-written model from both databases.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/frmErrorDisplayUtil.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/vb/Text.h"
#include "schemaimport/Connection.h"
#include "schemaimport/Synchronize.h"
#include "schemaimport/frmAvailTablesorFields.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/TestModels.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/ModelDump.h"

namespace schemaimport {
namespace {

using catalog_test::Kind;
using Names = std::vector<std::string>;

// A self-reference, a table to drop that refers to another, a two-column key losing a column.
const Names kSchema = {
    R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30), "Phone" VARCHAR(10),
        "Fax" VARCHAR(10)))sql",
    R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
        "CustomerID" INTEGER REFERENCES "Customers" ("ID"), "Amount" INTEGER))sql",
    R"sql(CREATE TABLE "Emp" ("EmpID" INTEGER PRIMARY KEY, "BossID" INTEGER REFERENCES "Emp" ("EmpID")))sql",
    R"sql(CREATE TABLE "Old" ("OldID" INTEGER PRIMARY KEY, "CustomerID" INTEGER REFERENCES "Customers" ("ID")))sql",
    R"sql(CREATE TABLE "Pair" ("A" INTEGER NOT NULL, "B" INTEGER NOT NULL, "C" VARCHAR(5),
        PRIMARY KEY ("A", "B")))sql",
};

// A column renamed, one dropped, one added, one of another type; a table renamed, one dropped, one
// with a blank in its name added that refers to an existing one. A view under the renamed table's old name
// and SQLite's statistics table are no tables: never matched, listed or offered.
const Names kChanges = {
    R"sql(ALTER TABLE "Customers" RENAME COLUMN "Phone" TO "Telephone")sql",
    R"sql(ALTER TABLE "Customers" DROP COLUMN "Fax")sql",
    R"sql(ALTER TABLE "Customers" ADD COLUMN "Email" VARCHAR(40))sql",
    R"sql(ALTER TABLE "Orders" DROP COLUMN "Amount")sql",
    R"sql(ALTER TABLE "Orders" ADD COLUMN "Amount" VARCHAR(12))sql",
    R"sql(ALTER TABLE "Emp" RENAME TO "Staff")sql",
    R"sql(DROP TABLE "Old")sql",
    R"sql(DROP TABLE "Pair")sql",
    R"sql(CREATE TABLE "Pair" ("B" INTEGER PRIMARY KEY, "C" VARCHAR(5)))sql",
    R"sql(CREATE TABLE "Order Notes" ("NoteID" INTEGER PRIMARY KEY,
        "OrderID" INTEGER REFERENCES "Orders" ("OrderID")))sql",
    R"sql(CREATE VIEW "Emp" AS SELECT "EmpID", "BossID" FROM "Staff")sql",
    "ANALYZE",
};

constexpr const char* kExpected = R"(Customers table=Customers
  ID Long(4) "ID:" key1 mandatory pk
  Name String(30) "Name:" null
  Phone String(10) "Phone:" field=Telephone null
  Email String(40) "Email:" null
  keys ID
  sources Customers.Relationships.Relationship4
  targets Orders.Relationships.Relationship4
Orders table=Orders
  OrderID Long(4) "OrderID:" key1 mandatory pk
  CustomerID Long(4) "CustomerID:" null fk foreign ->Customers.ID
  Amount String(12) "Amount:" null
  keys OrderID
  sources Orders.Relationships.Relationship4 Orders.Relationships.Relationship5
  targets Customers.Relationships.Relationship4 Order_Notes.Relationships.Relationship5
Emp table=Staff
  EmpID Long(4) "EmpID:" key1 mandatory pk
  BossID Long(4) "BossID:" null fk foreign ->Emp.EmpID
  keys EmpID
  sources Emp.Relationships.Relationship3 Emp.RelationshipsRecursive.Relationship3
  targets Emp.Relationships.Relationship3 Emp.RelationshipsRecursive.Relationship3
Pair table=Pair
  B Long(4) "B:" key1 mandatory pk
  C String(5) "C:" null
  keys B
Order_Notes table=Order Notes
  NoteID Long(4) "NoteID:" key1 mandatory pk
  OrderID Long(4) "OrderID:" null fk foreign ->Orders.OrderID
  keys NoteID
  sources Order_Notes.Relationships.Relationship5
  targets Orders.Relationships.Relationship5
Relationship3 Reference
  Emp.Relationships.Relationship3: Emp -> Emp Many optional has
  Emp.RelationshipsRecursive.Relationship3: Emp -> Emp One optional has +BossID
Relationship4 Identifying
  Orders.Relationships.Relationship4: Orders -> Customers One optional belongs to +CustomerID
  Customers.Relationships.Relationship4: Customers -> Orders Many optional holds
Relationship5 Reference
  Orders.Relationships.Relationship5: Orders -> Order_Notes Many optional has
  Order_Notes.Relationships.Relationship5: Order_Notes -> Orders One optional has +OrderID
)";

std::string Question(const std::string& name, const char* kind) {
    return "Was the " + name + " " + kind + " re-named? | 4 | Database Synchornization";
}

std::string Done(int32_t relationships) {
    return import_test::Synchronized(relationships) + " | 64 | Database Synchornization";
}

// Business objects with their tables and properties (with the field when it has another name), and the
// relationships: enough to tell the outcomes of the answers apart.
std::string Summary(const core::qelApplication& application) {
    std::string text;
    for (const auto& businessObject : *application.BusinessObjects()) {
        text += businessObject->Name() + "(" + businessObject->Table()->Name() + "):";
        for (const auto& property : *businessObject->Properties()) {
            text += " " + property->Name();
            if (property->Field()->Name() != property->Name())
                text += "=" + property->Field()->Name();
        }
        text += "\n";
    }
    text += "relationships:";
    for (const auto& relationship : *application.Relationships())
        text += " " + relationship->Name();
    return text;
}

using Handler = ui::ScriptedInteraction::DialogHandler;

// The chooser's label and list, written to `seen`; then `act` on it.
Handler Chooser(std::function<void(frmAvailTablesorFields&)> act, Names* seen = nullptr) {
    return [act, seen](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<frmAvailTablesorFields&>(dialog);
        if (seen) {
            Names list = form.lstTablesorFields.List;
            if (form.lblText.find("tables") != std::string::npos)
                std::sort(list.begin(), list.end());  // in each database's own order
            seen->push_back(form.lblText);
            for (const std::string& item : list)
                seen->push_back("  " + item);
        }
        act(form);
    };
}

Handler Pick(const std::string& text, Names* seen = nullptr) {
    return Chooser(
        [text](frmAvailTablesorFields& form) {
            const auto& list = form.lstTablesorFields.List;
            const auto at = std::find(list.begin(), list.end(), text);
            ASSERT_NE(at, list.end()) << text;
            form.lstTablesorFields.ListIndex = static_cast<int32_t>(at - list.begin());
            form.cmdOK_Click();
        },
        seen);
}
const Handler kCancelChooser = Chooser([](frmAvailTablesorFields& form) { form.cmdCancel_Click(); });
const Handler kCloseChooser = Chooser([](frmAvailTablesorFields& form) { form.Form_Unload(); });
const Handler kOKWithoutRow = Chooser([](frmAvailTablesorFields& form) { form.cmdOK_Click(); });
const Handler kCancelImport = [](ui::ModalDialog& dialog) {
    dynamic_cast<frmImportSelection&>(dialog).cmdCancel_Click();
};
const Handler kCloseImport = [](ui::ModalDialog& dialog) {
    dynamic_cast<frmImportSelection&>(dialog).Form_Unload();
};

class SynchronizeSql : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        testing_support::OdbcSandbox::Get().Clear();
        mApplication = import_test::NewDatabase(GetParam(), kSchema, mFolder.Path());
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose({"Customers", "Orders", "Emp", "Old", "Pair"}));
        import_test::ImportInto(mSink, mApplication);
        ASSERT_EQ(Summary(*mApplication), R"(Customers(Customers): ID Name Phone Fax
Orders(Orders): OrderID CustomerID Amount
Emp(Emp): EmpID BossID
Old(Old): OldID CustomerID
Pair(Pair): A B C
relationships: Relationship1 Relationship2 Relationship3)");
        ASSERT_TRUE(script.Prompts().empty());
        mSink.SetIsDataChanged(false);
        mSink.SetIsImported(false);
        mSink.SetIsAppOpened(true);
        std::string connectString = GetDBConnection(*mApplication);
        catalog_test::Run(connectString, kChanges);
    }

    void Synchronize(const std::vector<int32_t>& answers, const std::vector<Handler>& dialogs) {
        for (const int32_t answer : answers)
            mScript.AnswerMsgBox(answer);
        for (const Handler& handler : dialogs)
            mScript.AnswerDialog(handler);
        SynchronizeApplication(mSink);
    }

    dao_test::TestFolder mFolder;
    FilingSink mSink;
    std::shared_ptr<core::qelApplication> mApplication;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScoped{mScript};
};

TEST_P(SynchronizeSql, TheChangedSchemaBecomesTheModel) {
    import_test::StatusRecorder status;
    core::ScopedStatusSink showing(status);
    // Relationship1 made again by hand, twice: the first stands for the key and stays as made, the second
    // for no key of its own and goes, the key's marks kept.
    mSink.DeleteRelationship(*mApplication, mApplication->Relationships()->Item("Relationship1"));
    const auto& businessObjects = *mApplication->BusinessObjects();
    for (int made = 0; made < 2; ++made)
        repository_test::AddRelationship(*mApplication, businessObjects.Item("Orders"),
                                         businessObjects.Item("Customers"), "Identifying", true,
                                         {{"CustomerID", "ID"}});
    Names seen;
    Synchronize({ui::vbYes, ui::vbNo, ui::vbYes, ui::vbNo, ui::vbNo},
                {Pick("Telephone", &seen), Pick("Staff", &seen), [&](ui::ModalDialog& dialog) {
                     auto& form = dynamic_cast<frmImportSelection&>(dialog);
                     seen.push_back(form.Caption);
                     for (const std::string& table : form.lstAllTables.List)
                         seen.push_back("  " + table);
                     import_test::Choose()(dialog);
                 }});

    EXPECT_EQ(testing_support::DumpModel(*mApplication), kExpected);
    EXPECT_EQ(import_test::PromptTexts(mScript),
              (Names{Question("Phone", "field"), Question("Fax", "field"), Question("Emp", "table"),
                     Question("Old", "table"), Question("A", "field"), Done(3)}));
    EXPECT_EQ(seen, (Names{"Phone was re-named.  Please select the new name from the list of fields below:",
                           "  ID", "  Name", "  Telephone", "  Email",
                           "Emp was re-named.  Please select the new name from the list of tables below:",
                           "  Order Notes", "  Staff",
                           "Do you wish to import the folowing tables at this time?", "  Order Notes"}));
    EXPECT_EQ(mScript.DialogsShown(),
              (Names{"frmAvailTablesorFields", "frmAvailTablesorFields", "frmImportSelection"}));
    EXPECT_TRUE(mSink.IsDataChanged());
    EXPECT_TRUE(mSink.IsImported());
    EXPECT_TRUE(mSink.IsAppOpened());
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
    EXPECT_EQ(status.Texts, (Names{"Synchronizing Database Information...", "Ready...",
                                   "Importing Database Information...", "Ready..."}));
}

// Each way out of a question or dialog, and the cases where the sound behaviour was chosen.
TEST_P(SynchronizeSql, EachAnswerHasItsOutcome) {
    struct Case {
        const char* name;
        std::vector<int32_t> answers;
        std::vector<Handler> dialogs;
        std::string summary;
        Names dialogsShown;
        Names extraPrompts;     // besides the questions, each answered in `answers` after the first question
        bool completes = true;  // the command ran to its end
        std::function<void(core::qelApplication&)> before = nullptr;
    };
    const int32_t Y = ui::vbYes, N = ui::vbNo;
    const std::string chooser = "frmAvailTablesorFields", import = "frmImportSelection";
    const std::string cancelledInTheTableChooser = R"(Customers(Customers): ID Name Phone=Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Emp): EmpID BossID
Old(Old): OldID CustomerID
Pair(Pair): A B C
relationships: Relationship1 Relationship2 Relationship3)";
    const Case cases[] = {
        {"Cancel in the table chooser ends the command before any deletion",
         {Y, N, Y},
         {Pick("Telephone"), kCancelChooser},
         cancelledInTheTableChooser,
         {chooser, chooser},
         {},
         false},
        {"a data source named in another letter case than its odbc.ini entry is that source",
         {Y, N, Y},
         {Pick("Telephone"), kCancelChooser},
         cancelledInTheTableChooser,
         {chooser, chooser},
         {},
         false,
         [](core::qelApplication& application) { application.SetDSN(vb::UCase(application.DSN())); }},
        {"Cancel in a field chooser after a re-point ends that table only",
         {Y, Y, Y, N, N},
         {Pick("Telephone"), kCancelChooser, Pick("Staff"), import_test::Choose()},
         R"(Customers(Customers): ID Name Phone=Telephone Fax
Orders(Orders): OrderID CustomerID Amount
Emp(Staff): EmpID BossID
Pair(Pair): B C
Order_Notes(Order Notes): NoteID OrderID
relationships: Relationship1 Relationship3 Relationship4)",
         {chooser, chooser, chooser, import},
         {}},
        {"Cancel in the import dialog keeps what was done, without the rebuild",
         {Y, N, Y, N, N},
         {Pick("Telephone"), Pick("Staff"), kCancelImport},
         R"(Customers(Customers): ID Name Phone=Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Staff): EmpID BossID
Pair(Pair): B C
relationships: Relationship1 Relationship3)",
         {chooser, chooser, import},
         {},
         false},
        {"close boxes leave the table and the fields as they were",
         {Y, Y, Y, N, N},
         {kCloseChooser, kCloseChooser, kCloseChooser, kCloseImport},
         R"(Customers(Customers): ID Name Phone Fax Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Emp): EmpID BossID
Pair(Pair): B C
relationships: Relationship1)",
         {chooser, chooser, chooser, import},
         {}},
        {"OK without a row changes nothing",
         {Y, N, Y, N, N},
         {kOKWithoutRow, kOKWithoutRow, import_test::Choose({"Order Notes"})},
         R"(Customers(Customers): ID Name Phone Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Emp): EmpID BossID
Pair(Pair): B C
Order_Notes(Order Notes): NoteID OrderID
relationships: Relationship1 Relationship2)",
         {chooser, chooser, import},
         {}},
        {"a column another field maps is refused",
         {Y, ui::vbOK, N, Y, N, N},
         {Pick("Name"), Pick("Staff"), import_test::Choose()},
         R"(Customers(Customers): ID Name Phone Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Staff): EmpID BossID
Pair(Pair): B C
Order_Notes(Order Notes): NoteID OrderID
relationships: Relationship1 Relationship3 Relationship4)",
         {chooser, chooser, import},
         {"Name is already mapped by another field. | 48 | Database Synchornization"}},
        {"an error in one table's matching is reported and the command goes on",
         {Y, N, Y, N, N},
         {Pick("Telephone"),
          [](ui::ModalDialog& dialog) {
              const std::string& message = dynamic_cast<core::frmErrorDisplayUtil&>(dialog).lblMessage();
              EXPECT_EQ(message.rfind("VB Ostrel Internal Error - ", 0), 0u) << message;
          },
          Pick("Staff"), import_test::Choose()},
         R"(Customers(Customers): ID Name Phone=Telephone Email
Orders(Orders): OrderID CustomerID Amount
Emp(Staff): EmpID BossID
Pair(Pair): B C
Order_Notes(Order Notes): NoteID OrderID
relationships: Relationship1 Relationship3 Relationship4)",
         {chooser, "frmErrorDisplayUtil", chooser, import},
         {},
         true,
         // A field that no property owns: the matching of Orders stops there.
         [](core::qelApplication& application) {
             const auto& orders = application.BusinessObjects()->Item("Orders");
             orders->Table()->Fields()->Item("Amount")->SetBusObjProperty(nullptr);
         }},
    };
    const Names questions = {Question("Phone", "field"), Question("Fax", "field"), Question("Emp", "table"),
                             Question("Old", "table"), Question("A", "field")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mScript = ui::ScriptedInteraction();
        mSink = FilingSink();
        SetUp();
        if (c.before)
            c.before(*mApplication);
        Synchronize(c.answers, c.dialogs);
        EXPECT_EQ(Summary(*mApplication), c.summary);
        EXPECT_EQ(mScript.DialogsShown(), c.dialogsShown);
        const auto asked = static_cast<std::ptrdiff_t>(c.answers.size() - c.extraPrompts.size());
        Names expected(questions.begin(), questions.begin() + asked);
        expected.insert(expected.begin() + 1, c.extraPrompts.begin(), c.extraPrompts.end());
        if (c.completes)
            expected.push_back(Done(mApplication->Relationships()->Count()));
        EXPECT_EQ(import_test::PromptTexts(mScript), expected);
        EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
        EXPECT_TRUE(mSink.IsDataChanged());
        // No association of any business object points at one that is gone.
        for (const auto& businessObject : *mApplication->BusinessObjects()) {
            for (const auto* ends :
                 {businessObject->SourceAssociations().get(), businessObject->TargetAssociations().get()}) {
                for (const auto& association : *ends) {
                    EXPECT_TRUE(mApplication->BusinessObjects()->Exists(association->SourceBusObj()->Name()));
                    EXPECT_TRUE(mApplication->BusinessObjects()->Exists(association->TargetBusObj()->Name()));
                    EXPECT_TRUE(mApplication->Relationships()->Exists(association->Relationship()->Name()));
                }
            }
        }
    }
}

// A database that cannot be read: the error dialog, and nothing changed.
TEST_P(SynchronizeSql, ADatabaseErrorChangesNothing) {
    const std::string before = testing_support::DumpModel(*mApplication);
    mApplication->SetDSN("Nowhere");
    // Defined, so that the connection is tried and fails.
    testing_support::OdbcSandbox::Get().AddUserSource("Nowhere", "No Such Driver");
    std::string message;
    mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
        message = dynamic_cast<core::frmErrorDisplayUtil&>(dialog).lblMessage();
    });
    SynchronizeApplication(mSink);
    EXPECT_EQ(testing_support::DumpModel(*mApplication), before);
    EXPECT_EQ(mScript.DialogsShown(), Names{"frmErrorDisplayUtil"});
    EXPECT_EQ(message.rfind("VB Ostrel Internal Error - ", 0), 0u) << message;
    EXPECT_TRUE(mScript.Prompts().empty());
    EXPECT_FALSE(mSink.IsDataChanged());
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
}

// Foreign keys to a parent's second unique key, its columns listed in another order, one of them also a key
// to another table: imported, then synchronised with nothing changed in the database.
TEST_P(SynchronizeSql, AnImmediateSynchronizeKeepsEveryRelationship) {
    auto application = import_test::NewDatabase(
        GetParam(),
        {R"sql(CREATE TABLE "class" ("id" INTEGER PRIMARY KEY))sql",
         R"sql(CREATE TABLE "unit" ("id" INTEGER PRIMARY KEY, "class_id" INTEGER NOT NULL REFERENCES "class",
             UNIQUE ("id", "class_id")))sql",
         R"sql(CREATE TABLE "unit_ac" ("entry_id" INTEGER, "class_id" INTEGER REFERENCES "class" ("id"),
             "bu_id" INTEGER, PRIMARY KEY ("bu_id", "class_id", "entry_id"),
             FOREIGN KEY ("class_id", "bu_id") REFERENCES "unit" ("class_id", "id")))sql",
         R"sql(CREATE TABLE "unit_inv" ("id" INTEGER PRIMARY KEY, "bu_id" INTEGER, "class_id" INTEGER,
             FOREIGN KEY ("class_id", "bu_id") REFERENCES "unit" ("class_id", "id")))sql"},
        mFolder.Path());
    import_test::ImportEveryTable(application);
    mSink.SetApplication(application);
    const std::string imported = testing_support::DumpModel(*application);
    std::vector<std::pair<std::string, std::shared_ptr<core::qelRelationship>>> relationships;
    for (const auto& relationship : *application->Relationships())
        relationships.emplace_back(relationship->Name(), relationship);
    ASSERT_EQ(relationships.size(), 4u);

    SynchronizeApplication(mSink);
    EXPECT_EQ(testing_support::DumpModel(*application), imported);
    for (const auto& [name, relationship] : relationships)
        EXPECT_EQ(application->Relationships()->Item(name), relationship) << name;
    EXPECT_EQ(import_test::PromptTexts(mScript),
              Names{std::string(import_test::kSynchronizedUnchanged) + " | 64 | Database Synchornization"});
}

INSTANTIATE_TEST_SUITE_P(Databases, SynchronizeSql, ::testing::Values(Kind::Sqlite, Kind::Postgres),
                         [](const auto& info) { return info.param == Kind::Sqlite ? "Sqlite" : "Postgres"; });

}  // namespace
}  // namespace schemaimport
