#pragma once
// The model's interfaces and the collections in which they cross the library boundary.

#include <memory>
#include <string>

#include "typelib/ICollection.h"

namespace typelib {

class IApplication;
class IBusinessObject;
class IProperty;
class IMethod;
class ITable;
class IField;
class IRelationship;
class IAssociation;
class IToolProperties;

using BusinessObjectList = ICollection<std::shared_ptr<IBusinessObject>>;
using PropertyList = ICollection<std::shared_ptr<IProperty>>;
using MethodList = ICollection<std::shared_ptr<IMethod>>;
using AssociationList = ICollection<std::shared_ptr<IAssociation>>;
using TextList = ICollection<std::string>;

}  // namespace typelib
