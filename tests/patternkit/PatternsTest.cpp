// The skeleton and utility patterns driven through a recording engine, and created by their ProgIDs.

#include <gtest/gtest.h>

#include "patternkit/CodePattern.h"
#include "patternkit/ConstructorErrors.h"
#include "patternkit/StdUtilities.h"
#include "platform/automation/CreateObject.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patternkit/ModelDoubles.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace {

using Calls = std::vector<std::string>;

class Patterns : public ::testing::Test {
  protected:
    void SetUp() override {
        patternkit::Common::ResetContinueAnswerForTesting();
        vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
        mOrder = mModel.AddBusinessObject("Order");
    }
    void TearDown() override {
        vb::ClearFixedClockForTesting();
        patternkit::Common::ResetContinueAnswerForTesting();
    }

    // Sets the inputs in the engine's order.
    void SetInputs(typelib::IPattern& pattern) {
        pattern.SetApplication(mApplication);
        pattern.SetBusinessObject(mOrder);
        pattern.SetProperties(mOrder->properties);
        pattern.SetMethods(nullptr);
        pattern.SetConstructor(mEngine);
    }

    testing_support::FakeModel mModel;
    std::shared_ptr<testing_support::FakeBusinessObject> mOrder;
    std::shared_ptr<testing_support::FakeApplication> mApplication =
        std::make_shared<testing_support::FakeApplication>();
    std::shared_ptr<testing_support::RecordingConstructor> mEngine =
        std::make_shared<testing_support::RecordingConstructor>();
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScope{mScript};
};

TEST_F(Patterns, SkeletonSetsUpItsClassAndWritesNothing) {
    patternkit::CodePattern pattern;
    SetInputs(pattern);
    EXPECT_EQ(pattern.Build(), std::nullopt);
    EXPECT_EQ(mEngine->calls, (Calls{"SetVBProject(OrdersBusiness, 0)", "SetVBComponent(Test, Class1, 1, )",
                                     "StartCoding()", "FinishCoding()"}));
    EXPECT_TRUE(mEngine->lines.empty());
    EXPECT_EQ(pattern.CurrentBusObj(), mOrder);
}

TEST_F(Patterns, SkeletonsCurrentParentIsTheOnlyParent) {
    const auto customer = mModel.AddBusinessObject("Customer");
    const auto region = mModel.AddBusinessObject("Region");
    const struct {
        const char* what;
        std::vector<std::shared_ptr<testing_support::FakeBusinessObject>> parents;
        std::shared_ptr<typelib::IBusinessObject> expected;
    } cases[] = {
        {"no parent", {}, nullptr},
        {"one parent", {customer}, customer},
        {"two parents", {customer, region}, nullptr},
    };
    for (const auto& c : cases) {
        mOrder->sourceAssociations->items.clear();
        for (const auto& parent : c.parents)
            mModel.Relate(mOrder, parent, "Identifying");
        patternkit::CodePattern pattern;
        SetInputs(pattern);
        pattern.Build();
        EXPECT_EQ(pattern.CurrentParentBusObj(), c.expected) << c.what;
    }
}

TEST_F(Patterns, SkeletonEndsAfterAnEngineFailureWithoutAResult) {
    mEngine->results["SetVBComponent"] = {typelib::Project_Not_Found};
    patternkit::CodePattern pattern;
    SetInputs(pattern);
    EXPECT_EQ(pattern.Build(), std::nullopt);
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(mScript.Prompts()[0].prompt, "The project: OrdersBusiness does not exist.  Ending execution.");
    EXPECT_EQ(mEngine->calls.back(), "SetVBComponent(Test, Class1, 1, )");
}

TEST_F(Patterns, SkeletonAnswersEvalAndIdentity) {
    patternkit::CodePattern pattern;
    EXPECT_EQ(pattern.Eval(""), "");
    EXPECT_EQ(pattern.Eval("&BusObjName"), "");
    EXPECT_EQ(pattern.PatternName(), "MyCodePatternName");
    EXPECT_EQ(pattern.DeveloperName(), "MyCompanyName");
    EXPECT_EQ(pattern.Version(), "MyCodePatternVersion");
    EXPECT_EQ(pattern.Revision(), "MyCodePatternRevision");
    EXPECT_EQ(pattern.ComponentName(), "DLL_Name.ClassName");
    EXPECT_EQ(pattern.FormTemplate(), "FileName.frm");
}

TEST_F(Patterns, UtilityWritesErrorDisplayIntoTheLayer1Project) {
    patternkit::StdUtilities pattern;
    SetInputs(pattern);
    EXPECT_EQ(pattern.Build(), std::optional<int16_t>(0));
    EXPECT_EQ(mEngine->calls,
              (Calls{"SetVBProject(OrdersUI, 0)", "SetVBComponent(OrdersUI, ErrorDisplay, 1, )",
                     "StartCoding()", "FinishCoding()"}));
    testing_support::ExpectMatchesGolden(mEngine->lines, "ErrorDisplay.txt");
    EXPECT_EQ(pattern.CurrentBusObj(), mOrder);
}

TEST_F(Patterns, UtilityAfterEngineFailures) {
    const struct {
        const char* what;
        const char* member;
        int32_t failure;
        int32_t answer;  // 0: an OK box
        int16_t expected;
        const char* prompt;
    } cases[] = {
        {"project fails", "SetVBProject", typelib::Project_Not_Created, 0, 10,
         "The project: OrdersUI could not be created. A project with the same name already exists or the "
         "name is "
         "not a valid Visual Basic name. Ending execution."},
        {"component fails, Yes", "SetVBComponent", typelib::Component_Not_Created, ui::vbYes, 0,
         "The component: ErrorDisplay could not be created. A component with the same name already exists or "
         "the "
         "name is not a valid Visual Basic name. Do you want to continue."},
        {"component fails, No", "SetVBComponent", typelib::Component_Not_Created, ui::vbNo, 10, nullptr},
    };
    for (const auto& c : cases) {
        mEngine = std::make_shared<testing_support::RecordingConstructor>();
        mEngine->results[c.member] = {c.failure};
        if (c.answer != 0)
            mScript.AnswerMsgBox(c.answer);
        patternkit::StdUtilities pattern;
        SetInputs(pattern);
        EXPECT_EQ(pattern.Build(), std::optional<int16_t>(c.expected)) << c.what;
        EXPECT_TRUE(mEngine->lines.empty()) << c.what;
        EXPECT_EQ(mEngine->calls.back(), c.member == std::string("SetVBProject")
                                             ? "SetVBProject(OrdersUI, 0)"
                                             : "SetVBComponent(OrdersUI, ErrorDisplay, 1, )")
            << c.what;
        if (c.prompt != nullptr) {
            EXPECT_EQ(mScript.Prompts().back().prompt, c.prompt) << c.what;
        }
    }
}

TEST_F(Patterns, UtilityPassesErrorsOnWithItsName) {
    patternkit::StdUtilities pattern;
    SetInputs(pattern);
    pattern.SetApplication(nullptr);
    try {
        pattern.Build();
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kObjectNotSet);
        EXPECT_EQ(error.Source(), "StdUtilities.Build->");
    }
}

TEST_F(Patterns, UtilityLacksTheGettersItHasNoUseFor) {
    patternkit::StdUtilities pattern;
    try {
        pattern.CurrentParentBusObj();
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kNoSuchMember);
    }
}

TEST_F(Patterns, TheLibraryRegistersBothPatternsByProgID) {
    const auto skeleton = automation::CreateObjectAs<typelib::IPattern>("Brisolet.CodePattern");
    SetInputs(*skeleton);
    EXPECT_EQ(skeleton->Build(), std::nullopt);
    EXPECT_EQ(mEngine->calls.size(), 4u);

    mEngine = std::make_shared<testing_support::RecordingConstructor>();
    const auto utility = automation::CreateObjectAs<typelib::IPattern>("Brisolet.StdUtilities");
    SetInputs(*utility);
    EXPECT_EQ(utility->Build(), std::optional<int16_t>(0));
    testing_support::ExpectMatchesGolden(mEngine->lines, "ErrorDisplay.txt");
}

}  // namespace
