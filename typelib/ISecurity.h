#pragma once
// What a user may not do with a business object, as generated applications ask it at run time
// ("VBOSTREL.qelSecurity").

#include <memory>

#include "platform/vb/Object.h"
#include "platform/vb/Variant.h"
#include "typelib/ModelTypes.h"

namespace dao {
class Database;
}

namespace typelib {

class ISecurity : public vb::Object {
  public:
    // The open security database; a client may put another open database with the table Security in
    // its place.
    virtual std::shared_ptr<dao::Database> dbSecurity() const = 0;
    virtual void SetdbSecurity(std::shared_ptr<dao::Database> database) = 0;

    // Appends the user's restrictions on the business object to the three lists (never clears them).
    // `vObjType` is accepted and not used.
    virtual void GetRestrictions(const vb::Variant& vUserID, const vb::Variant& vBusObjName,
                                 const vb::Variant& vObjType) = 0;

    // The same list objects on every call; items have no keys.
    virtual std::shared_ptr<TextList> MethodRestrictions() const = 0;
    virtual std::shared_ptr<TextList> ViewRestrictions() const = 0;
    virtual std::shared_ptr<TextList> EditRestrictions() const = 0;
};

}  // namespace typelib
