#pragma once
// The application database's connection: the connect string of an application model, the tables it
// does not map yet, and the server of a data source.

#include <string>

#include <vector>

#include "core/qelApplication.h"
#include "platform/vb/Collection.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

// The user data source that stands for the application's local database file.
inline constexpr const char* kLocalDataSource = "localmdb";

// When the application names a local file: "localmdb" registered again for it, and the connect string of
// the file's own driver and path ("DRIVER=SQLite3;Database=..." or "DRIVER=MDBTools;DBQ=..."; "localmdb"
// for an SQLite path that needs braces). Else the connect string of its data source
// ("DATABASE=...;UID=...;PWD=...;DSN=...", empty values left out); else "".
// Errors are logged and raised again with the source "GetDBConnection".
std::string GetDBConnection(core::qelApplication& application);

// Why the application's database cannot be reached, known before connecting: it names a data source (and no
// local file) that neither the user's odbc.ini nor the system's defines; the message says where one is
// defined. Empty otherwise.
std::string UndefinedDataSource(const core::qelApplication& application);

// Why the local database file to import from cannot be used, known before anything is registered:
// "<file> cannot be imported from: it does not exist." (or is a folder, is not a file, the system's
// reason for not reading it, or is not an Access or SQLite database), with what to do. Empty when it can be
// read.
std::string LocalDatabaseRefusal(const std::string& file);

// The tables of the database that no business object maps, in the database's order (views and system
// tables are never offered). Fills an empty DSNDBName of a data source from the database. A database
// that cannot be read gives the message "<connect string> cannot be opened." (the password hidden; the
// local file's path for a local file, which `connectString` then holds too) with the driver's reasons on the
// lines after, and the tables read so far. A database without a table the user can read says so, naming
// the schemas looked at.
vb::Collection<std::string> GetNewTables(std::string& connectString, core::qelApplication& application);

// The TABLE rows that no business object maps (exact names), in the rows' order.
vb::Collection<std::string> UnmappedTables(const std::vector<CatalogTable>& rows,
                                           const core::qelApplication& application);

// The "Server" (else "Servername") of the user's data source `dsn`; "None" after a message when there is
// no such user data source or it names no server.
std::string GetServer(const std::string& dsn);

}  // namespace schemaimport
