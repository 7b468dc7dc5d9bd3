#include "schemaimport/frmODBCLogon.h"

#include <sstream>

#include "core/AddInSettings.h"
#include "core/ApplicationLog.h"
#include "core/CommonStatus.h"
#include "core/HelpFile.h"
#include "core/frmErrorDisplayUtil.h"
#include "platform/odbc/Odbc.h"
#include "platform/vb/Text.h"

namespace schemaimport {
namespace {

bool Contains(const std::string& text, std::string_view part) {
    return vb::InStr(text, part, vb::Compare::Text) > 0;
}

// Server and file databases apart: "SQLite3" holds "sql" but needs no logon.
bool NeedsLogon(const std::string& driver) {
    return (Contains(driver, "SQL") || Contains(driver, "Oracle")) && !Contains(driver, "SQLite");
}

}  // namespace

void frmODBCLogon::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModal(*this);
}

void frmODBCLogon::Form_Load() {
    try {
        HelpContextID = kHelpContext;
        Caption = "ODBC Logon";
        cmdOK = "&OK";
        cmdCancel = "&Cancel";
        cmdRegister = "&Register";
        fraConnection = "Connect Values:";
        const char* labels[] = {"&DSN:", "&UID:", "&Password:", "Data&base:", "Dri&ver:", "&Server:"};
        for (std::size_t i = 0; i < lblLabels.size(); ++i)
            lblLabels[i].Caption = labels[i];
        GetDSNsAndDrivers();
        core::Common::SetStatus("Enter ODBC Connection Parameters", false);

        core::AddInSettings::Load();
        const core::ConnectionSettings& settings = core::AddInSettings::Values();
        SetDataSourceText(settings.ODBCDatasource);
        txtDatabase.Text = settings.ODBCDatabase;
        txtUID.Text = settings.ODBCUserName;
        txtPWD.Text = settings.ODBCPassword;
        if (!settings.ODBCDriver.empty()) {
            for (std::size_t i = 0; i < cboDrivers.List.size(); ++i) {
                if (cboDrivers.List[i] == settings.ODBCDriver) {
                    SelectDriver(static_cast<int32_t>(i));
                    break;
                }
            }
        }
        txtServer.Text = settings.ODBCServer;
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "Form_Load");
    }
}

void frmODBCLogon::GetDSNsAndDrivers() {
    core::LogAndRaiseAs("GetDSNsAndDrivers", [&] {
        cboDSNList.List.push_back(kNoSource);
        for (const odbc::DataSource& source : odbc::DataSources()) {
            if (vb::Trim(source.Name).empty())
                continue;
            cboDSNList.List.push_back(source.Name);
            mSources.push_back(source);
        }
        // A new data source is registered for an installed driver, whether or not one uses it yet.
        cboDrivers.List = odbc::InstalledDrivers();
        SelectDataSource(0);
    });
}

void frmODBCLogon::SetDataSourceText(const std::string& text) {
    cboDSNList.Text = text;
    cboDSNList.ListIndex = -1;
    for (std::size_t i = 0; i < cboDSNList.List.size(); ++i) {
        if (cboDSNList.List[i] == text) {
            cboDSNList.ListIndex = static_cast<int32_t>(i);
            break;
        }
    }
    cboDSNList_Change();
}

void frmODBCLogon::SelectDataSource(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(cboDSNList.List.size()))
        return;
    cboDSNList.ListIndex = index;
    cboDSNList.Text = cboDSNList.List[static_cast<std::size_t>(index)];
    cboDSNList_Click();
}

void frmODBCLogon::SelectDriver(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(cboDrivers.List.size()))
        return;
    cboDrivers.ListIndex = index;
    cboDrivers.Text = cboDrivers.List[static_cast<std::size_t>(index)];
}

const odbc::DataSource* frmODBCLogon::KnownSource(const std::string& name) const {
    const std::string trimmed = vb::Trim(name);
    for (const odbc::DataSource& source : mSources) {
        if (vb::Trim(source.Name) == trimmed)
            return &source;
    }
    return nullptr;
}

void frmODBCLogon::cboDSNList_Change() {
    cboDSNList.HelpContextID = kHelpContext;
    // A name no data source has yet is one to register: its driver and server are still to choose.
    const bool newSource = cboDSNList.Text == kNoSource || !KnownSource(cboDSNList.Text);
    txtServer.Enabled = newSource;
    cboDrivers.Enabled = newSource;
    lblLabels[4].Enabled = newSource;
    lblLabels[5].Enabled = newSource;
}

void frmODBCLogon::cmdOK_Click() {
    try {
        CheckAndWrite();
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

void frmODBCLogon::CheckAndWrite() {
    Focused.clear();
    if (cboDSNList.Text.empty()) {
        ui::MsgBox("A DSN must be selected!", 10);
        Focused = "cboDSNList";
        return;
    }
    if (!mApplication)
        vb::Raise(vb::kObjectNotSet);
    if (const odbc::DataSource* source = KnownSource(cboDSNList.Text)) {
        const std::string& driver = source->Description;
        if (NeedsLogon(driver)) {
            const struct {
                TextBox* box;
                const char* name;
                const char* message;
            } required[] = {
                {&txtUID, "txtUID", "The User ID must be filled in!"},
                {&txtPWD, "txtPWD", "The PWD must be filled in!"},
                {&txtDatabase, "txtDatabase", "The Database must be filled in!"},
            };
            for (const auto& check : required) {
                if (check.box->Text.empty()) {
                    ui::MsgBox(check.message, ui::vbExclamation, "VB Ostrel");
                    Focused = check.name;
                    return;
                }
            }
        }
        if (Contains(driver, "mdb"))
            mApplication->SetDBType("Access");
        else if (Contains(driver, "sql"))
            mApplication->SetDBType("SQL");
        else if (Contains(driver, "Oracle"))
            mApplication->SetDBType("Oracle");
    } else if (cboDSNList.Text != kNoSource) {
        // No connection could find it: the application's dialog would take a name that cannot be opened.
        ui::MsgBox("The data source \"" + cboDSNList.Text +
                       "\" is not registered. Choose its driver and press Register, or choose a registered "
                       "data source from the list.",
                   10);
        Focused = "cboDSNList";
        return;
    }
    mApplication->SetUserName(txtUID.Text);
    mApplication->SetPassword(txtPWD.Text);
    mApplication->SetDSNDBName(txtDatabase.Text);
    core::AddInSettings::Values().DatabaseName.clear();
    if (ODBCLogonOKClicked)
        ODBCLogonOKClicked();
    Form_Unload();
}

void frmODBCLogon::cmdCancel_Click() {
    core::AddInSettings::Values().DatabaseName.clear();
    Form_Unload();
}

void frmODBCLogon::cmdRegister_Click() {
    if (cboDSNList.Text.empty()) {
        ui::MsgBox("Please enter a DSN!", ui::vbInformation, Caption);
        return;
    }
    if (cboDrivers.Text.empty()) {
        ui::MsgBox("Please select a Driver!", ui::vbInformation, Caption);
        return;
    }
    try {
        const std::optional<odbc::Attributes> attributes = AskAttributes();
        if (!attributes)
            return;
        odbc::RegisterDataSource(cboDSNList.Text, cboDrivers.Text, *attributes);
        // OK then takes its database type from the driver, as for the data sources listed.
        const odbc::DataSource registered{cboDSNList.Text, cboDrivers.Text};
        if (const odbc::DataSource* known = KnownSource(registered.Name))
            mSources[static_cast<std::size_t>(known - mSources.data())] = registered;
        else
            mSources.push_back(registered);
        cboDSNList_Change();
        ui::MsgBox("Datasource Registration Succeeded, proceed with OK.", ui::vbInformation);
    } catch (const vb::Error& error) {
        vb::Error shown = error;
        shown.SetDescription(odbc::WithDriverReason(error.Description(), error));
        core::Common::ShowError(shown);
    }
}

std::optional<odbc::Attributes> frmODBCLogon::AskAttributes() {
    frmDataSourceAttributes dialog(cboDSNList.Text);
    for (const auto& [key, box] : {std::pair{"Database", &txtDatabase}, std::pair{"Server", &txtServer}}) {
        if (!box->Text.empty())
            dialog.Text += std::string(key) + "=" + box->Text + "\n";
    }
    ui::CurrentInteraction().ShowModal(dialog);
    if (dialog.IsCanceled)
        return std::nullopt;
    return dialog.Attributes();
}

void frmODBCLogon::cmdHelp_Click() const {
    core::ShowHelpTopic(HelpContextID);
}

void frmODBCLogon::Form_Unload() {
    core::Common::SetStatus("", false);
    mUnloaded = true;
}

odbc::Attributes frmDataSourceAttributes::Attributes() const {
    odbc::Attributes attributes;
    std::istringstream lines(Text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = vb::Trim(line.substr(0, equals));
        if (!key.empty())
            attributes.emplace_back(key, vb::Trim(line.substr(equals + 1)));
    }
    return attributes;
}

}  // namespace schemaimport
