// The engine's run of a pattern, its projects and its components.

#include "core/FormTemplateFolder.h"
#include "core/frmDuplicateComponent.h"
#include "tests/core/EngineFixture.h"

namespace enginetest {
namespace {

using testpatterns::BarePattern;
using typelib::IConstructor;

TEST_F(EngineTest, BuildPatternSetsInputsInOrderAndLetsGoOfThePattern) {
    const int16_t result = Run([&](BarePattern& pattern) -> std::optional<int16_t> {
        EXPECT_EQ(pattern.application, mApplication);
        EXPECT_EQ(pattern.businessObject, mBusinessObject);
        EXPECT_EQ(pattern.properties, mBusinessObject->Properties());
        EXPECT_EQ(pattern.methods, mBusinessObject->Methods());
        EXPECT_EQ(pattern.engine, mEngine);
        EXPECT_EQ(pattern.engine->myBusObj(), mBusinessObject);
        return std::nullopt;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(testpatterns::CallLog(),
              (std::vector<std::string>{"Application", "BusinessObject", "Properties", "Methods",
                                        "Constructor", "Build"}));
    EXPECT_EQ(mScript.WindowEvents(), std::vector<std::string>{"show frmConstructionMonitor"});
    EXPECT_TRUE(testpatterns::LastPattern().expired());
    EXPECT_EQ(mEngine->myBusObj(), nullptr);
}

TEST_F(EngineTest, CancelledBuildClosesTheMonitorAndFailuresReachTheCaller) {
    EXPECT_EQ(Run([](BarePattern&) -> std::optional<int16_t> { return 10; }), 10);
    EXPECT_EQ(mScript.WindowEvents(),
              (std::vector<std::string>{"show frmConstructionMonitor", "close frmConstructionMonitor"}));

    EXPECT_EQ(ErrorNumberOf([&] { Run(nullptr, "TestPatterns.Nobody"); }), vb::kCannotCreateObject);
    EXPECT_EQ(ErrorNumberOf([&] { Run([](BarePattern&) -> std::optional<int16_t> { vb::Raise(5); }); }), 5);
    EXPECT_TRUE(testpatterns::LastPattern().expired());

    mEngine->GenerationComplete();
    EXPECT_EQ(mScript.Prompts().back().prompt, "Generation finished!");
}

TEST_F(EngineTest, ProjectsAreFoundByTrimmedNameOrCreatedWithoutTheirFirstComponent) {
    Steps([&](IConstructor& engine, BarePattern&) {
        EXPECT_EQ(engine.SetVBStartUpProject(), 8);  // no project yet
        EXPECT_EQ(engine.SetVBProject("  Sales ", "0"), 0);
        EXPECT_EQ(engine.SetVBProject("Sales ", "0"), 0);
        EXPECT_EQ(engine.SetVBProject("Logic", "2"), 0);
        EXPECT_EQ(engine.SetVBProject("Not a name", "2"), 2);
        EXPECT_EQ(engine.SetVBProject("Other", "x"), 2);
        EXPECT_EQ(engine.SetVBComponent("Logic", "Order", 1, ""), 3);  // the failure left no project set
        EXPECT_EQ(engine.SetVBProject("Logic", "0"), 0);
        EXPECT_EQ(engine.SetVBStartUpProject(), 0);
    });
    ASSERT_EQ(mVBE->VBProjects().Count(), 3);  // Sales, Logic and the unnamed project of the failure
    EXPECT_TRUE(ComponentNames(*Project("Sales")).empty());  // no "Form1"
    EXPECT_TRUE(ComponentNames(*Project("Logic")).empty());  // no "Class1"
    EXPECT_EQ(mVBE->VBProjects().StartProject(), Project("Logic"));
}

TEST_F(EngineTest, ComponentResultsAndKinds) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    Steps([&](IConstructor& engine, BarePattern&) {
        EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 3);
        EXPECT_FALSE(engine.VBComponentExists("Sales", "Order", 1));
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        EXPECT_EQ(engine.SetVBComponent("Nowhere", "Order", 1, ""), 1);
        EXPECT_EQ(engine.SetVBComponent(" Sales ", "Order", 1, ""), 0);
        EXPECT_EQ(engine.SetVBComponent("Sales", "Common", 2, ""), 0);
        EXPECT_EQ(engine.SetVBComponent("Sales", "frmOrder", 3, form), 0);
        EXPECT_EQ(engine.SetVBComponent("Sales", "frmMissing", 3, "missing.frm"), 4);
        EXPECT_TRUE(engine.FailureTold());  // the question then guesses no other cause
        EXPECT_EQ(engine.SetVBComponent("Sales", "Strange", 4, ""), 4);
        EXPECT_EQ(engine.SetVBComponent("Sales", "Bad Name", 1, ""), 4);

        EXPECT_TRUE(engine.VBComponentExists(" Sales", "Order", 1));
        EXPECT_FALSE(engine.VBComponentExists("Sales", "Order", 3));  // a class where a form is asked
        EXPECT_TRUE(engine.VBComponentExists("Sales", "Common", 2));
        EXPECT_FALSE(engine.VBComponentExists("Sales", "Common", 1));
        EXPECT_TRUE(engine.VBComponentExists("Sales", "frmOrder", 3));
        EXPECT_FALSE(engine.VBComponentExists("Sales", "order", 1));
    });
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(
        mScript.Prompts()[0].prompt + mScript.Prompts()[0].title,
        core::FormTemplateNotFound(mFolder.string() + "/missing.frm") + core::kFormTemplateNotFoundTitle);
    const auto project = Project("Sales");
    EXPECT_EQ(ComponentNames(*project), (std::vector<std::string>{"Order", "Common", "frmOrder"}));
    EXPECT_EQ(project->VBComponents().Item("Order")->Type(), vbide::vbext_ct_ClassModule);
    EXPECT_EQ(project->VBComponents().Item("Common")->Type(), vbide::vbext_ct_StdModule);
    EXPECT_EQ(project->VBComponents().Item("frmOrder")->Type(), vbide::vbext_ct_VBForm);
}

TEST_F(EngineTest, AFailingTypeOrTemplateLeavesTheOldComponentAlone) {
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        WriteComponent(engine, "Order", 1, {"' developer's work"});
        EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 4, ""), 4);
        EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 3, "missing.frm"), 4);
    });
    const auto order = Project("Sales")->VBComponents().Item("Order");
    EXPECT_EQ(order->CodeModule()->AllLines(), std::vector<std::string>{"' developer's work"});
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

// How the developer answers the duplicate-component question.
enum class Answer { OK, DiscardAll, RestoreOne, DiscardOne, CloseByFrame };

void Answering(ui::ScriptedInteraction& script, Answer answer) {
    script.AnswerDialog([answer](ui::ModalDialog& shown) {
        auto& dialog = static_cast<core::frmDuplicateComponent&>(shown);
        switch (answer) {
            case Answer::OK:
                break;
            case Answer::DiscardAll:
                dialog.optDiscard_Click();
                break;
            case Answer::RestoreOne:
                dialog.SetApplyToAll(false);
                break;
            case Answer::DiscardOne:
                dialog.optDiscard_Click();
                dialog.SetApplyToAll(false);
                break;
            case Answer::CloseByFrame:
                dialog.CloseByFrame();
                return;
        }
        dialog.cmdOK_Click();
    });
}

TEST_F(EngineTest, DuplicateAnswersDecideWhetherCodeIsKeptAndWhetherToAskAgain) {
    const std::vector<std::string> old = {"'<<<Start Edit Point: Mine", "    Keep me",
                                          "'>>>End Edit Point: Mine"};
    const std::vector<std::string> regenerated = {"'<<<Start Edit Point: Mine", "'>>>End Edit Point: Mine"};
    const struct {
        Answer answer;
        bool restoreOne, restoreAll, discardAll;
        bool kept;
        size_t dialogsForTwoDuplicates;
    } cases[] = {
        {Answer::OK, false, true, false, true, 1},
        {Answer::DiscardAll, false, false, true, false, 1},
        {Answer::RestoreOne, true, false, false, true, 2},
        {Answer::DiscardOne, false, false, false, false, 2},
        {Answer::CloseByFrame, true, false, false, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        mVBE = std::make_shared<vbide::VBE>();
        mApplication = std::make_shared<core::qelApplication>();
        ui::ScriptedInteraction script;
        ui::ScopedInteraction installed(script);
        Answering(script, c.answer);
        Answering(script, c.answer);
        Steps([&](IConstructor& engine, BarePattern&) {
            ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
            for (const char* name : {"First", "Second"}) {
                WriteComponent(engine, name, 1, old);
                Project("Sales")->VBComponents().Item(name)->SaveAs(mFolder / (std::string(name) + ".cls"));
            }
            WriteComponent(engine, "First", 1, regenerated);
            EXPECT_EQ(mApplication->IsRestoreOne(), c.restoreOne);
            EXPECT_EQ(mApplication->IsRestoreAll(), c.restoreAll);
            EXPECT_EQ(mApplication->IsDiscardAll(), c.discardAll);
            EXPECT_EQ(script.Pointer(), ui::MousePointer::Hourglass);
            WriteComponent(engine, "Second", 1, regenerated);
        });
        EXPECT_EQ(script.DialogsShown().size(), c.dialogsForTwoDuplicates);
        for (const char* name : {"First", "Second"}) {
            const auto lines = Project("Sales")->VBComponents().Item(name)->CodeModule()->AllLines();
            EXPECT_EQ(lines, c.kept ? old : regenerated) << name;
        }
        EXPECT_EQ(ComponentNames(*Project("Sales")), (std::vector<std::string>{"First", "Second"}));
    }
}

TEST_F(EngineTest, KeepingTheCodeOfANeverSavedComponentAsksToSaveFirst) {
    Answering(mScript, Answer::OK);
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        WriteComponent(engine, "Order", 1, {"' mine"});
        EXPECT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 9);
    });
    ASSERT_EQ(mScript.Prompts().size(), 1u);
    EXPECT_EQ(mScript.Prompts()[0].prompt, "Save project(s) first then restart code generation.");
    EXPECT_EQ(mScript.Prompts()[0].title, "Project Not Saved");
    EXPECT_EQ(Project("Sales")->VBComponents().Item("Order")->CodeModule()->AllLines(),
              std::vector<std::string>{"' mine"});
    EXPECT_EQ(ComponentNames(*Project("Sales")), std::vector<std::string>{"Order"});
}

}  // namespace
}  // namespace enginetest
