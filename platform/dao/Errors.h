#pragma once
// The database engine's error list (DAO's DBEngine.Errors): the errors of the last failed operation of
// any database in the process. A failing operation replaces the list and raises the first error as a
// vb::Error carrying the same number, description and source; a successful operation leaves it alone.

#include <cstdint>
#include <string>
#include <vector>

namespace dao {

struct EngineError {
    int32_t Number = 0;
    std::string Description;
    std::string Source;
};

// Error numbers that the layer raises itself (the rest are the engine's own codes).
enum EngineErrorNumber : int32_t {
    kItemNotFound = 3265,               // no such column or table
    kCouldNotFindFile = 3024,           // the database file does not exist
    kUnrecognizedDatabaseFormat = 3343  // neither an SQLite nor an Access file
};

// Sources of the errors in the list.
inline constexpr const char* kSqliteSource = "SQLite";
inline constexpr const char* kAccessSource = "libmdb";

std::vector<EngineError> Errors();
void ClearErrors();

// Replaces the list by `error` and raises it.
[[noreturn]] void RaiseEngineError(EngineError error);

// Replaces the list by `errors` and raises the first (which must exist).
[[noreturn]] void RaiseEngineErrors(std::vector<EngineError> errors);

}  // namespace dao
