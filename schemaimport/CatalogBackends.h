#pragma once
// The catalog backends, chosen by OpenSchemaCatalog; tests reach each one directly.

#include <filesystem>
#include <memory>

#include "platform/odbc/Odbc.h"
#include "schemaimport/SchemaCatalog.h"

namespace schemaimport {

// The ODBC catalog functions of any driver.
std::unique_ptr<SchemaCatalog> MakeOdbcCatalog(std::unique_ptr<odbc::Connection> connection);
// sqlite_master with pragma_table_info and pragma_foreign_key_list, over the SQLite driver.
std::unique_ptr<SchemaCatalog> MakeSqliteCatalog(std::unique_ptr<odbc::Connection> connection);
// pg_catalog for current_schema(), over the PostgreSQL driver.
std::unique_ptr<SchemaCatalog> MakePostgresCatalog(std::unique_ptr<odbc::Connection> connection);
// An Access (Jet) file through libmdb.
std::unique_ptr<SchemaCatalog> MakeAccessCatalog(const std::filesystem::path& file);

// The current catalog, else SQL_DATABASE_NAME.
std::string DefaultDatabaseOf(odbc::Connection& connection);

}  // namespace schemaimport
