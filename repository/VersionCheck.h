#pragma once
// Brings an older repository to the current format: the version table and the later columns.

#include <string>

#include "platform/dao/SqliteDatabase.h"

namespace repository {

// With no version table: creates it holding the current version and adds every later column that is
// missing. With one: adds the missing later columns only when a row holds the current version; any other
// version (or none) changes nothing, and a file with nothing to change is not written. All in one
// transaction (WriteRepository): a failure leaves the file as it was.
void CheckDBVersion(dao::SqliteDatabase& repository);

// What CheckDBVersion would change in the file, as a reason ("it has no table VBOstrel"); empty when it
// would change nothing. A command that only reads refuses a file for which this is not empty.
std::string PendingVersionChange(dao::SqliteDatabase& repository);

}  // namespace repository
