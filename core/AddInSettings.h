#pragma once
// The eight connection settings the add-in keeps per user: the data-source logon dialog reads them from the
// settings store when it loads, and the main window writes them back when it unloads. In between they live
// here, shared as module-level values.

#include <string>

namespace core {

struct ConnectionSettings {
    std::string DataType;
    std::string DatabaseName;
    std::string ODBCDatasource;
    std::string ODBCDatabase;
    std::string ODBCUserName;
    std::string ODBCPassword;
    std::string ODBCDriver;
    std::string ODBCServer;
};

namespace AddInSettings {

ConnectionSettings& Values();

// Reads all eight from the settings store, each with an empty default, in the stored order.
void Load();

// Writes all eight to the settings store as they stand, in the stored order.
void Save();

// Empties all eight (tests start from here).
void Reset();

}  // namespace AddInSettings
}  // namespace core
