// The form templates as the build places them beside the add-in library, read back by the IDE.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/FormDesigner.h"

namespace forms_test {
namespace {

using Names = std::set<std::string>;

std::filesystem::path TemplateFile(const std::string& name) {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return std::filesystem::path(binary ? binary : ".") / "bin" / name;
}

// The keys of a toolbar's buttons, from its "Buttons" property group.
std::vector<std::string> ButtonKeys(const vbide::VBControl& toolbar) {
    std::vector<std::string> keys;
    for (const auto& placed : toolbar.Bag().Groups()) {
        for (const auto& button : placed.group.children) {
            for (const auto& property : button.children) {
                if (property.name == "Key")
                    keys.push_back(property.text);
            }
        }
    }
    return keys;
}

TEST(FormTemplates, ReadBackWithTheControlsTheirCodeNames) {
    const std::map<std::string, Names> controls = {
        {"frmStd_StartUp.frm", {}},
        {"frmStd_Logon.frm", {"lblUser", "lblPassword", "txtUser", "txtPassword", "cmdOK"}},
        {"frmStd_List.frm",
         {"Toolbar", "mnuFile", "mnuFileNew", "mnuFileOpen", "mnuFileExit", "mnuEdit", "mnuEditCopy",
          "mnuEditDelete", "mnuEditFind", "mnuView", "mnuViewChild"}},
        {"frmStd_Search.frm", {}},
        {"frmStd_Lookup.frm", {"mnuFile", "mnuFileExit"}},
        {"frmSTD_Detail.frm", {}},
    };
    for (const auto& [file, expected] : controls) {
        SCOPED_TRACE(file);
        std::ifstream raw(TemplateFile(file), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("\r\n"), std::string::npos);
        EXPECT_EQ(text.find("\r\n"), text.find('\n') - 1);
        const auto form =
            vbide::ReadComponentFile(TemplateFile(file), std::make_shared<vbide::ChangeCounter>());
        ASSERT_NE(form->Designer(), nullptr);
        Names names;
        for (const auto& control : form->Designer()->VBControls())
            names.insert(control->Name());
        EXPECT_EQ(names, expected);
        EXPECT_EQ(form->CodeModule()->CountOfLines(), 0);
    }
}

TEST(FormTemplates, LogonAndListFormsHaveWhatTheirCodeRelies) {
    const auto logon =
        vbide::ReadComponentFile(TemplateFile("frmStd_Logon.frm"), std::make_shared<vbide::ChangeCounter>());
    const vbide::VBControls& logonControls = logon->Designer()->VBControls();
    EXPECT_EQ(logonControls.Item("txtPassword")->Bag().Value("PasswordChar").ToString(), "*");
    EXPECT_TRUE(logonControls.Item("cmdOK")->Bag().Value("Default").ToBoolean());

    const auto list =
        vbide::ReadComponentFile(TemplateFile("frmStd_List.frm"), std::make_shared<vbide::ChangeCounter>());
    const vbide::VBControls& listControls = list->Designer()->VBControls();
    EXPECT_EQ(listControls.Item("Toolbar")->ClassName(), "ComctlLib.Toolbar");
    EXPECT_EQ(
        ButtonKeys(*listControls.Item("Toolbar")),
        (std::vector<std::string>{"\"New\"", "\"Open\"", "\"Copy\"", "\"Delete\"", "\"Find\"", "\"Exit\""}));
    int children = 0;
    for (const auto& control : listControls) {
        if (control->Name() == "mnuViewChild") {
            EXPECT_EQ(control->Index(), std::optional<int16_t>(static_cast<int16_t>(children)));
            ++children;
        }
    }
    EXPECT_EQ(children, 3);
    ASSERT_EQ(list->Designer()->ObjectLibraries().size(), 1u);
    EXPECT_EQ(list->Designer()->ObjectLibraries()[0].fileName, "COMCTL32.OCX");
}

}  // namespace
}  // namespace forms_test
