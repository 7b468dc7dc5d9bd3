#pragma once
// Security databases for the run-time tests: the Access fixture, SQLite files with the same tables, and a
// guard that points the run-time classes at one of them.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/SqliteDatabase.h"
#include "runtime/SecurityDatabase.h"
#include "tests/platform/dao/TestFiles.h"

namespace runtime_test {

// UserID, BusinessObject, ComponentType, Restriction, ComponentName.
using SecurityRow = std::vector<vb::Variant>;
// Code, Value.
using CodeRow = std::vector<vb::Variant>;

// The rows of the Access fixture, in its order.
inline std::vector<SecurityRow> FixtureSecurityRows() {
    return {{"bob", "Customer", "Method", "Edit", "Delete"},
            {"bob", "Customer", "Method", vb::Variant::Null(), "Purge"},
            {"bob", "Customer", "Property", "Edit", "Balance"},
            {"bob", "Customer", "Property", "View", "Salary"},
            {"bob", "Customer", "Property", "Other", "Notes"},
            {"BOB", "Customer", "Property", "View", "Rating"},
            {"O'Neil", "Customer", "Property", "View", "Salary"},
            {"alice", "Order", "Property", "Edit", "Total"}};
}

inline std::vector<CodeRow> FixtureCodeRows() {
    return {{"State", "NY"}, {"State", "NYC"}, {"State", "CA"}, {"Owner's", "X"}, {"Color", "Red"}};
}

inline void InsertRows(dao::SqliteDatabase& database, const std::string& table,
                       const std::vector<std::string>& columns,
                       const std::vector<std::vector<vb::Variant>>& rows) {
    std::vector<dao::ColumnDefinition> definitions;
    for (const std::string& column : columns)
        definitions.push_back({column, dao::FieldType::Text});
    database.CreateTable(table, definitions);
    for (const auto& row : rows) {
        dao::ColumnValues values;
        for (size_t i = 0; i < columns.size(); ++i)
            values.push_back({columns[i], row[i]});
        database.Insert(table, values);
    }
}

// An SQLite security database with the given rows.
inline void WriteSqliteSecurityDatabase(const std::filesystem::path& file,
                                        const std::vector<SecurityRow>& security = FixtureSecurityRows(),
                                        const std::vector<CodeRow>& codes = FixtureCodeRows()) {
    auto database = dao::SqliteDatabase::Open(file, dao::OpenMode::CreateIfMissing);
    InsertRows(*database, "Security",
               {"UserID", "BusinessObject", "ComponentType", "Restriction", "ComponentName"}, security);
    InsertRows(*database, "Code", {"Code", "Value"}, codes);
}

inline std::filesystem::path AccessSecurityDatabase() {
    return dao_test::Fixture("security.mdb");
}

// Points the run-time classes at `file` (or at their default when empty) until the guard goes.
class ScopedSecurityDatabase {
  public:
    explicit ScopedSecurityDatabase(const std::filesystem::path& file) {
        if (const char* previous = std::getenv(runtime::kSecurityDatabaseVariable))
            mPrevious = previous;
        if (file.empty())
            ::unsetenv(runtime::kSecurityDatabaseVariable);
        else
            ::setenv(runtime::kSecurityDatabaseVariable, file.c_str(), 1);
    }
    ~ScopedSecurityDatabase() {
        if (mPrevious)
            ::setenv(runtime::kSecurityDatabaseVariable, mPrevious->c_str(), 1);
        else
            ::unsetenv(runtime::kSecurityDatabaseVariable);
    }
    ScopedSecurityDatabase(const ScopedSecurityDatabase&) = delete;
    ScopedSecurityDatabase& operator=(const ScopedSecurityDatabase&) = delete;

  private:
    std::optional<std::string> mPrevious;
};

// Both file formats, with the fixture's rows.
enum class FileKind { Access, Sqlite };

inline std::string FileKindName(const ::testing::TestParamInfo<FileKind>& info) {
    return info.param == FileKind::Access ? "Access" : "Sqlite";
}

// Each test of a suite derived from this runs on the Access fixture and on an SQLite copy of it.
class BothFormatsTest : public ::testing::TestWithParam<FileKind> {
  protected:
    BothFormatsTest()
        : mFile(GetParam() == FileKind::Access ? AccessSecurityDatabase() : mFolder / "security.mdb"),
          mUseFile(PrepareFile()) {}

    dao_test::TestFolder mFolder;
    std::filesystem::path mFile;
    ScopedSecurityDatabase mUseFile;

  private:
    std::filesystem::path PrepareFile() {
        if (GetParam() == FileKind::Sqlite)
            WriteSqliteSecurityDatabase(mFile);
        return mFile;
    }
};

}  // namespace runtime_test
