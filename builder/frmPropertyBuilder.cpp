#include "builder/frmPropertyBuilder.h"

#include <charconv>

#include "builder/DialogChecks.h"
#include "builder/PropertyEdit.h"
#include "core/HelpFile.h"
#include "core/ObjectAccess.h"
#include "core/StringLength.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace builder {
namespace {

constexpr const char* kDataTypes[] = {"Boolean", "Byte", "Currency",   "Date",   "Double", "Integer",
                                      "Long",    "Memo", "OLE Object", "Single", "String"};
constexpr const char* kControlTypes[] = {"CheckBox", "ComboBox", "ListBox", "OptionButton", "TextBox"};

// A length is a whole number a Long holds.
bool ParseLength(const std::string& text, int32_t& length) {
    const std::string trimmed = vb::Trim(text);
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, length);
    return !trimmed.empty() && trimmed.front() != '-' && error == std::errc() && stop == end;
}

// Why the length typed for a property of `dataType` is refused, or empty when `length` took it. A String
// is declared in generated code with its length, and VB takes only lengths it can hold.
std::string LengthRefusal(const std::string& text, const std::string& dataType, int32_t& length) {
    if (text.empty())
        return "The length must be filled in!";
    if (!ParseLength(text, length))
        return "The length must be a whole number!";
    if (dataType == "String" && !core::IsStringLength(length)) {
        return "The length of a String must be from " + std::to_string(vb::kMinFixedStringLength) + " to " +
               std::to_string(vb::kMaxFixedStringLength) + "!";
    }
    return {};
}

}  // namespace

void frmPropertyBuilder::Form_Load() {
    mLoaded = true;
    mBusObjProperty = std::make_shared<core::qelBusObjProperty>();
    cmbDataType.Clear();
    for (const char* type : kDataTypes)
        cmbDataType.AddItem(type);
    cmbAccess.Clear();
    cmbAccess.AddItem("Read/Write");
    cmbAccess.AddItem("Read Only");
    for (ComboBox* combo : {&cmbPrimaryKey, &cmbMandatory, &cmbUnique, &cmbForeignKey})
        FillYesNo(*combo);
    cmbForeignKey.SetListIndex(0);
    cmbControlType.Clear();
    for (const char* type : kControlTypes)
        cmbControlType.AddItem(type);
    cmbKeyType.Clear();
    cmbKeyType.Enabled = false;
    txtFieldName.Enabled = txtTableName.Enabled = false;
    cmbPV.Clear();
    lstPermittedValues.Items.clear();
    lstPermittedValues.ListIndex = -1;
    txtPerVal.Text.clear();
    txtUpperPV.Text.clear();
    optPVVisible = {true, true, false, false};
    ShowOption(pvNone);
    mIsEditing = false;
    mIsDuplicateName = false;
    SetDefaults();
}

void frmPropertyBuilder::SetDefaults() {
    mCaption = "Property Builder - " + vb::Trim(mBusObj ? mBusObj->Name() : "") + " Business Object";
    txtName.Text.clear();
    mNameLeft.clear();
    txtLabel.Text.clear();
    txtLength.Text.clear();
    txtFieldName.Text.clear();
    cmbDataType.SetText("String");
    cmbAccess.SetText("Read/Write");
    for (ComboBox* combo : {&cmbPrimaryKey, &cmbMandatory, &cmbUnique}) {
        combo->SetText(kNo);
        combo->Enabled = true;
    }
    cmbControlType.SetText("TextBox");
    mOKEnabled = false;
    mTab = 0;
}

// The field's name and its table's; a field not yet named is filed into the business object's table.
void frmPropertyBuilder::ShowFieldNames() {
    const auto& field = mBusObjProperty->Field();
    txtFieldName.Text = field ? field->Name() : "";
    const auto table = field && !field->Name().empty() ? field->Table()
                       : mBusObj                       ? mBusObj->Table()
                                                       : nullptr;
    txtTableName.Text = table ? table->Name() : "";
}

void frmPropertyBuilder::Show() {
    if (!mLoaded) {
        Form_Load();
        ShowFieldNames();
    }
    ui::CurrentInteraction().ShowModal(*this);
}

void frmPropertyBuilder::Unload() {
    mLoaded = false;
    mBusObjProperty.reset();
    mBusObj.reset();
}

void frmPropertyBuilder::txtName_Change(const std::string& text) {
    txtName.Text = text;
    if (!text.empty())
        mOKEnabled = true;
    txtLabel.Text = text + ":";
}

// Leaving the name rewrites the label only when the name changed: a label typed after it stays.
void frmPropertyBuilder::txtName_LostFocus() {
    if (txtName.Text != mNameLeft)
        txtLabel.Text = txtName.Text + ":";
    mNameLeft = txtName.Text;
}

// The key locks Mandatory and Unique on "Yes"; taking the key away unlocks them as "No".
void frmPropertyBuilder::cmbPrimaryKey_LostFocus() {
    const std::string key = cmbPrimaryKey.Text();
    if (key == kYes) {
        for (ComboBox* combo : {&cmbMandatory, &cmbUnique}) {
            combo->SetText(kYes);
            combo->Enabled = false;
        }
    } else if (key == kNo) {
        for (ComboBox* combo : {&cmbMandatory, &cmbUnique}) {
            if (!combo->Enabled)
                combo->SetText(kNo);
            combo->Enabled = true;
        }
    }
}

void frmPropertyBuilder::cmbMandatory_LostFocus() {
    if (cmbPrimaryKey.Text() == kYes)
        cmbMandatory.SetText(kYes);
}

void frmPropertyBuilder::LoadExistingProperty(const std::string& propID) {
    Form_Load();
    mBusObjProperty = mProperties->Item(propID);
    const core::qelBusObjProperty& property = *mBusObjProperty;
    const core::qelField& field = core::Required(property.Field());
    txtName_Change(property.Name());
    mNameLeft = property.Name();
    cmbDataType.SetText(property.DataType());
    cmbAccess.SetText(property.Access());
    txtLabel.Text = property.Label();
    txtLength.Text = std::to_string(property.Length());
    ShowFieldNames();
    const bool isKey = property.IsKey() || field.IsPrimaryKey();
    cmbPrimaryKey.SetText(YesNo(isKey));
    cmbMandatory.SetText(YesNo(isKey || property.IsMandatory()));
    cmbUnique.SetText(YesNo(isKey || property.IsUnique()));
    cmbMandatory.Enabled = cmbUnique.Enabled = !isKey;
    cmbForeignKey.SetText(YesNo(property.IsForeignProperty()));
    cmbControlType.SetText(property.ControlType());
    LoadPermittedValues();
    cmbPrimaryKey.Enabled = !(field.IsPrimaryKey() && field.IsForeignKey());
    if (field.IsForeignKey() && property.IsMandatory())
        cmbMandatory.Enabled = false;
    mOKEnabled = true;
    mIsEditing = true;
}

void frmPropertyBuilder::LoadVirtualProperty(const std::string& ownerBusObjName,
                                             const core::qelBusObjProperty& source, bool isOptional) {
    Form_Load();
    txtName_Change(vb::Trim(ownerBusObjName) + "_" + vb::Trim(source.Name()));
    mNameLeft = txtName.Text;
    cmbAccess.SetText(source.Access());
    txtLabel.Text = source.Label();
    cmbControlType.SetText(source.ControlType());
    txtLength.Text = std::to_string(source.Length());
    cmbDataType.SetText(source.DataType());
    cmbPrimaryKey.SetText(kNo);
    cmbMandatory.SetText(YesNo(!isOptional));
    ShowFieldNames();
    cmbPV.Clear();
    if (source.IsPVList()) {
        ShowOption(pvList);
        lstPermittedValues.Items.assign(source.PermittedValues()->begin(), source.PermittedValues()->end());
    } else {
        // A table-mode source has no displayed property to offer the new property.
        ShowOption(pvNone);
    }
    mOKEnabled = true;
}

// A refused entry takes the focus, and the tab that holds it comes to the front.
void frmPropertyBuilder::FocusOn(const char* control) {
    mFocus = control;
    const int32_t tab =
        mFocus == "txtPerVal" || mFocus == "txtUpperPV" || mFocus == "lstPermittedValues" ? 1 : 0;
    if (tab != mTab)
        SSTab1_Click(tab);
}

void frmPropertyBuilder::cmdOK_Click() {
    try {
        if (AddUpdateProperty()) {
            SetDefaults();
            txtTableName.Text.clear();
            mFocus = "txtName";
            Unload();
        }
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "cmdOK_Click");
    }
}

bool frmPropertyBuilder::CheckEntries(std::string& name, int32_t& length) {
    bool isNameTaken = false;
    if (!AcceptName(txtName.Text, name) ||
        (isNameTaken = IsNameTaken(*mBusObj->Properties(), name, mBusObjProperty.get()))) {
        if (isNameTaken) {
            ShowRefusal("A business object property with the same name already \rexists for the " +
                        mBusObj->Name() + " business object.");
        }
        FocusOn("txtName");
        return false;
    }
    if (Refused(PropertyNameRefusal(*mBusObj, mBusObjProperty.get(), name, cmbDataType.Text()))) {
        FocusOn("txtName");
        return false;
    }
    if (cmbPrimaryKey.Text() != kNo && Refused(KeyDataTypeRefusal(*mBusObj, name, cmbDataType.Text()))) {
        FocusOn("cmbDataType");
        return false;
    }
    const std::string lengthRefusal = LengthRefusal(txtLength.Text, cmbDataType.Text(), length);
    if (!lengthRefusal.empty()) {
        ShowInformation(lengthRefusal);
        FocusOn("txtLength");
        return false;
    }
    return CheckPermittedValues();
}

void frmPropertyBuilder::WriteEntries(const std::string& name, int32_t length) {
    core::qelBusObjProperty& property = *mBusObjProperty;
    property.SetName(name);
    property.SetBusinessObjectName(mBusObj->Name());
    FileField(property, mBusObjProperty, *mBusObj);
    property.SetDataType(cmbDataType.Text());
    property.SetAccess(cmbAccess.Text());
    property.SetLabel(txtLabel.Text);
    property.SetLength(length);
    const bool isKey = cmbPrimaryKey.Text() != kNo;
    property.SetIsKey(isKey);
    property.Field()->SetIsPrimaryKey(isKey);
    property.SetIsForeignProperty(cmbForeignKey.Text() != kNo);
    if (!isKey)
        property.SetIsMandatory(cmbMandatory.Text() != kNo);
    property.SetIsUnique(cmbUnique.Text() != kNo);
    property.SetControlType(cmbControlType.Text());
    SavePermittedValues();
}

bool frmPropertyBuilder::AddUpdateProperty() {
    std::string name;
    int32_t length = 0;
    if (!CheckEntries(name, length))
        return false;
    const PropertySnapshot before(*mBusObjProperty, *mBusObj);
    try {
        WriteEntries(name, length);
        const PropertyHandler& handler = mIsEditing ? mUpdated : mAdded;
        if (handler)
            handler(mBusObjProperty);
    } catch (...) {
        before.Restore(*mBusObjProperty, *mBusObj);
        throw;
    }
    if (mIsDuplicateName) {
        before.Restore(*mBusObjProperty, *mBusObj);
        FocusOn("txtName");
        mIsDuplicateName = false;
        return false;
    }
    UpdateKeyProperties(mBusObjProperty, *mBusObj);
    return true;
}

void frmPropertyBuilder::cmdCancel_Click() {
    SetDefaults();
    mFocus = "txtName";
    Unload();
}

void frmPropertyBuilder::cmdHelp_Click() const {
    core::ShowHelpTopic(kHelpContext);
}

}  // namespace builder
