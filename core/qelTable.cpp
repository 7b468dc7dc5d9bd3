#include "core/qelTable.h"

#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "platform/vb/Rekey.h"

namespace core {

qelTable::qelTable() : mFields(std::make_shared<FieldCollection>()) {}

std::shared_ptr<typelib::IBusinessObject> qelTable::GetBusinessObject() const {
    return BusinessObject();
}

std::shared_ptr<qelField> qelTable::FieldNamed(const std::string& name) const {
    for (const auto& field : *mFields) {
        if (field->Name() == name)
            return field;
    }
    return nullptr;
}

void qelTable::AddField(const std::shared_ptr<qelField>& field) {
    mFields->Add(field, FreeKey(field->Name()));
}

void qelTable::RemoveField(const std::shared_ptr<qelField>& field) {
    if (const int32_t index = vb::IndexOf(*mFields, field); index > 0)
        mFields->Remove(index);
}

void qelTable::RenameField(const std::shared_ptr<qelField>& field, std::string name) {
    const std::string key = FreeKey(name);
    field->SetName(std::move(name));
    vb::Rekey(*mFields, vb::IndexOf(*mFields, field), key);
}

std::string qelTable::FreeKey(const std::string& name) const {
    return mFields->Exists(name) ? std::string() : name;
}

}  // namespace core
