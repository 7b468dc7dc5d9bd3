#pragma once
// The schema import: the tables the developer picks become business objects with four standard methods,
// their columns properties, their primary keys key properties, and the database's foreign keys the
// model's relationships (RelationshipImport.h). Every item reaches the model through the sink's handlers.
//
// Everything the import reads (columns and keys of the chosen tables, the foreign keys of every mapped
// one) is read before the model changes: a database error leaves model, views and flags as they were. A
// table or column that cannot become a model item is left out after a message; the rest is imported.

#include <memory>
#include <string>
#include <vector>

#include "core/qelApplication.h"
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
};

// Imports into the sink's application the tables picked in its table selection dialog. Afterwards the
// model is imported and changed; a stored application stays stored. Errors are logged and raised again
// with the source "ImportData".
void ImportData(ModelSink& sink, const PreviousApplication& currentAppObject);

// The table's business object, its columns' properties and its primary key; nothing when the table
// cannot become a business object.
void ImportTable(ModelSink& sink, core::qelApplication& application, const TableSource& table);

// A business object for `tableName` with its table mapping and the methods "Add", "Update", "Read" and
// "Delete", handed to the sink. A name that a business object of the application has (letter case
// ignored) gets "<table> table cannot be imported!" and nothing is made: nullptr.
std::shared_ptr<core::qelBusinessObject> CreateTableObject(ModelSink& sink, core::qelApplication& application,
                                                           const std::string& tableName);

// The field and property of one column in `businessObject`, the property handed to the sink.
// `businessObjectName` names the property's business object; empty, the table's name with "_" for blanks.
// A column of a binary type or without a name left by the naming rules gets "<column> field cannot be
// imported!"; a property name the business object has (letter case ignored) gets the duplicate
// message; then nothing is made: nullptr.
std::shared_ptr<core::qelBusObjProperty> CreateFieldObject(
    ModelSink& sink, core::qelApplication& application,
    const std::shared_ptr<core::qelBusinessObject>& businessObject, const CatalogColumn& column,
    const std::string& businessObjectName);

}  // namespace schemaimport
