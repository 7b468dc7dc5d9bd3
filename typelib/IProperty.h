#pragma once
// A property of a business object as patterns and the engine's tokens read it.

#include <cstdint>
#include <memory>
#include <string>

#include "typelib/ModelTypes.h"

namespace typelib {

class IProperty : public vb::Object {
  public:
    virtual const std::string& Name() const = 0;
    virtual std::string Label() const = 0;
    // Name of the owning business object.
    virtual std::string BusinessObjectName() const = 0;
    // The type and length of the property's field.
    virtual const std::string& DataType() const = 0;
    virtual int32_t Length() const = 0;
    // "Read/Write" or "Read Only".
    virtual std::string Access() const = 0;
    virtual std::string ControlType() const = 0;
    virtual bool IsKey() const = 0;
    // 1-based place among the key properties.
    virtual int16_t KeyIndex() const = 0;
    virtual bool IsMandatory() const = 0;
    virtual bool IsUnique() const = 0;
    virtual bool IsVirtual() const = 0;
    virtual bool IsForeignProperty() const = 0;
    // Where the permitted values come from: the list, a range, a code table, a foreign-key business object.
    virtual bool IsPVList() const = 0;
    virtual bool IsPVRange() const = 0;
    virtual bool IsPVTable() const = 0;
    virtual bool IsPVFKey() const = 0;
    virtual std::string LowerBound() const = 0;
    virtual std::string UpperBound() const = 0;
    virtual int32_t DBID() const = 0;

    std::shared_ptr<IField> Field() const { return GetField(); }
    // For a foreign property: the field of the other business object that it refers to.
    std::shared_ptr<IField> ForeignKeyField() const { return GetForeignKeyField(); }
    // For IsPVFKey: the property of the other business object shown for a value; may be empty.
    std::shared_ptr<IProperty> PVFKeyDisplayedProp() const { return GetPVFKeyDisplayedProp(); }
    std::shared_ptr<TextList> PermittedValues() const { return GetPermittedValues(); }

  protected:
    virtual std::shared_ptr<IField> GetField() const = 0;
    virtual std::shared_ptr<IField> GetForeignKeyField() const = 0;
    virtual std::shared_ptr<IProperty> GetPVFKeyDisplayedProp() const = 0;
    virtual std::shared_ptr<TextList> GetPermittedValues() const = 0;
};

}  // namespace typelib
