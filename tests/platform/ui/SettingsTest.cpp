#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ui/Settings.h"

namespace {

TEST(Settings, SavedValueIsReadBackFromAFreshStore) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("ostrel-settings-" + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);

    EXPECT_EQ(ui::GetSetting("VB Ostrel", "Settings", "DisplayOnConnect", "0"), "0");
    ui::SaveSetting("VB Ostrel", "Settings", "DisplayOnConnect", "1");
    ui::SaveSetting("Microsoft Visual Basic AddIns", "VBOstrel", "DSN", "Orders; Sales");
    EXPECT_EQ(ui::GetSetting("VB Ostrel", "Settings", "DisplayOnConnect"), "1");
    EXPECT_EQ(ui::GetSetting("Microsoft Visual Basic AddIns", "VBOstrel", "DSN"), "Orders; Sales");
    EXPECT_TRUE(std::filesystem::exists(home / "ostrel" / "VB Ostrel.ini"));

    ::unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(home);
}

}  // namespace
