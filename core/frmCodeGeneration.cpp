#include "core/frmCodeGeneration.h"

#include "core/BuildCheck.h"
#include "core/BuildRunInteraction.h"
#include "core/CommonModelQueries.h"
#include "core/HelpFile.h"
#include "core/ModuleLimits.h"
#include "core/ProjectModuleCount.h"
#include "core/UnsavedProjects.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/frmGenWarnings.h"
#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace core {
namespace {

constexpr const char* kReady = "Ready...";

// The patterns of a run, by ProgID.
constexpr const char* kThreeTierPattern = "Brisolet.T3BusinessObject";
constexpr const char* kFormPatterns[] = {"Brisolet.StdListForm", "Brisolet.StdDetailForm",
                                         "Brisolet.StdLookupForm"};
constexpr const char* kStartupFormPattern = "Brisolet.StdStartupForm";
constexpr const char* kUtilityPattern = "Brisolet.StdUtilities";

void AddWarnings(std::vector<std::string>& warnings, const std::vector<frmCodeGeneration::Selection>& table,
                 const std::string& name, const Common::BusinessObjectRefs& related,
                 const std::string& role) {
    for (const auto& other : related) {
        for (const auto& row : table) {
            if (row.name == other->Name() && row.selected != 1) {
                warnings.push_back("The " + name + role + other->Name() +
                                   ", has not been selected for generation.  This may result in errors.");
            }
        }
    }
}

}  // namespace

std::string ProperCase(const std::string& text) {
    std::string result;
    bool wordStart = true;
    size_t offset = 0;
    while (offset < text.size()) {
        size_t next = offset + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        const std::string character = text.substr(offset, next - offset);
        result += wordStart ? vb::UCase(character) : vb::LCase(character);
        wordStart = character == " " || character == "\t" || character == "\r" || character == "\n";
        offset = next;
    }
    return result;
}

frmCodeGeneration::frmCodeGeneration(BuildEngineFactory createEngine)
    : mCreateEngine(std::move(createEngine)) {}
frmCodeGeneration::~frmCodeGeneration() = default;

void frmCodeGeneration::Form_Load() {
    mApplication->SetIsPromptDuringBuild(false);
    mPrompt = false;
    mSelection.clear();
    for (const auto& businessObject : *mApplication->BusinessObjects()) {
        mSelection.push_back({businessObject->Name(), 1});
    }
}

void frmCodeGeneration::Show() {
    Form_Load();
    SetVisible(true);
}

void frmCodeGeneration::chkPrompt_Click(bool ticked) {
    mPrompt = ticked;
    mApplication->SetIsPromptDuringBuild(ticked);
}

void frmCodeGeneration::grdBuildBusObj_Click(int32_t row, const std::string& columnCaption) {
    if (row < 1 || row > static_cast<int32_t>(mSelection.size()))
        return;
    if (vb::Trim(columnCaption) == kSelectionColumn) {
        int16_t& flag = mSelection[static_cast<size_t>(row - 1)].selected;
        flag = flag == 0 ? 1 : 0;
    }
    if (mView)
        mView->Refresh();
}

void frmCodeGeneration::cmdHelp_Click() const {
    ShowHelpTopic(kHelpContext);
}

void frmCodeGeneration::SetStatus(std::string text) {
    mStatus = std::move(text);
    if (mView)
        mView->Refresh();
}

void frmCodeGeneration::SetVisible(bool visible) {
    mVisible = visible;
    if (visible) {
        ui::CurrentInteraction().ShowModeless(*this);
    } else if (mView) {
        mView->SetVisible(false);
    }
}

void frmCodeGeneration::Unload() {
    mVisible = false;
    mUnloaded = true;
    ui::CurrentInteraction().CloseModeless(*this);
}

bool frmCodeGeneration::CheckModel(std::vector<std::string>& warnings) {
    const auto& businessObjects = *mApplication->BusinessObjects();
    for (const auto& row : mSelection) {
        const auto businessObject = businessObjects.Item(row.name);
        if (row.selected != 1)
            continue;
        std::string abort;
        const auto parents = Common::GetIdentifyingParents(*businessObject);
        // A missing key is named by the check before a build, with every other fault.
        if (parents.Count() > 1) {
            abort = ProperCase(businessObject->Name()) + " has more than one Parent.  " +
                    "Check the relationships that have been created.  Generation aborted!";
        }
        if (!abort.empty()) {
            ui::MsgBox(abort, ui::vbOKOnly + ui::vbCritical);
            return false;
        }
        const std::string& name = businessObject->Name();
        AddWarnings(warnings, mSelection, name, Common::GetReferencedBusinessObjects(*businessObject),
                    " object's referenced business object, ");
        AddWarnings(warnings, mSelection, name, Common::GetIdentifyingChildren(*businessObject),
                    " object's child (contained) business object, ");
        AddWarnings(warnings, mSelection, name, parents, " object's parent (container) business object, ");
    }
    return true;
}

std::vector<std::shared_ptr<qelBusinessObject>> frmCodeGeneration::Chosen() const {
    std::vector<std::shared_ptr<qelBusinessObject>> chosen;
    for (const auto& row : mSelection) {
        if (row.selected == 1)
            chosen.push_back(mApplication->BusinessObjects()->Item(row.name));
    }
    return chosen;
}

bool frmCodeGeneration::CheckNamesAndValues() {
    const std::vector<std::string> faults = CheckBeforeBuild(*mApplication, Chosen(), mAllForms);
    if (faults.empty())
        return true;
    // Nothing is written: the dialog stays open for another choice once the model is put right.
    SetStatus(kReady);
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
    ui::MsgBox(BuildRefusal(faults), ui::vbOKOnly + ui::vbCritical);
    SetVisible(true);
    return false;
}

bool frmCodeGeneration::ConfirmWarnings(std::vector<std::string> warnings) {
    if (warnings.empty())
        return true;
    frmGenWarnings dialog;
    dialog.SetGenerationWarnings(std::move(warnings));
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
    dialog.Show();
    if (!dialog.OK())
        return false;
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Hourglass);
    return true;
}

void frmCodeGeneration::NumberKeyProperties() {
    for (const auto& businessObject : *mApplication->BusinessObjects()) {
        int16_t keyIndex = 0;
        for (const auto& property : *businessObject->Properties()) {
            if (!property->IsKey())
                continue;
            keyIndex = vb::IntegerAdd(keyIndex, 1);
            property->SetKeyIndex(keyIndex);
        }
    }
}

void frmCodeGeneration::cmdGenerate_Click() {
    auto& interaction = ui::CurrentInteraction();
    interaction.SetMousePointer(ui::MousePointer::Hourglass);
    SetStatus("Generating...");
    SetVisible(false);
    try {
        if (mVBInstance && HoldsUnsavedComponent(*mVBInstance, *mApplication)) {
            // Asked once, before any other question: else each such component the build meets asks again.
            SetStatus(kReady);
            interaction.SetMousePointer(ui::MousePointer::Default);
            AskToSaveProjectsFirst();
            SetVisible(true);
            return;
        }
        std::vector<std::string> warnings;
        if (!CheckModel(warnings)) {
            SetStatus(kReady);
            interaction.SetMousePointer(ui::MousePointer::Default);
            Unload();
            return;
        }
        if (!CheckNamesAndValues())
            return;
        for (std::string& warning :
             ModuleCountWarnings(mVBInstance.get(), *mApplication, Chosen(), mAllForms))
            warnings.push_back(std::move(warning));
        if (!ConfirmWarnings(std::move(warnings))) {
            SetStatus(kReady);
            SetVisible(true);
            return;
        }
        NumberKeyProperties();
        mApplication->SetIsRestoreAll(false);
        mApplication->SetIsDiscardAll(false);
        mApplication->SetIsRestoreOne(true);
        Build();
    } catch (const UnloadableModule& unloadable) {
        // No fault of the add-in's to report: the model asks for more than VB loads.
        interaction.SetMousePointer(ui::MousePointer::Default);
        ui::MsgBox(unloadable.Description(), ui::vbOKOnly + ui::vbCritical);
        SetStatus(kReady);
        Unload();
    } catch (vb::Error& error) {
        interaction.SetMousePointer(ui::MousePointer::Default);
        ReportUnexpectedError(error, "cmdGenerate_Click");
        // Never left hidden: the run is over.
        SetStatus(kReady);
        Unload();
    }
}

void frmCodeGeneration::Build() {
    // A No to the continue question ends the whole run, not only the pattern that asked it.
    BuildRunInteraction run(ui::CurrentInteraction());
    ui::ScopedInteraction installed(run);
    const std::shared_ptr<BuildEngine> engine = mCreateEngine();
    const auto& businessObjects = *mApplication->BusinessObjects();
    std::shared_ptr<qelBusinessObject> current;
    auto build = [&](const char* pattern) {
        return engine->BuildPattern(mVBInstance, mApplication, current, pattern, mToolProperties);
    };
    auto end = [&] {
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
        SetStatus(kReady);
        Unload();
    };
    // Whether the run goes on after the pattern.
    auto goesOnAfter = [&](const char* pattern) {
        build(pattern);
        if (run.Stopped())
            end();
        return !run.Stopped();
    };
    for (const auto& row : mSelection) {
        current = businessObjects.Item(row.name);
        if (row.selected != 1)
            continue;
        current->SetIsBuilt(true);
        if (build(kThreeTierPattern) != 0) {
            end();
            return;
        }
        if (mAllForms) {
            for (const char* pattern : kFormPatterns) {
                if (!goesOnAfter(pattern))
                    return;
            }
        }
    }
    if (mAllForms && !goesOnAfter(kStartupFormPattern))
        return;
    if (!goesOnAfter(kUtilityPattern))
        return;
    engine->GenerationComplete();
    end();
}

}  // namespace core
