// Controls on a generated form, component properties, and code lines with their count in the monitor.

#include "tests/core/EngineFixture.h"

namespace enginetest {
namespace {

using testpatterns::BarePattern;
using typelib::IConstructor;

TEST_F(EngineTest, ControlResults) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    Steps([&](IConstructor& engine, BarePattern&) {
        EXPECT_EQ(engine.SetVBControl("txtName", "TextBox"), 3);
        EXPECT_EQ(engine.SetVBControlProperty("Width", 1200), 3);
        EXPECT_EQ(engine.GetVBControlProperty("Width"), vb::Variant(int16_t{3}));
        EXPECT_EQ(engine.SetVBComponentProperty("StartUpPosition", 2), 3);
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);

        ASSERT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 0);
        EXPECT_EQ(engine.SetVBControl("txtName", "TextBox"), 5);  // a class has no designer
        EXPECT_EQ(engine.GetVBControlProperty("Width"), vb::Variant(int16_t{5}));

        ASSERT_EQ(engine.SetVBComponent("Sales", "frmOrder", 3, form), 0);
        EXPECT_EQ(engine.SetVBComponentProperty("StartUpPosition", 2), 0);
        EXPECT_EQ(engine.SetVBComponentProperty("NoSuchProperty", 2), 5);
        EXPECT_EQ(engine.SetVBControlProperty("Width", 1200), 7);
        EXPECT_EQ(engine.SetVBControl("FrameName", "Frame"), 0);
        EXPECT_EQ(engine.SetVBControl("txtName", "TextBox"), 0);
        EXPECT_EQ(engine.SetVBControlProperty("Width", 1200), 0);
        EXPECT_EQ(engine.SetVBControlProperty("NoSuchProperty", 1), 6);
        EXPECT_EQ(engine.SetVBControl("lvList", "No.SuchControl"), 6);
        EXPECT_EQ(engine.SetVBControlProperty("Text", "still txtName"), 0);
        EXPECT_EQ(engine.SetVBControl("txtName", "TextBox"), 6);  // the name is taken
        EXPECT_EQ(engine.GetVBControlProperty("NoSuchProperty"), vb::Variant(int16_t{6}));
        engine.AddVBControlToFrame("txtName", "FrameName");
        EXPECT_EQ(ErrorNumberOf([&] { engine.AddVBControlToFrame("txtNobody", "FrameName"); }),
                  vb::kSubscriptOutOfRange);
        engine.StartCoding();
        engine.FinishCoding();
        EXPECT_EQ(engine.SetVBControl("txtOther", "TextBox"), 5);
        EXPECT_EQ(engine.SetVBControlProperty("Width", 1), 5);
    });
    const auto designer = Project("Sales")->VBComponents().Item("frmOrder")->Designer();
    const auto text = designer->VBControls().Item("txtName");
    EXPECT_EQ(text->Properties("Width")->Value().ToLong(), 1200);
    EXPECT_EQ(text->Properties("Text")->Value().ToString(), "still txtName");
    EXPECT_EQ(text->Container(), designer->VBControls().Item("FrameName"));
    EXPECT_EQ(designer->FormProperties().Value("StartUpPosition").ToLong(), 2);
}

// One engine makes many forms of one template: each starts from the template as the file stands when the
// form is made, with controls of its own.
TEST_F(EngineTest, EachFormStartsFromItsTemplateAsTheFileStandsThen) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    const auto rewrite = [&](const std::string& caption) {
        std::ofstream(mFolder / form) << "VERSION 5.00\r\n"
                                         "Begin VB.Form frmTemplate \r\n"
                                         "   Caption         =   \"" +
                                             caption +
                                             "\"\r\n"
                                             "End\r\n"
                                             "Attribute VB_Name = \"frmTemplate\"\r\n";
    };
    const struct {
        const char* component;
        std::function<void()> before;
        int16_t result;
        const char* caption;
    } cases[] = {
        {"frmFirst", [] {}, typelib::Success, "Template"},
        {"frmSecond", [] {}, typelib::Success, "Template"},
        {"frmRewritten", [&] { rewrite("Rewritten caption"); }, typelib::Success, "Rewritten caption"},
        {"frmGone", [&] { std::filesystem::remove(mFolder / form); }, typelib::Component_Not_Created, ""},
        {"frmFirst", [] {}, typelib::Component_Not_Created, "Template"},  // the old form stays
        {"frmBack", [&] { rewrite("Back"); }, typelib::Success, "Back"},
    };
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.component);
            c.before();
            ASSERT_EQ(engine.SetVBComponent("Sales", c.component, typelib::Form, form), c.result);
            if (c.result != typelib::Success)
                continue;
            EXPECT_EQ(engine.SetVBControl("txtOnlyHere", "TextBox"), typelib::Success);
            EXPECT_EQ(engine.SetVBControlProperty("Text", std::string(c.component)), typelib::Success);
            engine.StartCoding();
            engine.FinishCoding();
        }
    });
    const auto project = Project("Sales");
    EXPECT_EQ(ComponentNames(*project),
              (std::vector<std::string>{"frmFirst", "frmSecond", "frmRewritten", "frmBack"}));
    for (const auto& c : cases) {
        if (c.result != typelib::Success)
            continue;
        SCOPED_TRACE(c.component);
        const auto component = project->VBComponents().Item(c.component);
        EXPECT_EQ(component->Properties("Caption")->Value(), vb::Variant(c.caption));
        const auto& controls = component->Designer()->VBControls();
        ASSERT_EQ(controls.Count(), 1);
        EXPECT_EQ(controls.Item(1)->Properties("Text")->Value(), vb::Variant(c.component));
    }
}

TEST_F(EngineTest, LinesGoAboveTheTemplatesCodeAndAreCountedInTheMonitorEachLineBreakToo) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        // Text with line breaks is the lines it holds, each counted: the next one goes below them all.
        WriteComponent(engine, "frmOrder", 3, {"Option Explicit", "Dim a\r\nDim b\nDim c\rDim d", "Dim e"},
                       form);
        WriteComponent(engine, "Order", 1, {});
        WriteComponent(engine, "OrderList", 1, {"a", "b"});
    });
    const auto project = Project("Sales");
    EXPECT_EQ(project->VBComponents().Item("frmOrder")->CodeModule()->AllLines(),
              (std::vector<std::string>{"Option Explicit", "Dim a", "Dim b", "Dim c", "Dim d", "Dim e",
                                        "Private Sub Form_Load()", "End Sub"}));
    const auto& rows = mEngine->Monitor().Rows();
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"frmOrder", "6"}, {"Order", "0"}, {"OrderList", "2"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].component, expected[i].first);
        EXPECT_EQ(rows[i].linesOfCode, expected[i].second);
        EXPECT_EQ(rows[i].status, "Finished");
        EXPECT_EQ(rows[i].project, "Sales");
        EXPECT_EQ(rows[i].businessObject, "Order");
    }
    EXPECT_EQ(mEngine->Monitor().TotalLinesOfCodeText(), "8");
    EXPECT_EQ(mEngine->Monitor().Caption(), "Building Application: Sales");
}

TEST_F(EngineTest, FinishCodingClosesEveryWindowWhoseCaptionHoldsTheName) {
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        ASSERT_EQ(engine.SetVBComponent("Sales", "BarFoo", 1, ""), 0);
        ASSERT_EQ(engine.SetVBComponent("Sales", "Other", 1, ""), 0);
        ASSERT_EQ(engine.SetVBComponent("Sales", "Foo", 1, ""), 0);
        EXPECT_EQ(mVBE->Windows().Count(), 3);
        engine.StartCoding();
        engine.FinishCoding();
        EXPECT_EQ(ErrorNumberOf([&] { engine.Code("x"); }), vb::kObjectNotSet);
    });
    ASSERT_EQ(mVBE->Windows().Count(), 1);
    EXPECT_EQ(mVBE->Windows().Item(1)->Caption(), "Sales - Other (Code)");
}

}  // namespace
}  // namespace enginetest
