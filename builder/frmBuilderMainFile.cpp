// The main window's repository and build commands: File > Open with the load of the chosen
// application, File > Save, Build > Business Object and File > Build Application.

#include <tuple>

#include "builder/frmAppOpen.h"
#include "builder/frmBuilderMain.h"
#include "core/ApplicationLog.h"
#include "core/frmCodeGeneration.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "repository/ApplicationLoad.h"
#include "repository/ApplicationSave.h"

namespace builder {

namespace {

// The save's progress shows once the first save's question has been answered.
class StatusAfterPrompt final : public repository::ApplicationInfoPrompt {
  public:
    StatusAfterPrompt(repository::ApplicationInfoPrompt& prompt, std::function<void()> showProgress)
        : mPrompt(prompt), mShowProgress(std::move(showProgress)) {}

    bool AskApplicationInfo(core::qelApplication& application) override {
        if (!mPrompt.AskApplicationInfo(application))
            return false;
        mShowProgress();
        return true;
    }

  private:
    repository::ApplicationInfoPrompt& mPrompt;
    std::function<void()> mShowProgress;
};

}  // namespace

void frmBuilderMain::mnuFileOpen_Click() {
    RunCommand("mnuFileOpen_Click", [this] {
        if (!AskToSaveChanges())
            return;
        if (!mDatabase)
            vb::Raise(vb::kObjectNotSet);
        auto stored = repository::ReadStoredApplications(*mDatabase);
        myAppOpenForm = std::make_shared<frmAppOpen>([this] { myAppOpenForm_AppInfoOpened(); });
        mStoredApplications = std::move(stored);
        myAppOpenForm->AddApplications(mStoredApplications);
        SetStatus("Ready...", ui::MousePointer::Default);
        const auto dialog = myAppOpenForm;
        ui::CurrentInteraction().ShowModal(*dialog);
        myAppOpenForm.reset();
    });
}

void frmBuilderMain::myAppOpenForm_AppInfoOpened() {
    ViewUpdate update(*this);
    // A load fills new views; the window keeps what it had until the load has succeeded.
    auto views = std::make_unique<ModelViews>();
    std::swap(views, mViews);
    const auto before = std::tuple(mCurrentBusObj, mCurrentMethod, mContext, mHasBusObj, mIsDataChanged);
    const std::string status = mStatusText;
    try {
        const ListRow* row = myAppOpenForm ? myAppOpenForm->ApplicationListView().SelectedItem() : nullptr;
        if (!row || !mDatabase)
            vb::Raise(vb::kObjectNotSet);
        SetStatus("Opening Application...", ui::MousePointer::Hourglass);
        mHasBusObj = false;
        // One read: the stamp is of the rows the load read.
        dao::Transaction reading(*mDatabase);
        auto application =
            repository::LoadApplication(*mDatabase, *mStoredApplications.Item(row->Key), *this);
        mStamp = repository::ApplicationStamp(*mDatabase, *application);
        mApplication = std::move(application);
        mStampOf = mApplication;
        mCaption = "VBOstrel - " + mApplication->Name();
        for (TreeNode* businessObject : mViews->BusObjTreeView.Roots()) {
            businessObject->Expanded = true;
            for (TreeNode* group : businessObject->Children)
                group->Expanded = false;
        }
        EnableStoredApplicationCommands();
        myAppOpenForm->Unload();
        mTab = ListTab::Properties;
        mIsAppOpened = true;
        mIsDataChanged = false;
        mCurrentRelationship.reset();
        mContext = Context::None;
        SetStatus("Ready...", ui::MousePointer::Default);
    } catch (vb::Error& error) {
        std::swap(views, mViews);
        std::tie(mCurrentBusObj, mCurrentMethod, mContext, mHasBusObj, mIsDataChanged) = before;
        SetStatus(status, ui::MousePointer::Default);
        core::ReportUnexpectedError(error, "myAppOpenForm_AppInfoOpened");
    }
}

void frmBuilderMain::mnuFileSave_Click() {
    SaveApplication();
}

bool frmBuilderMain::SaveApplication() {
    bool saved = false;
    RunCommand("mnuFileSave_Click", [this, &saved] {
        try {
            if (!mDatabase)
                vb::Raise(vb::kObjectNotSet, "SaveApplication");
            const auto showProgress = [this] {
                SetStatus("Saving Application...", ui::MousePointer::Hourglass);
            };
            StatusAfterPrompt prompt(*mAppInfoPrompt, showProgress);
            if (mIsAppOpened)
                showProgress();
            const repository::DeferredDeletes none;
            const bool ownsDeferred = mIsAppOpened && mDeferredDeletesOf.lock() == mApplication;
            auto outcome = repository::SaveOutcome::Canceled;
            const auto save = [&] {
                outcome = repository::SaveApplication(*mDatabase, *mApplication, mIsAppOpened, prompt,
                                                      ownsDeferred ? mDeferredDeletes : none, Stamp());
            };
            if (!WriteRepositoryTelling(RepositoryCommand::Save, save) ||
                outcome == repository::SaveOutcome::Canceled)
                return;
            mDeferredDeletes = {};
        } catch (const vb::Error&) {
            // A failed save ends as a finished one does: the status and the pointer are the idle ones.
            SetStatus("Ready...", ui::MousePointer::Default);
            throw;
        }
        mIsAppOpened = true;
        EnableStoredApplicationCommands();
        mIsDataChanged = false;
        mCurrentBusObj.reset();
        mCurrentProperty.reset();
        mCurrentMethod.reset();
        mCurrentRelationship.reset();
        SetStatus("Ready...", ui::MousePointer::Default);
        saved = true;
    });
    return saved;
}

core::BuildEngineFactory frmBuilderMain::EngineFactory() const {
    if (mCreateEngine)
        return mCreateEngine;
    return [] { return std::make_shared<core::qelConstructor>(); };
}

void frmBuilderMain::mnuBuildBusObj_Click() {
    RunCommand("mnuBuildBusObj_Click", [this] {
        auto form = std::make_shared<core::frmCodeGeneration>(EngineFactory());
        form->SetApplication(mApplication);
        form->SetVBInstance(mVBInstance);
        form->SetToolProperties(mToolProperties);
        mCodeGenerationForm = form;
        if (mViews->BusObjTreeView.Count() == 0) {
            ui::MsgBox("You must Open an Application before generating the code!", ui::vbCritical,
                       "Error Generating Code...");
            return;
        }
        form->Show();
    });
}

void frmBuilderMain::mnuFileBuildApplication_Click() {
    RunCommand("mnuFileBuildApplication_Click", [this] {
        BuildDesignObject(kBuildApplicationPattern, mApplication->BusinessObjects()->Item(1));
    });
}

void frmBuilderMain::BuildDesignObject(const std::string& patternName,
                                       const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    core::LogAndRaiseAs("BuildDesignObject", [&] {
        try {
            SetStatus("Generating...", ui::MousePointer::Hourglass);
            mConstructor = EngineFactory()();
            mConstructor->BuildPattern(mVBInstance, mApplication, businessObject, patternName,
                                       mToolProperties);
            SetStatus("Ready...", ui::MousePointer::Default);
            mConstructor.reset();
        } catch (const vb::Error&) {
            // A failed build ends as a finished one does: the status and the pointer are the idle ones.
            mConstructor.reset();
            SetStatus("Ready...", ui::MousePointer::Default);
            throw;
        }
    });
}

}  // namespace builder
