#include "platform/ui/Settings.h"

#include <QSettings>

#include "platform/ini/ProfileFolder.h"

namespace ui {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

std::filesystem::path SettingsFile(const std::string& application) {
    return ini::UserConfigFolder() / "ostrel" / (application + ".ini");
}

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
    const QSettings settings(QString::fromStdString(SettingsFile(application).string()),
                             QSettings::IniFormat);
    const QVariant value = settings.value(KeyOf(section, key));
    return value.isValid() ? value.toString().toStdString() : defaultValue;
}

void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value) {
    QSettings settings(QString::fromStdString(SettingsFile(application).string()), QSettings::IniFormat);
    settings.setValue(KeyOf(section, key), QString::fromStdString(value));
    settings.sync();
}

}  // namespace ui
