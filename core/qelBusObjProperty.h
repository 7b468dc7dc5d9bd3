#pragma once
// One property of a business object. Its data type and length live in its field, and marking it as a key
// also marks it as mandatory; every other member only holds its value.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "platform/vb/Object.h"
#include "typelib/IProperty.h"

namespace core {

class qelBusObjProperty : public typelib::IProperty {
  public:
    qelBusObjProperty();

    const std::shared_ptr<TextCollection>& PermittedValues() const { return mPermittedValues; }
    void SetPermittedValues(std::shared_ptr<TextCollection> value) { mPermittedValues = std::move(value); }
    std::string Label() const override { return mLabel; }
    void SetLabel(std::string value) { mLabel = std::move(value); }
    std::string Access() const override { return mAccess; }
    void SetAccess(std::string value) { mAccess = std::move(value); }
    // Those of Field; 91 when Field is empty.
    const std::string& DataType() const override;
    void SetDataType(std::string value);
    int32_t Length() const override;
    void SetLength(int32_t value);
    const std::string& Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    bool IsKey() const override { return mIsKey; }
    // True also sets IsMandatory; False leaves it as it is.
    void SetIsKey(bool value);
    bool IsPVFKey() const override { return mIsPVFKey; }
    void SetIsPVFKey(bool value) { mIsPVFKey = value; }
    bool IsMandatory() const override { return mIsMandatory; }
    void SetIsMandatory(bool value) { mIsMandatory = value; }
    std::string ControlType() const override { return mControlType; }
    void SetControlType(std::string value) { mControlType = std::move(value); }
    std::string BusinessObjectName() const override { return mBusinessObjectName; }
    void SetBusinessObjectName(std::string value) { mBusinessObjectName = std::move(value); }
    int32_t DBID() const override { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }
    bool IsPVList() const override { return mIsPVList; }
    void SetIsPVList(bool value) { mIsPVList = value; }
    bool IsPVRange() const override { return mIsPVRange; }
    void SetIsPVRange(bool value) { mIsPVRange = value; }
    bool IsUnique() const override { return mIsUnique; }
    void SetIsUnique(bool value) { mIsUnique = value; }
    bool IsPVTable() const override { return mIsPVTable; }
    void SetIsPVTable(bool value) { mIsPVTable = value; }
    std::string PVTableClass() const { return mPVTableClass; }
    void SetPVTableClass(std::string value) { mPVTableClass = std::move(value); }
    std::string UpperBound() const override { return mUpperBound; }
    void SetUpperBound(std::string value) { mUpperBound = std::move(value); }
    std::string LowerBound() const override { return mLowerBound; }
    void SetLowerBound(std::string value) { mLowerBound = std::move(value); }
    const std::shared_ptr<qelField>& Field() const { return mField; }
    void SetField(std::shared_ptr<qelField> value) { mField = std::move(value); }
    bool IsVirtual() const override { return mIsVirtual; }
    void SetIsVirtual(bool value) { mIsVirtual = value; }
    int16_t KeyIndex() const override { return mKeyIndex; }
    void SetKeyIndex(int16_t value) { mKeyIndex = value; }
    bool IsForeignProperty() const override { return mIsForeignProperty; }
    void SetIsForeignProperty(bool value) { mIsForeignProperty = value; }
    // A field of its own until one is set; made when first asked for, since most properties never refer to
    // another's field and a large model has tens of thousands of properties.
    const std::shared_ptr<qelField>& ForeignKeyField() const;
    // Takes any object (or nothing); anything but a field is a type mismatch (13) and changes nothing.
    void SetForeignKeyField(const vb::ObjectPtr& value);
    // Does not own the property: it belongs to another business object.
    std::shared_ptr<qelBusObjProperty> PVFKeyDisplayedProp() const { return mPVFKeyDisplayedProp.lock(); }
    void SetPVFKeyDisplayedProp(const std::shared_ptr<qelBusObjProperty>& value) {
        mPVFKeyDisplayedProp = value;
    }

  private:
    std::shared_ptr<typelib::IField> GetField() const override;
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override;
    std::shared_ptr<typelib::IProperty> GetPVFKeyDisplayedProp() const override;
    std::shared_ptr<typelib::TextList> GetPermittedValues() const override;

    std::shared_ptr<TextCollection> mPermittedValues;
    std::string mLabel;
    std::string mAccess;
    std::string mName;
    bool mIsKey = false;
    bool mIsPVFKey = false;
    bool mIsMandatory = false;
    std::string mControlType;
    std::string mBusinessObjectName;
    int32_t mDBID = 0;
    bool mIsPVList = false;
    bool mIsPVRange = false;
    bool mIsUnique = false;
    bool mIsPVTable = false;
    std::string mPVTableClass;
    std::string mUpperBound;
    std::string mLowerBound;
    std::shared_ptr<qelField> mField;
    bool mIsVirtual = false;
    int16_t mKeyIndex = 0;
    bool mIsForeignProperty = false;
    mutable std::shared_ptr<qelField> mForeignKeyField;
    mutable bool mHasForeignKeyField = false;
    std::weak_ptr<qelBusObjProperty> mPVFKeyDisplayedProp;
};

}  // namespace core
