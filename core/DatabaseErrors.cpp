#include "core/DatabaseErrors.h"

#include <utility>

namespace core {
namespace {

DatabaseErrorReader& Reader() {
    static DatabaseErrorReader reader;
    return reader;
}

}  // namespace

void SetDatabaseErrorReader(DatabaseErrorReader reader) {
    Reader() = std::move(reader);
}

std::vector<DatabaseError> DatabaseErrors() {
    return Reader() ? Reader()() : std::vector<DatabaseError>{};
}

}  // namespace core
