#include "platform/ide/ProjectFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <utility>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/FileBatch.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/KnownLibraries.h"
#include "tests/platform/ide/FormFiles.h"
#include "tests/platform/ide/TestSupport.h"
#include "tests/support/RecordedSaveSteps.h"

namespace vbide {
namespace {

namespace fs = std::filesystem;

// Every file under `folder`, by its path relative to it.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).string()] = ReadBytes(entry.path());
    }
    return files;
}

class ProjectFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The process id keeps apart the runs of several checkouts on one machine.
        mFolder =
            fs::temp_directory_path() /
            ("ide_files_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
             "-" + std::to_string(::getpid()));
        fs::remove_all(mFolder);
        WriteBytes(mFolder / "templates" / "frmStd_List.frm", kTemplate);
    }
    void TearDown() override { fs::remove_all(mFolder); }

    // A group of an executable with a form (the template, a nested frame, a control array and a list
    // view added) and a library with a class and a module.
    std::shared_ptr<VBE> BuildGroup() {
        auto vbe = std::make_shared<VBE>();
        auto ui = vbe->VBProjects().Add(0);
        ui->SetName("AppUI");
        ui->VBComponents().Remove(ui->VBComponents().Item("Form1"));
        auto form = ui->VBComponents().Import(mFolder / "templates" / "frmStd_List.frm");
        form->SetName("frmCustomerList");
        form->Properties("StartUpPosition")->SetValue(int32_t{1});
        auto& controls = form->Designer()->VBControls();
        auto frame = controls.Add("Frame");
        frame->SetName("FrameContext");
        frame->SetContainer(controls.Item("fraOuter"));
        for (int16_t index = 0; index < 2; ++index) {
            auto text = controls.Add("TextBox");
            text->Properties("Index")->SetValue(index);
            text->SetName("txtValue");
            text->SetContainer(frame);
            text->Properties("Top")->SetValue(int32_t{300 + 400 * index});
        }
        auto listView = controls.Add("ComctlLib.ListView");
        listView->SetName("lvwItems");
        listView->Properties("View")->SetValue(int32_t{3});
        auto ok = controls.Add("CommandButton");
        ok->SetName("cmdOK");
        ok->Properties("Default")->SetValue("True");
        form->CodeModule()->InsertLines(1, "' generated");

        auto logic = vbe->VBProjects().Add(2);
        logic->SetName("AppLogic");
        logic->VBComponents().Item("Class1")->SetName("Customer");
        logic->VBComponents().Item("Customer")->CodeModule()->InsertLines(1, "Public Name As String\r\nCafé");
        auto module = logic->VBComponents().Add(vbext_ct_StdModule);
        module->SetName("CommonLogical");
        module->CodeModule()->InsertLines(1, "Public Const Edit_Restriction = 1");
        vbe->VBProjects().SetStartProject(ui);
        return vbe;
    }

    fs::path mFolder;
};

TEST_F(ProjectFilesTest, SavedGroupReadsBackAndSavesByteForByte) {
    auto vbe = BuildGroup();
    SaveProjectGroup(*vbe, mFolder / "first" / "App.vbg");
    EXPECT_EQ(vbe->VBProjects().Item(1)->VBComponents().Item(1)->FileNames(1),
              (mFolder / "first" / "AppUI" / "frmCustomerList.frm").string());

    auto reopened = std::make_shared<VBE>();
    OpenProjectGroup(*reopened, mFolder / "first" / "App.vbg");
    ASSERT_EQ(reopened->VBProjects().Count(), 2);
    EXPECT_EQ(reopened->VBProjects().StartProject()->Name(), "AppUI");
    EXPECT_EQ(reopened->VBProjects().Item(2)->Type(), vbext_pt_ActiveXDll);
    auto form = reopened->VBProjects().Item(1)->VBComponents().Item("frmCustomerList");
    auto& controls = form->Designer()->VBControls();
    EXPECT_EQ(controls.Item("txtValue")->Container()->Name(), "FrameContext");
    EXPECT_EQ(controls.Item("FrameContext")->Container()->Name(), "fraOuter");
    EXPECT_EQ(controls.Item("cmdOK")->Properties("Default")->Value(), vb::Variant(true));
    EXPECT_EQ(form->Properties("StartUpPosition")->Value(), vb::Variant(int16_t{1}));
    EXPECT_EQ(reopened->VBProjects().Item(2)->VBComponents().Item("Customer")->CodeModule()->Lines(2, 1),
              "Café");

    SaveProjectGroup(*reopened, mFolder / "second" / "App.vbg");
    const auto first = FilesUnder(mFolder / "first");
    EXPECT_EQ(first, FilesUnder(mFolder / "second"));
    EXPECT_EQ(first.size(), 6U);
    const std::string& classFile = first.at("AppLogic/Customer.cls");
    EXPECT_NE(classFile.find("Public Name As String\r\nCaf\xE9\r\n"), std::string::npos);
    EXPECT_NE(first.at("AppUI/AppUI.vbp")
                  .find("Object={6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0; COMCTL32.OCX\r\n"),
              std::string::npos);
    EXPECT_NE(
        first.at("App.vbg").find("StartupProject=AppUI\\AppUI.vbp\r\nProject=AppLogic\\AppLogic.vbp\r\n"),
        std::string::npos);
}

TEST_F(ProjectFilesTest, ReferencesAreWrittenAsTheIDEWritesThemAndKnownAgainWhenReadBack) {
    auto vbe = BuildGroup();
    const KnownLibrary& ado = *KnownLibraryNamed("ADODB");
    vbe->VBProjects().Item(1)->References().AddFromProject("AppLogic");
    vbe->VBProjects().Item(2)->References().AddFromGuid(ado.guid, ado.major, ado.minor);
    SaveProjectGroup(*vbe, mFolder / "App.vbg");
    const auto files = FilesUnder(mFolder);
    EXPECT_NE(files.at("AppUI/AppUI.vbp")
                  .find("Type=Exe\r\nReference=*\\G{00020430-0000-0000-C000-000000000046}"
                        "#2.0#0#C:\\WINDOWS\\SYSTEM\\STDOLE2.TLB#OLE Automation\r\n"
                        "Reference=*\\A..\\AppLogic\\AppLogic.vbp\r\nObject="),
              std::string::npos);
    EXPECT_NE(
        files.at("AppLogic/AppLogic.vbp")
            .find("Reference=*\\G{00000200-0000-0010-8000-00AA006D2EA4}#2.0#0#C:\\Program Files\\Common "
                  "Files\\System\\ado\\msado20.tlb#Microsoft ActiveX Data Objects 2.0 Library\r\n"),
        std::string::npos);

    auto reopened = std::make_shared<VBE>();
    OpenProjectGroup(*reopened, mFolder / "App.vbg");
    auto& ui = reopened->VBProjects().Item(1)->References();
    auto& logic = reopened->VBProjects().Item(2)->References();
    const struct {
        const char* what;
        bool contained;
    } cases[] = {
        {"ui: the library project", ui.ContainsProject("applogic")},
        {"ui: OLE Automation", ui.ContainsLibrary("{00020430-0000-0000-c000-000000000046}")},
        {"ui: no ADO", !ui.ContainsLibrary(ado.guid)},
        {"logic: ADO", logic.ContainsLibrary(ado.guid)},
        {"logic: not itself", !logic.ContainsProject("AppLogic")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.contained) << c.what;
    EXPECT_EQ(logic.Count(), 2);
    EXPECT_EQ(ErrorOf([&] { logic.AddFromGuid(ado.guid, 2, 0); }).Number(), kReferenceConflict);
    EXPECT_EQ(ErrorOf([&] { ui.AddFromProject("AppLogic"); }).Number(), kReferenceConflict);
    EXPECT_EQ(ErrorOf([&] { ui.AddFromGuid("{00000000-0000-0000-0000-000000000000}", 1, 0); }).Number(),
              vb::kInvalidProcedureCall);
    EXPECT_EQ(logic.Count(), 2);
}

TEST_F(ProjectFilesTest, HandWrittenFormReadsEveryConstruct) {
    auto vbe = std::make_shared<VBE>();
    auto project = vbe->VBProjects().Add(0);
    auto form = project->VBComponents().Import(mFolder / "templates" / "frmStd_List.frm");
    EXPECT_EQ(form->Name(), "frmStd_List");
    EXPECT_EQ(form->FileNames(1), "");
    EXPECT_EQ(form->Properties("StartUpPosition")->Value(), vb::Variant(int16_t{3}));
    EXPECT_EQ(form->Properties("Caption")->Value(), vb::Variant("List"));
    const auto designer = form->Designer();
    EXPECT_EQ(designer->ObjectLibraries().size(), 1U);
    ASSERT_EQ(designer->FormProperties().Groups().size(), 1U);
    EXPECT_EQ(designer->FormProperties().Groups()[0].group.name, "Font");

    auto& controls = designer->VBControls();
    ASSERT_EQ(controls.Count(), 9);
    const auto toolbar = controls.Item("tlbToolBar");
    ASSERT_EQ(toolbar->Bag().Groups().size(), 1U);
    const PropertyNode& buttons = toolbar->Bag().Groups()[0].group;
    ASSERT_EQ(buttons.children.size(), 3U);
    EXPECT_EQ(buttons.children[2].children[0].text, "\"Delete\"");
    EXPECT_EQ(controls.Item("fraOuter")->Properties("Caption")->Value(), vb::Variant("Say \"when\""));
    EXPECT_EQ(controls.Item("fraInner")->Container(), controls.Item("fraOuter"));
    EXPECT_EQ(controls.Item(5)->Name(), "optKind");
    EXPECT_EQ(controls.Item(5)->Index(), 1);
    EXPECT_EQ(controls.Item(5)->Container(), controls.Item("fraInner"));
    EXPECT_EQ(controls.Item("optKind")->Properties("Value")->Value(), vb::Variant(true));
    EXPECT_EQ(controls.Item("imgLogo")->Properties("Picture")->Value(),
              vb::Variant("\"frmStd_List.frx\":0000"));
    EXPECT_TRUE(controls.Item("mnuFile")->IsMenu());
    EXPECT_EQ(controls.Item(9)->Container(), controls.Item("mnuFile"));
    EXPECT_EQ(controls.Item(9)->Properties("Caption")->Value(), vb::Variant("E&xit"));
    EXPECT_EQ(form->Attributes().size(), 2U);
    EXPECT_EQ(form->CodeModule()->CountOfLines(), 4);
    EXPECT_EQ(form->CodeModule()->Lines(1, 1), "Option Explicit");
    EXPECT_EQ(vbe->Windows().Item(vbe->Windows().Count())->Caption(), "Project1 - frmStd_List (Form)");
    EXPECT_EQ(
        ErrorOf([&] { project->VBComponents().Import(mFolder / "templates" / "frmStd_List.frm"); }).Number(),
        vb::kDuplicateKey);
}

// The saved form checked against the text the IDE writes, not only against a second save: a property
// group that stands last in its bag (the form's Font, the toolbar's Buttons) and a caption set in code
// that holds quotes.
TEST_F(ProjectFilesTest, SavedFormIsTheTextTheIDEWrites) {
    WriteBytes(mFolder / "templates" / "frmOrders.frm", R"(VERSION 5.00
Object = "{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0"; "COMCTL32.OCX"
Begin VB.Form frmOrders 
   Caption         =   "Orders"
   ClientHeight    =   3000
   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
      Name            =   "MS Sans Serif"
      Size            =   8.25
   EndProperty
   Begin ComctlLib.Toolbar tlbToolBar 
      Height          =   420
      BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7} 
         NumButtons      =   1
         BeginProperty Button1 {0713F354-850A-101B-AFC0-4210102A8DA7} 
            Key             =   "New"
         EndProperty
      EndProperty
   End
   Begin VB.Label lblName 
      Caption         =   "Name"
   End
End
Attribute VB_Name = "frmOrders"
Option Explicit
)");
    auto vbe = std::make_shared<VBE>();
    auto project = vbe->VBProjects().Add(0);
    auto form = project->VBComponents().Import(mFolder / "templates" / "frmOrders.frm");
    const std::string caption = "Customer's \"Name\" (\"\")";
    form->Designer()->VBControls().Item("lblName")->Properties("Caption")->SetValue(caption);
    const fs::path file = mFolder / "saved" / "frmOrders.frm";
    fs::create_directories(file.parent_path());
    form->SaveAs(file);

    EXPECT_EQ(ReadBytes(file),
              "VERSION 5.00\r\n"
              "Object = \"{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0\"; \"COMCTL32.OCX\"\r\n"
              "Begin VB.Form frmOrders \r\n"
              "   Caption         =   \"Orders\"\r\n"
              "   ClientHeight    =   3000\r\n"
              "   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\r\n"
              "      Name            =   \"MS Sans Serif\"\r\n"
              "      Size            =   8.25\r\n"
              "   EndProperty\r\n"
              "   Begin ComctlLib.Toolbar tlbToolBar \r\n"
              "      Height          =   420\r\n"
              "      BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7}\r\n"
              "         NumButtons      =   1\r\n"
              "         BeginProperty Button1 {0713F354-850A-101B-AFC0-4210102A8DA7}\r\n"
              "            Key             =   \"New\"\r\n"
              "         EndProperty\r\n"
              "      EndProperty\r\n"
              "   End\r\n"
              "   Begin VB.Label lblName \r\n"
              "      Caption         =   \"Customer's \"\"Name\"\" (\"\"\"\")\"\r\n"
              "   End\r\n"
              "End\r\n"
              "Attribute VB_Name = \"frmOrders\"\r\n"
              "Option Explicit\r\n");

    auto second = std::make_shared<VBE>();
    auto reopened = second->VBProjects().Add(0)->VBComponents().Import(file);
    const auto& controls = reopened->Designer()->VBControls();
    EXPECT_EQ(controls.Item("lblName")->Properties("Caption")->Value(), vb::Variant(caption));
    ASSERT_EQ(reopened->Designer()->FormProperties().Groups().size(), 1U);
    EXPECT_EQ(reopened->Designer()->FormProperties().Groups()[0].group.name, "Font");
    ASSERT_EQ(controls.Item("tlbToolBar")->Bag().Groups().size(), 1U);
    EXPECT_EQ(controls.Item("tlbToolBar")->Bag().Groups()[0].group.name, "Buttons");
}

TEST_F(ProjectFilesTest, MalformedFilesNameFileAndLineAndLoadNothing) {
    auto vbe = BuildGroup();
    SaveProjectGroup(*vbe, mFolder / "good" / "App.vbg");
    const fs::path form = mFolder / "good" / "AppUI" / "frmCustomerList.frm";
    const std::string original = ReadBytes(form);
    const struct {
        const char* what;
        fs::path file;
        std::string text;
        int line;
        const char* says = "";
    } cases[] = {
        {"truncated form", form, original.substr(0, original.find("   Begin VB.Frame fraInner")), 0},
        {"property without =", form, "VERSION 5.00\nBegin VB.Form f\n   Caption \"x\"\nEnd\n", 3},
        {"bad number", form, "VERSION 5.00\nBegin VB.Form f\n   Height = tall\nEnd\n", 3},
        {"duplicate control", form,
         "VERSION 5.00\nBegin VB.Form f\n Begin VB.Label a\n End\n Begin VB.Label a\n End\nEnd\nAttribute "
         "VB_Name = \"f\"\n",
         5},
        {"controls differing in case only", form,
         "VERSION 5.00\nBegin VB.Form f\n Begin VB.Label lblName\n End\n Begin VB.TextBox LBLNAME\n "
         "End\nEnd\n"
         "Attribute VB_Name = \"f\"\n",
         5},
        {"components differing in case only", mFolder / "good" / "AppLogic" / "AppLogic.vbp",
         "Type=OleDll\nClass=Customer; Customer.cls\nModule=CUSTOMER; Other.bas\nName=\"AppLogic\"\n", 3},
        {"no VB_Name", form, "VERSION 5.00\nBegin VB.Form f\nEnd\nOption Explicit\n", 4},
        {"open property group", form, "VERSION 5.00\nBegin VB.Form f\n BeginProperty Font\n Size = 8\n", 4},
        {"class without END", mFolder / "good" / "AppLogic" / "Customer.cls",
         "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1\n", 3},
        {"not a component", mFolder / "good" / "AppLogic" / "CommonLogical.bas", "Public X\n", 1},
        {"project type", mFolder / "good" / "AppLogic" / "AppLogic.vbp", "Type=Word\n", 1},
        {"project file cut in a file name", mFolder / "good" / "AppLogic" / "AppLogic.vbp",
         "Type=OleDll\r\nClass=Customer; Custo", 2, "line 2: the line is incomplete"},
        {"project file cut in its name", mFolder / "good" / "AppLogic" / "AppLogic.vbp",
         "Type=OleDll\r\nClass=Customer; Customer.cls\r\nName=\"AppLo", 3, "line 3: the line is incomplete"},
        {"group header", mFolder / "good" / "App.vbg", "GROUP\n", 1},
    };
    WriteBytes(mFolder / "good" / "AppLogic" / "Other.bas", "Attribute VB_Name = \"CUSTOMER\"\n");
    for (const auto& c : cases) {
        const std::string kept = ReadBytes(c.file);
        WriteBytes(c.file, c.text);
        auto target = std::make_shared<VBE>();
        target->VBProjects().Add(0);
        const vb::Error error = ErrorOf([&] { OpenProjectGroup(*target, mFolder / "good" / "App.vbg"); });
        EXPECT_EQ(error.Number(), kInvalidFileFormat) << c.what;
        EXPECT_NE(error.Description().find(c.file.string()), std::string::npos)
            << c.what << error.Description();
        EXPECT_NE(error.Description().find(c.says), std::string::npos)
            << c.what << ": " << error.Description();
        if (c.line > 0) {
            EXPECT_NE(error.Description().find("line " + std::to_string(c.line) + ":"), std::string::npos)
                << c.what << ": " << error.Description();
        }
        EXPECT_EQ(target->VBProjects().Count(), 1) << c.what;
        EXPECT_EQ(target->VBProjects().Item(1)->Name(), "Project1") << c.what;
        WriteBytes(c.file, kept);
    }
    fs::remove(form);
    const vb::Error missing =
        ErrorOf([&] { OpenProjectGroup(*std::make_shared<VBE>(), mFolder / "good" / "App.vbg"); });
    EXPECT_EQ(missing.Number(), vb::kFileNotFound);
    EXPECT_NE(missing.Description().find("AppUI.vbp, line"), std::string::npos) << missing.Description();
}

TEST_F(ProjectFilesTest, SaveAsWritesThroughATemporaryFile) {
    auto vbe = BuildGroup();
    auto module = vbe->VBProjects().Item(2)->VBComponents().Item("CommonLogical");
    const fs::path file = mFolder / "scratch" / "CommonLogical_tmp.txt";
    // A folder that is not there, or a file where a folder of the path goes: the path is not found.
    WriteBytes(mFolder / "out", "a file");
    using Save = std::function<void(const fs::path&)>;
    const Save saveAs = [&](const fs::path& to) { module->SaveAs(to); };
    const Save saveGroup = [&](const fs::path& to) { SaveProjectGroup(*vbe, to); };
    const std::pair<fs::path, Save> saves[] = {{file, saveAs},
                                               {mFolder / "out" / "a" / "CommonLogical_tmp.txt", saveAs},
                                               {mFolder / "out" / "a" / "App.vbg", saveGroup}};
    for (const auto& [unreachable, save] : saves) {
        const vb::Error error = ErrorOf([&] { save(unreachable); });
        EXPECT_EQ(error.Number(), vb::kPathNotFound) << unreachable;
        EXPECT_NE(error.Description().find(unreachable.parent_path().string()), std::string::npos)
            << error.Description();
    }
    EXPECT_EQ(module->FileNames(1), "");
    fs::create_directories(file.parent_path());
    module->SaveAs(file);
    EXPECT_EQ(module->FileNames(1), file.string());
    EXPECT_EQ(ReadBytes(file),
              "Attribute VB_Name = \"CommonLogical\"\r\nPublic Const Edit_Restriction = 1\r\n");
    EXPECT_EQ(FilesUnder(file.parent_path()).size(), 1U);
}

// What a killed save or a backup tool left where the temporary file goes: a file or a link is removed and
// never written through; anything else is refused, naming it.
TEST_F(ProjectFilesTest, ASaveMakesItsTemporaryFileNewWhateverStandsThere) {
    auto module = BuildGroup()->VBProjects().Item(2)->VBComponents().Item("CommonLogical");
    const fs::path file = mFolder / "scratch" / "CommonLogical_tmp.txt", outside = mFolder / "outside.txt";
    const fs::path temporary = file.string() + ".~tmp";
    int pipeReader = -1;  // a save that opened the pipe would not wait for a reader, but fail at once
    const struct {
        const char* name;
        std::function<void()> leave;
        bool refused;
    } cases[] = {
        {"a file", [&] { WriteBytes(temporary, "left"); }, false},
        {"a link to a file outside", [&] { fs::create_symlink(outside, temporary); }, false},
        {"a link to nowhere", [&] { fs::create_symlink(mFolder / "nowhere", temporary); }, false},
        {"a folder", [&] { fs::create_directories(temporary); }, true},
        {"a pipe",
         [&] {
             ASSERT_EQ(::mkfifo(temporary.c_str(), 0600), 0);
             pipeReader = ::open(temporary.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        WriteBytes(file, "old");
        WriteBytes(outside, "outside");
        c.leave();
        if (c.refused) {
            const vb::Error error = ErrorOf([&] { module->SaveAs(file); });
            EXPECT_EQ(error.Number(), vb::kPathFileAccess);
            EXPECT_EQ(error.Description(),
                      temporary.string() +
                          " stands where a temporary file of the save goes, and it is not a "
                          "file. Nothing has been saved; move it away, then save again.");
        } else {
            module->SaveAs(file);
        }
        EXPECT_EQ(ReadBytes(file), c.refused ? "old"
                                             : "Attribute VB_Name = \"CommonLogical\"\r\nPublic Const "
                                               "Edit_Restriction = 1\r\n");
        EXPECT_FALSE(fs::is_symlink(file));
        EXPECT_EQ(fs::exists(fs::symlink_status(temporary)), c.refused);
        EXPECT_EQ(ReadBytes(outside), "outside");
        if (pipeReader >= 0)
            ::close(std::exchange(pipeReader, -1));
    }
}

TEST_F(ProjectFilesTest, ASaveNeverWritesOverAFileTheGroupDoesNotList) {
    SaveProjectGroup(*BuildGroup(), mFolder / "first" / "App.vbg");
    const struct {
        const char* name;
        fs::path stranger;  // relative to the folder saved to
    } cases[] = {
        {"a group file", "App.vbg"},
        {"a project file", "AppLogic/AppLogic.vbp"},
        {"a class", "AppLogic/Customer.cls"},
        {"a folder where a form goes", "AppUI/frmCustomerList.frm"},
    };
    for (const auto& c : cases) {
        const fs::path folder = mFolder / "second";
        fs::remove_all(folder);
        if (c.stranger.extension() == ".frm")
            fs::create_directories(folder / c.stranger);
        else
            WriteBytes(folder / c.stranger, "someone's work\r\n");
        const auto before = FilesUnder(folder);

        // A group opened elsewhere does not list the stranger; neither does a new one.
        auto opened = std::make_shared<VBE>();
        OpenProjectGroup(*opened, mFolder / "first" / "App.vbg");
        for (const auto& vbe : {opened, BuildGroup()}) {
            const vb::Error refused = ErrorOf([&] { SaveProjectGroup(*vbe, folder / "App.vbg"); });
            EXPECT_EQ(refused.Number(), vb::kFileAlreadyExists) << c.name;
            EXPECT_NE(refused.Description().find((folder / c.stranger).string() +
                                                 " is not part of the project group"),
                      std::string::npos)
                << refused.Description();
            EXPECT_EQ(FilesUnder(folder), before) << c.name;
        }
    }

    // The files the group was opened from, and those it saved, are its own.
    auto vbe = std::make_shared<VBE>();
    OpenProjectGroup(*vbe, mFolder / "first" / "App.vbg");
    vbe->VBProjects().Item(2)->VBComponents().Item("Customer")->CodeModule()->InsertLines(1, "' changed");
    SaveProjectGroup(*vbe, mFolder / "first" / "App.vbg");
    SaveProjectGroup(*vbe, mFolder / "first" / "App.vbg");
    EXPECT_NE(ReadBytes(mFolder / "first" / "AppLogic" / "Customer.cls").find("' changed"),
              std::string::npos);
}

using testing_support::RecordedSaveSteps;

// The IDE's save after one of its own was stopped writes over what the recovery put in place; a file the
// developer changed after the stop is kept by the first save and written over by the next.
TEST_F(ProjectFilesTest, ASaveAfterAStoppedOneFollowsIt) {
    const fs::path group = mFolder / "stopped" / "App.vbg",
                   customer = mFolder / "stopped" / "AppLogic" / "Customer.cls";
    const struct {
        const char* name;
        bool changed;  // the developer changes Customer.cls after the stop
    } cases[] = {{"nothing changed since", false}, {"a class changed since", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(group.parent_path());
        auto vbe = BuildGroup();
        SaveProjectGroup(*vbe, group);
        testing_support::StopSave([&] { SaveProjectGroup(*vbe, group); });
        if (c.changed) {
            WriteBytes(customer, "mine");
            EXPECT_EQ(ErrorOf([&] { SaveProjectGroup(*vbe, group); }).Number(), vb::kPathFileAccess);
        }
        EXPECT_EQ(SaveProjectGroup(*vbe, group), std::vector<std::string>{});
        std::vector<std::string> unsaved;
        for (const auto& [file, text] : FilesUnder(group.parent_path())) {
            if (file.find(".unsaved") != std::string::npos)
                unsaved.push_back(file + ": " + text);
        }
        EXPECT_EQ(unsaved, c.changed ? std::vector<std::string>{"AppLogic/Customer.cls.unsaved: " +
                                                                ReadBytes(customer)}
                                     : std::vector<std::string>{});
    }
}

TEST_F(ProjectFilesTest, ACommitFlushesItsFilesBeforeTheListAndTheListBeforeTheRenames) {
    RecordedSaveSteps recorded;
    ScopedSaveSteps inForce(recorded);
    FileBatch batch(mFolder);
    fs::create_directories(mFolder / "sub");
    for (const fs::path& file : {mFolder / "a.txt", mFolder / "sub" / "b.txt"})
        batch.Add(file, vb::StampOf(file), [](TextWriter& out) { out.Line("new"); });
    batch.Commit();
    EXPECT_EQ(recorded.Steps(), (std::vector<std::string>{"flushed", "listed", "a.txt", "b.txt"}));
}

TEST_F(ProjectFilesTest, AnInterruptedSaveIsFinishedOrDroppedWholeAndNeverOverAChangedFile) {
    const fs::path folder = mFolder / "stopped";
    const fs::path files[] = {folder / "a.txt", folder / "sub" / "b.txt", folder / "c.txt"};
    const struct {
        const char* name;
        size_t stopAfter;     // the step of the commit after which it stops
        bool renamed;         // whether the save puts its files in place
        int listVersion = 4;  // of the list: 1 paths alone, renamed over unasked; 2 without change times,
                              // permissions and hashes; 3 without hashes
    } cases[] = {{"stopped before the list", 1, false}, {"stopped before the first rename", 2, true},
                 {"stopped between renames", 3, true},  {"stopped after the last rename", 5, true},
                 {"an older build's list", 2, true, 1}, {"a list of version 2", 2, true, 2},
                 {"a list of version 3", 2, true, 3}};
    const struct {
        const char* name;
        std::function<void(const fs::path&)> change;  // what the developer does to c.txt after the stop
        bool linked = false;  // c.txt is a link to a file outside when read, and stays as it was then
    } changes[] = {{"", nullptr},
                   {", c.txt edited", [](const fs::path& file) { WriteBytes(file, "mine"); }},
                   {", c.txt made read-only",
                    [](const fs::path& file) {
                        fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
                    }},
                   {", c.txt a link", nullptr, true}};
    for (const auto& c : cases) {
        for (const auto& change : changes) {
            if (c.listVersion < 4 && change.change)
                continue;
            SCOPED_TRACE(std::string(c.name) + change.name);
            fs::remove_all(mFolder);
            for (const auto& file : files)
                WriteBytes(file, "old");
            if (change.linked) {
                fs::rename(files[2], mFolder / "target.txt");
                fs::create_symlink(mFolder / "target.txt", files[2]);
            }
            {
                RecordedSaveSteps stopping(c.stopAfter);
                ScopedSaveSteps inForce(stopping);
                FileBatch batch(folder);
                for (const auto& file : files)
                    batch.Add(file, vb::OwnStampOf(file), [](TextWriter& out) { out.Line("new"); });
                EXPECT_THROW(batch.Commit(), RecordedSaveSteps::Stopped);
            }
            const fs::path list = folder / "~save.~lst";
            if (c.renamed) {  // a list line naming a file outside the folder is never followed
                WriteBytes(mFolder / "outside.~tmp", "outside");
                std::ofstream(list, std::ios::binary | std::ios::app) << "-\t../outside\r\n";
            }
            if (c.listVersion < 4) {
                std::istringstream lines(ReadBytes(list));
                std::string older = "ostrel save list " + std::to_string(c.listVersion) + "\r\n";
                const int recorded = std::array{0, 0, 3, 5}[c.listVersion];  // parts of what a file was
                std::string line;
                for (std::getline(lines, line); std::getline(lines, line);) {
                    std::istringstream parts(line.substr(0, line.find('\t')));
                    std::string part;
                    for (int n = 0; n < recorded && parts >> part; ++n)
                        older += (n == 0 ? "" : " ") + part;
                    older += (recorded == 0 ? "" : "\t") + line.substr(line.find('\t') + 1) + "\n";
                }
                WriteBytes(list, older);
            }
            if (change.change)
                change.change(files[2]);
            const std::string changed = ReadBytes(files[2]);
            // A link to a folder outside, which holds a file named like a temporary one, is never walked.
            WriteBytes(mFolder / "elsewhere" / "theirs.~tmp", "theirs");
            fs::create_directory_symlink(mFolder / "elsewhere", folder / "elsewhere");

            const std::vector<std::string> kept = RecoverInterruptedSave(folder);

            const std::string text = c.renamed ? "new\r\n" : "old";
            const bool cWaited = c.renamed && c.stopAfter < 5;
            std::map<std::string, std::string> expected = {
                {"a.txt", text}, {"sub/b.txt", text}, {"c.txt", cWaited && !change.change ? text : changed}};
            if (change.change && cWaited)
                expected["c.txt.unsaved"] = "new\r\n";
            EXPECT_EQ(FilesUnder(folder), expected);
            EXPECT_EQ(kept.size(), change.change && cWaited ? 1U : 0U);
            if (!kept.empty()) {
                EXPECT_EQ(kept[0],
                          files[2].string() +
                              " changed after a save that was stopped had begun, so it is left as it "
                              "is; what that save would have written is kept in " +
                              files[2].string() + ".unsaved.");
            }
            EXPECT_FALSE(fs::exists(mFolder / "outside"));
            EXPECT_EQ(ReadBytes(mFolder / "elsewhere" / "theirs.~tmp"), "theirs");
            EXPECT_EQ(ReadBytes(mFolder / "target.txt"), change.linked ? "old" : "");
        }
    }
}

// The list records a group file that is a link by the link's own stamp and its target's content: in a copy
// of the folder (the link's inode and change time new), the next run finishes the save, keeping nothing
// aside.
TEST_F(ProjectFilesTest, AStoppedSaveOfAGroupFileThatIsALinkIsFinishedInACopiedFolder) {
    const fs::path stopped = mFolder / "stopped", copied = mFolder / "copied", group = stopped / "App.vbg";
    WriteBytes(mFolder / "target.vbg", "old");
    fs::create_directories(stopped);
    fs::create_symlink(mFolder / "target.vbg", group);
    testing_support::StopSave([&] {
        FileBatch batch(stopped);
        batch.Add(group, vb::OwnStampOf(group), [](TextWriter& out) { out.Line("new"); });
        batch.Commit();
    });
    ASSERT_EQ(std::system(("cp -a '" + stopped.string() + "' '" + copied.string() + "'").c_str()), 0);
    EXPECT_EQ(RecoverInterruptedSave(copied), std::vector<std::string>{});
    EXPECT_EQ(FilesUnder(copied), (std::map<std::string, std::string>{{"App.vbg", "new\r\n"}}));
}

TEST_F(ProjectFilesTest, ABatchThatFailsBeforeCommittingLeavesEveryFileAsItWas) {
    const fs::path folder = mFolder / "batch";
    const fs::path files[] = {folder / "a.txt", folder / "sub" / "b.txt", folder / "c.txt"};
    for (const auto& file : files)
        WriteBytes(file, "old");
    const auto before = FilesUnder(folder);
    const struct {
        const char* name;
        size_t failing;  // the file whose writing fails
    } cases[] = {{"the first file", 0}, {"a file in a subfolder", 1}, {"the last file", 2}};
    for (const auto& c : cases) {
        const vb::Error failed = ErrorOf([&] {
            FileBatch batch(folder);
            for (size_t i = 0; i < std::size(files); ++i) {
                batch.Add(files[i], vb::StampOf(files[i]), [&](TextWriter& out) {
                    out.Line("new");
                    if (i == c.failing)
                        vb::Raise(vb::kPathFileAccess);
                });
            }
            batch.Commit();
        });
        EXPECT_EQ(failed.Number(), vb::kPathFileAccess) << c.name;
        EXPECT_EQ(FilesUnder(folder), before) << c.name;
    }

    {
        FileBatch batch(folder);
        for (const auto& file : files)
            batch.Add(file, vb::StampOf(file), [](TextWriter& out) { out.Line("new"); });
        batch.Commit();
    }
    auto expected = before;
    for (auto& [file, text] : expected)
        text = "new\r\n";
    EXPECT_EQ(FilesUnder(folder), expected);
}

TEST_F(ProjectFilesTest, ABatchWhoseRenameFailsIsFinishedByTheRecovery) {
    const fs::path folder = mFolder / "renames";
    const fs::path files[] = {folder / "a.txt", folder / "sub" / "b.txt", folder / "c.txt"};
    const struct {
        const char* name;
        size_t failing;  // the file whose rename fails: a folder stands where it goes, which even root
                         // cannot rename a file over
    } cases[] = {{"the first file", 0}, {"a file in a subfolder", 1}, {"the last file", 2}};
    for (const auto& c : cases) {
        fs::remove_all(folder);
        for (const auto& file : files)
            WriteBytes(file, "old");
        fs::remove(files[c.failing]);
        WriteBytes(files[c.failing] / "in the way", "");

        const vb::Error failed = ErrorOf([&] {
            FileBatch batch(folder);
            for (const auto& file : files)
                batch.Add(file, vb::StampOf(file), [](TextWriter& out) { out.Line("new"); });
            batch.Commit();
        });
        EXPECT_EQ(failed.Number(), vb::kPathFileAccess) << c.name;
        for (size_t i = c.failing; i < std::size(files); ++i) {
            fs::path temporary = files[i];
            temporary += ".~tmp";
            EXPECT_TRUE(fs::exists(temporary)) << c.name << ": " << temporary;
        }

        // What stood in the way is gone, so the file is not what the save found: its new text goes beside it.
        fs::remove_all(files[c.failing]);
        EXPECT_EQ(RecoverInterruptedSave(folder).size(), 1U) << c.name;
        std::map<std::string, std::string> expected = {
            {"a.txt", "new\r\n"}, {"sub/b.txt", "new\r\n"}, {"c.txt", "new\r\n"}};
        const std::string failing = fs::relative(files[c.failing], folder).string();
        expected.erase(failing);
        expected[failing + ".unsaved"] = "new\r\n";
        EXPECT_EQ(FilesUnder(folder), expected) << c.name;
    }
}

}  // namespace
}  // namespace vbide
