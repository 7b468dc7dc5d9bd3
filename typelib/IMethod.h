#pragma once
// A method of a business object as patterns read it.

#include <cstdint>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IMethod : public vb::Object {
  public:
    virtual const std::string& Name() const = 0;
    // "Function" or "Sub".
    virtual std::string MethodType() const = 0;
    // "None" for a method that returns nothing.
    virtual std::string ReturnDataType() const = 0;
    virtual bool IsStoredProcedure() const = 0;
    virtual std::string StoredProcedureName() const = 0;
    virtual int32_t DBID() const = 0;
};

}  // namespace typelib
