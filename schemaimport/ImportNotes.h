#pragma once
// What the import says when it ends: where the model could not take the database as it is.

#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "platform/vb/Error.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

struct ImportNotes {
    // "table: reason" of each chosen table whose columns could not be read, left out of the import.
    std::vector<std::string> Unreadable;
    // "table.column (type): data type(length)" of each column whose type the catalog only guessed.
    std::vector<std::string> UnknownTypes;
    // "table.column" of each numeric that became Double, of each bigint that became Currency, and of each
    // text of any length in a key.
    std::vector<std::string> Rounded;
    std::vector<std::string> Bounded;
    std::vector<std::string> Cut;
    // The tables whose business objects have no key property.
    std::vector<std::string> WithoutKey;
    // "table: relationship to parent" of each parent past the first whose key a table's key holds.
    std::vector<std::string> FurtherParents;
    // Why no relationship was read (RelationshipsNotRead), when none was.
    std::string UnreadRelationships;

    // The entries of a column that became a property.
    void AddColumn(const std::string& table, const CatalogColumn& column);
    // The entry of a table that raised `error` when read: the driver's reasons, else its description.
    void AddUnreadable(const std::string& table, const vb::Error& error);
};

// Why the relationships of `application`'s database are not read: its database type and its data
// source's driver.
std::string RelationshipsNotRead(const core::qelApplication& application);

// One message, when there is anything to tell: a paragraph for each kind of entry.
void ReportImportNotes(const ImportNotes& notes);

}  // namespace schemaimport
