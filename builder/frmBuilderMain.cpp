// The main window's life: load, unload, the menus' state and where each command goes.

#include "builder/frmBuilderMain.h"

#include <cstddef>
#include <unordered_map>
#include <utility>

#include "builder/frmAppInfo.h"
#include "builder/frmAppOpen.h"
#include "core/AddInSettings.h"
#include "core/ApplicationLog.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/frmSplash.h"
#include "core/qelConstructor.h"
#include "repository/RepositoryFile.h"
#include "repository/RepositoryWrite.h"

namespace builder {

namespace {

// Items that have no action, disabled at load.
constexpr const char* kWithoutAction[] = {"mnuFilePattern", "mnuDesignObject", "mnuDesObjNew",
                                          "mnuViewOptions", "mnuWindowNew"};

// What each RepositoryCommand, in its order, leaves undone when it cannot write, how it is done again
// once the repository is writable, and once the person has seen what another window or program stored.
struct Unwritten {
    const char* undone;
    const char* retry;
    const char* retryAfterConflict;
};
constexpr Unwritten kUnwritten[] = {
    {"Nothing has been saved; the window keeps your changes.", "save again",
     "make your changes again and save them"},
    {"Nothing has been deleted.", "delete it again", "delete it again"},
    {"It is of an older format, which the builder brings up to date before it uses it; nothing has been "
     "opened.",
     "open it again", "open it again"},
};

}  // namespace

void frmBuilderMain::LockWindowUpdate(bool locked) {
    if (locked) {
        ++mUpdateDepth;
        return;
    }
    if (--mUpdateDepth > 0)
        return;
    if (mView)
        mView->Refresh();
    else
        mViews->BusObjTreeView.ReleaseDetached();  // no widget shows them
}

frmBuilderMain::frmBuilderMain() : mViews(std::make_unique<ModelViews>()) {}

frmBuilderMain::~frmBuilderMain() = default;

void frmBuilderMain::Form_Load() {
    if (mLoaded)
        return;
    ViewUpdate update(*this);
    mMenuVisible["mnuStartHere"] = false;
    for (const char* name : kWithoutAction)
        mMenuEnabled[name] = false;
    if (!mDialogs)
        mDialogs = MakeBuilderDialogs(*this);
    if (!mImport)
        SetImportCommands(MakeImportCommands(*this));
    if (!mAppInfoPrompt)
        mAppInfoPrompt = std::make_unique<AppInfoFormPrompt>([this] { return NewAppInfoForm(); });
    mApplication = std::make_shared<core::qelApplication>();
    mCurrentBusObj.reset();
    mToolProperties = std::make_shared<core::qelToolProperties>();
    ReadToolSettings();
    mToolProperties->SetToolDBPath(mToolDBPath.string());
    mContext = Context::None;
    mIsAppOpened = mHasBusObj = mIsAddingBusObj = mIsImported = mIsDataChanged = false;
    mCaption = kNewApplicationCaption;
    mStatusSink = std::make_unique<core::ScopedStatusSink>(*this);
    ShowStatusText("Ready");
    // Read now, so that an unload without the logon dialog writes back what was stored.
    core::AddInSettings::Load();
    mLoaded = true;
    mDatabase = OpenRepositoryTelling(mToolDBPath);
}

std::unique_ptr<dao::SqliteDatabase> frmBuilderMain::OpenRepositoryTelling(
    const std::filesystem::path& toolDBPath) {
    std::unique_ptr<dao::SqliteDatabase> database;
    try {
        WriteRepositoryTelling(RepositoryCommand::Open,
                               [&] { database = repository::OpenRepository(toolDBPath); });
    } catch (const repository::UnusableRepository& unusable) {
        ui::MsgBox(unusable.Description(), 10, repository::kDatabaseNotUsableTitle);
    } catch (const vb::Error&) {
        ui::MsgBox(repository::kDatabaseNotFoundMessage, 10, repository::kDatabaseNotFoundTitle);
    }
    return database;
}

bool frmBuilderMain::WriteRepositoryTelling(RepositoryCommand command, const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const repository::UnwritableRepository& unwritable) {
        const Unwritten& unwritten = kUnwritten[static_cast<std::size_t>(command)];
        SetStatus("Ready...", ui::MousePointer::Default);
        ui::MsgBox(unwritable.Told(unwritten.undone, unwritten.retry), 10,
                   repository::kDatabaseNotWritableTitle);
        return false;
    } catch (const repository::ChangedElsewhere& changed) {
        const Unwritten& unwritten = kUnwritten[static_cast<std::size_t>(command)];
        SetStatus("Ready...", ui::MousePointer::Default);
        ui::MsgBox(changed.Told(unwritten.undone, unwritten.retryAfterConflict), 10,
                   repository::kApplicationChangedTitle);
        return false;
    }
}

repository::ApplicationStamp* frmBuilderMain::Stamp() {
    if (mStampOf.lock() != mApplication) {
        mStamp = {};
        mStampOf = mApplication;
    }
    return &mStamp;
}

void frmBuilderMain::SetImportCommands(std::unique_ptr<ImportCommands> import) {
    mImport = std::move(import);
    mMenuEnabled["mnuFileImport"] = mImport != nullptr;
    mMenuEnabled["mnuFileSyncApplication"] = mImport != nullptr;
}

void frmBuilderMain::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModeless(*this);
}

void frmBuilderMain::Hide() {
    if (mLoaded)
        ui::CurrentInteraction().CloseModeless(*this);
}

void frmBuilderMain::Unload() {
    Form_Unload(true);
}

bool frmBuilderMain::mnuFileExit_Click() {
    return Form_Unload(false);
}

bool frmBuilderMain::Form_Unload(bool force) {
    if (!mLoaded)
        return true;
    if (mIsImported && !mIsAppOpened)
        mIsDataChanged = true;
    if (mIsDataChanged) {
        bool saved = false;
        RunCommand("Form_Unload", [&] { saved = SaveChanges(); });
        if (!saved && !force)
            return false;
    }
    ui::CurrentInteraction().CloseModeless(*this);
    mDialogs.reset();
    mImport.reset();
    myAppOpenForm.reset();
    mApplication.reset();
    mToolProperties.reset();
    mCurrentBusObj.reset();
    mCurrentMethod.reset();
    mCurrentRelationship.reset();
    mViews->Clear();
    mDatabase.reset();
    mStatusSink.reset();
    mStatusText.clear();
    mLoaded = false;
    try {
        core::AddInSettings::Save();
    } catch (...) {
        // Writing the settings ignores every error.
    }
    return true;
}

bool frmBuilderMain::SaveChanges() {
    if (ui::MsgBox("Do you wish to save your changes?", ui::vbYesNo + ui::vbQuestion, "VB Ostrel") !=
        ui::vbYes)
        return true;
    return SaveApplication();
}

void frmBuilderMain::ClearGUI() {
    ViewUpdate update(*this);
    core::LogAndRaiseAs("ClearGUI", [this] {
        EnableStoredApplicationCommands();
        SetStatus("Creating New Application...", ui::MousePointer::Hourglass);
        StartNewApplication();
        mApplication = std::make_shared<core::qelApplication>();
        mCaption = kNewApplicationCaption;
        mIsAppOpened = false;
        mIsImported = false;
        mHasBusObj = false;
        SetStatus("Ready...", ui::MousePointer::Default);
    });
}

void frmBuilderMain::StartNewApplication() {
    mViews->Clear();
    if (mDialogs)
        mDialogs->RenewDialogs();
    mCurrentBusObj.reset();
}

void frmBuilderMain::EnableStoredApplicationCommands() {
    mMenuEnabled["mnuFileSyncApplication"] = mImport != nullptr;
    mMenuEnabled["mnuFileDelete"] = true;
}

void frmBuilderMain::ShowStatusText(const std::string& text) {
    mStatusText = text;
    if (mView)
        mView->ShowStatusText(text);
}

void frmBuilderMain::SetStatus(const std::string& text, ui::MousePointer pointer) {
    ShowStatusText(text);
    ui::CurrentInteraction().SetMousePointer(pointer);
}

bool frmBuilderMain::MenuEnabled(std::string_view name) const {
    const auto found = mMenuEnabled.find(name);
    return found == mMenuEnabled.end() || found->second;
}

bool frmBuilderMain::MenuVisible(std::string_view name) const {
    const auto found = mMenuVisible.find(name);
    return found == mMenuVisible.end() || found->second;
}

void frmBuilderMain::RunCommand(const char* procedure, const std::function<void()>& body) {
    ViewUpdate update(*this);
    try {
        body();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, procedure);
    }
}

void frmBuilderMain::RunMenuCommand(std::string_view name) {
    struct Entry {
        // The name an error is reported with; empty for a command that reports its own.
        const char* procedure;
        void (*run)(frmBuilderMain&);
    };
    static const std::unordered_map<std::string_view, Entry> commands = {
        {"mnuFileNew", {"", [](frmBuilderMain& f) { f.mnuFileNew_Click(); }}},
        {"mnuFileOpen", {"", [](frmBuilderMain& f) { f.mnuFileOpen_Click(); }}},
        {"mnuFileImport", {"", [](frmBuilderMain& f) { f.mnuFileImport_Click(); }}},
        {"mnuFileSave", {"", [](frmBuilderMain& f) { f.mnuFileSave_Click(); }}},
        {"mnuFileBuildApplication", {"", [](frmBuilderMain& f) { f.mnuFileBuildApplication_Click(); }}},
        {"mnuFileSyncApplication", {"", [](frmBuilderMain& f) { f.mImport->SynchronizeApplication(); }}},
        {"mnuFileDelete", {"", [](frmBuilderMain& f) { f.mnuFileDelete_Click(); }}},
        {"mnuFileEditApplication", {"", [](frmBuilderMain& f) { f.mnuFileEditApplication_Click(); }}},
        {"mnuFileRename", {"", [](frmBuilderMain& f) { f.mnuFileRename_Click(); }}},
        {"mnuFileExit", {"", [](frmBuilderMain& f) { f.mnuFileExit_Click(); }}},
        {"mnuBusObjNew", {"", [](frmBuilderMain& f) { f.mnuBusObjNew_Click(); }}},
        {"mnuBusObjAddProperty", {"", [](frmBuilderMain& f) { f.mnuBusObjAddProperty_Click(); }}},
        {"mnuBusObjAddMethod", {"", [](frmBuilderMain& f) { f.mnuBusObjAddMethod_Click(); }}},
        {"mnuBusObjAddRelationship", {"", [](frmBuilderMain& f) { f.mnuBusObjAddRelationship_Click(); }}},
        {"mnuBusObjAddVirtualProperty",
         {"", [](frmBuilderMain& f) { f.mnuBusObjAddVirtualProperty_Click(); }}},
        {"mnuBusObjRename", {"", [](frmBuilderMain& f) { f.mnuBusObjRename_Click(); }}},
        {"mnuBuildBusObj", {"", [](frmBuilderMain& f) { f.mnuBuildBusObj_Click(); }}},
        {"mnuToolOptions", {"", [](frmBuilderMain& f) { f.mnuToolOptions_Click(); }}},
        {"mnuHelpVBOstrel", {"", [](frmBuilderMain& f) { f.mnuHelpVBOstrel_Click(); }}},
        {"mnuHelpAbout", {"", [](frmBuilderMain& f) { f.mnuHelpAbout_Click(); }}},
        {"mnuPropertyNew", {"", [](frmBuilderMain& f) { f.mnuPropertyNew_Click(); }}},
        {"mnuMethodNew", {"", [](frmBuilderMain& f) { f.mnuMethodNew_Click(); }}},
        {"mnuRelationshipNew", {"", [](frmBuilderMain& f) { f.mnuRelationshipNew_Click(); }}},
        {"mnuRelationshipDelete",
         {"RelationshipDelete", [](frmBuilderMain& f) { f.mnuRelationshipDelete_Click(); }}},
        {"mnuPropMethEdit", {"", [](frmBuilderMain& f) { f.mnuPropMethEdit_Click(); }}},
        {"mnuPropMethDelete",
         {"mnuPropMethDelete_Click", [](frmBuilderMain& f) { f.mnuPropMethDelete_Click(); }}},
        {"mnuPropMethRename", {"", [](frmBuilderMain& f) { f.mnuPropMethRename_Click(); }}},
    };
    if (!mLoaded || !MenuEnabled(name) || !MenuVisible(name))
        return;
    const auto found = commands.find(name);
    if (found == commands.end())
        return;
    const Entry& entry = found->second;
    if (*entry.procedure)
        RunCommand(entry.procedure, [this, &entry] { entry.run(*this); });
    else
        entry.run(*this);
}

void frmBuilderMain::tlbToolBar_ButtonClick(std::string_view key) {
    static const std::unordered_map<std::string_view, std::string_view> buttons = {
        {"New", "mnuFileNew"},
        {"Open", "mnuFileOpen"},
        {"Save", "mnuFileSave"},
        {"Import", "mnuFileImport"},
        {"BusObj", "mnuBusObjNew"},
        {"Property", "mnuBusObjAddProperty"},
        {"Method", "mnuBusObjAddMethod"},
        {"Relationship", "mnuRelationshipNew"},
    };
    const auto found = buttons.find(key);
    if (found != buttons.end())
        RunMenuCommand(found->second);
}

void frmBuilderMain::mnuHelpVBOstrel_Click() {
    RunCommand("mnuHelpVBOstrel_Click", [] { core::ShowHelpTopic(kHelpContext); });
}

void frmBuilderMain::mnuHelpAbout_Click() {
    RunCommand("mnuHelpAbout_Click", [] { core::frmSplash::Show(); });
}

void frmBuilderMain::mnuBusObjNew_Click() {
    RunCommand("mnuBusObjNew_Click", [this] { mDialogs->NewBusinessObject(); });
}

void frmBuilderMain::mnuPropertyNew_Click() {
    RunCommand("mnuPropertyNew_Click", [this] { mDialogs->NewProperty(); });
}

void frmBuilderMain::mnuMethodNew_Click() {
    RunCommand("MethodNew", [this] { mDialogs->NewMethod(); });
}

void frmBuilderMain::mnuRelationshipNew_Click() {
    RunCommand("RelationshipNew", [this] { mDialogs->NewRelationship(); });
}

void frmBuilderMain::mnuBusObjAddProperty_Click() {
    RunCommand("mnuBusObjAddProperty_Click", [this] {
        mContext = Context::Tree;
        mDialogs->NewProperty();
    });
}

void frmBuilderMain::mnuBusObjAddMethod_Click() {
    RunCommand("mnuBusObjAddMethod_Click", [this] {
        mContext = Context::Tree;
        mDialogs->NewMethod();
    });
}

void frmBuilderMain::mnuBusObjAddRelationship_Click() {
    RunCommand("mnuBusObjAddRelationship_Click", [this] {
        mContext = Context::Tree;
        mDialogs->NewRelationship();
    });
}

void frmBuilderMain::mnuBusObjAddVirtualProperty_Click() {
    RunCommand("mnuBusObjAddVirtualProperty_Click", [this] {
        mContext = Context::Tree;
        mDialogs->AddVirtualProperty();
    });
}

}  // namespace builder
