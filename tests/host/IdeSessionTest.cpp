#include <gtest/gtest.h>

#include <QMessageBox>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "host/AddInList.h"
#include "host/AddInManager.h"
#include "host/FileNameDialog.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ui/QtInteraction.h"
#include "tests/host/HostTestFixture.h"
#include "tests/support/DialogPictures.h"
#include "tests/support/FileTree.h"
#include "tests/support/RecordedSaveSteps.h"

namespace {

using Calls = std::vector<std::string>;

class IdeSessionTest : public HostTestFixture {
  protected:
    void StartUp(std::vector<std::string> commandLineAddIns = {}) {
        host::CommandLine line;
        line.addIns = std::move(commandLineAddIns);
        Session().StartUp(line);
    }
    // Runs `act` on screen, which shows the host's message box: pictured, `text` with `icon`, then OK.
    static void ExpectBox(const char* picture, const std::function<void()>& act, const std::string& text,
                          QMessageBox::Icon icon) {
        ui::QtInteraction qt;
        ui::ScopedInteraction useIt(qt);
        testing_support::DriveModal(host::kHostTitle, picture, act, [&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text().toStdString(), text);
            EXPECT_EQ(box->icon(), icon);
            testing_support::Press(dialog, QDialogButtonBox::Ok);
        });
    }
    int ButtonsOnAddInsBar() { return Session().VBE().CommandBars().Item("Add-Ins")->Controls().Count(); }
    // The manager as a person leaves it: the handler ticks and clears, then OK.
    void UseManager(std::function<void(host::AddInManager&)> ticks) {
        mScript.AnswerDialog([ticks](ui::ModalDialog& dialog) {
            auto& manager = dynamic_cast<host::AddInManager&>(dialog);
            ticks(manager);
            manager.cmdOK_Click();
        });
        Session().ShowAddInManager();
    }
};

TEST_F(IdeSessionTest, StartUpConnectsTheListedAddInsByHowTheyCame) {
    WriteList("[Add-Ins32]\r\nOstrelTest.AddIn=1\r\nOstrelTest.OtherAddIn=0\r\n");
    StartUp();
    const auto addIn = Connected(kTestAddIn);
    ASSERT_TRUE(addIn);
    EXPECT_EQ(addIn->Calls(), (Calls{"OnConnection 1", "OnStartupComplete"}));
    EXPECT_FALSE(Session().AddIns().IsConnected(kOtherTestAddIn));
    EXPECT_FALSE(Session().Document().IsDirty());  // an add-in's button is no change of the group
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(IdeSessionTest, CommandLineAddInConnectsWithModeThreeOnce) {
    WriteList("[Add-Ins32]\nOstrelTest.AddIn=1\n");
    StartUp({kOtherTestAddIn, kTestAddIn});
    EXPECT_EQ(Connected(kOtherTestAddIn)->Calls(), (Calls{"OnConnection 3", "OnStartupComplete"}));
    EXPECT_EQ(Connected(kTestAddIn)->Calls(), (Calls{"OnConnection 1", "OnStartupComplete"}));
    EXPECT_EQ(ButtonsOnAddInsBar(), 2);
}

TEST_F(IdeSessionTest, AnAddInThatCannotConnectIsToldAndTheRestGoOn) {
    WriteList("[Add-Ins32]\nOstrelTest.FailingAddIn=1\nNobody.Connect=1\nOstrelTest.AddIn=1\n");
    StartUp();
    EXPECT_EQ(Session().AddIns().ConnectedProgIds(), (Calls{kTestAddIn}));
    ASSERT_EQ(mScript.Prompts().size(), 2u);
    EXPECT_NE(mScript.Prompts()[0].prompt.find(kFailingAddIn), std::string::npos);
    EXPECT_NE(mScript.Prompts()[0].prompt.find("Object variable or With block variable not set"),
              std::string::npos);
    EXPECT_NE(mScript.Prompts()[1].prompt.find("Nobody.Connect"), std::string::npos);
}

TEST_F(IdeSessionTest, ManagerConnectsWithModeZeroAndDisconnects) {
    WriteList("[Add-Ins32]\nOstrelTest.AddIn=0\nOstrelTest.OtherAddIn=1\n");
    StartUp();
    const auto other = Connected(kOtherTestAddIn);
    UseManager([](host::AddInManager& manager) {
        EXPECT_EQ(manager.Rows(), (std::vector<host::AddInManager::Row>{{kTestAddIn, false, false},
                                                                        {kOtherTestAddIn, true, true}}));
        manager.SetLoaded(0, true);
        manager.SetLoadOnStartup(0, true);
        manager.SetLoaded(1, false);
        manager.SetLoaded(7, true);  // no such row
    });
    const auto addIn = Connected(kTestAddIn);
    ASSERT_TRUE(addIn);
    EXPECT_EQ(addIn->Calls(), (Calls{"OnConnection 0", "OnAddInsUpdate"}));
    EXPECT_EQ(other->Calls(), (Calls{"OnConnection 1", "OnStartupComplete", "OnDisconnection 1"}));
    EXPECT_FALSE(Session().AddIns().IsConnected(kOtherTestAddIn));
    EXPECT_EQ(ButtonsOnAddInsBar(), 1);
    const auto list = host::ReadAddInList(ListFile());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list[0].loadOnStartup);
    EXPECT_TRUE(list[1].loadOnStartup);  // unloading keeps the start-up choice

    UseManager([](host::AddInManager& manager) { manager.SetLoaded(0, false); });
    EXPECT_EQ(addIn->Calls(), (Calls{"OnConnection 0", "OnAddInsUpdate", "OnDisconnection 1"}));
    EXPECT_EQ(ButtonsOnAddInsBar(), 0);
}

TEST_F(IdeSessionTest, ManagerListsAnAddInConnectedFromTheCommandLine) {
    StartUp({kTestAddIn});
    UseManager([](host::AddInManager& manager) {
        EXPECT_EQ(manager.Rows(), (std::vector<host::AddInManager::Row>{{kTestAddIn, true, false}}));
        manager.SetLoadOnStartup(0, true);
    });
    EXPECT_EQ(host::ReadAddInList(ListFile()).size(), 1u);
    EXPECT_TRUE(Session().AddIns().IsConnected(kTestAddIn));
}

TEST_F(IdeSessionTest, ClosingAsksAboutChangesThenDisconnectsEveryAddIn) {
    StartUp({kTestAddIn});
    const auto addIn = Connected(kTestAddIn);
    Session().Document().NewProject(vbide::vbext_pt_StandardExe);
    Session().VBE().VBProjects().Item(1)->VBComponents().Add(vbide::vbext_ct_StdModule);

    mScript.AnswerMsgBox(ui::vbCancel);
    EXPECT_FALSE(Session().Close());
    EXPECT_TRUE(Session().AddIns().IsConnected(kTestAddIn));

    mScript.AnswerMsgBox(ui::vbYes);
    mScript.AnswerDialog([](ui::ModalDialog&) {});  // the file question closed without a name
    EXPECT_FALSE(Session().Close());

    mScript.AnswerMsgBox(ui::vbNo);
    EXPECT_TRUE(Session().Close());
    EXPECT_EQ(addIn->Calls().back(), "OnDisconnection 0");
    EXPECT_TRUE(Session().AddIns().ConnectedProgIds().empty());
    ASSERT_EQ(mScript.Prompts().size(), 3u);
    for (const auto& prompt : mScript.Prompts()) {
        EXPECT_EQ(prompt.prompt, host::kSaveChangesPrompt);
        EXPECT_EQ(prompt.buttons & 7, ui::vbYesNoCancel);
    }
}

TEST_F(IdeSessionTest, SavingAsksForTheGroupFileOnceAndTheGroupOpensAgain) {
    auto& document = Session().Document();
    document.NewProject(vbide::vbext_pt_ActiveXDll);
    Session().VBE().VBProjects().Item(1)->VBComponents().Add(vbide::vbext_ct_StdModule);
    const auto groupFile = mFolder / "saved" / "Sample";
    std::filesystem::create_directories(groupFile.parent_path());
    mScript.AnswerDialog([&](ui::ModalDialog& dialog) {
        auto& question = dynamic_cast<host::FileNameDialog&>(dialog);
        EXPECT_EQ(question.GetPurpose(), host::FileNameDialog::Purpose::SaveGroupAs);
        question.Choose(groupFile);
    });
    mScript.AnswerMsgBox(ui::vbYes);
    EXPECT_TRUE(Session().Close());
    EXPECT_EQ(document.GroupFile(), std::filesystem::path(groupFile.string() + ".vbg"));
    EXPECT_TRUE(std::filesystem::exists(groupFile.string() + ".vbg"));
    EXPECT_FALSE(document.IsDirty());
    EXPECT_TRUE(document.Save());  // no second question
    EXPECT_EQ(mScript.DialogsShown().size(), 1u);

    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, groupFile.string() + ".vbg");
    ASSERT_EQ(vbe->VBProjects().Count(), 1);
    EXPECT_EQ(vbe->VBProjects().Item(1)->VBComponents().Count(), 2);
}

TEST_F(IdeSessionTest, SavingOverAFileTheGroupDoesNotListIsRefusedAndTold) {
    auto& document = Session().Document();
    document.NewProject(vbide::vbext_pt_ActiveXDll);
    Session().VBE().VBProjects().Item(1)->VBComponents().Add(vbide::vbext_ct_StdModule);
    const auto groupFile = mFolder / "theirs" / "Group1.vbg";
    const auto theirs = mFolder / "theirs" / "Project1" / "Module1.bas";
    std::filesystem::create_directories(theirs.parent_path());
    std::ofstream(theirs, std::ios::binary) << "their module\r\n";
    mScript.AnswerDialog(
        [&](ui::ModalDialog& dialog) { dynamic_cast<host::FileNameDialog&>(dialog).Choose(groupFile); });

    EXPECT_FALSE(document.SaveAs());
    EXPECT_FALSE(document.GroupFile());
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_NE(mScript.Prompts()[0].prompt.find(theirs.string() + " is not part of the project group"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(groupFile));
    std::ifstream in(theirs, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "their module\r\n");
}

// A save of the group stopped after its list, then both modules edited by the developer: the IDE's next open
// or save of the group finds it and keeps the developer's files. An open tells them in one box; a save,
// which would write over them, refuses; what fails after the recovery tells them after its own error.
TEST_F(IdeSessionTest, AStoppedSaveFoundByOpenOrSaveTellsEveryFileItKept) {
    const std::filesystem::path folder = mFolder / "stopped", group = folder / "Group1.vbg";
    const std::filesystem::path modules[] = {folder / "Project1" / "Module1.bas",
                                             folder / "Project1" / "Module2.bas"};
    const struct {
        const char* picture;
        bool byOpen;
        std::function<void()> damage;       // more of the developer's doing
        std::function<std::string()> says;  // an error, which the kept files follow one line each
    } cases[] = {
        {"ostrel-kept-unsaved-open", true, nullptr, nullptr},
        {"ostrel-kept-unsaved-save", false, nullptr,
         [&] {
             return "Nothing has been saved: saving would write over " + modules[0].string() +
                    ", which changed after a save that was stopped had begun. Save again to write over it, "
                    "or open the group again to work on it as it is.";
         }},
        {"ostrel-kept-unsaved-open-fails", true,
         [&] { std::ofstream(modules[0], std::ios::binary) << "' mine\r\n"; },
         [&] {
             return "Invalid file format: " + modules[0].string() +
                    ", line 1: not a form, class or module file";
         }},
        {"ostrel-kept-unsaved-save-fails", false,
         [&] { std::filesystem::create_directory(folder / "~save.~lst.~tmp"); },
         [&] {
             return (folder / "~save.~lst.~tmp").string() +
                    " stands where the save list goes. Nothing has been saved; move it away, then save "
                    "again.";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const auto saving = std::make_shared<vbide::VBE>();
        const auto project = saving->VBProjects().Add(vbide::vbext_pt_StandardExe);
        for (int i = 0; i < 2; ++i) {
            project->VBComponents()
                .Add(vbide::vbext_ct_StdModule)
                ->CodeModule()
                ->InsertLines(1, "' saved, then stopped");
        }
        vbide::SaveProjectGroup(*saving, group);
        if (!c.byOpen) {
            ASSERT_TRUE(Session().Document().OpenGroup(group));
        }
        testing_support::StopSave([&] { vbide::SaveProjectGroup(*saving, group); });
        for (const auto& module : modules)
            std::ofstream(module, std::ios::binary | std::ios::app) << "' mine\r\n";
        if (c.damage)
            c.damage();
        std::string told = c.says ? c.says() : "";
        std::vector<std::string> left;
        for (const auto& module : modules) {
            told +=
                (told.empty() ? ""
                 : c.says     ? "\n"
                              : "\n\n") +
                module.string() +
                " changed after a save that was stopped had begun, so it is left as it is; what that save "
                "would have written is kept in " +
                module.string() + ".unsaved.";
            left.push_back(testing_support::Contents(module));
        }
        auto& document = Session().Document();
        ExpectBox(
            c.picture, [&] { EXPECT_EQ(c.byOpen ? document.OpenGroup(group) : document.Save(), !c.says); },
            told, c.says ? QMessageBox::Critical : QMessageBox::Warning);
        for (size_t i = 0; i < std::size(modules); ++i)
            EXPECT_EQ(testing_support::Contents(modules[i]), left[i]);
    }
}

// The developer saves a module in another editor after the IDE opened the group, before or while the IDE
// saves it: the module stays as they made it, and the box tells where the IDE's text was kept.
TEST_F(IdeSessionTest, AFileSavedDuringASaveIsKeptAndTold) {
    const std::filesystem::path folder = mFolder / "during", group = folder / "Group1.vbg";
    const std::filesystem::path module = folder / "Project1" / "Module1.bas";
    const struct {
        const char* picture;
        size_t savedAfter;  // the step of the IDE's commit after which it is saved; 0 before the IDE's save
    } cases[] = {{"ostrel-kept-saved-during-save", 1}, {"ostrel-kept-saved-before-save", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        std::filesystem::remove_all(folder);
        const auto other = std::make_shared<vbide::VBE>();
        other->VBProjects().Add(vbide::vbext_pt_StandardExe)->VBComponents().Add(vbide::vbext_ct_StdModule);
        vbide::SaveProjectGroup(*other, group);
        auto& document = Session().Document();
        ASSERT_TRUE(document.OpenGroup(group));
        const std::string ides = testing_support::Contents(module), mine = ides + "' mine\r\n";
        const auto saveMine = [&] { std::ofstream(module, std::ios::binary) << mine; };
        if (c.savedAfter == 0)
            saveMine();
        testing_support::RecordedSaveSteps saving(0, c.savedAfter, saveMine);
        vbide::ScopedSaveSteps inForce(saving);
        ExpectBox(
            c.picture, [&] { EXPECT_TRUE(document.Save()); },
            module.string() +
                " changed after it was read, so it is left as it is; what this save would have "
                "written is kept in " +
                module.string() + ".unsaved.",
            QMessageBox::Warning);
        EXPECT_EQ(testing_support::Contents(module), mine);
        EXPECT_EQ(testing_support::Contents(module.string() + ".unsaved"), ides);
    }
}

TEST_F(IdeSessionTest, OpeningAMissingGroupIsToldAndChangesNothing) {
    host::CommandLine line;
    line.groupFile = mFolder / "missing.vbg";
    Session().StartUp(line);
    EXPECT_FALSE(Session().Document().GroupFile());
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(mScript.Prompts()[0].buttons & 0x70, ui::vbCritical);
}

}  // namespace

namespace {

// The setup tool run by two users, the second with no configuration folder yet: each gets an add-in list of
// their own, and the IDE started with that folder connects the real add-in, whose button opens its window.
TEST_F(IdeSessionTest, TheSetupToolListsTheAddInForWhoeverRunsIt) {
    automation::RegisterLibrary(std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "bin" / "libVBOstrel.so",
                                mFolder / "classes");
    for (const char* configFolder : {"alice", "bob/.config"}) {
        mSession.reset();
        ::setenv("XDG_CONFIG_HOME", (mFolder / configFolder).c_str(), 1);
        ASSERT_EQ(std::system(("'" + std::string(OSTRREG_PATH) + "'").c_str()), 0);
        std::ifstream list(mFolder / configFolder / "vbaddin.ini", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(list), {}), "[Add-Ins32]\nVBOSTREL.Connect=1\n");
        mSession = std::make_unique<host::IdeSession>(host::AddInListFile());
        StartUp();
        EXPECT_TRUE(Session().AddIns().IsConnected("VBOSTREL.Connect")) << configFolder;
    }
    const auto bar = Session().VBE().CommandBars().Item("Add-Ins");
    ASSERT_EQ(bar->Controls().Count(), 1);
    EXPECT_EQ(bar->Controls().Item(1)->Caption(), "VB Ostrel...");
    bar->Controls().Item(1)->Execute();
    EXPECT_EQ(mScript.WindowEvents(), (Calls{"show frmBuilderMain"}));
    mSession.reset();  // closing disconnects the add-in, which closes its window
    EXPECT_EQ(mScript.WindowEvents().back(), "close frmBuilderMain");
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
