#pragma once
// The data-source logon dialog: the developer picks an ODBC data source for the application, enters its
// logon values and may register a new data source for an installed driver. OK writes the user name,
// password, database and database type (from the driver of a data source listed or registered here) into
// the application and raises ODBCLogonOKClicked while the dialog is still loaded; a name neither listed nor
// registered here is refused, the dialog kept open.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "platform/odbc/DataSources.h"
#include "platform/ui/Interaction.h"

namespace schemaimport {

class frmODBCLogon : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 57;
    static constexpr const char* kNoSource = "(None)";

    struct ComboBox {
        std::vector<std::string> List;
        std::string Text;
        int32_t ListIndex = -1;
        bool Enabled = true;
        int32_t HelpContextID = 0;
    };
    struct TextBox {
        std::string Text;
        bool Enabled = true;
        int32_t HelpContextID = 0;
    };
    struct Label {
        std::string Caption;
        bool Enabled = true;
    };

    // The controls, as a person sees and changes them.
    std::string Caption;
    ComboBox cboDSNList, cboDrivers;
    TextBox txtUID, txtPWD, txtDatabase, txtServer;
    std::array<Label, 6> lblLabels;
    std::string fraConnection, cmdOK, cmdCancel, cmdRegister;
    int32_t HelpContextID = 0;
    // The control that has the focus after a refused check ("" when none was moved).
    std::string Focused;

    void SetRefToAppObject(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }
    // Raised by OK after the application was written, before the dialog unloads.
    std::function<void()> ODBCLogonOKClicked;

    // Loads the dialog and shows it modally.
    void Show();
    void Form_Load();
    // The data sources and the installed drivers.
    void GetDSNsAndDrivers();

    // Typing into or picking from the data-source list.
    void SetDataSourceText(const std::string& text);
    void SelectDataSource(int32_t index);
    void SelectDriver(int32_t index);
    void SetDriverText(const std::string& text) { cboDrivers.Text = text; }
    // Driver and Server are usable for a name no data source has.
    void cboDSNList_Change();
    void cboDSNList_Click() { cboDSNList_Change(); }
    void txtUID_Change() { txtUID.HelpContextID = 58; }
    void txtPWD_Change() { txtPWD.HelpContextID = 59; }

    void cmdOK_Click();
    void cmdCancel_Click();
    // Registers the data source typed for the driver chosen, its attributes asked with Database and
    // Server filled in; a cancel of the attributes registers and tells nothing.
    void cmdRegister_Click();
    void cmdHelp_Click() const;
    // The close box: unloads, nothing written.
    void Form_Unload();

    bool IsUnloaded() const { return mUnloaded; }

    std::string DialogName() const override { return "frmODBCLogon"; }
    void ShowWidget() override;

  private:
    void CheckAndWrite();
    // The data source of that name (blanks aside) listed or registered here; nullptr when there is none.
    const odbc::DataSource* KnownSource(const std::string& name) const;
    // The connection attributes of a data source to register, asked of the developer; nothing when the
    // developer cancelled.
    std::optional<odbc::Attributes> AskAttributes();

    std::shared_ptr<core::qelApplication> mApplication;
    std::vector<odbc::DataSource> mSources;
    bool mUnloaded = false;
};

// The small dialog that collects a new data source's connection attributes, one "key=value" a line
// (drivers on this platform have no setup dialog of their own).
class frmDataSourceAttributes : public ui::ModalDialog {
  public:
    explicit frmDataSourceAttributes(std::string dataSource) : mDataSource(std::move(dataSource)) {}

    const std::string& DataSource() const { return mDataSource; }
    std::string Text;
    // True until OK is pressed.
    bool IsCanceled = true;
    void cmdOK_Click() { IsCanceled = false; }

    // The lines holding "=", split at the first one; other lines are left out.
    odbc::Attributes Attributes() const;

    std::string DialogName() const override { return "frmDataSourceAttributes"; }
    void ShowWidget() override;

  private:
    std::string mDataSource;
};

}  // namespace schemaimport
