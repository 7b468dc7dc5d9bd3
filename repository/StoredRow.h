#pragma once
// One repository row as a load reads it. A value that is not what its column must hold is raised naming the
// table, the row (its ID and name), the column, the value and what was expected there; any other failure
// while the row is read (a name used twice, a row it refers to that is missing) names the table and the row.

#include <string>

#include "platform/dao/RowSet.h"
#include "platform/vb/Error.h"

namespace repository {

// Raised once for the row where a load stopped; the rows around it let it pass unchanged.
class UnloadableRow : public vb::Error {
  public:
    using vb::Error::Error;
};

class StoredRow {
  public:
    // `idColumn` and `nameColumn` tell the row apart in messages.
    StoredRow(const char* table, const dao::Row& row, const char* idColumn = "ID",
              const char* nameColumn = "Name")
        : mTable(table), mRow(row), mIdColumn(idColumn), mNameColumn(nameColumn) {}

    const dao::Row& Row() const { return mRow; }
    std::string Text(const char* column) const;
    int32_t Long(const char* column) const;
    bool Boolean(const char* column) const;

    // Raises UnloadableRow: the column holds what is not `expected`.
    [[noreturn]] void Fail(const char* column, const std::string& expected, int32_t number) const;

    // Runs `read`; a failure that names no row yet is raised again naming this one (a key used twice naming
    // the row's name column, which the model keys it by).
    template <typename Read>
    void Reading(Read&& read) const {
        try {
            read();
        } catch (const UnloadableRow&) {
            throw;
        } catch (const vb::Error& error) {
            Failed(error);
        }
    }

  private:
    [[noreturn]] void Failed(const vb::Error& error) const;
    // "The repository row <table> ID <id> ("<name>") cannot be loaded".
    std::string Label() const;
    template <typename Convert>
    auto Converted(const char* column, const char* expected, Convert&& convert) const;

    const char* mTable;
    const dao::Row& mRow;
    const char* mIdColumn;
    const char* mNameColumn;
};

}  // namespace repository
