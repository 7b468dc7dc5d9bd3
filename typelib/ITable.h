#pragma once
// The database table of a business object as patterns read it.

#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class ITable : public vb::Object {
  public:
    virtual const std::string& Name() const = 0;

    // The business object mapped to the table; empty when none is linked (or it is gone).
    std::shared_ptr<IBusinessObject> BusinessObject() const { return GetBusinessObject(); }

  protected:
    virtual std::shared_ptr<IBusinessObject> GetBusinessObject() const = 0;
};

}  // namespace typelib
