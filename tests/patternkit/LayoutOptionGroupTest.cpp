// Option-button groups: the value texts, the grid for the values that fit, the message when they do not,
// empty groups, and refused buttons.

#include <gtest/gtest.h>

#include "patternkit/LayoutOptionGroup.h"
#include "patternkit/LayoutOptionValues.h"
#include "tests/patternkit/LayoutTestSupport.h"

namespace {

using namespace testing_support;
namespace Common = patternkit::Common;
using Values = std::vector<std::string>;

// A group with the values its property alone gives it.
void AddGroup(const typelib::IProperty& property, typelib::IConstructor& engine,
              patternkit::form_ctl_defaults& layout) {
    Common::AddOptionButtonGroup(property, Common::OptionButtonValues(property), engine, layout);
}

TEST(OptionButtonValues, ByDataType) {
    // Captions, then the suffixes that end the buttons' names.
    const struct {
        std::shared_ptr<LayoutProperty> property;
        Values captions, suffixes;
    } cases[] = {
        {MakeProperty("Active", "Active", "Boolean"), {"True", "False"}, {"True", "False"}},
        {MakeProperty("Count", "Count", "Long"), {"Count"}, {"Count"}},
        {WithValues(MakeProperty("Fee", "Fee", "Currency"), {"-1.5", "+2"}), {"M1D5", "P2"}, {"M1D5", "P2"}},
        {WithValues(MakeProperty("Rate", "Rate", "Double"), {"2.5"}), {"2D5"}, {"2D5"}},
        {WithValues(MakeProperty("Rate", "Rate", "Single"), {"1.5E-3"}), {"1D5EM3"}, {"1D5EM3"}},
        {WithValues(MakeProperty("Rate", "Rate", "Decimal"), {"1.5"}), {"1.5"}, {"1_5"}},
        {WithValues(MakeProperty("Status", "Status", "String"), {" Open ", "Closed"}),
         {"Open", "Closed"},
         {"Open", "Closed"}},
        // Blanks, quotes and signs cannot stand in a name.
        {WithValues(MakeProperty("Terms", "Terms", "String"), {"Cash", "Net 30", "Owner's Account", "a-b"}),
         {"Cash", "Net 30", "Owner's Account", "a-b"},
         {"Cash", "Net_30", "Owner_s_Account", "a_b"}},
        {WithValues(MakeProperty("Due", "Due", "Date"),
                    {"7/4/1999", "1999-07-04", "4 July 1999", "July 4, 1999", "2/30/1999", "soon"}),
         {"Jul_04_1999", "Jul_04_1999", "Jul_04_1999", "Jul_04_1999", "2/30/1999", "soon"},
         {"Jul_04_1999", "Jul_04_1999_2", "Jul_04_1999_3", "Jul_04_1999_4", "2_30_1999", "soon"}},
        // Names of at most 40 characters, each its own: "optPaymentTerms_" leaves 24 for the suffix.
        {WithValues(MakeProperty("PaymentTerms", "Terms", "String"),
                    {"Net 30", "net-30", "Payment on delivery within 30 days",
                     "Payment on delivery within 60 days"}),
         {"Net 30", "net-30", "Payment on delivery within 30 days", "Payment on delivery within 60 days"},
         {"Net_30", "net_30_2", "Payment_on_delivery_with", "Payment_on_delivery_wi_2"}},
        {WithValues(MakeProperty("Due", "Due", "Date"), {"12/31/29", "1/1/30"}),
         {"Dec_31_2029", "Jan_01_1930"},
         {"Dec_31_2029", "Jan_01_1930"}},
        {MakeProperty("Notes", "Notes", "Memo"), {}, {}},
        {MakeProperty("Photo", "Photo", "OLE Object"), {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.property->DataType());
        Values captions, suffixes;
        for (const auto& value : Common::OptionButtonValues(*c.property)) {
            captions.push_back(value.caption);
            suffixes.push_back(value.suffix);
        }
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(suffixes, c.suffixes);
    }
}

TEST_F(LayoutTest, BooleanGroupIsOneRowOfTwoButtonsInAFrame) {
    layout.Setleft(1560);
    AddGroup(*MakeProperty(" Active ", "Is active", "Boolean"), engine, layout);
    // 5 characters x 120 + 300 per button; 7 fit beside each other, 11 below each other.
    ExpectedCalls expected;
    expected.Control("FrameActive", "Frame")
        .Set("Height", 950)
        .Set("Width", 2700)
        .Set("Caption", "Is active")
        .Set("Top", 300)
        .Set("Left", 1560);
    for (const auto& [value, left] : {std::pair{"True", 300}, std::pair{"False", 1500}}) {
        expected.Control(std::string("optActive_") + value, "OptionButton")
            .In("FrameActive")
            .Set("Top", 300)
            .Set("Left", left)
            .Set("Caption", value)
            .Set("Height", 350)
            .Set("Width", 900);
    }
    EXPECT_EQ(engine.calls, expected.calls);
    EXPECT_EQ(PositionOf(layout), (Position{1550, 1560, 4560, 1550}));
    EXPECT_TRUE(script.Prompts().empty());
}

TEST_F(LayoutTest, ValuesFillRowsOfTheColumnsThatFit) {
    // Fourteen characters: 1980 wide, 4 fit beside each other at 300 (9100 / 2280), 11 below each other.
    const auto values = [](int count) {
        Values result;
        for (int i = 1; i <= count; ++i)
            result.push_back("Alternative_" + std::string(i < 10 ? "0" : "") + std::to_string(i));
        return result;
    };
    const struct {
        int count;
        int frameWidth, frameHeight, buttons;
        int lastTop, lastLeft;
        std::size_t messages;
    } cases[] = {
        {3, 7140, 950, 3, 300, 4860, 0},     {4, 9420, 950, 4, 300, 7140, 0},
        {9, 9420, 2250, 9, 1600, 300, 0},    {44, 9420, 7450, 44, 6800, 7140, 0},
        {45, 9420, 7450, 44, 6800, 7140, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        engine.calls.clear();
        layout = {};
        script = {};
        AddGroup(*WithValues(MakeProperty("Choice", "Choice", "String"), values(c.count)), engine, layout);
        const auto& calls = engine.calls;
        EXPECT_EQ(calls[1], "SetVBControlProperty(Height, " + std::to_string(c.frameHeight) + ")");
        EXPECT_EQ(calls[2], "SetVBControlProperty(Width, " + std::to_string(c.frameWidth) + ")");
        const auto names = ControlNames(engine);
        EXPECT_EQ(names.size(), static_cast<std::size_t>(c.buttons) + 1);
        EXPECT_EQ(names.back(), "optChoice_" + values(c.buttons).back());
        // Each button: SetVBControl, frame, Top, Left, Caption, Height, Width.
        EXPECT_EQ(calls[calls.size() - 5], "SetVBControlProperty(Top, " + std::to_string(c.lastTop) + ")");
        EXPECT_EQ(calls[calls.size() - 4], "SetVBControlProperty(Left, " + std::to_string(c.lastLeft) + ")");
        EXPECT_EQ(script.Prompts().size(), c.messages);
        // 300 + the frame + 300 wider than the form may be leaves the width alone.
        EXPECT_EQ(layout.actual_form_width(), c.frameWidth + 600 <= 10000 ? c.frameWidth + 600 : 0);
        EXPECT_EQ(layout.top(), 300 + c.frameHeight + 300);
    }
}

TEST_F(LayoutTest, TheNotEnoughRoomMessageNamesPropertyAndBusinessObject) {
    layout.Setleft(9200);
    AddGroup(*MakeProperty("Status", "Status", "Boolean"), engine, layout);
    ASSERT_EQ(script.Prompts().size(), 1u);
    EXPECT_EQ(
        script.Prompts()[0].prompt,
        "There is not enough room on the form for all of the Option Buttons required for the Status property "
        "of Orders business object.");
    EXPECT_EQ(script.Prompts()[0].buttons, ui::vbOKOnly);
}

TEST_F(LayoutTest, GroupsWithoutValuesOrRoomAreEmptyFrames) {
    const struct {
        const char* name;
        std::string dataType;
        int left;
        int frameHeight;
        std::size_t messages;
    } cases[] = {
        {"Memo", "Memo", 1560, 950, 0},
        // No column fits and there are no values: no division by zero, the same empty frame.
        {"Memo where no column fits", "Memo", 9200, 950, 0},
        {"unknown type where no column fits", "Binary", 9200, 950, 0},
        // Values but no column: the message, and a frame as high as the rows that fit.
        {"Boolean where no column fits", "Boolean", 9200, 7450, 1},
        // Past the edge: none fits rather than a negative count and a negative frame width.
        {"Boolean past the form's edge", "Boolean", 10100, 7450, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine.calls.clear();
        layout = {};
        script = {};
        layout.Setleft(static_cast<int16_t>(c.left));
        AddGroup(*MakeProperty("Notes", "Notes", c.dataType), engine, layout);
        const auto expected = ExpectedCalls()
                                  .Control("FrameNotes", "Frame")
                                  .Set("Height", c.frameHeight)
                                  .Set("Width", 300)
                                  .Set("Caption", "Notes")
                                  .Set("Top", 300)
                                  .Set("Left", c.left);
        EXPECT_EQ(engine.calls, expected.calls);
        EXPECT_EQ(script.Prompts().size(), c.messages);
        EXPECT_EQ(PositionOf(layout).top, 300 + c.frameHeight + 300);
        EXPECT_EQ(PositionOf(layout).left, c.left);
    }
}

TEST_F(LayoutTest, ARefusedButtonKeepsItsSlotOrStopsTheGroup) {
    for (const int answer : {ui::vbYes, ui::vbNo}) {
        SCOPED_TRACE(answer);
        engine.calls.clear();
        layout = {};
        layout.Setleft(1560);
        RefuseControl(2);
        script.AnswerMsgBox(answer);
        AddGroup(*MakeProperty("Active", "Is active", "Boolean"), engine, layout);
        if (answer == ui::vbYes) {
            EXPECT_EQ(ControlNames(engine), (Values{"FrameActive", "optActive_True", "optActive_False"}));
            EXPECT_NE(std::find(engine.calls.begin(), engine.calls.end(), "SetVBControlProperty(Left, 1500)"),
                      engine.calls.end());
            EXPECT_EQ(PositionOf(layout), (Position{1550, 1560, 4560, 1550}));
        } else {
            EXPECT_EQ(ControlNames(engine), (Values{"FrameActive", "optActive_True"}));
            // Stopped inside the frame: the position is the frame's interior.
            EXPECT_EQ(PositionOf(layout), (Position{300, 300, 0, 0}));
        }
    }
}

}  // namespace
