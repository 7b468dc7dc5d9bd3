// ImportData's course over SQLite: nothing to import, Cancel and the close box of the table selection, the
// window's steps and flags, a database error before any change, a second import into the same model, and
// an import saved and loaded again.

#include <gtest/gtest.h>

#include <fstream>

#include "core/ApplicationLog.h"
#include "core/StatusSink.h"
#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "platform/vb/Error.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"
#include "repository/RepositorySchema.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/ModelDump.h"
#include "tests/support/ScopedFolderVariable.h"

namespace schemaimport {
namespace {

// Three tables: a parent, a child referring to it, and one referring to itself.
const std::vector<std::string> kSchema = {
    R"sql(CREATE TABLE "Customers" ("CustomerID" INTEGER PRIMARY KEY, "Name" VARCHAR(30)))sql",
    R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
        "CustomerID" INTEGER REFERENCES "Customers" ("CustomerID")))sql",
    R"sql(CREATE TABLE "Emp" ("EmpID" INTEGER PRIMARY KEY, "BossID" INTEGER REFERENCES "Emp" ("EmpID")))sql",
};

class ImportDataTest : public ::testing::Test {
  protected:
    ImportDataTest() : mScoped(mScript), mStatus(mStatusRecorder) {
        testing_support::OdbcSandbox::Get().Clear();
    }

    std::shared_ptr<core::qelApplication> NewDatabase(const std::vector<std::string>& statements = kSchema) {
        return import_test::NewDatabase(catalog_test::Kind::Sqlite, statements, mFolder.Path());
    }

    // The window's state before File > New: a stored application with a business object.
    void OpenStoredApplication() {
        mPrevious->SetName("Stored");
        mSink.SetApplication(mPrevious);
        mSink.SetIsAppOpened(true);
        mSink.SetIsImported(false);
    }

    std::vector<std::string> RelationshipNames(const core::qelApplication& application) {
        std::vector<std::string> names;
        for (const auto& relationship : *application.Relationships())
            names.push_back(relationship->Name());
        return names;
    }

    testing_support::ScopedFolderVariable mState{"XDG_STATE_HOME"};
    dao_test::TestFolder mFolder;
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScoped;
    import_test::StatusRecorder mStatusRecorder;
    core::ScopedStatusSink mStatus;
    FilingSink mSink;
    std::shared_ptr<core::qelApplication> mPrevious = std::make_shared<core::qelApplication>();
};

// Nothing offered, Cancel and the close box: the dialog's outcome decides what the window holds.
TEST_F(ImportDataTest, WithoutChosenTablesNothingIsImported) {
    struct Case {
        const char* name;
        bool hasTables;
        std::function<void(frmImportSelection&)> answer;
        bool putBack;  // the previous application and its flags are in the window again
    };
    const Case cases[] = {
        {"no table left", false, nullptr, true},
        {"cancel", true, [](frmImportSelection& form) { form.cmdCancel_Click(); }, true},
        {"OK refused, then cancel", true,
         [](frmImportSelection& form) {
             form.cmdOK_Click();
             form.cmdCancel_Click();
         },
         true},
        {"close box", true, [](frmImportSelection& form) { form.Form_Unload(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenStoredApplication();
        const auto application = NewDatabase(c.hasTables ? kSchema : std::vector<std::string>{});
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        if (c.answer)
            script.AnswerDialog(
                [&](ui::ModalDialog& dialog) { c.answer(dynamic_cast<frmImportSelection&>(dialog)); });
        import_test::ImportInto(mSink, application);

        EXPECT_EQ(script.DialogsShown().size(), c.hasTables ? 1u : 0u);
        EXPECT_EQ(mSink.Application(), c.putBack ? mPrevious : application);
        EXPECT_EQ(mSink.IsAppOpened(), c.putBack);
        EXPECT_FALSE(mSink.IsImported());
        EXPECT_FALSE(mSink.IsDataChanged());
        EXPECT_EQ(application->BusinessObjects()->Count(), 0);
        EXPECT_TRUE(mSink.Steps().empty());
    }
}

TEST_F(ImportDataTest, ANewApplicationGoesThroughTheWindowsStepsAndFlags) {
    const auto application = NewDatabase();
    application->SetName("Sales");
    mSink.SetHasAppInfoForm(true);
    mScript.AnswerDialog(import_test::Choose());
    import_test::ImportInto(mSink, application);

    EXPECT_EQ(mSink.Steps(),
              (std::vector<std::string>{"hide application information", "lock",
                                        "enable stored application commands", "new application",
                                        "caption VBOstrel - Sales", "enable stored application commands",
                                        "unload application information", "unlock"}));
    EXPECT_EQ(mStatusRecorder.Texts,
              (std::vector<std::string>{"Creating New Application...", "Importing Database Information...",
                                        "Ready..."}));
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
    EXPECT_EQ(mSink.Application(), application);
    EXPECT_FALSE(mSink.IsAppOpened());
    EXPECT_TRUE(mSink.IsImported());
    EXPECT_TRUE(mSink.IsDataChanged());
    EXPECT_EQ(application->BusinessObjects()->Count(), 3);
    EXPECT_EQ(RelationshipNames(*application), (std::vector<std::string>{"Relationship1", "Relationship2"}));
}

// A table gone between the offer and the read: the error reaches the caller before anything changed.
TEST_F(ImportDataTest, ADatabaseErrorLeavesModelAndFlagsAsTheyWere) {
    const auto application = NewDatabase();
    mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
        catalog_test::Run("DSN=" + application->DSN(), {R"sql(DROP TABLE "Emp")sql"});
        import_test::Choose()(dialog);
    });
    try {
        import_test::ImportInto(mSink, application);
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), 3078);
        EXPECT_EQ(error.Source(), "ImportData");
    }
    EXPECT_EQ(application->BusinessObjects()->Count(), 0);
    EXPECT_TRUE(mSink.Steps().empty());
    EXPECT_FALSE(mSink.IsImported());
    EXPECT_FALSE(mSink.IsDataChanged());
    std::ifstream log(core::ApplicationLogFile());
    std::string line;
    std::getline(log, line);
    EXPECT_NE(
        line.find(
            "Error ImportData - The database engine cannot find the input table or query 'Emp'. (3078)"),
        std::string::npos)
        << line;
}

// File > Import into a stored application: the new tables join the model, a hand-made relationship and
// the imported ones are all deleted and the database's rebuilt, and the application stays stored.
TEST_F(ImportDataTest, ASecondImportRebuildsEveryRelationship) {
    const auto application = NewDatabase();
    mScript.AnswerDialog(import_test::Choose({"Orders", "Emp"}));
    import_test::ImportInto(mSink, application);
    EXPECT_EQ(RelationshipNames(*application), std::vector<std::string>{"Relationship1"});
    const auto emp = application->BusinessObjects()->Item("Emp");
    const auto hand = std::make_shared<core::qelRelationship>();
    hand->SetRelType("Reference");
    mSink.RelationshipAdded(*application, hand);
    mSink.SetIsAppOpened(true);
    mSink.SetIsDataChanged(false);
    const auto stepsBefore = mSink.Steps().size();

    mScript.AnswerDialog(import_test::Choose());
    ImportData(mSink, {application, true, true});

    EXPECT_EQ(mSink.Application(), application);
    EXPECT_TRUE(mSink.IsAppOpened());
    EXPECT_TRUE(mSink.IsImported());
    EXPECT_TRUE(mSink.IsDataChanged());
    EXPECT_EQ(std::vector<std::string>(mSink.Steps().begin() + static_cast<std::ptrdiff_t>(stepsBefore),
                                       mSink.Steps().end()),
              (std::vector<std::string>{"lock", "caption VBOstrel - Imported",
                                        "enable stored application commands", "unlock"}));
    // Parents in business-object order: Emp's self-reference comes before Customers' orders.
    EXPECT_EQ(testing_support::DumpModel(*application), R"(Orders table=Orders
  OrderID Long(4) "OrderID:" key1 mandatory pk
  CustomerID Long(4) "CustomerID:" null fk foreign ->Customers.CustomerID
  keys OrderID
  sources Orders.Relationships.Relationship2
  targets Customers.Relationships.Relationship2
Emp table=Emp
  EmpID Long(4) "EmpID:" key1 mandatory pk
  BossID Long(4) "BossID:" null fk foreign ->Emp.EmpID
  keys EmpID
  sources Emp.Relationships.Relationship1 Emp.RelationshipsRecursive.Relationship1
  targets Emp.Relationships.Relationship1 Emp.RelationshipsRecursive.Relationship1
Customers table=Customers
  CustomerID Long(4) "CustomerID:" key1 mandatory pk
  Name String(30) "Name:" null
  keys CustomerID
  sources Customers.Relationships.Relationship2
  targets Orders.Relationships.Relationship2
Relationship1 Reference
  Emp.Relationships.Relationship1: Emp -> Emp Many optional has
  Emp.RelationshipsRecursive.Relationship1: Emp -> Emp One optional has +BossID
Relationship2 Reference
  Customers.Relationships.Relationship2: Customers -> Orders Many optional has
  Orders.Relationships.Relationship2: Orders -> Customers One optional has +CustomerID
)");
    EXPECT_EQ(emp, application->BusinessObjects()->Item("Emp"));
}

TEST_F(ImportDataTest, OtherDatabaseTypesGetNoRelationships) {
    const auto application = NewDatabase();
    application->SetDBType("Oracle");
    mScript.AnswerDialog(import_test::Choose());
    import_test::ImportInto(mSink, application);
    EXPECT_EQ(application->BusinessObjects()->Count(), 3);
    EXPECT_EQ(application->Relationships()->Count(), 0);
    ASSERT_FALSE(mScript.Prompts().empty());
    EXPECT_EQ(
        mScript.Prompts().back().prompt,
        "No relationships were read: they are read where the database type is Access or SQL, and this "
        "application's is Oracle (its data source " +
            application->DSN() +
            " uses the driver \"SQLite3\"). "
            "The model keeps the relationships it had; add others with Business Object > Add Relationship.");
    EXPECT_FALSE(application->BusinessObjects()
                     ->Item("Orders")
                     ->Properties()
                     ->Item("Orders.Properties.CustomerID")
                     ->IsForeignProperty());
}

TEST_F(ImportDataTest, AnImportSavedAndLoadedAgainEqualsItself) {
    const auto application = NewDatabase();
    mScript.AnswerDialog(import_test::Choose());
    import_test::ImportInto(mSink, application);

    repository::CreateRepository(mFolder / "vbostrel.mdb");
    auto repository = dao::SqliteDatabase::Open(mFolder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    repository::SuppliedApplicationInfo info(
        repository::ApplicationInfo{"Sales", "", 3, "A", "B", "C", "SQL", application->DSN(), ""});
    ASSERT_EQ(repository::SaveApplication(*repository, *application, false, info),
              repository::SaveOutcome::Saved);
    const auto stored = repository::ReadStoredApplications(*repository);
    const auto loaded = repository::LoadApplication(*repository, *stored.Item(1));
    EXPECT_EQ(testing_support::DumpModel(*loaded), testing_support::DumpModel(*application));
}

}  // namespace
}  // namespace schemaimport
