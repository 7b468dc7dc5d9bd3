// The pattern's build order through a recording engine: projects and components for one, two and three
// projects, shared modules once per project, the continue question, and the errors' sources.

#include <gtest/gtest.h>

#include "patternkit/ConstructorErrors.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "platform/automation/CreateObject.h"
#include "platform/ui/ScriptedInteraction.h"
#include "tests/patterns/tier3/SampleModel.h"

namespace {

using Calls = std::vector<std::string>;

// Calls and code lines in one sequence.
class SequenceEngine : public testing_support::RecordingConstructor {
  public:
    void Code(std::string_view line) override { calls.push_back("Code(" + std::string(line) + ")"); }
};

// Generators that write their own name as their one line.
tier3::Generators NamingGenerators() {
    auto naming = [](const char* name) {
        return [name](tier3::GeneratorContext& context) { context.Engine().Code(name); };
    };
    return {naming("GenerateL2BusObj"),    naming("GenerateL2Batch"),  naming("GenerateL2List"),
            naming("GenerateUDT"),         naming("GenerateL3BusObj"), naming("GenerateCommonLayer3"),
            naming("GenerateCommonLayer2")};
}

Calls Component(const std::string& project, const std::string& name, int type, const std::string& generator) {
    return {"SetVBComponent(" + project + ", " + name + ", " + std::to_string(type) + ", )", "StartCoding()",
            "Code(" + generator + ")", "FinishCoding()"};
}

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Calls ExpectedOrder(int architecture) {
    const std::string type = architecture == 1 ? "0" : "2";
    const Calls layer2 = Join({{"SetVBProject(SampleBusiness, " + type + ")"},
                               Component("SampleBusiness", "Customer", 1, "GenerateL2BusObj"),
                               Component("SampleBusiness", "CustomerBatch", 1, "GenerateL2Batch"),
                               Component("SampleBusiness", "CustomerList", 1, "GenerateL2List"),
                               Component("SampleBusiness", "CustomerUDT", 2, "GenerateUDT"),
                               {"SetVBProject(SampleData, " + type + ")"},
                               Component("SampleData", "CustomerPersist", 1, "GenerateL3BusObj")});
    const Calls persistUDT = architecture == 3
                                 ? Join({{"SetVBProject(SampleData, 0)"},
                                         Component("SampleData", "CustomerPersistUDT", 2, "GenerateUDT")})
                                 : Calls{};
    return Join({layer2,
                 persistUDT,
                 {"VBComponentExists(SampleData, CommonPersist, 2)"},
                 Component("SampleData", "CommonPersist", 2, "GenerateCommonLayer3"),
                 {"VBComponentExists(SampleBusiness, CommonLogical, 2)"},
                 Component("SampleBusiness", "CommonLogical", 2, "GenerateCommonLayer2")});
}

bool Contains(const Calls& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

class BuildOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        patternkit::Common::ResetContinueAnswerForTesting();
        testing_support::AddCustomerProperties(*mCustomer);
    }
    void TearDown() override { patternkit::Common::ResetContinueAnswerForTesting(); }

    void SetInputs(typelib::IPattern& pattern) {
        pattern.SetApplication(mApplication);
        pattern.SetBusinessObject(mCustomer);
        pattern.SetProperties(mCustomer->properties);
        pattern.SetMethods(testing_support::StandardMethods());
        pattern.SetConstructor(mEngine);
    }
    std::optional<int16_t> Build(tier3::Generators generators = NamingGenerators()) {
        tier3::T3BusinessObject pattern(std::move(generators));
        SetInputs(pattern);
        return pattern.Build();
    }
    // The error that Build raises.
    vb::Error BuildError(tier3::Generators generators = NamingGenerators()) {
        try {
            Build(std::move(generators));
        } catch (const vb::Error& error) {
            return error;
        }
        ADD_FAILURE() << "no error";
        return vb::Error(0);
    }

    testing_support::FakeModel mModel;
    std::shared_ptr<testing_support::FakeBusinessObject> mCustomer = mModel.AddBusinessObject("Customer");
    std::shared_ptr<testing_support::SampleApplication> mApplication =
        std::make_shared<testing_support::SampleApplication>();
    std::shared_ptr<SequenceEngine> mEngine = std::make_shared<SequenceEngine>();
    ui::ScriptedInteraction mScript;
    ui::ScopedInteraction mScope{mScript};
};

TEST_F(BuildOrder, OneTwoAndThreeProjects) {
    for (const int architecture : {1, 2, 3}) {
        mEngine = std::make_shared<SequenceEngine>();
        mApplication->architecture = architecture;
        EXPECT_EQ(Build(), std::optional<int16_t>(0)) << architecture;
        EXPECT_EQ(mEngine->calls, ExpectedOrder(architecture)) << architecture;
    }
    EXPECT_TRUE(mScript.Prompts().empty());
}

TEST_F(BuildOrder, WritesOnlyTheComponentsWhoseGeneratorsExist) {
    tier3::T3BusinessObject pattern;
    SetInputs(pattern);
    EXPECT_EQ(pattern.Build(), std::optional<int16_t>(0));
    Calls created;
    for (const auto& call : mEngine->calls) {
        if (call.starts_with("SetVBComponent("))
            created.push_back(call);
    }
    EXPECT_EQ(created, (Calls{"SetVBComponent(SampleBusiness, Customer, 1, )",
                              "SetVBComponent(SampleBusiness, CustomerBatch, 1, )",
                              "SetVBComponent(SampleBusiness, CustomerList, 1, )",
                              "SetVBComponent(SampleBusiness, CustomerUDT, 2, )",
                              "SetVBComponent(SampleData, CustomerPersist, 1, )",
                              "SetVBComponent(SampleData, CustomerPersistUDT, 2, )",
                              "SetVBComponent(SampleData, CommonPersist, 2, )",
                              "SetVBComponent(SampleBusiness, CommonLogical, 2, )"}));
}

TEST_F(BuildOrder, SharedModulesAreWrittenOncePerProject) {
    const struct {
        Calls existing;
        bool writesCommonPersist, writesCommonLogical;
    } cases[] = {
        {{"SampleData/CommonPersist", "SampleBusiness/CommonLogical"}, false, false},
        {{"SampleData/CommonPersist"}, false, true},
        {{"SampleBusiness/CommonLogical"}, true, false},
    };
    for (const auto& c : cases) {
        mEngine = std::make_shared<SequenceEngine>();
        mEngine->existingComponents = c.existing;
        EXPECT_EQ(Build(), std::optional<int16_t>(0));
        EXPECT_TRUE(Contains(mEngine->calls, "VBComponentExists(SampleData, CommonPersist, 2)"));
        EXPECT_TRUE(Contains(mEngine->calls, "VBComponentExists(SampleBusiness, CommonLogical, 2)"));
        EXPECT_EQ(Contains(mEngine->calls, "Code(GenerateCommonLayer3)"), c.writesCommonPersist);
        EXPECT_EQ(Contains(mEngine->calls, "Code(GenerateCommonLayer2)"), c.writesCommonLogical);
    }
}

TEST_F(BuildOrder, ComponentFailuresAndTheContinueAnswer) {
    // The SetVBComponent calls of three projects: 1 Customer ... 8 CommonLogical.
    const struct {
        const char* what;
        std::vector<int32_t> results;
        std::vector<int32_t> answers;
        int16_t expected;
        size_t questions;
        const char* skipped;      // the generator that did not run
        const char* lastWritten;  // the last generator that ran
    } cases[] = {
        {"Yes skips the component", {0, 4}, {ui::vbYes}, 0, 1, "GenerateL2Batch", "GenerateCommonLayer2"},
        {"No ends the build", {0, 4}, {ui::vbNo}, 10, 1, "GenerateL2Batch", "GenerateL2BusObj"},
        {"code 9 asks nothing and goes on", {0, 0, 9}, {}, 0, 0, "GenerateL2List", "GenerateCommonLayer2"},
        {"a cancelled construction ends the build",
         {0, 0, 10},
         {},
         10,
         0,
         "GenerateL2List",
         "GenerateL2Batch"},
        {"a project failure ends the build despite an earlier Yes",
         {4, 3},
         {ui::vbYes},
         10,
         2,
         "GenerateL2BusObj",
         nullptr},
        {"the last component, Yes",
         {0, 0, 0, 0, 0, 0, 0, 4},
         {ui::vbYes},
         0,
         1,
         "GenerateCommonLayer2",
         "GenerateCommonLayer3"},
        {"the last component, No",
         {0, 0, 0, 0, 0, 0, 0, 5},
         {ui::vbNo},
         10,
         1,
         "GenerateCommonLayer2",
         "GenerateCommonLayer3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        patternkit::Common::ResetContinueAnswerForTesting();
        mScript = ui::ScriptedInteraction();
        for (const int32_t answer : c.answers)
            mScript.AnswerMsgBox(answer);
        mEngine = std::make_shared<SequenceEngine>();
        mEngine->results["SetVBComponent"] = c.results;
        EXPECT_EQ(Build(), std::optional<int16_t>(c.expected));
        EXPECT_EQ(mScript.Prompts().size(), c.questions);
        EXPECT_FALSE(Contains(mEngine->calls, "Code(" + std::string(c.skipped) + ")"));
        std::string last;
        for (const auto& call : mEngine->calls) {
            if (call.starts_with("Code("))
                last = call;
        }
        EXPECT_EQ(last, c.lastWritten ? "Code(" + std::string(c.lastWritten) + ")" : "");
        // A failed component is never coded.
        EXPECT_NE(mEngine->calls.back(), "StartCoding()");
    }
}

TEST_F(BuildOrder, ProjectFailuresAndUnknownArchitecturesEndTheBuild) {
    const std::string notCreated =
        "The project: SampleBusiness could not be created. A project with the same name already exists or "
        "the "
        "name is not a valid Visual Basic name. Ending execution.";
    const struct {
        const char* what;
        int32_t architecture;
        std::vector<int32_t> projectResults;
        std::string prompt;
        size_t calls;
    } cases[] = {
        {"layer 2 not created", 3, {2}, notCreated, 1},
        {"layer 3 not found", 2, {0, 1}, "The project: SampleData does not exist.  Ending execution.", 18},
        {"architecture 0", 0, {}, notCreated, 0},
        {"architecture 4", 4, {}, notCreated, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mScript = ui::ScriptedInteraction();
        mEngine = std::make_shared<SequenceEngine>();
        mEngine->results["SetVBProject"] = c.projectResults;
        mApplication->architecture = c.architecture;
        EXPECT_EQ(Build(), std::optional<int16_t>(10));
        EXPECT_EQ(mEngine->calls.size(), c.calls);
        ASSERT_EQ(mScript.Prompts().size(), 1u);
        EXPECT_EQ(mScript.Prompts()[0].prompt, c.prompt);
    }
}

TEST_F(BuildOrder, ErrorsGainTheProcedurePrefixes) {
    tier3::Generators failing = NamingGenerators();
    failing.GenerateL2List = [](tier3::GeneratorContext&) {
        vb::Raise(vb::kTypeMismatch, "Engine.Code", "bad");
    };
    const vb::Error fromGenerator = BuildError(failing);
    EXPECT_EQ(fromGenerator.Number(), vb::kTypeMismatch);
    EXPECT_EQ(fromGenerator.Description(), "bad");
    EXPECT_EQ(fromGenerator.Source(),
              "T3BusinessObjects.Build->T3BusinessObjects.GenerateL2List->Engine.Code");
    // The failed component is not finished.
    EXPECT_EQ(mEngine->calls.back(), "StartCoding()");

    mCustomer->properties->items.clear();
    const vb::Error noProperties = BuildError();
    EXPECT_EQ(noProperties.Number(), vb::kSubscriptOutOfRange);
    EXPECT_EQ(noProperties.Source(), "T3BusinessObjects.Build->");
}

TEST_F(BuildOrder, TheStandardGeneratorsPassEngineErrorsOnWithTheirNames) {
    class FailingEngine : public SequenceEngine {
      public:
        void Code(std::string_view) override { vb::Raise(vb::kNoSuchMember, "qelConstructor.Code"); }
    };
    mEngine = std::make_shared<FailingEngine>();
    tier3::T3BusinessObject pattern;
    SetInputs(pattern);
    try {
        pattern.Build();
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kNoSuchMember);
        EXPECT_EQ(error.Source(),
                  "T3BusinessObjects.Build->T3BusinessObjects.GenerateL2BusObj->qelConstructor.Code");
    }
    EXPECT_EQ(pattern.Context().LastError().number, vb::kNoSuchMember);
    EXPECT_EQ(pattern.Context().LastError().source,
              "T3BusinessObjects.Build->T3BusinessObjects.GenerateL2BusObj->qelConstructor.Code");
}

TEST_F(BuildOrder, RelatedBusinessObjectsAndTheCurrentParent) {
    const auto region = mModel.AddBusinessObject("Region");
    const auto branch = mModel.AddBusinessObject("Branch");
    const auto order = mModel.AddBusinessObject("Order");
    mModel.Relate(order, mCustomer, "Identifying");
    const struct {
        const char* what;
        std::vector<std::shared_ptr<testing_support::FakeBusinessObject>> parents;
        bool hasOneParent;
        std::shared_ptr<typelib::IBusinessObject> currentParent;
    } cases[] = {
        {"no parent", {}, false, nullptr},
        {"one parent", {region}, true, region},
        {"two parents", {region, branch}, false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mCustomer->sourceAssociations->items.clear();
        for (const auto& parent : c.parents)
            mModel.Relate(mCustomer, parent, "Identifying");
        tier3::T3BusinessObject pattern(NamingGenerators());
        SetInputs(pattern);
        pattern.Build();
        EXPECT_EQ(pattern.Context().HasOneParent(), c.hasOneParent);
        EXPECT_EQ(pattern.CurrentParentBusObj(), c.currentParent);
        EXPECT_EQ(pattern.Context().Parents().size(), c.parents.size());
        ASSERT_EQ(pattern.Context().Children().size(), 1u);
        EXPECT_EQ(pattern.Context().Children()[0], order);
        EXPECT_EQ(pattern.CurrentBusObj(), mCustomer);
        EXPECT_EQ(pattern.CurrentProperty(), mCustomer->properties->items[0]);
    }
}

TEST_F(BuildOrder, IdentityAndInitialState) {
    tier3::T3BusinessObject pattern;
    EXPECT_EQ(pattern.PatternName(), "Three Tier Business Object");
    EXPECT_EQ(pattern.DeveloperName(), "QEL");
    EXPECT_EQ(pattern.Version(), "1");
    EXPECT_EQ(pattern.Revision(), "A");
    EXPECT_EQ(pattern.ComponentName(), "Brisol.T3BusinessObject");
    EXPECT_EQ(pattern.Eval("&BusObjName"), "");
    EXPECT_EQ(pattern.CurrentBusObj(), nullptr);
    EXPECT_EQ(pattern.CurrentMethod(), nullptr);
    EXPECT_TRUE(pattern.Context().Properties().empty());
    EXPECT_FALSE(pattern.Context().HasOneParent());
    try {
        pattern.FormTemplate();
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kNoSuchMember);
    }
}

TEST_F(BuildOrder, TheLibraryCreatesThePatternByProgID) {
    const auto pattern = automation::CreateObjectAs<typelib::IPattern>("Brisolet.T3BusinessObject");
    EXPECT_EQ(pattern->ComponentName(), "Brisol.T3BusinessObject");
    SetInputs(*pattern);
    EXPECT_EQ(pattern->Build(), std::optional<int16_t>(0));
    EXPECT_TRUE(Contains(mEngine->calls, "SetVBComponent(SampleBusiness, CommonLogical, 2, )"));
    EXPECT_TRUE(Contains(mEngine->calls, "Code(Global Const   Internal_Error = 11)"));
}

}  // namespace
