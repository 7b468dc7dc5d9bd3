#pragma once
// File > Synchronize Application: the open model brought in line with its database. A business object
// whose table is there has its fields refreshed from the columns; a missing table or column is re-pointed
// to the one the developer picks in frmAvailTablesorFields (of the tables no business object maps), or its
// business object or property deleted after the whole scan; new columns become properties, new tables may
// be imported, and the relationships are rebuilt from the database's keys: one whose key is still there
// keeps what the developer set on it.
//
// The database is read once, before the first change: a database error changes nothing, but a table that
// no business object maps and whose columns cannot be read is left out, as the import leaves it out.
// Tables and columns are matched by their exact names.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/qelApplication.h"
#include "schemaimport/ModelSink.h"
#include "schemaimport/RelationshipImport.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

// What the synchronisation reads of the database.
struct DatabaseSnapshot {
    std::vector<CatalogTable> Tables;
    // Of every TABLE row.
    std::unordered_map<std::string, std::vector<CatalogColumn>> Columns;
    std::unordered_map<std::string, std::vector<std::string>> PrimaryKeys;
    // The keys of every table, for the rebuild.
    RelationshipSource Relations;
};

DatabaseSnapshot ReadDatabase(const core::qelApplication& application, SchemaCatalog& catalog);

// Synchronises the sink's application with its database and says so at the end, with the number of
// relationships (or why none were read); one that changed nothing a save would write says so instead and
// leaves the sink's unsaved changes as they were. A data source that is not defined is told in a message and
// changes nothing. An unexpected error returns the status and pointer to "Ready..." and the
// default and is reported in the error dialog under "mnuFileSyncApplication_Click", a driver's reasons on
// the lines after its description.
void SynchronizeApplication(ModelSink& sink);

// Matches the fields of `businessObject` to the columns of `tableName`: refreshes the fields found,
// asks about each missing one once (re-pointing it, or deleting its property after the scan), and makes
// a property of every new column. Cancel in the field chooser ends this table's matching. An unexpected
// error is reported in the error dialog under "MatchFields".
void MatchFields(ModelSink& sink, core::qelApplication& application, const std::string& tableName,
                 const std::shared_ptr<core::qelBusinessObject>& businessObject,
                 const DatabaseSnapshot& database);

}  // namespace schemaimport
