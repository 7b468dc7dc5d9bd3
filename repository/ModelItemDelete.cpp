#include "repository/ModelItemDelete.h"

namespace repository {

void DeleteStoredMethod(dao::SqliteDatabase& repository, int32_t methodID) {
    dao::Transaction transaction(repository);
    repository.Execute(R"sql(DELETE FROM "Method" WHERE "ID" = ?1)sql", {methodID});
    transaction.Commit();
}

}  // namespace repository
