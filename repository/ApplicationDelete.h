#pragma once
// Deleting a stored application from the repository: every row that belongs to it, found through the
// rows themselves (business objects and relationships by ApplicationID, then their tables, properties,
// fields, permitted values, methods and associations), whatever the model in memory holds.

#include <cstdint>

#include "platform/dao/SqliteDatabase.h"
#include "repository/ApplicationStamp.h"

namespace repository {

// One transaction (WriteRepository): on an error nothing is deleted, and the error is raised again with the
// source "DeleteApplication". With a stamp, rows that another window or program changed raise
// ChangedElsewhere and nothing is deleted; rows already gone pass.
void DeleteApplication(dao::SqliteDatabase& repository, int32_t applicationID,
                       const ApplicationStamp* stamp = nullptr);

}  // namespace repository
