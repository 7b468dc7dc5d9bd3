#pragma once
// Deleting a stored application from the repository: every row that belongs to it, found through the
// rows themselves (business objects and relationships by ApplicationID, then their tables, properties,
// fields, permitted values, methods and associations), whatever the model in memory holds.

#include <cstdint>

#include "platform/dao/SqliteDatabase.h"

namespace repository {

// One transaction (WriteRepository): on an error nothing is deleted, and the error is raised again with the
// source "DeleteApplication".
void DeleteApplication(dao::SqliteDatabase& repository, int32_t applicationID);

}  // namespace repository
