#include <gtest/gtest.h>

#include "host/FormLayout.h"
#include "platform/ide/VBE.h"

namespace {

class FormLayoutTest : public ::testing::Test {
  protected:
    std::shared_ptr<vbide::VBControl> Place(const char* progId, const char* name, int left, int top,
                                            int width, int height) {
        auto control = mForm->Designer()->VBControls().Add(progId);
        control->SetName(name);
        for (const auto& [property, value] :
             {std::pair{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}}) {
            control->Properties(property)->SetValue(vb::Variant(value));
        }
        return control;
    }
    std::shared_ptr<vbide::VBE> mVBE = std::make_shared<vbide::VBE>();
    std::shared_ptr<vbide::VBComponent> mForm =
        mVBE->VBProjects().Add(vbide::vbext_pt_StandardExe)->VBComponents().Item(1);
};

TEST_F(FormLayoutTest, TwipsBecomePixelsAndFramesCarryTheirChildren) {
    mForm->Properties("Caption")->SetValue(vb::Variant("Customers"));
    mForm->Properties("ClientWidth")->SetValue(vb::Variant(6000));
    mForm->Properties("ClientHeight")->SetValue(vb::Variant(3000));
    const auto outer = Place("Frame", "fraOuter", 150, 300, 4500, 2400);
    const auto inner = Place("Frame", "fraInner", 300, 300, 1500, 1500);
    const auto list = Place("ComctlLib.ListView", "lvwItems", 150, 150, 3000, 600);  // runs out of fraInner
    const auto button = Place("CommandButton", "cmdOK", 4800, 2400, 1050, 375);
    button->Properties("Caption")->SetValue(vb::Variant("OK"));
    inner->SetContainer(outer);
    list->SetContainer(inner);

    const host::FormPicture picture = host::LayOutForm(*mForm->Designer());
    EXPECT_EQ(picture.caption, "Customers");
    EXPECT_EQ(picture.width, 400);
    EXPECT_EQ(picture.height, 200);
    struct Expected {
        const char* name;
        host::ControlLook look;
        host::PixelRect rect;
        host::PixelRect clip;
        int depth;
    };
    const Expected expected[] = {
        {"fraOuter", host::ControlLook::Frame, {10, 20, 300, 160}, {0, 0, 400, 200}, 0},
        {"fraInner", host::ControlLook::Frame, {30, 40, 100, 100}, {10, 20, 300, 160}, 1},
        {"lvwItems", host::ControlLook::ListView, {40, 50, 200, 40}, {30, 40, 100, 100}, 2},
        {"cmdOK", host::ControlLook::Button, {320, 160, 70, 25}, {0, 0, 400, 200}, 0},
    };
    ASSERT_EQ(picture.controls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const host::PlacedControl& placed = picture.controls[i];
        EXPECT_EQ(placed.name, expected[i].name);
        EXPECT_EQ(placed.look, expected[i].look) << placed.name;
        EXPECT_EQ(placed.rect, expected[i].rect) << placed.name;
        EXPECT_EQ(placed.clip, expected[i].clip) << placed.name;
        EXPECT_EQ(placed.depth, expected[i].depth) << placed.name;
    }
    EXPECT_EQ(picture.controls[3].caption, "OK");
}

TEST_F(FormLayoutTest, FormWithoutClientSizeUsesItsOuterSizeMenusAreLeftOutUnknownClassesShowTheirName) {
    auto& form = mForm->Designer()->FormProperties();
    form.SetValue("ClientWidth", vb::Variant(0));
    form.SetValue("Width", vb::Variant(3000));
    form.SetValue("Height", vb::Variant(1500));
    Place("TextBox", "txtName", 0, 0, 1500, 300);
    const auto designer = mForm->Designer();
    for (const char* className : {"VB.Menu", "MSComCtl2.DTPicker"}) {
        designer->VBControls().Append(std::make_shared<vbide::VBControl>(
            className, className[0] == 'V' ? "mnuFile" : "dtpWhen", designer, designer->Changes()));
    }
    const host::FormPicture picture = host::LayOutForm(*designer);
    EXPECT_EQ(picture.width, 200);
    EXPECT_EQ(picture.height, 100);
    ASSERT_EQ(picture.controls.size(), 2u);
    EXPECT_EQ(picture.controls[0].rect, (host::PixelRect{0, 0, 100, 20}));
    EXPECT_EQ(picture.controls[0].caption, "Text1");  // a new text box shows its first name
    EXPECT_EQ(picture.controls[1].name, "dtpWhen");
    EXPECT_EQ(picture.controls[1].look, host::ControlLook::Other);
}

// The menu bar shows the top-level menus only; a toolbar carries its buttons' captions; controls placed
// past the design size widen and lengthen the picture, as the patterns place them without sizing the form.
TEST_F(FormLayoutTest, MenuBarToolbarButtonsAndControlsPastTheDesignSize) {
    mForm->Properties("ClientWidth")->SetValue(vb::Variant(3000));
    mForm->Properties("ClientHeight")->SetValue(vb::Variant(1500));
    const auto designer = mForm->Designer();
    const auto addMenu = [&](const char* name, const char* caption) {
        auto menu = std::make_shared<vbide::VBControl>("VB.Menu", name, designer, designer->Changes());
        menu->Bag().SetFromFile("Caption", vbide::QuotedText(caption));
        designer->VBControls().Append(menu);
        return menu;
    };
    addMenu("mnuFile", "&File");
    addMenu("mnuFileExit", "E&xit")->PlaceIn(designer->VBControls().Item("mnuFile"));
    addMenu("mnuView", "&View");
    // An ActiveX control the designer does not know is held as its file has it.
    const auto toolbar =
        std::make_shared<vbide::VBControl>("ComctlLib.Toolbar", "Toolbar", designer, designer->Changes());
    for (const auto& [property, value] :
         {std::pair{"Left", "0"}, {"Top", "0"}, {"Width", "3000"}, {"Height", "420"}})
        toolbar->Bag().SetFromFile(property, value);
    designer->VBControls().Append(toolbar);
    vbide::PropertyNode buttons{"Buttons", "{0713E452-850A-101B-AFC0-4210102A8DA7}", true, {}};
    buttons.children.push_back({"NumButtons", "2", false, {}});
    for (const char* caption : {"New", "Exit"}) {
        vbide::PropertyNode button{
            std::string("Button") + caption, "{0713F354-850A-101B-AFC0-4210102A8DA7}", true, {}};
        button.children.push_back({"Caption", vbide::QuotedText(caption), false, {}});
        buttons.children.push_back(button);
    }
    toolbar->Bag().AddGroup(buttons);
    Place("TextBox", "txtFar", 3900, 2700, 1500, 300);
    Place("ComboBox", "cmbOperator", 300, 600, 700, 0);

    const host::FormPicture picture = host::LayOutForm(*designer);
    EXPECT_EQ(picture.menuBar, (std::vector<std::string>{"&File", "&View"}));
    ASSERT_EQ(picture.controls.size(), 3u);
    EXPECT_EQ(picture.controls[0].look, host::ControlLook::Toolbar);
    EXPECT_EQ(picture.controls[0].buttons, (std::vector<std::string>{"New", "Exit"}));
    EXPECT_EQ(picture.width, 360);
    EXPECT_EQ(picture.height, 200);
    EXPECT_EQ(picture.controls[1].clip, (host::PixelRect{0, 0, 360, 200}));
    // A combo box without a height is drawn as high as one is.
    EXPECT_EQ(picture.controls[2].rect, (host::PixelRect{20, 40, 46, 21}));
}

}  // namespace
