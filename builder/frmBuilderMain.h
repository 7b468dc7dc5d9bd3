#pragma once
// The add-in's main window: the open application model, the repository it is kept in, the four views of
// the model, the menus, toolbar and popup, and every command they start. The logic lives here and is
// driven without a window by tests; builder/qt shows it.
//
// Items enter the model and the views only through the handlers below (the load of an application calls
// them too, through repository::ModelItemHandlers). Each handler checks every key it is going to write
// (letter case ignored) before it changes anything: a refused item leaves model and views as they were.
//
// Commands that other dialogs open (business object, property, method, relationship, application, tool
// options, deletes) go through BuilderDialogs; import and synchronisation through ImportCommands.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "builder/BuilderDialogs.h"
#include "builder/ImportCommands.h"
#include "builder/ModelViews.h"
#include "core/BuildEngine.h"
#include "core/MainWindow.h"
#include "core/StatusSink.h"
#include "core/qelApplication.h"
#include "core/qelToolProperties.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ui/Interaction.h"
#include "repository/ApplicationInfoPrompt.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationStamp.h"
#include "repository/ModelFiling.h"
#include "repository/ModelItemDelete.h"
#include "schemaimport/ImportData.h"
#include "schemaimport/ModelSink.h"
#include "schemaimport/frmImportSelection.h"

namespace core {
class frmCodeGeneration;
}

namespace builder {

class frmAppInfo;
class frmAppOpen;
class frmToolOptions;

class frmBuilderMain : public core::MainWindow,
                       public core::StatusSink,
                       public ui::ModelessWindow,
                       public schemaimport::ModelSink {
  public:
    static constexpr int32_t kHelpContext = 1506;
    static constexpr const char* kNewApplicationCaption = "VBOstrel - New Application";
    static constexpr const char* kBuildApplicationPattern = "Test.StdDetailForm";

    // The view a command or popup refers to. Setting one clears the others.
    enum class Context { None, Tree, Property, Method, Relationship };
    // The three lists, by their tab on SSTab1.
    enum class ListTab { Properties = 0, Methods = 1, Relationships = 2 };

    // What shows the window (builder/qt). Refresh is called once at the end of every command that
    // changed what the window shows.
    class View : public ui::ModelessView {
      public:
        virtual void ShowStatusText(const std::string& text) = 0;
        // The popup menu at the pointer, after a right click.
        virtual void ShowPopup() = 0;
        // Starts editing the label of the tree's node.
        virtual void StartLabelEdit(const std::string& nodeKey) = 0;
    };

    frmBuilderMain();
    ~frmBuilderMain() override;

    // Public variables.
    const std::shared_ptr<vbide::VBE>& VBInstance() const { return mVBInstance; }
    void SetVBInstance(std::shared_ptr<vbide::VBE> vbInstance) override {
        mVBInstance = std::move(vbInstance);
    }
    // The connection that created the window, or nothing once it is gone.
    std::shared_ptr<core::Connect> Connect() const { return mConnect.lock(); }
    void SetConnect(std::weak_ptr<core::Connect> connect) override { mConnect = std::move(connect); }
    // The repository, open while the window is loaded; nullptr when it could not be opened.
    dao::SqliteDatabase* dbZUN() const { return mDatabase.get(); }

    // Where the window's dialogs and the import are opened; the window owns them. Each has a default
    // that opens nothing.
    void SetDialogs(std::unique_ptr<BuilderDialogs> dialogs) { mDialogs = std::move(dialogs); }
    void SetImportCommands(std::unique_ptr<ImportCommands> import);
    // Asked for the application's information before a model's first save; the default cancels.
    void SetApplicationInfoPrompt(std::unique_ptr<repository::ApplicationInfoPrompt> prompt) {
        mAppInfoPrompt = std::move(prompt);
    }
    // Makes the construction engine of a build; a new qelConstructor unless set.
    void SetEngineFactory(core::BuildEngineFactory createEngine) { mCreateEngine = std::move(createEngine); }
    // The generate-code dialog that Build > Business Object showed last.
    const std::shared_ptr<core::frmCodeGeneration>& CodeGenerationForm() const { return mCodeGenerationForm; }
    // The open dialog while File > Open shows it.
    const std::shared_ptr<frmAppOpen>& AppOpenForm() const { return myAppOpenForm; }
    // Where the repository is opened at load; the per-user data folder unless set before Show.
    void SetToolDBPath(std::filesystem::path path) { mToolDBPath = std::move(path); }

    // core::MainWindow. Unload is the add-in's disconnection: the window closes even when the save it
    // offers fails or is cancelled. QueryUnload, before the IDE closes, is File > Exit's.
    void Show() override;
    void Hide() override;
    void Unload() override;
    bool QueryUnload() override { return mnuFileExit_Click(); }

    bool IsLoaded() const { return mLoaded; }
    const std::string& Caption() const { return mCaption; }
    // The first panel of the status bar.
    const std::string& StatusText() const { return mStatusText; }
    void ShowStatusText(const std::string& text) override;

    // State.
    const std::shared_ptr<core::qelApplication>& Application() const override { return mApplication; }
    void SetApplication(std::shared_ptr<core::qelApplication> application) override {
        mApplication = std::move(application);
    }
    const std::shared_ptr<core::qelToolProperties>& ToolProperties() const { return mToolProperties; }
    const std::shared_ptr<core::qelBusinessObject>& CurrentBusObj() const { return mCurrentBusObj; }
    void SetCurrentBusObj(std::shared_ptr<core::qelBusinessObject> businessObject) {
        mCurrentBusObj = std::move(businessObject);
    }
    const std::shared_ptr<core::qelRelationship>& CurrentRelationship() const { return mCurrentRelationship; }
    const repository::StoredApplications& StoredApplications() const { return mStoredApplications; }
    Context CurrentContext() const { return mContext; }
    bool IsTreeContext() const { return mContext == Context::Tree; }
    bool IsPropertyContext() const { return mContext == Context::Property; }
    bool IsMethodContext() const { return mContext == Context::Method; }
    bool IsRelationshipContext() const { return mContext == Context::Relationship; }
    void SetContext(Context context) { mContext = context; }
    bool IsAppOpened() const override { return mIsAppOpened; }
    void SetIsAppOpened(bool value) override { mIsAppOpened = value; }
    bool IsImported() const override { return mIsImported; }
    void SetIsImported(bool value) override { mIsImported = value; }
    bool IsDataChanged() const override { return mIsDataChanged; }
    void SetIsDataChanged(bool value) override { mIsDataChanged = value; }
    // The table selection dialog the calling command made for the next import.
    std::shared_ptr<schemaimport::frmImportSelection> ImportSelectionForm() const override {
        return mImportSelectionForm;
    }
    void SetImportSelectionForm(std::shared_ptr<schemaimport::frmImportSelection> form) override {
        mImportSelectionForm = std::move(form);
    }
    bool HasBusObj() const { return mHasBusObj; }
    bool IsAddingBusObj() const { return mIsAddingBusObj; }

    // The views, the tab shown and the menu items' state.
    ModelViews& Views() { return *mViews; }
    const ModelViews& Views() const { return *mViews; }
    ListTab SSTab1() const { return mTab; }
    void SetSSTab1(ListTab tab) { mTab = tab; }
    bool MenuEnabled(std::string_view name) const;
    bool MenuVisible(std::string_view name) const;
    // The tree node whose label a rename command last started to edit.
    const std::string& LabelEditKey() const { return mLabelEditKey; }

    // Commands, by the control that starts them. Each reports an unexpected error in the error dialog.
    void RunMenuCommand(std::string_view name);
    void tlbToolBar_ButtonClick(std::string_view key);
    void mnuFileOpen_Click();
    void mnuFileNew_Click();
    void mnuFileEditApplication_Click();
    void mnuFileImport_Click();
    void mnuFileDelete_Click();
    void mnuToolOptions_Click();
    void mnuFileSave_Click();
    void mnuFileBuildApplication_Click();
    void mnuFileRename_Click();
    // Unloads the window unless the save it offers fails or is cancelled; true when it unloaded.
    bool mnuFileExit_Click();
    void mnuBusObjNew_Click();
    void mnuBusObjAddProperty_Click();
    void mnuBusObjAddMethod_Click();
    void mnuBusObjAddRelationship_Click();
    void mnuBusObjAddVirtualProperty_Click();
    void mnuBusObjRename_Click();
    void mnuBuildBusObj_Click();
    void mnuHelpVBOstrel_Click();
    void mnuHelpAbout_Click();
    void mnuPropertyNew_Click();
    void mnuMethodNew_Click();
    void mnuRelationshipNew_Click();
    void mnuPropMethEdit_Click();
    void mnuPropMethRename_Click();
    // "&Delete" of the popup: the selected method of the method list or the tree; nothing for others.
    void mnuPropMethDelete_Click();
    // "De&lete Relationship": the relationship of the selected relationship row, or of the selected tree
    // node under a relationships group; nothing for any other selection.
    void mnuRelationshipDelete_Click();

    // Deleting a model item of `application` (the open one): its stored rows when the application is
    // stored, then its nodes, rows and collection entries. An entry that is not there raises before
    // anything is deleted, and a repository that cannot be written is told and keeps the item everywhere;
    // errors are logged and raised again under the member's name.
    // The four standard methods are refused with a message.
    void DeleteBusObjMethod(core::qelApplication& application,
                            const std::shared_ptr<core::qelBusObjMethod>& method);
    // Also schemaimport::ModelSink's: a business object goes after every relationship that involves it,
    // a property also leaves the keys and every association's foreign properties, a relationship's
    // foreign properties are refreshed as plain ones.
    void DeleteRelationship(core::qelApplication& application,
                            const std::shared_ptr<core::qelRelationship>& relationship) override;
    void DeleteBusObj(core::qelApplication& application,
                      const std::shared_ptr<core::qelBusinessObject>& businessObject) override;
    void DeleteBusObjProperty(core::qelApplication& application,
                              const std::shared_ptr<core::qelBusObjProperty>& property) override;

    // View events. A mouse button is 1 (left), 2 (right) or 4 (middle); column indexes start at 1.
    void BusObjTreeView_MouseDown(int32_t button);
    void ListView_MouseDown(ListTab list, int32_t button);
    void ListView_ColumnClick(ListTab list, int32_t columnIndex);
    void ListView_DblClick(ListTab list);
    // True cancels the edit.
    bool BusObjTreeView_BeforeLabelEdit();
    // True cancels the edit and keeps the old label; `newString` may come back corrected ("_" for blanks).
    bool BusObjTreeView_AfterLabelEdit(std::string& newString);

    // The handlers. Each returns false when it refused the item (its message shown): the dialog then
    // sets its DuplicateName and stays open. A business object that is not in the application raises 9.
    bool myBusObjForm_BusinessObjectAdded(const std::shared_ptr<core::qelBusinessObject>& newBusObj);
    bool myMethodForm_MethodAdded(const std::shared_ptr<core::qelBusObjMethod>& method);
    bool myMethodForm_MethodUpdated(const std::shared_ptr<core::qelBusObjMethod>& method);
    bool myPropertyForm_PropertyAdded(const std::shared_ptr<core::qelBusObjProperty>& property);
    bool myPropertyForm_PropertyUpdated(const std::shared_ptr<core::qelBusObjProperty>& property);
    bool myRelationshipForm_RelationshipAdded(const std::shared_ptr<core::qelRelationship>& relationship);
    void myRelationshipForm_RelationshipUpdated(const std::shared_ptr<core::qelRelationship>& relationship);
    void PropUpdatedByRelationship(const std::shared_ptr<core::qelBusObjProperty>& property);
    // The open dialog's AppInfoOpened: loads the application of its selected row.
    void myAppOpenForm_AppInfoOpened();

    // repository::ModelItemHandlers (through schemaimport::ModelSink): the load and the import file through
    // the handlers above; a refused item raises
    // 457 without a message, which ends the load.
    void BusinessObjectAdded(core::qelApplication& application,
                             const std::shared_ptr<core::qelBusinessObject>& businessObject) override;
    void PropertyAdded(core::qelApplication& application,
                       const std::shared_ptr<core::qelBusObjProperty>& property) override;
    void MethodAdded(core::qelApplication& application,
                     const std::shared_ptr<core::qelBusObjMethod>& method) override;
    void RelationshipAdded(core::qelApplication& application,
                           const std::shared_ptr<core::qelRelationship>& relationship) override;

    // schemaimport::ModelSink: the import files through the handlers above. A property to update has its
    // list row selected first; a refused one raises 457.
    void PropertyUpdated(core::qelApplication& application,
                         const std::shared_ptr<core::qelBusObjProperty>& property) override;
    void LockWindowUpdate(bool locked) override;
    // Empties the views, makes the builder dialogs anew and forgets the current business object.
    void StartNewApplication() override;
    void ClearViews() override;
    void SetCaption(const std::string& caption) override { mCaption = caption; }
    void EnableStoredApplicationCommands() override;
    // The window has no application information dialog yet.
    void HideAppInfoForm() override {}
    void UnloadAppInfoForm() override {}

    // Members other code calls; they log an error and raise it again.
    // The schema import into the window's application; `currentAppObject` is what the calling command
    // replaced.
    void ImportData(const schemaimport::PreviousApplication& currentAppObject);
    // Runs a command that rebuilds the model from its database: the stored rows of the items it takes out
    // go with the next save of the application, so that a model not saved leaves the repository as it was.
    void RunDeferringStoredDeletes(const std::function<void()>& command);
    void ClearGUI();
    // Asks whether to save; true unless the save was wanted and failed or was cancelled.
    bool SaveChanges();
    // The business object of the current context's selection, also kept as the current one; nullptr when
    // there is none in the open application.
    std::shared_ptr<core::qelBusinessObject> GetBusinessObject();
    void BuildDesignObject(const std::string& patternName,
                           const std::shared_ptr<core::qelBusinessObject>& businessObject);

    std::string WindowName() const override { return "frmBuilderMain"; }
    void ShowWidget() override;
    void CloseWidget() override;

  private:
    friend class ViewUpdate;
    enum class Filing { Dialog, Load };

    void Form_Load();
    // Closes the window; false when `force` is not set and the offered save failed or was cancelled.
    bool Form_Unload(bool force);
    // True when the model was saved.
    bool SaveApplication();
    // The unload's question when the model has unsaved changes; false when the save was wanted and failed
    // or was cancelled.
    bool AskToSaveChanges();
    // A new application dialog in mAppInfoForm, its Browse reaching the import's data-source logon.
    std::shared_ptr<frmAppInfo> NewAppInfoForm();
    // The repository folder (unless one was set before Show) and the form-template folder, as kept in the
    // settings.
    void ReadToolSettings();
    // The repository in `toolDBPath`; null when it cannot be opened, which a message box has told: that it
    // cannot be found, or which file cannot be used or brought up to date, and why.
    std::unique_ptr<dao::SqliteDatabase> OpenRepositoryTelling(const std::filesystem::path& toolDBPath);
    // The commands that write the repository at once, for what they leave undone when they cannot.
    enum class RepositoryCommand { Save, Delete, Open };
    // Runs `write`. When the system does not let it write the repository, or another window or program
    // changed the application's rows since this window read or wrote them, a message box tells the file or
    // folder, or the application, why, what `command` left undone and what to do; the status is back on
    // "Ready..." and the result false.
    bool WriteRepositoryTelling(RepositoryCommand command, const std::function<void()>& write);
    void SetStatus(const std::string& text, ui::MousePointer pointer);
    // Runs a command; an error escaping it is reported with the command's name.
    void RunCommand(const char* procedure, const std::function<void()>& body);
    ReportList& List(ListTab list);
    // The open repository; 91 when it could not be opened.
    dao::SqliteDatabase& RequiredDatabase() const;
    // Deletes an opened application's stored item by `deleteNow`, or notes its ID in `deferred` for the
    // next save while RunDeferringStoredDeletes runs; false when the repository refused the delete.
    bool DeleteStoredItem(std::vector<int32_t> repository::DeferredDeletes::*deferred,
                          void (*deleteNow)(dao::SqliteDatabase&, int32_t, repository::ApplicationStamp*),
                          int32_t id);
    // The stamp of the open application's stored rows, as this window loaded or last wrote them; one that
    // checks nothing for an application this window has not read or written.
    repository::ApplicationStamp* Stamp();
    // A relationship's rows and nodes, then the relationship itself out of the model (its foreign
    // properties' rows refreshed); no repository row.
    void RemoveRelationship(core::qelApplication& application,
                            const std::shared_ptr<core::qelRelationship>& relationship);
    // Opens the relationship named by a relationship end's key; nothing for any other key.
    void EditRelationshipOfKey(const std::string& key);
    core::BuildEngineFactory EngineFactory() const;

    // The handlers' work, filing into `application`; a refusal returns false and changes nothing.
    bool AddBusinessObject(core::qelApplication& application,
                           const std::shared_ptr<core::qelBusinessObject>& businessObject, Filing filing);
    bool AddMethod(core::qelApplication& application, const std::shared_ptr<core::qelBusObjMethod>& method,
                   Filing filing);
    bool AddProperty(core::qelApplication& application,
                     const std::shared_ptr<core::qelBusObjProperty>& property, Filing filing);
    bool AddRelationship(core::qelApplication& application,
                         const std::shared_ptr<core::qelRelationship>& relationship, Filing filing);
    void ShowDuplicate(Filing filing, const std::string& kind, const std::string& businessObject);

    // Renames of a tree node; false (after the message) when refused.
    bool RenameBusinessObject(const std::string& oldName, std::string& newName);
    bool RenameProperty(const std::string& oldKey, std::string& newName);
    bool RenameMethod(const std::string& oldKey, std::string& newName);

    bool mLoaded = false;
    std::shared_ptr<vbide::VBE> mVBInstance;
    std::weak_ptr<core::Connect> mConnect;
    std::unique_ptr<dao::SqliteDatabase> mDatabase;
    std::filesystem::path mToolDBPath;
    std::string mCaption = "VB Ostrel";
    std::string mStatusText;
    std::unique_ptr<core::ScopedStatusSink> mStatusSink;
    std::unique_ptr<View> mView;
    int mUpdateDepth = 0;

    std::unique_ptr<BuilderDialogs> mDialogs;
    std::unique_ptr<ImportCommands> mImport;
    std::unique_ptr<repository::ApplicationInfoPrompt> mAppInfoPrompt;
    std::shared_ptr<frmAppOpen> myAppOpenForm;
    std::shared_ptr<schemaimport::frmImportSelection> mImportSelectionForm =
        std::make_shared<schemaimport::frmImportSelection>();
    std::shared_ptr<frmAppInfo> mAppInfoForm;
    std::shared_ptr<frmToolOptions> mToolOptionsForm;

    std::shared_ptr<core::qelApplication> mApplication;
    std::shared_ptr<core::qelToolProperties> mToolProperties;
    repository::StoredApplications mStoredApplications;
    std::shared_ptr<core::qelBusinessObject> mCurrentBusObj;
    std::shared_ptr<core::qelBusObjProperty> mCurrentProperty;
    std::shared_ptr<core::qelBusObjMethod> mCurrentMethod;
    std::shared_ptr<core::qelRelationship> mCurrentRelationship;
    core::BuildEngineFactory mCreateEngine;
    std::shared_ptr<core::BuildEngine> mConstructor;
    std::shared_ptr<core::frmCodeGeneration> mCodeGenerationForm;

    std::unique_ptr<ModelViews> mViews;
    ListTab mTab = ListTab::Properties;
    std::map<std::string, bool, std::less<>> mMenuEnabled;
    std::map<std::string, bool, std::less<>> mMenuVisible;
    std::string mLabelEditKey;

    Context mContext = Context::None;
    bool mIsAppOpened = false;
    bool mHasBusObj = false;
    bool mIsAddingBusObj = false;
    bool mIsImported = false;
    bool mIsDataChanged = false;
    bool mDefersStoredDeletes = false;
    // The rows RunDeferringStoredDeletes left to the save, of the application they were taken from.
    repository::DeferredDeletes mDeferredDeletes;
    std::weak_ptr<core::qelApplication> mDeferredDeletesOf;
    repository::ApplicationStamp mStamp;
    std::weak_ptr<core::qelApplication> mStampOf;
};

// Holds the window's view back from refreshing until the outermost one goes.
class ViewUpdate {
  public:
    explicit ViewUpdate(frmBuilderMain& form) : mForm(form) { mForm.LockWindowUpdate(true); }
    ~ViewUpdate() { mForm.LockWindowUpdate(false); }
    ViewUpdate(const ViewUpdate&) = delete;
    ViewUpdate& operator=(const ViewUpdate&) = delete;

  private:
    frmBuilderMain& mForm;
};

}  // namespace builder
