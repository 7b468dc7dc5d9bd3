// The status text, the add-in's settings and the error box of the add-in's Common module.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/CommonStatus.h"
#include "core/DatabaseErrors.h"
#include "core/StatusSink.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/ui/Settings.h"

namespace core::Common {
namespace {

class RecordingStatusBar : public StatusSink {
  public:
    void ShowStatusText(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

TEST(SetStatus, ShowsTheTextWaitingOrReady) {
    struct Case {
        std::string text;
        bool wait;
        std::string shown;
        ui::MousePointer pointerAfter;
    };
    const std::vector<Case> cases = {
        {"Generating...", true, "Generating..., please wait...", ui::MousePointer::Hourglass},
        {"Enter ODBC Connection Parameters", false, "Enter ODBC Connection Parameters",
         ui::MousePointer::Hourglass},
        {"", true, "Ready", ui::MousePointer::Default},
        {"", false, "Ready", ui::MousePointer::Default},
    };
    for (const auto& c : cases) {
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        RecordingStatusBar bar;
        ScopedStatusSink sink(bar);
        interaction.SetMousePointer(ui::MousePointer::Hourglass);
        SetStatus(c.text, c.wait);
        EXPECT_EQ(bar.shown, std::vector<std::string>{c.shown}) << c.text;
        EXPECT_EQ(interaction.Pointer(), c.pointerAfter) << c.text;
    }
}

TEST(SetStatus, WithoutAMainWindowShowsNothing) {
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useIt(interaction);
    ASSERT_EQ(CurrentStatusSink(), nullptr);
    SetStatus("Generating...", true);
    EXPECT_TRUE(interaction.Prompts().empty());
}

TEST(GetAddInSetting, ReadsTheAddInsSectionOrTheDefault) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("ostrel-core-settings-" + std::to_string(::getpid()));
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    ui::SaveSetting("Microsoft Visual Basic AddIns", "VB Ostrel", "ODBCDatasource", "Sales");
    EXPECT_EQ(GetAddInSetting("ODBCDatasource", ""), "Sales");
    EXPECT_EQ(GetAddInSetting("ODBCServer", "none"), "none");
    ::unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(home);
}

TEST(ShowError, OffersTheDatabaseErrorsOnlyForTheSameFailure) {
    const vb::Error pending(3146, "ODBC--call failed.", "frmODBCLogon");
    const std::string report = "The following Error occurred:\r\n\r\nODBC--call failed.\r\nNumber: 3146";
    struct Case {
        std::vector<DatabaseError> engineErrors;
        int32_t answer;
        std::vector<std::string> prompts;
        std::vector<int32_t> buttons;
    };
    const std::string offer = report + "\r\n\r\nDisplay the Data Access Errors Collection?";
    const std::vector<DatabaseError> sameFailure = {{3146, "ODBC--call failed.", "DAO.Database"},
                                                    {18456, "Login failed", "ODBC.Driver"}};
    const std::vector<Case> cases = {
        {{}, ui::vbOK, {report}, {ui::vbOKOnly}},
        {{{3024, "Could not find file", "DAO"}}, ui::vbOK, {report}, {ui::vbOKOnly}},
        {sameFailure, ui::vbNo, {offer}, {ui::vbYesNo + ui::vbQuestion}},
        {sameFailure,
         ui::vbYes,
         {offer,
          "Number: 3146\r\nDescription: ODBC--call failed.\r\nSource: DAO.Database\r\n\r\n"
          "Number: 18456\r\nDescription: Login failed\r\nSource: ODBC.Driver\r\n"},
         {ui::vbYesNo + ui::vbQuestion, ui::vbOKOnly}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        interaction.AnswerMsgBox(c.answer);
        interaction.SetMousePointer(ui::MousePointer::Hourglass);
        SetDatabaseErrorReader([&] { return c.engineErrors; });
        ShowError(pending);
        SetDatabaseErrorReader({});

        ASSERT_EQ(interaction.Prompts().size(), c.prompts.size()) << i;
        for (size_t p = 0; p < c.prompts.size(); ++p) {
            EXPECT_EQ(interaction.Prompts()[p].prompt, c.prompts[p]) << i;
            EXPECT_EQ(interaction.Prompts()[p].buttons, c.buttons[p]) << i;
        }
        EXPECT_EQ(interaction.BeepCount(), 1) << i;
        EXPECT_EQ(interaction.Pointer(), ui::MousePointer::Default) << i;
    }
}

}  // namespace
}  // namespace core::Common
