#include "platform/odbc/Odbc.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "platform/dao/Errors.h"
#include "platform/odbc/ConnectString.h"
#include "platform/vb/Text.h"

namespace odbc {
namespace {

constexpr const char* kMasked = "****";
constexpr const char* kNewLine = "\r\n";

bool Failed(SQLRETURN result) {
    return result == SQL_ERROR || result == SQL_INVALID_HANDLE;
}

std::string Masked(std::string text, const std::string& secret) {
    return secret.empty() ? text : vb::Replace(text, secret, kMasked);
}

// Text goes to the driver manager as UTF-8 bytes: the drivers give back what they were given, where
// their wide calls do not (libsqliteodbc garbles non-ASCII text of expressions and catalog rows).
SQLCHAR* In(const std::string& text) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

std::string Out(const SQLCHAR* text) {
    return reinterpret_cast<const char*>(text);
}

// A pointer and length for an optional catalog argument.
struct CatalogArgument {
    explicit CatalogArgument(const Argument& value) : present(value.has_value()), text(value.value_or("")) {}
    SQLCHAR* Pointer() { return present ? In(text) : nullptr; }
    SQLSMALLINT Length() const { return present ? SQL_NTS : 0; }

    bool present;
    std::string text;
};

}  // namespace

void RaiseDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const std::string& secret) {
    std::vector<dao::EngineError> errors = {{kOdbcCallFailed, "ODBC--call failed.", kOdbcSource}};
    for (SQLSMALLINT record = 1;; ++record) {
        std::array<SQLCHAR, 6> state{};
        SQLINTEGER native = 0;
        std::array<SQLCHAR, SQL_MAX_MESSAGE_LENGTH> message{};
        SQLSMALLINT length = 0;
        const SQLRETURN result =
            SQLGetDiagRec(handleType, handle, record, state.data(), &native, message.data(),
                          static_cast<SQLSMALLINT>(message.size()), &length);
        if (!SQL_SUCCEEDED(result))
            break;
        const std::string text = "[" + Out(state.data()) + "] " + Out(message.data());
        errors.push_back({native, Masked(text, secret), kOdbcSource});
    }
    dao::RaiseEngineErrors(std::move(errors));
}

std::string WithDriverReason(const std::string& text, const vb::Error& error) {
    const std::vector<dao::EngineError> errors = dao::Errors();
    if (errors.empty() || errors.front().Number != kOdbcCallFailed || error.Number() != kOdbcCallFailed ||
        errors.front().Description != error.Description())
        return text;
    // Drivers break and indent their texts for a terminal: one line each, without the indent.
    std::string message = text;
    for (auto reason = errors.begin() + 1; reason != errors.end(); ++reason) {
        std::istringstream lines(reason->Description);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t first = line.find_first_not_of(" \t\r");
            if (first != std::string::npos)
                message += kNewLine + line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        }
    }
    return message;
}

Environment::Environment() {
    if (Failed(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &mHandle)))
        dao::RaiseEngineError({kOdbcCallFailed, "ODBC--call failed.", kOdbcSource});
    if (Failed(
            SQLSetEnvAttr(mHandle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0))) {
        SQLFreeHandle(SQL_HANDLE_ENV, mHandle);
        dao::RaiseEngineError({kOdbcCallFailed, "ODBC--call failed.", kOdbcSource});
    }
}

Environment::~Environment() {
    SQLFreeHandle(SQL_HANDLE_ENV, mHandle);
}

Connection::Connection() {
    if (Failed(SQLAllocHandle(SQL_HANDLE_DBC, mEnvironment.Handle(), &mHandle)))
        RaiseDiagnostics(SQL_HANDLE_ENV, mEnvironment.Handle());
}

Connection::~Connection() {
    if (mOpen)
        SQLDisconnect(mHandle);
    SQLFreeHandle(SQL_HANDLE_DBC, mHandle);
}

void Connection::Open(const std::string& text) {
    const bool isName = text.find('=') == std::string::npos;
    const std::string connectString = isName ? "DSN=" + ConnectValue(text) : text;
    std::array<SQLCHAR, 1024> completed{};
    SQLSMALLINT length = 0;
    const SQLRETURN result =
        SQLDriverConnect(mHandle, nullptr, In(connectString), SQL_NTS, completed.data(),
                         static_cast<SQLSMALLINT>(completed.size()), &length, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(result))
        RaiseDiagnostics(SQL_HANDLE_DBC, mHandle, isName ? std::string() : PasswordOf(text));
    mOpen = true;
}

std::string Connection::Info(SQLUSMALLINT item) {
    std::array<SQLCHAR, 1024> value{};
    SQLSMALLINT bytes = 0;
    const SQLRETURN result =
        SQLGetInfo(mHandle, item, value.data(), static_cast<SQLSMALLINT>(sizeof value), &bytes);
    if (!SQL_SUCCEEDED(result))
        RaiseDiagnostics(SQL_HANDLE_DBC, mHandle);
    return Out(value.data());
}

std::string Connection::CurrentCatalog() {
    std::array<SQLCHAR, 1024> value{};
    SQLINTEGER bytes = 0;
    const SQLRETURN result = SQLGetConnectAttr(mHandle, SQL_ATTR_CURRENT_CATALOG, value.data(),
                                               static_cast<SQLINTEGER>(sizeof value), &bytes);
    return SQL_SUCCEEDED(result) ? Out(value.data()) : std::string();
}

Statement::Statement(Connection& connection) {
    if (Failed(SQLAllocHandle(SQL_HANDLE_STMT, connection.Handle(), &mHandle)))
        RaiseDiagnostics(SQL_HANDLE_DBC, connection.Handle());
}

Statement::~Statement() {
    SQLFreeHandle(SQL_HANDLE_STMT, mHandle);
}

void Statement::Check(SQLRETURN result) {
    if (Failed(result))
        RaiseDiagnostics(SQL_HANDLE_STMT, mHandle);
}

void Statement::Restart() {
    SQLFreeStmt(mHandle, SQL_CLOSE);
    SQLFreeStmt(mHandle, SQL_RESET_PARAMS);  // those a failed call left bound
}

void Statement::Execute(const std::string& sql) {
    Restart();
    Check(SQLExecDirect(mHandle, In(sql), SQL_NTS));
}

void Statement::Execute(const std::string& sql, const std::vector<std::string>& parameters) {
    Restart();
    Check(SQLPrepare(mHandle, In(sql), SQL_NTS));
    std::vector<SQLLEN> lengths(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        lengths[i] = static_cast<SQLLEN>(parameters[i].size());
        Check(SQLBindParameter(mHandle, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR,
                               SQL_VARCHAR, std::max<SQLULEN>(parameters[i].size(), 1), 0, In(parameters[i]),
                               lengths[i], &lengths[i]));
    }
    Check(SQLExecute(mHandle));
    SQLFreeStmt(mHandle, SQL_RESET_PARAMS);  // the bound texts are gone after this call
}

void Statement::Tables(const Argument& schema, const Argument& table, const Argument& types) {
    Restart();
    CatalogArgument s(schema), t(table), k(types);
    Check(SQLTables(mHandle, nullptr, 0, s.Pointer(), s.Length(), t.Pointer(), t.Length(), k.Pointer(),
                    k.Length()));
}

void Statement::Columns(const Argument& schema, const Argument& table) {
    Restart();
    CatalogArgument s(schema), t(table);
    Check(SQLColumns(mHandle, nullptr, 0, s.Pointer(), s.Length(), t.Pointer(), t.Length(), nullptr, 0));
}

void Statement::PrimaryKeys(const Argument& schema, const std::string& table) {
    Restart();
    CatalogArgument s(schema), t(table);
    Check(SQLPrimaryKeys(mHandle, nullptr, 0, s.Pointer(), s.Length(), t.Pointer(), t.Length()));
}

void Statement::ForeignKeys(const Argument& schema, const std::string& foreignKeyTable) {
    Restart();
    CatalogArgument s(schema), t(foreignKeyTable);
    Check(SQLForeignKeys(mHandle, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, s.Pointer(), s.Length(),
                         t.Pointer(), t.Length()));
}

bool Statement::Fetch() {
    const SQLRETURN result = SQLFetch(mHandle);
    if (result == SQL_NO_DATA)
        return false;
    Check(result);
    return true;
}

std::optional<std::string> Statement::Text(SQLUSMALLINT column) {
    std::string text;
    std::array<char, 4096> chunk{};
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN result =
            SQLGetData(mHandle, column, SQL_C_CHAR, chunk.data(), sizeof chunk, &indicator);
        if (result == SQL_NO_DATA)
            return text;
        Check(result);
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const bool whole = indicator != SQL_NO_TOTAL && static_cast<std::size_t>(indicator) < sizeof chunk;
        text.append(chunk.data(), whole ? static_cast<std::size_t>(indicator) : chunk.size() - 1);
        if (whole || result == SQL_SUCCESS)
            return text;
    }
}

std::optional<int64_t> Statement::Integer(SQLUSMALLINT column) {
    SQLBIGINT value = 0;
    SQLLEN indicator = 0;
    Check(SQLGetData(mHandle, column, SQL_C_SBIGINT, &value, sizeof value, &indicator));
    if (indicator == SQL_NULL_DATA)
        return std::nullopt;
    return value;
}

}  // namespace odbc
