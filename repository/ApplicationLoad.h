#pragma once
// Loading an application model from the repository: its business objects with their tables, properties
// (fields, permitted values) and methods, the displayed properties of foreign-key permitted values, then
// its relationships with their associations and foreign properties. Each item is handed to the "added"
// handlers, as an item added through a dialog is; relationships are named anew ("Relationship1", ... in
// row order). Rows are taken in the order they were added.

#include <memory>

#include "platform/dao/SqliteDatabase.h"
#include "repository/ModelFiling.h"

namespace core {
class qelApplication;
}

namespace repository {

// Builds a new application from `stored` (an item of the application list) and the rows below it, and
// returns it; `stored` itself is not changed. Any error (a Null where a value is read, a row whose
// business object or property is missing, a key used twice) ends the load and is raised: nothing is
// returned then, so the caller keeps the model it had. The handlers file into the new application.
std::shared_ptr<core::qelApplication> LoadApplication(dao::SqliteDatabase& repository,
                                                      const core::qelApplication& stored,
                                                      ModelItemHandlers& handlers);
// The same, filing through ModelFiling.
std::shared_ptr<core::qelApplication> LoadApplication(dao::SqliteDatabase& repository,
                                                      const core::qelApplication& stored);

}  // namespace repository
