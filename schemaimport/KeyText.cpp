#include "schemaimport/KeyText.h"

#include <algorithm>

#include "schemaimport/AdoTypes.h"

namespace schemaimport {

KeyText::KeyText(const std::vector<CatalogRelation>& relations) {
    for (const CatalogRelation& relation : relations) {
        for (const auto& [child, parent] : relation.Key.Columns) {
            mForeignKeyColumns[relation.ChildTable].insert(child);
            mForeignKeyColumns[relation.Key.ParentTable].insert(parent);
        }
    }
}

void KeyText::Bound(const std::string& table, const std::vector<std::string>& primaryKey,
                    std::vector<CatalogColumn>& columns) const {
    const auto inForeignKeys = mForeignKeyColumns.find(table);
    const auto isKeyed = [&](const std::string& column) {
        return std::find(primaryKey.begin(), primaryKey.end(), column) != primaryKey.end() ||
               (inForeignKeys != mForeignKeyColumns.end() && inForeignKeys->second.contains(column));
    };
    for (CatalogColumn& column : columns) {
        const bool isUnbounded = column.Type == adLongVarChar || column.UnknownType == kNoDeclaredType;
        if (isUnbounded && isKeyed(column.Name)) {
            column.Type = adVarChar;
            column.Size = kTextLength;
            column.Loss = TypeLoss::Cut;
        }
    }
}

}  // namespace schemaimport
