#pragma once
// The columns of an `Application` row and the application members they carry.

#include <memory>

#include "platform/dao/RowSet.h"
#include "platform/dao/SqliteDatabase.h"

namespace core {
class qelApplication;
}

namespace repository {

// Every column but ID, in the order a save writes them.
dao::ColumnValues ApplicationRowValues(const core::qelApplication& application);
// The columns, ID included, into the members that carry them; a Null raises 94 and changes nothing.
void ReadApplicationRow(const dao::Row& row, core::qelApplication& application);
// A new application with the members that the row carries copied from `stored`, and nothing else.
std::shared_ptr<core::qelApplication> CopyOfStoredApplication(const core::qelApplication& stored);

}  // namespace repository
