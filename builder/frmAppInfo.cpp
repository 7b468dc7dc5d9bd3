#include "builder/frmAppInfo.h"

#include <array>

#include "core/CommonNames.h"
#include "core/HelpFile.h"
#include "core/ObjectAccess.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/ui/FileOpenDialog.h"
#include "platform/vb/Text.h"
#include "schemaimport/Connection.h"

namespace builder {
namespace {

struct ArchitectureEntry {
    const char* entry;
    const char* l1;
    const char* l2;
    const char* l3;
};

// By Architecture - 1.
constexpr std::array<ArchitectureEntry, 3> kArchitectures = {{
    {"Single Project", "Project_UI", "Project_UI", "Project_UI"},
    {"Two Projects", "Project_UI", "Project_Layer2", "Project_Layer2"},
    {"Three Projects", "Project_UI", "Project_Layer2", "Project_Layer3"},
}};
constexpr int32_t kThreeProjects = 2;

}  // namespace

void frmAppInfo::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
    if (!mUnloaded)
        Form_Unload();
}

void frmAppInfo::Form_Load() {
    try {
        HelpContextID = kHelpContext;
        Caption = mIsImporting ? "Application Information for Import" : "Application Information";
        SetDefaults();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "Form_Load");
    }
}

void frmAppInfo::SetDefaults() {
    txtDSNorDatabase.HelpContextID = kDatabaseHelpContext;
    if (mIsImporting)
        cmdOKEnabled = false;
    cmbArchitecture.List.clear();
    for (const auto& architecture : kArchitectures)
        cmbArchitecture.List.emplace_back(architecture.entry);
    cmbArchitecture_Click(0);
    cmbDBFormat.List = {"Local Access .mdb", "ODBC"};
    cmbDBFormat_Click(kLocalAccess);
    mIsCanceled = false;

    const core::qelApplication& application = core::Required(mApplication);
    mIsNewApplication = application.Name().empty();
    if (mIsNewApplication)
        return;
    txtDescription.Text = application.Description();
    if (!application.LocalDBName().empty()) {
        SetDSNorDatabaseText(application.LocalDBName());
        cmbDBFormat_Click(kLocalAccess);
    } else {
        SetDSNorDatabaseText(application.DSN());
        cmbDBFormat_Click(kODBC);
    }
    const int32_t architecture = application.Architecture();
    if (architecture >= 1 && architecture <= static_cast<int32_t>(kArchitectures.size()))
        cmbArchitecture_Click(architecture - 1);
    SetNameText(application.Name());
    if (application.IsMTS() && chkMTS.Enabled)
        chkMTS.Value = true;
}

void frmAppInfo::SetNameText(const std::string& text) {
    txtName.Text = text;
    txtName.HelpContextID = kNameHelpContext;
}

void frmAppInfo::SetDSNorDatabaseText(const std::string& text) {
    txtDSNorDatabase.Text = text;
    if (!text.empty())
        cmdOKEnabled = true;
}

void frmAppInfo::cmbArchitecture_Click(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(cmbArchitecture.List.size()))
        return;
    cmbArchitecture.ListIndex = index;
    chkMTS.Enabled = index == kThreeProjects;
    if (!chkMTS.Enabled)
        chkMTS.Value = false;
}

void frmAppInfo::cmbDBFormat_Click(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(cmbDBFormat.List.size()))
        return;
    cmbDBFormat.ListIndex = index;
    if (index == kLocalAccess) {
        txtDSNorDatabase.HelpContextID = kDatabaseHelpContext;
        lblDSNorDatabase = mIsImporting ? "Database to Import:" : "Database Name:";
    } else {
        txtDSNorDatabase.HelpContextID = kDataSourceHelpContext;
        lblDSNorDatabase = "DSN:";
    }
}

void frmAppInfo::chkMTS_Click(bool ticked) {
    if (chkMTS.Enabled)
        chkMTS.Value = ticked;
}

void frmAppInfo::cmdBrowse_Click() {
    if (cmbDBFormat.ListIndex == kODBC) {
        if (!mDataSourceLogon)
            return;
        auto logonValues = std::make_shared<core::qelApplication>();
        try {
            if (const auto dataSource = mDataSourceLogon(*logonValues)) {
                mLogonValues = std::move(logonValues);
                SetDSNorDatabaseText(*dataSource);
            }
        } catch (vb::Error& error) {
            core::ReportUnexpectedError(error, "cmdBrowse_Click");
        }
        return;
    }
    ui::FileOpenDialog dialog;
    dialog.DialogTitle = "Access Database";
    // The local database may be an SQLite file too, of whatever name.
    dialog.Filter = "Access and SQLite Databases|*.mdb;*.accdb;*.db;*.sqlite;*.sqlite3|All Files|*";
    dialog.FilterIndex = 1;
    try {
        ui::CurrentInteraction().ShowModal(dialog);
    } catch (const vb::Error&) {
        return;  // as a cancel: the box stays as it was
    }
    if (!dialog.IsCanceled)
        SetDSNorDatabaseText(dialog.FileName);
}

void frmAppInfo::cmdOK_Click() {
    try {
        Accept();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

void frmAppInfo::Accept() {
    Focused.clear();
    if (!cmdOKEnabled)
        return;
    if (txtName.Text.empty()) {
        ui::MsgBox("The Application must have a name!", 10);
        Focused = "txtName";
        return;
    }
    if (txtDSNorDatabase.Text.empty()) {
        ui::MsgBox("The Application must have a database associated with it!", 10);
        Focused = "txtDSNorDatabase";
        return;
    }
    std::string name = vb::Trim(txtName.Text);
    std::string message;
    if (!core::Common::ValidateName(name, message)) {
        ui::MsgBox(message, 10, "Error");
        Focused = "txtName";
        return;
    }
    // The file imported from must be there now; the first save's dialog names one that may come later.
    if (mIsImporting && cmbDBFormat.ListIndex == kLocalAccess) {
        if (const std::string refusal = schemaimport::LocalDatabaseRefusal(txtDSNorDatabase.Text);
            !refusal.empty()) {
            ui::MsgBox(refusal, 10);
            Focused = "txtDSNorDatabase";
            return;
        }
    }

    core::qelApplication& application = core::Required(mApplication);
    application.SetDescription(txtDescription.Text);
    if (cmbDBFormat.ListIndex == kODBC) {
        application.SetDSN(txtDSNorDatabase.Text);
        application.SetLocalDBName("");
        if (mLogonValues) {
            application.SetUserName(mLogonValues->UserName());
            application.SetPassword(mLogonValues->Password());
            application.SetDSNDBName(mLogonValues->DSNDBName());
            application.SetDBType(mLogonValues->DBType());
        }
    } else {
        application.SetLocalDBName(txtDSNorDatabase.Text);
        application.SetDSN("");
        application.SetDBType("Access");
    }
    const int32_t architecture = cmbArchitecture.ListIndex + 1;
    // Project names the developer kept (a loaded model's own) stay unless the packaging changed.
    if (mIsNewApplication || architecture != application.Architecture()) {
        const ArchitectureEntry& entry = kArchitectures[static_cast<std::size_t>(cmbArchitecture.ListIndex)];
        application.SetL1ProjectName(entry.l1);
        application.SetL2ProjectName(entry.l2);
        application.SetL3ProjectName(entry.l3);
    }
    application.SetArchitecture(architecture);
    application.SetIsMTS(chkMTS.Value);
    application.SetName(name);
    mOKClickedForImporting = mIsImporting;
    Unload();
}

void frmAppInfo::cmdCancel_Click() {
    Unload();
    mIsCanceled = true;
}

void frmAppInfo::Form_Unload() {
    if (!mUnloaded)
        cmdCancel_Click();
}

void frmAppInfo::cmdHelp_Click() const {
    core::ShowHelpTopic(mIsImporting ? kImportHelpContext : kHelpContext);
}

bool AppInfoFormPrompt::AskApplicationInfo(core::qelApplication& application) {
    const std::shared_ptr<frmAppInfo> form = mNewForm();
    // The caller owns the application; the dialog only edits it while it is shown.
    form->SetRefToAppObject(std::shared_ptr<core::qelApplication>(std::shared_ptr<void>(), &application));
    form->Show();
    form->SetRefToAppObject(nullptr);
    return !form->IsCanceled();
}

}  // namespace builder
