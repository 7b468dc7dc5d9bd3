// The application information dialog and the tool options dialog driven through scripted answers; their
// Qt forms opened offscreen with screenshots.

#include "builder/frmAppInfo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "builder/frmBuilderMain.h"
#include "builder/frmToolOptions.h"
#include "platform/ui/FileOpenDialog.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/core/TemporarySettings.h"
#include "tests/host/QtTestApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/support/NextModalWidget.h"

namespace builder {
namespace {

using AppPtr = std::shared_ptr<core::qelApplication>;

// A file there is to import from: the build's sample repository.
std::string SampleFile() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return (std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb").string();
}

// Every member the dialog may write.
auto Values(const core::qelApplication& a) {
    return std::tuple(a.Name(), a.Description(), a.DSN(), a.LocalDBName(), a.DBType(), a.Architecture(),
                      a.L1ProjectName(), a.L2ProjectName(), a.L3ProjectName(), a.IsMTS(), a.UserName(),
                      a.Password(), a.DSNDBName());
}

// The stored sample's application: its own project names, three projects with MTS, on a data source.
AppPtr Sample() {
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("OrderEntry");
    application->SetDescription("Orders");
    application->SetArchitecture(3);
    application->SetL1ProjectName("OrderEntryUI");
    application->SetL2ProjectName("OrderEntryBusiness");
    application->SetL3ProjectName("OrderEntryData");
    application->SetDSN("Orders");
    application->SetDBType("SQL");
    application->SetIsMTS(true);
    return application;
}

std::vector<std::string> PromptTexts(const ui::ScriptedInteraction& interaction) {
    std::vector<std::string> texts;
    for (const auto& prompt : interaction.Prompts())
        texts.push_back(prompt.prompt + " | " + std::to_string(prompt.buttons) + " | " + prompt.title);
    return texts;
}

class AppInfoTest : public ::testing::Test {
  protected:
    frmAppInfo& Load(AppPtr application, bool importing = false) {
        mApplication = std::move(application);
        mDialog.SetRefToAppObject(mApplication);
        mDialog.SetIsImporting(importing);
        mDialog.Form_Load();
        return mDialog;
    }

    ui::ScriptedInteraction mInteraction;
    ui::ScopedInteraction mScope{mInteraction};
    AppPtr mApplication;
    frmAppInfo mDialog;
};

TEST_F(AppInfoTest, OKChecksInOrderAndWritesNothingUntilAccepted) {
    struct Case {
        std::string name, database;
        std::string prompt;  // empty: accepted
        std::string focus;
        std::string storedName;
    };
    const Case cases[] = {
        {"", "", "The Application must have a name! | 10 | VB Ostrel", "txtName", ""},
        {"", "/data/a.mdb", "The Application must have a name! | 10 | VB Ostrel", "txtName", ""},
        {"Sales", "", "The Application must have a database associated with it! | 10 | VB Ostrel",
         "txtDSNorDatabase", ""},
        {"   ", "/data/a.mdb", "Name must begin with a letter! | 10 | Error", "txtName", ""},
        {"9Sales", "/data/a.mdb", "Name must begin with a letter! | 10 | Error", "txtName", ""},
        {"Sales.Orders", "/data/a.mdb", "There can be no puctuation in a name! | 10 | Error", "txtName", ""},
        {"  Order Entry ", "/data/a.mdb", "", "", "Order_Entry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + "/" + c.database);
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction scope(interaction);
        frmAppInfo dialog;
        auto application = std::make_shared<core::qelApplication>();
        const auto before = Values(*application);
        dialog.SetRefToAppObject(application);
        dialog.Form_Load();
        dialog.SetNameText(c.name);
        dialog.SetDescriptionText("About sales");
        dialog.cmbArchitecture_Click(2);
        dialog.chkMTS_Click(true);
        dialog.SetDSNorDatabaseText(c.database);
        dialog.cmdOK_Click();
        if (c.prompt.empty()) {
            EXPECT_TRUE(interaction.Prompts().empty());
            EXPECT_TRUE(dialog.IsUnloaded());
            EXPECT_EQ(
                Values(*application),
                std::tuple(c.storedName, std::string("About sales"), std::string(), c.database,
                           std::string("Access"), 3, std::string("Project_UI"), std::string("Project_Layer2"),
                           std::string("Project_Layer3"), true, std::string(), std::string(), std::string()));
        } else {
            EXPECT_EQ(PromptTexts(interaction), std::vector<std::string>{c.prompt});
            EXPECT_EQ(dialog.Focused, c.focus);
            EXPECT_FALSE(dialog.IsUnloaded());
            EXPECT_EQ(Values(*application), before);
        }
        EXPECT_FALSE(dialog.IsCanceled());
        EXPECT_FALSE(dialog.OKClickedForImporting());
    }
}

TEST_F(AppInfoTest, ProjectNamesFollowTheArchitectureAndAreKeptWhenItStays) {
    struct Case {
        AppPtr application;
        int32_t entry;  // -1: left as filled
        std::tuple<int32_t, std::string, std::string, std::string> expected;
    };
    const Case cases[] = {
        {std::make_shared<core::qelApplication>(), 0, {1, "Project_UI", "Project_UI", "Project_UI"}},
        {std::make_shared<core::qelApplication>(), 1, {2, "Project_UI", "Project_Layer2", "Project_Layer2"}},
        {std::make_shared<core::qelApplication>(), 2, {3, "Project_UI", "Project_Layer2", "Project_Layer3"}},
        {Sample(), -1, {3, "OrderEntryUI", "OrderEntryBusiness", "OrderEntryData"}},
        {Sample(), 2, {3, "OrderEntryUI", "OrderEntryBusiness", "OrderEntryData"}},
        {Sample(), 1, {2, "Project_UI", "Project_Layer2", "Project_Layer2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        frmAppInfo dialog;
        dialog.SetRefToAppObject(c.application);
        dialog.Form_Load();
        if (c.application->Name().empty()) {
            dialog.SetNameText("Sales");
            dialog.SetDSNorDatabaseText("/data/sales.mdb");
        }
        dialog.SetDescriptionText("Edited");
        if (c.entry >= 0)
            dialog.cmbArchitecture_Click(c.entry);
        dialog.cmdOK_Click();
        ASSERT_TRUE(dialog.IsUnloaded());
        const auto& a = *c.application;
        EXPECT_EQ(std::tuple(a.Architecture(), a.L1ProjectName(), a.L2ProjectName(), a.L3ProjectName()),
                  c.expected);
        EXPECT_EQ(a.Description(), "Edited");
    }
}

TEST_F(AppInfoTest, FillingFromAnExistingApplication) {
    struct Case {
        std::string local, dsn;
        int32_t architecture;
        bool mts;
        int32_t format;
        std::string shown, label;
        int32_t help, entry;
        bool mtsTicked, mtsEnabled;
    };
    const Case cases[] = {
        {"/data/a.mdb", "Orders", 3, true, frmAppInfo::kLocalAccess, "/data/a.mdb", "Database Name:", 56, 2,
         true, true},
        {"", "Orders", 2, true, frmAppInfo::kODBC, "Orders", "DSN:", 57, 1, false, false},
        {"", "Orders", 7, false, frmAppInfo::kODBC, "Orders", "DSN:", 57, 0, false, false},
    };
    for (const Case& c : cases) {
        auto application = Sample();
        application->SetLocalDBName(c.local);
        application->SetDSN(c.dsn);
        application->SetArchitecture(c.architecture);
        application->SetIsMTS(c.mts);
        frmAppInfo dialog;
        dialog.SetRefToAppObject(application);
        dialog.Form_Load();
        EXPECT_EQ(dialog.Caption, "Application Information");
        EXPECT_EQ(dialog.txtName.Text, "OrderEntry");
        EXPECT_EQ(dialog.txtName.HelpContextID, 52);
        EXPECT_EQ(dialog.txtDescription.Text, "Orders");
        EXPECT_EQ(dialog.cmbDBFormat.ListIndex, c.format);
        EXPECT_EQ(dialog.txtDSNorDatabase.Text, c.shown);
        EXPECT_EQ(dialog.lblDSNorDatabase, c.label);
        EXPECT_EQ(dialog.txtDSNorDatabase.HelpContextID, c.help);
        EXPECT_EQ(dialog.cmbArchitecture.ListIndex, c.entry);
        EXPECT_EQ(dialog.chkMTS.Value, c.mtsTicked);
        EXPECT_EQ(dialog.chkMTS.Enabled, c.mtsEnabled);
        EXPECT_TRUE(dialog.cmdOKEnabled);
    }
}

TEST_F(AppInfoTest, MTSIsOnlyForThreeProjectsAndWrittenOnlyByOK) {
    Load(Sample());
    ASSERT_TRUE(mDialog.chkMTS.Value);
    mDialog.cmbArchitecture_Click(1);
    EXPECT_FALSE(mDialog.chkMTS.Enabled);
    EXPECT_FALSE(mDialog.chkMTS.Value);
    mDialog.chkMTS_Click(true);
    EXPECT_FALSE(mDialog.chkMTS.Value);
    EXPECT_TRUE(mApplication->IsMTS());  // not before OK
    mDialog.cmbArchitecture_Click(2);
    EXPECT_TRUE(mDialog.chkMTS.Enabled);
    EXPECT_FALSE(mDialog.chkMTS.Value);
    mDialog.cmdCancel_Click();
    EXPECT_TRUE(mDialog.IsCanceled());
    EXPECT_EQ(Values(*mApplication), Values(*Sample()));

    frmAppInfo again;
    again.SetRefToAppObject(mApplication);
    again.Form_Load();
    again.cmbArchitecture_Click(0);
    again.cmdOK_Click();
    EXPECT_FALSE(mApplication->IsMTS());
}

TEST_F(AppInfoTest, FormatsLabelTheBoxAndOKClearsTheOtherDatabase) {
    struct Case {
        bool importing;
        int32_t format;
        std::string label;
        int32_t help;
        std::string local, dsn, type;
    };
    const Case cases[] = {
        {false, frmAppInfo::kLocalAccess, "Database Name:", 56, "typed", "", "Access"},
        {true, frmAppInfo::kLocalAccess, "Database to Import:", 56, SampleFile(), "", "Access"},
        {false, frmAppInfo::kODBC, "DSN:", 57, "", "typed", "SQL"},
        {true, frmAppInfo::kODBC, "DSN:", 57, "", "typed", "SQL"},
    };
    for (const Case& c : cases) {
        auto application = Sample();
        application->SetLocalDBName("/data/old.mdb");  // both set: Access wins
        frmAppInfo dialog;
        dialog.SetRefToAppObject(application);
        dialog.SetIsImporting(c.importing);
        dialog.Form_Load();
        dialog.cmbDBFormat_Click(c.format);
        EXPECT_EQ(dialog.lblDSNorDatabase, c.label);
        EXPECT_EQ(dialog.txtDSNorDatabase.HelpContextID, c.help);
        dialog.SetDSNorDatabaseText(c.local.empty() ? "typed" : c.local);
        dialog.cmdOK_Click();
        EXPECT_EQ(std::tuple(application->LocalDBName(), application->DSN(), application->DBType()),
                  std::tuple(c.local, c.dsn, c.type));
        EXPECT_EQ(dialog.OKClickedForImporting(), c.importing);
        EXPECT_FALSE(dialog.IsCanceled());
    }
}

TEST_F(AppInfoTest, ImportModeEnablesOKOnceADatabaseIsNamed) {
    Load(std::make_shared<core::qelApplication>(), true);
    EXPECT_EQ(mDialog.Caption, "Application Information for Import");
    EXPECT_FALSE(mDialog.cmdOKEnabled);
    mDialog.SetNameText("Sales");
    mDialog.cmdOK_Click();  // a disabled button does nothing
    EXPECT_FALSE(mDialog.IsUnloaded());
    EXPECT_TRUE(mInteraction.Prompts().empty());
    mDialog.SetDSNorDatabaseText("/data/sales.mdb");
    EXPECT_TRUE(mDialog.cmdOKEnabled);
    mDialog.SetDSNorDatabaseText("");
    EXPECT_TRUE(mDialog.cmdOKEnabled);
    mDialog.cmdOK_Click();
    EXPECT_EQ(PromptTexts(mInteraction),
              std::vector<std::string>{
                  "The Application must have a database associated with it! | 10 | VB Ostrel"});

    frmAppInfo existing;
    existing.SetRefToAppObject(Sample());
    existing.SetIsImporting(true);
    existing.Form_Load();
    EXPECT_TRUE(existing.cmdOKEnabled);
}

TEST_F(AppInfoTest, CancelAndTheCloseBoxLeaveTheApplication) {
    for (const bool closeBox : {false, true}) {
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction scope(interaction);
        auto application = Sample();
        frmAppInfo dialog;
        dialog.SetRefToAppObject(application);
        dialog.SetIsImporting(true);
        interaction.AnswerDialog([&](ui::ModalDialog&) {
            dialog.SetNameText("Renamed");
            dialog.cmbArchitecture_Click(0);
            dialog.cmbDBFormat_Click(frmAppInfo::kLocalAccess);
            dialog.SetDSNorDatabaseText("/data/x.mdb");
            if (!closeBox)
                dialog.cmdCancel_Click();
        });
        dialog.Show();
        EXPECT_EQ(interaction.DialogsShown(), std::vector<std::string>{"frmAppInfo"});
        EXPECT_TRUE(dialog.IsCanceled());
        EXPECT_FALSE(dialog.OKClickedForImporting());
        EXPECT_EQ(Values(*application), Values(*Sample()));
    }
}

TEST_F(AppInfoTest, BrowseChoosesAnAccessFileOrADataSource) {
    Load(std::make_shared<core::qelApplication>());
    mDialog.SetDSNorDatabaseText("/data/kept.mdb");
    mInteraction.AnswerDialog([](ui::ModalDialog& shown) {
        auto& files = dynamic_cast<ui::FileOpenDialog&>(shown);
        EXPECT_EQ(files.DialogTitle, "Access Database");
        EXPECT_EQ(
            files.NameFilters(),
            (std::vector<std::string>{"Access and SQLite Databases (*.mdb *.accdb *.db *.sqlite *.sqlite3)",
                                      "All Files (*)"}));
    });
    mDialog.cmdBrowse_Click();
    EXPECT_EQ(mDialog.txtDSNorDatabase.Text, "/data/kept.mdb");
    mInteraction.AnswerDialog([](ui::ModalDialog& shown) {
        auto& files = dynamic_cast<ui::FileOpenDialog&>(shown);
        files.FileName = "/data/chosen.mdb";
        files.IsCanceled = false;
    });
    mDialog.cmdBrowse_Click();
    EXPECT_EQ(mDialog.txtDSNorDatabase.Text, "/data/chosen.mdb");

    // Without the data-source logon Browse does nothing in ODBC mode.
    mDialog.cmbDBFormat_Click(frmAppInfo::kODBC);
    mDialog.cmdBrowse_Click();
    EXPECT_EQ(mDialog.txtDSNorDatabase.Text, "/data/chosen.mdb");
    int logons = 0;
    mDialog.SetDataSourceLogon([&](core::qelApplication& values) -> std::optional<std::string> {
        ++logons;
        values.SetUserName("clerk");
        values.SetPassword("secret");
        values.SetDSNDBName("orders");
        values.SetDBType("SQL");
        if (logons == 1)
            return std::nullopt;
        return "Sales";
    });
    mDialog.cmdBrowse_Click();
    EXPECT_EQ(mDialog.txtDSNorDatabase.Text, "/data/chosen.mdb");
    mDialog.cmdBrowse_Click();
    EXPECT_EQ(mDialog.txtDSNorDatabase.Text, "Sales");
    EXPECT_EQ(mApplication->UserName(), "");  // the logon's values wait for OK
    mDialog.SetNameText("Sales");
    mDialog.cmdOK_Click();
    EXPECT_EQ(std::tuple(mApplication->DSN(), mApplication->UserName(), mApplication->Password(),
                         mApplication->DSNDBName(), mApplication->DBType()),
              std::tuple("Sales", "clerk", "secret", "orders", "SQL"));
}

TEST_F(AppInfoTest, HelpAndTheFirstSavePrompt) {
    Load(std::make_shared<core::qelApplication>(), true);
    mDialog.cmdHelp_Click();
    frmAppInfo plain;
    plain.cmdHelp_Click();
    ASSERT_EQ(mInteraction.HelpShown().size(), 2u);
    EXPECT_EQ(mInteraction.HelpShown()[0].second, 1002);
    EXPECT_EQ(mInteraction.HelpShown()[1].second, 9);

    std::shared_ptr<frmAppInfo> shown;
    AppInfoFormPrompt prompt([&] { return shown = std::make_shared<frmAppInfo>(); });
    core::qelApplication application;
    EXPECT_FALSE(prompt.AskApplicationInfo(application));  // closed by its close box
    EXPECT_EQ(Values(application), Values(core::qelApplication()));
    mInteraction.AnswerDialog([&](ui::ModalDialog&) {
        EXPECT_FALSE(shown->IsImporting());
        shown->SetNameText("Sales");
        shown->SetDSNorDatabaseText("/data/sales.mdb");
        shown->cmdOK_Click();
    });
    EXPECT_TRUE(prompt.AskApplicationInfo(application));
    EXPECT_EQ(application.Name(), "Sales");
    EXPECT_EQ(application.L3ProjectName(), "Project_UI");
}

TEST(ToolOptionsTest, BoxesStartWithTheFoldersAndOKEndsThemWithTheSeparator) {
    struct Case {
        std::string templates, database;  // typed; "=" keeps the box
        bool ok;
        std::string acceptedTemplates, acceptedDatabase;
    };
    const Case cases[] = {
        {"=", "=", true, "/opt/templates/", "/home/u/data/"},
        {" /srv/forms ", "/srv/repo/", true, "/srv/forms/", "/srv/repo/"},
        {"", "", true, "", ""},
        {"/srv/forms", "/srv/repo", false, "/opt/templates/", "/home/u/data/"},
    };
    for (const Case& c : cases) {
        ui::ScriptedInteraction interaction;
        ui::ScopedInteraction scope(interaction);
        frmToolOptions dialog;
        dialog.SetFormTemplatePath("/opt/templates/");
        dialog.SetAppDatabasePath("/home/u/data/");
        interaction.AnswerDialog([&](ui::ModalDialog&) {
            EXPECT_EQ(dialog.txtFormTemplatePath, "/opt/templates/");
            EXPECT_EQ(dialog.txtAppDatabasePath, "/home/u/data/");
            if (c.templates != "=")
                dialog.txtFormTemplatePath = c.templates;
            if (c.database != "=")
                dialog.txtAppDatabasePath = c.database;
            if (c.ok)
                dialog.cmdOK_Click();
            else
                dialog.cmdCancel_Click();
        });
        dialog.Show();
        EXPECT_EQ(dialog.OK(), c.ok);
        EXPECT_EQ(dialog.FormTemplatePath(), c.acceptedTemplates);
        EXPECT_EQ(dialog.AppDatabasePath(), c.acceptedDatabase);
    }
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction scope(interaction);
    frmToolOptions closed;
    closed.SetAppDatabasePath("/home/u/data/");
    closed.Show();
    EXPECT_FALSE(closed.OK());
    EXPECT_EQ(closed.AppDatabasePath(), "/home/u/data/");
}

QString ScreenshotFolder() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    const QString folder = QString::fromStdString(
        (binary != nullptr ? std::string(binary) : std::filesystem::temp_directory_path().string()) +
        "/screenshots");
    QDir().mkpath(folder);
    return folder;
}

QPushButton* Button(QWidget& dialog, const QString& text) {
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

TEST(AppInfoQtTest, TheFormsOpenOffscreen) {
    const QString folder = ScreenshotFolder();
    ui::ScriptedInteraction interaction;
    ui::ScopedInteraction scope(interaction);

    auto sample = Sample();
    frmAppInfo edit;
    edit.SetRefToAppObject(sample);
    edit.Form_Load();
    bool saved = false;
    testing_support::OnNextModalWidget([&](QWidget& shown) {
        saved = shown.grab().save(folder + "/app-info.png");
        auto* name = shown.findChildren<QLineEdit*>().front();
        name->setText("OrderDesk");
        emit name->textEdited("OrderDesk");
        Button(shown, "OK")->click();
    });
    edit.ShowWidget();
    EXPECT_TRUE(saved);
    EXPECT_EQ(sample->Name(), "OrderDesk");
    EXPECT_EQ(sample->L2ProjectName(), "OrderEntryBusiness");

    auto fresh = std::make_shared<core::qelApplication>();
    frmAppInfo import;
    import.SetRefToAppObject(fresh);
    import.SetIsImporting(true);
    import.Form_Load();
    import.SetNameText("Sales");
    interaction.AnswerDialog([](ui::ModalDialog& shown) {
        auto& files = dynamic_cast<ui::FileOpenDialog&>(shown);
        files.FileName = SampleFile();
        files.IsCanceled = false;
    });
    testing_support::OnNextModalWidget([&](QWidget& shown) {
        QPushButton* ok = Button(shown, "OK");
        EXPECT_FALSE(ok->isEnabled());
        Button(shown, "Browse...")->click();
        EXPECT_TRUE(ok->isEnabled());
        saved = shown.grab().save(folder + "/app-info-import.png");
        ok->click();
    });
    import.ShowWidget();
    EXPECT_TRUE(saved);
    EXPECT_TRUE(import.OKClickedForImporting());
    EXPECT_EQ(fresh->LocalDBName(), SampleFile());

    frmToolOptions options;
    options.SetFormTemplatePath("/opt/ostrel/templates/");
    options.SetAppDatabasePath("/home/developer/.local/share/ostrel/");
    options.Form_Load();
    testing_support::OnNextModalWidget([&](QWidget& shown) {
        saved = shown.grab().save(folder + "/tool-options.png");
        shown.close();
    });
    options.ShowWidget();
    EXPECT_TRUE(saved);
}

// Tool > Options through the window's menu and real dialogs: the repository folder set to a copy of the
// build's samples folder, after which File > Open lists the sample.
TEST(ToolOptionsQt, TheSampleFolderOpensInTheBuilder) {
    TemporarySettings settings;
    dao_test::TestFolder folder;
    const std::filesystem::path samples = folder.Path() / "samples";
    std::filesystem::create_directories(samples);
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    std::filesystem::copy_file(std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb",
                               samples / "vbostrel.mdb");
    frmBuilderMain form;
    form.SetToolDBPath(folder.Path() / "empty");
    form.Show();
    testing_support::OnNextModalWidget([&](QWidget& shown) {
        QLineEdit* database = shown.findChildren<QLineEdit*>().at(1);
        database->setText(QString::fromStdString(samples.string()));
        emit database->textEdited(database->text());
        Button(shown, "OK")->click();
    });
    form.RunMenuCommand("mnuToolOptions");
    EXPECT_EQ(form.dbZUN()->Path(), samples / "vbostrel.mdb");
    QStringList listed;
    testing_support::OnNextModalWidget([&](QWidget& shown) {
        auto* list = shown.findChild<QTreeWidget*>("ApplicationListView");
        for (int i = 0; list && i < list->topLevelItemCount(); ++i)
            listed << list->topLevelItem(i)->text(0);
        shown.close();
    });
    form.mnuFileOpen_Click();
    EXPECT_EQ(listed, QStringList{"OrderEntry"});
    form.Unload();
}

}  // namespace
}  // namespace builder
