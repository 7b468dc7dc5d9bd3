#include "core/AddInSettings.h"

#include <array>
#include <utility>

#include "core/AddInTitle.h"
#include "core/CommonStatus.h"
#include "platform/ui/Settings.h"

namespace core::AddInSettings {
namespace {

using Member = std::string ConnectionSettings::*;

constexpr std::array<std::pair<const char*, Member>, 8> kStored = {{
    {"DataType", &ConnectionSettings::DataType},
    {"DatabaseName", &ConnectionSettings::DatabaseName},
    {"ODBCDatasource", &ConnectionSettings::ODBCDatasource},
    {"ODBCDatabase", &ConnectionSettings::ODBCDatabase},
    {"ODBCUserName", &ConnectionSettings::ODBCUserName},
    {"ODBCPassword", &ConnectionSettings::ODBCPassword},
    {"ODBCDriver", &ConnectionSettings::ODBCDriver},
    {"ODBCServer", &ConnectionSettings::ODBCServer},
}};

}  // namespace

ConnectionSettings& Values() {
    static ConnectionSettings values;
    return values;
}

void Load() {
    for (const auto& [key, member] : kStored)
        Values().*member = Common::GetAddInSetting(key, "");
}

void Save() {
    for (const auto& [key, member] : kStored)
        ui::SaveSetting(kAddInSettingsApplication, kAddInTitle, key, Values().*member);
}

void Reset() {
    Values() = ConnectionSettings{};
}

}  // namespace core::AddInSettings
