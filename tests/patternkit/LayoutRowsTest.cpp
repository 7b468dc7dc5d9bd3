// Property rows: label and data control, the operator combo of a search row, the form width they ask
// for, and what a refused control answered Yes or No leaves behind.

#include <gtest/gtest.h>

#include <functional>

#include "patternkit/LayoutRows.h"
#include "platform/vb/Error.h"
#include "tests/patternkit/LayoutTestSupport.h"

namespace {

using namespace testing_support;
namespace Common = patternkit::Common;

ExpectedCalls SearchRow(int labelWidth, int comboLeft, int comboWidth, int textLeft, int textWidth) {
    ExpectedCalls expected;
    expected.RowLabel("OrderDate", "Order Date", 300, 300, labelWidth)
        .Control("cmbOrderDate", "ComboBox")
        .Set("Top", 300)
        .Set("Left", comboLeft)
        .Set("Style", 2)
        .Set("Width", comboWidth)
        .RowData("txtOrderDate", "TextBox", 300, textLeft, 350, textWidth);
    return expected;
}

TEST_F(LayoutTest, SearchRowInEachSizeSet) {
    const struct {
        const char* name;
        void (patternkit::form_ctl_defaults::*set)();
        int labelWidth;
        ExpectedCalls expected;
        Position after;
    } cases[] = {
        {"standard",
         &patternkit::form_ctl_defaults::SetStandardSize,
         1200,
         SearchRow(1200, 1800, 600, 2700, 3000),
         {950, 300, 6000, 300}},
        {"average",
         &patternkit::form_ctl_defaults::SetAverageSize,
         900,
         SearchRow(900, 1350, 600, 2100, 2000),
         {800, 300, 4250, 300}},
        {"small",
         &patternkit::form_ctl_defaults::SetSmallSize,
         700,
         SearchRow(700, 1100, 800, 2000, 1000),
         {750, 300, 3100, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine.calls.clear();
        layout = {};
        (layout.*c.set)();
        layout.Setmax_label_width(static_cast<int16_t>(c.labelWidth));
        Common::AddTextBoxControl(*MakeProperty(" OrderDate ", "Order Date", "Date"), engine, layout, true);
        EXPECT_EQ(engine.calls, c.expected.calls);
        EXPECT_EQ(PositionOf(layout), c.after);
    }
}

TEST_F(LayoutTest, TextRowWidensTheFormUpToItsLimit) {
    // The text box stands at 300 + 960 + 300 and needs 1560 + 3000 + 300 = 4860.
    const struct {
        int formWidth, maxFormWidth, expected;
    } cases[] = {{0, 10000, 4860}, {7000, 10000, 7000}, {0, 4000, 4000}, {9000, 4000, 4000}, {0, 4860, 4860}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formWidth);
        layout = {};
        layout.Setmax_label_width(960);
        layout.Setactual_form_width(static_cast<int16_t>(c.formWidth));
        layout.Setmax_form_width(static_cast<int16_t>(c.maxFormWidth));
        Common::AddTextBoxControl(*MakeProperty("Name", "Name"), engine, layout, false);
        EXPECT_EQ(layout.actual_form_width(), c.expected);
    }
    const auto expected = ExpectedCalls()
                              .RowLabel("Name", "Name", 300, 300, 960)
                              .RowData("txtName", "TextBox", 300, 1560, 350, 3000);
    EXPECT_EQ(std::vector<std::string>(engine.calls.begin(), engine.calls.begin() + 13), expected.calls);
}

TEST_F(LayoutTest, ARefusedControlAnsweredNoEndsTheRowWhereItIs) {
    const struct {
        const char* name;
        std::size_t refused;
        int answer;
        std::vector<std::string> controls;
        Position after;
    } cases[] = {
        {"label, No", 1, ui::vbNo, {"lblOrderDate"}, {300, 300, 0, 0}},
        {"label, Yes", 1, ui::vbYes, {"lblOrderDate", "cmbOrderDate", "txtOrderDate"}, {950, 300, 6000, 300}},
        {"operator, No", 2, ui::vbNo, {"lblOrderDate", "cmbOrderDate"}, {300, 1800, 0, 0}},
        {"text, No", 3, ui::vbNo, {"lblOrderDate", "cmbOrderDate", "txtOrderDate"}, {300, 2700, 0, 0}},
        {"text, Yes", 3, ui::vbYes, {"lblOrderDate", "cmbOrderDate", "txtOrderDate"}, {950, 300, 6000, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine.calls.clear();
        layout = {};
        layout.Setmax_label_width(1200);
        RefuseControl(c.refused);
        script.AnswerMsgBox(c.answer);
        Common::AddTextBoxControl(*MakeProperty("OrderDate", "Order Date", "Date"), engine, layout, true);
        EXPECT_EQ(ControlNames(engine), c.controls);
        EXPECT_EQ(PositionOf(layout), c.after);
        // The refused control gets no properties.
        const auto refusedAt = std::find(engine.calls.begin(), engine.calls.end(),
                                         "SetVBControl(" + c.controls[c.refused - 1] + ", " +
                                             (c.refused == 1   ? "Label"
                                              : c.refused == 2 ? "ComboBox"
                                                               : "TextBox") +
                                             ")");
        ASSERT_NE(refusedAt, engine.calls.end());
        EXPECT_TRUE(refusedAt + 1 == engine.calls.end() || refusedAt[1].starts_with("SetVBControl("));
    }
    EXPECT_EQ(script.Prompts().size(), std::size(cases));
}

TEST_F(LayoutTest, LowerRowsByControlType) {
    using Placer = std::function<void(const typelib::IProperty&)>;
    const Placer combo = [&](const typelib::IProperty& p) { Common::AddComboBoxControl(p, engine, layout); };
    const Placer list = [&](const typelib::IProperty& p) { Common::AddListBoxControl(p, engine, layout); };
    const Placer rich = [&](const typelib::IProperty& p) {
        Common::AddRichTextBoxControl(p, engine, layout);
    };
    const Placer check = [&](const typelib::IProperty& p) { Common::AddCheckBoxControl(p, engine, layout); };
    const std::string thirty(30, 'x');
    const auto labelled = [](const char* name, const char* progId, int height, int width) {
        return ExpectedCalls()
            .RowLabel("X", "X label", 300, 300, 960)
            .RowData(name, progId, 300, 1560, height, width);
    };
    const struct {
        const char* name;
        Placer placer;
        std::shared_ptr<LayoutProperty> property;
        ExpectedCalls expected;
        Position after;
    } cases[] = {
        // 4 x 120 + 200 is narrower than a text box.
        {"combo, short values",
         combo,
         WithValues(MakeProperty("X", "X label"), {"Open", " Closed "}),
         labelled("cmbX", "ComboBox", 350, 3000),
         {950, 300, 4860, 950}},
        {"combo, 30-character value",
         combo,
         WithValues(MakeProperty("X", "X label"), {"Open", thirty}),
         labelled("cmbX", "ComboBox", 350, 3800),
         {950, 300, 5660, 950}},
        {"combo, no list",
         combo,
         MakeProperty("X", "X label"),
         labelled("cmbX", "ComboBox", 350, 3000),
         {950, 300, 4860, 950}},
        {"list, 30-character value",
         list,
         WithValues(MakeProperty("X", "X label"), {thirty}),
         labelled("lstbxX", "ListBox", 1000, 3600),
         {1600, 300, 5460, 1600}},
        {"list, Memo", list, MakeProperty("X", "X label", "Memo"), {}, {300, 300, 0, 0}},
        {"list, OLE Object", list, MakeProperty("X", "X label", "OLE Object"), {}, {300, 300, 0, 0}},
        {"rich text, Memo",
         rich,
         MakeProperty("X", "X label", "Memo"),
         labelled("rtxtX", "RichTextLib.RichTextBox", 1000, 2000),
         {1600, 300, 3860, 1600}},
        {"rich text, OLE Object", rich, MakeProperty("X", "X label", "OLE Object"), {}, {300, 300, 0, 0}},
        // 200 + 7 x 120, at the caller's column, captioned by the label.
        {"check box",
         check,
         MakeProperty("X", " X label ", "Boolean"),
         ExpectedCalls()
             .Control("ckbX", "CheckBox")
             .Set("Top", 300)
             .Set("Left", 300)
             .Set("Height", 350)
             .Set("Caption", " X label ")
             .Set("Width", 1040),
         {950, 300, 1640, 950}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine.calls.clear();
        layout = {};
        layout.Setmax_label_width(960);
        c.placer(*c.property);
        EXPECT_EQ(engine.calls, c.expected.calls);
        EXPECT_EQ(PositionOf(layout), c.after);
    }
}

TEST_F(LayoutTest, ARowPastTheIntegerRangeOverflows) {
    layout.Setleft(32000);
    layout.Setmax_label_width(960);
    try {
        Common::AddTextBoxControl(*MakeProperty("Name", "Name"), engine, layout, false);
        FAIL() << "no overflow";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kOverflow);
    }
    // The label was placed before the column moved past 32767.
    EXPECT_EQ(ControlNames(engine), (std::vector<std::string>{"lblName"}));
}

}  // namespace
