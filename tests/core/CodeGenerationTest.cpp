// The generate-code dialog: the model check, the warnings and the sequence of patterns it runs.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ModuleLimits.h"
#include "core/ProjectModuleCount.h"
#include "core/frmBuildOptions.h"
#include "core/frmCodeGeneration.h"
#include "core/frmGenWarnings.h"
#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"

namespace core {
namespace {

using Names = std::vector<std::string>;

// Records "pattern(business object)" per BuildPattern; results scripted by pattern.
class RecordingEngine : public BuildEngine {
  public:
    std::vector<std::string> calls;
    std::string failingPattern;
    std::string raisingPattern;
    std::string unloadablePattern;  // writes a module VB could not load
    std::string askingPattern;  // asks the continue question twice, as a pattern with two failed steps does
    int32_t askingButtons = ui::vbYesNo;

    int16_t BuildPattern(std::shared_ptr<vbide::VBE>, std::shared_ptr<qelApplication>,
                         std::shared_ptr<qelBusinessObject> businessObject, const std::string& codePattern,
                         std::shared_ptr<qelToolProperties>) override {
        calls.push_back(codePattern.substr(codePattern.find('.') + 1) + "(" + businessObject->Name() + ")");
        if (codePattern == raisingPattern)
            vb::Raise(429, "qelConstructor.BuildPattern");
        if (codePattern == unloadablePattern)
            throw UnloadableModule("SalesUI", "frmCustomerList", "Customer", {{"255 control names"}});
        for (int asked = 0; codePattern == askingPattern && asked < 2; ++asked)
            ui::MsgBox("The component: frmList could not be created. Do you want to continue.",
                       askingButtons);
        return codePattern == failingPattern ? 10 : 0;
    }
    void GenerationComplete() override { calls.push_back("GenerationComplete"); }
};

class Model {
  public:
    std::shared_ptr<qelApplication> application = std::make_shared<qelApplication>();

    Model() {
        application->SetName("Sales");
        application->SetL1ProjectName("SalesUI");
        application->SetL2ProjectName("SalesBusiness");
        application->SetL3ProjectName("SalesData");
    }

    std::shared_ptr<qelBusinessObject> Add(const std::string& name, bool withKey = true) {
        auto businessObject = NewBusinessObject(name, name);
        auto field = std::make_shared<qelField>();
        field->SetIsPrimaryKey(withKey);
        businessObject->Table()->Fields()->Add(field, "ID");
        for (const auto& [property, key] :
             {std::pair{"ID", true}, std::pair{"Code", false}, std::pair{"Part", true}}) {
            auto item = std::make_shared<qelBusObjProperty>();
            item->SetName(property);
            item->SetDataType("Long");
            item->SetIsKey(key && withKey);
            businessObject->Properties()->Add(item);
        }
        application->BusinessObjects()->Add(businessObject, name);
        return businessObject;
    }

    void Link(const std::shared_ptr<qelBusinessObject>& source,
              const std::shared_ptr<qelBusinessObject>& target, const std::string& relType) {
        auto relationship = std::make_shared<qelRelationship>();
        relationship->SetRelType(relType);
        auto association = std::make_shared<qelAssociation>();
        association->SetRelationship(relationship);
        association->SetCardinality("One");
        association->SetSourceBusObj(source);
        association->SetTargetBusObj(target);
        relationship->Associations()->Add(association);
        source->SourceAssociations()->Add(association);
        target->TargetAssociations()->Add(association);
        mRelationships.push_back(relationship);
    }

  private:
    std::vector<std::shared_ptr<qelRelationship>> mRelationships;
};

struct GenerateRun {
    ui::ScriptedInteraction script;
    std::shared_ptr<RecordingEngine> engine = std::make_shared<RecordingEngine>();
    frmCodeGeneration form{[this] { return engine; }};

    explicit GenerateRun(const Model& model) {
        form.SetApplication(model.application);
        ui::ScopedInteraction installed(script);
        form.Show();
    }
    void Generate() {
        ui::ScopedInteraction installed(script);
        form.cmdGenerate_Click();
    }
};

TEST(CodeGeneration, RunsThePatternsInOrder) {
    Model model;
    model.Add("Customer");
    model.Add("Order");
    model.Add("Note");
    const struct {
        const char* name;
        Names unselect;
        bool allForms;
        Names calls;
    } cases[] = {
        {"all with forms",
         {},
         true,
         {"T3BusinessObject(Customer)", "StdListForm(Customer)", "StdDetailForm(Customer)",
          "StdLookupForm(Customer)", "T3BusinessObject(Order)", "StdListForm(Order)", "StdDetailForm(Order)",
          "StdLookupForm(Order)", "T3BusinessObject(Note)", "StdListForm(Note)", "StdDetailForm(Note)",
          "StdLookupForm(Note)", "StdStartupForm(Note)", "StdUtilities(Note)", "GenerationComplete"}},
        {"no forms, last row unselected",
         {"Note"},
         false,
         {"T3BusinessObject(Customer)", "T3BusinessObject(Order)", "StdUtilities(Note)",
          "GenerationComplete"}},
        {"nothing selected",
         {"Customer", "Order", "Note"},
         true,
         {"StdStartupForm(Note)", "StdUtilities(Note)", "GenerationComplete"}},
    };
    for (const auto& c : cases) {
        GenerateRun run(model);
        for (const auto& name : c.unselect) {
            for (size_t row = 0; row < run.form.SelectionTable().size(); ++row) {
                if (run.form.SelectionTable()[row].name == name) {
                    run.form.grdBuildBusObj_Click(static_cast<int32_t>(row + 1), " 3-Tier Business Object ");
                }
            }
        }
        run.form.grdBuildBusObj_Click(1, "Name");  // clicks in the name column change nothing
        run.form.SetAllForms(c.allForms);
        run.Generate();
        EXPECT_EQ(run.engine->calls, c.calls) << c.name;
        EXPECT_TRUE(run.form.IsUnloaded()) << c.name;
        EXPECT_EQ(run.form.StatusText(), "Ready...") << c.name;
        EXPECT_EQ(run.script.Pointer(), ui::MousePointer::Default) << c.name;
    }
}

TEST(CodeGeneration, AFailedThreeTierBuildEndsTheRun) {
    Model model;
    model.Add("Customer");
    model.Add("Order");
    GenerateRun run(model);
    run.engine->failingPattern = "Brisolet.T3BusinessObject";
    run.Generate();
    EXPECT_EQ(run.engine->calls, (Names{"T3BusinessObject(Customer)"}));
    EXPECT_TRUE(model.application->BusinessObjects()->Item("Customer")->IsBuilt());
    EXPECT_FALSE(model.application->BusinessObjects()->Item("Order")->IsBuilt());
    EXPECT_TRUE(run.form.IsUnloaded());
}

TEST(CodeGeneration, NoToTheContinueQuestionEndsTheRunAndYesGoesOn) {
    Model model;
    model.Add("Customer");
    const Names all = {"T3BusinessObject(Customer)", "StdListForm(Customer)",    "StdDetailForm(Customer)",
                       "StdLookupForm(Customer)",    "StdStartupForm(Customer)", "StdUtilities(Customer)",
                       "GenerationComplete"};
    // The pattern asking twice, the answer, the questions shown, the calls of the run, the question's buttons
    // (the question mark's icon among them too).
    const int32_t YesNo = ui::vbYesNo;
    for (const auto& [asking, answer, shown, calls, buttons] :
         {std::tuple{"Brisolet.StdListForm", ui::vbNo, 1u, 2, YesNo},
          {"Brisolet.StdStartupForm", ui::vbNo, 1u, 5, YesNo},
          {"Brisolet.StdListForm", ui::vbYes, 2u, 7, YesNo},
          {"Brisolet.StdListForm", ui::vbNo, 1u, 2, YesNo | ui::vbQuestion}}) {
        GenerateRun run(model);
        run.engine->askingPattern = asking;
        run.engine->askingButtons = buttons;
        run.script.AnswerMsgBox(answer);
        run.script.AnswerMsgBox(answer);
        run.Generate();
        EXPECT_EQ(run.engine->calls, Names(all.begin(), all.begin() + calls)) << asking;
        EXPECT_EQ(run.script.Prompts().size(), shown) << asking;
    }
}

// Asked once before anything else, with the dialog left open for the run after the save.
TEST(CodeGeneration, AComponentNeverSavedWhereTheBuildWritesIsToBeSavedFirst) {
    for (const auto& [project, asked] : {std::pair{"SalesUI", true}, {"SalesData", true}, {"Other", false}}) {
        Model model;
        model.Add("Customer");
        GenerateRun run(model);
        run.form.SetVBInstance(std::make_shared<vbide::VBE>());
        run.form.VBInstance()->VBProjects().Add(0)->SetName(project);  // its Form1 never saved
        run.Generate();
        ASSERT_EQ(run.script.Prompts().size(), asked ? 1u : 0u) << project;
        for (const auto& prompt : run.script.Prompts())
            EXPECT_EQ(prompt.prompt + prompt.title,
                      "Save project(s) first then restart code generation.Project Not Saved");
        EXPECT_EQ(run.engine->calls.empty(), asked) << project;
        EXPECT_EQ(run.form.IsVisible(), asked) << project;
    }
}

TEST(CodeGeneration, AnUnexpectedErrorIsReportedAndTheDialogCloses) {
    Model model;
    model.Add("Customer");
    GenerateRun run(model);
    run.engine->raisingPattern = "Brisolet.StdListForm";
    run.Generate();
    EXPECT_EQ(run.script.DialogsShown(), (Names{"frmErrorDisplayUtil"}));
    EXPECT_TRUE(run.form.IsUnloaded());
    EXPECT_EQ(run.form.StatusText(), "Ready...");
    EXPECT_EQ(run.script.Pointer(), ui::MousePointer::Default);
}

// A module VB could not load is the model's fault, told plainly, not as the add-in's own.
TEST(CodeGeneration, AModuleVbCouldNotLoadIsToldPlainlyAndTheDialogCloses) {
    Model model;
    model.Add("Customer");
    GenerateRun run(model);
    run.engine->unloadablePattern = "Brisolet.StdListForm";
    run.Generate();
    EXPECT_EQ(run.script.DialogsShown(), Names{});
    ASSERT_EQ(run.script.Prompts().size(), 1u);
    EXPECT_EQ(
        run.script.Prompts()[0].prompt,
        UnloadableModule("SalesUI", "frmCustomerList", "Customer", {{"255 control names"}}).Description());
    EXPECT_TRUE(run.form.IsUnloaded());
}

TEST(CodeGeneration, ModelCheckStopsOnTheFirstFailingRow) {
    const struct {
        const char* name;
        bool keyless;
        bool twoParents;
        const char* message;
    } cases[] = {
        {"no key", true, false,
         "These names and values cannot become VB code.  Generation aborted!\n"
         "Business object \"ORDER line\": A name can hold only letters, digits and \"_\"!\n"
         "Business object \"ORDER line\": it has no Primary Key: set Primary Key to Yes on one of its "
         "properties"},
        {"two parents", false, true,
         "Order Line has more than one Parent.  Check the relationships that have been created.  Generation "
         "aborted!"},
    };
    for (const auto& c : cases) {
        Model model;
        const auto line = model.Add("ORDER line", !c.keyless);
        const auto order = model.Add("Order");
        if (c.twoParents) {
            model.Link(line, order, "Identifying");
            model.Link(line, order, "Identifying");  // twice to one parent counts as two parents
        }
        GenerateRun run(model);
        run.Generate();
        ASSERT_EQ(run.script.Prompts().size(), 1u) << c.name;
        EXPECT_EQ(run.script.Prompts()[0].prompt, c.message) << c.name;
        EXPECT_TRUE(run.engine->calls.empty()) << c.name;
        // The check before a build leaves the dialog open for another try.
        EXPECT_EQ(run.form.IsUnloaded(), c.twoParents) << c.name;
    }
}

// The check before a build refuses with one message that lists every fault; nothing is built and the
// dialog stays open for the run once the model is put right.
TEST(CodeGeneration, NamesThatCannotBecomeVbCodeAreRefusedWithTheDialogLeftOpen) {
    Model model;
    const auto order = model.Add("Select");
    order->Properties()->Item(3)->SetName("CODE");
    model.Add("Order");
    GenerateRun run(model);
    run.form.grdBuildBusObj_Click(2, frmCodeGeneration::kSelectionColumn);
    run.Generate();
    ASSERT_EQ(run.script.Prompts().size(), 1u);
    EXPECT_EQ(run.script.Prompts()[0].prompt,
              "These names and values cannot become VB code.  Generation aborted!\n"
              "Business object \"Select\": \"Select\" is a word VB reserves!\n"
              "Property \"Select.CODE\": the name \"CODE\" is also the name of property \"Select.Code\", "
              "letter case aside");
    EXPECT_TRUE(run.engine->calls.empty());
    EXPECT_TRUE(run.form.IsVisible());
    EXPECT_FALSE(run.form.IsUnloaded());
    EXPECT_EQ(run.form.StatusText(), "Ready...");
    EXPECT_EQ(run.script.Pointer(), ui::MousePointer::Default);

    order->SetName("Purchase");
    order->Properties()->Item(3)->SetName("Note");
    run.Generate();
    EXPECT_EQ(run.engine->calls.front(), "T3BusinessObject(Purchase)");
}

TEST(CodeGeneration, WarningsNameUnselectedNeighbours) {
    Model model;
    const auto line = model.Add("OrderLine");
    const auto order = model.Add("Order");
    const auto product = model.Add("Product");
    const auto note = model.Add("Note");
    model.Link(line, order, "Identifying");
    model.Link(line, product, "Reference");
    model.Link(note, product, "Reference");
    model.Link(line, note, "Subtype");
    model.Link(order, product, "Identifying");  // Product is Order's parent too

    GenerateRun run(model);
    run.form.grdBuildBusObj_Click(3, frmCodeGeneration::kSelectionColumn);  // Product left out
    std::vector<std::string> shown;
    run.script.AnswerDialog([&](ui::ModalDialog& dialog) {
        shown = static_cast<frmGenWarnings&>(dialog).Items();  // closed without OK
    });
    run.Generate();
    EXPECT_EQ(shown,
              (Names{
                  "The OrderLine object's referenced business object, Product, has not been selected for "
                  "generation.  This may result in errors.",
                  "The Order object's parent (container) business object, Product, has not been selected "
                  "for generation.  This may result in errors.",
                  "The Note object's referenced business object, Product, has not been selected for "
                  "generation.  This may result in errors.",
              }));
    EXPECT_TRUE(run.engine->calls.empty());
    EXPECT_TRUE(run.form.IsVisible());  // shown again with its choices
    EXPECT_FALSE(run.form.IsUnloaded());
    EXPECT_EQ(run.form.SelectionTable()[2].selected, 0);

    run.script.AnswerDialog(
        [](ui::ModalDialog& dialog) { static_cast<frmGenWarnings&>(dialog).cmdOK_Click(); });
    run.Generate();
    EXPECT_EQ(run.engine->calls.front(), "T3BusinessObject(OrderLine)");
}

// Counted as the build leaves each project: what it holds and what the build adds, each name once.
TEST(CodeGeneration, AProjectOfMoreModulesThanVbLoadsIsWarnedOfAndTheBuildGoesOn) {
    const auto warning = [](const std::string& project, int modules) {
        return "The project " + project + " will hold " + std::to_string(modules) +
               " modules, more than the about 400 that VB loads in one project.  Build the business "
               "objects in several applications.";
    };
    const struct {
        int businessObjects;
        bool forms;
        Names held;  // by the business project already, beside the class a new project holds
        Names warnings;
    } cases[] = {
        {99, false, {"Extra1", "Extra2", "CUSTOMER1"}, {}},
        {99, false, {"Extra1", "Extra2", "Extra3"}, {warning("SalesBusiness", 401)}},
        {100, true, {}, {warning("SalesBusiness", 401), warning("SalesUI", 404)}},
    };
    for (const auto& c : cases) {
        Model model;
        model.application->SetArchitecture(typelib::ThreeTier);
        for (int i = 1; i <= c.businessObjects; ++i)
            model.Add("Customer" + std::to_string(i));
        vbide::VBE vbe;
        if (!c.held.empty())
            vbe.VBProjects().Add(2)->SetName("SalesBusiness");
        for (const std::string& name : c.held)
            vbe.VBProjects().Item(1)->VBComponents().Add(1)->SetName(name);
        const std::vector<std::shared_ptr<qelBusinessObject>> chosen(
            model.application->BusinessObjects()->begin(), model.application->BusinessObjects()->end());
        EXPECT_EQ(ModuleCountWarnings(&vbe, *model.application, chosen, c.forms), c.warnings)
            << c.businessObjects;
        if (!c.forms)
            continue;
        GenerateRun run(model);  // the dialog's own build
        Names shown;
        run.script.AnswerDialog([&](ui::ModalDialog& dialog) {
            shown = static_cast<frmGenWarnings&>(dialog).Items();
            static_cast<frmGenWarnings&>(dialog).cmdOK_Click();
        });
        run.Generate();
        EXPECT_EQ(shown, c.warnings);
        EXPECT_EQ(run.engine->calls.back(), "GenerationComplete");
    }
}

TEST(CodeGeneration, KeysAreNumberedAndAnswersResetBeforeTheRun) {
    Model model;
    const auto customer = model.Add("Customer");
    model.Add("Order");
    model.application->SetIsRestoreAll(true);
    model.application->SetIsDiscardAll(true);
    GenerateRun run(model);
    run.form.grdBuildBusObj_Click(2, frmCodeGeneration::kSelectionColumn);
    run.form.chkPrompt_Click(true);
    EXPECT_TRUE(model.application->IsPromptDuringBuild());
    run.Generate();
    EXPECT_FALSE(model.application->IsRestoreAll());
    EXPECT_FALSE(model.application->IsDiscardAll());
    EXPECT_TRUE(model.application->IsRestoreOne());
    for (const auto& name : {"Customer", "Order"}) {  // the unselected one too
        const auto& properties = *model.application->BusinessObjects()->Item(name)->Properties();
        EXPECT_EQ(properties.Item(1)->KeyIndex(), 1);
        EXPECT_EQ(properties.Item(2)->KeyIndex(), 0);
        EXPECT_EQ(properties.Item(3)->KeyIndex(), 2);
    }
}

TEST(CodeGeneration, ProperCase) {
    EXPECT_EQ(ProperCase("ORDER line"), "Order Line");
    EXPECT_EQ(ProperCase("éCOLE"), "École");
    EXPECT_EQ(ProperCase(""), "");
}

TEST(BuildOptions, ListsOfferProjectsByTypeAndOkStoresTheChoice) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    frmBuildOptions dialog;
    dialog.SetProjectNames({"Forms", "Logic", "Data", "Forms2", "Logic"});
    dialog.SetProjectTypes({0, 2, 1, 0, 2});
    const struct {
        frmBuildOptions::Option option;
        const char* architecture;
        const char* l1;
        const char* l2;
        const char* l3;
    } cases[] = {
        {frmBuildOptions::Option::SingleTier, "1", "Forms", "Forms", "Forms"},
        {frmBuildOptions::Option::TwoTier, "2", "Forms", "Forms", ""},
        {frmBuildOptions::Option::ThreeTier, "3", "Forms", "", ""},
    };
    for (const auto& c : cases) {
        script.AnswerDialog([&](ui::ModalDialog& shown) {
            auto& d = static_cast<frmBuildOptions&>(shown);
            EXPECT_EQ(d.Entries(frmBuildOptions::cmb3TierA), (Names{"Forms", "Forms2"}));
            EXPECT_EQ(d.Entries(frmBuildOptions::cmb3TierB), (Names{"Logic", "Logic"}));
            EXPECT_EQ(d.Entries(frmBuildOptions::cmb2TierB), (Names{"Data"}));
            EXPECT_EQ(d.Entries(frmBuildOptions::cmb3TierC), (Names{"Data"}));
            d.SelectOption(c.option);
            d.cmdOK_Click();
        });
        dialog.Show();
        EXPECT_EQ(dialog.AppArchitecture(), c.architecture);
        EXPECT_EQ(dialog.L1ProjectName(), c.l1);
        EXPECT_EQ(dialog.L2ProjectName(), c.l2);
        EXPECT_EQ(dialog.L3ProjectName(), c.l3);
    }
    script.AnswerDialog([](ui::ModalDialog& shown) {
        auto& d = static_cast<frmBuildOptions&>(shown);
        d.SelectOption(frmBuildOptions::Option::ThreeTier);
        d.Select(frmBuildOptions::cmb3TierB, 2);
        d.Select(frmBuildOptions::cmb3TierC, 1);
        d.cmdHelp_Click();
        d.cmdOK_Click();
    });
    dialog.Show();
    EXPECT_EQ(dialog.L2ProjectName(), "Logic");
    EXPECT_EQ(dialog.L3ProjectName(), "Data");
    EXPECT_EQ(script.HelpShown().back().second, 67);
    dialog.Show();  // closed by its frame: the last choice stays
    EXPECT_EQ(dialog.AppArchitecture(), "3");
}

}  // namespace
}  // namespace core
