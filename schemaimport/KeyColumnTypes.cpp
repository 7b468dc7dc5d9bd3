#include "schemaimport/KeyColumnTypes.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "schemaimport/AdoTypes.h"

namespace schemaimport {

KeyColumnTypes::KeyColumnTypes(const std::vector<CatalogRelation>& relations, SchemaCatalog& catalog)
    : mCatalog(catalog) {
    for (const CatalogRelation& relation : relations) {
        for (const auto& [child, parent] : relation.Key.Columns) {
            mForeignKeyColumns[relation.ChildTable].insert(child);
            mForeignKeyColumns[relation.Key.ParentTable].insert(parent);
            mParents[relation.ChildTable].try_emplace(child, relation.Key.ParentTable, parent);
        }
    }
}

const std::vector<CatalogColumn>& KeyColumnTypes::ParentColumns(const std::string& parentTable) const {
    const auto [read, isNew] = mParentColumns.try_emplace(parentTable);
    if (isNew) {
        try {
            read->second = mCatalog.Columns(parentTable);
        } catch (const vb::Error&) {
            // a parent the driver cannot read gives no type: it is read as having no columns
        }
    }
    return read->second;
}

bool KeyColumnTypes::TypeAsParent(const std::string& table, CatalogColumn& column) const {
    const auto parents = mParents.find(table);
    if (parents == mParents.end())
        return false;
    const auto parent = parents->second.find(column.Name);
    if (parent == parents->second.end())
        return false;
    const std::vector<CatalogColumn>& parentColumns = ParentColumns(parent->second.first);
    const auto found = std::ranges::find(parentColumns, parent->second.second, &CatalogColumn::Name);
    if (found == parentColumns.end() || found->UnknownType == kNoDeclaredType)
        return false;
    column.Type = found->Type;
    column.Size = found->Size;
    column.Loss = found->Loss;
    return true;
}

void KeyColumnTypes::Assign(const std::string& table, const std::vector<std::string>& primaryKey,
                            std::vector<CatalogColumn>& columns) const {
    const auto inForeignKeys = mForeignKeyColumns.find(table);
    const auto isKeyed = [&](const std::string& column) {
        return std::find(primaryKey.begin(), primaryKey.end(), column) != primaryKey.end() ||
               (inForeignKeys != mForeignKeyColumns.end() && inForeignKeys->second.contains(column));
    };
    for (CatalogColumn& column : columns) {
        const bool isUntyped = column.UnknownType == kNoDeclaredType && !TypeAsParent(table, column);
        const bool isUnbounded = column.Type == adLongVarChar || isUntyped;
        if (isUnbounded && isKeyed(column.Name)) {
            column.Type = adVarChar;
            column.Size = kTextLength;
            column.Loss = TypeLoss::Cut;
        }
    }
}

}  // namespace schemaimport
