#pragma once
// What the import says when it ends: where the model could not take the database as it is.

#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

struct ImportNotes {
    // "table.column (type)" of each column whose type the catalog did not know.
    std::vector<std::string> UnknownTypes;
    // "table.column" of each numeric that became Double, and of each bigint that became Currency.
    std::vector<std::string> Rounded;
    std::vector<std::string> Bounded;
    // The tables whose business objects have no key property.
    std::vector<std::string> WithoutKey;
    // "table: relationship to parent" of each parent past the first whose key a table's key holds.
    std::vector<std::string> FurtherParents;
    // Why no relationship was read (RelationshipsNotRead), when none was.
    std::string UnreadRelationships;

    // The entries of a column that became a property.
    void AddColumn(const std::string& table, const CatalogColumn& column);
};

// Why the relationships of `application`'s database are not read: its database type and its data
// source's driver.
std::string RelationshipsNotRead(const core::qelApplication& application);

// One message, when there is anything to tell: a paragraph for each kind of entry.
void ReportImportNotes(const ImportNotes& notes);

}  // namespace schemaimport
