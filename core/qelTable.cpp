#include "core/qelTable.h"

#include "core/qelBusinessObject.h"
#include "core/qelField.h"

namespace core {

qelTable::qelTable() : mFields(std::make_shared<FieldCollection>()) {}

std::shared_ptr<typelib::IBusinessObject> qelTable::GetBusinessObject() const {
    return BusinessObject();
}

}  // namespace core
