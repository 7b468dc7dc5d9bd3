#include "core/qelBusObjProperty.h"

#include "core/ObjectAccess.h"
#include "core/qelField.h"

namespace core {
qelBusObjProperty::qelBusObjProperty()
    : mPermittedValues(std::make_shared<TextCollection>()), mField(std::make_shared<qelField>()) {}

const std::string& qelBusObjProperty::DataType() const {
    return Required(mField).DataType();
}
void qelBusObjProperty::SetDataType(std::string value) {
    Required(mField).SetDataType(std::move(value));
}
int32_t qelBusObjProperty::Length() const {
    return Required(mField).Length();
}
void qelBusObjProperty::SetLength(int32_t value) {
    Required(mField).SetLength(value);
}

void qelBusObjProperty::SetIsKey(bool value) {
    mIsKey = value;
    if (value)
        SetIsMandatory(true);
}

const std::shared_ptr<qelField>& qelBusObjProperty::ForeignKeyField() const {
    if (!mHasForeignKeyField) {
        mForeignKeyField = std::make_shared<qelField>();
        mHasForeignKeyField = true;
    }
    return mForeignKeyField;
}

void qelBusObjProperty::SetForeignKeyField(const vb::ObjectPtr& value) {
    mForeignKeyField = ObjectAs<qelField>(value);
    mHasForeignKeyField = true;
}

std::shared_ptr<typelib::IField> qelBusObjProperty::GetField() const {
    return mField;
}
std::shared_ptr<typelib::IField> qelBusObjProperty::GetForeignKeyField() const {
    return ForeignKeyField();
}
std::shared_ptr<typelib::IProperty> qelBusObjProperty::GetPVFKeyDisplayedProp() const {
    return PVFKeyDisplayedProp();
}
std::shared_ptr<typelib::TextList> qelBusObjProperty::GetPermittedValues() const {
    return mPermittedValues;
}

}  // namespace core
