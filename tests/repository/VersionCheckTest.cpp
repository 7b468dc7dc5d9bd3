#include "repository/VersionCheck.h"

#include <gtest/gtest.h>

#include "platform/vb/Error.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/RepositoryTestFiles.h"

namespace {

using repository_test::kAllLaterColumns;
using repository_test::OlderFormat;

// The later columns the file has, and its version rows.
struct Shape {
    std::vector<std::string> laterColumns;
    std::vector<std::string> versions;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(dao::SqliteDatabase& db) {
    Shape shape;
    for (const std::string& column : kAllLaterColumns) {
        const auto dot = column.find('.');
        if (db.ColumnExists(column.substr(0, dot), column.substr(dot + 1)))
            shape.laterColumns.push_back(column);
    }
    if (db.TableExists("VBOstrel")) {
        for (const dao::Row& row : db.Select("VBOstrel")) {
            shape.versions.push_back(row["Version"].IsNull() ? "(Null)" : row["Version"].ToString());
        }
    }
    return shape;
}

TEST(CheckDBVersion, BringsOlderFormatsToTheCurrentOneOnlyWhenTheirVersionAllows) {
    struct Case {
        std::string name;
        OlderFormat format;
        Shape expected;
    };
    const Shape current{kAllLaterColumns, {"1.1"}};
    const std::vector<Case> cases = {
        {"current", {}, current},
        {"previous format", {false, {}, kAllLaterColumns}, current},
        {"1.1 without the newer columns", {true, {"1.1"}, kAllLaterColumns}, current},
        {"1.1 without the foreign-key pair",
         {true, {"1.1"}, {"Property.IsPVFKey", "Property.PVFKeyDisplayedPropID"}},
         current},
        {"1.1 with half of a pair", {true, {"1.1"}, {"Method.StoredProcedureName"}}, current},
        {"no version table but one later column",
         {false,
          {},
          {"Method.IsStoredProcedure", "Method.StoredProcedureName", "Property.PVFKeyDisplayedPropID"}},
         current},
        {"other version", {true, {"1.0"}, kAllLaterColumns}, {{}, {"1.0"}}},
        {"Null version", {true, {vb::Variant::Null()}, kAllLaterColumns}, {{}, {"(Null)"}}},
        {"empty version table", {true, {}, kAllLaterColumns}, {{}, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dao_test::TestFolder folder;
        repository_test::MakeRepository(folder / "vbostrel.mdb", c.format);
        auto db = dao::SqliteDatabase::Open(folder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
        const Shape before = ShapeOf(*db);
        // A command that only reads refuses exactly the files the check would change.
        const bool pending = !repository::PendingVersionChange(*db).empty();
        repository::CheckDBVersion(*db);
        EXPECT_EQ(ShapeOf(*db), c.expected);
        EXPECT_EQ(pending, ShapeOf(*db) != before);
        EXPECT_EQ(repository::PendingVersionChange(*db), "");
        repository::CheckDBVersion(*db);
        EXPECT_EQ(ShapeOf(*db), c.expected);
    }
}

TEST(CheckDBVersion, RowsOfAnOlderFormatReadTheAddedColumnsAsNoAndNull) {
    dao_test::TestFolder folder;
    repository_test::MakeRepository(folder / "vbostrel.mdb", {false, {}, kAllLaterColumns});
    auto db = dao::SqliteDatabase::Open(folder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    db->Insert("Method", {{"BusObjID", 1}, {"Name", "Ship"}});
    db->Insert("Property", {{"BusObjID", 1}, {"Name", "Owner"}});
    repository::CheckDBVersion(*db);

    const dao::Row method = db->Select("Method")[0];
    EXPECT_FALSE(method["IsStoredProcedure"].ToBoolean());
    EXPECT_TRUE(method["StoredProcedureName"].IsNull());
    const dao::Row property = db->Select("Property")[0];
    EXPECT_FALSE(property["IsPVFKey"].ToBoolean());
    EXPECT_TRUE(property["PVFKeyDisplayedPropID"].IsNull());
    db->Update("Property", {{"PVFKeyDisplayedPropID", 70000}}, {{"Name", "Owner"}});
    EXPECT_EQ(db->Select("Property")[0]["PVFKeyDisplayedPropID"].ToLong(), 70000);
}

TEST(CheckDBVersion, AFailureLeavesTheFileAsItWas) {
    dao_test::TestFolder folder;
    repository_test::MakeRepository(folder / "vbostrel.mdb", {false, {}, kAllLaterColumns});
    auto db = dao::SqliteDatabase::Open(folder / "vbostrel.mdb", dao::OpenMode::ReadWrite);
    // A column whose name differs only in letter case cannot be added beside it.
    db->AddColumn("Property", {"ispvfkey", dao::FieldType::Boolean});
    const Shape before = ShapeOf(*db);
    EXPECT_THROW(repository::CheckDBVersion(*db), vb::Error);
    EXPECT_EQ(ShapeOf(*db), before);
    EXPECT_FALSE(db->TableExists("VBOstrel"));
}

}  // namespace
