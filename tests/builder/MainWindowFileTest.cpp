// File > Open and Save on a copy of the sample repository, the unload's question, and a repository that
// cannot be opened.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "builder/frmAppOpen.h"
#include "core/AddInSettings.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/Settings.h"
#include "repository/RepositorySchema.h"
#include "tests/builder/SampleWindow.h"
#include "tests/core/TemporarySettings.h"
#include "tests/repository/TestModels.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(Sample, OpeningFillsTheTreeAndTheLists) {
    Open("K1");
    EXPECT_EQ(mOpenRows, (Lines{"K1 = OrderEntry|Order entry for a wholesaler||OrderEntry"}));
    EXPECT_FALSE(mOpenStayed);
    EXPECT_EQ(mForm.Caption(), "VBOstrel - OrderEntry");
    EXPECT_EQ(mForm.StatusText(), "Ready...");
    EXPECT_TRUE(mForm.IsAppOpened());
    EXPECT_FALSE(mForm.IsDataChanged());
    EXPECT_EQ(mForm.CurrentContext(), Context::None);
    EXPECT_EQ(mForm.SSTab1(), ListTab::Properties);
    EXPECT_EQ(mForm.AppOpenForm(), nullptr);
    EXPECT_EQ(TreeKeys(), (Lines{"Customer *",
                                 "  Customer.Properties",
                                 "    Customer.Properties.CustomerID",
                                 "    Customer.Properties.Name",
                                 "    Customer.Properties.Balance",
                                 "    Customer.Properties.Notes",
                                 "    Customer.Properties.IsActive",
                                 "    Customer.Properties.FirstOrderDate",
                                 "    Customer.Properties.PaymentTerms",
                                 "    Customer.Properties.DiscountPercent",
                                 "    Customer.Properties.CustomerType",
                                 "    Customer.Properties.Phone",
                                 "    Customer.Properties.Email",
                                 "    Customer.Properties.CreditLimit",
                                 "  Customer.Methods",
                                 "    Customer.Methods.Add",
                                 "    Customer.Methods.Update",
                                 "    Customer.Methods.Read",
                                 "    Customer.Methods.Delete",
                                 "  Customer.Relationships",
                                 "    Customer.Relationships.Relationship1",
                                 "    Customer.Relationships.Relationship2",
                                 "Product *",
                                 "  Product.Properties",
                                 "    Product.Properties.SupplierCode",
                                 "    Product.Properties.ProductCode",
                                 "    Product.Properties.Description",
                                 "    Product.Properties.UnitPrice",
                                 "  Product.Methods",
                                 "    Product.Methods.Add",
                                 "    Product.Methods.Update",
                                 "    Product.Methods.Read",
                                 "    Product.Methods.Delete",
                                 "  Product.Relationships",
                                 "    Product.Relationships.Relationship4",
                                 "Order *",
                                 "  Order.Properties",
                                 "    Order.Properties.OrderID",
                                 "    Order.Properties.CustomerID",
                                 "    Order.Properties.BillToCustomerID",
                                 "    Order.Properties.OrderDate",
                                 "    Order.Properties.Signature",
                                 "  Order.Methods",
                                 "    Order.Methods.Add",
                                 "    Order.Methods.Update",
                                 "    Order.Methods.Read",
                                 "    Order.Methods.Delete",
                                 "    Order.Methods.Ship",
                                 "  Order.Relationships",
                                 "    Order.Relationships.Relationship1",
                                 "    Order.Relationships.Relationship2",
                                 "    Order.Relationships.Relationship3",
                                 "OrderLine *",
                                 "  OrderLine.Properties",
                                 "    OrderLine.Properties.OrderID",
                                 "    OrderLine.Properties.LineNo",
                                 "    OrderLine.Properties.SupplierCode",
                                 "    OrderLine.Properties.ProductCode",
                                 "    OrderLine.Properties.Quantity",
                                 "  OrderLine.Methods",
                                 "    OrderLine.Methods.Add",
                                 "    OrderLine.Methods.Update",
                                 "    OrderLine.Methods.Read",
                                 "    OrderLine.Methods.Delete",
                                 "  OrderLine.Relationships",
                                 "    OrderLine.Relationships.Relationship3",
                                 "    OrderLine.Relationships.Relationship4"}));
    EXPECT_EQ(
        Rows(mForm.Views().RelationshipListView),
        (Lines{"Order.Relationships.Relationship1 = Order|always|is placed by|One|Customer",
               "Customer.Relationships.Relationship1 = Customer|sometimes|places|Many|Order",
               "Order.Relationships.Relationship2 = Order|sometimes|is billed to|One|Customer",
               "Customer.Relationships.Relationship2 = Customer|sometimes|is billed for|Many|Order",
               "OrderLine.Relationships.Relationship3 = OrderLine|always|is part of|One|Order",
               "Order.Relationships.Relationship3 = Order|always|contains|Many|OrderLine",
               "OrderLine.Relationships.Relationship4 = OrderLine|always|orders|One|Product",
               "Product.Relationships.Relationship4 = Product|sometimes|is ordered on|Many|OrderLine"}));
    const Lines properties = Rows(mForm.Views().PropertyListView);
    ASSERT_EQ(properties.size(), 26u);
    EXPECT_EQ(properties[0],
              "Customer.Properties.CustomerID = Customer|CustomerID|Long|Read Only|Customer "
              "No.|4|True|CustomerID|True|"
              "TextBox|Customer");
    EXPECT_EQ(properties[18],
              "Order.Properties.BillToCustomerID = Order|BillToCustomerID|Long|Read/Write|Bill To|4|False|"
              "BillToCustomerID|False|ComboBox|Order Header");
    const Lines methods = Rows(mForm.Views().MethodListView);
    ASSERT_EQ(methods.size(), 17u);
    EXPECT_EQ(methods[12], "Order.Methods.Ship = Order|Ship|Function|Boolean");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Node("Product.Relationships.Relationship4").Text,
              "is ordered on Many OrderLine");
}

TEST_F(Sample, ARenameIsSavedAndOpensAgainWithEveryRowAndRelationship) {
    Open("K1");
    Select("Customer");
    mForm.mnuBusObjRename_Click();
    std::string label = "Client";
    ASSERT_FALSE(mForm.BusObjTreeView_AfterLabelEdit(label));
    const auto before = RowCounts();
    mForm.mnuFileSave_Click();
    EXPECT_FALSE(mForm.IsDataChanged());
    EXPECT_EQ(RowCounts(), before);
    const std::string saved = repository_test::DescribeModel(*mForm.Application());
    const Lines tree = TreeKeys();
    const Lines relationships = Rows(mForm.Views().RelationshipListView);

    Open("K1");
    EXPECT_EQ(repository_test::DescribeModel(*mForm.Application()), saved);
    EXPECT_EQ(TreeKeys(), tree);
    EXPECT_EQ(Rows(mForm.Views().RelationshipListView), relationships);
    EXPECT_EQ(tree[0], "Client *");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Node("Order.Relationships.Relationship1").Text,
              "is placed by One Client");
    // A second save adds no row.
    mForm.mnuFileSave_Click();
    EXPECT_EQ(RowCounts(), before);
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(Sample, AFailedLoadLeavesTheWindowAsItWasAndTheDialogOpen) {
    Open("K1");
    const Lines tree = TreeKeys();
    const auto application = mForm.Application();
    mForm.myMethodForm_MethodAdded(NewMethod("Order", "Cancel"));
    mForm.dbZUN()->Execute(R"sql(UPDATE "Property" SET "Label" = NULL WHERE "ID" = 20)sql");
    mScript.AnswerMsgBox(ui::vbNo);  // the unsaved method is not saved
    Open("K1");
    EXPECT_TRUE(mOpenStayed);
    EXPECT_EQ(mScript.DialogsShown(), (Lines{"frmAppOpen", "frmAppOpen", "frmErrorDisplayUtil"}));
    EXPECT_EQ(mForm.Application(), application);
    EXPECT_EQ(mForm.Caption(), "VBOstrel - OrderEntry");
    EXPECT_TRUE(mForm.IsDataChanged());
    Lines withCancel = tree;
    withCancel.insert(withCancel.begin() + 48, "    Order.Methods.Cancel");
    EXPECT_EQ(TreeKeys(), withCancel);
    EXPECT_EQ(mForm.Views().MethodListView.Count(), 18);
}

TEST_F(Sample, OpenWithNoRowSelectedAndCancelChangeNothing) {
    Open("");
    EXPECT_TRUE(mOpenStayed);
    EXPECT_EQ(mForm.Caption(), "VBOstrel - New Application");
    EXPECT_TRUE(TreeKeys().empty());
    EXPECT_FALSE(mForm.IsAppOpened());
}

TEST_F(MainWindow, UnloadAsksToSaveOnlyUnsavedChanges) {
    // Nothing changed: no question.
    EXPECT_TRUE(mForm.mnuFileExit_Click());
    EXPECT_TRUE(mScript.Prompts().empty());
    EXPECT_FALSE(mForm.IsLoaded());

    // A change that the first save's question cancels keeps the window open.
    mForm.Show();
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mScript.AnswerMsgBox(ui::vbYes);
    EXPECT_FALSE(mForm.mnuFileExit_Click());
    EXPECT_TRUE(mForm.IsLoaded());
    EXPECT_EQ(Messages(), (Lines{"Do you wish to save your changes? (36, VB Ostrel)"}));

    // No closes without saving; the disconnection closes whatever the save does.
    mScript.AnswerMsgBox(ui::vbNo);
    EXPECT_TRUE(mForm.mnuFileExit_Click());
    mForm.Show();
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mScript.AnswerMsgBox(ui::vbYes);
    mForm.Unload();
    EXPECT_FALSE(mForm.IsLoaded());
    EXPECT_EQ(mScript.Prompts().size(), 3u);
}

TEST(MainWindowSettings, UnloadWritesBackTheConnectionSettingsReadAtLoad) {
    TemporarySettings settings;
    core::AddInSettings::Reset();
    ui::SaveSetting("Microsoft Visual Basic AddIns", "VB Ostrel", "ODBCPassword", "secret");
    ui::SaveSetting("Microsoft Visual Basic AddIns", "VB Ostrel", "ODBCServer", "db1");
    dao_test::TestFolder folder;
    ui::ScriptedInteraction script;
    ui::ScopedInteraction useScript(script);
    builder::frmBuilderMain form;
    form.SetToolDBPath(folder.Path());
    form.Show();
    EXPECT_EQ(core::AddInSettings::Values().ODBCServer, "db1");
    core::AddInSettings::Values().ODBCDatasource = "Sales";
    form.Unload();
    const auto stored = [](const char* key) {
        return ui::GetSetting("Microsoft Visual Basic AddIns", "VB Ostrel", key, "(none)");
    };
    EXPECT_EQ(stored("ODBCPassword"), "secret");
    EXPECT_EQ(stored("ODBCServer"), "db1");
    EXPECT_EQ(stored("ODBCDatasource"), "Sales");
    EXPECT_EQ(stored("DataType"), "");
    core::AddInSettings::Reset();
}

TEST_F(MainWindow, AFirstSaveAsksForTheApplicationAndAddsItsRow) {
    mForm.SetApplicationInfoPrompt(
        std::make_unique<repository::SuppliedApplicationInfo>(repository_test::SampleInfo("Sales")));
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mForm.mnuFileSave_Click();
    EXPECT_TRUE(mForm.IsAppOpened());
    EXPECT_FALSE(mForm.IsDataChanged());
    EXPECT_EQ(mForm.StatusText(), "Ready...");
    EXPECT_EQ(mForm.dbZUN()->Select("Application").Count(), 1);
    mForm.mnuFileSave_Click();
    EXPECT_EQ(mForm.dbZUN()->Select("Application").Count(), 1);
    EXPECT_EQ(mForm.dbZUN()->Select("Method").Count(), 4);
}

TEST(MainWindowLoad, ARepositoryThatCannotBeOpenedIsReportedOnce) {
    dao_test::TestFolder folder;
    std::filesystem::create_directories(folder.Path());
    std::ofstream(folder.Path() / "vbostrel.mdb") << "not a database";
    std::ofstream(folder.Path() / "file") << "in the way";
    const struct {
        std::filesystem::path toolDBPath;
        std::string message;
        const char* title;
    } cases[] = {
        {folder.Path(),
         "The file " + (folder.Path() / "vbostrel.mdb").string() +
             " is not a VBOstrel repository, or it is damaged: file is not a database.",
         "Error - Database Not Usable"},
        {folder.Path() / "file" / "ostrel", "The VBOstrel database cannot be found!",
         "Error - Database Not Found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ui::ScriptedInteraction script;
        ui::ScopedInteraction useScript(script);
        builder::frmBuilderMain form;
        form.SetToolDBPath(c.toolDBPath);
        form.Show();
        ASSERT_EQ(script.Prompts().size(), 1u);
        EXPECT_EQ(script.Prompts()[0].prompt, c.message);
        EXPECT_EQ(script.Prompts()[0].buttons, 10);
        EXPECT_EQ(script.Prompts()[0].title, c.title);
        EXPECT_TRUE(form.IsLoaded());
        EXPECT_EQ(form.dbZUN(), nullptr);
        EXPECT_EQ(form.Caption(), "VBOstrel - New Application");
        EXPECT_EQ(form.StatusText(), "Ready");
        // A repository command then fails in its own error path.
        form.mnuFileOpen_Click();
        EXPECT_EQ(script.DialogsShown(), (std::vector<std::string>{"frmErrorDisplayUtil"}));
    }
}

}  // namespace
}  // namespace builder_test
