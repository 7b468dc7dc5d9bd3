// The data-source logon dialog driven through scripted answers, on the test's own data sources and
// settings; its Qt form opened offscreen.

#include "schemaimport/frmODBCLogon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <filesystem>

#include "core/AddInSettings.h"
#include "core/StatusSink.h"
#include "platform/odbc/DataSources.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/ui/Settings.h"
#include "tests/core/TemporarySettings.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/FileTree.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/ScopedFolderVariable.h"

namespace schemaimport {
namespace {

using testing_support::OdbcSandbox;

class RecordingStatusBar : public core::StatusSink {
  public:
    void ShowStatusText(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class ODBCLogonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& sandbox = OdbcSandbox::Get();
        sandbox.Clear();
        sandbox.AddUserSource("Sales", OdbcSandbox::kPostgresDriver);
        sandbox.AddUserSource("Stock", OdbcSandbox::kPostgresDriver);
        sandbox.AddUserSource("Lite", OdbcSandbox::kSqliteDriver);
        sandbox.AddUserSource("Jet", OdbcSandbox::kMdbToolsDriver);
        sandbox.AddSystemSource("Shared", OdbcSandbox::kPostgresDriver);
        core::AddInSettings::Reset();
        mApplication->SetDBType("Oracle");
        mDialog.SetRefToAppObject(mApplication);
        mDialog.ODBCLogonOKClicked = [this] {
            ++mEvents;
            mNameAtEvent = mDialog.cboDSNList.Text;
        };
    }
    void TearDown() override { core::AddInSettings::Reset(); }

    void SaveSetting(const std::string& key, const std::string& value) {
        ui::SaveSetting("Microsoft Visual Basic AddIns", "VB Ostrel", key, value);
    }

    TemporarySettings mSettings;
    testing_support::ScopedFolderVariable mState{"XDG_STATE_HOME"};
    ui::ScriptedInteraction mInteraction;
    ui::ScopedInteraction mUseIt{mInteraction};
    RecordingStatusBar mStatusBar;
    core::ScopedStatusSink mSink{mStatusBar};
    std::shared_ptr<core::qelApplication> mApplication = std::make_shared<core::qelApplication>();
    frmODBCLogon mDialog;
    int mEvents = 0;
    std::string mNameAtEvent;
};

TEST_F(ODBCLogonTest, LoadingListsTheSourcesAndTheirDriversAndSelectsNone) {
    mDialog.Form_Load();
    EXPECT_EQ(mDialog.Caption, "ODBC Logon");
    EXPECT_EQ(mDialog.HelpContextID, 57);
    EXPECT_EQ(mDialog.lblLabels[4].Caption, "Dri&ver:");
    EXPECT_EQ(mDialog.cboDSNList.List,
              (std::vector<std::string>{"(None)", "Sales", "Stock", "Lite", "Jet", "Shared"}));
    // The installed drivers, whichever data sources use them.
    EXPECT_EQ(mDialog.cboDrivers.List,
              (std::vector<std::string>{"PostgreSQL Unicode", "SQLite3", "MDBTools"}));
    // The list selects "(None)"; the stored data source, empty here, then stands in the box.
    EXPECT_EQ(mDialog.cboDSNList.Text, "");
    EXPECT_TRUE(mDialog.txtServer.Enabled && mDialog.cboDrivers.Enabled && mDialog.lblLabels[5].Enabled);
    EXPECT_EQ(mStatusBar.shown, std::vector<std::string>{"Enter ODBC Connection Parameters"});
    EXPECT_TRUE(mInteraction.Prompts().empty());

    OdbcSandbox::Get().Clear();
    frmODBCLogon empty;
    empty.GetDSNsAndDrivers();
    EXPECT_EQ(empty.cboDSNList.Text, "(None)");
    EXPECT_EQ(empty.cboDSNList.List, std::vector<std::string>{"(None)"});
    EXPECT_EQ(empty.cboDrivers.List, mDialog.cboDrivers.List);
}

TEST_F(ODBCLogonTest, TheStoredSettingsPrefillTheBoxesEachTime) {
    const std::vector<std::pair<std::string, std::string>> stored = {
        {"DataType", "SQL"},        {"DatabaseName", "/data/x.mdb"}, {"ODBCDatasource", "Sales"},
        {"ODBCDatabase", "orders"}, {"ODBCUserName", "clerk"},       {"ODBCPassword", "pw"},
        {"ODBCDriver", "SQLite3"},  {"ODBCServer", "db.example"},
    };
    for (const auto& [key, value] : stored)
        SaveSetting(key, value);
    mDialog.Form_Load();
    EXPECT_EQ(mDialog.cboDSNList.Text, "Sales");
    EXPECT_EQ(mDialog.txtDatabase.Text, "orders");
    EXPECT_EQ(mDialog.txtUID.Text, "clerk");
    EXPECT_EQ(mDialog.txtPWD.Text, "pw");
    EXPECT_EQ(mDialog.cboDrivers.Text, "SQLite3");
    EXPECT_EQ(mDialog.cboDrivers.ListIndex, 1);
    EXPECT_EQ(mDialog.txtServer.Text, "db.example");
    EXPECT_FALSE(mDialog.txtServer.Enabled || mDialog.cboDrivers.Enabled || mDialog.lblLabels[4].Enabled);
    EXPECT_EQ(core::AddInSettings::Values().DataType, "SQL");
    EXPECT_EQ(core::AddInSettings::Values().DatabaseName, "/data/x.mdb");

    for (const char* name : {"", "New Source"}) {
        mDialog.SetDataSourceText(name);
        EXPECT_TRUE(mDialog.txtServer.Enabled && mDialog.cboDrivers.Enabled && mDialog.lblLabels[4].Enabled);
    }
}

TEST_F(ODBCLogonTest, OkChecksTheLogonValuesOfServerSourcesAndSetsTheDatabaseType) {
    struct Case {
        std::string dsn, uid, pwd, database;
        std::string message;
        int32_t style;
        std::string focus;
        std::string dbType;
    };
    const std::vector<Case> cases = {
        {"", "u", "p", "d", "A DSN must be selected!", 10, "cboDSNList", "Oracle"},
        {"Sales", "", "p", "d", "The User ID must be filled in!", 48, "txtUID", "Oracle"},
        {"Sales", "u", "", "d", "The PWD must be filled in!", 48, "txtPWD", "Oracle"},
        {"Sales", "u", "p", "", "The Database must be filled in!", 48, "txtDatabase", "Oracle"},
        {" Sales ", "u", "p", "d", "", 0, "", "SQL"},
        {"Lite", "", "", "", "", 0, "", "SQL"},
        {"Jet", "", "", "", "", 0, "", "Access"},
        {"(None)", "u", "", "", "", 0, "", "Oracle"},
        {"Typed", "", "", "",
         "The data source \"Typed\" is not registered. Choose its driver and press Register, or choose a "
         "registered data source from the list.",
         10, "cboDSNList", "Oracle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dsn + "/" + c.message);
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        SetUp();
        frmODBCLogon dialog;
        dialog.SetRefToAppObject(mApplication);
        int events = 0;
        dialog.ODBCLogonOKClicked = [&] { ++events; };
        dialog.Form_Load();
        core::AddInSettings::Values().DatabaseName = "kept";
        dialog.SetDataSourceText(c.dsn);
        dialog.txtUID.Text = c.uid;
        dialog.txtPWD.Text = c.pwd;
        dialog.txtDatabase.Text = c.database;
        dialog.cmdOK_Click();
        EXPECT_EQ(mApplication->DBType(), c.dbType);
        if (!c.message.empty()) {
            ASSERT_EQ(interaction.Prompts().size(), 1u);
            EXPECT_EQ(interaction.Prompts()[0].prompt, c.message);
            EXPECT_EQ(interaction.Prompts()[0].buttons, c.style);
            EXPECT_EQ(interaction.Prompts()[0].title, "VB Ostrel");
            EXPECT_EQ(dialog.Focused, c.focus);
            EXPECT_FALSE(dialog.IsUnloaded());
            EXPECT_EQ(events, 0);
            EXPECT_EQ(mApplication->UserName(), "");
            EXPECT_EQ(core::AddInSettings::Values().DatabaseName, "kept");
        } else {
            EXPECT_TRUE(interaction.Prompts().empty());
            EXPECT_TRUE(dialog.IsUnloaded());
            EXPECT_EQ(events, 1);
            EXPECT_EQ(mApplication->UserName(), c.uid);
            EXPECT_EQ(mApplication->Password(), c.pwd);
            EXPECT_EQ(mApplication->DSNDBName(), c.database);
            EXPECT_EQ(core::AddInSettings::Values().DatabaseName, "");
        }
        mApplication = std::make_shared<core::qelApplication>();
    }
}

TEST_F(ODBCLogonTest, TheEventSeesTheChosenNameAndCancelOrCloseWriteNothing) {
    mDialog.Form_Load();
    mDialog.SelectDataSource(4);
    mDialog.cmdOK_Click();
    EXPECT_EQ(mNameAtEvent, "Jet");

    for (const bool cancel : {true, false}) {
        frmODBCLogon dialog;
        dialog.SetRefToAppObject(mApplication);
        dialog.ODBCLogonOKClicked = [this] { ++mEvents; };
        dialog.Form_Load();
        core::AddInSettings::Values().DatabaseName = "kept";
        dialog.SetDataSourceText("Jet");
        dialog.txtUID.Text = "changed";
        if (cancel)
            dialog.cmdCancel_Click();
        else
            dialog.Form_Unload();
        EXPECT_TRUE(dialog.IsUnloaded());
        EXPECT_EQ(core::AddInSettings::Values().DatabaseName, cancel ? "" : "kept");
        EXPECT_EQ(mApplication->UserName(), "");
        EXPECT_EQ(mEvents, 1);
        EXPECT_EQ(mStatusBar.shown.back(), "Ready");
    }
}

TEST_F(ODBCLogonTest, OkWithoutAnApplicationReportsTheErrorAndStaysOpen) {
    frmODBCLogon dialog;
    dialog.Form_Load();
    dialog.SetDataSourceText("Jet");
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.IsUnloaded());
    ASSERT_EQ(mInteraction.DialogsShown(), std::vector<std::string>{"frmErrorDisplayUtil"});
}

TEST_F(ODBCLogonTest, RegisterAsksForTheAttributesAndRegistersTheSource) {
    struct Case {
        std::string dsn, driver;
        bool answer;  // OK in the attribute dialog
        std::vector<std::string> prompts;
    };
    const std::string errorBox = "The following Error occurred:";
    const std::vector<Case> cases = {
        {"", "SQLite3", true, {"Please enter a DSN!"}},
        {"New", "", true, {"Please select a Driver!"}},
        {"New", "SQLite3", true, {"Datasource Registration Succeeded, proceed with OK."}},
        {"New", "SQLite3", false, {}},
        {"a[b",
         "SQLite3",
         true,
         {errorBox + "\r\n\r\nODBC--call failed.\r\nInvalid data source name: \"a[b\"\r\nNumber: 3146"}},
        {"New",
         "No Such Driver",
         true,
         {errorBox +
          "\r\n\r\nODBC--call failed.\r\nThe driver \"No Such Driver\" is not installed.\r\nNumber: 3146"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dsn + "/" + c.driver);
        OdbcSandbox::Get().Clear();
        OdbcSandbox::Get().AddUserSource("Keep", OdbcSandbox::kPostgresDriver);
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction useIt(interaction);
        interaction.AnswerMsgBox(ui::vbNo);
        interaction.AnswerDialog([&](ui::ModalDialog& shown) {
            auto& attributes = dynamic_cast<frmDataSourceAttributes&>(shown);
            EXPECT_EQ(attributes.DataSource(), c.dsn);
            EXPECT_EQ(attributes.Text, "Database=/data/typed.db\n");
            attributes.Text = "Database = /data/new.db\nno equals sign\nNoCreat=1\n";
            if (c.answer)
                attributes.cmdOK_Click();
        });
        frmODBCLogon dialog;
        dialog.Form_Load();
        dialog.SetDataSourceText(c.dsn);
        dialog.SetDriverText(c.driver);
        dialog.txtDatabase.Text = "/data/typed.db";
        dialog.txtUID.Text = "clerk";
        dialog.txtPWD.Text = "secret";
        dialog.cmdRegister_Click();
        // The logon values are the application's, never written into the data source.
        const std::string odbcIni = testing_support::Contents(OdbcSandbox::Get().UserFile());
        EXPECT_EQ(odbcIni.find("clerk"), std::string::npos) << odbcIni;
        EXPECT_EQ(odbcIni.find("secret"), std::string::npos) << odbcIni;
        std::vector<std::string> prompts;
        for (const auto& prompt : interaction.Prompts())
            prompts.push_back(prompt.prompt.substr(0, prompt.prompt.find("\r\n\r\nDisplay")));
        EXPECT_EQ(prompts, c.prompts);
        const bool registered = !prompts.empty() && prompts[0].rfind("Datasource", 0) == 0;
        EXPECT_EQ(odbc::DataSourceAttribute("New", "Database"),
                  registered ? std::optional<std::string>("/data/new.db") : std::nullopt);
        if (registered) {
            EXPECT_EQ(odbc::DataSourceAttribute("New", "NoCreat"), "1");
            EXPECT_EQ(interaction.Prompts()[0].buttons, 64);
            EXPECT_EQ(interaction.Prompts()[0].title, "VB Ostrel");
        } else if (c.dsn.empty() || c.driver.empty()) {
            EXPECT_EQ(interaction.Prompts()[0].title, "ODBC Logon");
        }
        EXPECT_TRUE(odbc::IsUserDataSource("Keep"));
        EXPECT_EQ(dialog.cboDSNList.List.size(), 2u);  // the lists are not refreshed
        // OK knows the source registered as one listed.
        const auto application = std::make_shared<core::qelApplication>();
        dialog.SetRefToAppObject(application);
        dialog.cmdOK_Click();
        EXPECT_EQ(application->DBType(), registered ? "SQL" : "");
    }
}

// On a machine with no data source: a new name typed, its driver chosen.
TEST_F(ODBCLogonTest, TheQtFormOpensOffscreen) {
    OdbcSandbox::Get().Clear();
    mDialog.Form_Load();
    mDialog.SetDataSourceText("Orders");
    mDialog.SelectDriver(1);
    mDialog.txtDatabase.Text = "/data/orders.db";
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    const QString folder = QString::fromStdString(
        (binary != nullptr ? std::string(binary) : std::filesystem::temp_directory_path().string()) +
        "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->findChildren<QComboBox*>().value(1)->isEnabled());
        saved = shown->grab().save(folder + "/odbc-logon.png");
        shown->close();
    });
    mDialog.ShowWidget();
    EXPECT_TRUE(saved);
    EXPECT_TRUE(mDialog.IsUnloaded());
    EXPECT_EQ(mEvents, 0);

    frmDataSourceAttributes attributes("New");
    attributes.Text = "Database=/data/new.db\nNoCreat=1";
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        saved = shown->grab().save(folder + "/odbc-attributes.png");
        shown->close();
    });
    attributes.ShowWidget();
    EXPECT_TRUE(saved);
    EXPECT_TRUE(attributes.IsCanceled);
}

}  // namespace
}  // namespace schemaimport
