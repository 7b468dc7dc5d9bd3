#pragma once
// An SQLite database file. Statements take every value as a bound parameter (?1, ?2, ... in the text);
// the table helpers quote every identifier. Errors raise the engine's extended result code and message.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/dao/Database.h"
#include "platform/dao/SqlText.h"

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

namespace dao {

using Parameters = std::vector<vb::Variant>;

// The error a write raises when the file's folder does not let SQLite make the journal it keeps beside
// the file while it writes (the system denied it permission).
inline constexpr int32_t kJournalRefused = 1544;

// column = value for writes and exact lookups.
struct ColumnValue {
    std::string Column;
    vb::Variant Value;
};
using ColumnValues = std::vector<ColumnValue>;

class SqliteDatabase final : public Database {
  public:
    // 3024 for a missing file unless `mode` may create it; SQLite's own error for a file it cannot read.
    static std::unique_ptr<SqliteDatabase> Open(const std::filesystem::path& file, OpenMode mode);
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    const std::filesystem::path& Path() const override { return mPath; }
    // Why a file opened to be written is open for reading only: the system's error (an errno value) on
    // opening it for writing, asked again at each call. Once the system lets it be written (a person made
    // it writable), the file is opened again for writing and the answer is 0, as it is for a file open as
    // asked or whose reason is not known. Not to be asked inside a transaction.
    int WriteRefusal();

    // Any statement; returns the number of rows it changed.
    int Execute(std::string_view sql, const Parameters& parameters = {});
    RowSet Query(std::string_view sql, const Parameters& parameters = {});

    // Adds a row and returns its AutoNumber ID (the row's rowid).
    int32_t Insert(const std::string& table, const ColumnValues& values);
    // The rows whose columns equal the values exactly (all rows for none).
    RowSet Select(const std::string& table, const ColumnValues& where = {});
    int Update(const std::string& table, const ColumnValues& values, const ColumnValues& where);
    int Delete(const std::string& table, const ColumnValues& where);

    void CreateTable(const std::string& table, const std::vector<ColumnDefinition>& columns);
    void AddColumn(const std::string& table, const ColumnDefinition& column);
    void CreateIndex(const std::string& name, const std::string& table,
                     const std::vector<std::string>& columns);

    // Database
    std::vector<std::string> TableNames() override;
    std::vector<ColumnInfo> Columns(const std::string& table) override;
    std::vector<IndexInfo> Indexes(const std::string& table) override;
    std::vector<RelationInfo> Relations() override;
    RowSet SelectRows(const std::string& table, const std::vector<Criterion>& criteria = {}) override;

  private:
    SqliteDatabase(std::filesystem::path path, std::unique_ptr<SQLite::Database> database, int writeRefusal);
    // A prepared statement, kept for the next run of the same text.
    SQLite::Statement& Prepare(std::string_view sql, const Parameters& parameters);
    void RequireTable(const std::string& table);
    void RollBackQuietly() noexcept;
    friend class Transaction;

    std::filesystem::path mPath;
    std::unique_ptr<SQLite::Database> mDatabase;
    int mWriteRefusal;
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> mStatements;
};

// Begins a transaction; it is rolled back unless Commit is called before it ends.
class Transaction {
  public:
    explicit Transaction(SqliteDatabase& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

  private:
    SqliteDatabase& mDatabase;
    bool mIsOpen = true;
};

}  // namespace dao
