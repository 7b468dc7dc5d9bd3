#pragma once
// The property dialog: adds a property to a business object or edits one. Its first tab holds the name,
// access, label, key, mandatory, unique and control type, with the field's data type and length; its
// second the permitted values (none, a list, a displayed property of the referenced business object, or a
// range). OK checks every entry before it writes one, then reports the property to the main window, which
// files it or refuses its name; nothing of a refused or cancelled edit stays in the model.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "builder/Controls.h"
#include "core/ModelFwd.h"
#include "platform/ui/Interaction.h"

namespace builder {

class frmPropertyBuilder : public ui::ModalDialog {
  public:
    static constexpr int32_t kHelpContext = 1004;

    // The options of the second tab, by index.
    enum PVOption { pvNone = 0, pvList = 1, pvForeignKey = 2, pvRange = 3 };

    using PropertyHandler = std::function<void(const std::shared_ptr<core::qelBusObjProperty>&)>;

    // Set by the caller before the dialog is shown.
    void SetProperties(std::shared_ptr<core::PropertyCollection> properties) {
        mProperties = std::move(properties);
    }
    void SetBusObj(std::shared_ptr<core::qelBusinessObject> businessObject) {
        mBusObj = std::move(businessObject);
    }
    void SetApplication(std::shared_ptr<core::qelApplication> application) {
        mApplication = std::move(application);
    }
    // Loads the property filed in Properties under `propID` for editing; call before Show.
    void LoadExistingProperty(const std::string& propID);
    // Fills the dialog for a new property of the business object that shows `source`, a property of the
    // business object named `ownerBusObjName` that it refers to.
    void LoadVirtualProperty(const std::string& ownerBusObjName, const core::qelBusObjProperty& source,
                             bool isOptional);
    // Set by the main window's handlers when they cannot file the property.
    void DuplicateName(bool isError) { mIsDuplicateName = isError; }
    // PropertyAdded, PropertyUpdated: run inside OK with the property, which holds what was entered.
    void OnPropertyAdded(PropertyHandler handler) { mAdded = std::move(handler); }
    void OnPropertyUpdated(PropertyHandler handler) { mUpdated = std::move(handler); }

    // Checks `value` against the data type the dialog shows; a value that passes becomes its converted
    // text.
    bool ValidatePermittedValue(std::string& value) const;

    // Loads the dialog when it is not loaded and shows it modally.
    void Show();
    bool IsLoaded() const { return mLoaded; }

    // What the form shows and what a person does on it: the first tab.
    TextBox txtName;
    ComboBox cmbAccess;
    TextBox txtLabel;
    ComboBox cmbPrimaryKey;
    ComboBox cmbMandatory;
    ComboBox cmbUnique;
    ComboBox cmbControlType;
    ComboBox cmbDataType;
    TextBox txtLength;
    ComboBox cmbForeignKey;
    TextBox txtFieldName;
    TextBox txtTableName;
    ComboBox cmbKeyType;
    // The second tab.
    std::array<bool, 4> optPVVisible{};
    TextBox lblPV;  // its text is the caption
    ComboBox cmbPV;
    TextBox txtPerVal;
    bool lblDashVisible = false;
    bool lblUpperPVVisible = false;
    TextBox txtUpperPV;
    ListBox lstPermittedValues;
    std::array<bool, 2> cmdMoveFieldsVisible{};

    const std::string& Caption() const { return mCaption; }
    int32_t Tab() const { return mTab; }
    PVOption SelectedOption() const { return mOption; }
    bool cmdOKEnabled() const { return mOKEnabled; }
    const std::string& Focus() const { return mFocus; }

    void txtName_Change(const std::string& text);
    void txtName_LostFocus();
    void cmbPrimaryKey_LostFocus();
    void cmbMandatory_LostFocus();
    void SSTab1_Click(int32_t tab);
    void optPV_Click(PVOption option);
    void cmdMoveFields_Click(int32_t index);
    void txtPerVal_LostFocus();
    void txtUpperPV_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click() const;

    std::string DialogName() const override { return "frmPropertyBuilder"; }
    void ShowWidget() override;

  private:
    void Form_Load();
    void SetDefaults();
    void ShowFieldNames();
    void Unload();
    void FocusOn(const char* control);
    bool AddUpdateProperty();
    // The checks of OK, before anything is written: false (after the refusal) when the dialog stays open.
    bool CheckEntries(std::string& name, int32_t& length);
    void WriteEntries(const std::string& name, int32_t length);

    // The second tab.
    void LoadPermittedValues();
    bool CheckPermittedValues();
    bool CheckValuesAgainstType();
    void SavePermittedValues();
    void ShowOption(PVOption option);
    void FillDisplayedProperties();
    void CheckBound(TextBox& box, const char* boxName);
    void RefuseValue(const char* boxName);
    bool IsForeignKeyLookupOffered() const;
    // The business object whose property the edited property's foreign key refers to, if the application
    // holds it.
    std::shared_ptr<core::qelBusinessObject> ReferencedBusinessObject() const;

    std::shared_ptr<core::PropertyCollection> mProperties;
    std::shared_ptr<core::qelBusinessObject> mBusObj;
    std::shared_ptr<core::qelApplication> mApplication;
    std::shared_ptr<core::qelBusObjProperty> mBusObjProperty;
    bool mIsEditing = false;
    bool mIsDuplicateName = false;
    PropertyHandler mAdded;
    PropertyHandler mUpdated;

    bool mLoaded = false;
    std::string mCaption = "Property Builder";
    int32_t mTab = 0;
    PVOption mOption = pvNone;
    bool mOKEnabled = false;
    std::string mFocus;
    // The name as the person last left it, or as loaded: the label is rewritten only from a changed name.
    std::string mNameLeft;
};

}  // namespace builder
