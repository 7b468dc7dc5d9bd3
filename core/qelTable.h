#pragma once
// The database table of a business object and its fields.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "typelib/ITable.h"

namespace core {

class qelTable : public typelib::ITable {
  public:
    qelTable();

    const std::string& Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    // Keyed by field name.
    const std::shared_ptr<FieldCollection>& Fields() const { return mFields; }
    void SetFields(std::shared_ptr<FieldCollection> value) { mFields = std::move(value); }
    // A reference back to the business object that holds the table; empty once that is gone.
    std::shared_ptr<qelBusinessObject> BusinessObject() const { return mBusinessObject.lock(); }
    void SetBusinessObject(const std::shared_ptr<qelBusinessObject>& value) { mBusinessObject = value; }
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

  private:
    std::shared_ptr<typelib::IBusinessObject> GetBusinessObject() const override;

    std::string mName;
    std::shared_ptr<FieldCollection> mFields;
    std::weak_ptr<qelBusinessObject> mBusinessObject;
    int32_t mDBID = 0;
};

}  // namespace core
