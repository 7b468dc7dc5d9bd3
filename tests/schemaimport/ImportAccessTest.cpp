// The import of the Access fixture, all tables: its columns, primary indexes and relations.

#include <gtest/gtest.h>

#include "core/qelApplication.h"
#include "schemaimport/Synchronize.h"
#include "tests/platform/dao/JetFixtureEdits.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/ModelDump.h"
#include "tests/support/OdbcSandbox.h"

namespace schemaimport {
namespace {

using Names = std::vector<std::string>;

// Byte, Binary and Replication ID columns, a Decimal of 18 digits, names with blanks, a leading
// digit or zero and punctuation; a two-column key that is also a foreign key; two self-relations.
constexpr const char* kExpected = R"(Orders table=Orders
  OrderID Long(4) "OrderID:" key1 mandatory pk Read Only/TextBox/qelCodeTable
  Order_Date Date(16) "Order Date:" null
  Note String(40) "Note:"
  Amount Currency(8) "Amount:" null
  Flag Boolean(2) "Flag:"
  Pic OLE Object(0) "Pic:" null
  Memo Memo(0) "Memo:" null
  Sm Integer(2) "Sm:" null
  By Byte(1) "By:" null
  Fl Single(4) "Fl:" null
  Db Double(8) "Db:" null
  Num Double(8) "Num:" null
  Guid String(38) "Guid:" null
  TwondPhone String(20) "2ndPhone:" null
  Code String(5) "0Code:" null
  ShipTo String(20) "Ship-To#:" null
  keys OrderID
  sources Orders.Relationships.Relationship1
  targets Order_Lines.Relationships.Relationship1
Order_Lines table=Order Lines
  OrderID Long(4) "OrderID:" key1 mandatory pk fk foreign ->Orders.OrderID
  LineNo Long(4) "LineNo:" key2 mandatory pk
  ProductID Long(4) "ProductID:" null fk foreign ->Products.ProductID
  Qty Integer(2) "Qty:" null
  keys OrderID LineNo
  sources Order_Lines.Relationships.Relationship1 Order_Lines.Relationships.Relationship2
  targets Orders.Relationships.Relationship1 Products.Relationships.Relationship2
Products table=Products
  ProductID Long(4) "ProductID:" key1 mandatory pk
  Name String(50) "Name:" null
  AltProductID Long(4) "AltProductID:" null fk foreign ->Products.ProductID
  keys ProductID
  sources Products.Relationships.Relationship2 Products.Relationships.Relationship4 Products.RelationshipsRecursive.Relationship4
  targets Order_Lines.Relationships.Relationship2 Products.Relationships.Relationship4 Products.RelationshipsRecursive.Relationship4
Emp table=Emp
  EmpID Long(4) "EmpID:" key1 mandatory pk
  BossID Long(4) "BossID:" null fk foreign ->Emp.EmpID
  keys EmpID
  sources Emp.Relationships.Relationship3 Emp.RelationshipsRecursive.Relationship3
  targets Emp.Relationships.Relationship3 Emp.RelationshipsRecursive.Relationship3
Item_Kinds table=Item Kinds
  KindID Long(4) "KindID:" null
  Item_kinds_Type String(10) "type:" null
Relationship1 Identifying
  Orders.Relationships.Relationship1: Orders -> Order_Lines Many optional has
  Order_Lines.Relationships.Relationship1: Order_Lines -> Orders One required has +OrderID
Relationship2 Reference
  Products.Relationships.Relationship2: Products -> Order_Lines Many optional has
  Order_Lines.Relationships.Relationship2: Order_Lines -> Products One optional has +ProductID
Relationship3 Reference
  Emp.Relationships.Relationship3: Emp -> Emp Many optional has
  Emp.RelationshipsRecursive.Relationship3: Emp -> Emp One optional has +BossID
Relationship4 Reference
  Products.Relationships.Relationship4: Products -> Products Many optional has
  Products.RelationshipsRecursive.Relationship4: Products -> Products One optional has +AltProductID
)";

// The fixture's closing message up to its numbered keys, and its paragraph of tables without a key.
constexpr const char* kNotes =
    "These columns hold binary data of a set length, which no property type takes, and were not "
    "imported:\r\nOrders.Raw\r\n\r\n"
    "These columns became Double properties, which may round their values:\r\nOrders.Num\r\n\r\n"
    "These columns are numbered by the database and became Read Only properties, which Add and "
    "Update leave unwritten:\r\nOrders.OrderID";
constexpr const char* kWithoutKey =
    "\r\n\r\nThese tables have no primary key; set a key property on each before it can be built:\r\n"
    "Item Kinds";

TEST(ImportAccess, EveryTableOfTheFixture) {
    testing_support::OdbcSandbox::Get().Clear();
    const std::string file = dao_test::Fixture("import_access.mdb").string();
    // The local file, and a data source of the MDBTools driver: its relations come from the source's file.
    testing_support::OdbcSandbox::Get().AddUserSource("Jet", "MDBTools", {{"Database", file}});
    for (const bool local : {true, false}) {
        SCOPED_TRACE(local ? "local file" : "data source");
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose());
        auto application = import_test::NewApplication("Access", local ? "" : "Jet", local ? file : "");
        FilingSink sink;
        import_test::ImportInto(sink, application);

        EXPECT_EQ(testing_support::DumpModel(*application), kExpected);
        EXPECT_EQ(application->DSNDBName(), local ? "" : file);
        ASSERT_EQ(script.Prompts().size(), 3u);
        EXPECT_EQ(script.Prompts()[0].prompt,
                  "Raw field cannot be imported! It holds binary data of a set length, which no property "
                  "type takes.");
        EXPECT_EQ(script.Prompts()[0].buttons, 64);
        EXPECT_EQ(script.Prompts()[1].prompt,
                  "The property name Type is a reserved word so the property name will be converted to: "
                  "Item_kinds_Type.");
        EXPECT_EQ(script.Prompts()[1].title, "VB Ostrel");
        EXPECT_EQ(script.Prompts()[2].prompt, std::string(kNotes) + kWithoutKey);
    }
}

// Synchronised right after its import, the fixture asks nothing (the binary column is refused again, as a
// new column, and named at the end) and leaves the model as the import made it.
TEST(ImportAccess, SynchronisingRightAfterTheImportChangesNothing) {
    testing_support::OdbcSandbox::Get().Clear();
    const std::string file = dao_test::Fixture("import_access.mdb").string();
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog(import_test::Choose());
    auto application = import_test::NewApplication("Access", "", file);
    FilingSink sink;
    import_test::ImportInto(sink, application);
    const auto imported = script.Prompts().size();

    SynchronizeApplication(sink);
    EXPECT_EQ(testing_support::DumpModel(*application), kExpected);
    ASSERT_EQ(script.Prompts().size(), imported + 3);
    EXPECT_EQ(script.Prompts()[imported].prompt, script.Prompts()[0].prompt);
    EXPECT_EQ(script.DialogsShown(), std::vector<std::string>{"frmImportSelection"});
}

// Copies of the fixture: Item Kinds.KindID numbered by the database, which its table without a key keeps as
// a Read Only property to become the key; Item Kinds named as Access names its system tables, with the
// flags (0) of a table of the user's, never offered.
TEST(ImportAccess, AKeylessTableKeepsItsAutoNumberAndMSysTablesAreNotOffered) {
    constexpr char kLong = 4, kLongAuto = 0x04;
    const struct {
        std::function<void(std::string&)> edit;
        std::string itemKinds, notes;
    } cases[] = {
        {[](std::string& bytes) {
             jet_test::ForEachColumn(bytes, [](std::string_view page, char* entry) {
                 if (entry[jet_test::kType] == kLong && page.find(jet_test::Wide("KindID")) != page.npos)
                     entry[jet_test::kFlags] |= kLongAuto;
             });
         },
         "Item_Kinds table=Item Kinds\n  KindID Long(4) \"KindID:\" null Read Only/TextBox/qelCodeTable\n"
         "  Item_kinds_Type String(10) \"type:\" null\n",
         std::string(kNotes) + "\r\nItem Kinds.KindID" + kWithoutKey},
        {[](std::string& bytes) {
             bytes.replace(bytes.find(jet_test::Wide("Item Kinds")), 8, jet_test::Wide("MSys"));
         },
         "", kNotes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.notes);
        testing_support::OdbcSandbox::Get().Clear();
        dao_test::TestFolder folder;
        const auto file = jet_test::EditedFixture(folder.Path(), "edited.mdb", c.edit);
        const auto application = import_test::NewApplication("Access", "", file.string());
        const Names prompts = import_test::ImportEveryTable(application);
        std::ostringstream itemKinds;
        if (application->BusinessObjects()->Exists("Item_Kinds"))
            testing_support::DumpBusinessObject(itemKinds, "Item_Kinds",
                                                *application->BusinessObjects()->Item("Item_Kinds"));
        EXPECT_EQ(itemKinds.str(), c.itemKinds);
        ASSERT_FALSE(prompts.empty());
        EXPECT_EQ(prompts.back(), c.notes);
    }
}

// nwind.mdb (Jet 3), on whose ordinary columns libmdb reports the GUID-AutoNumber flag: every column
// mdb-schema lists becomes a property, its AutoNumber keys Read Only, its relations relationships, and
// Orders.CustomerID, which takes Null, an optional foreign key.
TEST(ImportAccess, TheJet3SampleDatabaseWhole) {
    testing_support::OdbcSandbox::Get().Clear();
    const auto application =
        import_test::NewApplication("Access", "", dao_test::Fixture("nwind.mdb").string());
    const Names prompts = import_test::ImportEveryTable(application);
    const std::string orders =
        " CustomerID String(5) EmployeeID Long(4) OrderDate Date(16) RequiredDate Date(16) "
        "ShippedDate Date(16) ShipVia Long(4) Freight Currency(8) ShipName String(40) "
        "ShipAddress String(60) ShipCity String(15) ShipRegion String(15) ShipPostalCode "
        "String(10) ShipCountry String(15)";
    const std::string company =
        " CompanyName String(40) ContactName String(30) ContactTitle String(30) Address "
        "String(60) City String(15) Region String(15) PostalCode String(10) Country "
        "String(15) Phone String(24) Fax String(24)";
    // Umsätze has the columns of Orders, in no relation.
    std::string foreignOrders = orders;
    for (const char* key : {"CustomerID", "EmployeeID", "ShipVia"})
        foreignOrders.replace(foreignOrders.find(key), std::string(key).size(), std::string(key) + "+");
    EXPECT_EQ(testing_support::Shape(*application),
              (Names{"Order_Details(Order Details): OrderID*+ Long(4) ProductID*+ Long(4) UnitPrice "
                     "Currency(8) Quantity Integer(2) Discount Single(4)",
                     "Orders(Orders): OrderID*~ Long(4)" + foreignOrders,
                     "Products(Products): ProductID*~ Long(4) ProductName String(40) SupplierID+ Long(4) "
                     "CategoryID+ Long(4) QuantityPerUnit String(20) UnitPrice Currency(8) UnitsInStock "
                     "Integer(2) UnitsOnOrder Integer(2) ReorderLevel Integer(2) Discontinued Boolean(2)",
                     "Shippers(Shippers): ShipperID*~ Long(4) CompanyName String(40) Phone String(24)",
                     "Categories(Categories): CategoryID*~ Long(4) CategoryName String(15) Description "
                     "Memo(0) Picture OLE Object(0)",
                     "Customers(Customers): CustomerID* String(5)" + company,
                     "Employees(Employees): EmployeeID*~ Long(4) LastName String(20) FirstName String(10) "
                     "Title String(30) TitleOfCourtesy String(25) BirthDate Date(16) HireDate Date(16) "
                     "Address String(60) City String(15) Region String(15) PostalCode String(10) Country "
                     "String(15) HomePhone String(24) Extension String(4) Photo OLE Object(0) Notes Memo(0) "
                     "ReportsTo Long(4)",
                     "Suppliers(Suppliers): SupplierID*~ Long(4)" + company + " HomePage Memo(0)",
                     "Umsätze(Umsätze): OrderID*~ Long(4)" + orders}));
    EXPECT_EQ(testing_support::Relationships(*application),
              (Names{"Categories -> Products Reference sometimes", "Customers -> Orders Reference sometimes",
                     "Employees -> Orders Reference sometimes", "Orders -> Order_Details Identifying always",
                     "Products -> Order_Details Reference always", "Shippers -> Orders Reference sometimes",
                     "Suppliers -> Products Reference sometimes"}));
    const auto customer =
        application->BusinessObjects()->Item("Orders")->Properties()->Item("Orders.Properties.CustomerID");
    EXPECT_FALSE(customer->IsMandatory());
    EXPECT_TRUE(customer->Field()->IsNullable());
    EXPECT_EQ(
        prompts,
        Names{"These columns are numbered by the database and became Read Only properties, which Add and "
              "Update leave unwritten:\r\nOrders.OrderID\r\nProducts.ProductID\r\nShippers.ShipperID\r\n"
              "Categories.CategoryID\r\nEmployees.EmployeeID\r\nSuppliers.SupplierID\r\nUmsätze.OrderID"
              "\r\n\r\nThese tables hold the keys of more than one parent in their own key. Each keeps "
              "its first parent; the relationships to the others were made Reference, their columns "
              "staying part of the key:\r\nOrder Details: Relationship5 to Products"});
}

}  // namespace
}  // namespace schemaimport
