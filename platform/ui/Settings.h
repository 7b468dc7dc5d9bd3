#pragma once
// The per-user settings store (VB's GetSetting and SaveSetting): one INI file per application name,
// "<XDG config home>/ostrel/<application>.ini", with the section as the INI group.

#include <filesystem>
#include <string>

namespace ui {

std::filesystem::path SettingsFile(const std::string& application);

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& defaultValue = {});
void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value);

}  // namespace ui
