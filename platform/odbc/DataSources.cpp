#include "platform/odbc/DataSources.h"

#include <odbcinst.h>
#include <pwd.h>
#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/dao/Errors.h"
#include "platform/odbc/Odbc.h"

namespace odbc {
namespace {

constexpr const char* kUserFile = "odbc.ini";
constexpr const char* kInstallerSource = "odbcinst";

// odbcinst's reads and writes reach the user's file only while this lives (unless told otherwise).
class UserMode {
  public:
    explicit UserMode(Scope scope = Scope::User) {
        SQLSetConfigMode(scope == Scope::User ? ODBC_USER_DSN : ODBC_BOTH_DSN);
    }
    ~UserMode() { SQLSetConfigMode(ODBC_BOTH_DSN); }
    UserMode(const UserMode&) = delete;
    UserMode& operator=(const UserMode&) = delete;
};

[[noreturn]] void RaiseRegistrationError(const std::string& reason) {
    dao::RaiseEngineErrors(
        {{kOdbcCallFailed, "ODBC--call failed.", kOdbcSource}, {0, reason, kInstallerSource}});
}

[[noreturn]] void RaiseInstallerErrors() {
    std::vector<dao::EngineError> errors = {{kOdbcCallFailed, "ODBC--call failed.", kOdbcSource}};
    for (WORD record = 1; record <= 8; ++record) {
        DWORD code = 0;
        std::array<char, SQL_MAX_MESSAGE_LENGTH> message{};
        WORD length = 0;
        if (!SQL_SUCCEEDED(
                SQLInstallerError(record, &code, message.data(), static_cast<WORD>(message.size()), &length)))
            break;
        errors.push_back({static_cast<int32_t>(code), message.data(), kInstallerSource});
    }
    dao::RaiseEngineErrors(std::move(errors));
}

std::vector<DataSource> Enumerate(SQLHENV environment, SQLUSMALLINT first) {
    std::vector<DataSource> sources;
    for (SQLUSMALLINT direction = first;; direction = SQL_FETCH_NEXT) {
        std::array<SQLCHAR, 1024> name{};
        std::array<SQLCHAR, 1024> description{};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT descriptionLength = 0;
        const SQLRETURN result = SQLDataSources(
            environment, direction, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
            description.data(), static_cast<SQLSMALLINT>(description.size()), &descriptionLength);
        if (result == SQL_NO_DATA)
            return sources;
        if (!SQL_SUCCEEDED(result))
            RaiseDiagnostics(SQL_HANDLE_ENV, environment);
        sources.push_back(
            {reinterpret_cast<const char*>(name.data()), reinterpret_cast<const char*>(description.data())});
    }
}

std::string ProfileString(const std::string& section, const char* key) {
    std::array<char, 4096> value{};
    const int length = SQLGetPrivateProfileString(section.c_str(), key, "", value.data(),
                                                  static_cast<int>(value.size()), kUserFile);
    return length > 0 ? std::string(value.data(), static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

std::vector<DataSource> DataSources() {
    Environment environment;
    std::vector<DataSource> sources = Enumerate(environment.Handle(), SQL_FETCH_FIRST_USER);
    std::vector<DataSource> system = Enumerate(environment.Handle(), SQL_FETCH_FIRST_SYSTEM);
    sources.insert(sources.end(), system.begin(), system.end());
    return sources;
}

std::vector<std::string> InstalledDrivers() {
    Environment environment;
    std::vector<std::string> drivers;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
        std::array<SQLCHAR, 1024> name{};
        std::array<SQLCHAR, 4096> attributes{};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT attributesLength = 0;
        const SQLRETURN result = SQLDrivers(
            environment.Handle(), direction, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
            attributes.data(), static_cast<SQLSMALLINT>(attributes.size()), &attributesLength);
        if (result == SQL_NO_DATA)
            return drivers;
        if (!SQL_SUCCEEDED(result))
            RaiseDiagnostics(SQL_HANDLE_ENV, environment.Handle());
        drivers.emplace_back(reinterpret_cast<const char*>(name.data()));
    }
}

void RegisterDataSource(const std::string& name, const std::string& driver, const Attributes& attributes) {
    if (!SQLValidDSN(name.c_str()))
        RaiseRegistrationError("Invalid data source name: \"" + name + "\"");
    const std::vector<std::string> drivers = InstalledDrivers();
    if (std::find(drivers.begin(), drivers.end(), driver) == drivers.end())
        RaiseRegistrationError("The driver \"" + driver + "\" is not installed.");
    UserMode userMode;
    if (!SQLWriteDSNToIni(name.c_str(), driver.c_str()))
        RaiseInstallerErrors();
    for (const auto& [key, value] : attributes) {
        if (!SQLWritePrivateProfileString(name.c_str(), key.c_str(), value.c_str(), kUserFile))
            RaiseInstallerErrors();
    }
}

std::string UserDataSourceFile() {
    if (const char* file = std::getenv("ODBCINI"); file != nullptr && *file != '\0')
        return file;
    const passwd* entry = getpwuid(getuid());
    return std::string(entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "") + "/.odbc.ini";
}

bool IsUserDataSource(const std::string& name) {
    UserMode userMode;
    return !name.empty() && !ProfileString(name, nullptr).empty();
}

std::optional<std::string> DataSourceAttribute(const std::string& name, const std::string& key, Scope scope) {
    UserMode userMode(scope);
    const std::string keys = ProfileString(name, nullptr);
    for (std::size_t at = 0; at < keys.size();) {
        const std::size_t end = std::min(keys.find('\0', at), keys.size());
        if (keys.compare(at, end - at, key) == 0)
            return ProfileString(name, key.c_str());
        at = end + 1;
    }
    return std::nullopt;
}

}  // namespace odbc
