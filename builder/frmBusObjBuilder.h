#pragma once
// The business object dialog: a name, from which OK makes a business object with its class names, its
// table and the four standard methods, and reports it to the main window.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "builder/Controls.h"
#include "platform/ui/Interaction.h"

namespace core {
class qelApplication;
class qelBusinessObject;
}  // namespace core

namespace builder {

class frmBusObjBuilder : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 10;
    static constexpr int32_t kNameHelpContext = 53;
    static constexpr const char* kCaption = "VB Ostrel";

    using AddedHandler = std::function<void(const std::shared_ptr<core::qelBusinessObject>&)>;

    // The application whose business objects a new name must not repeat.
    void SetApplication(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }
    // BusinessObjectAdded: runs inside OK, before the dialog hides.
    void OnBusinessObjectAdded(AddedHandler handler) { mAdded = std::move(handler); }
    // Set by the main window's handler when it cannot file the business object: the dialog stays open.
    void DuplicateName(bool isError) { mIsDuplicateName = isError; }
    // The business object made by the last OK.
    const std::shared_ptr<core::qelBusinessObject>& NewBusinessObject() const { return mNewBusinessObject; }

    // Loads the dialog when it is not loaded and shows it modally.
    void Show();
    bool IsVisible() const { return mVisible; }

    // What the form shows and what a person does on it.
    TextBox txtName;
    bool cmdOKEnabled() const { return mOKEnabled; }
    bool cmdOKDefault() const { return mOKDefault; }
    int32_t txtNameHelpContext() const { return mNameHelpContext; }
    const std::string& Focus() const { return mFocus; }
    void txtName_Change(const std::string& text);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;

    std::string DialogName() const override { return "frmBusObjBuilder"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    // The checks and the business object; false when the dialog stays open.
    bool AddBusinessObject();

    std::shared_ptr<core::qelApplication> mApplication;
    AddedHandler mAdded;
    bool mIsDuplicateName = false;
    std::shared_ptr<core::qelBusinessObject> mNewBusinessObject;
    bool mLoaded = false;
    bool mVisible = false;
    bool mOKEnabled = false;
    bool mOKDefault = false;
    int32_t mNameHelpContext = 0;
    std::string mFocus;
};

// The business object that a name makes: its six class names, a table of its name, and the methods "Add",
// "Update", "Read" and "Delete" (Subs returning nothing, no stored procedure) keyed as the views key them.
std::shared_ptr<core::qelBusinessObject> MakeBusinessObject(const std::string& name);

}  // namespace builder
