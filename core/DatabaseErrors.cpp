#include "core/DatabaseErrors.h"

#include <utility>

#include "platform/dao/Errors.h"

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
    if (Reader())
        return Reader()();
    std::vector<DatabaseError> errors;
    for (const dao::EngineError& error : dao::Errors())
        errors.push_back({error.Number, error.Description, error.Source});
    return errors;
}

}  // namespace core
