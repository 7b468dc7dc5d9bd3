#pragma once
// One column of a table. A new field holds a table of its own until the model code links it to its
// business object's table; from then on Table is a reference back that does not own.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "typelib/IField.h"

namespace core {

class qelField : public typelib::IField {
  public:
    qelField();

    const std::string& Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    int32_t Length() const { return mLength; }
    void SetLength(int32_t value) { mLength = value; }
    const std::string& DataType() const { return mDataType; }
    void SetDataType(std::string value) { mDataType = std::move(value); }
    bool IsNullable() const override { return mIsNullable; }
    void SetIsNullable(bool value) { mIsNullable = value; }
    bool IsPrimaryKey() const { return mIsPrimaryKey; }
    void SetIsPrimaryKey(bool value) { mIsPrimaryKey = value; }
    bool IsForeignKey() const { return mIsForeignKey; }
    void SetIsForeignKey(bool value) { mIsForeignKey = value; }
    // Empty once a linked table is gone.
    std::shared_ptr<qelTable> Table() const { return mTable.lock(); }
    void SetTable(const std::shared_ptr<qelTable>& value);
    std::shared_ptr<qelBusObjProperty> BusObjProperty() const { return mBusObjProperty.lock(); }
    void SetBusObjProperty(const std::shared_ptr<qelBusObjProperty>& value) { mBusObjProperty = value; }
    const std::shared_ptr<VariantCollection>& VirtualProperties() const { return mVirtualProperties; }
    void SetVirtualProperties(std::shared_ptr<VariantCollection> value) {
        mVirtualProperties = std::move(value);
    }
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

  private:
    std::shared_ptr<typelib::ITable> GetTable() const override;
    std::shared_ptr<typelib::IProperty> GetBusObjProperty() const override;

    std::string mName;
    int32_t mLength = 0;
    std::string mDataType;
    bool mIsNullable = false;
    bool mIsPrimaryKey = false;
    bool mIsForeignKey = false;
    // The table made by the constructor, held until another table is linked.
    std::shared_ptr<qelTable> mOwnTable;
    std::weak_ptr<qelTable> mTable;
    std::weak_ptr<qelBusObjProperty> mBusObjProperty;
    std::shared_ptr<VariantCollection> mVirtualProperties;
    int32_t mDBID = 0;
};

}  // namespace core
