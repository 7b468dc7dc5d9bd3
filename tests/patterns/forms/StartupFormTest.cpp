// The startup-form pattern through a recording engine: its engine calls, its three modules against the
// hand-written files of tests/golden/, and the decisions taken for its open points.

#include <gtest/gtest.h>

#include <algorithm>

#include "patterns/forms/StdStartupForm.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/forms/FormsModel.h"
#include "tests/support/ErrorNumber.h"

namespace forms_test {
namespace {

using Lines = std::vector<std::string>;

class StartupForm : public FormPatternTest {
  protected:
    StartupForm() : mSample(OrderEntryModel()) {}

    // A new pattern object, as the engine creates one per build.
    std::optional<int16_t> Build() {
        ui::ScopedInteraction installed(mScript);
        mPattern = std::make_unique<forms::StdStartupForm>();
        mEngine->pattern = mPattern.get();
        mEngine->application = mSample.application;
        mPattern->SetApplication(mSample.application);
        mPattern->SetConstructor(mEngine);
        return mPattern->Build();
    }

    // The SetVBControlProperty calls made for the button of `name`, "Top, 300" and the like.
    Lines ButtonProperties(const std::string& name) const {
        Lines properties;
        bool inButton = false;
        for (const std::string& call : mEngine->calls) {
            if (call.starts_with("SetVBControl("))
                inButton = call == "SetVBControl(cmd" + name + ", CommandButton)";
            else if (inButton && call.starts_with("SetVBControlProperty("))
                properties.push_back(call.substr(21, call.size() - 22));
        }
        return properties;
    }

    size_t CountCalls(const std::string& prefix) const {
        return static_cast<size_t>(
            std::count_if(mEngine->calls.begin(), mEngine->calls.end(),
                          [&](const std::string& call) { return call.starts_with(prefix); }));
    }

    FormsModel mSample;
    std::unique_ptr<forms::StdStartupForm> mPattern;
};

TEST_F(StartupForm, WritesTheThreeComponentsIntoTheStartUpProject) {
    EXPECT_EQ(Build(), 0);
    EXPECT_EQ(mEngine->calls,
              (Lines{
                  "SetVBProject(OrderEntryUI, 0)",
                  "SetVBStartUpProject()",
                  "SetVBComponent(OrderEntryUI, frmOrderEntry_Startup, 3, frmStd_StartUp.frm)",
                  "SetVBComponentProperty(StartUpPosition, 2)",
                  "SetVBControl(cmdCustomer, CommandButton)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Caption, Customer)",
                  "SetVBControlProperty(Top, 300)",
                  "SetVBControlProperty(Left, 300)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Width, 1500)",
                  "SetVBControl(cmdProduct, CommandButton)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Caption, Product)",
                  "SetVBControlProperty(Top, 1200)",
                  "SetVBControlProperty(Left, 300)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Width, 1500)",
                  "SetVBControl(cmdOrder, CommandButton)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Caption, Order)",
                  "SetVBControlProperty(Top, 2100)",
                  "SetVBControlProperty(Left, 300)",
                  "SetVBControlProperty(Height, 600)",
                  "SetVBControlProperty(Width, 1500)",
                  "SetVBProject(OrderEntryUI, 0)",
                  "SetVBStartUpProject()",
                  "StartCoding()",
                  "FinishCoding()",
                  "SetVBComponent(OrderEntryUI, frmOrderEntry_Logon, 3, frmStd_Logon.frm)",
                  "SetVBComponentProperty(StartUpPosition, 2)",
                  "SetVBProject(OrderEntryUI, 0)",
                  "SetVBStartUpProject()",
                  "StartCoding()",
                  "FinishCoding()",
                  "SetVBComponent(OrderEntryUI, Common, 2, )",
                  "StartCoding()",
                  "FinishCoding()",
              }));
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(StartupForm, ModulesMatchTheirGoldenFiles) {
    struct Case {
        const char* what;
        int32_t architecture;
        const char* dsn;
        bool withObjects;
        const char* component;
        const char* golden;
    };
    const Case cases[] = {
        {"sample's startup form", 3, "OrderEntry", true, "frmOrderEntry_Startup",
         "StartupForm_OrderEntry.txt"},
        {"two projects declare the same", 2, "OrderEntry", true, "frmOrderEntry_Startup",
         "StartupForm_OrderEntry.txt"},
        {"one project, no object", 1, "OrderEntry", false, "frmOrderEntry_Startup",
         "StartupForm_SingleTier_NoObjects.txt"},
        {"logon form", 3, "OrderEntry", true, "frmOrderEntry_Logon", "LogonForm.txt"},
        {"Common of three projects", 3, "OrderEntry", true, "Common", "CommonLayer1_3Tier.txt"},
        {"Common of one project by ODBC", 1, "OrderEntry", true, "Common", "CommonLayer1_1Tier_DSN.txt"},
        {"Common of one project, DSN of blanks", 1, "   ", true, "Common", "CommonLayer1_1Tier_Jet.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mSample = c.withObjects ? OrderEntryModel() : FormsModel();
        mSample.application->architecture = c.architecture;
        mSample.application->dsn = c.dsn;
        mEngine = std::make_shared<testing_support::TokenEngine>();
        ASSERT_EQ(Build(), 0);
        testing_support::ExpectMatchesGolden(
            mEngine->componentLines[std::string("OrderEntryUI/") + c.component], c.golden);
    }
}

TEST_F(StartupForm, CommonLeavesOutTheQuoteDoublingWhereItsProjectHoldsALowerLayer) {
    struct Case {
        const char* layer2;
        const char* layer3;
        int written;
    };
    const Case cases[] = {{"SampleBusiness", "SampleData", 1},
                          {" OrderEntryUI", "SampleData", 0},
                          {"SampleBusiness", "OrderEntryUI ", 0}};
    for (const Case& c : cases) {
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mSample.application->l2ProjectName = c.layer2;
        mSample.application->l3ProjectName = c.layer3;
        ASSERT_EQ(Build(), 0);
        const Lines& code = mEngine->componentLines["OrderEntryUI/Common"];
        EXPECT_EQ(std::count(code.begin(), code.end(),
                             "Public Function DoubleQuotes(ByVal strValue As String) As String"),
                  c.written)
            << c.layer2 << "/" << c.layer3;
    }
}

TEST_F(StartupForm, NineTopLevelObjectsFillOneColumnAndStartTheNext) {
    mSample = FormsModel();
    for (int i = 1; i <= 9; ++i)
        mSample.Add("Object" + std::to_string(i), i);
    ASSERT_EQ(Build(), 0);
    for (int i = 1; i <= 8; ++i) {
        const Lines properties = ButtonProperties("Object" + std::to_string(i));
        ASSERT_EQ(properties.size(), 6u);
        EXPECT_EQ(properties[2], "Top, " + std::to_string(300 + (i - 1) * 900));
        EXPECT_EQ(properties[3], "Left, 300");
    }
    EXPECT_EQ(ButtonProperties("Object9")[2], "Top, 300");
    EXPECT_EQ(ButtonProperties("Object9")[3], "Left, 2100");
}

TEST_F(StartupForm, OnlyBuiltObjectsThatNoOtherContainsGetAButtonAndAClickProcedure) {
    mSample = FormsModel();
    const auto customer = mSample.Add("Customer", 1);
    mSample.Add("Product", 2)->isBuilt = false;
    const auto order = mSample.Add("Order", 3);
    mSample.model.Relate(mSample.Add("OrderLine", 4), order, "Identifying");
    const auto note = mSample.Add("OrderNote", 5);
    mSample.model.Relate(note, order, "Identifying");
    mSample.model.Relate(note, customer, "Identifying");
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(CountCalls("SetVBControl("), 2u);
    EXPECT_EQ(ButtonProperties("Order")[2], "Top, 1200");
    Lines clicks;
    for (const std::string& line : mEngine->componentLines["OrderEntryUI/frmOrderEntry_Startup"]) {
        if (line.ends_with("_Click()"))
            clicks.push_back(line);
    }
    EXPECT_EQ(clicks, (Lines{"Private Sub cmdCustomer_Click()", "Private Sub cmdOrder_Click()"}));
}

TEST_F(StartupForm, ARefusedButtonAnsweredYesGetsNoPropertiesAndTheNextStillMovesDown) {
    mEngine->results["SetVBControl"] = {0, 6};
    mScript.AnswerMsgBox(ui::vbYes);
    ASSERT_EQ(Build(), 0);
    EXPECT_TRUE(ButtonProperties("Product").empty());
    EXPECT_EQ(ButtonProperties("Order")[2], "Top, 2100");
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(
        mScript.Prompts()[0].prompt,
        "The control: cmdProduct could not be created. A control with the same name already exists, the "
        "name is not a valid Visual Basic name, or the ProgID is invalid. Do you want to continue.");
    // Every top-level object keeps its click procedure, so a button added by hand works.
    const Lines& code = mEngine->componentLines["OrderEntryUI/frmOrderEntry_Startup"];
    EXPECT_NE(std::find(code.begin(), code.end(), "Private Sub cmdProduct_Click()"), code.end());
}

TEST_F(StartupForm, EngineFailuresEndTheBuildAsTheirStepSays) {
    struct Case {
        const char* what;
        const char* member;
        std::vector<int32_t> results;
        int32_t answer;  // 0: no question expected
        int16_t expected;
        const char* lastCall;
    };
    const Case cases[] = {
        {"project missing", "SetVBProject", {2}, 0, 10, "SetVBProject(OrderEntryUI, 0)"},
        {"startup form refused, Yes",
         "SetVBComponent",
         {4},
         ui::vbYes,
         10,
         "SetVBComponent(OrderEntryUI, frmOrderEntry_Startup, 3, frmStd_StartUp.frm)"},
        {"project lost before coding", "SetVBProject", {0, 2}, 0, 10, "SetVBProject(OrderEntryUI, 0)"},
        {"logon form refused, Yes",
         "SetVBComponent",
         {0, 4},
         ui::vbYes,
         10,
         "SetVBComponent(OrderEntryUI, frmOrderEntry_Logon, 3, frmStd_Logon.frm)"},
        {"Common refused, Yes",
         "SetVBComponent",
         {0, 0, 4},
         ui::vbYes,
         0,
         "SetVBComponent(OrderEntryUI, Common, 2, )"},
        {"Common refused, No",
         "SetVBComponent",
         {0, 0, 4},
         ui::vbNo,
         10,
         "SetVBComponent(OrderEntryUI, Common, 2, )"},
        {"Common's project missing after an earlier Yes",
         "SetVBComponent",
         {0, 0, 1},
         0,
         10,
         "SetVBComponent(OrderEntryUI, Common, 2, )"},
        {"button refused, No", "SetVBControl", {6}, ui::vbNo, 10, "SetVBControl(cmdCustomer, CommandButton)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mScript = ui::ScriptedInteraction();
        mEngine->results[c.member] = c.results;
        if (c.answer != 0)
            mScript.AnswerMsgBox(c.answer);
        EXPECT_EQ(Build(), c.expected);
        EXPECT_EQ(mEngine->calls.back(), c.lastCall);
        EXPECT_EQ(mScript.Prompts().size(), 1u);
    }
}

TEST_F(StartupForm, TwoHundredTopLevelObjectsBuildWithButtonsWhereIntegerPositionsReach) {
    mSample = FormsModel();
    for (int i = 1; i <= 200; ++i)
        mSample.Add("Object" + std::to_string(i), i);
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(CountCalls("SetVBControl("), 152u);
    const Lines last = ButtonProperties("Object152");
    EXPECT_EQ(last[2], "Top, 6600");
    EXPECT_EQ(last[3], "Left, 32700");
    const Lines& code = mEngine->componentLines["OrderEntryUI/frmOrderEntry_Startup"];
    EXPECT_EQ(std::count_if(code.begin(), code.end(),
                            [](const std::string& line) { return line.ends_with("_Click()"); }),
              200);
}

TEST_F(StartupForm, AnErrorWhileCodingCarriesBothProceduresInItsSource) {
    const auto failing = std::make_shared<FailingEngine>();
    failing->failOn = "ReturnControl";
    failing->error = vb::Error(5, "Invalid procedure call", "Code");
    mEngine = failing;
    const vb::Error error = testing_support::ErrorOf([&] { Build(); });
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Source(), "StdStartupForm.Build->StdStartupForm.GenerateStartUpCode->Code");
    EXPECT_EQ(mPattern->LastError().source, "StdStartupForm.Build->StdStartupForm.GenerateStartUpCode->Code");
    EXPECT_EQ(mEngine->calls.back(), "StartCoding()");
}

}  // namespace
}  // namespace forms_test
