#pragma once
// What the property dialog changes in the model, apart from the values it writes into the property: the
// field an unnamed property field becomes, and the business object's key order. A snapshot taken before
// OK writes anything puts the property back when the main window refuses it.

#include <memory>
#include <string>
#include <vector>

#include "core/ModelFwd.h"

namespace builder {

class PropertySnapshot {
  public:
    explicit PropertySnapshot(const core::qelBusObjProperty& property, const core::qelBusinessObject& owner);
    // Every value the dialog writes, the field the property maps to and the owner's table name, as they
    // were; a field that FileField made is taken out of the table again.
    void Restore(core::qelBusObjProperty& property, core::qelBusinessObject& owner) const;

  private:
    std::string mName, mBusinessObjectName, mAccess, mLabel, mControlType, mLowerBound, mUpperBound;
    bool mIsKey, mIsMandatory, mIsUnique, mIsForeignProperty, mIsPVList, mIsPVTable, mIsPVRange, mIsPVFKey;
    std::weak_ptr<core::qelBusObjProperty> mDisplayedProp;
    std::vector<std::string> mPermittedValues;
    std::shared_ptr<core::qelField> mField;
    std::string mDataType;
    int32_t mLength;
    bool mIsPrimaryKey;
    std::string mTableName;
};

// A property whose field has no name gets a new field of its own name (a number appended while the table
// holds that name), with the old field's values, in the owner's table; an unnamed table takes the owner's
// name. A named field stays as it is, also when the property is renamed.
void FileField(core::qelBusObjProperty& property, const std::shared_ptr<core::qelBusObjProperty>& self,
               core::qelBusinessObject& owner);

// After an accepted edit: a key property stands in the owner's KeyProperties under its name (appended,
// with the new count as its KeyIndex, when it was not there); a property that is no key leaves it, and
// the keys that remain are numbered 1, 2, 3 ... in their order.
void UpdateKeyProperties(const std::shared_ptr<core::qelBusObjProperty>& property,
                         core::qelBusinessObject& owner);

}  // namespace builder
