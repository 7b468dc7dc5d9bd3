#pragma once
// The method dialog: adds a method to a business object or edits one (name, Function or Sub, return data
// type, stored procedure) and reports it to the main window, which files it or refuses its name.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "builder/Controls.h"
#include "core/ModelFwd.h"
#include "platform/ui/Interaction.h"

namespace builder {

class frmMethodBuilder : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 12;
    static constexpr int32_t kHelpButtonContext = 133;
    static constexpr int32_t kNameHelpContext = 55;

    using MethodHandler = std::function<void(const std::shared_ptr<core::qelBusObjMethod>&)>;

    // The business object's methods, for the duplicate test.
    void SetMethods(std::shared_ptr<core::MethodCollection> methods) { mMethods = std::move(methods); }
    void SetBusObjName(std::string name) { mBusObjName = std::move(name); }
    const std::string& BusObjName() const { return mBusObjName; }
    // The business object whose generated class takes the method: OK refuses a name its members clash with.
    void SetBusObj(std::shared_ptr<const core::qelBusinessObject> owner) { mOwner = std::move(owner); }
    // Loads the method filed in Methods under `methID` (its row key) for editing; call before Show.
    void LoadExistingMethod(const std::string& methID);
    // Set by the main window's handlers to refuse the name.
    void DuplicateName(bool isError) { mIsDuplicateName = isError; }
    // MethodAdded, MethodUpdated: run inside OK with the method, which holds what was entered.
    void OnMethodAdded(MethodHandler handler) { mAdded = std::move(handler); }
    void OnMethodUpdated(MethodHandler handler) { mUpdated = std::move(handler); }

    // Loads the dialog when it is not loaded and shows it modally.
    void Show();
    bool IsLoaded() const { return mLoaded; }

    // What the form shows and what a person does on it.
    TextBox txtName;
    ComboBox cmbType;
    ComboBox cmbReturnDataType;
    CheckBox chkIsStoredProcedure;
    TextBox txtSPName;
    const std::string& Caption() const { return mCaption; }
    bool cmdOKEnabled() const { return mOKEnabled; }
    int32_t txtNameHelpContext() const { return mNameHelpContext; }
    const std::string& Focus() const { return mFocus; }
    void txtName_Change(const std::string& text);
    void cmbType_LostFocus();
    void cmbReturnDataType_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;

    std::string DialogName() const override { return "frmMethodBuilder"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    void SetDefaults();
    bool AddUpdateMethod();
    void Unload();

    std::shared_ptr<core::MethodCollection> mMethods;
    std::string mBusObjName;
    std::shared_ptr<const core::qelBusinessObject> mOwner;
    std::shared_ptr<core::qelBusObjMethod> mBusObjMethod;
    bool mIsEditing = false;
    bool mIsDuplicateName = false;
    MethodHandler mAdded;
    MethodHandler mUpdated;

    bool mLoaded = false;
    std::string mCaption = "Method Builder";
    bool mOKEnabled = false;
    int32_t mNameHelpContext = 0;
    std::string mFocus;
};

}  // namespace builder
