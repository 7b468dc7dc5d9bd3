// The schema catalog over real databases: one schema in SQLite and PostgreSQL, and the Access fixture.

#include "schemaimport/SchemaCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/dao/Errors.h"
#include "platform/odbc/Odbc.h"
#include "platform/vb/Error.h"
#include "schemaimport/AdoTypes.h"
#include "schemaimport/CatalogBackends.h"
#include "tests/platform/dao/JetFixtureEdits.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/CatalogDatabases.h"
#include "tests/support/OdbcSandbox.h"

namespace schemaimport {

void PrintTo(const CatalogTable& table, std::ostream* out) {
    *out << "{" << table.Name << ", " << table.Type << "}";
}
void PrintTo(const CatalogColumn& column, std::ostream* out) {
    *out << "{" << column.Name << ", " << column.Type << ", " << column.Size << ", " << column.IsNullable
         << ", " << static_cast<int>(column.Loss) << "}";
}
void PrintTo(const CatalogForeignKey& key, std::ostream* out) {
    *out << "{" << key.Name << ", " << key.ParentTable;
    for (const auto& [child, parent] : key.Columns)
        *out << ", " << child << "->" << parent;
    *out << "}";
}

namespace {

using catalog_test::Kind;

using Pairs = std::vector<std::pair<std::string, std::string>>;

class SchemaCatalogTest : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        testing_support::OdbcSandbox::Get().Clear();
        mConnectString = GetParam() == Kind::Postgres
                             ? catalog_test::NewPostgresDatabase()
                             : catalog_test::NewSqliteDatabase(mFolder / "schema.db");
        mCatalog = OpenSchemaCatalog(mConnectString);
    }

    bool IsPostgres() const { return GetParam() == Kind::Postgres; }
    // SQLite names no foreign key.
    std::string KeyName(const std::string& postgresName) const { return IsPostgres() ? postgresName : ""; }

    dao_test::TestFolder mFolder;
    std::string mConnectString;
    std::unique_ptr<SchemaCatalog> mCatalog;
};

TEST_P(SchemaCatalogTest, TablesViewsAndSystemTablesInTheDatabasesOrder) {
    const std::vector<CatalogTable> sqlite = {
        {"Orders", "TABLE"},      {"sqlite_sequence", "SYSTEM TABLE"},
        {"Order_Lines", "TABLE"}, {"OrderXLines", "TABLE"},
        {"Emp", "TABLE"},         {"City", "TABLE"},
        {"Route ]'s", "TABLE"},   {"Shipment", "TABLE"},
        {"Größe", "TABLE"},       {"OrderView", "VIEW"},
    };
    const std::vector<CatalogTable> postgres = {
        {"City", "TABLE"},     {"Emp", "TABLE"},         {"Größe", "TABLE"},
        {"OrderView", "VIEW"}, {"OrderXLines", "TABLE"}, {"Order_Lines", "TABLE"},
        {"Orders", "TABLE"},   {"Route ]'s", "TABLE"},   {"Shipment", "TABLE"},
    };
    EXPECT_EQ(mCatalog->Tables(), IsPostgres() ? postgres : sqlite);
}

TEST_P(SchemaCatalogTest, ColumnsWithTheirAdoTypesSizesAndNullability) {
    // SQLite's REAL is a float of 8 bytes, PostgreSQL's of 4.
    const CatalogColumn real = IsPostgres() ? CatalogColumn{"", adSingle, 4} : CatalogColumn{"", adDouble, 8};
    const std::vector<std::pair<std::string, std::vector<CatalogColumn>>> expected = {
        {"Orders",
         {{"OrderID", adInteger, 4, false},
          {"Order Date", adDBDate, 6, true},
          {"Note", adVarChar, 40, false},
          {"Amount", adCurrency, 8, true},
          {"Flag", adBoolean, 2, true},
          {"Memo", adLongVarChar, 0, true},
          {"Code", adChar, 5, true},
          {"Stamp", adDBTimeStamp, 16, true},
          {"Pic", adLongVarBinary, 0, true},
          {"Qty", adSmallInt, 2, true},
          {"Big", adCurrency, 8, true, {}, TypeLoss::Range},
          {"Fl", real.Type, real.Size, true},
          {"Db", adDouble, 8, true},
          {"Price", adCurrency, 8, true},
          {"Id", adChar, kGuidLength, true}}},
        {"Order_Lines",
         {{"OrderID", adInteger, 4, false}, {"LineNo", adInteger, 4, false}, {"Qty", adSmallInt, 2, true}}},
        {"OrderXLines", {{"X", adInteger, 4, true}}},
        {"City", {{"CityID", adInteger, 4, false}, {"Name ]'x", adVarChar, 20, true}}},
        {"Größe", {{"Maß", real.Type, real.Size, true}}},
        {"OrderView", {{"OrderID", adInteger, 4, true}, {"Note", adVarChar, 40, true}}},
        {"NoSuchTable", {}},
    };
    for (const auto& [table, columns] : expected)
        EXPECT_EQ(mCatalog->Columns(table), columns) << table;
}

TEST_P(SchemaCatalogTest, PrimaryKeysInKeyOrderAndNoUniqueConstraint) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"Orders", {"OrderID"}},    {"Order_Lines", {"LineNo", "OrderID"}},
        {"OrderXLines", {}},        {"Emp", {"EmpID"}},
        {"Route ]'s", {"RouteID"}}, {"Größe", {}},
        {"OrderView", {}},
    };
    for (const auto& [table, key] : expected)
        EXPECT_EQ(mCatalog->PrimaryKey(table), key) << table;
}

TEST_P(SchemaCatalogTest, ForeignKeysWithTheirColumnPairsInKeyOrder) {
    const std::vector<std::pair<std::string, std::vector<CatalogForeignKey>>> expected = {
        {"Order_Lines", {{KeyName("Order_Lines_OrderID_fkey"), "Orders", {{"OrderID", "OrderID"}}}}},
        {"Emp", {{KeyName("fk_boss"), "Emp", {{"BossID", "EmpID"}}}}},
        {"Route ]'s",
         {{KeyName("fk_from"), "City", {{"FromCity", "CityID"}}},
          {KeyName("fk_to"), "City", {{"ToCity", "CityID"}}}}},
        {"Shipment", {{KeyName("fk_line"), "Order_Lines", {{"LNo", "LineNo"}, {"OID", "OrderID"}}}}},
        {"Orders", {}},
    };
    for (const auto& [table, keys] : expected)
        EXPECT_EQ(mCatalog->ForeignKeys(table), keys) << table;
}

TEST_P(SchemaCatalogTest, TheDefaultDatabaseIsTheOneConnectedTo) {
    const std::string database = mCatalog->DefaultDatabase();
    if (IsPostgres())
        EXPECT_EQ(database.rfind("catalog_", 0), 0u) << database;
    else
        EXPECT_EQ(database, (mFolder / "schema.db").string());
}

INSTANTIATE_TEST_SUITE_P(Databases, SchemaCatalogTest, ::testing::Values(Kind::Sqlite, Kind::Postgres),
                         [](const auto& info) {
                             return info.param == Kind::Sqlite ? "SQLite" : "PostgreSQL";
                         });

// The driver's own catalog functions against the pg_catalog queries: the same names, kinds, nullability
// and keys; only the types differ (the driver's money and bool are not theirs).
TEST(PostgresCatalog, EqualsTheDriversCatalogFunctionsExceptInTypes) {
    testing_support::OdbcSandbox::Get().Clear();
    const std::string connectString = catalog_test::NewPostgresDatabase();
    auto queries = OpenSchemaCatalog(connectString);
    auto connection = std::make_unique<odbc::Connection>();
    connection->Open(connectString);
    auto functions = MakeOdbcCatalog(std::move(connection));

    std::vector<CatalogTable> listed = functions->Tables();
    std::erase_if(listed,
                  [](const CatalogTable& table) { return table.Type != "TABLE" && table.Type != "VIEW"; });
    EXPECT_EQ(listed, queries->Tables());
    for (const CatalogTable& table : queries->Tables()) {
        SCOPED_TRACE(table.Name);
        std::vector<CatalogColumn> fromFunctions = functions->Columns(table.Name);
        std::vector<CatalogColumn> fromQueries = queries->Columns(table.Name);
        ASSERT_EQ(fromFunctions.size(), fromQueries.size());
        for (std::size_t i = 0; i < fromQueries.size(); ++i) {
            EXPECT_EQ(fromFunctions[i].Name, fromQueries[i].Name);
            EXPECT_EQ(fromFunctions[i].IsNullable, fromQueries[i].IsNullable) << fromQueries[i].Name;
        }
        EXPECT_EQ(functions->PrimaryKey(table.Name), queries->PrimaryKey(table.Name));
        EXPECT_EQ(functions->ForeignKeys(table.Name), queries->ForeignKeys(table.Name));
    }
    EXPECT_EQ(functions->DefaultDatabase(), queries->DefaultDatabase());
}

TEST(OdbcCatalog, ANameIsAPatternOnlyToTheDriver) {
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    auto connection = std::make_unique<odbc::Connection>();
    connection->Open(catalog_test::NewSqliteDatabase(folder / "schema.db"));
    auto functions = MakeOdbcCatalog(std::move(connection));
    std::vector<std::string> names;
    for (const CatalogColumn& column : functions->Columns("Order_Lines"))
        names.push_back(column.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"OrderID", "LineNo", "Qty"}));
}

TEST(AccessCatalog, TheFixturesTablesColumnsKeysAndRelations) {
    testing_support::OdbcSandbox::Get().Clear();
    const auto file = dao_test::Fixture("import_access.mdb");
    testing_support::OdbcSandbox::Get().AddUserSource("Jet", "MDBTools", {{"Database", file.string()}});
    for (const std::string& connectString : {std::string("Jet"), "Driver={MDBTools};DBQ=" + file.string()}) {
        SCOPED_TRACE(connectString);
        auto catalog = OpenSchemaCatalog(connectString);
        EXPECT_EQ(catalog->Tables(), (std::vector<CatalogTable>{{"Orders", "TABLE"},
                                                                {"Order Lines", "TABLE"},
                                                                {"Products", "TABLE"},
                                                                {"Emp", "TABLE"},
                                                                {"Item Kinds", "TABLE"}}));
        EXPECT_EQ(catalog->DefaultDatabase(), file.string());
        const std::vector<CatalogColumn> orders = {
            {"OrderID", adInteger, 4, true, {}, TypeLoss::None, FilledBy::Numbering},
            {"Order Date", adDBTimeStamp, 16, true},
            {"Note", adVarChar, 40, false},
            {"Amount", adCurrency, 8, true},
            {"Flag", adBoolean, 2, false},
            {"Pic", adLongVarBinary, 0, true},
            {"Raw", adVarBinary, 16, true},
            {"Memo", adLongVarChar, 0, true},
            {"Sm", adSmallInt, 2, true},
            {"By", adUnsignedTinyInt, 1, true},
            {"Fl", adSingle, 4, true},
            {"Db", adDouble, 8, true},
            {"Num", adDouble, 8, true, {}, TypeLoss::Rounded},
            {"Guid", adChar, kBracedGuidLength, true},
            {"2ndPhone", adVarChar, 20, true},
            {"0Code", adVarChar, 5, true},
            {"Ship-To#", adVarChar, 20, true},
        };
        EXPECT_EQ(catalog->Columns("Orders"), orders);
        EXPECT_EQ(catalog->PrimaryKey("Order Lines"), (std::vector<std::string>{"OrderID", "LineNo"}));
        EXPECT_EQ(catalog->PrimaryKey("Item Kinds"), std::vector<std::string>{});

        const std::vector<std::pair<std::string, Pairs>> relations = {
            {"Order Lines", {{"Orders", "OrderID"}, {"Products", "ProductID"}}},
            {"Emp", {{"Emp", "BossID"}}},
            {"Products", {{"Products", "AltProductID"}}},
            {"Orders", {}},
        };
        for (const auto& [child, parents] : relations) {
            Pairs found;
            for (const CatalogForeignKey& key : catalog->ForeignKeys(child)) {
                EXPECT_FALSE(key.Name.empty());
                ASSERT_EQ(key.Columns.size(), 1u);
                found.emplace_back(key.ParentTable, key.Columns[0].first);
            }
            EXPECT_EQ(found, parents) << child;
        }
    }
}

// A copy of the Access fixture whose one Decimal, Orders.Num, has `precision` and `scale`.
std::filesystem::path FixtureWithDecimal(const dao_test::TestFolder& folder, char precision, char scale) {
    constexpr char kDecimal = 0x10;
    return jet_test::EditedFixture(folder.Path(), "decimal.mdb", [&](std::string& bytes) {
        jet_test::ForEachColumn(bytes, [&](std::string_view, char* entry) {
            if (entry[jet_test::kType] == kDecimal) {
                entry[jet_test::kPrecision] = precision;
                entry[jet_test::kPrecision + 1] = scale;
            }
        });
    });
}

// An Access Decimal is typed by its precision and its scale as any numeric is.
TEST(AccessCatalog, DecimalsAreTypedByTheirPrecisionAndScale) {
    const struct {
        char precision, scale;
        int32_t type;
    } cases[] = {
        {9, 0, adInteger}, {9, 2, adCurrency}, {18, 4, adCurrency}, {18, 0, adDouble}, {20, 4, adDouble}};
    for (const auto& c : cases) {
        dao_test::TestFolder folder;
        const auto columns =
            MakeAccessCatalog(FixtureWithDecimal(folder, c.precision, c.scale))->Columns("Orders");
        const auto num = std::find_if(columns.begin(), columns.end(),
                                      [](const auto& column) { return column.Name == "Num"; });
        ASSERT_NE(num, columns.end());
        EXPECT_EQ(num->Type, c.type) << int{c.precision} << "," << int{c.scale};
    }
}

// Each declared type becomes one whose property keeps its values where a VB type can; a numeric that may
// be rounded, and a bigint past Currency's range, say so.
TEST(TypedColumn, KeepsTheValuesOfItsDeclaredType) {
    const struct {
        int32_t type;
        std::optional<int32_t> declared;
        int32_t scale;
        int32_t madeType, size;
        TypeLoss loss;
    } cases[] = {
        {adNumeric, 9, 0, adInteger, 4, TypeLoss::None},
        {adNumeric, 10, 0, adCurrency, 8, TypeLoss::None},
        {adNumeric, 15, 0, adCurrency, 8, TypeLoss::None},
        {adNumeric, 16, 0, adDouble, 8, TypeLoss::Rounded},
        {adNumeric, 4, 2, adCurrency, 8, TypeLoss::None},
        {adNumeric, 19, 4, adCurrency, 8, TypeLoss::None},
        {adNumeric, 20, 4, adDouble, 8, TypeLoss::Rounded},
        {adNumeric, 10, 5, adDouble, 8, TypeLoss::Rounded},
        {adNumeric, 2, 3, adDouble, 8, TypeLoss::Rounded},
        {adNumeric, std::nullopt, 0, adDouble, 8, TypeLoss::Rounded},
        {adNumeric, 0, 0, adDouble, 8, TypeLoss::Rounded},
        {adBigInt, std::nullopt, 0, adCurrency, 8, TypeLoss::Range},
        {adGUID, std::nullopt, 0, adChar, kGuidLength, TypeLoss::None},
        {adGUID, kBracedGuidLength, 0, adChar, kBracedGuidLength, TypeLoss::None},
        {adGUID, 16, 0, adChar, kGuidLength, TypeLoss::None},
    };
    for (const auto& c : cases) {
        const CatalogColumn column = TypedColumn("C", c.type, c.declared, true, "", c.scale);
        EXPECT_EQ(column, (CatalogColumn{"C", c.madeType, c.size, true, {}, c.loss}))
            << c.type << " " << c.declared.value_or(-1) << "," << c.scale;
    }
}

TEST(OpenSchemaCatalog, AWrongSqlitePathIsAnErrorNotANewFile) {
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    const auto missing = folder / "missing.db";
    testing_support::OdbcSandbox::Get().AddUserSource("Lite", "SQLite3", {{"Database", missing.string()}});
    for (const std::string& connectString :
         {std::string("Lite"), "Driver=SQLite3;Database=" + missing.string()}) {
        EXPECT_THROW(OpenSchemaCatalog(connectString), vb::Error) << connectString;
        EXPECT_EQ(dao::Errors().at(0).Number, odbc::kOdbcCallFailed);
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
}

}  // namespace
}  // namespace schemaimport
