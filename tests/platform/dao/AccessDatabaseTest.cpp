#include "platform/dao/AccessDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/dao/Errors.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"
#include "tests/platform/dao/JetFixtureEdits.h"
#include "tests/platform/dao/TestFiles.h"

namespace {

using dao::FieldType;
using vb::Variant;

std::unique_ptr<dao::Database> OpenFixture(const std::string& name) {
    return dao::OpenDatabase(dao_test::Fixture(name));
}

TEST(AccessDatabase, IsToldFromItsHeaderAndListsItsUserTables) {
    auto db = OpenFixture("import_access.mdb");
    ASSERT_NE(dynamic_cast<dao::AccessDatabase*>(db.get()), nullptr);
    EXPECT_EQ(db->TableNames(),
              (std::vector<std::string>{"Orders", "Order Lines", "Products", "Emp", "Item Kinds"}));
    EXPECT_TRUE(db->TableExists("Order Lines"));
    EXPECT_FALSE(db->TableExists("MSysRelationships"));
}

TEST(AccessDatabase, ColumnsOfEveryType) {
    struct Expected {
        std::string name;
        FieldType type;
        int32_t size;
        bool isNullable;
    };
    const std::vector<Expected> expected = {
        {"OrderID", FieldType::Long, 4, true},   {"Order Date", FieldType::Date, 8, true},
        {"Note", FieldType::Text, 40, false},    {"Amount", FieldType::Currency, 8, true},
        {"Flag", FieldType::Boolean, 0, false},  {"Pic", FieldType::LongBinary, 0, true},
        {"Raw", FieldType::Binary, 16, true},    {"Memo", FieldType::Memo, 0, true},
        {"Sm", FieldType::Integer, 2, true},     {"By", FieldType::Byte, 1, true},
        {"Fl", FieldType::Single, 4, true},      {"Db", FieldType::Double, 8, true},
        {"Num", FieldType::Decimal, 17, true},   {"Guid", FieldType::Guid, 16, true},
        {"2ndPhone", FieldType::Text, 20, true}, {"0Code", FieldType::Text, 5, true},
        {"Ship-To#", FieldType::Text, 20, true},
    };
    auto db = OpenFixture("import_access.mdb");
    const std::vector<dao::ColumnInfo> columns = db->Columns("Orders");
    ASSERT_EQ(columns.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(columns[i].Name, expected[i].name);
        EXPECT_EQ(columns[i].Type, expected[i].type);
        EXPECT_EQ(columns[i].Size, expected[i].size);
        EXPECT_EQ(columns[i].IsNullable, expected[i].isNullable);
    }
    EXPECT_TRUE(db->ColumnExists("Item Kinds", "type"));
}

// A Large Number, which libmdb gives no text of, read as the 64-bit whole number it holds: a Long where it
// fits, else a Double. Salary holds 1000000, -1, 0 and 100 as Currency, in 10,000ths.
TEST(AccessDatabase, ALargeNumberReadsAsAWholeNumber) {
    dao_test::TestFolder folder;
    auto db = dao::OpenDatabase(jet_test::FixtureWithLargeNumbers(folder.Path()));
    const auto columns = db->Columns("Table1");
    const auto salary = std::ranges::find(columns, "Salary", &dao::ColumnInfo::Name);
    ASSERT_NE(salary, columns.end());
    EXPECT_EQ(std::pair(salary->Type, salary->Size), std::pair(FieldType::BigInt, 8));
    std::vector<Variant> values;
    for (const dao::Row& row : db->SelectRows("Table1"))
        values.push_back(row["Salary"]);
    EXPECT_EQ(values, (std::vector<Variant>{Variant(1e10), Variant(-10000), Variant(0), Variant(1000000)}));
}

// A Long Integer with libmdb's long-auto flag or a Replication ID with its GUID-auto flag, whatever flags it
// reports on others: the ordinary columns of nwind.mdb that it flags GUID-auto, the complex ones long-auto.
TEST(AccessDatabase, AutoNumbersOfEveryFixture) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"import_access.mdb", {"Orders.OrderID"}},
        {"nwind.mdb",
         {"Orders.OrderID", "Products.ProductID", "Shippers.ShipperID", "Categories.CategoryID",
          "Employees.EmployeeID", "Suppliers.SupplierID", "Umsätze.OrderID"}},
        {"calcFieldTestV2010.accdb", {"Table1.ID"}},
        {"complexDataTestV2010.accdb", {}},
        {"extDateTestV2019.accdb", {"Table1.ID"}},
    };
    for (const auto& [fixture, autoNumbers] : cases) {
        auto db = OpenFixture(fixture);
        std::vector<std::string> found;
        for (const std::string& table : db->TableNames()) {
            for (const dao::ColumnInfo& column : db->Columns(table)) {
                if (column.Kind == dao::ColumnKind::AutoNumber)
                    found.push_back(table + "." + column.Name);
            }
        }
        EXPECT_EQ(found, autoNumbers) << fixture;
    }
}

TEST(AccessDatabase, PrimaryKeysInKeyOrder) {
    auto db = OpenFixture("import_access.mdb");
    const std::vector<std::pair<std::string, std::vector<std::string>>> keys = {
        {"Orders", {"OrderID"}},     {"Order Lines", {"OrderID", "LineNo"}},
        {"Products", {"ProductID"}}, {"Emp", {"EmpID"}},
        {"Item Kinds", {}},
    };
    for (const auto& [table, columns] : keys) {
        SCOPED_TRACE(table);
        std::vector<std::string> primary;
        for (const dao::IndexInfo& index : db->Indexes(table)) {
            if (index.IsPrimary) {
                EXPECT_TRUE(index.IsUnique);
                primary = index.Columns;
            }
        }
        EXPECT_EQ(primary, columns);
    }
}

TEST(AccessDatabase, RelationsIncludingRecursiveOnes) {
    auto db = OpenFixture("import_access.mdb");
    struct Expected {
        std::string table, column, foreignTable, foreignColumn;
        bool enforces;
    };
    const std::vector<Expected> expected = {
        {"Orders", "OrderID", "Order Lines", "OrderID", true},
        {"Products", "ProductID", "Order Lines", "ProductID", true},
        {"Emp", "EmpID", "Emp", "BossID", false},
        {"Products", "ProductID", "Products", "AltProductID", false},
    };
    const std::vector<dao::RelationInfo> relations = db->Relations();
    ASSERT_EQ(relations.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(relations[i].Name);
        EXPECT_EQ(relations[i].Table, expected[i].table);
        EXPECT_EQ(relations[i].ForeignTable, expected[i].foreignTable);
        ASSERT_EQ(relations[i].Columns.size(), 1u);
        EXPECT_EQ(relations[i].Columns[0].Name, expected[i].column);
        EXPECT_EQ(relations[i].Columns[0].ForeignName, expected[i].foreignColumn);
        EXPECT_EQ(relations[i].EnforcesIntegrity, expected[i].enforces);
    }
}

TEST(AccessDatabase, UnknownTablesAndColumnsAreNotFound) {
    auto db = OpenFixture("security.mdb");
    for (const auto& read : std::vector<std::function<void()>>{
             [&] { db->SelectRows("NoSuchTable"); },
             [&] {
                 db->SelectRows("Security", {{"NoSuchColumn", "x"}});
             },
             [&] { db->Columns("MSysObjects"); },
         }) {
        try {
            read();
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), dao::kItemNotFound);
            EXPECT_EQ(dao::Errors().at(0).Source, "libmdb");
        }
    }
}

// The security database's tables as an SQLite file, made from the Access fixture's rows.
std::unique_ptr<dao::Database> SqliteCopyOfSecurity(const std::filesystem::path& file) {
    auto access = OpenFixture("security.mdb");
    auto copy = dao::SqliteDatabase::Open(file, dao::OpenMode::CreateIfMissing);
    for (const std::string& table : access->TableNames()) {
        std::vector<dao::ColumnDefinition> definitions;
        for (const dao::ColumnInfo& column : access->Columns(table))
            definitions.push_back({column.Name, column.Type});
        copy->CreateTable(table, definitions);
        const dao::RowSet rows = access->SelectRows(table);
        for (const dao::Row& row : rows) {
            dao::ColumnValues values;
            for (std::size_t i = 0; i < rows.Columns().size(); ++i)
                values.push_back({rows.Columns()[i], row[i]});
            copy->Insert(table, values);
        }
    }
    return copy;
}

class SecurityRows : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        mDatabase = GetParam() ? SqliteCopyOfSecurity(mFolder / "security.mdb") : OpenFixture("security.mdb");
    }
    dao_test::TestFolder mFolder;
    std::unique_ptr<dao::Database> mDatabase;
};

TEST_P(SecurityRows, SelectIgnoresLetterCaseAndNeverTakesValuesAsStatements) {
    struct Case {
        std::string table;
        std::vector<dao::Criterion> criteria;
        std::vector<std::string> componentsOrValues;
    };
    const std::vector<Case> cases = {
        {"Security",
         {{"UserID", "bob"}, {"BusinessObject", "Customer"}, {"ComponentType", "Method"}},
         {"Delete", "Purge"}},
        {"Security",
         {{"UserID", "Bob"},
          {"BusinessObject", "customer"},
          {"ComponentType", "Property"},
          {"Restriction", "VIEW"}},
         {"Salary", "Rating"}},
        {"Security", {{"UserID", "O'Neil"}}, {"Salary"}},
        {"Security", {{"UserID", "x' OR '1'='1"}}, {}},
        {"Security", {{"Restriction", Variant::Null()}}, {}},
        {"Code", {{"Code", "State"}, {"Value", "ny"}}, {"NY"}},
        {"Code", {{"Code", "owner's"}}, {"X"}},
        {"Code", {{"Code", "State"}}, {"NY", "NYC", "CA"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table + " " + c.criteria[0].Column);
        const dao::RowSet rows = mDatabase->SelectRows(c.table, c.criteria);
        std::vector<std::string> found;
        for (const dao::Row& row : rows)
            found.push_back(row[c.table == "Code" ? "Value" : "ComponentName"].ToString());
        EXPECT_EQ(found, c.componentsOrValues);
    }
}

TEST_P(SecurityRows, NullValuesReadAsNull) {
    const dao::RowSet rows = mDatabase->SelectRows("Security", {{"ComponentName", "Purge"}});
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_TRUE(rows[0]["Restriction"].IsNull());
    EXPECT_EQ(rows[0]["UserID"].ToString(), "bob");
}

INSTANTIATE_TEST_SUITE_P(BothFormats, SecurityRows, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Sqlite" : "Access"; });

}  // namespace
