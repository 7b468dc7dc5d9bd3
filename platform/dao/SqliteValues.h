#pragma once
// Moving values between vb::Variant and SQLite statements.

#include "platform/dao/RowSet.h"
#include "platform/vb/Variant.h"

namespace SQLite {
class Statement;
}

namespace dao {

// Binds parameter `index` (from 1); Empty and Null bind NULL, an object raises 13.
void BindValue(SQLite::Statement& statement, int index, const vb::Variant& value);

// Steps the statement to its end and gathers its rows. Values follow the column's declared type:
// Yes/No as Boolean, dates as Date, currency as Currency; other integers as Long (Double beyond a Long).
RowSet ReadRows(SQLite::Statement& statement);

}  // namespace dao
