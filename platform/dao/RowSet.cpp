#include "platform/dao/RowSet.h"

#include "platform/dao/Errors.h"
#include "platform/vb/Text.h"

namespace dao {

namespace {

[[noreturn]] void RaiseItemNotFound(std::string_view source) {
    RaiseEngineError({kItemNotFound, "Item not found in this collection.", std::string(source)});
}

}  // namespace

Row::Row(std::shared_ptr<const ColumnNames> columns, std::vector<vb::Variant> values)
    : mColumns(std::move(columns)), mValues(std::move(values)) {
    mValues.resize(mColumns->size());
}

const vb::Variant& Row::operator[](std::size_t index) const {
    if (index >= mValues.size())
        RaiseItemNotFound("Row");
    return mValues[index];
}

const vb::Variant& Row::operator[](std::string_view column) const {
    const ColumnNames& names = *mColumns;
    // Callers nearly always spell the name exactly; the exact pass spares folding every name.
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == column)
            return mValues[i];
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (vb::TextEquals(names[i], column))
            return mValues[i];
    }
    RaiseItemNotFound("Row");
}

RowSet::RowSet(ColumnNames columns) : mColumns(std::make_shared<const ColumnNames>(std::move(columns))) {}

const Row& RowSet::operator[](std::size_t index) const {
    if (index >= mRows.size())
        RaiseItemNotFound("RowSet");
    return mRows[index];
}

void RowSet::Append(std::vector<vb::Variant> values) {
    mRows.emplace_back(mColumns, std::move(values));
}

}  // namespace dao
