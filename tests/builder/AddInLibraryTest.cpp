// The add-in library as the IDE meets it: created by ProgID, it puts its button on the "Add-Ins" bar, and
// the button opens the main window.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/automation/CreateObject.h"
#include "platform/ide/AddIn.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/ui/Settings.h"
#include "tests/core/TemporarySettings.h"

namespace {

TEST(AddInLibrary, ConnectsByProgIdAndItsButtonOpensTheMainWindow) {
    if (const char* build = std::getenv("OSTREL_BINARY_DIR"))
        ::setenv("OSTREL_CLASS_REGISTRY", (std::filesystem::path(build) / "bin" / "classes").c_str(), 1);
    TemporarySettings settings;
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    const auto vbe = std::make_shared<vbide::VBE>();
    std::vector<vb::Variant> custom;

    const auto addIn = automation::CreateObjectAs<vbide::IDTExtensibility>("VBOSTREL.Connect");
    addIn->OnConnection(vbe, vbide::ext_cm_AfterStartup, nullptr, custom);
    addIn->OnStartupComplete(custom);

    auto& buttons = vbe->CommandBars().Item("Add-Ins")->Controls();
    ASSERT_EQ(buttons.Count(), 1);
    EXPECT_EQ(buttons.Item(1)->Caption(), "VB Ostrel...");
    EXPECT_TRUE(interaction.WindowEvents().empty());

    buttons.Item(1)->Execute();
    EXPECT_EQ(interaction.WindowEvents(), std::vector<std::string>{"show frmBuilderMain"});

    addIn->OnDisconnection(vbide::ext_dm_HostShutdown, custom);
    EXPECT_EQ(buttons.Count(), 0);
    EXPECT_EQ(interaction.WindowEvents(),
              (std::vector<std::string>{"show frmBuilderMain", "close frmBuilderMain"}));
    EXPECT_EQ(ui::GetSetting("VB Ostrel", "Settings", "DisplayOnConnect"), "1");
    EXPECT_TRUE(interaction.Prompts().empty());
    ::unsetenv("OSTREL_CLASS_REGISTRY");
}

}  // namespace
