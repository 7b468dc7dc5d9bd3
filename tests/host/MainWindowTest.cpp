#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

#include <fstream>

#include "host/AddInManager.h"
#include "host/FileNameDialog.h"
#include "host/qt/CodeEditor.h"
#include "host/qt/FormView.h"
#include "host/qt/MainWindow.h"
#include "platform/ide/ProjectFiles.h"
#include "tests/host/HostTestFixture.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/DialogPictures.h"
#include "tests/support/FileTree.h"

namespace {

using Lines = std::vector<std::string>;

Lines Captions(const QMenu* menu) {
    Lines captions;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            captions.push_back(action->text().toStdString());
    }
    return captions;
}

QAction* ActionNamed(const QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

// The explorer's items, indented by level.
Lines TreeLines(const QTreeWidgetItem* item, int level = 0) {
    Lines lines{std::string(static_cast<size_t>(level) * 2, ' ') + item->text(0).toStdString()};
    for (int i = 0; i < item->childCount(); ++i) {
        const Lines child = TreeLines(item->child(i), level + 1);
        lines.insert(lines.end(), child.begin(), child.end());
    }
    return lines;
}

class MainWindowTest : public HostTestFixture {
  protected:
    host::MainWindow& Window() {
        if (!mWindow)
            mWindow = std::make_unique<host::MainWindow>(Session());
        return *mWindow;
    }
    void StartUp(host::CommandLine line = {}) {
        Window();
        Session().StartUp(line);
        Window().RefreshIfChanged();
    }
    void TearDown() override {
        mWindow.reset();
        HostTestFixture::TearDown();
    }
    std::unique_ptr<host::MainWindow> mWindow;
};

TEST_F(MainWindowTest, StartUpAddInsButtonIsInTheAddInsMenuAndRaisesItsClick) {
    WriteList("[Add-Ins32]\nOstrelTest.AddIn=1\n");
    StartUp();
    const auto addIn = Connected(kTestAddIn);
    ASSERT_TRUE(addIn);
    EXPECT_EQ(addIn->Calls().front(), "OnConnection 1");
    EXPECT_EQ(Captions(Window().AddInsMenu()), (Lines{"Add-In &Manager...", kTestButtonCaption}));
    QAction* entry = ActionNamed(Window().AddInsMenu(), kTestButtonCaption);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    entry->trigger();
    EXPECT_EQ(addIn->Clicks(), 2);

    Session().AddIns().Disconnect(kTestAddIn, vbide::ext_dm_UserClosed);
    Window().RefreshIfChanged();
    EXPECT_EQ(Captions(Window().AddInsMenu()), (Lines{"Add-In &Manager..."}));
}

TEST_F(MainWindowTest, ManagerEntryConnectsWithModeZero) {
    WriteList("[Add-Ins32]\nOstrelTest.AddIn=0\n");
    StartUp();
    mScript.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& manager = dynamic_cast<host::AddInManager&>(dialog);
        manager.SetLoaded(0, true);
        manager.cmdOK_Click();
    });
    ActionNamed(Window().AddInsMenu(), "Add-In &Manager...")->trigger();
    ASSERT_TRUE(Connected(kTestAddIn));
    EXPECT_EQ(Connected(kTestAddIn)->Calls().front(), "OnConnection 0");
    EXPECT_TRUE(ActionNamed(Window().AddInsMenu(), kTestButtonCaption));
}

TEST_F(MainWindowTest, CommandLineAddInConnectsWithModeThree) {
    host::CommandLine line;
    line.addIns = {kTestAddIn};
    StartUp(line);
    EXPECT_EQ(Connected(kTestAddIn)->Calls().front(), "OnConnection 3");
    EXPECT_TRUE(ActionNamed(Window().AddInsMenu(), kTestButtonCaption));
}

TEST_F(MainWindowTest, OpenedGroupShowsItsProjectsAndComponentsByKind) {
    {
        auto vbe = std::make_shared<vbide::VBE>();
        auto exe = vbe->VBProjects().Add(vbide::vbext_pt_StandardExe);
        exe->SetName("Client");
        exe->VBComponents().Add(vbide::vbext_ct_StdModule)->SetName("Startup");
        exe->VBComponents().Add(vbide::vbext_ct_VBForm)->SetName("frmAbout");
        vbe->VBProjects().Add(vbide::vbext_pt_ActiveXDll)->SetName("Server");
        vbide::SaveProjectGroup(*vbe, mFolder / "Shop.vbg");
    }
    host::CommandLine line;
    line.groupFile = mFolder / "Shop.vbg";
    StartUp(line);
    ASSERT_EQ(Window().Explorer()->topLevelItemCount(), 1);
    EXPECT_EQ(TreeLines(Window().Explorer()->topLevelItem(0)), (Lines{
                                                                   "Shop (Shop.vbg)",
                                                                   "  Client (Client.vbp)",
                                                                   "    Forms",
                                                                   "      Form1 (Form1.frm)",
                                                                   "      frmAbout (frmAbout.frm)",
                                                                   "    Modules",
                                                                   "      Startup (Startup.bas)",
                                                                   "  Server (Server.vbp)",
                                                                   "    Class Modules",
                                                                   "      Class1 (Class1.cls)",
                                                               }));
    EXPECT_FALSE(Session().Document().IsDirty());
}

TEST_F(MainWindowTest, CodeWindowWritesIntoTheModuleAndShowsWhatOthersWrite) {
    StartUp();
    Session().Document().NewProject(vbide::vbext_pt_ActiveXDll);
    const auto component = Session().VBE().VBProjects().Item(1)->VBComponents().Item(1);
    Window().OpenComponent(component);
    auto* editor = Window().findChild<host::CodeEditor*>();
    ASSERT_NE(editor, nullptr);
    editor->setPlainText("Option Explicit\n\nPublic Sub Go()\nEnd Sub");
    EXPECT_EQ(component->CodeModule()->AllLines(),
              (std::vector<std::string>{"Option Explicit", "", "Public Sub Go()", "End Sub"}));
    EXPECT_TRUE(Session().Document().IsDirty());

    component->CodeModule()->InsertLines(4, "    MsgBox \"Hi\"");
    Window().RefreshIfChanged();
    EXPECT_EQ(editor->toPlainText().toStdString(),
              "Option Explicit\n\nPublic Sub Go()\n    MsgBox \"Hi\"\nEnd Sub");
    editor->clear();
    EXPECT_EQ(component->CodeModule()->CountOfLines(), 0);
}

TEST_F(MainWindowTest, WindowMenuListsTheIdesWindowsAndClosingOneClosesItsWindow) {
    StartUp();
    Session().Document().NewProject(vbide::vbext_pt_StandardExe);
    Window().RefreshIfChanged();
    EXPECT_EQ(Captions(Window().WindowMenu()), (Lines{"Project1 - Form1 (Code)", "Project1 - Form1 (Form)"}));
    ActionNamed(Window().WindowMenu(), "Project1 - Form1 (Form)")->trigger();
    auto* area = Window().findChild<QMdiArea*>();
    ASSERT_EQ(area->subWindowList().size(), 1);
    EXPECT_TRUE(area->subWindowList().front()->findChild<host::FormView*>());
    area->subWindowList().front()->close();
    Window().RefreshIfChanged();
    EXPECT_EQ(Captions(Window().WindowMenu()), (Lines{"Project1 - Form1 (Code)"}));
    EXPECT_FALSE(Session().Document().IsDirty());

    // Opening the form again lists one designer window, not a second code window.
    Window().OpenComponent(Session().VBE().VBProjects().Item(1)->VBComponents().Item(1));
    EXPECT_EQ(Captions(Window().WindowMenu()), (Lines{"Project1 - Form1 (Code)", "Project1 - Form1 (Form)"}));
}

// Save Project Group of a new group: the file dialog opens in the current folder, and once every file is
// written the title loses its mark of changes, and again after an edit and a second save; Save As then opens
// in the group's folder.
TEST_F(MainWindowTest, SavingClearsTheTitlesMarkAndTheSaveDialogOpensInTheGroupsFolder) {
    StartUp();
    Session().Document().NewProject(vbide::vbext_pt_StandardExe);
    Session().VBE().VBProjects().Item(1)->VBComponents().Add(vbide::vbext_ct_StdModule);
    Window().RefreshIfChanged();
    EXPECT_EQ(Window().windowTitle(), "Project Group* - ostrel");
    const std::filesystem::path group = mFolder / "Shop.vbg";
    std::vector<std::filesystem::path> openedAt;
    const auto answer = [&](bool choose) {
        mScript.AnswerDialog([&, choose](ui::ModalDialog& dialog) {
            auto& files = dynamic_cast<host::FileNameDialog&>(dialog);
            openedAt.push_back(files.Suggestion());
            if (choose)
                files.Choose(group);
        });
    };
    const QMenu* file = Window().menuBar()->actions().front()->menu();
    answer(true);
    ActionNamed(file, "&Save Project Group")->trigger();
    EXPECT_TRUE(std::filesystem::exists(group));
    EXPECT_EQ(Window().windowTitle(), "Shop - ostrel");
    EXPECT_EQ(Window().Explorer()->topLevelItem(0)->text(0), "Shop (Shop.vbg)");
    testing_support::SavePicture(Window(), "ostrel-saved-group");
    // An edit marks the title again; saving it, into the same group file, clears the mark.
    Session().VBE().VBProjects().Item(1)->VBComponents().Item(2)->CodeModule()->InsertLines(1, "' edited");
    Window().RefreshIfChanged();
    EXPECT_EQ(Window().windowTitle(), "Shop* - ostrel");
    ActionNamed(file, "&Save Project Group")->trigger();
    EXPECT_EQ(Window().windowTitle(), "Shop - ostrel");
    answer(false);
    ActionNamed(file, "Save Project Group &As...")->trigger();
    EXPECT_EQ(openedAt,
              (std::vector<std::filesystem::path>{std::filesystem::current_path() / "Group1.vbg", group}));
}

// A module changed outside the IDE after the group was opened: every save leaves it as it was changed and
// brings its ".unsaved" up to date with the IDE's text, the title keeps its mark, and closing asks.
TEST_F(MainWindowTest, EverySaveKeepsAFileChangedOutsideTheIde) {
    const std::filesystem::path module = mFolder / "Project1" / "Class1.cls";
    vbide::VBE written;
    written.VBProjects().Add(vbide::vbext_pt_ActiveXDll);
    vbide::SaveProjectGroup(written, mFolder / "Shop.vbg");
    StartUp({.groupFile = mFolder / "Shop.vbg", .addIns = {}});
    std::ofstream(module, std::ios::app) << "' outside\r\n";
    const std::string outside = testing_support::Contents(module);
    for (const char* edit : {"' IDE 1", "' IDE 2", "' IDE 3"}) {
        Session().VBE().VBProjects().Item(1)->VBComponents().Item(1)->CodeModule()->InsertLines(1, edit);
        ActionNamed(Window().menuBar()->actions().front()->menu(), "&Save Project Group")->trigger();
        EXPECT_EQ(testing_support::Contents(module), outside) << edit;
        EXPECT_NE(testing_support::Contents(module.string() + ".unsaved").find(edit), std::string::npos);
        EXPECT_EQ(mScript.Prompts().back().prompt,
                  module.string() +
                      " changed after it was read, so it is left as it is; what this save would "
                      "have written is kept in " +
                      module.string() + ".unsaved.");
        EXPECT_EQ(Window().windowTitle(), "Shop* - ostrel") << edit;
    }
    mScript.AnswerMsgBox(ui::vbCancel);
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(mScript.Prompts().back().prompt, host::kSaveChangesPrompt);
}

TEST_F(MainWindowTest, ClosingTheWindowDisconnectsEveryAddIn) {
    host::CommandLine line;
    line.addIns = {kTestAddIn, kOtherTestAddIn};
    StartUp(line);
    const auto first = Connected(kTestAddIn);
    const auto second = Connected(kOtherTestAddIn);
    EXPECT_TRUE(Window().close());
    EXPECT_EQ(first->Calls().back(), "OnDisconnection 0");
    EXPECT_EQ(second->Calls().back(), "OnDisconnection 0");
    EXPECT_TRUE(mScript.Prompts().empty());  // nothing unsaved
}

}  // namespace
