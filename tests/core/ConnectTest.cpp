// The add-in's connection: its button, the connect modes, the remembered display and the reports of its
// event handlers.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/AddInTitle.h"
#include "core/Connect.h"
#include "core/frmErrorDetails.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/ui/Settings.h"
#include "tests/core/TemporarySettings.h"

namespace core {
namespace {

// What the fake main windows did, across every window the factory made.
struct WindowLog {
    int created = 0;
    std::vector<std::string> calls;
    std::shared_ptr<vbide::VBE> vbInstance;
    std::weak_ptr<Connect> connect;
    std::optional<int32_t> failShowWith;
    std::optional<int32_t> failUnloadWith;
};

class FakeMainWindow : public MainWindow {
  public:
    explicit FakeMainWindow(WindowLog& log) : mLog(log) {}
    void SetVBInstance(std::shared_ptr<vbide::VBE> vbInstance) override {
        mLog.calls.push_back("VBInstance");
        mLog.vbInstance = std::move(vbInstance);
    }
    void SetConnect(std::weak_ptr<Connect> connect) override {
        mLog.calls.push_back("Connect");
        mLog.connect = std::move(connect);
    }
    void Show() override {
        mLog.calls.push_back("Show");
        if (mLog.failShowWith)
            vb::Raise(*mLog.failShowWith, "frmBuilderMain.Show");
    }
    void Hide() override { mLog.calls.push_back("Hide"); }
    void Unload() override {
        mLog.calls.push_back("Unload");
        if (mLog.failUnloadWith)
            vb::Raise(*mLog.failUnloadWith);
    }
    bool QueryUnload() override {
        mLog.calls.push_back("QueryUnload");
        return true;
    }

  private:
    WindowLog& mLog;
};

using Calls = std::vector<std::string>;
const Calls kShowCalls = {"VBInstance", "Connect", "Show"};

class ConnectTest : public ::testing::Test {
  protected:
    std::shared_ptr<Connect> NewConnect() {
        return std::make_shared<Connect>([this] {
            ++log.created;
            return std::make_shared<FakeMainWindow>(log);
        });
    }

    static void Connected(Connect& connect, const std::shared_ptr<vbide::VBE>& vbe, int32_t mode) {
        std::vector<vb::Variant> custom;
        connect.OnConnection(vbe, static_cast<vbide::ext_ConnectMode>(mode), nullptr, custom);
    }
    static void Disconnected(Connect& connect) {
        std::vector<vb::Variant> custom;
        connect.OnDisconnection(vbide::ext_dm_UserClosed, custom);
    }

    static std::string StoredDisplay() {
        return ui::GetSetting(kAddInTitle, "Settings", "DisplayOnConnect", "absent");
    }
    static void StoreDisplay(const std::string& value) {
        ui::SaveSetting(kAddInTitle, "Settings", "DisplayOnConnect", value);
    }

    vbide::CommandBarControls& AddInsButtons() { return vbe->CommandBars().Item("Add-Ins")->Controls(); }
    void ClickButton() { AddInsButtons().Item(1)->Execute(); }

    TemporarySettings settings;
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction useInteraction{interaction};
    std::shared_ptr<vbide::VBE> vbe = std::make_shared<vbide::VBE>();
    WindowLog log;
};

TEST_F(ConnectTest, EachConnectModeWithEachStoredDisplay) {
    struct Case {
        int32_t mode;
        std::optional<std::string> stored;
        bool button;
        bool shown;
    };
    const std::vector<Case> cases = {
        {0, std::nullopt, true, false}, {0, "0", true, false}, {0, "1", true, true},
        {1, std::nullopt, true, false}, {1, "0", true, false}, {1, "1", true, false},
        {2, std::nullopt, false, true}, {2, "0", false, true}, {2, "1", false, true},
        {3, std::nullopt, true, false}, {3, "0", true, false}, {3, "1", true, false},
    };
    for (const auto& c : cases) {
        const std::string label =
            "mode " + std::to_string(c.mode) + ", stored " + c.stored.value_or("nothing");
        TemporarySettings freshSettings;
        if (c.stored)
            StoreDisplay(*c.stored);
        vbe = std::make_shared<vbide::VBE>();
        log = WindowLog{};
        const auto connect = NewConnect();

        Connected(*connect, vbe, c.mode);

        EXPECT_EQ(connect->VBInstance(), vbe) << label;
        ASSERT_EQ(AddInsButtons().Count(), c.button ? 1 : 0) << label;
        if (c.button) {
            EXPECT_EQ(AddInsButtons().Item(1)->Caption(), "VB Ostrel...") << label;
        }
        EXPECT_EQ(log.created, c.shown ? 1 : 0) << label;
        EXPECT_EQ(log.calls, c.shown ? kShowCalls : Calls{}) << label;
        EXPECT_EQ(connect->FormDisplayed(), c.shown) << label;
        EXPECT_TRUE(interaction.Prompts().empty()) << label;
    }
}

TEST_F(ConnectTest, EveryClickShowsTheOneWindowWithTheIdeAndTheConnection) {
    const auto connect = NewConnect();
    Connected(*connect, vbe, vbide::ext_cm_Startup);
    ClickButton();
    ClickButton();

    EXPECT_EQ(log.created, 1);
    EXPECT_EQ(log.calls, (Calls{"VBInstance", "Connect", "Show", "VBInstance", "Connect", "Show"}));
    EXPECT_EQ(log.vbInstance, vbe);
    EXPECT_EQ(log.connect.lock(), connect);
    EXPECT_TRUE(connect->FormDisplayed());
}

TEST_F(ConnectTest, AReplacedMenuHandlerNoLongerShowsTheWindow) {
    const auto connect = NewConnect();
    Connected(*connect, vbe, vbide::ext_cm_AfterStartup);
    connect->SetMenuHandler(std::make_shared<vbide::CommandBarEvents>());
    ClickButton();
    EXPECT_EQ(log.created, 0);
}

TEST_F(ConnectTest, WithoutAnAddInsBarConnectingReportsAnErrorAndStops) {
    for (const int32_t mode : {0, 1, 3}) {
        TemporarySettings freshSettings;
        StoreDisplay("1");
        ui::ScriptedInteraction answers;
        ui::ScopedInteraction useAnswers(answers);
        vbe = std::make_shared<vbide::VBE>();
        vbe->CommandBars().Remove("Add-Ins");
        log = WindowLog{};
        const auto connect = NewConnect();

        Connected(*connect, vbe, mode);

        ASSERT_EQ(answers.Prompts().size(), 1u) << mode;
        EXPECT_EQ(answers.Prompts()[0].prompt, vb::StandardDescription(vb::kObjectNotSet)) << mode;
        EXPECT_EQ(answers.Prompts()[0].buttons, ui::vbOKOnly) << mode;
        EXPECT_EQ(answers.Prompts()[0].title, "Error") << mode;
        for (const auto& bar : vbe->CommandBars())
            EXPECT_EQ(bar->Controls().Count(), 0) << bar->Name();
        EXPECT_EQ(log.created, 0) << mode;
        EXPECT_EQ(connect->MenuHandler(), nullptr) << mode;

        // Disconnecting with no button still stores the display and ends quietly.
        Disconnected(*connect);
        EXPECT_EQ(StoredDisplay(), "0") << mode;
        EXPECT_EQ(answers.Prompts().size(), 1u) << mode;
    }
}

TEST_F(ConnectTest, DisconnectingStoresWhetherTheWindowWasShownAndTheNextConnectionFollowsIt) {
    enum class Before { Nothing, Click, ClickThenHide, External, UnloadFails };
    struct Case {
        Before before;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {Before::Nothing, "0"},  {Before::Click, "1"},       {Before::ClickThenHide, "0"},
        {Before::External, "1"}, {Before::UnloadFails, "1"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        TemporarySettings freshSettings;
        vbe = std::make_shared<vbide::VBE>();
        log = WindowLog{};
        auto connect = NewConnect();
        Connected(*connect, vbe,
                  c.before == Before::External ? vbide::ext_cm_External : vbide::ext_cm_Startup);
        if (c.before != Before::Nothing && c.before != Before::External)
            ClickButton();
        if (c.before == Before::ClickThenHide)
            connect->Hide();
        if (c.before == Before::UnloadFails)
            log.failUnloadWith = vb::kPermissionDenied;
        const bool windowMade = log.created == 1;

        Disconnected(*connect);

        EXPECT_EQ(StoredDisplay(), c.stored) << i;
        EXPECT_FALSE(connect->FormDisplayed()) << i;
        EXPECT_EQ(AddInsButtons().Count(), 0) << i;
        EXPECT_EQ(!log.calls.empty() && log.calls.back() == "Unload", windowMade) << i;
        EXPECT_TRUE(interaction.Prompts().empty()) << i;
        EXPECT_TRUE(interaction.DialogsShown().empty()) << i;

        // The next run of the IDE follows the setting.
        log = WindowLog{};
        vbe = std::make_shared<vbide::VBE>();
        connect = NewConnect();
        Connected(*connect, vbe, vbide::ext_cm_AfterStartup);
        EXPECT_EQ(log.created, c.stored == "1" ? 1 : 0) << i;
    }
}

TEST_F(ConnectTest, AWindowThatFailsToShowIsReportedByTheHandlerThatAskedForIt) {
    enum class Failing { Factory, Show };
    enum class Asker { Click, ExternalConnection, StoredDisplay };
    struct Case {
        Failing failing;
        Asker asker;
        int32_t number;
        std::string source;
    };
    const std::vector<Case> cases = {
        {Failing::Factory, Asker::Click, vb::kCannotCreateObject, "MenuHandler_ClickfrmBuilderMain"},
        {Failing::Show, Asker::Click, vb::kPermissionDenied, "MenuHandler_ClickfrmBuilderMain.Show"},
        {Failing::Factory, Asker::ExternalConnection, vb::kCannotCreateObject, ""},
        {Failing::Show, Asker::StoredDisplay, vb::kPermissionDenied, ""},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        TemporarySettings freshSettings;
        StoreDisplay(c.asker == Asker::StoredDisplay ? "1" : "0");
        ui::ScriptedInteraction answers;
        ui::ScopedInteraction useAnswers(answers);
        std::vector<std::string> reported;
        answers.AnswerDialog([&](ui::ModalDialog& dialog) {
            reported.push_back(dynamic_cast<frmErrorDisplayUtil&>(dialog).lblMessage());
            dynamic_cast<frmErrorDisplayUtil&>(dialog).cmdDetails_Click();
        });
        answers.AnswerDialog([&](ui::ModalDialog& dialog) {
            const auto& details = dynamic_cast<frmErrorDetails&>(dialog);
            reported.push_back(details.txtNumber());
            reported.push_back(details.txtSource());
        });
        vbe = std::make_shared<vbide::VBE>();
        log = WindowLog{};
        if (c.failing == Failing::Show)
            log.failShowWith = c.number;
        const auto connect =
            c.failing == Failing::Factory ? std::make_shared<Connect>(MainWindowFactory{}) : NewConnect();

        Connected(*connect, vbe,
                  c.asker == Asker::ExternalConnection ? vbide::ext_cm_External : vbide::ext_cm_AfterStartup);
        if (c.asker == Asker::Click)
            ClickButton();

        const std::string description = vb::StandardDescription(c.number);
        if (c.asker == Asker::Click) {
            EXPECT_EQ(reported, (std::vector<std::string>{"VB Ostrel Internal Error - " + description,
                                                          std::to_string(c.number), c.source}))
                << i;
            EXPECT_TRUE(answers.Prompts().empty()) << i;
        } else {
            EXPECT_TRUE(reported.empty()) << i;
            ASSERT_EQ(answers.Prompts().size(), 1u) << i;
            EXPECT_EQ(answers.Prompts()[0].prompt, description) << i;
            EXPECT_EQ(answers.Prompts()[0].title, "Error") << i;
        }
        // The window was asked for: the steps after the failing one still ran.
        EXPECT_TRUE(connect->FormDisplayed()) << i;
    }
}

}  // namespace
}  // namespace core
