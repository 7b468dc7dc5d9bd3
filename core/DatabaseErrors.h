#pragma once
// The database engine's error list: the errors of its last failed operation, first the one it raised.
// It is read from the data layer; tests may install a reader of their own.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace core {

struct DatabaseError {
    int32_t number = 0;
    std::string description;
    std::string source;
};

using DatabaseErrorReader = std::function<std::vector<DatabaseError>()>;

// An empty reader goes back to the data layer's list.
void SetDatabaseErrorReader(DatabaseErrorReader reader);
std::vector<DatabaseError> DatabaseErrors();

}  // namespace core
