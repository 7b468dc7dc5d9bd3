// The property dialog's second tab: the permitted values of the property and, for a foreign property,
// the property of the referenced business object that is displayed in place of the key.

#include "builder/DialogChecks.h"
#include "builder/frmPropertyBuilder.h"
#include "core/PermittedValueCheck.h"
#include "core/frmCodeGeneration.h"
#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "platform/vb/Text.h"

namespace builder {
namespace {

bool HasRange(const std::string& dataType) {
    for (const char* type : {"Date", "Long", "Byte", "Integer", "Single", "Double"}) {
        if (dataType == type)
            return true;
    }
    return false;
}

}  // namespace

bool frmPropertyBuilder::ValidatePermittedValue(std::string& value) const {
    return core::CheckPermittedValue(cmbDataType.Text(), value);
}

std::shared_ptr<core::qelBusinessObject> frmPropertyBuilder::ReferencedBusinessObject() const {
    const auto& foreignKey = mBusObjProperty ? mBusObjProperty->ForeignKeyField() : nullptr;
    const auto referenced = foreignKey ? foreignKey->BusObjProperty() : nullptr;
    if (!referenced || !mApplication)
        return nullptr;
    const auto& businessObjects = *mApplication->BusinessObjects();
    if (!businessObjects.Exists(referenced->BusinessObjectName()))
        return nullptr;
    return businessObjects.Item(referenced->BusinessObjectName());
}

// Only a foreign property whose key belongs to another business object has a property to display.
bool frmPropertyBuilder::IsForeignKeyLookupOffered() const {
    if (!mBusObjProperty || !mBusObjProperty->IsForeignProperty())
        return false;
    const auto referenced = ReferencedBusinessObject();
    return referenced && referenced != mBusObj;
}

void frmPropertyBuilder::SSTab1_Click(int32_t tab) {
    mTab = tab;
    if (tab != 1)
        return;
    optPVVisible[pvRange] = HasRange(cmbDataType.Text());
    if (IsForeignKeyLookupOffered())
        optPVVisible[pvForeignKey] = true;
}

void frmPropertyBuilder::optPV_Click(PVOption option) {
    ShowOption(option);
}

void frmPropertyBuilder::ShowOption(PVOption option) {
    mOption = option;
    lblPV.Visible = option != pvNone;
    cmbPV.Visible = option == pvForeignKey;
    txtPerVal.Visible = option == pvList || option == pvRange;
    lstPermittedValues.Visible = option == pvList;
    cmdMoveFieldsVisible = {option == pvList, option == pvList};
    lblDashVisible = lblUpperPVVisible = txtUpperPV.Visible = option == pvRange;
    switch (option) {
        case pvList:
            lblPV.Text = "List of Permitted Values:";
            break;
        case pvForeignKey:
            lblPV.Text = "Name of FK Displayed Property:";
            FillDisplayedProperties();
            break;
        case pvRange:
            lblPV.Text = "Lower Bound:";
            break;
        case pvNone:
            break;
    }
}

void frmPropertyBuilder::FillDisplayedProperties() {
    cmbPV.Clear();
    const auto referenced = ReferencedBusinessObject();
    if (!referenced)
        return;
    for (const auto& property : *referenced->Properties())
        cmbPV.AddItem(property->Name());
    cmbPV.SetListIndex(0);
}

void frmPropertyBuilder::RefuseValue(const char* boxName) {
    ui::MsgBox("This is not a valid permitted value for " + core::ProperCase(vb::Trim(txtName.Text)) + ".");
    mFocus = boxName;
}

void frmPropertyBuilder::cmdMoveFields_Click(int32_t index) {
    mFocus.clear();
    auto& items = lstPermittedValues.Items;
    if (index == 0) {
        if (txtPerVal.Text.empty())
            return;
        std::string value = txtPerVal.Text;
        if (!ValidatePermittedValue(value)) {
            RefuseValue("txtPerVal");
            return;
        }
        // The values are loaded keyed by themselves, so one that differs only in letter case is the same.
        for (size_t i = 0; i < items.size(); ++i) {
            if (vb::TextEquals(items[i], value)) {
                txtPerVal.Text.clear();
                lstPermittedValues.ListIndex = static_cast<int32_t>(i);
                return;
            }
        }
        items.push_back(value);
        txtPerVal.Text.clear();
        lstPermittedValues.ListIndex = static_cast<int32_t>(items.size()) - 1;
        return;
    }
    const int32_t selected = lstPermittedValues.ListIndex;
    if (selected < 0 || selected >= static_cast<int32_t>(items.size()))
        return;
    txtPerVal.Text = items[static_cast<size_t>(selected)];
    items.erase(items.begin() + selected);
    const auto remaining = static_cast<int32_t>(items.size());
    lstPermittedValues.ListIndex = remaining == 0 ? -1 : std::min(selected, remaining - 1);
}

void frmPropertyBuilder::CheckBound(TextBox& box, const char* boxName) {
    mFocus.clear();
    if (mOption != pvRange || box.Text.empty())
        return;
    std::string value = box.Text;
    if (ValidatePermittedValue(value))
        box.Text = value;
    else
        RefuseValue(boxName);
}

void frmPropertyBuilder::txtPerVal_LostFocus() {
    CheckBound(txtPerVal, "txtPerVal");
}

void frmPropertyBuilder::txtUpperPV_LostFocus() {
    CheckBound(txtUpperPV, "txtUpperPV");
}

void frmPropertyBuilder::LoadPermittedValues() {
    const core::qelBusObjProperty& property = *mBusObjProperty;
    cmbPV.Clear();
    if (property.IsPVList()) {
        ShowOption(pvList);
        lstPermittedValues.Items.assign(property.PermittedValues()->begin(),
                                        property.PermittedValues()->end());
    } else if (property.IsPVFKey()) {
        ShowOption(pvForeignKey);
        // What the model holds, none included: a deleted displayed property shows as none, which the build
        // refuses.
        const auto displayed = property.PVFKeyDisplayedProp();
        cmbPV.SetText(displayed ? displayed->Name() : "");
    } else if (property.IsPVRange()) {
        txtPerVal.Text = property.LowerBound();
        txtUpperPV.Text = property.UpperBound();
        ShowOption(pvRange);
    } else {
        ShowOption(pvNone);
    }
}

// Every value is checked again against the data type as it stands now: the type may have changed since a
// value was entered, and a refused bound stays in its box. A Boolean has no range.
bool frmPropertyBuilder::CheckValuesAgainstType() {
    if (mOption == pvList) {
        for (std::string& value : lstPermittedValues.Items) {
            if (!ValidatePermittedValue(value)) {
                RefuseValue("lstPermittedValues");
                FocusOn("lstPermittedValues");
                return false;
            }
        }
        return true;
    }
    for (auto [box, boxName] : {std::pair{&txtPerVal, "txtPerVal"}, std::pair{&txtUpperPV, "txtUpperPV"}}) {
        std::string value = box->Text;
        if (cmbDataType.Text() == "Boolean" || !ValidatePermittedValue(value)) {
            RefuseValue(boxName);
            FocusOn(boxName);
            return false;
        }
        box->Text = value;
    }
    return true;
}

// A range needs both bounds; the values must be of the data type.
bool frmPropertyBuilder::CheckPermittedValues() {
    if (mOption != pvRange)
        return mOption != pvList || CheckValuesAgainstType();
    if (txtPerVal.Text.empty()) {
        ShowInformation("The Lower Bound must be filled in!");
        FocusOn("txtPerVal");
        return false;
    }
    if (txtUpperPV.Text.empty()) {
        ShowInformation("The Upper Bound must be filled in!");
        FocusOn("txtUpperPV");
        return false;
    }
    return CheckValuesAgainstType();
}

void frmPropertyBuilder::SavePermittedValues() {
    core::qelBusObjProperty& property = *mBusObjProperty;
    property.SetIsPVList(mOption == pvList);
    property.SetIsPVTable(false);
    property.SetIsPVRange(mOption == pvRange);
    property.SetIsPVFKey(mOption == pvForeignKey);
    if (mOption == pvForeignKey) {
        const auto referenced = ReferencedBusinessObject();
        const std::string key = referenced ? referenced->Name() + ".Properties." + cmbPV.Text() : "";
        property.SetPVFKeyDisplayedProp(referenced && referenced->Properties()->Exists(key)
                                            ? referenced->Properties()->Item(key)
                                            : nullptr);
    }
    property.SetLowerBound("");
    property.SetUpperBound("");
    if (mOption == pvList) {
        auto& values = *property.PermittedValues();
        values.Clear();
        for (const auto& value : lstPermittedValues.Items)
            values.Add(value);
    } else if (mOption == pvRange) {
        property.SetLowerBound(txtPerVal.Text);
        property.SetUpperBound(txtUpperPV.Text);
    }
}

}  // namespace builder
