// `ostrel generate` with its default, the forms: the components of the user-interface project, the
// developer's lines kept through a second run, and the generated project read back and checked as VB5
// would compile it.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/GenerateCommand.h"
#include "platform/ide/FormDesigner.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "tests/support/ControlDescription.h"
#include "tests/support/VbTextChecker.h"

namespace {

using Lines = std::vector<std::string>;

class GenerateForms : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder = std::filesystem::temp_directory_path() /
                  ("ostrel-forms-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    int Run() {
        host::GenerateCommand command;
        command.request.repository =
            std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
        command.request.application = "OrderEntry";
        command.out = mFolder / "out";
        mOut.str("");
        mErr.str("");
        return host::RunGenerateCommand(command, mOut, mErr);
    }
    std::filesystem::path Group() const { return mFolder / "out" / "OrderEntry.vbg"; }

    static std::shared_ptr<vbide::VBProject> Project(const vbide::VBE& vbe, const std::string& name) {
        for (const auto& project : vbe.VBProjects()) {
            if (project->Name() == name)
                return project;
        }
        return nullptr;
    }

    std::filesystem::path mFolder;
    std::ostringstream mOut, mErr;
};

// The words of a line's code (names with their dots), its comment and string literals left out.
Lines Words(const std::string& line) {
    Lines words;
    std::string word;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && c == '\'')
            break;
        if (!quoted && (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.')) {
            word += c;
            continue;
        }
        if (!word.empty())
            words.push_back(word);
        word.clear();
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// The types a module declares variables of or creates ("As X", "As New X", "New X").
std::set<std::string> TypesUsed(const Lines& code) {
    std::set<std::string> types;
    for (const std::string& line : code) {
        const Lines words = Words(line);
        for (std::size_t i = 1; i < words.size(); ++i) {
            if ((words[i - 1] == "As" || words[i - 1] == "New") && words[i] != "New")
                types.insert(words[i]);
        }
    }
    return types;
}

// The Enum and Type blocks a module declares.
std::set<std::string> TypesDeclared(const Lines& code) {
    std::set<std::string> types;
    for (const std::string& line : code) {
        const Lines words = Words(line);
        for (std::size_t i = 0; i + 1 < words.size() && i < 2; ++i) {
            if (words[i] == "Enum" || words[i] == "Type")
                types.insert(words[i + 1]);
        }
    }
    return types;
}

bool IsLibraryType(const std::string& type) {
    static const std::set<std::string> kVb = {"String", "Long",      "Integer",  "Boolean",     "Date",
                                              "Double", "Single",    "Currency", "Variant",     "Object",
                                              "Byte",   "Form",      "Control",  "Collection",  "ListItem",
                                              "Error",  "ErrObject", "Button",   "ColumnHeader"};
    return kVb.contains(type) || type.starts_with("ADODB.") || type.starts_with("ADOR.") ||
           type.starts_with("ComctlLib.");
}

TEST_F(GenerateForms, TheSampleWithFormsListsEveryFormAndKeepsTheDevelopersLines) {
    ASSERT_EQ(Run(), 0) << mErr.str();
    EXPECT_EQ(mErr.str(), "");
    Lines expected = {"frmOrderEntry_Startup", "frmOrderEntry_Logon", "Common", "ErrorDisplay"};
    for (const char* businessObject : {"Customer", "Product", "Order", "OrderLine"}) {
        for (const char* kind : {"List", "Search", "LookUp", "Detail"})
            expected.push_back(std::string("frm") + businessObject + kind);
    }
    {
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, Group());
        const auto ui = Project(*vbe, "OrderEntryUI");
        ASSERT_TRUE(ui);
        for (const std::string& name : expected) {
            EXPECT_TRUE(ui->VBComponents().Item(name)) << name;
            EXPECT_NE(mOut.str().find(" " + name + " "), std::string::npos) << name;
        }
        Lines written;
        for (const auto& component : ui->VBComponents())
            written.push_back(component->Name());
        EXPECT_EQ(written.size(), expected.size()) << ::testing::PrintToString(written);
    }

    // A developer's line below an edit point of a detail form, the startup form and a list form.
    const struct {
        const char* component;
        const char* editPoint;
        const char* line;
    } mine[] = {
        {"frmCustomerDetail", " Property  2_LostFocus", "    txtName.Text = UCase(txtName.Text)"},
        {"frmOrderEntry_Startup", "ReturnControl", "    Me.Show"},
        {"frmCustomerList", " File\\New Click", "    mintDetailFormModality = 1"},
    };
    {
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, Group());
        const auto ui = Project(*vbe, "OrderEntryUI");
        for (const auto& m : mine) {
            Lines code = ui->VBComponents().Item(m.component)->CodeModule()->AllLines();
            const auto at =
                std::find(code.begin(), code.end(), std::string("'<<<Start Edit Point: ") + m.editPoint);
            ASSERT_NE(at, code.end()) << m.editPoint;
            code.insert(at + 1, m.line);
            ui->VBComponents().Item(m.component)->CodeModule()->SetAllLines(code);
        }
        vbide::SaveProjectGroup(*vbe, Group());
    }
    ASSERT_EQ(Run(), 0) << mErr.str();
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, Group());
    const auto ui = Project(*vbe, "OrderEntryUI");
    for (const auto& m : mine) {
        const Lines& code = ui->VBComponents().Item(m.component)->CodeModule()->AllLines();
        EXPECT_EQ(std::count(code.begin(), code.end(), m.line), 1) << m.component;
        const auto at =
            std::find(code.begin(), code.end(), std::string("'<<<Start Edit Point: ") + m.editPoint);
        ASSERT_NE(at, code.end());
        EXPECT_EQ(*(at + 1), m.line) << m.component;
    }
}

TEST_F(GenerateForms, TheUserInterfaceProjectCompilesAsFarAsTheCheckerSees) {
    ASSERT_EQ(Run(), 0) << mErr.str();
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, Group());
    std::set<std::string> known;
    for (const auto& project : vbe->VBProjects()) {
        for (const auto& component : project->VBComponents()) {
            known.insert(component->Name());
            for (const std::string& type : TypesDeclared(component->CodeModule()->AllLines()))
                known.insert(type);
        }
    }
    const auto ui = Project(*vbe, "OrderEntryUI");
    ASSERT_TRUE(ui);
    // Saved again and read once more, every form keeps its controls and code.
    vbide::SaveProjectGroup(*vbe, mFolder / "again" / "OrderEntry.vbg");
    auto again = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*again, mFolder / "again" / "OrderEntry.vbg");
    for (const auto& component : ui->VBComponents()) {
        SCOPED_TRACE(component->Name());
        const Lines& code = component->CodeModule()->AllLines();
        const auto copy = Project(*again, "OrderEntryUI")->VBComponents().Item(component->Name());
        EXPECT_EQ(copy->CodeModule()->AllLines(), code);
        for (const std::string& type : TypesUsed(code)) {
            if (!IsLibraryType(type)) {
                EXPECT_TRUE(known.contains(type)) << type;
            }
        }
        if (!component->Designer()) {
            EXPECT_EQ(testing_support::CheckVbModule(code), Lines{});
            continue;
        }
        std::set<std::string> names;
        Lines controls, controlsAgain;
        for (const auto& control : component->Designer()->VBControls()) {
            names.insert(control->Name());
            controls.push_back(testing_support::DescribeControl(*control));
        }
        for (const auto& control : copy->Designer()->VBControls())
            controlsAgain.push_back(testing_support::DescribeControl(*control));
        std::sort(controls.begin(), controls.end());
        std::sort(controlsAgain.begin(), controlsAgain.end());
        EXPECT_EQ(controlsAgain, controls);
        EXPECT_EQ(testing_support::CheckVbForm(code, names), Lines{});
    }
}

TEST_F(GenerateForms, NoFormsGivesTheThreeTierTableAlone) {
    host::GenerateCommand command;
    command.request.repository =
        std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
    command.request.application = "OrderEntry";
    command.request.forms = false;
    command.out = mFolder / "out";
    ASSERT_EQ(host::RunGenerateCommand(command, mOut, mErr), 0) << mErr.str();
    EXPECT_EQ(mOut.str().find("frmCustomerDetail"), std::string::npos);
    EXPECT_NE(mOut.str().find("CustomerUDT"), std::string::npos);
}

}  // namespace
