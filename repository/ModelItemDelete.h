#pragma once
// Deleting the stored rows of one model item of an open application. Each runs in one transaction: on an
// error nothing is deleted.

#include <cstdint>

#include "platform/dao/SqliteDatabase.h"

namespace repository {

void DeleteStoredMethod(dao::SqliteDatabase& repository, int32_t methodID);

}  // namespace repository
