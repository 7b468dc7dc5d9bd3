// The main window as the import's model sink: the sink contract on the window, and an import of an
// SQLite database into the window's views.

#include <gtest/gtest.h>

#include "tests/builder/MainWindowFixture.h"
#include "tests/schemaimport/CatalogDatabases.h"
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
            "True|TextBox|Orders",
        }));
    const std::vector<std::string> relationships = {
        "Customers.Relationships.Relationship1 = Customers|sometimes|has|Many|Orders",
        "Orders.Relationships.Relationship1 = Orders|always|has|One|Customers",
    };
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);

    // File > Import of the last table into the stored application: the relationship is deleted from the
    // views and the repository and made again.
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
    EXPECT_EQ(mForm.dbZUN()->Select("Association").Count(), 0);
    EXPECT_EQ(mForm.dbZUN()->Select("Relationship").Count(), 0);
}

}  // namespace
}  // namespace builder_test

namespace sink_contract {

INSTANTIATE_TEST_SUITE_P(Window, ModelSinkContract, ::testing::Values(SinkFactory([] {
                             auto window = std::make_shared<builder_test::LoadedWindow>();
                             return std::shared_ptr<schemaimport::ModelSink>(window, &window->form);
                         })));

}  // namespace sink_contract
