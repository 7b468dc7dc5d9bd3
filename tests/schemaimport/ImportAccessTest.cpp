// The import of the Access fixture, all tables: its columns, primary indexes and relations.

#include <gtest/gtest.h>

#include "core/qelApplication.h"
#include "schemaimport/Synchronize.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/schemaimport/ModelDump.h"
#include "tests/support/OdbcSandbox.h"

namespace schemaimport {
namespace {

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

        EXPECT_EQ(import_test::DumpModel(*application), kExpected);
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
        EXPECT_EQ(
            script.Prompts()[2].prompt,
            "These columns hold binary data of a set length, which no property type takes, and were not "
            "imported:\r\nOrders.Raw\r\n\r\n"
            "These columns became Double properties, which may round their values:\r\nOrders.Num\r\n\r\n"
            "These columns are numbered by the database and became Read Only properties, which Add and "
            "Update leave unwritten:\r\nOrders.OrderID\r\n\r\n"
            "These tables have no primary key; set a key property on each before it can be built:\r\n"
            "Item Kinds");
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
    EXPECT_EQ(import_test::DumpModel(*application), kExpected);
    ASSERT_EQ(script.Prompts().size(), imported + 3);
    EXPECT_EQ(script.Prompts()[imported].prompt, script.Prompts()[0].prompt);
    EXPECT_EQ(script.DialogsShown(), std::vector<std::string>{"frmImportSelection"});
}

}  // namespace
}  // namespace schemaimport
