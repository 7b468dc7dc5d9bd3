#pragma once
// Code tables as generated applications use them at run time ("VBOSTREL.qelCodeTable"): checking a value
// against a code table and letting the user pick one.

#include <memory>

#include "platform/vb/Object.h"
#include "platform/vb/Variant.h"

namespace dao {
class Database;
}

namespace typelib {

class ICodeTable : public vb::Object {
  public:
    virtual std::shared_ptr<dao::Database> dbSecurity() const = 0;
    virtual void SetdbSecurity(std::shared_ptr<dao::Database> database) = 0;

    // True when the code table holds the whole value (letter case ignored).
    virtual bool Verify(const vb::Variant& varCodeName, const vb::Variant& varCodeValue) = 0;
    // The value the user picked from the code table, or an empty string when none was picked.
    virtual vb::Variant Prompt(const vb::Variant& varCodeName) = 0;
};

}  // namespace typelib
