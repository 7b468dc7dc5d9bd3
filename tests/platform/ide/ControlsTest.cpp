#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBE.h"
#include "tests/platform/ide/TestSupport.h"
#include "tests/support/ControlDescription.h"

namespace vbide {
namespace {

class ControlsTest : public ::testing::Test {
  protected:
    std::shared_ptr<VBE> mVBE = std::make_shared<VBE>();
    std::shared_ptr<FormDesigner> mDesigner = mVBE->VBProjects().Add(0)->VBComponents().Item(1)->Designer();
    VBControls& mControls = mDesigner->VBControls();
};

TEST_F(ControlsTest, AddsEveryKnownClassUnderItsDefaultName) {
    const struct {
        const char* progId;
        const char* className;
        const char* name;
    } cases[] = {
        {"TextBox", "VB.TextBox", "Text1"},
        {"Label", "VB.Label", "Label1"},
        {"ComboBox", "VB.ComboBox", "Combo1"},
        {"CheckBox", "VB.CheckBox", "Check1"},
        {"OptionButton", "VB.OptionButton", "Option1"},
        {"CommandButton", "VB.CommandButton", "Command1"},
        {"Frame", "VB.Frame", "Frame1"},
        {"ListBox", "VB.ListBox", "List1"},
        {"ComctlLib.ListView", "ComctlLib.ListView", "ListView1"},
        {"RichTextLib.RichTextBox", "RichTextLib.RichTextBox", "RichTextBox1"},
        {"TextBox", "VB.TextBox", "Text2"},
    };
    for (const auto& c : cases) {
        auto control = mControls.Add(c.progId);
        EXPECT_EQ(control->ClassName(), c.className);
        EXPECT_EQ(control->Name(), c.name);
        EXPECT_EQ(mControls.Item(c.name), control);
    }
    EXPECT_EQ(mDesigner->ObjectLibraries().size(), 2U);
    EXPECT_EQ(ErrorOf([&] { mControls.Add("MSFlexGridLib.MSFlexGrid"); }).Number(), vb::kCannotCreateObject);
    EXPECT_EQ(mControls.Count(), 11);
    EXPECT_EQ(ErrorOf([&] { mControls.Item("Text3"); }).Number(), vb::kSubscriptOutOfRange);
}

// Placing a control under its name in one step leaves the form as placing it and renaming it would: the
// same controls, names, text properties and errors, a refused name leaving the control under its
// default name.
TEST_F(ControlsTest, ANamedControlIsPlacedAsAddAndRenameWouldPlaceIt) {
    auto twoSteps = mVBE->VBProjects().Item(1)->VBComponents().Add(vbext_ct_VBForm)->Designer();
    const struct {
        const char* progId;
        const char* name;
        int32_t error;
    } cases[] = {
        {"TextBox", "txtFirst", 0},
        {"TextBox", "text1", 0},  // the default name in another case
        {"TextBox", "TXTFIRST", vb::kDuplicateKey},
        {"Label", "Text2", vb::kDuplicateKey},  // the name the refused text box was left with
        {"VB.CheckBox", "1st", kInvalidPropertyValue},
        {"CheckBox", "", kInvalidPropertyValue},
        {"ComctlLib.ListView", "lvwItems", 0},
        {"ComctlLib.ListView", "lvwItems", vb::kDuplicateKey},
        {"MSFlexGridLib.MSFlexGrid", "grdRows", vb::kCannotCreateObject},
        {"Frame", "Check1", vb::kDuplicateKey},
    };
    auto describe = [](const FormDesigner& designer) {
        std::vector<std::string> controls;
        for (const auto& control : designer.VBControls())
            controls.push_back(testing_support::DescribeControl(*control));
        return controls;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.progId) + " " + c.name);
        int32_t oneStepError = 0;
        try {
            EXPECT_EQ(mControls.Add(c.progId, c.name)->Name(), c.name);
        } catch (const vb::Error& error) {
            oneStepError = error.Number();
        }
        int32_t twoStepError = 0;
        try {
            twoSteps->VBControls().Add(c.progId)->SetName(c.name);
        } catch (const vb::Error& error) {
            twoStepError = error.Number();
        }
        EXPECT_EQ(oneStepError, c.error);
        EXPECT_EQ(twoStepError, c.error);
        EXPECT_EQ(describe(*mDesigner), describe(*twoSteps));
        EXPECT_EQ(mDesigner->ObjectLibraries(), twoSteps->ObjectLibraries());
    }
    EXPECT_EQ(mControls.Count(), 9);
    EXPECT_EQ(mControls.Item("Check1")->ClassName(), "VB.CheckBox");
}

TEST_F(ControlsTest, PropertiesConvertToTheirTypes) {
    auto button = mControls.Add("CommandButton");
    button->Properties("Name")->SetValue("cmdOK");
    const struct {
        const char* property;
        vb::Variant given;
        vb::Variant held;
    } cases[] = {
        {"Default", "True", true},         {"Enabled", "False", false}, {"Caption", "OK", "OK"},
        {"Height", int32_t{600}, 600.0F},  {"Left", "300", 300.0F},     {"TabIndex", 2.5, int16_t{2}},
        {"Style", int32_t{1}, int16_t{1}},
    };
    for (const auto& c : cases) {
        button->Properties(c.property)->SetValue(c.given);
        EXPECT_EQ(button->Properties(c.property)->Value(), c.held) << c.property;
    }
    EXPECT_EQ(mControls.Item("cmdOK"), button);
    EXPECT_EQ(ErrorOf([&] { button->Properties("View"); }).Number(), vb::kNoSuchMember);
    EXPECT_EQ(ErrorOf([&] { button->Properties("Height")->SetValue("tall"); }).Number(),
              kInvalidPropertyValue);
    EXPECT_EQ(ErrorOf([&] { button->Properties("TabIndex")->SetValue(int32_t{40000}); }).Number(),
              kInvalidPropertyValue);
    EXPECT_EQ(ErrorOf([&] { button->Properties("Caption")->SetValue("two\r\nlines"); }).Number(),
              kInvalidPropertyValue);
    auto listView = mControls.Add("ComctlLib.ListView");
    listView->Properties("View")->SetValue(int16_t{3});
    EXPECT_EQ(listView->Properties("View")->Value(), vb::Variant(int32_t{3}));
}

// A drop-down list (Style 2) keeps no text: the name Add gave it goes, and Text cannot be set; the other
// styles keep their text.
TEST_F(ControlsTest, ADropDownListKeepsNoText) {
    const struct {
        int16_t style;
        const char* described;
        int32_t setTextError;
    } cases[] = {
        {0, "VB.ComboBox Combo1 Text=\"Combo1\" Style=0", 0},
        {1, "VB.ComboBox Combo2 Text=\"Combo2\" Style=1", 0},
        {2, "VB.ComboBox Combo3 Style=2", kPropertyReadOnly},
    };
    for (const auto& c : cases) {
        auto combo = mControls.Add("ComboBox");
        combo->Properties("Style")->SetValue(c.style);
        EXPECT_EQ(testing_support::DescribeControl(*combo), c.described);
        int32_t error = 0;
        try {
            combo->Properties("Text")->SetValue("");
        } catch (const vb::Error& raised) {
            error = raised.Number();
        }
        EXPECT_EQ(error, c.setTextError);
    }
}

TEST_F(ControlsTest, NamesAreUniqueExceptInControlArrays) {
    auto first = mControls.Add("OptionButton");
    auto second = mControls.Add("OptionButton");
    auto label = mControls.Add("Label");
    EXPECT_EQ(ErrorOf([&] { second->SetName("option1"); }).Number(), vb::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { second->SetName("1st"); }).Number(), kInvalidPropertyValue);
    first->Properties("Index")->SetValue(int16_t{0});
    second->Properties("Index")->SetValue(int16_t{1});
    second->SetName("Option1");
    EXPECT_EQ(second->Index(), 1);
    EXPECT_EQ(ErrorOf([&] { second->Properties("Index")->SetValue(int16_t{0}); }).Number(),
              vb::kDuplicateKey);
    label->Properties("Index")->SetValue(int16_t{2});
    EXPECT_EQ(ErrorOf([&] { label->SetName("Option1"); }).Number(), vb::kDuplicateKey);
    EXPECT_EQ(mControls.Item("Option1"), first);
}

TEST_F(ControlsTest, FramesHoldControlsAtPositionsInsideThem) {
    auto outer = mControls.Add("Frame");
    auto inner = mControls.Add("Frame");
    auto text = mControls.Add("TextBox");
    inner->SetContainer(outer);
    text->SetContainer(inner);
    text->Properties("Top")->SetValue(int32_t{300});
    EXPECT_EQ(text->Container(), inner);
    EXPECT_EQ(inner->Container(), outer);
    EXPECT_EQ(text->Properties("Top")->Value(), vb::Variant(300.0F));

    auto otherForm = mVBE->VBProjects().Item(1)->VBComponents().Add(vbext_ct_VBForm)->Designer();
    auto foreignFrame = otherForm->VBControls().Add("Frame");
    const struct {
        const char* what;
        std::shared_ptr<VBControl> control;
        std::shared_ptr<VBControl> container;
    } refused[] = {
        {"not a frame", outer, text},
        {"itself", outer, outer},
        {"a frame inside it", outer, inner},
        {"a frame of another form", text, foreignFrame},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(ErrorOf([&] { c.control->SetContainer(c.container); }).Number(), vb::kInvalidProcedureCall)
            << c.what;
    }
    text->SetContainer(nullptr);
    EXPECT_EQ(text->Container(), nullptr);
}

TEST_F(ControlsTest, PropertyObjectsNeedTheirControl) {
    auto property = mControls.Add("Label")->Properties("Caption");
    EXPECT_EQ(property->Value(), vb::Variant("Label1"));
    auto orphan = std::make_shared<VBControl>("VB.Label", "Label9", std::weak_ptr<FormDesigner>(),
                                              std::make_shared<ChangeCounter>())
                      ->Properties("Caption");
    EXPECT_EQ(ErrorOf([&] { orphan->Value(); }).Number(), vb::kObjectNotSet);
}

}  // namespace
}  // namespace vbide
