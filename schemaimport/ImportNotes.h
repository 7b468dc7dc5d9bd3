#pragma once
// What the import says when it ends: where the model could not take the database as it is.

#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "platform/vb/Error.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

// What the import cannot take of a column of ADO type adVarBinary.
inline constexpr const char* kBinaryData = "binary data of a set length, which no property type takes";

struct ImportNotes {
    // "table: reason" of each chosen table whose columns could not be read, left out of the import.
    std::vector<std::string> Unreadable;
    // "table.column" of each column left out: binary data of a set length, a column the database computes,
    // one it numbers outside the key, and an Access complex column.
    std::vector<std::string> Binary;
    std::vector<std::string> Computed;
    std::vector<std::string> DatabaseNumbered;
    std::vector<std::string> Complex;
    // "table.column" of each key column the database numbers, which became a Read Only property.
    std::vector<std::string> DatabaseNumberedKeys;
    // "table.column (type): data type(length)" of each column whose type the catalog only guessed.
    std::vector<std::string> UnknownTypes;
    // Whether one of them became text of kTextLength, whose longer values the generated application cuts.
    bool UnknownTypesCut = false;
    // "table.column" of each numeric that became Double, of each bigint that became Currency, of each
    // text of any length in a key, and of each date and time that became text.
    std::vector<std::string> Rounded;
    std::vector<std::string> Bounded;
    std::vector<std::string> Cut;
    std::vector<std::string> DatesAsText;
    // "table: business object" and "table.column: property" of each table and column that took a number,
    // as an item made before had its name (letter case aside, as VB compares names).
    std::vector<std::string> Numbered;
    // The tables whose business objects have no key property.
    std::vector<std::string> WithoutKey;
    // "table.column (data type)" of each key column whose property's type cannot identify a row, which the
    // check before a build refuses (core::KeyDataTypeFault).
    std::vector<std::string> UnidentifyingKeys;
    // "table: relationship to parent" of each parent past the first whose key a table's key holds.
    std::vector<std::string> FurtherParents;
    // Why no relationship was read (RelationshipsNotRead), when none was.
    std::string UnreadRelationships;

    // The entries of a column that became a property.
    void AddColumn(const std::string& table, const CatalogColumn& column);
    // The entry of a column left out: one the database fills, else one of binary data.
    void AddLeftOut(const std::string& table, const CatalogColumn& column);
    // The entry of a table that raised `error` when read: the driver's reasons, else its description.
    void AddUnreadable(const std::string& table, const vb::Error& error);
};

// Why the relationships of `application`'s database are not read: its database type and its data
// source's driver.
std::string RelationshipsNotRead(const core::qelApplication& application);

// One message, when there is anything to tell: a paragraph for each kind of entry.
void ReportImportNotes(const ImportNotes& notes);

}  // namespace schemaimport
