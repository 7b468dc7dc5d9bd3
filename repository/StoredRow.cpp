#include "repository/StoredRow.h"

namespace repository {

namespace {

constexpr const char* kSource = "LoadApplication";

// A value as a message shows it, text between quotes; never raises.
std::string Shown(const dao::Row& row, const char* column, bool quoted = true) {
    try {
        const vb::Variant& value = row[column];
        if (value.IsNull())
            return "Null";
        return quoted ? "\"" + value.ToString() + "\"" : value.ToString();
    } catch (const vb::Error&) {
        return "nothing";
    }
}

}  // namespace

std::string StoredRow::Label() const {
    return "The repository row " + std::string(mTable) + " " + mIdColumn + " " +
           Shown(mRow, mIdColumn, false) + " (" + Shown(mRow, mNameColumn) + ") cannot be loaded";
}

void StoredRow::Fail(const char* column, const std::string& expected, int32_t number) const {
    throw UnloadableRow(number,
                        Label() + ": its column " + column + " holds " + Shown(mRow, column) + ", where " +
                            expected + " is expected.",
                        kSource);
}

void StoredRow::Failed(const vb::Error& error) const {
    if (error.Number() == vb::kDuplicateKey)
        Fail(mNameColumn, "a value that no other row with the same owner holds", error.Number());
    throw UnloadableRow(error.Number(), Label() + ": " + error.Description(), error.Source());
}

template <typename Convert>
auto StoredRow::Converted(const char* column, const char* expected, Convert&& convert) const {
    try {
        return convert(mRow[column]);
    } catch (const vb::Error& error) {
        Fail(column, expected, error.Number());
    }
}

std::string StoredRow::Text(const char* column) const {
    return Converted(column, "text", [](const vb::Variant& value) { return value.ToString(); });
}

int32_t StoredRow::Long(const char* column) const {
    return Converted(column, "a whole number from -2147483648 to 2147483647",
                     [](const vb::Variant& value) { return value.ToLong(); });
}

bool StoredRow::Boolean(const char* column) const {
    return Converted(column, "Yes or No", [](const vb::Variant& value) { return value.ToBoolean(); });
}

}  // namespace repository
