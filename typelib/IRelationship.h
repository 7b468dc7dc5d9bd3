#pragma once
// A relationship as patterns read it.

#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IRelationship : public vb::Object {
  public:
    virtual std::string Name() const = 0;
    // "Identifying", "Reference" or "Subtype".
    virtual std::string RelType() const = 0;
};

}  // namespace typelib
