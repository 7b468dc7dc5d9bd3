// The context frame, the search frame and the button rows, compared call by call with positions worked
// out by hand.

#include <gtest/gtest.h>

#include "formlayout/ControlNames.h"
#include "patternkit/LayoutButtons.h"
#include "patternkit/LayoutFrames.h"
#include "platform/vb/Error.h"
#include "tests/patternkit/LayoutTestSupport.h"

namespace {

using namespace testing_support;
namespace Common = patternkit::Common;

class ContextFrame : public LayoutTest {
  protected:
    patternkit::PropertySet Properties(
        std::initializer_list<std::pair<const char*, const char*>> nameLabels) {
        patternkit::PropertySet properties;
        for (const auto& [name, label] : nameLabels)
            properties.push_back(MakeProperty(name, label));
        return properties;
    }
};

ExpectedCalls& ContextRow(ExpectedCalls& expected, const std::string& name, const std::string& label, int top,
                          int labelWidth, int textLeft, int labelLeft = 300, int textWidth = 3000) {
    return expected.Control("lbl" + name, "Label")
        .In("Frame")
        .Set("Height", 350)
        .Set("Width", labelWidth)
        .Set("Top", top)
        .Set("Left", labelLeft)
        .Set("Caption", label)
        .Set("Alignment", 1)
        .Control("txtOrders_" + name, "TextBox")
        .In("Frame")
        .Set("Height", 350)
        .Set("Width", textWidth)
        .Set("Top", top)
        .Set("Left", textLeft)
        .Set("Text", "")
        .Set("Enabled", false);
}

TEST_F(ContextFrame, RowsOfLabelAndDisabledTextInsideTheFrame) {
    Common::BuildContextFrame(
        engine, Properties({{"OrderID", "Order ID"}, {"CustomerName", "Customer Name"}}), layout);
    ExpectedCalls expected;
    expected.Control("Frame", "Frame")
        .Set("Height", 1600)
        .Set("Width", 6000)
        .Set("Caption", "Orders")
        .Set("Top", 300)
        .Set("Left", 300);
    ContextRow(expected, "OrderID", "Order ID", 300, 1560, 2160);
    ContextRow(expected, "CustomerName", "Customer Name", 950, 1560, 2160);
    EXPECT_EQ(engine.calls, expected.calls);
    EXPECT_EQ(PositionOf(layout), (Position{2200, 300, 6600, 2200}));
}

TEST_F(ContextFrame, TheAverageSetGivesSmallerSpacesAndFrame) {
    layout.SetAverageSize();
    Common::BuildContextFrame(engine, Properties({{"OrderID", "Order ID"}}), layout);
    ExpectedCalls expected;
    expected.Control("Frame", "Frame")
        .Set("Height", 650)
        .Set("Width", 4000)
        .Set("Caption", "Orders")
        .Set("Top", 300)
        .Set("Left", 300);
    ContextRow(expected, "OrderID", "Order ID", 150, 720, 1020, 150, 2000);
    EXPECT_EQ(engine.calls, expected.calls);
    EXPECT_EQ(PositionOf(layout), (Position{1100, 150, 4300, 1100}));
}

TEST_F(ContextFrame, ShowsThreeRowsAtMostWithTheLabelWidthCapped) {
    const auto properties =
        Properties({{"A", "Twenty characters!!!"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}});
    Common::BuildContextFrame(engine, properties, layout);
    EXPECT_EQ(ControlNames(engine), (std::vector<std::string>{"Frame", "lblA", "txtOrders_A", "lblB",
                                                              "txtOrders_B", "lblC", "txtOrders_C"}));
    EXPECT_EQ(engine.calls[1], "SetVBControlProperty(Height, 2250)");
    // 20 characters of 120 twips would be 2400.
    EXPECT_EQ(engine.calls[9], "SetVBControlProperty(Width, 2000)");
    EXPECT_EQ(engine.calls[19], "SetVBControlProperty(Left, 2600)");
    EXPECT_EQ(PositionOf(layout), (Position{2850, 300, 6600, 2850}));
}

// A parent's name and a property's may make more than VB takes in a name: each text box is cut to 40
// characters, and numbered where two cut alike; the code asks for the same names.
TEST_F(ContextFrame, TextBoxNamesAreCutToWhatVbTakesAndNumberedWhereTheyMeet) {
    const std::string parent = "customer_demographics";
    const struct {
        std::vector<std::string> properties;
        std::vector<std::string> names;
    } cases[] = {
        {{"customer_type_id"}, {"txtcustomer_demographics_customer_type_i"}},
        {{"customer_type_id", "customer_type_ix", "customer_type_code"},
         {"txtcustomer_demographics_customer_type_i", "txtcustomer_demographics_customer_type_2",
          "txtcustomer_demographics_customer_type_c"}},
        {{"id", "ID"}, {"txtcustomer_demographics_id", "txtcustomer_demographics_ID_2"}},
    };
    for (const auto& c : cases) {
        patternkit::PropertySet properties;
        for (const std::string& name : c.properties) {
            auto property = MakeProperty(name, name);
            property->businessObjectName = parent;
            properties.push_back(property);
        }
        EXPECT_EQ(formlayout::ContextFrameControlNames(parent, properties, {}).textBoxes, c.names);
        RecordingConstructor placed;
        Common::BuildContextFrame(placed, properties, layout);
        std::vector<std::string> textBoxes;
        for (const std::string& name : ControlNames(placed)) {
            if (name.starts_with("txt"))
                textBoxes.push_back(name);
        }
        EXPECT_EQ(textBoxes, c.names);
    }
}

TEST_F(ContextFrame, AnEmptySetPlacesNothing) {
    layout.Settop(700);
    layout.Setleft(900);
    Common::BuildContextFrame(engine, {}, layout);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(PositionOf(layout), (Position{700, 900, 0, 0}));
}

TEST_F(ContextFrame, RefusedControlsAreLeftOutWhateverTheAnswer) {
    for (const int answer : {ui::vbYes, ui::vbNo}) {
        SCOPED_TRACE(answer);
        engine.calls.clear();
        layout = {};
        RefuseControl(1);                                                        // the frame
        engine.results["SetVBControl"].push_back(typelib::Control_Not_Created);  // the first label
        script.AnswerMsgBox(answer);
        script.AnswerMsgBox(answer);
        Common::BuildContextFrame(engine, Properties({{"OrderID", "Order ID"}}), layout);
        ExpectedCalls expected;
        expected.Control("Frame", "Frame").Control("lblOrderID", "Label");
        ContextRow(expected, "OrderID", "Order ID", 300, 960, 1560);
        expected.calls.erase(expected.calls.begin() + 2, expected.calls.begin() + 10);
        EXPECT_EQ(engine.calls, expected.calls);
        EXPECT_EQ(PositionOf(layout), (Position{1550, 300, 6600, 1550}));
    }
    ASSERT_EQ(script.Prompts().size(), 4u);
    EXPECT_EQ(script.Prompts()[0].prompt.substr(0, 19), "The control: Frame ");
    EXPECT_EQ(script.Prompts()[1].prompt.substr(0, 24), "The control: lblOrderID ");
}

TEST_F(ContextFrame, ABottomBeyondTheIntegerRangeOverflows) {
    layout.Settop(32000);
    try {
        Common::BuildContextFrame(engine, Properties({{"OrderID", "Order ID"}}), layout);
        FAIL() << "no overflow";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kOverflow);
    }
}

TEST_F(LayoutTest, SearchFrameHoldsLabelOperatorTextAndFindButton) {
    Common::BuildSearchFrame(engine, layout);
    ExpectedCalls expected;
    expected.Control("SearchFrame", "Frame")
        .Set("Height", 950)
        .Set("Width", 7795)
        .Set("Caption", "Find")
        .Set("Top", 300)
        .Set("Left", 300)
        .Control("lblSearch", "Label")
        .In("SearchFrame")
        .Set("Height", 350)
        .Set("Width", 1500)
        .Set("Top", 300)
        .Set("Left", 300)
        .Set("Caption", "Search Criteria")
        .Set("Alignment", 1)
        .Control("cmbSearch", "ComboBox")
        .In("SearchFrame")
        .Set("Top", 300)
        .Set("Left", 2100)
        .Set("Style", 2)
        .Set("Width", 700)
        .Control("txtSearch", "TextBox")
        .In("SearchFrame")
        .Set("Height", 350)
        .Set("Width", 3000)
        .Set("Top", 300)
        .Set("Left", 3100)
        .Set("Text", "")
        .Control("cmdFind", "CommandButton")
        .Set("Caption", "Find")
        .In("SearchFrame")
        .Set("Height", 350)
        .Set("Width", 1095)
        .Set("Default", "True")
        .Set("Top", 300)
        .Set("Left", 6400);
    EXPECT_EQ(engine.calls, expected.calls);
    EXPECT_EQ(PositionOf(layout), (Position{1550, 300, 8395, 1550}));
}

ExpectedCalls OKCancel(int top, int okLeft, int cancelLeft, int width) {
    ExpectedCalls expected;
    expected.Control("cmdOK", "CommandButton")
        .Set("Caption", "OK")
        .Set("Height", 350)
        .Set("Width", width)
        .Set("Default", "True")
        .Set("Top", top)
        .Set("Left", okLeft)
        .Control("cmdCancel", "CommandButton")
        .Set("Caption", "Cancel")
        .Set("Height", 350)
        .Set("Width", width)
        .Set("Top", top)
        .Set("Left", cancelLeft);
    return expected;
}

TEST_F(LayoutTest, OKCancelRowIsCentredOnAFormAtLeastWideEnoughForIt) {
    const struct {
        const char* name;
        void (patternkit::form_ctl_defaults::*set)();
        int formWidth;
        int okLeft, cancelLeft, buttonWidth;
        Position after;
    } cases[] = {
        // An empty form is widened to 2 x 1095 + 3 x 300 first, so the row starts at the margin.
        {"standard, empty form",
         &patternkit::form_ctl_defaults::SetStandardSize,
         0,
         300,
         1695,
         1095,
         {2850, 300, 3090, 2850}},
        {"average, empty form",
         &patternkit::form_ctl_defaults::SetAverageSize,
         0,
         150,
         1150,
         850,
         {2700, 150, 2150, 2700}},
        {"small, empty form",
         &patternkit::form_ctl_defaults::SetSmallSize,
         0,
         100,
         1050,
         850,
         {2650, 100, 2000, 2650}},
        {"standard, wide form",
         &patternkit::form_ctl_defaults::SetStandardSize,
         6600,
         2055,
         3450,
         1095,
         {2850, 300, 6600, 2850}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine.calls.clear();
        layout = {};
        (layout.*c.set)();
        layout.Settop(2200);
        layout.Setactual_form_width(static_cast<int16_t>(c.formWidth));
        Common::BuildOKCancelButtons(engine, layout);
        EXPECT_EQ(engine.calls, OKCancel(2200, c.okLeft, c.cancelLeft, c.buttonWidth).calls);
        EXPECT_EQ(PositionOf(layout), c.after);
    }
}

TEST_F(LayoutTest, ARefusedOKLeavesTheRowUncentredAndGoesOnWhateverTheAnswer) {
    for (const int answer : {ui::vbYes, ui::vbNo}) {
        SCOPED_TRACE(answer);
        engine.calls.clear();
        layout = {};
        layout.Settop(2200);
        layout.Setactual_form_width(6600);
        RefuseControl(1);
        script.AnswerMsgBox(answer);
        Common::BuildOKCancelButtons(engine, layout);
        auto expected = OKCancel(2200, 0, 1695, 1095);
        expected.calls.erase(expected.calls.begin() + 1, expected.calls.begin() + 7);
        EXPECT_EQ(engine.calls, expected.calls);
        EXPECT_EQ(PositionOf(layout), (Position{2850, 300, 6600, 2850}));
    }
}

ExpectedCalls Buttons(std::initializer_list<std::pair<const char*, int>> captionLefts, int top) {
    ExpectedCalls expected;
    for (const auto& [caption, left] : captionLefts) {
        expected.Control(std::string("cmd") + caption, "CommandButton")
            .Set("Caption", caption)
            .Set("Height", 350)
            .Set("Width", 1095)
            .Set("Top", top)
            .Set("Left", left);
    }
    return expected;
}

TEST_F(LayoutTest, CommandButtonsAreCentredWithHalvesRoundedToEven) {
    const struct {
        int formWidth;
        std::vector<std::string> captions;
        ExpectedCalls expected;
        Position after;
    } cases[] = {
        // (8395 - 2 x 1095 - 300) / 2 = 2952.5
        {8395,
         {"Select", "Cancel"},
         Buttons({{"Select", 2952}, {"Cancel", 4347}}, 1550),
         {2200, 300, 8395, 2200}},
        // 4645 / 2 and 4647 / 2
        {5740, {"Select"}, Buttons({{"Select", 2322}}, 1550), {2200, 300, 5740, 2200}},
        {5742, {"Select"}, Buttons({{"Select", 2324}}, 1550), {2200, 300, 5742, 2200}},
        // A form too narrow for the row is widened afterwards, to 3 x 300 + 2 x 1095.
        {0,
         {"Select", "Cancel"},
         Buttons({{"Select", -1245}, {"Cancel", 150}}, 1550),
         {2200, 300, 3090, 2200}},
        // No buttons: still one row lower, and at least the margin wide.
        {0, {}, {}, {2200, 300, 300, 2200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formWidth);
        engine.calls.clear();
        layout = {};
        layout.Settop(1550);
        layout.Setactual_form_width(static_cast<int16_t>(c.formWidth));
        Common::BuildCommandButtons(engine, layout, c.captions);
        EXPECT_EQ(engine.calls, c.expected.calls);
        EXPECT_EQ(PositionOf(layout), c.after);
    }
}

TEST_F(LayoutTest, ARefusedCommandButtonTakesNoSlotAndNoEndsTheRow) {
    layout.Settop(1550);
    layout.Setactual_form_width(8395);
    RefuseControl(1);
    script.AnswerMsgBox(ui::vbYes);
    Common::BuildCommandButtons(engine, layout, {"Select", "Cancel"});
    auto expected = Buttons({{"Cancel", 2952}}, 1550);
    expected.calls.insert(expected.calls.begin(), "SetVBControl(cmdSelect, CommandButton)");
    EXPECT_EQ(engine.calls, expected.calls);
    EXPECT_EQ(PositionOf(layout), (Position{2200, 300, 8395, 2200}));

    engine.calls.clear();
    layout = {};
    layout.Settop(1550);
    layout.Setactual_form_width(8395);
    RefuseControl(1);
    script.AnswerMsgBox(ui::vbNo);
    Common::BuildCommandButtons(engine, layout, {"Select", "Cancel"});
    EXPECT_EQ(engine.calls, (std::vector<std::string>{"SetVBControl(cmdSelect, CommandButton)"}));
    // Stopped before the row was finished: left at the row's start, top unmoved.
    EXPECT_EQ(PositionOf(layout), (Position{1550, 2952, 8395, 0}));
}

}  // namespace
