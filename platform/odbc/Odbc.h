#pragma once
// The ODBC driver manager (unixODBC) as RAII handles: an ODBC 3 environment, a connection opened by a
// connect string or a data-source name, and a statement for SQL text and the catalog functions.
//
// A failing call replaces the database engine's error list (dao::Errors) by 3146 "ODBC--call failed."
// followed by one entry per diagnostic record ("[SQLSTATE] text", the native number, source "ODBC"), and
// raises the first, as DAO reports a failing ODBC call. A password of the connect string never shows in
// those texts. WithDriverReason puts the driver's reasons under a message about the failure.

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/vb/Error.h"

namespace odbc {

inline constexpr int32_t kOdbcCallFailed = 3146;
inline constexpr const char* kOdbcSource = "ODBC";

class Environment {
  public:
    Environment();
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    SQLHENV Handle() const { return mHandle; }

  private:
    SQLHENV mHandle = SQL_NULL_HENV;
};

class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A text without "=" is a data-source name; anything else a connect string. Never prompts.
    void Open(const std::string& text);
    bool IsOpen() const { return mOpen; }

    // A text item of SQLGetInfo (SQL_DBMS_NAME, SQL_DATABASE_NAME, SQL_SEARCH_PATTERN_ESCAPE, ...).
    std::string Info(SQLUSMALLINT item);
    // The connection's current catalog, empty when the driver has none.
    std::string CurrentCatalog();

    SQLHDBC Handle() const { return mHandle; }

  private:
    Environment mEnvironment;
    SQLHDBC mHandle = SQL_NULL_HDBC;
    bool mOpen = false;
};

// Catalog arguments: std::nullopt passes a null pointer (any value). Table and column name arguments of
// Tables and Columns are search patterns.
using Argument = std::optional<std::string>;

class Statement {
  public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Execute(const std::string& sql);
    // `sql` with its "?" markers bound, in order, to `parameters` as text.
    void Execute(const std::string& sql, const std::vector<std::string>& parameters);
    void Tables(const Argument& schema, const Argument& table, const Argument& types);
    void Columns(const Argument& schema, const Argument& table);
    void PrimaryKeys(const Argument& schema, const std::string& table);
    void ForeignKeys(const Argument& schema, const std::string& foreignKeyTable);

    // Moves to the next row of the result; false at its end.
    bool Fetch();
    // Column values of the current row (1-based); std::nullopt for Null.
    std::optional<std::string> Text(SQLUSMALLINT column);
    std::optional<int64_t> Integer(SQLUSMALLINT column);

  private:
    void Check(SQLRETURN result);
    void Restart();

    SQLHSTMT mHandle = SQL_NULL_HSTMT;
};

// Raises the diagnostic records of `handle` as above (a call that returned an error).
[[noreturn]] void RaiseDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const std::string& secret = {});

// `text` followed, one a line, by the reasons the driver gave for the failed call that raised `error` (the
// engine's error list after its 3146); `text` alone when `error` is not that failure.
std::string WithDriverReason(const std::string& text, const vb::Error& error);

}  // namespace odbc
