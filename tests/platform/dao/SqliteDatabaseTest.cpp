#include "platform/dao/SqliteDatabase.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/dao/Errors.h"
#include "platform/vb/Error.h"
#include "tests/platform/dao/TestFiles.h"

namespace {

using dao::FieldType;
using vb::Variant;
using vb::VarType;

// Runs `body` and returns the number of the vb::Error it raises (0 when none).
template <typename Body>
int32_t ErrorNumberOf(Body&& body) {
    try {
        body();
    } catch (const vb::Error& error) {
        return error.Number();
    }
    return 0;
}

class SqliteDatabaseTest : public ::testing::Test {
  protected:
    std::unique_ptr<dao::SqliteDatabase> Create(const std::string& name = "test.db") {
        return dao::SqliteDatabase::Open(mFolder / name, dao::OpenMode::CreateIfMissing);
    }

    dao_test::TestFolder mFolder;
};

TEST_F(SqliteDatabaseTest, ValuesComeBackWithTheTypeOfTheirColumn) {
    struct Case {
        FieldType type;
        Variant written;
        VarType readType;
        std::string readText;
    };
    const std::vector<Case> cases = {
        {FieldType::Boolean, Variant(true), VarType::Boolean, "True"},
        {FieldType::Boolean, Variant(false), VarType::Boolean, "False"},
        {FieldType::Long, Variant(int32_t{-2147483647}), VarType::Long, "-2147483647"},
        {FieldType::Integer, Variant(int16_t{12}), VarType::Long, "12"},
        {FieldType::Double, Variant(2.5), VarType::Double, "2.5"},
        {FieldType::Currency, Variant::Currency(123456), VarType::Currency, "12.3456"},
        {FieldType::Date, Variant::Date(2.5), VarType::Date, vb::Variant::Date(2.5).ToString()},
        {FieldType::Text, Variant("O'Brien \"quoted\""), VarType::String, "O'Brien \"quoted\""},
        {FieldType::Text, Variant(""), VarType::String, ""},
        // Text that looks like a number stays text.
        {FieldType::Text, Variant("007"), VarType::String, "007"},
        {FieldType::Memo, Variant("123"), VarType::String, "123"},
        {FieldType::Text, Variant::Null(), VarType::Null, ""},
        {FieldType::Long, Variant(), VarType::Null, ""},
    };
    auto db = Create();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string table = "T" + std::to_string(i);
        db->CreateTable(table, {{"ID", FieldType::Long, true}, {"Value", cases[i].type}});
        const int32_t id = db->Insert(table, {{"Value", cases[i].written}});
        const dao::RowSet rows = db->Select(table, {{"ID", id}});
        ASSERT_EQ(rows.Count(), 1u);
        const Variant& read = rows[0]["value"];
        EXPECT_EQ(read.Type(), cases[i].readType);
        if (!read.IsNull()) {
            EXPECT_EQ(read.ToString(), cases[i].readText);
        }
    }
}

TEST_F(SqliteDatabaseTest, AutoNumberIdsAreNeverReused) {
    auto db = Create();
    db->CreateTable("Item", {{"ID", FieldType::Long, true}, {"Name", FieldType::Text}});
    EXPECT_EQ(db->Insert("Item", {{"Name", "a"}}), 1);
    EXPECT_EQ(db->Insert("Item", {{"Name", "b"}}), 2);
    EXPECT_EQ(db->Delete("Item", {{"ID", 2}}), 1);
    EXPECT_EQ(db->Insert("Item", {{"Name", "c"}}), 3);
    EXPECT_EQ(db->Update("Item", {{"Name", "z"}}, {{"ID", 3}}), 1);
    EXPECT_EQ(db->Select("Item", {{"Name", "z"}})[0]["ID"].ToLong(), 3);
}

TEST_F(SqliteDatabaseTest, IdentifiersAreQuotedAndValuesAreNeverPartOfTheStatement) {
    auto db = Create();
    const std::string table = "Order \"Header\"; DROP TABLE x";
    db->CreateTable(table, {{"ID", FieldType::Long, true}, {"Ship-To#", FieldType::Text}});
    db->Insert(table, {{"Ship-To#", "O'Neil"}});
    EXPECT_EQ(db->Select(table, {{"Ship-To#", "O'Neil"}}).Count(), 1u);
    EXPECT_EQ(db->Select(table, {{"Ship-To#", "x' OR '1'='1"}}).Count(), 0u);
    EXPECT_EQ(db->SelectRows(table, {{"Ship-To#", "x' OR '1'='1"}}).Count(), 0u);
    EXPECT_TRUE(db->TableExists(table));
}

TEST_F(SqliteDatabaseTest, SelectRowsIgnoresLetterCaseAndMatchesWholeValues) {
    auto db = Create();
    db->CreateTable("Code",
                    {{"Code", FieldType::Text}, {"Value", FieldType::Text}, {"Rank", FieldType::Long}});
    for (const auto& [code, value] : std::vector<std::pair<std::string, std::string>>{
             {"State", "NY"}, {"State", "NYC"}, {"STATE", "CA"}, {"Émile", "x"}, {"Color", "Red"}}) {
        db->Insert("Code", {{"Code", code}, {"Value", value}, {"Rank", 1}});
    }
    struct Case {
        std::vector<dao::Criterion> criteria;
        std::size_t count;
    };
    const std::vector<Case> cases = {
        {{{"Code", "state"}}, 3},
        {{{"code", "State"}, {"Value", "ny"}}, 1},
        {{{"Code", "émile"}}, 1},
        {{{"Code", "Stat"}}, 0},
        {{{"Code", Variant::Null()}}, 0},
        {{{"Rank", 1}}, 5},
        {{}, 5},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(db->SelectRows("Code", cases[i].criteria).Count(), cases[i].count);
    }
    // Exact lookups keep letter case.
    EXPECT_EQ(db->Select("Code", {{"Code", "state"}}).Count(), 0u);
}

TEST_F(SqliteDatabaseTest, TransactionCommitsOrRollsBack) {
    auto db = Create();
    db->CreateTable("Item", {{"ID", FieldType::Long, true}, {"Name", FieldType::Text}});
    {
        dao::Transaction transaction(*db);
        db->Insert("Item", {{"Name", "kept"}});
        transaction.Commit();
    }
    EXPECT_THROW(
        {
            dao::Transaction transaction(*db);
            db->Insert("Item", {{"Name", "lost"}});
            db->Execute("INSERT INTO NoSuchTable VALUES (1)");
            transaction.Commit();
        },
        vb::Error);
    const dao::RowSet rows = db->Select("Item");
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows[0]["Name"].ToString(), "kept");
}

TEST_F(SqliteDatabaseTest, SchemaInformation) {
    auto db = Create();
    db->CreateTable("Parent", {{"ID", FieldType::Long, true}, {"Name", FieldType::Text}});
    db->Execute(
        "CREATE TABLE \"Child\" (\"ParentID\" INTEGER NOT NULL REFERENCES \"Parent\", \"LineNo\" INTEGER, "
        "\"Note\" VARCHAR(40), PRIMARY KEY (\"ParentID\", \"LineNo\"))");
    db->CreateIndex("ChildNote", "Child", {"Note"});

    EXPECT_EQ(db->TableNames(), (std::vector<std::string>{"Parent", "Child"}));
    EXPECT_TRUE(db->TableExists("Child"));
    EXPECT_FALSE(db->TableExists("child"));
    EXPECT_TRUE(db->ColumnExists("Child", "Note"));
    EXPECT_FALSE(db->ColumnExists("Child", "note"));

    const auto columns = db->Columns("Child");
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].Type, FieldType::Long);
    EXPECT_FALSE(columns[0].IsNullable);
    EXPECT_EQ(columns[2].Type, FieldType::Text);
    EXPECT_EQ(columns[2].Size, 40);
    EXPECT_TRUE(columns[2].IsNullable);

    const auto indexes = db->Indexes("Child");
    ASSERT_EQ(indexes.size(), 2u);
    EXPECT_TRUE(indexes[0].IsPrimary);
    EXPECT_EQ(indexes[0].Columns, (std::vector<std::string>{"ParentID", "LineNo"}));
    EXPECT_EQ(indexes[1].Name, "ChildNote");
    EXPECT_EQ(indexes[1].Columns, (std::vector<std::string>{"Note"}));

    const auto relations = db->Relations();
    ASSERT_EQ(relations.size(), 1u);
    EXPECT_EQ(relations[0].Table, "Parent");
    EXPECT_EQ(relations[0].ForeignTable, "Child");
    ASSERT_EQ(relations[0].Columns.size(), 1u);
    EXPECT_EQ(relations[0].Columns[0].Name, "ID");
    EXPECT_EQ(relations[0].Columns[0].ForeignName, "ParentID");

    EXPECT_EQ(ErrorNumberOf([&] { db->Columns("NoSuchTable"); }), dao::kItemNotFound);
}

TEST_F(SqliteDatabaseTest, AddedColumnsShowInLaterReadsAndYesNoColumnsAreNeverNull) {
    auto db = Create();
    db->CreateTable("Method", {{"ID", FieldType::Long, true}, {"Name", FieldType::Text}});
    db->Insert("Method", {{"Name", "Load"}});
    EXPECT_EQ(db->Select("Method").Columns().size(), 2u);
    db->AddColumn("Method", {"IsStoredProcedure", FieldType::Boolean});
    db->AddColumn("Method", {"StoredProcedureName", FieldType::Text});
    const dao::RowSet rows = db->Select("Method");
    EXPECT_EQ(rows.Columns().size(), 4u);
    EXPECT_EQ(rows[0]["IsStoredProcedure"].Type(), VarType::Boolean);
    EXPECT_FALSE(rows[0]["IsStoredProcedure"].ToBoolean());
    EXPECT_TRUE(rows[0]["StoredProcedureName"].IsNull());
}

TEST_F(SqliteDatabaseTest, FailuresRaiseTheEngineErrorAndFillTheErrorList) {
    auto db = Create();
    db->CreateTable("Item", {{"ID", FieldType::Long, true}});
    db->Execute("CREATE UNIQUE INDEX ItemID ON Item (ID)");
    struct Case {
        std::string sql;
        int32_t number;
    };
    const std::vector<Case> cases = {
        {"SELEC nothing", 1},                             // syntax error
        {"INSERT INTO Item (ID) VALUES (1), (1)", 1555},  // primary key constraint
        {"SELECT * FROM NoSuchTable", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        try {
            db->Execute(c.sql);
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), c.number);
            const auto errors = dao::Errors();
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_EQ(errors[0].Number, c.number);
            EXPECT_EQ(errors[0].Description, error.Description());
            EXPECT_EQ(errors[0].Source, "SQLite");
        }
    }
    // A successful operation leaves the list of the last failure.
    db->Select("Item");
    EXPECT_EQ(dao::Errors().size(), 1u);
    dao::ClearErrors();
    EXPECT_TRUE(dao::Errors().empty());

    EXPECT_EQ(ErrorNumberOf([&] {
                  db->Select("Item", {{"ID", Variant(vb::ObjectPtr())}});
              }),
              vb::kTypeMismatch);
    db->Insert("Item", {});
    EXPECT_EQ(ErrorNumberOf([&] { (void)db->Select("Item")[0]["NoSuchColumn"]; }), dao::kItemNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { (void)db->Select("Item")[1]; }), dao::kItemNotFound);
}

TEST_F(SqliteDatabaseTest, OpeningFilesOfTheWrongKind) {
    std::ofstream(mFolder / "text.db")
        << "This is not a database file, but it is long enough to have a header.";
    const auto missing = mFolder / "missing.db";
    try {
        dao::SqliteDatabase::Open(missing, dao::OpenMode::ReadWrite);
        ADD_FAILURE() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), dao::kCouldNotFindFile);
        EXPECT_NE(error.Description().find(missing.string()), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(
        ErrorNumberOf([&] { dao::SqliteDatabase::Open(mFolder / "text.db", dao::OpenMode::ReadWrite); }),
        26);  // file is not a database
    EXPECT_EQ(ErrorNumberOf([&] { dao::OpenDatabase(mFolder / "text.db"); }),
              dao::kUnrecognizedDatabaseFormat);
    EXPECT_EQ(ErrorNumberOf([&] { dao::OpenDatabase(missing); }), dao::kCouldNotFindFile);

    Create("made.db")->CreateTable("T", {{"A", FieldType::Text}});
    auto readOnly = dao::OpenDatabase(mFolder / "made.db");
    EXPECT_NE(dynamic_cast<dao::SqliteDatabase*>(readOnly.get()), nullptr);
    EXPECT_EQ(ErrorNumberOf([&] {
                  static_cast<dao::SqliteDatabase&>(*readOnly).Insert("T", {{"A", "x"}});
              }),
              8);  // attempt to write a readonly database
}

}  // namespace
