#pragma once
// The schema import: the tables the developer picks become business objects with four standard methods,
// their columns properties, their primary keys key properties, and the database's foreign keys the
// model's relationships (RelationshipImport.h). Every item reaches the model through the sink's handlers.
//
// Everything the import reads (columns and keys of the chosen tables, the foreign keys of every mapped
// one) is read before the model changes: a database error leaves model, views and flags as they were. A
// chosen table whose columns cannot be read is left out and named at the end, unless no chosen table can
// be read: then that is the error. A name VB refuses is mended, one taken numbered; a column of binary data
// or one the database fills (computed, numbered, or an Access complex column) is left out, but for a column
// it numbers in a key, or in a table without one, which becomes a Read Only property; the rest is imported.
// The columns of keys are typed so that both ends of a relationship agree (KeyColumnTypes.h). One message
// at the end names what the model could not take as the database has it, the columns left out with why
// (ImportNotes.h).

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/GeneratedNames.h"
#include "core/qelApplication.h"
#include "schemaimport/ImportNotes.h"
#include "schemaimport/ModelSink.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

// The application the calling command replaced, with the two flags it found, put back when there is
// nothing to import or the table selection is cancelled.
struct PreviousApplication {
    std::shared_ptr<core::qelApplication> Application;
    bool IsAppOpened = false;
    bool IsImported = false;
};

// What the import reads of one table.
struct TableSource {
    std::string Name;
    std::vector<CatalogColumn> Columns;
    std::vector<std::string> PrimaryKey;
    // The names its business object may take, in turn (BusinessObjectNames::Of); none: the table's name.
    std::vector<std::string> BusinessObjectNames;
};

// The names, before the naming rules, that the business objects of a catalog's tables may take, read
// once from its list of tables.
class BusinessObjectNames {
  public:
    explicit BusinessObjectNames(const std::vector<CatalogTable>& tables);
    // In turn: the table's name; for a table of another schema its name without the schema, unless the
    // current schema has a table of that name (letter case ignored), then schema & "_" & name.
    std::vector<std::string> Of(const std::string& table) const;

  private:
    std::unordered_map<std::string, std::string> mSchemas;  // of each table, by its name
    std::unordered_set<std::string> mCurrentSchema;         // its tables' names, letter case folded
};

// Imports into the sink's application the tables picked in its table selection dialog. Afterwards the
// model is imported and changed; a stored application stays stored. Errors are logged and raised again
// with the source "ImportData".
void ImportData(ModelSink& sink, const PreviousApplication& currentAppObject);

// The table's business object, its columns' properties and its primary key. What the closing message
// tells of its name, its columns and of a table without a key is added to `notes`.
void ImportTable(ModelSink& sink, core::qelApplication& application, const TableSource& table,
                 ImportNotes& notes);

// A business object for `tableName` with its table mapping and the methods "Add", "Update", "Read" and
// "Delete", handed to the sink. Its name is the first of `names` (default: the table's name) that, after
// the naming rules (blanks become "_", then MakeVbName with the application's name as owner and
// core::BusinessObjectNameFault as its rule, after a message), no business object of the application has
// (letter case ignored); the last is numbered when taken, which `notes` tells.
std::shared_ptr<core::qelBusinessObject> CreateTableObject(ModelSink& sink, core::qelApplication& application,
                                                           const std::string& tableName, ImportNotes& notes,
                                                           const std::vector<std::string>& names = {});

// The field and property of one column in `businessObject`, the property handed to the sink, its entries
// added to `notes`. `businessObjectName` names the property's business object; empty, `businessObject`'s
// name (the table's name with "_" for blanks, unless the naming rules changed it). `members` holds the
// names of the business object's generated class (core::ClassMembers(*businessObject), or as ImportTable
// keeps them); the new property's are added.
// The property's name is the column's after the naming rules 1 to 3 (the column's own name when they leave
// none) and MakeVbName (with a message when that mends it; a name that clashes with a member of the class
// is mended too; a name the business object has, letter case ignored, takes a number, which `notes`
// tells). Its label is the column's name and ":", cut to core::kLongestShownText. A column of a binary
// type ("<column> field cannot be imported! It holds ...") and one the database fills are left out, named
// with why in `notes`: nullptr. A column the database numbers is kept where `keepsNumbered` (one of the
// table's primary key, or any of a table without one), as a Read Only property, which the generated Add
// of a key leaves to the database.
std::shared_ptr<core::qelBusObjProperty> CreateFieldObject(
    ModelSink& sink, core::qelApplication& application,
    const std::shared_ptr<core::qelBusinessObject>& businessObject, const CatalogColumn& column,
    const std::string& businessObjectName, core::ClassMembers& members, ImportNotes& notes,
    bool keepsNumbered = false);

}  // namespace schemaimport
