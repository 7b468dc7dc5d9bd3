#pragma once
// The rows a read returns, read completely before the call returns (a snapshot): no cursor outlives
// the statement, and a row may be kept after its set is gone.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Variant.h"

namespace dao {

using ColumnNames = std::vector<std::string>;

class Row {
  public:
    Row(std::shared_ptr<const ColumnNames> columns, std::vector<vb::Variant> values);

    std::size_t Count() const { return mValues.size(); }
    // By position from 0, or by column name ignoring letter case; 3265 when there is no such column.
    const vb::Variant& operator[](std::size_t index) const;
    const vb::Variant& operator[](std::string_view column) const;

  private:
    std::shared_ptr<const ColumnNames> mColumns;
    std::vector<vb::Variant> mValues;
};

class RowSet {
  public:
    explicit RowSet(ColumnNames columns = {});

    const ColumnNames& Columns() const { return *mColumns; }
    std::size_t Count() const { return mRows.size(); }
    bool IsEmpty() const { return mRows.empty(); }
    const Row& operator[](std::size_t index) const;  // 3265 past the end
    std::vector<Row>::const_iterator begin() const { return mRows.begin(); }
    std::vector<Row>::const_iterator end() const { return mRows.end(); }

    // For the engines: one value per column, in column order.
    void Append(std::vector<vb::Variant> values);

  private:
    std::shared_ptr<const ColumnNames> mColumns;
    std::vector<Row> mRows;
};

}  // namespace dao
