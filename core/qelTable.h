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
    // Keyed by field name; a field whose name another's key equals, letter case ignored (a database may
    // tell "Name" from "name"), is held without a key. Find fields with FieldNamed.
    const std::shared_ptr<FieldCollection>& Fields() const { return mFields; }
    void SetFields(std::shared_ptr<FieldCollection> value) { mFields = std::move(value); }
    // The field of exactly that name; nullptr when there is none.
    std::shared_ptr<qelField> FieldNamed(const std::string& name) const;
    // Adds `field` last, keyed by its name where that key is free.
    void AddField(const std::shared_ptr<qelField>& field);
    // Takes `field` out, however it is keyed; nothing when it is not there.
    void RemoveField(const std::shared_ptr<qelField>& field);
    // Names `field`, one of the table's, `name` where it stands, keyed by the new name where no field
    // holds that key.
    void RenameField(const std::shared_ptr<qelField>& field, std::string name);
    // A reference back to the business object that holds the table; empty once that is gone.
    std::shared_ptr<qelBusinessObject> BusinessObject() const { return mBusinessObject.lock(); }
    void SetBusinessObject(const std::shared_ptr<qelBusinessObject>& value) { mBusinessObject = value; }
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

  private:
    std::shared_ptr<typelib::IBusinessObject> GetBusinessObject() const override;
    // `name`, or no key where a field holds that key.
    std::string FreeKey(const std::string& name) const;

    std::string mName;
    std::shared_ptr<FieldCollection> mFields;
    std::weak_ptr<qelBusinessObject> mBusinessObject;
    int32_t mDBID = 0;
};

}  // namespace core
