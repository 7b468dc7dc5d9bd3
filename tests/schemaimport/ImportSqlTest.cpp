// The import over SQLite and PostgreSQL through their ODBC drivers, DBType "SQL": one schema made by the
// test, the same hand-written model from both.

#include <gtest/gtest.h>

#include "platform/vb/Error.h"

#include "core/qelApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/CatalogDatabases.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/ModelDump.h"
#include "tests/support/OdbcSandbox.h"

namespace schemaimport {
namespace {

using catalog_test::Kind;

// Nullable foreign keys (optional, not mandatory) beside a NOT NULL one, a key of one column referring to a
// column of another name, a two-column key that is also a foreign key, two-column foreign keys: one in
// another order than the parent's key with a column that takes Null (optional), one whose columns both refuse
// it (mandatory); a self-reference, two keys between one pair (declared in another order than their columns),
// blanks, a quote and "]" in names, "type" columns (one a key), a view.
const std::vector<std::string> kSchema = {
    R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30) NOT NULL, "type" VARCHAR(10)))sql",
    R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
        "CustomerID" INTEGER REFERENCES "Customers" ("ID"), "Order Date" DATE, "Amount" NUMERIC(10,2)))sql",
    R"sql(CREATE TABLE "Order Lines" ("OrderID" INTEGER NOT NULL REFERENCES "Orders" ("OrderID"),
        "LineNo" INTEGER NOT NULL, "Qty" SMALLINT, PRIMARY KEY ("OrderID", "LineNo")))sql",
    R"sql(CREATE TABLE "Shipment" ("ShipID" INTEGER PRIMARY KEY, "LNo" INTEGER, "OID" INTEGER NOT NULL,
        CONSTRAINT "fk_line" FOREIGN KEY ("OID", "LNo") REFERENCES "Order Lines" ("OrderID", "LineNo")))sql",
    R"sql(CREATE TABLE "Emp" ("EmpID" INTEGER PRIMARY KEY, "BossID" INTEGER REFERENCES "Emp" ("EmpID")))sql",
    R"sql(CREATE TABLE "City" ("CityID" INTEGER PRIMARY KEY, "Name ]'x" VARCHAR(20)))sql",
    R"sql(CREATE TABLE "Route ]'s" ("RouteID" INTEGER PRIMARY KEY, "ToCity" INTEGER, "FromCity" INTEGER,
        CONSTRAINT "fk_from" FOREIGN KEY ("FromCity") REFERENCES "City" ("CityID"),
        CONSTRAINT "fk_to" FOREIGN KEY ("ToCity") REFERENCES "City"))sql",
    R"sql(CREATE TABLE "Kinds" ("type" INTEGER PRIMARY KEY, "Label" VARCHAR(10)))sql",
    R"sql(CREATE TABLE "Stock" ("Site" INTEGER NOT NULL, "Item" INTEGER NOT NULL, PRIMARY KEY ("Site", "Item")))sql",
    R"sql(CREATE TABLE "Tally" ("TallyID" INTEGER PRIMARY KEY, "Site" INTEGER NOT NULL, "Item" INTEGER NOT NULL,
        FOREIGN KEY ("Site", "Item") REFERENCES "Stock" ("Site", "Item")))sql",
    R"sql(CREATE VIEW "OrderView" AS SELECT "OrderID" FROM "Orders")sql",
};

const std::vector<std::string> kChosen = {"Customers", "Orders",    "Order Lines", "Shipment", "Emp",
                                          "City",      "Route ]'s", "Kinds",       "Stock",    "Tally"};

constexpr const char* kExpected = R"(Customers table=Customers
  ID Long(4) "ID:" key1 mandatory pk
  Name String(30) "Name:"
  Customers_Type String(10) "type:" null
  keys ID
  sources Customers.Relationships.Relationship1
  targets Orders.Relationships.Relationship1
Orders table=Orders
  OrderID Long(4) "OrderID:" key1 mandatory pk
  CustomerID Long(4) "CustomerID:" null fk foreign ->Customers.ID
  Order_Date Date(6) "Order Date:" null
  Amount Currency(8) "Amount:" null
  keys OrderID
  sources Orders.Relationships.Relationship1 Orders.Relationships.Relationship2
  targets Customers.Relationships.Relationship1 Order_Lines.Relationships.Relationship2
Order_Lines table=Order Lines
  OrderID Long(4) "OrderID:" key1 mandatory pk fk foreign ->Orders.OrderID
  LineNo Long(4) "LineNo:" key2 mandatory pk
  Qty Integer(2) "Qty:" null
  keys OrderID LineNo
  sources Order_Lines.Relationships.Relationship2 Order_Lines.Relationships.Relationship3
  targets Orders.Relationships.Relationship2 Shipment.Relationships.Relationship3
Shipment table=Shipment
  ShipID Long(4) "ShipID:" key1 mandatory pk
  LNo Long(4) "LNo:" null fk foreign ->Order_Lines.LineNo
  OID Long(4) "OID:" fk foreign ->Order_Lines.OrderID
  keys ShipID
  sources Shipment.Relationships.Relationship3
  targets Order_Lines.Relationships.Relationship3
Emp table=Emp
  EmpID Long(4) "EmpID:" key1 mandatory pk
  BossID Long(4) "BossID:" null fk foreign ->Emp.EmpID
  keys EmpID
  sources Emp.Relationships.Relationship4 Emp.RelationshipsRecursive.Relationship4
  targets Emp.Relationships.Relationship4 Emp.RelationshipsRecursive.Relationship4
City table=City
  CityID Long(4) "CityID:" key1 mandatory pk
  Name_x String(20) "Name ]'x:" null
  keys CityID
  sources City.Relationships.Relationship5 City.Relationships.Relationship6
  targets Route_s.Relationships.Relationship5 Route_s.Relationships.Relationship6
Route_s table=Route ]'s
  RouteID Long(4) "RouteID:" key1 mandatory pk
  ToCity Long(4) "ToCity:" null fk foreign ->City.CityID
  FromCity Long(4) "FromCity:" null fk foreign ->City.CityID
  keys RouteID
  sources Route_s.Relationships.Relationship5 Route_s.Relationships.Relationship6
  targets City.Relationships.Relationship5 City.Relationships.Relationship6
Kinds table=Kinds
  Kinds_Type Long(4) "type:" key1 mandatory pk
  Label String(10) "Label:" null
  keys Kinds_Type
Stock table=Stock
  Site Long(4) "Site:" key1 mandatory pk
  Item Long(4) "Item:" key2 mandatory pk
  keys Site Item
  sources Stock.Relationships.Relationship7
  targets Tally.Relationships.Relationship7
Tally table=Tally
  TallyID Long(4) "TallyID:" key1 mandatory pk
  Site Long(4) "Site:" mandatory fk foreign ->Stock.Site
  Item Long(4) "Item:" mandatory fk foreign ->Stock.Item
  keys TallyID
  sources Tally.Relationships.Relationship7
  targets Stock.Relationships.Relationship7
Relationship1 Reference
  Customers.Relationships.Relationship1: Customers -> Orders Many optional has
  Orders.Relationships.Relationship1: Orders -> Customers One optional has +CustomerID
Relationship2 Identifying
  Orders.Relationships.Relationship2: Orders -> Order_Lines Many optional has
  Order_Lines.Relationships.Relationship2: Order_Lines -> Orders One required has +OrderID
Relationship3 Reference
  Order_Lines.Relationships.Relationship3: Order_Lines -> Shipment Many optional has
  Shipment.Relationships.Relationship3: Shipment -> Order_Lines One optional has +OID +LNo
Relationship4 Reference
  Emp.Relationships.Relationship4: Emp -> Emp Many optional has
  Emp.RelationshipsRecursive.Relationship4: Emp -> Emp One optional has +BossID
Relationship5 Reference
  City.Relationships.Relationship5: City -> Route_s Many optional has
  Route_s.Relationships.Relationship5: Route_s -> City One optional has +ToCity
Relationship6 Reference
  City.Relationships.Relationship6: City -> Route_s Many optional has
  Route_s.Relationships.Relationship6: Route_s -> City One optional has +FromCity
Relationship7 Reference
  Stock.Relationships.Relationship7: Stock -> Tally Many optional has
  Tally.Relationships.Relationship7: Tally -> Stock One required has +Site +Item
)";

class ImportSql : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override { testing_support::OdbcSandbox::Get().Clear(); }

    // A new database holding `statements`, registered as a data source, and an application of it.
    std::shared_ptr<core::qelApplication> NewDatabase(const std::vector<std::string>& statements) {
        return import_test::NewDatabase(GetParam(), statements, mFolder.Path());
    }

    dao_test::TestFolder mFolder;
};

TEST_P(ImportSql, TheSchemaBecomesTheModel) {
    const auto application = NewDatabase(kSchema);
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog(import_test::Choose(kChosen));
    FilingSink sink;
    import_test::ImportInto(sink, application);

    EXPECT_EQ(testing_support::DumpModel(*application), kExpected);
    std::vector<std::string> prompts;
    for (const auto& prompt : script.Prompts())
        prompts.push_back(prompt.prompt);
    EXPECT_EQ(prompts,
              (std::vector<std::string>{
                  "The property name Type is a reserved word so the property name will be converted "
                  "to: Customers_Type.",
                  "The property name Name_]x breaks a rule of VB names (A name can hold only letters, "
                  "digits and \"_\"!) so the property name will be converted to: Name_x.",
                  "The business object name Route_]'s breaks a rule of VB names (There can be no "
                  "puctuation in a name!) so the business object name will be converted to: Route_s.",
                  "The property name Type is a reserved word so the property name will be converted "
                  "to: Kinds_Type.",
              }));
}

// Names that clash once the rules made them (ignoring case) take a number, names the rules empty are
// mended; binary columns, and a foreign key with such a column, are left out, each with why.
TEST_P(ImportSql, ClashingNamesAreNumberedAndBinaryColumnsLeftOutWithWhy) {
    const bool pg = GetParam() == Kind::Postgres;
    const std::string binary = pg ? "BYTEA" : "VARBINARY(8)";
    const auto application = NewDatabase({
        R"sql(CREATE TABLE "Order Lines" ("A" INTEGER PRIMARY KEY))sql",
        R"sql(CREATE TABLE "order_lines" ("B" INTEGER))sql",
        R"sql(CREATE TABLE "Cols" ("Ship-To" VARCHAR(9), "ShipTo" VARCHAR(9), "A B" VARCHAR(9), "a_b" VARCHAR(9),
            "#" VARCHAR(9), "0" VARCHAR(9), "Keep" VARCHAR(9)))sql",
        R"sql(CREATE TABLE "Parent" ("Raw" )sql" + binary + R"sql( PRIMARY KEY, "ID" INTEGER UNIQUE))sql",
        R"sql(CREATE TABLE "Child" ("PRaw" )sql" + binary + R"sql( REFERENCES "Parent" ("Raw"),
            "PID" INTEGER REFERENCES "Parent" ("ID")))sql",
    });
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog(import_test::Choose({"Order Lines", "order_lines", "Cols", "Parent", "Child"}));
    FilingSink sink;
    import_test::ImportInto(sink, application);

    // PostgreSQL's binary type is an OLE Object: only SQLite's is refused, and with it its foreign key.
    const std::string parent = pg ? R"(Parent table=Parent
  Raw OLE Object(0) "Raw:" key1 mandatory pk
  ID Long(4) "ID:" null
  keys Raw
  sources Parent.Relationships.Relationship1 Parent.Relationships.Relationship2
  targets Child.Relationships.Relationship1 Child.Relationships.Relationship2
Child table=Child
  PRaw OLE Object(0) "PRaw:" null fk foreign ->Parent.Raw
  PID Long(4) "PID:" null fk foreign ->Parent.ID
  sources Child.Relationships.Relationship1 Child.Relationships.Relationship2
  targets Parent.Relationships.Relationship1 Parent.Relationships.Relationship2
Relationship1 Reference
  Parent.Relationships.Relationship1: Parent -> Child Many optional has
  Child.Relationships.Relationship1: Child -> Parent One optional has +PRaw
Relationship2 Reference
  Parent.Relationships.Relationship2: Parent -> Child Many optional has
  Child.Relationships.Relationship2: Child -> Parent One optional has +PID
)"
                                  : R"(Parent table=Parent
  ID Long(4) "ID:" null
  sources Parent.Relationships.Relationship1
  targets Child.Relationships.Relationship1
Child table=Child
  PID Long(4) "PID:" null fk foreign ->Parent.ID
  sources Child.Relationships.Relationship1
  targets Parent.Relationships.Relationship1
Relationship1 Reference
  Parent.Relationships.Relationship1: Parent -> Child Many optional has
  Child.Relationships.Relationship1: Child -> Parent One optional has +PID
)";
    EXPECT_EQ(testing_support::DumpModel(*application), R"(Order_Lines table=Order Lines
  A Long(4) "A:" key1 mandatory pk
  keys A
order_lines2 table=order_lines
  B Long(4) "B:" null
Cols table=Cols
  ShipTo String(9) "Ship-To:" null
  ShipTo2 String(9) "ShipTo:" null
  A_B String(9) "A B:" null
  a_b2 String(9) "a_b:" null
  T String(9) "#:" null
  T0 String(9) "0:" null
  Keep String(9) "Keep:" null
)" + parent);
    const std::string binaryData = "binary data of a set length, which no property type takes";
    std::vector<std::string> expected = {
        "The property name # breaks a rule of VB names (There can be no puctuation in a name!) so the "
        "property name will be converted to: T. | 64 | VB Ostrel",
        "The property name 0 breaks a rule of VB names (Name must begin with a letter!) so the property name "
        "will be converted to: T0. | 64 | VB Ostrel"};
    if (!pg) {
        expected.push_back("Raw field cannot be imported! It holds " + binaryData + ". | 64 | VB Ostrel");
        expected.push_back("PRaw field cannot be imported! It holds " + binaryData + ". | 64 | VB Ostrel");
        expected.push_back(
            "The foreign key of Child to Parent cannot be imported: the column Child.PRaw has no property. | "
            "64 | "
            "VB Ostrel");
    }
    expected.push_back(
        (pg ? ""
            : "These columns hold " + binaryData +
                  ", and were not imported:\r\nParent.Raw\r\nChild.PRaw\r\n\r\n") +
        "These tables and columns would take the name of a business object or property made before them (VB "
        "ignores letter case); each took a number and became the one named after it:\r\norder_lines: "
        "order_lines2\r\nCols.ShipTo: ShipTo2\r\nCols.a_b: a_b2\r\n\r\nThese tables have no primary key; set "
        "a key property on each before it can be built:\r\norder_lines\r\nCols\r\n" +
        (pg ? "" : "Parent\r\n") + "Child" +
        (pg ? "\r\n\r\nThese key columns became properties of a data type that has no value in the record "
              "and "
              "cannot identify a row; give each another data type, or set its Primary Key to No, before its "
              "business object is built:\r\nParent.Raw (OLE Object)"
            : "") +
        " | 64 | VB Ostrel");
    EXPECT_EQ(import_test::PromptTexts(script), expected);
}

INSTANTIATE_TEST_SUITE_P(Databases, ImportSql, ::testing::Values(Kind::Sqlite, Kind::Postgres),
                         [](const auto& info) { return info.param == Kind::Sqlite ? "Sqlite" : "Postgres"; });

}  // namespace
}  // namespace schemaimport
