// File > New, Edit, Import and Delete Application and Tool > Options on a loaded main window, with the
// import scripted; the first save through the application information dialog; every command that writes
// the repository at once, on a repository the system lets the builder read but not write.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "builder/frmAppInfo.h"
#include "builder/frmAppOpen.h"
#include "builder/frmToolOptions.h"
#include "repository/RepositorySchema.h"
#include "tests/builder/MainWindowFixture.h"
#include "tests/core/TemporarySettings.h"
#include "tests/support/FileAccessAs.h"
#include "tests/support/FileTree.h"
#include "typelib/FormTemplates.h"

namespace builder_test {
namespace {

using Lines = std::vector<std::string>;

// The import as the window reaches it, recording each call.
class ScriptedImport : public builder::ImportCommands {
  public:
    void ImportData(std::shared_ptr<core::qelApplication> previous, bool wasAppOpened,
                    bool wasImported) override {
        calls.push_back("ImportData " + previous->Name() + " " + std::to_string(wasAppOpened) +
                        std::to_string(wasImported));
        this->previous = std::move(previous);
    }
    std::vector<std::string> GetNewTables(core::qelApplication& application) override {
        calls.push_back("GetNewTables " + application.Name());
        return newTables;
    }
    std::optional<std::string> LogonDataSource(core::qelApplication& logonValues) override {
        calls.push_back("Logon");
        logonValues.SetDBType("SQL");
        return "Sales";
    }
    void SynchronizeApplication() override { calls.push_back("Sync"); }

    Lines calls;
    std::vector<std::string> newTables;
    std::shared_ptr<core::qelApplication> previous;
};

enum class Close { OK, Cancel, CloseBox };

class ApplicationCommands : public MainWindow {
  protected:
    ApplicationCommands() { UseSampleRepository(); }

    ScriptedImport& Wire() {
        auto import = std::make_unique<ScriptedImport>();
        ScriptedImport& wired = *import;
        mForm.SetImportCommands(std::move(import));
        return wired;
    }

    void OpenSample() {
        OpenFirstApplication();
        ASSERT_TRUE(mForm.IsAppOpened());
    }

    // A file there is to import from.
    std::string SalesFile() const { return (mFolder.Path() / "vbostrel.mdb").string(); }
    // The next application dialog: `name` and `database` (SalesFile when null) typed, then closed as `close`
    // says.
    void AnswerAppInfo(Close close, const std::string& name = "Sales", const char* databaseOrNull = nullptr) {
        const std::string database = databaseOrNull ? databaseOrNull : SalesFile();
        mScript.AnswerDialog([=, this](ui::ModalDialog& dialog) {
            auto& info = dynamic_cast<builder::frmAppInfo&>(dialog);
            mAppInfoCaptions.push_back(info.Caption);
            if (!name.empty())
                info.SetNameText(name);
            if (!database.empty())
                info.SetDSNorDatabaseText(database);
            if (close == Close::OK)
                info.cmdOK_Click();
            else if (close == Close::Cancel)
                info.cmdCancel_Click();
        });
    }

    TemporarySettings mSettings;
    Lines mAppInfoCaptions;
};

TEST_F(ApplicationCommands, NewApplication) {
    struct Case {
        Close close;
        bool wired;
        bool replaced;
        Lines calls;
        std::string caption;
    };
    const Case cases[] = {
        {Close::Cancel, true, false, {}, "VBOstrel - OrderEntry"},
        {Close::CloseBox, true, false, {}, "VBOstrel - OrderEntry"},
        {Close::OK, true, true, {"ImportData OrderEntry 10"}, "VBOstrel - OrderEntry"},
        {Close::OK, false, true, {}, "VBOstrel - Sales"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.close));
        mForm.Unload();
        mForm.Show();
        ScriptedImport* import = c.wired ? &Wire() : nullptr;
        if (!c.wired)
            mForm.SetImportCommands(nullptr);
        OpenSample();
        const auto sample = mForm.Application();
        const size_t treeNodes = mForm.Views().BusObjTreeView.Count();
        AnswerAppInfo(c.close);
        mForm.RunMenuCommand("mnuFileNew");
        EXPECT_EQ(mAppInfoCaptions.back(), "Application Information for Import");
        EXPECT_EQ(mForm.Caption(), c.caption);
        if (!c.replaced) {
            EXPECT_EQ(mForm.Application(), sample);
            EXPECT_TRUE(mForm.IsAppOpened());
            EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), treeNodes);
        } else {
            EXPECT_NE(mForm.Application(), sample);
            EXPECT_EQ(mForm.Application()->Name(), "Sales");
            EXPECT_EQ(mForm.Application()->LocalDBName(), SalesFile());
            EXPECT_FALSE(mForm.IsAppOpened());
            EXPECT_FALSE(mForm.IsImported());
            if (!c.wired) {
                EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), 0u);
            }
        }
        if (import) {
            EXPECT_EQ(import->calls, c.calls);
            if (!c.calls.empty()) {
                EXPECT_EQ(import->previous, sample);
            }
        }
        EXPECT_EQ(sample->Name(), "OrderEntry");
    }
}

TEST_F(ApplicationCommands, NewAsksAboutUnsavedChangesFirst) {
    OpenSample();
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Invoice"));
    mScript.AnswerMsgBox(ui::vbYes);
    AnswerAppInfo(Close::Cancel);
    mForm.RunMenuCommand("mnuFileNew");
    EXPECT_EQ(Messages(), (Lines{"Do you wish to save your changes? (36, VB Ostrel)"}));
    EXPECT_FALSE(mForm.IsDataChanged());  // saved before the dialog
    EXPECT_EQ(mForm.Application()->Name(), "OrderEntry");
}

TEST_F(ApplicationCommands, EditApplication) {
    OpenSample();
    AnswerAppInfo(Close::Cancel, "Renamed");
    mForm.RunMenuCommand("mnuFileEditApplication");
    EXPECT_EQ(mAppInfoCaptions, Lines{"Application Information"});
    EXPECT_EQ(mForm.Caption(), "VBOstrel - OrderEntry");
    EXPECT_FALSE(mForm.IsDataChanged());

    AnswerAppInfo(Close::OK, "Renamed", "");
    mForm.RunMenuCommand("mnuFileEditApplication");
    EXPECT_EQ(mForm.Caption(), "VBOstrel - Renamed");
    EXPECT_TRUE(mForm.IsDataChanged());
    const auto& application = *mForm.Application();
    EXPECT_EQ(application.L1ProjectName(), "OrderEntryUI");
    EXPECT_EQ(application.L2ProjectName(), "OrderEntryBusiness");
    EXPECT_EQ(application.L3ProjectName(), "OrderEntryData");
}

TEST_F(ApplicationCommands, Import) {
    struct Case {
        bool stored;
        bool withBusinessObjects;
        Lines newTables;
        Close close;
        Lines calls;
        Lines messages;
        size_t dialogs;
    };
    const Case cases[] = {
        {true,
         true,
         {},
         Close::OK,
         {"GetNewTables OrderEntry"},
         {"There are no tables left in the current Application's\rdatabase to import. (64, Application "
          "Import)"},
         0},
        {true, true, {"Returns"}, Close::OK, {"GetNewTables OrderEntry", "ImportData OrderEntry 10"}, {}, 0},
        {false, false, {}, Close::Cancel, {}, {}, 1},
        {false, false, {}, Close::CloseBox, {}, {}, 1},
        {false, false, {}, Close::OK, {"ImportData Sales 00"}, {}, 1},
        {false, true, {}, Close::OK, {"ImportData  00"}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + std::to_string(c.withBusinessObjects));
        mForm.Unload();
        mForm.Show();
        ScriptedImport& import = Wire();
        import.newTables = c.newTables;
        if (c.stored)
            OpenSample();
        else if (c.withBusinessObjects)
            mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
        const auto before = mForm.Application();
        const size_t prompts = mScript.Prompts().size();
        mAppInfoCaptions.clear();
        if (c.dialogs > 0)
            AnswerAppInfo(c.close);
        mForm.tlbToolBar_ButtonClick("Import");
        EXPECT_EQ(import.calls, c.calls);
        Lines messages;
        for (size_t i = prompts; i < mScript.Prompts().size(); ++i) {
            const auto& prompt = mScript.Prompts()[i];
            messages.push_back(prompt.prompt + " (" + std::to_string(prompt.buttons) + ", " + prompt.title +
                               ")");
        }
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(mAppInfoCaptions.size(), c.dialogs);
        EXPECT_EQ(mForm.Application(), before);
        if (c.close != Close::OK) {
            EXPECT_EQ(before->Name(), "");
        }
    }
}

TEST_F(ApplicationCommands, DeleteApplication) {
    OpenSample();
    const auto counts = RowCounts();
    const std::string status = mForm.StatusText();
    mScript.AnswerMsgBox(ui::vbNo);
    mForm.RunMenuCommand("mnuFileDelete");
    EXPECT_EQ(Messages(),
              (Lines{"Do you want to delete the current application? (276, Delete Application)"}));
    EXPECT_EQ(RowCounts(), counts);
    EXPECT_EQ(mForm.StatusText(), status);
    EXPECT_TRUE(mForm.IsAppOpened());

    // A failure deletes nothing and leaves the window as it was.
    mForm.dbZUN()->Execute(
        "CREATE TRIGGER \"Refuse\" BEFORE DELETE ON \"Method\" BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const auto sample = mForm.Application();
    const size_t treeNodes = mForm.Views().BusObjTreeView.Count();
    mScript.AnswerMsgBox(ui::vbYes);
    mForm.RunMenuCommand("mnuFileDelete");
    EXPECT_EQ(RowCounts(), counts);
    EXPECT_EQ(mForm.Application(), sample);
    EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), treeNodes);
    EXPECT_EQ(mForm.StatusText(), status);
    EXPECT_EQ(mScript.Pointer(), ui::MousePointer::Default);
    EXPECT_EQ(mScript.DialogsShown().back(), "frmErrorDisplayUtil");

    mForm.dbZUN()->Execute("DROP TRIGGER \"Refuse\"");
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Invoice"));
    mScript.AnswerMsgBox(ui::vbYes);
    mForm.RunMenuCommand("mnuFileDelete");
    for (const auto& [table, count] : RowCounts())
        EXPECT_EQ(count, 0) << table;
    EXPECT_NE(mForm.Application(), sample);
    EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), 0u);
    EXPECT_FALSE(mForm.IsAppOpened());
    EXPECT_FALSE(mForm.IsDataChanged());
    EXPECT_EQ(mForm.StatusText(), "Ready...");

    // A model never stored runs no query: the window is emptied all the same.
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Invoice"));
    mScript.AnswerMsgBox(ui::vbYes);
    mForm.RunMenuCommand("mnuFileDelete");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), 0u);
    EXPECT_FALSE(mForm.IsDataChanged());
}

TEST_F(MainWindow, TheFirstSaveAsksThroughTheApplicationDialog) {
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mScript.AnswerDialog([](ui::ModalDialog&) {});  // closed by its close box
    mForm.mnuFileSave_Click();
    EXPECT_FALSE(mForm.IsAppOpened());
    EXPECT_EQ(mForm.dbZUN()->Select("Application").Count(), 0u);
    EXPECT_EQ(mForm.Application()->Name(), "");

    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& info = dynamic_cast<builder::frmAppInfo&>(dialog);
        EXPECT_FALSE(info.IsImporting());
        info.SetNameText("Sales Desk");
        info.SetDSNorDatabaseText("/data/sales.mdb");
        info.cmdOK_Click();
    });
    mForm.mnuFileSave_Click();
    mForm.mnuFileSave_Click();
    const auto rows = mForm.dbZUN()->Select("Application");
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows[0]["Name"].ToString(), "Sales_Desk");
    EXPECT_EQ(rows[0]["LocalDBName"].ToString(), "/data/sales.mdb");
    EXPECT_EQ(rows[0]["L2ProjectName"].ToString(), "Project_UI");
    EXPECT_TRUE(mForm.IsAppOpened());
}

class ToolOptions : public MainWindow {
  protected:
    // Tool > Options with the boxes typed (nullopt keeps a box), then OK or Cancel.
    void Options(std::optional<std::string> templates, std::optional<std::string> database, bool ok = true) {
        mScript.AnswerDialog([=, this](ui::ModalDialog& dialog) {
            auto& options = dynamic_cast<builder::frmToolOptions&>(dialog);
            mShown = {options.txtFormTemplatePath, options.txtAppDatabasePath};
            if (templates)
                options.txtFormTemplatePath = *templates;
            if (database)
                options.txtAppDatabasePath = *database;
            if (ok)
                options.cmdOK_Click();
            else
                options.cmdCancel_Click();
        });
        mForm.RunMenuCommand("mnuToolOptions");
    }

    TemporarySettings mSettings;
    Lines mShown;
};

TEST_F(ToolOptions, BoxesShowTheFoldersAndOKKeepsThem) {
    const auto tools = mForm.ToolProperties();
    const std::string templates = tools->FormTemplatePath();
    const std::string database = tools->ToolDBPath();
    Options("/srv/forms", std::nullopt, false);
    EXPECT_EQ(mShown, (Lines{templates, database}));
    EXPECT_EQ(tools->FormTemplatePath(), templates);
    EXPECT_FALSE(mForm.IsDataChanged());

    const std::filesystem::path forms = mFolder.Path() / "forms";  // copies of the add-in's templates
    std::filesystem::create_directories(forms);
    for (const char* file : typelib::kFormTemplates)
        std::filesystem::copy_file(core::qelToolProperties().FormTemplatePath() + file, forms / file);
    Options(forms.string(), std::nullopt);
    EXPECT_EQ(tools->FormTemplatePath(), forms.string() + "/");
    EXPECT_EQ(tools->ToolDBPath(), database);  // the same folder
    EXPECT_FALSE(mForm.IsDataChanged());
    EXPECT_TRUE(mScript.Prompts().empty());

    // An empty box is the default folder.
    Options("", std::nullopt);
    EXPECT_EQ(tools->FormTemplatePath(), core::qelToolProperties().FormTemplatePath());
}

TEST_F(ToolOptions, AnotherRepositoryFolderIsOpenedOrRefused) {
    const std::filesystem::path other = mFolder.Path() / "other";
    const auto before = mForm.dbZUN();
    Options(std::nullopt, other.string());
    EXPECT_EQ(Messages(), (Lines{"The VBOstrel database cannot be found! (" +
                                 (other / "vbostrel.mdb").string() + ") (10, Error - Database Not Found)"}));
    EXPECT_EQ(mForm.dbZUN(), before);
    const std::filesystem::path damaged = mFolder.Path() / "damaged";
    std::filesystem::create_directories(damaged);
    std::ofstream(damaged / "vbostrel.mdb") << "not a database";
    Options(std::nullopt, damaged.string());
    EXPECT_EQ(Messages().back(),
              "The file " + (damaged / "vbostrel.mdb").string() +
                  " is not a VBOstrel repository, or it is damaged: file is not a database. (10, "
                  "Error - Database Not Usable)");
    EXPECT_EQ(mForm.dbZUN(), before);

    std::filesystem::create_directories(other);
    std::filesystem::copy_file(SampleRepository(), other / "vbostrel.mdb");
    mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Customer"));
    mScript.AnswerMsgBox(ui::vbNo);
    Options(std::nullopt, other.string());
    EXPECT_EQ(Messages().back(), "Do you wish to save your changes? (36, VB Ostrel)");
    EXPECT_EQ(mForm.dbZUN()->Path(), other / "vbostrel.mdb");
    EXPECT_EQ(mForm.Views().BusObjTreeView.Count(), 0u);
    EXPECT_FALSE(mForm.IsDataChanged());

    // Kept for the next load.
    mForm.Unload();
    builder::frmBuilderMain next;
    next.Show();
    EXPECT_EQ(next.dbZUN()->Path(), other / "vbostrel.mdb");
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& open = dynamic_cast<builder::frmAppOpen&>(dialog);
        ASSERT_EQ(open.ApplicationListView().Rows().size(), 1u);
        EXPECT_EQ(open.ApplicationListView().Rows().front()->Text, "OrderEntry");
    });
    next.mnuFileOpen_Click();
    next.Unload();
}

// Each is refused whole when the file, or the folder where SQLite makes its journal, cannot be written,
// and done once it can.
TEST_F(ApplicationCommands, EveryCommandThatWritesTheRepositoryAtOnceTellsWhyItCannot) {
    namespace fs = std::filesystem;
    struct Case {
        std::function<void()> command;
        bool opened;         // the sample's application is opened first; else "Invoice" is added to a new one
        bool folder;         // the folder refuses, not the file
        std::string told;    // after the file and the reason
        bool older = false;  // the repository is one of an older format in "older", not the window's
    };
    const auto popup = [this](const char* node, const char* command) {
        Select(node);
        mForm.BusObjTreeView_MouseDown(2);
        mForm.RunMenuCommand(command);
    };
    const std::string saved = "Nothing has been saved; the window keeps your changes. Make the ";
    const std::string deleted = "Nothing has been deleted. Make the ";
    const std::vector<Case> cases = {
        {[this] { mForm.RunMenuCommand("mnuFileSave"); }, true, false,
         saved + "file writable, then save again."},
        {[this] {
             AnswerAppInfo(Close::OK);
             mForm.RunMenuCommand("mnuFileSave");
         },
         false, true, saved + "folder writable, then save again."},
        {[this] {
             mScript.AnswerMsgBox(ui::vbYes);
             mForm.RunMenuCommand("mnuFileDelete");
         },
         true, false, deleted + "file writable, then delete it again."},
        {[&] { popup("Order.Methods.Ship", "mnuPropMethDelete"); }, true, true,
         deleted + "folder writable, then delete it again."},
        {[&] { popup("Customer.Relationships.Relationship1", "mnuRelationshipDelete"); }, true, false,
         deleted + "file writable, then delete it again."},
        {[this] {
             mScript.AnswerDialog([this](ui::ModalDialog& dialog) {
                 dynamic_cast<builder::frmToolOptions&>(dialog).txtAppDatabasePath =
                     (mFolder / "older").string();
                 dynamic_cast<builder::frmToolOptions&>(dialog).cmdOK_Click();
             });
             mForm.RunMenuCommand("mnuToolOptions");
         },
         true, false,
         "It is of an older format, which the builder brings up to date before it uses it; nothing has been "
         "opened. Make the file writable, then open it again.",
         true},
    };
    const auto model = [this] {
        return std::tuple(mForm.Application(), TreeKeys(), mForm.IsAppOpened(), mForm.dbZUN()->Path());
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        mForm.Unload();
        fs::copy_file(SampleRepository(), mFolder / "vbostrel.mdb", fs::copy_options::overwrite_existing);
        const fs::path repository = (c.older ? mFolder / "older" : mFolder.Path()) / "vbostrel.mdb";
        if (c.older) {
            fs::create_directory(repository.parent_path());
            fs::copy_file(SampleRepository(), repository);
            dao::SqliteDatabase::Open(repository, dao::OpenMode::ReadWrite)
                ->Execute(R"sql(DROP TABLE "VBOstrel")sql");
        }
        fs::permissions(repository, c.folder ? fs::perms(0666) : fs::perms(0444));
        fs::permissions(repository.parent_path(), c.folder ? fs::perms(0555) : fs::perms(0755));
        const std::string before = testing_support::Contents(repository);
        {
            const testing_support::FileAccessAs person(testing_support::FileAccessAs::Unprivileged());
            mForm.Show();
            c.opened ? OpenFirstApplication()
                     : void(mForm.myBusObjForm_BusinessObjectAdded(NewBusinessObject("Invoice")));
            const auto unchanged = model();
            c.command();
            EXPECT_EQ(model(), unchanged);
        }
        const std::string folder = " in its folder " + repository.parent_path().string() +
                                   ", where each write first makes a journal file";
        EXPECT_EQ(Messages().empty() ? "" : Messages().back(),
                  "The repository " + repository.string() + " cannot be written: permission is denied" +
                      (c.folder ? folder : "") + ". " + c.told + " (10, Error - Database Not Writable)");
        EXPECT_EQ(std::tuple(mForm.StatusText(), mScript.Pointer()),
                  std::tuple("Ready...", ui::MousePointer::Default));
        EXPECT_TRUE(testing_support::Contents(repository) == before);

        fs::permissions(repository, fs::perms(0644));
        fs::permissions(repository.parent_path(), fs::perms(0755));
        c.command();
        EXPECT_FALSE(testing_support::Contents(repository) == before);
        mForm.SetIsDataChanged(false);
    }
}

}  // namespace
}  // namespace builder_test
