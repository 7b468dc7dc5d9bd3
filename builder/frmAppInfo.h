#pragma once
// The application information dialog: the application's name, description, packaging and database. What
// the person changes stays in the controls until OK is accepted; Cancel, a refused OK and the close box
// leave the application as it was (the close box counts as Cancel).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "platform/ui/Interaction.h"
#include "repository/ApplicationInfoPrompt.h"

namespace builder {

class frmAppInfo : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 9;
    static constexpr int32_t kImportHelpContext = 1002;
    static constexpr int32_t kNameHelpContext = 52;
    static constexpr int32_t kDatabaseHelpContext = 56;
    static constexpr int32_t kDataSourceHelpContext = 57;
    // cmbDBFormat's entries.
    static constexpr int32_t kLocalAccess = 0;
    static constexpr int32_t kODBC = 1;

    struct TextBox {
        std::string Text;
        int32_t HelpContextID = 0;
    };
    struct ComboBox {
        std::vector<std::string> List;
        int32_t ListIndex = -1;
    };
    struct CheckBox {
        bool Value = false;
        bool Enabled = true;
    };

    // The controls, as a person sees and changes them.
    std::string Caption;
    int32_t HelpContextID = 0;
    std::string lblDSNorDatabase;
    TextBox txtName, txtDescription, txtDSNorDatabase;
    ComboBox cmbArchitecture, cmbDBFormat;
    CheckBox chkMTS;
    bool cmdOKEnabled = true;
    // The control that has the focus after a refused OK ("" when none was moved).
    std::string Focused;

    // Browse for a data source: shows the data-source logon, which writes its logon values into
    // `logonValues`, and gives the data source chosen, or nothing when the logon was cancelled.
    using DataSourceLogon = std::function<std::optional<std::string>(core::qelApplication& logonValues)>;

    void SetRefToAppObject(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }
    void SetIsImporting(bool value) { mIsImporting = value; }
    bool IsImporting() const { return mIsImporting; }
    // Without one, Browse does nothing in ODBC mode.
    void SetDataSourceLogon(DataSourceLogon logon) { mDataSourceLogon = std::move(logon); }

    bool IsCanceled() const { return mIsCanceled; }
    bool OKClickedForImporting() const { return mOKClickedForImporting; }
    bool IsUnloaded() const { return mUnloaded; }

    // Loads the dialog and shows it modally.
    void Show();
    void Form_Load();

    // Typing into the boxes.
    void SetNameText(const std::string& text);
    void SetDescriptionText(const std::string& text) { txtDescription.Text = text; }
    void SetDSNorDatabaseText(const std::string& text);
    void cmbArchitecture_Click(int32_t index);
    void cmbDBFormat_Click(int32_t index);
    void chkMTS_Click(bool ticked);
    void cmdBrowse_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;
    // The close box: the same as Cancel.
    void Form_Unload();

    std::string DialogName() const override { return "frmAppInfo"; }
    void ShowWidget() override;

  private:
    void SetDefaults();
    void Accept();
    void Unload() { mUnloaded = true; }

    std::shared_ptr<core::qelApplication> mApplication;
    DataSourceLogon mDataSourceLogon;
    // What the data-source logon wrote, copied into the application by OK.
    std::shared_ptr<core::qelApplication> mLogonValues;
    bool mIsImporting = false;
    bool mIsCanceled = false;
    bool mOKClickedForImporting = false;
    bool mIsNewApplication = true;
    bool mUnloaded = false;
};

// The first save's question, answered by a new application information dialog made by `newForm`.
class AppInfoFormPrompt final : public repository::ApplicationInfoPrompt {
  public:
    explicit AppInfoFormPrompt(std::function<std::shared_ptr<frmAppInfo>()> newForm)
        : mNewForm(std::move(newForm)) {}

    bool AskApplicationInfo(core::qelApplication& application) override;

  private:
    std::function<std::shared_ptr<frmAppInfo>()> mNewForm;
};

}  // namespace builder
