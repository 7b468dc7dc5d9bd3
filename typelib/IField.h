#pragma once
// A database field as patterns and the engine's tokens read it.

#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IField : public vb::Object {
  public:
    virtual const std::string& Name() const = 0;
    virtual bool IsNullable() const = 0;

    // The table that holds the field; empty when the table is gone.
    std::shared_ptr<ITable> Table() const { return GetTable(); }
    // The property stored in the field; empty when none is linked.
    std::shared_ptr<IProperty> BusObjProperty() const { return GetBusObjProperty(); }

  protected:
    virtual std::shared_ptr<ITable> GetTable() const = 0;
    virtual std::shared_ptr<IProperty> GetBusObjProperty() const = 0;
};

}  // namespace typelib
