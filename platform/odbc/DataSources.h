#pragma once
// The ODBC data-source registry: the data sources and drivers the driver manager knows, and the current
// user's data sources (the user's odbc.ini), written only through odbcinst.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace odbc {

struct DataSource {
    std::string Name;
    std::string Description;  // the driver's name
};

using Attributes = std::vector<std::pair<std::string, std::string>>;

// The user's data sources, then the system's, each in the driver manager's order.
std::vector<DataSource> DataSources();

// The names of the installed drivers.
std::vector<std::string> InstalledDrivers();

// Creates or replaces the user's data source `name` for the installed driver `driver` with `attributes`;
// other data sources are kept. A name odbcinst refuses or a driver that is not installed raises 3146
// with the reason in the engine's error list.
void RegisterDataSource(const std::string& name, const std::string& driver, const Attributes& attributes);

// The user's odbc.ini, where odbcinst writes and the driver manager reads the user's data sources: $ODBCINI,
// else .odbc.ini in the home folder that the password database names for the user, whatever $HOME says.
std::string UserDataSourceFile();

// Whether the user's odbc.ini holds the data source (system data sources are not looked at).
bool IsUserDataSource(const std::string& name);

enum class Scope { User, UserAndSystem };

// The value of `key` of the data source `name`, by default the user's; std::nullopt when it is absent.
std::optional<std::string> DataSourceAttribute(const std::string& name, const std::string& key,
                                               Scope scope = Scope::User);

}  // namespace odbc
