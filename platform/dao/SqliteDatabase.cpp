#include "platform/dao/SqliteDatabase.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "platform/dao/Errors.h"
#include "platform/dao/FileFormat.h"
#include "platform/dao/SqlText.h"
#include "platform/dao/SqliteValues.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace dao {

namespace {

// Text compared as the Jet engine compares it: letter case ignored.
constexpr const char* kTextCollation = "VBTEXT";
// Prepared statements kept at most; generated texts that differ each time would otherwise pile up.
constexpr std::size_t kStatementCacheLimit = 256;

int CompareIgnoringCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const std::string foldedA =
        vb::FoldCase(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)));
    const std::string foldedB =
        vb::FoldCase(std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
    return foldedA.compare(foldedB);
}

[[noreturn]] void RaiseSqliteError(const SQLite::Exception& error) {
    const int code = error.getExtendedErrorCode();
    RaiseEngineError({code > 0 ? code : SQLITE_ERROR, error.what(), kSqliteSource});
}

// Runs `body`, raising an engine error in place of SQLiteCpp's exception.
template <typename Body>
decltype(auto) Guarded(Body&& body) {
    try {
        return body();
    } catch (const SQLite::Exception& error) {
        RaiseSqliteError(error);
    }
}

int OpenFlags(OpenMode mode) {
    switch (mode) {
        case OpenMode::ReadOnly:
            return SQLite::OPEN_READONLY;
        case OpenMode::ReadWrite:
            return SQLite::OPEN_READWRITE;
        case OpenMode::CreateIfMissing:
            return SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE;
    }
    return SQLite::OPEN_READONLY;
}

std::vector<std::string> ColumnsOf(const ColumnValues& values) {
    std::vector<std::string> columns;
    columns.reserve(values.size());
    for (const ColumnValue& value : values)
        columns.push_back(value.Column);
    return columns;
}

Parameters ValuesOf(const ColumnValues& values, Parameters parameters = {}) {
    for (const ColumnValue& value : values)
        parameters.push_back(value.Value);
    return parameters;
}

// SQLite opens a file it may not write for reading only and, at the first write, says no more than that:
// the system is asked why, as SQLite asked it.
int WriteRefusalOf(const std::filesystem::path& file) {
    const int descriptor = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    return 0;
}

// A connection to `file` with the text collation; the caller guards it.
std::unique_ptr<SQLite::Database> Connect(const std::filesystem::path& file, OpenMode mode) {
    auto database = std::make_unique<SQLite::Database>(file.string(), OpenFlags(mode));
    sqlite3_create_collation_v2(database->getHandle(), kTextCollation, SQLITE_UTF8, nullptr,
                                CompareIgnoringCase, nullptr);
    // SQLite reads the header only when asked: a file of another kind fails here, not later.
    database->exec("SELECT count(*) FROM sqlite_master");
    return database;
}

// Why `database`, asked for in `mode`, cannot be written: 0 when it can, or it was asked for reading.
int WriteRefusalOf(const SQLite::Database& database, const std::filesystem::path& file, OpenMode mode) {
    const bool refused = mode != OpenMode::ReadOnly && sqlite3_db_readonly(database.getHandle(), "main") == 1;
    return refused ? WriteRefusalOf(file) : 0;
}

}  // namespace

static_assert(kJournalRefused == SQLITE_READONLY_DIRECTORY);

std::unique_ptr<SqliteDatabase> SqliteDatabase::Open(const std::filesystem::path& file, OpenMode mode) {
    if (mode != OpenMode::CreateIfMissing && DetectFileFormat(file) == FileFormat::Missing) {
        RaiseFileNotFound(file, kSqliteSource);
    }
    return Guarded([&] {
        auto database = Connect(file, mode);
        const int refusal = WriteRefusalOf(*database, file, mode);
        return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(file, std::move(database), refusal));
    });
}

int SqliteDatabase::WriteRefusal() {
    if (mWriteRefusal != 0 && WriteRefusalOf(mPath) == 0) {
        Guarded([&] {
            auto database = Connect(mPath, OpenMode::ReadWrite);
            mWriteRefusal = WriteRefusalOf(*database, mPath, OpenMode::ReadWrite);
            mStatements.clear();
            mDatabase = std::move(database);
        });
    }
    return mWriteRefusal;
}

SqliteDatabase::SqliteDatabase(std::filesystem::path path, std::unique_ptr<SQLite::Database> database,
                               int writeRefusal)
    : mPath(std::move(path)), mDatabase(std::move(database)), mWriteRefusal(writeRefusal) {}

SqliteDatabase::~SqliteDatabase() = default;

SQLite::Statement& SqliteDatabase::Prepare(std::string_view sql, const Parameters& parameters) {
    auto found = mStatements.find(std::string(sql));
    if (found == mStatements.end()) {
        if (mStatements.size() >= kStatementCacheLimit)
            mStatements.clear();
        auto statement = std::make_unique<SQLite::Statement>(*mDatabase, std::string(sql));
        found = mStatements.emplace(std::string(sql), std::move(statement)).first;
    }
    SQLite::Statement& statement = *found->second;
    statement.tryReset();  // its last run's failure was raised then
    statement.clearBindings();
    for (std::size_t i = 0; i < parameters.size(); ++i)
        BindValue(statement, static_cast<int>(i + 1), parameters[i]);
    return statement;
}

int SqliteDatabase::Execute(std::string_view sql, const Parameters& parameters) {
    // A statement may change the schema, and a kept statement would keep the old columns.
    mStatements.clear();
    return Guarded([&] {
        SQLite::Statement statement(*mDatabase, std::string(sql));
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            BindValue(statement, static_cast<int>(i + 1), parameters[i]);
        }
        while (statement.executeStep()) {
        }
        return mDatabase->getChanges();
    });
}

RowSet SqliteDatabase::Query(std::string_view sql, const Parameters& parameters) {
    return Guarded([&] {
        SQLite::Statement statement(*mDatabase, std::string(sql));
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            BindValue(statement, static_cast<int>(i + 1), parameters[i]);
        }
        return ReadRows(statement);
    });
}

int32_t SqliteDatabase::Insert(const std::string& table, const ColumnValues& values) {
    std::string sql = "INSERT INTO " + QuoteIdentifier(table);
    if (values.empty()) {
        sql += " DEFAULT VALUES";
    } else {
        std::string columns;
        std::string placeholders;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const char* separator = i == 0 ? "" : ", ";
            columns += separator + QuoteIdentifier(values[i].Column);
            placeholders += separator + std::string("?") + std::to_string(i + 1);
        }
        sql += " (" + columns + ") VALUES (" + placeholders + ")";
    }
    return Guarded([&] {
        SQLite::Statement& statement = Prepare(sql, ValuesOf(values));
        while (statement.executeStep()) {
        }
        const int64_t id = mDatabase->getLastInsertRowid();
        // An ID beyond a Long could not be kept by the caller.
        if (id > std::numeric_limits<int32_t>::max())
            vb::Raise(vb::kOverflow, "Insert");
        return static_cast<int32_t>(id);
    });
}

RowSet SqliteDatabase::Select(const std::string& table, const ColumnValues& where) {
    const std::string sql = "SELECT * FROM " + QuoteIdentifier(table) + WhereClause(ColumnsOf(where), 1);
    return Guarded([&] { return ReadRows(Prepare(sql, ValuesOf(where))); });
}

int SqliteDatabase::Update(const std::string& table, const ColumnValues& values, const ColumnValues& where) {
    if (values.empty())
        return 0;
    std::string sql = "UPDATE " + QuoteIdentifier(table) + " SET ";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += QuoteIdentifier(values[i].Column) + " = ?" + std::to_string(i + 1);
    }
    sql += WhereClause(ColumnsOf(where), static_cast<int>(values.size()) + 1);
    return Guarded([&] {
        SQLite::Statement& statement = Prepare(sql, ValuesOf(where, ValuesOf(values)));
        while (statement.executeStep()) {
        }
        return mDatabase->getChanges();
    });
}

int SqliteDatabase::Delete(const std::string& table, const ColumnValues& where) {
    const std::string sql = "DELETE FROM " + QuoteIdentifier(table) + WhereClause(ColumnsOf(where), 1);
    return Guarded([&] {
        SQLite::Statement& statement = Prepare(sql, ValuesOf(where));
        while (statement.executeStep()) {
        }
        return mDatabase->getChanges();
    });
}

RowSet SqliteDatabase::SelectRows(const std::string& table, const std::vector<Criterion>& criteria) {
    std::vector<std::string> columns;
    Parameters values;
    for (const Criterion& criterion : criteria) {
        columns.push_back(criterion.Column);
        values.push_back(criterion.Value);
    }
    const std::string sql =
        "SELECT * FROM " + QuoteIdentifier(table) + WhereClause(columns, 1, kTextCollation);
    return Guarded([&] { return ReadRows(Prepare(sql, values)); });
}

void SqliteDatabase::RollBackQuietly() noexcept {
    mDatabase->tryExec("ROLLBACK");
}

Transaction::Transaction(SqliteDatabase& database) : mDatabase(database) {
    mDatabase.Execute("BEGIN");
}

Transaction::~Transaction() {
    if (mIsOpen)
        mDatabase.RollBackQuietly();
}

void Transaction::Commit() {
    mDatabase.Execute("COMMIT");
    mIsOpen = false;
}

}  // namespace dao
