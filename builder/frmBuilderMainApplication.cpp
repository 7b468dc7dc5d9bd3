// The main window's commands on the application as a whole: File > New Application, Edit Application,
// Import and Delete Application, and Tool > Options.

#include <filesystem>

#include "builder/frmAppInfo.h"
#include "builder/frmBuilderMain.h"
#include "builder/frmToolOptions.h"
#include "core/AddInTitle.h"
#include "core/CommonStatus.h"
#include "core/FormTemplateFolder.h"
#include "core/qelBusinessObject.h"
#include "platform/ui/Settings.h"
#include "repository/ApplicationDelete.h"
#include "repository/RepositoryFile.h"

namespace builder {

namespace {

constexpr const char* kToolDBPathSetting = "ToolDBPath";
constexpr const char* kFormTemplatePathSetting = "FormTemplatePath";

void SaveToolSetting(const char* key, const std::string& value) {
    ui::SaveSetting(core::kAddInSettingsApplication, core::kAddInTitle, key, value);
}

// "/srv/repo" and "/srv/repo/" name one folder.
std::filesystem::path FolderKey(const std::filesystem::path& folder) {
    return (folder / "").lexically_normal();
}

// The repository folder the options box names: its default when empty.
std::filesystem::path RepositoryFolder(const std::string& typed) {
    return typed.empty() ? repository::DefaultToolDBPath() : std::filesystem::path(typed);
}

// The form template folder the options box names: the add-in's own when empty.
std::string TemplateFolder(const std::string& typed) {
    return typed.empty() ? core::qelToolProperties().FormTemplatePath() : typed;
}

}  // namespace

bool frmBuilderMain::AskToSaveChanges() {
    return !(mIsDataChanged || (mIsImported && !mIsAppOpened)) || SaveChanges();
}

std::shared_ptr<frmAppInfo> frmBuilderMain::NewAppInfoForm() {
    mAppInfoForm = std::make_shared<frmAppInfo>();
    if (mImport) {
        mAppInfoForm->SetDataSourceLogon(
            [this](core::qelApplication& logonValues) { return mImport->LogonDataSource(logonValues); });
    }
    return mAppInfoForm;
}

void frmBuilderMain::ReadToolSettings() {
    if (mToolDBPath.empty()) {
        const std::string stored = core::Common::GetAddInSetting(kToolDBPathSetting, "");
        mToolDBPath = stored.empty() ? repository::DefaultToolDBPath() : std::filesystem::path(stored);
    }
    const std::string templates = core::Common::GetAddInSetting(kFormTemplatePathSetting, "");
    if (!templates.empty())
        mToolProperties->SetFormTemplatePath(templates);
}

void frmBuilderMain::mnuFileNew_Click() {
    RunCommand("mnuFileNew_Click", [this] {
        if (!AskToSaveChanges())
            return;
        const auto previous = mApplication;
        const auto form = NewAppInfoForm();
        mApplication = std::make_shared<core::qelApplication>();
        form->SetRefToAppObject(mApplication);
        form->SetIsImporting(true);
        form->Show();
        if (form->IsCanceled()) {
            mApplication = previous;
            return;
        }
        const bool wasAppOpened = mIsAppOpened;
        const bool wasImported = mIsImported;
        mIsAppOpened = false;
        mIsImported = false;
        if (mImport) {
            mImport->ImportData(previous, wasAppOpened, wasImported);
            return;
        }
        // Without the import the new application is modelled by hand.
        mViews->Clear();
        mCurrentBusObj.reset();
        mCurrentMethod.reset();
        mCurrentRelationship.reset();
        mHasBusObj = false;
        mIsDataChanged = false;
        mCaption = "VBOstrel - " + mApplication->Name();
    });
}

void frmBuilderMain::mnuFileEditApplication_Click() {
    RunCommand("mnuFileEditApplication_Click", [this] {
        const auto form = NewAppInfoForm();
        form->SetRefToAppObject(mApplication);
        form->Show();
        mCaption = "VBOstrel - " + mApplication->Name();
        if (!form->IsCanceled())
            mIsDataChanged = true;
    });
}

void frmBuilderMain::mnuFileImport_Click() {
    RunCommand("mnuFileImport_Click", [this] {
        if (!mImport)
            return;
        const auto remembered = mApplication;
        if ((mIsAppOpened || mIsImported) && mImport->GetNewTables(*mApplication).empty()) {
            ui::MsgBox("There are no tables left in the current Application's\rdatabase to import.",
                       ui::vbInformation, "Application Import");
            return;
        }
        if (mApplication->BusinessObjects()->Count() == 0) {
            const auto form = NewAppInfoForm();
            form->SetRefToAppObject(mApplication);
            form->SetIsImporting(true);
            form->Show();
            if (form->IsCanceled()) {
                mApplication = remembered;
                return;
            }
        }
        mImport->ImportData(mApplication, mIsAppOpened, mIsImported);
    });
}

void frmBuilderMain::mnuFileDelete_Click() {
    RunCommand("mnuFileDelete_Click", [this] {
        if (ui::MsgBox("Do you want to delete the current application?",
                       ui::vbYesNo + ui::vbCritical + ui::vbDefaultButton2,
                       "Delete Application") != ui::vbYes)
            return;
        const std::string status = mStatusText;
        const ui::MousePointer pointer = ui::CurrentInteraction().Pointer();
        SetStatus("Deleting Application...", ui::MousePointer::Hourglass);
        try {
            if (mIsAppOpened && !WriteRepositoryTelling(RepositoryCommand::Delete, [this] {
                    repository::DeleteApplication(RequiredDatabase(), mApplication->DBID(), Stamp());
                }))
                return;
        } catch (const vb::Error&) {
            SetStatus(status, pointer);
            throw;
        }
        ClearGUI();
        mIsDataChanged = false;
        SetStatus("Ready...", ui::MousePointer::Default);
    });
}

void frmBuilderMain::mnuToolOptions_Click() {
    RunCommand("mnuToolOptions_Click", [this] {
        mToolOptionsForm = std::make_shared<frmToolOptions>();
        frmToolOptions& form = *mToolOptionsForm;
        form.SetFormTemplatePath(mToolProperties->FormTemplatePath());
        form.SetAppDatabasePath(mToolProperties->ToolDBPath());
        // Another folder must hold the form templates; the person then corrects the path typed.
        form.SetFormTemplateCheck([this](const std::string& typed) {
            const std::string folder = TemplateFolder(typed);
            const std::string missing = core::MissingFormTemplate(folder);
            if (FolderKey(folder) == FolderKey(mToolProperties->FormTemplatePath()) || missing.empty())
                return true;
            ui::MsgBox(core::FormTemplateNotFound(folder + missing), ui::vbOKOnly + ui::vbCritical,
                       core::kFormTemplateNotFoundTitle);
            return false;
        });
        // Another folder must hold a repository; the person then corrects the path typed.
        form.SetAppDatabaseCheck([this](const std::string& typed) {
            const std::filesystem::path folder = RepositoryFolder(typed);
            const std::filesystem::path file = folder / repository::kRepositoryFileName;
            std::error_code unreadable;
            if (FolderKey(folder) == FolderKey(mToolDBPath) ||
                std::filesystem::is_regular_file(file, unreadable))
                return true;
            ui::MsgBox(repository::DatabaseNotFoundAt(file), 10, repository::kDatabaseNotFoundTitle);
            return false;
        });
        form.Show();
        if (!form.OK())
            return;
        const std::filesystem::path databasePath = RepositoryFolder(form.AppDatabasePath());
        const std::string templatePath = TemplateFolder(form.FormTemplatePath());
        if (FolderKey(databasePath) != FolderKey(mToolDBPath)) {
            if (!AskToSaveChanges()) {
                ui::MsgBox(
                    "Tool Options changed nothing: the changes to the open application are not saved, "
                    "so the repository folder is still " +
                        mToolDBPath.string() + ". Save them, or answer No when asked to save them, then " +
                        "choose " + databasePath.string() + " again.",
                    ui::vbInformation, "Tool Options");
                return;
            }
            auto database = OpenRepositoryTelling(databasePath);
            if (!database)
                return;
            ClearGUI();
            mIsDataChanged = false;
            mDatabase = std::move(database);
            mToolDBPath = databasePath;
        }
        mToolProperties->SetToolDBPath(mToolDBPath.string());
        mToolProperties->SetFormTemplatePath(templatePath);
        SaveToolSetting(kToolDBPathSetting, form.AppDatabasePath());
        SaveToolSetting(kFormTemplatePathSetting, form.FormTemplatePath());
    });
}

}  // namespace builder
