#pragma once
// The database engine's error list: the errors of its last failed operation, first the one it raised.
// The data layer installs how the list is read; until it does, the list is empty.

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

// An empty reader removes the one installed.
void SetDatabaseErrorReader(DatabaseErrorReader reader);
std::vector<DatabaseError> DatabaseErrors();

}  // namespace core
