#include "repository/RepositorySchema.h"

#include <gtest/gtest.h>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"
#include "tests/platform/dao/TestFiles.h"

namespace {

using dao::FieldType;

// The repository's columns as the file format gives them, written out independently of the schema code.
const std::vector<std::pair<std::string, std::string>>& ExpectedColumns() {
    static const std::vector<std::pair<std::string, std::string>> tables = {
        {"Application",
         "ID Name Description DSN LocalDBName L1ProjectName L2ProjectName L3ProjectName DBType "
         "Architecture"},
        {"BusinessObject",
         "ID ApplicationID Name L1ClassName L2BusObjClass L2DisplayClass L2ListClass L3BusObjClass "
         "L3ListClass"},
        {"Table", "ID BusObjID Name"},
        {"Property",
         "ID BusObjID Name DataType Access Label Length IsKey IsMandatory IsUnique ControlType IsPVList "
         "IsVirtual IsPVTable IsPVRange LowerBound UpperBound PVTableClass IsPVFKey "
         "PVFKeyDisplayedPropID ForeignKeyFldID AssociationID"},
        {"Field", "ID BusObjPropID TableID Name DataType Length IsPrimaryKey IsNullable IsForeignKey"},
        {"PermittedValues", "PropID PermittedValue"},
        {"Method", "ID BusObjID Name ReturnDataType MethodType IsStoredProcedure StoredProcedureName"},
        {"Relationship", "ID ApplicationID RelType"},
        {"Association", "ID RelationshipID SourceBusObjID TargetBusObjID Cardinality IsOptional Description"},
        {"VBOstrel", "Version"},
    };
    return tables;
}

std::string ColumnNames(dao::Database& db, const std::string& table) {
    std::string names;
    for (const dao::ColumnInfo& column : db.Columns(table))
        names += (names.empty() ? "" : " ") + column.Name;
    return names;
}

TEST(RepositorySchema, NewRepositoryHasEveryTableAndColumnOfTheCurrentFormat) {
    dao_test::TestFolder folder;
    repository::CreateRepository(folder / "vbostrel.mdb");
    auto db = dao::SqliteDatabase::Open(folder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    std::vector<std::string> tables;
    for (const auto& [table, columns] : ExpectedColumns()) {
        EXPECT_EQ(ColumnNames(*db, table), columns) << table;
        tables.push_back(table);
    }
    EXPECT_EQ(db->TableNames(), tables);
    const dao::RowSet versions = db->Select("VBOstrel");
    ASSERT_EQ(versions.Count(), 1u);
    EXPECT_EQ(versions[0]["Version"].ToString(), "1.1");
    EXPECT_TRUE(db->Select("Application").IsEmpty());
}

TEST(RepositorySchema, ColumnTypesCarryTheModelsValues) {
    dao_test::TestFolder folder;
    repository::CreateRepository(folder / "vbostrel.mdb");
    auto db = dao::SqliteDatabase::Open(folder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    const int32_t appId = db->Insert("Application", {{"Name", "Orders"}, {"DSN", ""}, {"Architecture", 3}});
    const int32_t propId = db->Insert("Property", {{"BusObjID", 1},
                                                   {"Name", "Owner"},
                                                   {"Label", ""},
                                                   {"IsKey", true},
                                                   {"PVFKeyDisplayedPropID", 100000}});
    db->Insert("PermittedValues", {{"PropID", propId}, {"PermittedValue", "O'Brien"}});

    const dao::Row app = db->Select("Application", {{"ID", appId}})[0];
    EXPECT_EQ(app["DSN"].Type(), vb::VarType::String);  // zero-length text stays so
    EXPECT_EQ(app["DSN"].ToString(), "");
    EXPECT_EQ(app["Architecture"].ToLong(), 3);
    const dao::Row property = db->Select("Property", {{"ID", propId}})[0];
    EXPECT_EQ(property["IsKey"].Type(), vb::VarType::Boolean);
    EXPECT_TRUE(property["IsKey"].ToBoolean());
    EXPECT_FALSE(property["IsMandatory"].ToBoolean());  // Yes/No columns start as No, never Null
    EXPECT_EQ(property["PVFKeyDisplayedPropID"].ToLong(), 100000);
    EXPECT_EQ(db->Select("PermittedValues", {{"PropID", propId}})[0]["PermittedValue"].ToString(), "O'Brien");

    // AutoNumber IDs are never given again, not even after the last row is deleted.
    db->Delete("Application", {{"ID", appId}});
    EXPECT_GT(db->Insert("Application", {{"Name", "Next"}}), appId);
}

TEST(RepositorySchema, AnExistingFileIsNeverOverwritten) {
    dao_test::TestFolder folder;
    repository::CreateRepository(folder / "vbostrel.mdb");
    EXPECT_THROW(repository::CreateRepository(folder / "vbostrel.mdb"), vb::Error);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
