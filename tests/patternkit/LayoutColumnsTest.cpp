// Whole forms of rows: the size set chosen by the number of properties, columns opened at the form's
// bottom, and the detail form's choice of control by ControlType.

#include <gtest/gtest.h>

#include "formlayout/ColumnFlow.h"
#include "formlayout/FormRoom.h"
#include "patternkit/LayoutColumns.h"
#include "platform/vb/Error.h"
#include "tests/patternkit/LayoutTestSupport.h"

namespace {

using namespace testing_support;
namespace Common = patternkit::Common;
using Names = std::vector<std::string>;

patternkit::PropertySet Numbered(int count, const std::string& dataType = "Long") {
    patternkit::PropertySet properties;
    for (int i = 1; i <= count; ++i)
        properties.push_back(MakeProperty("P" + std::to_string(i), "Label " + std::to_string(i % 10) + "x",
                                          dataType));  // 8 characters
    return properties;
}

TEST_F(LayoutTest, SearchColumnsChooseTheSizeSetByPropertyCount) {
    const struct {
        int count, left;
        int horzSpace, maxFormWidth, maxLabelWidth, top;
    } cases[] = {
        {0, 300, 300, 10000, 0, 300},
        // The eleventh row reaches the bottom: a second column 9400 wide opens after it.
        {11, 300, 300, 18800, 960, 7450},
        {12, 300, 150, 4700, 720, 6300},
        // 9399 / 2 and 9397 / 2 round to the even neighbour.
        {12, 301, 150, 4700, 720, 6300},
        {12, 303, 150, 4698, 720, 6300},
        // Three columns of 3133; the sixteenth row opens the second.
        {24, 300, 100, 6266, 560, 7500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " at " << c.left);
        engine.calls.clear();
        layout = {};
        layout.SetAverageSize();
        layout.SetStandardSize();
        layout.Setleft(static_cast<int16_t>(c.left));
        Common::LayoutTextBoxes(engine, Numbered(c.count), layout);
        EXPECT_EQ(layout.horz_space(), c.horzSpace);
        EXPECT_EQ(layout.max_form_width(), c.maxFormWidth);
        EXPECT_EQ(layout.max_label_width(), c.maxLabelWidth);
        EXPECT_EQ(layout.top(), c.top);
        EXPECT_EQ(layout.left(), c.left);
        EXPECT_EQ(ControlNames(engine).size(), 3u * static_cast<std::size_t>(c.count));
    }
}

TEST_F(LayoutTest, ANewColumnStartsAtThreeHundredEvenWhenTheFirstStartedLower) {
    layout.Settop(6800);
    Common::LayoutTextBoxes(engine, Numbered(3), layout);
    const auto expected = ExpectedCalls()
                              .RowLabel("P1", "Label 1x", 6800, 300, 960)
                              .Control("cmbP1", "ComboBox")
                              .Set("Top", 6800)
                              .Set("Left", 1560)
                              .Set("Style", 2)
                              .Set("Width", 600)
                              .RowData("txtP1", "TextBox", 6800, 2460, 350, 3000)
                              .RowLabel("P2", "Label 2x", 300, 9400, 960);
    EXPECT_EQ(std::vector<std::string>(engine.calls.begin(), engine.calls.begin() + 25), expected.calls);
    EXPECT_EQ(layout.max_form_width(), 18800);
    // The second column's text boxes end at 9400 + 960 + 300 + 600 + 300 + 3000; the top is the first
    // column's deepest, below the second column's 1600.
    EXPECT_EQ(PositionOf(layout), (Position{7450, 300, 14860, 950}));
}

TEST_F(LayoutTest, DetailControlsByExactControlType) {
    const struct {
        std::string controlType, dataType;
        Names controls;
    } cases[] = {
        {"TextBox", "Long", {"lblX", "txtX"}},
        {"TextBox ", "Long", {}},
        {"textbox", "Long", {}},
        {"Label", "Long", {}},
        {"TextBox", "OLE Object", {}},
        {"ListBox", "Long", {"lblX", "lstbxX"}},
        {"ListBox", "Memo", {}},
        {"ComboBox", "Long", {"lblX", "cmbX"}},
        {"RichTextBox", "Memo", {"lblX", "rtxtX"}},
        {"CheckBox", "Boolean", {"ckbX"}},
        {"OptionButton", "Boolean", {"FrameX", "optX_True", "optX_False"}},
        {"OptionButton", "Long", {"FrameX", "optX_X"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.controlType + "/" + c.dataType);
        engine.calls.clear();
        layout = {};
        Common::AddPropertyControl(engine, {MakeProperty("X", "Flag", c.dataType, c.controlType)}, layout);
        EXPECT_EQ(ControlNames(engine), c.controls);
        EXPECT_EQ(layout.left(), 300);
        if (c.controlType == "CheckBox" || c.controlType == "OptionButton") {
            // In the control column: 300 + 4 x 120 + 300.
            const std::size_t left = c.controlType == "CheckBox" ? 2 : 5;
            EXPECT_EQ(engine.calls[left], "SetVBControlProperty(Left, 1080)");
        }
    }
}

TEST_F(LayoutTest, TheDetailColumnPlanCountsPropertiesLeftOut) {
    auto properties = Numbered(12);
    properties[0] = MakeProperty("Photo", "Photo", "OLE Object");
    Common::AddPropertyControl(engine, properties, layout);
    EXPECT_EQ(layout.horz_space(), 150);
    EXPECT_EQ(ControlNames(engine).size(), 22u);
    EXPECT_EQ(ControlNames(engine).front(), "lblP2");
}

TEST_F(LayoutTest, ARefusalAnsweredNoEndsOnlyItsOwnRowOfTheDetailForm) {
    RefuseControl(1);
    script.AnswerMsgBox(ui::vbNo);
    Common::AddPropertyControl(engine, Numbered(2), layout);
    EXPECT_EQ(ControlNames(engine), (Names{"lblP1", "lblP2", "txtP2"}));
    EXPECT_EQ(PositionOf(layout), (Position{950, 300, 4860, 300}));
}

TEST_F(LayoutTest, ALabelTooLongForTheIntegerRangeOverflowsBeforeAnythingIsPlaced) {
    patternkit::PropertySet properties{MakeProperty("Long", std::string(300, 'x'))};
    for (const auto layOut : {&Common::LayoutTextBoxes, &Common::AddPropertyControl}) {
        try {
            layOut(engine, properties, layout);
            ADD_FAILURE() << "no overflow";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), vb::kOverflow);
        }
    }
    EXPECT_TRUE(engine.calls.empty());
}

// The Left and Top that the control placed as `name` is given.
using Place = std::pair<int, int>;
Place PlaceOf(const RecordingConstructor& engine, const std::string& name) {
    auto call = std::ranges::find_if(
        engine.calls, [&](const auto& c) { return c.starts_with("SetVBControl(" + name + ","); });
    Place place{-1, -1};
    for (; call != engine.calls.end() && (place.first < 0 || place.second < 0); ++call) {
        if (call->starts_with("SetVBControlProperty(Left, "))
            place.first = std::stoi(call->substr(27));
        if (call->starts_with("SetVBControlProperty(Top, "))
            place.second = std::stoi(call->substr(26));
    }
    return place;
}

// In every size set each control type's rows stand where the column flow, which the check before a build
// runs, puts them: a row of the control table changed moves the layout and the check's measure together.
TEST_F(LayoutTest, EachControlTypesRowsStandWhereTheColumnFlowPutsThem) {
    for (const formlayout::ControlKind kind : formlayout::kControlKinds) {
        const formlayout::FormControl& control = formlayout::DetailControl(kind);
        for (const int count : {11, 23, 35}) {
            SCOPED_TRACE(::testing::Message() << count << " of " << control.controlType);
            patternkit::PropertySet properties;
            for (int i = 1; i <= count; ++i)
                properties.push_back(WithValues(MakeProperty("P" + std::to_string(i), "Label", "String",
                                                             std::string(control.controlType)),
                                                {"Lo", "Mid", "Hi"}));
            layout = {};
            engine.calls.clear();
            Common::AddPropertyControl(engine, properties, layout);
            const formlayout::FlowStart start{300, 300, 0};
            const formlayout::ColumnGeometry plan = formlayout::PlanColumns(
                properties.size(), formlayout::RoomRight(10000, 300, formlayout::kStandardSizes));
            const formlayout::Twips labelWidth =
                formlayout::LabelColumnWidth(formlayout::LongestLabel(properties), *plan.sizes);
            const auto rows =
                formlayout::PropertyRows(formlayout::RowsOf::DetailForm, properties, labelWidth, *plan.sizes);
            const auto bottom =
                formlayout::FittingBottom(rows, plan, start, labelWidth, plan.sizes->maxFormHeight);
            ASSERT_TRUE(bottom);
            EXPECT_EQ(layout.max_form_height(), bottom->value());
            const auto spots = formlayout::FlowRows(rows, plan, start, labelWidth, *bottom).spots;
            const bool labelled = !control.label.empty();
            for (std::size_t row = 0; row < properties.size(); ++row) {
                const formlayout::RowSpot spot = spots[row];
                const int left =
                    labelled ? spot.left.value()
                             : formlayout::ControlColumnLeft(spot.left, labelWidth, *plan.sizes).value();
                EXPECT_EQ(PlaceOf(engine, formlayout::RowControlName(
                                              labelled ? control.label : control.prefix, *properties[row])),
                          Place(left, spot.top.value()));
            }
        }
    }
}

// The room that the check before a build asks about is the room the detail layout finds: over forms of
// one, two and three columns, labels, captions and value counts, a group in the first column shows the
// "not enough room" message exactly when no button of it has room beside the labels.
TEST_F(LayoutTest, OptionButtonRoomIsTheRoomTheDetailLayoutFinds) {
    int refused = 0, placed = 0;
    for (const int count : {1, 5, 11, 12, 17, 23, 24, 30, 35}) {
        for (const int label : {0, 10, 16, 17, 20, 25, 30, 33, 34, 35, 40, 50, 60, 75, 100}) {
            for (const int caption : {0, 5, 15, 20, 34, 41, 54, 55, 60, 80, 100}) {
                for (const std::size_t values : {1u, 3u}) {
                    SCOPED_TRACE(::testing::Message()
                                 << count << " properties, label " << label << ", caption " << caption << ", "
                                 << values << " values");
                    std::vector<std::string> captions;
                    for (std::size_t i = 0; i < values; ++i)
                        captions.push_back(
                            std::string(static_cast<std::size_t>(caption), static_cast<char>('a' + i)));
                    patternkit::PropertySet properties{
                        WithValues(MakeProperty("G", std::string(static_cast<std::size_t>(label), 'L'),
                                                "String", "OptionButton"),
                                   captions)};
                    for (int i = 1; i < count; ++i)
                        properties.push_back(MakeProperty("P" + std::to_string(i), "x"));
                    const int longestLabel = std::max(label, count > 1 ? 1 : 0);
                    const std::size_t before = script.Prompts().size();
                    layout = {};
                    Common::AddPropertyControl(engine, properties, layout);
                    const bool message = script.Prompts().size() > before;
                    EXPECT_EQ(message, !formlayout::OptionButtonHasRoom(static_cast<std::size_t>(count),
                                                                        longestLabel, caption));
                    ++(message ? refused : placed);
                    engine.calls.clear();
                }
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(placed, 0);
}

// The longest label and caption that the check names as limits are the longest that leave room.
TEST(FormRoom, LimitsAreTheLongestLengthsThatLeaveRoom) {
    const struct {
        std::size_t properties;
        int32_t label, caption;
    } cases[] = {{1, 0, 0}, {1, 40, 15}, {12, 35, 15}, {12, 14, 41}, {12, 14, 90}, {24, 30, 20}, {35, 60, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.properties << " " << c.label << " " << c.caption);
        const int32_t labels = formlayout::LongestLabelBesideOptions(c.properties, c.caption);
        const int32_t captions = formlayout::LongestOptionCaption(c.properties, c.label);
        if (labels >= 0) {
            EXPECT_TRUE(formlayout::OptionButtonHasRoom(c.properties, labels, c.caption));
            EXPECT_TRUE(labels == formlayout::kLongestRoomText ||
                        !formlayout::OptionButtonHasRoom(c.properties, labels + 1, c.caption));
        } else {
            EXPECT_FALSE(formlayout::OptionButtonHasRoom(c.properties, 0, c.caption));
        }
        if (captions >= 0)
            EXPECT_TRUE(formlayout::OptionButtonHasRoom(c.properties, c.label, captions));
        else
            EXPECT_FALSE(formlayout::OptionButtonHasRoom(c.properties, c.label, 0));
    }
}

}  // namespace
