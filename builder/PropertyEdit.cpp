#include "builder/PropertyEdit.h"

#include "core/ObjectAccess.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"

namespace builder {

using core::Required;

PropertySnapshot::PropertySnapshot(const core::qelBusObjProperty& property,
                                   const core::qelBusinessObject& owner)
    : mName(property.Name()),
      mBusinessObjectName(property.BusinessObjectName()),
      mAccess(property.Access()),
      mLabel(property.Label()),
      mControlType(property.ControlType()),
      mLowerBound(property.LowerBound()),
      mUpperBound(property.UpperBound()),
      mIsKey(property.IsKey()),
      mIsMandatory(property.IsMandatory()),
      mIsUnique(property.IsUnique()),
      mIsForeignProperty(property.IsForeignProperty()),
      mIsPVList(property.IsPVList()),
      mIsPVTable(property.IsPVTable()),
      mIsPVRange(property.IsPVRange()),
      mIsPVFKey(property.IsPVFKey()),
      mDisplayedProp(property.PVFKeyDisplayedProp()),
      mPermittedValues(property.PermittedValues()->begin(), property.PermittedValues()->end()),
      mField(property.Field()),
      mDataType(Required(mField).DataType()),
      mLength(mField->Length()),
      mIsPrimaryKey(mField->IsPrimaryKey()),
      mTableName(Required(owner.Table()).Name()) {}

void PropertySnapshot::Restore(core::qelBusObjProperty& property, core::qelBusinessObject& owner) const {
    const auto& field = property.Field();
    if (field != mField) {
        auto& fields = *Required(owner.Table()).Fields();
        if (field && fields.Exists(field->Name()) && fields.Item(field->Name()) == field)
            fields.Remove(field->Name());
        property.SetField(mField);
    }
    mField->SetDataType(mDataType);
    mField->SetLength(mLength);
    mField->SetIsPrimaryKey(mIsPrimaryKey);
    owner.Table()->SetName(mTableName);
    property.SetName(mName);
    property.SetBusinessObjectName(mBusinessObjectName);
    property.SetAccess(mAccess);
    property.SetLabel(mLabel);
    property.SetControlType(mControlType);
    property.SetLowerBound(mLowerBound);
    property.SetUpperBound(mUpperBound);
    property.SetIsKey(mIsKey);
    property.SetIsMandatory(mIsMandatory);
    property.SetIsUnique(mIsUnique);
    property.SetIsForeignProperty(mIsForeignProperty);
    property.SetIsPVList(mIsPVList);
    property.SetIsPVTable(mIsPVTable);
    property.SetIsPVRange(mIsPVRange);
    property.SetIsPVFKey(mIsPVFKey);
    property.SetPVFKeyDisplayedProp(mDisplayedProp.lock());
    auto& values = *property.PermittedValues();
    values.Clear();
    for (const auto& value : mPermittedValues)
        values.Add(value);
}

void FileField(core::qelBusObjProperty& property, const std::shared_ptr<core::qelBusObjProperty>& self,
               core::qelBusinessObject& owner) {
    const core::qelField& old = Required(property.Field());
    if (!old.Name().empty())
        return;
    const auto& table = owner.Table();
    Required(table);
    if (table->Name().empty())
        table->SetName(owner.Name());
    auto& fields = *table->Fields();
    std::string name = property.Name();
    for (int number = 2; fields.Exists(name); ++number)
        name = property.Name() + std::to_string(number);
    auto field = std::make_shared<core::qelField>();
    field->SetName(name);
    field->SetDataType(old.DataType());
    field->SetLength(old.Length());
    field->SetIsPrimaryKey(old.IsPrimaryKey());
    field->SetIsNullable(old.IsNullable());
    field->SetIsForeignKey(old.IsForeignKey());
    field->SetTable(table);
    field->SetBusObjProperty(self);
    fields.Add(field, name);
    property.SetField(field);
}

void UpdateKeyProperties(const std::shared_ptr<core::qelBusObjProperty>& property,
                         core::qelBusinessObject& owner) {
    auto& keys = *owner.KeyProperties();
    int32_t position = 0;
    for (int32_t i = 1; i <= keys.Count(); ++i) {
        if (keys.Item(i) == property)
            position = i;
    }
    if (property->IsKey()) {
        if (position == 0) {
            keys.Add(property, property->Name());
            property->SetKeyIndex(static_cast<int16_t>(keys.Count()));
        } else if (keys.KeyOf(position) != property->Name()) {
            // Renamed: the same place under the new name.
            keys.Remove(position);
            if (position <= keys.Count())
                keys.Add(property, property->Name(), core::PropertyCollection::At(position));
            else
                keys.Add(property, property->Name());
        }
        return;
    }
    property->SetKeyIndex(0);
    if (position == 0)
        return;
    keys.Remove(position);
    for (int32_t i = 1; i <= keys.Count(); ++i)
        keys.Item(i)->SetKeyIndex(static_cast<int16_t>(i));
}

}  // namespace builder
