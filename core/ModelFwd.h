#pragma once
// The model classes and the collections that hold them.

#include <memory>
#include <string>

#include "core/ModelCollection.h"
#include "platform/vb/Collection.h"
#include "platform/vb/Variant.h"
#include "typelib/ModelTypes.h"

namespace core {

class qelApplication;
class qelBusinessObject;
class qelBusObjProperty;
class qelBusObjMethod;
class qelTable;
class qelField;
class qelRelationship;
class qelAssociation;

using BusinessObjectCollection = ObjectCollection<qelBusinessObject, typelib::IBusinessObject>;
using PropertyCollection = ObjectCollection<qelBusObjProperty, typelib::IProperty>;
using MethodCollection = ObjectCollection<qelBusObjMethod, typelib::IMethod>;
using AssociationCollection = ObjectCollection<qelAssociation, typelib::IAssociation>;
using RelationshipCollection = vb::Collection<std::shared_ptr<qelRelationship>>;
using FieldCollection = vb::Collection<std::shared_ptr<qelField>>;
using TextCollection = ModelCollection<std::string, std::string>;
// Collections that the model owns but nothing in the add-in types.
using VariantCollection = vb::Collection<vb::Variant>;

}  // namespace core
