#pragma once
// One directed end of a relationship as patterns read it: one source business object is related to
// Cardinality target business objects.

#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IAssociation : public vb::Object {
  public:
    // "One" or "Many".
    virtual std::string Cardinality() const = 0;
    virtual bool IsOptional() const = 0;

    // The back references below are empty when not linked (or when the object is gone).
    std::shared_ptr<IRelationship> Relationship() const { return GetRelationship(); }
    std::shared_ptr<IBusinessObject> SourceBusObj() const { return GetSourceBusObj(); }
    std::shared_ptr<IBusinessObject> TargetBusObj() const { return GetTargetBusObj(); }
    // The foreign-key properties that the association gives its source business object.
    std::shared_ptr<PropertyList> SourceForeignProperties() const { return GetSourceForeignProperties(); }

  protected:
    virtual std::shared_ptr<IRelationship> GetRelationship() const = 0;
    virtual std::shared_ptr<IBusinessObject> GetSourceBusObj() const = 0;
    virtual std::shared_ptr<IBusinessObject> GetTargetBusObj() const = 0;
    virtual std::shared_ptr<PropertyList> GetSourceForeignProperties() const = 0;
};

}  // namespace typelib
