#include "core/qelField.h"

#include "core/qelBusObjProperty.h"
#include "core/qelTable.h"

namespace core {

qelField::qelField()
    : mOwnTable(std::make_shared<qelTable>()),
      mTable(mOwnTable),
      mVirtualProperties(std::make_shared<VariantCollection>()) {}

void qelField::SetTable(const std::shared_ptr<qelTable>& value) {
    if (value != mOwnTable)
        mOwnTable.reset();
    mTable = value;
}

std::shared_ptr<typelib::ITable> qelField::GetTable() const {
    return Table();
}
std::shared_ptr<typelib::IProperty> qelField::GetBusObjProperty() const {
    return BusObjProperty();
}

}  // namespace core
