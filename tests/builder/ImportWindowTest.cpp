// The main window as the import's model sink: the sink contract on the window, and an import of an
// SQLite database into the window's views.

#include <gtest/gtest.h>

#include "builder/frmAppInfo.h"
#include "builder/frmRelationshipBuilder.h"
#include "schemaimport/ImportNotes.h"
#include "schemaimport/frmAvailTablesorFields.h"
#include "schemaimport/frmODBCLogon.h"
#include "tests/builder/MainWindowFixture.h"
#include "tests/schemaimport/CatalogDatabases.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/ModelDump.h"
#include "tests/support/ModelSinkContract.h"
#include "tests/support/OdbcSandbox.h"

namespace builder_test {
namespace {

// A loaded window over a repository of its own, answering through a script, for the contract suite.
struct LoadedWindow {
    dao_test::TestFolder folder;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped{script};
    builder::frmBuilderMain form;
    LoadedWindow() {
        form.SetToolDBPath(folder.Path());
        form.Show();
    }
};

class ImportIntoWindow : public MainWindow {};

TEST_F(ImportIntoWindow, ClearViewsEmptiesTheTreeAndTheListsAndKeepsTheModel) {
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mForm.myPropertyForm_PropertyAdded(NewProperty("Customer", "Name"));
    const auto& customer = mForm.Application()->BusinessObjects()->Item("Customer");
    mForm.myRelationshipForm_RelationshipAdded(NewRelationship(*mForm.Application(), customer, customer));
    mForm.ClearViews();
    const auto& views = mForm.Views();
    EXPECT_EQ(views.BusObjTreeView.Count() + views.PropertyListView.Count() + views.MethodListView.Count() +
                  views.RelationshipListView.Count(),
              0);
    EXPECT_EQ(customer->Properties()->Count(), 1);
    EXPECT_EQ(mForm.Application()->Relationships()->Count(), 1);
}

// File > New's import of two tables, one at a time: business objects, properties, keys and the
// relationship reach the views.
TEST_F(ImportIntoWindow, TheImportFillsTheViews) {
    testing_support::OdbcSandbox::Get().Clear();
    const auto file = mFolder / "app.db";
    catalog_test::Run(
        "Driver=SQLite3;Database=" + file.string(),
        {R"sql(CREATE TABLE "Customers" ("CustomerID" INTEGER PRIMARY KEY, "Name" VARCHAR(30)))sql",
         R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
                           "CustomerID" INTEGER REFERENCES "Customers" ("CustomerID")))sql",
         R"sql(CREATE TABLE "Notes" ("NoteID" INTEGER PRIMARY KEY))sql"});
    testing_support::OdbcSandbox::Get().AddUserSource(
        "WindowApp", testing_support::OdbcSandbox::kSqliteDriver, {{"Database", file.string()}});
    const auto previous = mForm.Application();
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("Sales");
    application->SetDBType("SQL");
    application->SetDSN("WindowApp");
    mForm.SetApplication(application);
    const auto chooseFirst = [](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<schemaimport::frmImportSelection&>(dialog);
        form.lstAllTables.ListIndex = 0;
        form.cmdMoveTables_Click(0);
        form.cmdOK_Click();
    };
    mScript.AnswerDialog(chooseFirst);
    mScript.AnswerDialog(chooseFirst);
    mForm.ImportData({previous, false, false});
    mForm.ImportData({application, false, true});

    EXPECT_EQ(mForm.Caption(), "VBOstrel - Sales");
    EXPECT_TRUE(mForm.IsImported());
    EXPECT_TRUE(mForm.IsDataChanged());
    EXPECT_FALSE(mForm.IsAppOpened());
    EXPECT_EQ(mForm.StatusText(), "Ready...");
    EXPECT_EQ(
        Rows(mForm.Views().PropertyListView),
        (std::vector<std::string>{
            "Customers.Properties.CustomerID = Customers|CustomerID|Long|Read/Write|CustomerID:|4|True|"
            "CustomerID|True|TextBox|Customers",
            "Customers.Properties.Name = Customers|Name|String|Read/Write|Name:|30|False|Name|False|TextBox|"
            "Customers",
            "Orders.Properties.OrderID = Orders|OrderID|Long|Read/Write|OrderID:|4|True|OrderID|True|TextBox|"
            "Orders",
            "Orders.Properties.CustomerID = Orders|CustomerID|Long|Read/Write|CustomerID:|4|False|CustomerID|"
            "False|TextBox|Orders",
        }));
    const std::vector<std::string> relationships = {
        "Customers.Relationships.Relationship1 = Customers|sometimes|has|Many|Orders",
        "Orders.Relationships.Relationship1 = Orders|sometimes|has|One|Customers",
    };
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);

    // File > Import of the last table into the stored application: the relationship is made again in the
    // views, and the repository keeps its own until the application is saved, which No declines.
    mForm.SetApplicationInfoPrompt(std::make_unique<repository::SuppliedApplicationInfo>(
        repository::ApplicationInfo{"Sales", "", 3, "UI", "Bus", "Data", "SQL", "WindowApp", ""}));
    mForm.mnuFileSave_Click();
    ASSERT_TRUE(mForm.IsAppOpened());
    ASSERT_EQ(mForm.dbZUN()->Select("Association").Count(), 2);
    mScript.AnswerDialog(chooseFirst);
    mForm.ImportData({application, true, true});
    EXPECT_TRUE(mForm.IsAppOpened());
    EXPECT_EQ(application->BusinessObjects()->Count(), 3);
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);
    mScript.AnswerMsgBox(ui::vbNo);
    ASSERT_TRUE(mForm.mnuFileExit_Click());
    mForm.Show();
    OpenFirstApplication();
    EXPECT_EQ(mForm.Application()->BusinessObjects()->Count(), 2);
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);
}

// Right after an import, before any save: a foreign key whose column refuses Null is mandatory and its
// child always has a parent, through either relationship reader.
TEST_F(ImportIntoWindow, AForeignKeyThatRefusesNullIsMandatoryAsSoonAsItIsImported) {
    testing_support::OdbcSandbox::Get().Clear();
    const auto database =
        import_test::NewDatabase(catalog_test::Kind::Sqlite,
                                 {R"sql(CREATE TABLE "Customers" ("CustomerID" INTEGER PRIMARY KEY))sql",
                                  R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
             "CustomerID" INTEGER NOT NULL REFERENCES "Customers" ("CustomerID")))sql"},
                                 mFolder.Path());
    for (const char* dbType : {"SQL", "Access"}) {
        SCOPED_TRACE(dbType);
        mForm.ClearViews();
        const auto previous = mForm.Application();
        mForm.SetApplication(import_test::NewApplication(dbType, database->DSN()));
        mScript.AnswerDialog(import_test::Choose());
        mForm.ImportData({previous, false, false});
        EXPECT_EQ(Rows(mForm.Views().PropertyListView).back(),
                  "Orders.Properties.CustomerID = Orders|CustomerID|Long|Read/Write|CustomerID:|4|False|"
                  "CustomerID|True|TextBox|Orders");
        EXPECT_EQ(Rows(mForm.Views().RelationshipListView).back(),
                  "Orders.Relationships.Relationship1 = Orders|always|has|One|Customers");
    }
}

// File > New through the application dialog and the data-source logon of its Browse, then File >
// Synchronize Application after the test changed the schema, and the toolbar's Import with nothing left:
// every answer scripted, the window's views followed.
TEST_F(ImportIntoWindow, TheMenusImportAndSynchronize) {
    auto& sandbox = testing_support::OdbcSandbox::Get();
    sandbox.Clear();
    const auto file = mFolder / "menus.db";
    const std::string connectString = "Driver=SQLite3;Database=" + file.string();
    catalog_test::Run(
        connectString,
        {
            R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30), "Phone" VARCHAR(10),
            "Fax" VARCHAR(10)))sql",
            R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
            "CustomerID" INTEGER REFERENCES "Customers" ("ID")))sql",
        });
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& info = dynamic_cast<builder::frmAppInfo&>(dialog);
        info.SetNameText("Sales");
        info.cmbDBFormat_Click(builder::frmAppInfo::kODBC);
        info.cmdBrowse_Click();
        EXPECT_EQ(info.txtDSNorDatabase.Text, "MenuApp");
        info.cmdOK_Click();
    });
    mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
        // Registered here, on a machine with no data source yet.
        auto& logon = dynamic_cast<schemaimport::frmODBCLogon&>(dialog);
        logon.SetDataSourceText("MenuApp");
        logon.SelectDriver(1);
        logon.txtUID.Text = "clerk";
        logon.txtPWD.Text = "secret";
        logon.txtDatabase.Text = file.string();
        logon.cmdOK_Click();  // not registered yet: refused, the dialog stays
        EXPECT_FALSE(logon.IsUnloaded());
        logon.cmdRegister_Click();
        logon.cmdOK_Click();
    });
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        dynamic_cast<schemaimport::frmDataSourceAttributes&>(dialog).cmdOK_Click();
    });
    mScript.AnswerDialog(import_test::Choose());
    mForm.RunMenuCommand("mnuFileNew");

    const auto& application = *mForm.Application();
    EXPECT_EQ(application.Name(), "Sales");
    EXPECT_EQ(application.DSN(), "MenuApp");
    EXPECT_EQ(application.DBType(), "SQL");
    EXPECT_EQ(application.UserName(), "clerk");
    EXPECT_EQ(mForm.Caption(), "VBOstrel - Sales");
    ASSERT_EQ(application.BusinessObjects()->Count(), 2);
    EXPECT_EQ(application.Relationships()->Count(), 1);
    const std::string refused =
        "The data source \"MenuApp\" is not registered. Choose its driver and press "
        "Register, or choose a registered data source from the list. (10, VB Ostrel)";
    const std::string registered = "Datasource Registration Succeeded, proceed with OK. (64, VB Ostrel)";
    ASSERT_EQ(Messages(), (std::vector<std::string>{refused, registered}));

    catalog_test::Run(connectString,
                      {
                          R"sql(ALTER TABLE "Customers" RENAME COLUMN "Phone" TO "Telephone")sql",
                          R"sql(ALTER TABLE "Customers" DROP COLUMN "Fax")sql",
                          R"sql(ALTER TABLE "Customers" ADD COLUMN "Email" VARCHAR(40))sql",
                          R"sql(CREATE TABLE "Order Notes" ("NoteID" INTEGER PRIMARY KEY,
            "OrderID" INTEGER REFERENCES "Orders" ("OrderID")))sql",
                      });
    mScript.AnswerMsgBox(ui::vbYes);
    mScript.AnswerMsgBox(ui::vbNo);
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& chooser = dynamic_cast<schemaimport::frmAvailTablesorFields&>(dialog);
        EXPECT_EQ(chooser.lstTablesorFields.List,
                  (std::vector<std::string>{"ID", "Name", "Telephone", "Email"}));
        chooser.lstTablesorFields.ListIndex = 2;
        chooser.cmdOK_Click();
    });
    mScript.AnswerDialog(import_test::Choose());
    mForm.SetIsDataChanged(false);
    mForm.RunMenuCommand("mnuFileSyncApplication");

    EXPECT_EQ(Messages(),
              (std::vector<std::string>{refused, registered,
                                        "Was the Phone field re-named? (4, Database Synchornization)",
                                        "Was the Fax field re-named? (4, Database Synchornization)",
                                        import_test::Synchronized(2) + " (64, Database Synchornization)"}));
    EXPECT_EQ(
        mScript.DialogsShown(),
        (std::vector<std::string>{"frmAppInfo", "frmODBCLogon", "frmDataSourceAttributes",
                                  "frmImportSelection", "frmAvailTablesorFields", "frmImportSelection"}));
    // The refreshed and re-pointed rows stay where they were; the new ones come last.
    EXPECT_EQ(
        Rows(mForm.Views().PropertyListView),
        (std::vector<std::string>{
            "Customers.Properties.ID = Customers|ID|Long|Read/Write|ID:|4|True|ID|True|TextBox|Customers",
            "Customers.Properties.Name = Customers|Name|String|Read/Write|Name:|30|False|Name|False|"
            "TextBox|Customers",
            "Customers.Properties.Phone = Customers|Phone|String|Read/Write|Phone:|10|False|Telephone|"
            "False|TextBox|Customers",
            "Orders.Properties.OrderID = Orders|OrderID|Long|Read/Write|OrderID:|4|True|OrderID|True|"
            "TextBox|Orders",
            "Orders.Properties.CustomerID = Orders|CustomerID|Long|Read/Write|CustomerID:|4|False|"
            "CustomerID|False|TextBox|Orders",
            "Customers.Properties.Email = Customers|Email|String|Read/Write|Email:|40|False|Email|False|"
            "TextBox|Customers",
            "Order_Notes.Properties.NoteID = Order_Notes|NoteID|Long|Read/Write|NoteID:|4|True|NoteID|"
            "True|TextBox|Order Notes",
            "Order_Notes.Properties.OrderID = Order_Notes|OrderID|Long|Read/Write|OrderID:|4|False|"
            "OrderID|False|TextBox|Order Notes",
        }));
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView),
              (std::vector<std::string>{
                  "Customers.Relationships.Relationship1 = Customers|sometimes|has|Many|Orders",
                  "Orders.Relationships.Relationship1 = Orders|sometimes|has|One|Customers",
                  "Orders.Relationships.Relationship2 = Orders|sometimes|has|Many|Order_Notes",
                  "Order_Notes.Relationships.Relationship2 = Order_Notes|sometimes|has|One|Orders",
              }));
    EXPECT_FALSE(mForm.Views().BusObjTreeView.Contains("Customers.Properties.Fax"));
    EXPECT_TRUE(mForm.Views().BusObjTreeView.Contains("Order_Notes.Properties.NoteID"));
    EXPECT_TRUE(mForm.IsDataChanged());
    EXPECT_TRUE(mForm.IsImported());
    EXPECT_EQ(mForm.StatusText(), "Ready...");
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);

    mForm.tlbToolBar_ButtonClick("Import");
    EXPECT_EQ(Messages().back(),
              "There are no tables left in the current Application's\rdatabase to import. (64, Application "
              "Import)");
}

// A stored application synchronised (a column dropped and one added, a table re-named, one dropped): the
// repository keeps its rows until the save that closing offers, not another application's; No opens the
// application again as it was stored, Yes as the synchronisation left it. The relationship edited before, its
// key still there, keeps its rows and edits; the re-named table is chosen among the tables no business object
// maps.
TEST_F(ImportIntoWindow, AStoredApplicationSynchronisedIsSavedOnClosing) {
    auto& sandbox = testing_support::OdbcSandbox::Get();
    sandbox.Clear();
    const auto file = mFolder / "stored.db";
    const std::string connectString = "Driver=SQLite3;Database=" + file.string();
    catalog_test::Run(
        connectString,
        {
            R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30), "Fax" VARCHAR(10)))sql",
            R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
            "CustomerID" INTEGER REFERENCES "Customers" ("ID")))sql",
            R"sql(CREATE TABLE "Old" ("OldID" INTEGER PRIMARY KEY, "CustomerID" INTEGER REFERENCES "Customers" ("ID")))sql",
        });
    sandbox.AddUserSource("StoredApp", testing_support::OdbcSandbox::kSqliteDriver,
                          {{"Database", file.string()}});
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("Stored");
    application->SetDBType("SQL");
    application->SetDSN("StoredApp");
    const auto previous = mForm.Application();
    mForm.SetApplication(application);
    mScript.AnswerDialog(import_test::Choose());
    mForm.ImportData({previous, false, false});
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& edit = dynamic_cast<builder::frmRelationshipBuilder&>(dialog);
        edit.txtAssoc1Name_Change("places");
        edit.txtAssoc2Name_Change("is placed by");
        edit.cmbRelType_Click(0);
        edit.cmdOK_Click();
    });
    mForm.Views().RelationshipListView.Select("Customers.Relationships.Relationship1");
    mForm.ListView_DblClick(ListTab::Relationships);
    mForm.SetApplicationInfoPrompt(std::make_unique<repository::SuppliedApplicationInfo>(
        repository::ApplicationInfo{"Stored", "", 3, "UI", "Bus", "Data", "SQL", "StoredApp", ""}));
    mForm.mnuFileSave_Click();
    ASSERT_TRUE(mForm.IsAppOpened());
    auto& repository = *mForm.dbZUN();
    ASSERT_EQ(repository.Select("BusinessObject").Count(), 3);
    ASSERT_EQ(repository.Select("Property").Count(), 7);
    const auto relationshipRows = [this] {
        std::vector<std::string> rows;
        for (const auto& row :
             mForm.dbZUN()->Query(R"sql(SELECT r."ID", "RelType", a."ID" AS "End", "Description"
            FROM "Relationship" r JOIN "Association" a ON a."RelationshipID" = r."ID" ORDER BY a."ID")sql"))
            rows.push_back(row["ID"].ToString() + " " + row["RelType"].ToString() + " " +
                           row["End"].ToString() + " " + row["Description"].ToString());
        return rows;
    };
    const std::vector<std::string> storedRows = {"1 Identifying 1 places", "1 Identifying 2 is placed by",
                                                 "2 Reference 3 has", "2 Reference 4 has"};
    ASSERT_EQ(relationshipRows(), storedRows);
    const std::string stored = testing_support::DumpModel(*mForm.Application());
    // Other, saved empty, is opened after Stored is closed without saving.
    mForm.SetIsAppOpened(false);
    mForm.SetApplication(std::make_shared<core::qelApplication>());
    mForm.SetApplicationInfoPrompt(std::make_unique<repository::SuppliedApplicationInfo>(
        repository::ApplicationInfo{"Other", "", 3, "UI", "Bus", "Data", "SQL", "StoredApp", ""}));
    mForm.mnuFileSave_Click();
    OpenFirstApplication();

    catalog_test::Run(connectString,
                      {R"sql(ALTER TABLE "Customers" DROP COLUMN "Fax")sql", R"sql(DROP TABLE "Old")sql",
                       R"sql(ALTER TABLE "Customers" ADD COLUMN "Email" VARCHAR(40))sql",
                       R"sql(ALTER TABLE "Orders" RENAME TO "Purchases")sql"});
    const int32_t No = ui::vbNo, Yes = ui::vbYes;
    for (const int32_t save : {No, Yes}) {
        mScript = ui::ScriptedInteraction();
        for (const int32_t answer : {No, Yes, No, int32_t{ui::vbOK}, save})
            mScript.AnswerMsgBox(answer);
        mScript.AnswerDialog([](ui::ModalDialog& dialog) {
            auto& chooser = dynamic_cast<schemaimport::frmAvailTablesorFields&>(dialog);
            EXPECT_EQ(chooser.lstTablesorFields.List, std::vector<std::string>{"Purchases"});
            chooser.lstTablesorFields.ListIndex = 0;
            chooser.cmdOK_Click();
        });
        mForm.RunMenuCommand("mnuFileSyncApplication");
        const std::string synchronized = testing_support::DumpModel(*mForm.Application());
        ASSERT_TRUE(mForm.mnuFileExit_Click());
        EXPECT_EQ(Messages(),
                  (std::vector<std::string>{"Was the Fax field re-named? (4, Database Synchornization)",
                                            "Was the Orders table re-named? (4, Database Synchornization)",
                                            "Was the Old table re-named? (4, Database Synchornization)",
                                            import_test::Synchronized(1) + " (64, Database Synchornization)",
                                            "Do you wish to save your changes? (36, VB Ostrel)"}));
        if (save == No) {  // Other's save runs none of the deletes that Stored's model left waiting
            mForm.Show();
            OpenApplication(1);
            const auto rows = RowCounts();
            mForm.mnuFileSave_Click();
            EXPECT_EQ(RowCounts(), rows);
            ASSERT_TRUE(mForm.mnuFileExit_Click());
        }
        mForm.Show();
        OpenFirstApplication();
        EXPECT_EQ(testing_support::DumpModel(*mForm.Application()), save == Yes ? synchronized : stored);
        EXPECT_EQ(relationshipRows(),
                  save == Yes ? std::vector(storedRows.begin(), storedRows.begin() + 2) : storedRows);
    }
    EXPECT_NE(stored, testing_support::DumpModel(*mForm.Application()));

    // Of a database type that reads no relationships: they stay, shown and stored, and the closing word
    // says why none were read.
    mScript = ui::ScriptedInteraction();
    mForm.Application()->SetDBType("Oracle");
    const auto shown = Rows(mForm.Views().RelationshipListView);
    const auto rows = RowCounts();
    mForm.RunMenuCommand("mnuFileSyncApplication");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{import_test::kSynchronizedUnchanged + std::string("\r\n\r\n") +
                                       schemaimport::RelationshipsNotRead(*mForm.Application()) +
                                       " (64, Database Synchornization)"});
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), shown);
    mForm.mnuFileSave_Click();
    EXPECT_EQ(RowCounts(), rows);
}

// File > Import... of the Access fixture into an empty window, then File > Synchronize Application: only
// the binary column's refusal again, named at the end too, and the views as the import left them.
TEST_F(ImportIntoWindow, SynchronisingTheAccessFixtureRightAfterItsImportKeepsTheViews) {
    testing_support::OdbcSandbox::Get().Clear();
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& info = dynamic_cast<builder::frmAppInfo&>(dialog);
        info.SetNameText("Jet");
        info.SetDSNorDatabaseText(dao_test::Fixture("import_access.mdb").string());
        info.cmdOK_Click();
    });
    mScript.AnswerDialog(import_test::Choose());
    mForm.RunMenuCommand("mnuFileImport");
    ASSERT_EQ(mForm.Application()->BusinessObjects()->Count(), 5);
    const auto properties = Rows(mForm.Views().PropertyListView);
    const auto relationships = Rows(mForm.Views().RelationshipListView);
    const auto tree = TreeKeys();
    const auto imported = mScript.Prompts().size();

    mForm.RunMenuCommand("mnuFileSyncApplication");
    EXPECT_EQ(Rows(mForm.Views().PropertyListView), properties);
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);
    EXPECT_EQ(TreeKeys(), tree);
    ASSERT_EQ(mScript.Prompts().size(), imported + 3);
    EXPECT_EQ(Messages()[imported],
              "Raw field cannot be imported! It holds binary data of a set length, which no property type "
              "takes. (64, VB Ostrel)");
}

}  // namespace
}  // namespace builder_test

namespace sink_contract {

INSTANTIATE_TEST_SUITE_P(Window, ModelSinkContract, ::testing::Values(SinkFactory([] {
                             auto window = std::make_shared<builder_test::LoadedWindow>();
                             return std::shared_ptr<schemaimport::ModelSink>(window, &window->form);
                         })));

}  // namespace sink_contract
