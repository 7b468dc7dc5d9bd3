#include <gtest/gtest.h>

#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBE.h"
#include "tests/platform/ide/TestSupport.h"

namespace vbide {
namespace {

std::vector<std::string> Captions(const VBE& vbe) {
    std::vector<std::string> captions;
    for (const auto& window : vbe.Windows())
        captions.push_back(window->Caption());
    return captions;
}

TEST(ObjectModelTest, NewProjectsHoldTheirDefaultComponent) {
    auto vbe = std::make_shared<VBE>();
    const struct {
        int32_t type;
        const char* component;
        vbext_ComponentType kind;
    } cases[] = {{0, "Form1", vbext_ct_VBForm},
                 {1, "Class1", vbext_ct_ClassModule},
                 {2, "Class1", vbext_ct_ClassModule}};
    for (const auto& c : cases) {
        auto project = vbe->VBProjects().Add(c.type);
        EXPECT_EQ(project->Type(), c.type);
        ASSERT_EQ(project->VBComponents().Count(), 1);
        EXPECT_EQ(project->VBComponents().Item(1)->Name(), c.component);
        EXPECT_EQ(project->VBComponents().Item(1)->Type(), c.kind);
        EXPECT_TRUE(project->FileName().empty());
    }
    EXPECT_EQ(vbe->VBProjects().Item(3)->Name(), "Project3");
    EXPECT_EQ(ErrorOf([&] { vbe->VBProjects().Add(3); }).Number(), vb::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { vbe->VBProjects().Item(2)->SetName("project1"); }).Number(), vb::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { vbe->VBProjects().Item(2)->SetName("My Project"); }).Number(),
              kInvalidPropertyValue);
}

TEST(ObjectModelTest, StartProjectMustBelongToTheGroup) {
    auto vbe = std::make_shared<VBE>();
    EXPECT_EQ(vbe->VBProjects().StartProject(), nullptr);
    auto first = vbe->VBProjects().Add(0);
    auto second = vbe->VBProjects().Add(2);
    EXPECT_EQ(vbe->VBProjects().StartProject(), first);
    vbe->VBProjects().SetStartProject(second);
    EXPECT_EQ(vbe->VBProjects().StartProject(), second);
    auto stranger = std::make_shared<VBE>()->VBProjects().Add(0);
    EXPECT_EQ(ErrorOf([&] { vbe->VBProjects().SetStartProject(stranger); }).Number(),
              vb::kInvalidProcedureCall);
    EXPECT_EQ(vbe->VBProjects().StartProject(), second);
}

TEST(ObjectModelTest, ComponentsAreNamedUniquelyAndByKind) {
    auto vbe = std::make_shared<VBE>();
    auto& components = vbe->VBProjects().Add(0)->VBComponents();
    EXPECT_EQ(components.Add(vbext_ct_StdModule)->Name(), "Module1");
    EXPECT_EQ(components.Add(vbext_ct_ClassModule)->Name(), "Class1");
    EXPECT_EQ(components.Add(vbext_ct_VBForm)->Name(), "Form2");
    EXPECT_EQ(ErrorOf([&] { components.Add(3); }).Number(), vb::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { components.Item("Module1")->SetName("FORM1"); }).Number(), vb::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { components.Item("Nothing"); }).Number(), vb::kSubscriptOutOfRange);
    components.Item("Module1")->SetName("Common");
    EXPECT_EQ(components.Item("common")->Type(), vbext_ct_StdModule);
    EXPECT_EQ(components.Item("Common")->FileNames(1), "");
    EXPECT_EQ(ErrorOf([&] { components.Item("Common")->FileNames(2); }).Number(), vb::kSubscriptOutOfRange);
    EXPECT_EQ(components.Item("Form1")->Designer() != nullptr, true);
    EXPECT_EQ(components.Item("Class1")->Designer(), nullptr);
}

TEST(ObjectModelTest, WindowsFollowTheirComponents) {
    auto vbe = std::make_shared<VBE>();
    auto project = vbe->VBProjects().Add(2);
    project->SetName("Logic");
    auto form = project->VBComponents().Add(vbext_ct_VBForm);
    form->SetName("frmMain");
    EXPECT_EQ(Captions(*vbe), (std::vector<std::string>{"Logic - Class1 (Code)", "Logic - frmMain (Code)",
                                                        "Logic - frmMain (Form)"}));
    vbe->Windows().Item(1)->Close();
    EXPECT_EQ(vbe->Windows().Count(), 2);
    project->VBComponents().Remove(form);
    EXPECT_EQ(vbe->Windows().Count(), 0);
    EXPECT_EQ(form->Project(), nullptr);
    EXPECT_EQ(ErrorOf([&] { project->VBComponents().Remove(form); }).Number(), vb::kInvalidProcedureCall);
}

TEST(ObjectModelTest, ComponentPropertiesKeepTheirTypes) {
    auto vbe = std::make_shared<VBE>();
    auto form = vbe->VBProjects().Add(0)->VBComponents().Item(1);
    form->Properties("StartUpPosition")->SetValue(int32_t{2});
    EXPECT_EQ(form->Properties("StartUpPosition")->Value(), vb::Variant(int16_t{2}));
    form->Properties("Name")->SetValue("frmStart");
    EXPECT_EQ(form->Name(), "frmStart");
    EXPECT_EQ(ErrorOf([&] { form->Properties("NoSuchThing"); }).Number(), vb::kNoSuchMember);
    EXPECT_EQ(ErrorOf([&] { form->Properties("StartUpPosition")->SetValue("centre"); }).Number(),
              kInvalidPropertyValue);
    auto module = vbe->VBProjects().Item(1)->VBComponents().Add(vbext_ct_StdModule);
    EXPECT_EQ(ErrorOf([&] { module->Properties("StartUpPosition"); }).Number(), vb::kNoSuchMember);
}

TEST(ObjectModelTest, AddInsButtonReportsClicksWhileItsEventsAreHeld) {
    auto vbe = std::make_shared<VBE>();
    auto button = vbe->CommandBars().Item("Add-Ins")->Controls().Add(msoControlButton);
    button->SetCaption("VB Ostrel...");
    int clicks = 0;
    auto events = vbe->Events().CommandBarEvents(button);
    events->OnClick([&](const std::shared_ptr<CommandBarControl>& control, bool&, bool&) {
        EXPECT_EQ(control, button);
        ++clicks;
    });
    button->Execute();
    events.reset();
    button->Execute();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ErrorOf([&] { vbe->Events().CommandBarEvents(nullptr); }).Number(), vb::kObjectNotSet);
    EXPECT_EQ(ErrorOf([&] { vbe->CommandBars().Item("Add-Ins")->Controls().Add(10); }).Number(),
              vb::kInvalidProcedureCall);
    button->Delete();
    EXPECT_EQ(vbe->CommandBars().Item("Add-Ins")->Controls().Count(), 0);
    vbe->CommandBars().Remove("Add-Ins");
    EXPECT_EQ(ErrorOf([&] { vbe->CommandBars().Item("Add-Ins"); }).Number(), vb::kInvalidProcedureCall);
}

TEST(ObjectModelTest, RevisionAdvancesWithChanges) {
    auto vbe = std::make_shared<VBE>();
    const uint64_t before = vbe->Revision();
    vbe->VBProjects().Add(0)->VBComponents().Item(1)->CodeModule()->InsertLines(1, "Option Explicit");
    EXPECT_GT(vbe->Revision(), before);
}

}  // namespace
}  // namespace vbide
