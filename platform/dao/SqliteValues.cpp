#include "platform/dao/SqliteValues.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <cmath>
#include <vector>

#include "platform/dao/SqliteTypes.h"
#include "platform/dao/WholeNumber.h"
#include "platform/vb/Error.h"

namespace dao {

namespace {

FieldType DeclaredFieldType(const SQLite::Statement& statement, int index) {
    try {
        return ParseDeclaredType(statement.getColumnDeclaredType(index)).Type;
    } catch (const SQLite::Exception&) {
        return FieldType::Decimal;  // an expression: its values speak for themselves
    }
}

// Currency holds its value scaled by 10,000 in 64 bits; larger values stay Double.
constexpr double kLargestCurrency = 9.2e14;

vb::Variant IntegerValue(int64_t value, FieldType type) {
    switch (type) {
        case FieldType::Boolean:
            return vb::Variant(value != 0);
        case FieldType::Date:
            return vb::Variant::Date(static_cast<double>(value));
        case FieldType::Currency:
            if (std::abs(static_cast<double>(value)) < kLargestCurrency)
                return vb::Variant::Currency(value * 10000);
            break;
        default:
            break;
    }
    return WholeNumberValue(value);
}

vb::Variant RealValue(double value, FieldType type) {
    switch (type) {
        case FieldType::Currency:
            if (std::abs(value) < kLargestCurrency)
                return vb::Variant::Currency(std::llround(value * 10000));
            return vb::Variant(value);
        case FieldType::Date:
            return vb::Variant::Date(value);
        default:
            return vb::Variant(value);
    }
}

vb::Variant ColumnValue(const SQLite::Column& column, FieldType type) {
    switch (column.getType()) {
        case SQLITE_INTEGER:
            return IntegerValue(column.getInt64(), type);
        case SQLITE_FLOAT:
            return RealValue(column.getDouble(), type);
        case SQLITE_TEXT:
            return vb::Variant(std::string(column.getText(), static_cast<std::size_t>(column.getBytes())));
        case SQLITE_BLOB:
            return vb::Variant(std::string(static_cast<const char*>(column.getBlob()),
                                           static_cast<std::size_t>(column.getBytes())));
        default:
            return vb::Variant::Null();
    }
}

}  // namespace

void BindValue(SQLite::Statement& statement, int index, const vb::Variant& value) {
    switch (value.Type()) {
        case vb::VarType::Empty:
        case vb::VarType::Null:
            statement.bind(index);
            break;
        case vb::VarType::Boolean:
            statement.bind(index, value.ToBoolean() ? 1 : 0);
            break;
        case vb::VarType::Integer:
        case vb::VarType::Long:
            statement.bind(index, value.ToLong());
            break;
        case vb::VarType::Single:
        case vb::VarType::Double:
        case vb::VarType::Currency:
        case vb::VarType::Date:
            statement.bind(index, value.ToDouble());
            break;
        case vb::VarType::String:
            statement.bind(index, value.ToString());
            break;
        case vb::VarType::Object:
            vb::Raise(vb::kTypeMismatch, "BindValue");
    }
}

RowSet ReadRows(SQLite::Statement& statement) {
    const int count = statement.getColumnCount();
    ColumnNames names;
    std::vector<FieldType> types;
    for (int i = 0; i < count; ++i) {
        names.emplace_back(statement.getColumnName(i));
        types.push_back(DeclaredFieldType(statement, i));
    }
    RowSet rows(std::move(names));
    while (statement.executeStep()) {
        std::vector<vb::Variant> values;
        values.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            values.push_back(ColumnValue(statement.getColumn(i), types[i]));
        rows.Append(std::move(values));
    }
    return rows;
}

}  // namespace dao
