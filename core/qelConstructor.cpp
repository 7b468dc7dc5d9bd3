// The engine's run of a pattern, and its projects and components.

#include "core/qelConstructor.h"

#include <exception>

#include "core/AddInFolders.h"
#include "core/EditPoints.h"
#include "core/FormTemplateFolder.h"
#include "core/ObjectAccess.h"
#include "core/UnsavedProjects.h"
#include "core/frmDuplicateComponent.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelToolProperties.h"
#include "platform/automation/CreateObject.h"
#include "platform/ide/ComponentFiles.h"
#include "platform/ide/FileSystemError.h"
#include "platform/ide/VBE.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"
#include "platform/vb/Variant.h"

namespace core {
namespace {

// The engine's component types as the IDE's kinds; 0 for a type the engine does not know.
int32_t IdeKindOf(int32_t componentType) {
    switch (componentType) {
        case typelib::ClassModule:
            return vbide::vbext_ct_ClassModule;
        case typelib::StandardModule:
            return vbide::vbext_ct_StdModule;
        case typelib::Form:
            return vbide::vbext_ct_VBForm;
        default:
            return 0;
    }
}

// Members with a result code report every failure by that code and never raise.
template <typename Body>
int16_t ResultOf(int16_t failure, Body&& body) {
    try {
        return body();
    } catch (const std::exception&) {
        return failure;
    }
}

// As ResultOf, but a file that the system refused is told as the system gave it, and `told` then holds: the
// pattern's report guesses no other cause.
template <typename Body>
int16_t ResultOf(int16_t failure, bool& told, Body&& body) {
    return ResultOf(failure, [&]() -> int16_t {
        try {
            return body();
        } catch (const vbide::FileSystemError& refused) {
            ui::MsgBox(refused.Description(), ui::vbOKOnly | ui::vbCritical, "File Access");
            told = true;
            return failure;
        }
    });
}

// The duplicate-component question is one dialog for the whole add-in, shown again for each duplicate.
frmDuplicateComponent& DuplicateComponentDialog() {
    static frmDuplicateComponent dialog;
    return dialog;
}

// Names the file, the line as an editor shows it and the edit point, so that the developer can mend the
// marker.
std::string BrokenEditPointMessage(const vbide::VBComponent& component, const BrokenEditPoint& broken) {
    return "Line " + std::to_string(component.FileLineOf(broken.Line())) + " of " + component.FileNames(1) +
           ": " + broken.what() + ". Mend the marker, then generate again.";
}

}  // namespace

qelConstructor::qelConstructor() {
    RegisterTokens();
}

qelConstructor::~qelConstructor() = default;

int16_t qelConstructor::BuildPattern(std::shared_ptr<vbide::VBE> VBI,
                                     std::shared_ptr<qelApplication> application,
                                     std::shared_ptr<qelBusinessObject> businessObject,
                                     const std::string& codePattern,
                                     std::shared_ptr<qelToolProperties> toolProperty) {
    mVBI = std::move(VBI);
    mApplication = std::move(application);
    mProperties = Required(businessObject).Properties();
    mMethods = businessObject->Methods();
    mBusObj = std::move(businessObject);
    mToolProperties = std::move(toolProperty);

    // The pattern holds the engine while it runs; letting go of both afterwards, also when Build fails,
    // keeps neither alive through the other.
    struct Release {
        qelConstructor& engine;
        ~Release() {
            engine.mPattern.reset();
            engine.mVBI.reset();
            engine.mApplication.reset();
            engine.mBusObj.reset();
            engine.mProperties.reset();
            engine.mMethods.reset();
            engine.mToolProperties.reset();
        }
    } release{*this};

    mPattern = automation::CreateObjectAs<typelib::IPattern>(codePattern);
    mPattern->SetApplication(mApplication);
    mPattern->SetBusinessObject(mBusObj);
    mPattern->SetProperties(mProperties);
    mPattern->SetMethods(mMethods);
    mPattern->SetConstructor(shared_from_this());

    mMonitor.Show();
    const int16_t result = mPattern->Build().value_or(typelib::Success);
    if (result != typelib::Success)
        mMonitor.Shutdown();
    return result;
}

void qelConstructor::GenerationComplete() {
    mMonitor.Finished();
}

int16_t qelConstructor::SetVBProject(const std::string& projectName, const std::string& projectType) {
    mProjectSet = false;
    return ResultOf(typelib::Project_Not_Created, [&]() -> int16_t {
        if (auto found = FindProject(projectName)) {
            mCurProject = std::move(found);
            ReferToLowerLayer();
            mProjectSet = true;
            return typelib::Success;
        }
        const int32_t type = vb::Variant(projectType).ToLong();
        mCurProject = Required(mVBI).VBProjects().Add(type);
        mCurProject->SetName(vb::Trim(projectName));
        auto& components = mCurProject->VBComponents();
        components.Remove(components.Item(type == vbide::vbext_pt_StandardExe ? "Form1" : "Class1"));
        SetUpNewProject();
        ReferToLowerLayer();
        mProjectSet = true;
        return typelib::Success;
    });
}

int16_t qelConstructor::SetVBStartUpProject() {
    return ResultOf(typelib::StartUpProj_Not_Set, [&]() -> int16_t {
        Required(mVBI).VBProjects().SetStartProject(mCurProject);
        return typelib::Success;
    });
}

std::shared_ptr<vbide::VBProject> qelConstructor::FindProject(const std::string& projectName) const {
    const std::string wanted = vb::Trim(projectName);
    for (const auto& project : Required(mVBI).VBProjects()) {
        if (vb::Trim(project->Name()) == wanted)
            return project;
    }
    return nullptr;
}

bool qelConstructor::VBComponentExists(const std::string& projectName, const std::string& componentName,
                                       int32_t componentType) {
    if (!mProjectSet)
        return false;
    auto project = FindProject(projectName);
    if (!project)
        return false;
    mCurProject = std::move(project);
    const auto component = mCurProject->VBComponents().Find(componentName);
    return component && component->Name() == componentName && component->Type() == IdeKindOf(componentType);
}

int16_t qelConstructor::SetVBComponent(const std::string& projectName, const std::string& componentName,
                                       int32_t componentType, const std::string& formTemplateFile) {
    mFailureTold = false;
    if (!mProjectSet)
        return typelib::Project_Not_Specified;
    std::shared_ptr<vbide::VBProject> project;
    if (ResultOf(typelib::Project_Not_Found, [&]() -> int16_t {
            project = FindProject(projectName);
            return project ? typelib::Success : typelib::Project_Not_Found;
        }) != typelib::Success) {
        return typelib::Project_Not_Found;
    }
    mCurProject = std::move(project);
    mEditPointsSaved = false;

    return ResultOf(typelib::Component_Not_Created, mFailureTold, [&]() -> int16_t {
        // What would make the creation fail is checked while the old component is still there.
        if (IdeKindOf(componentType) == 0)
            return typelib::Component_Not_Created;
        std::shared_ptr<vbide::VBComponent> formTemplate;
        if (componentType == typelib::Form) {
            const std::filesystem::path file =
                vb::Trim(Required(mToolProperties).FormTemplatePath()) + formTemplateFile;
            formTemplate = mFormTemplates.Read(file, mCurProject->Changes());
            if (!formTemplate) {
                ui::MsgBox(FormTemplateNotFound(file.string()), ui::vbOKOnly | ui::vbCritical,
                           kFormTemplateNotFoundTitle);
                mFailureTold = true;
                return typelib::Component_Not_Created;
            }
        }

        if (auto existing = mCurProject->VBComponents().Find(componentName)) {
            if (KeepsEditPoints(componentName)) {
                if (existing->FileNames(1).empty()) {
                    AskToSaveProjectsFirst();
                    return typelib::Project_Not_Saved;
                }
                try {
                    SaveEditPoints(existing);
                } catch (const BrokenEditPoint& broken) {
                    ui::MsgBox(BrokenEditPointMessage(*existing, broken), ui::vbOKOnly | ui::vbCritical,
                               "Broken Edit Point");
                    mFailureTold = true;
                    return typelib::Component_Not_Created;
                } catch (const UnusableTempFolder& unusable) {
                    ui::MsgBox(unusable.Description(), ui::vbOKOnly | ui::vbCritical, "Temporary Folder");
                    mFailureTold = true;
                    return typelib::Component_Not_Created;
                }
                mCurProject->VBComponents().Remove(existing);
                mEditPointsSaved = true;
            } else {
                mCurProject->VBComponents().Remove(existing);
            }
        }

        auto component = CreateComponent(componentType, componentName, std::move(formTemplate));
        mCurComponent = component;
        mComponentSet = true;
        if (componentType == typelib::Form) {
            mCurDesigner = component->Designer();
            mDesignerSet = true;
        }
        return typelib::Success;
    });
}

bool qelConstructor::KeepsEditPoints(const std::string& componentName) {
    qelApplication& application = Required(mApplication);
    if (!application.IsRestoreAll() && !application.IsDiscardAll()) {
        frmDuplicateComponent& dialog = DuplicateComponentDialog();
        dialog.SetComponentName(componentName);
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
        dialog.Show();
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Hourglass);
        application.SetIsRestoreAll(dialog.RestoreAll());
        application.SetIsDiscardAll(dialog.DiscardAll());
        application.SetIsRestoreOne(dialog.RestoreOne());
    }
    return application.IsRestoreOne() || application.IsRestoreAll();
}

std::shared_ptr<vbide::VBComponent> qelConstructor::CreateComponent(
    int32_t componentType, const std::string& componentName,
    std::shared_ptr<vbide::VBComponent> formTemplate) {
    auto& components = mCurProject->VBComponents();
    auto component = componentType == typelib::Form ? components.Import(std::move(formTemplate))
                                                    : components.Add(IdeKindOf(componentType));
    try {
        component->SetName(componentName);
    } catch (...) {
        // A component that could not take its name is none of the pattern's.
        components.Remove(component);
        throw;
    }
    return component;
}

}  // namespace core
