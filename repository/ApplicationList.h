#pragma once
// The application list: one application per `Application` row, read before one of them is loaded.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Collection.h"

namespace core {
class qelApplication;
}

namespace repository {

// Keyed by StoredApplicationKey of the row's ID, in ID order. Each application carries its row's
// columns and is otherwise new: no business objects, no relationships.
using StoredApplications = vb::Collection<std::shared_ptr<core::qelApplication>>;

// "K" & the row's ID in decimal: the key of the application in the list.
std::string StoredApplicationKey(int32_t applicationID);

// Every `Application` row. A Null in a column it reads raises 94: no list then.
StoredApplications ReadStoredApplications(dao::SqliteDatabase& repository);

}  // namespace repository
