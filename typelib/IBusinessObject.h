#pragma once
// A business object as patterns and the engine's tokens read it.

#include <cstdint>
#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IBusinessObject : public vb::Object {
  public:
    virtual const std::string& Name() const = 0;
    virtual int32_t DBID() const = 0;
    // Chosen in the current generation run.
    virtual bool IsBuilt() const = 0;
    virtual int32_t BaseErrorNumber() const = 0;

    std::shared_ptr<ITable> Table() const { return GetTable(); }
    std::shared_ptr<PropertyList> Properties() const { return GetProperties(); }
    std::shared_ptr<MethodList> Methods() const { return GetMethods(); }
    // The associations that run from this business object, and those that run to it.
    std::shared_ptr<AssociationList> SourceAssociations() const { return GetSourceAssociations(); }
    std::shared_ptr<AssociationList> TargetAssociations() const { return GetTargetAssociations(); }

  protected:
    virtual std::shared_ptr<ITable> GetTable() const = 0;
    virtual std::shared_ptr<PropertyList> GetProperties() const = 0;
    virtual std::shared_ptr<MethodList> GetMethods() const = 0;
    virtual std::shared_ptr<AssociationList> GetSourceAssociations() const = 0;
    virtual std::shared_ptr<AssociationList> GetTargetAssociations() const = 0;
};

}  // namespace typelib
