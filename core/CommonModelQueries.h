#pragma once
// Questions the generate-code dialog asks of a business object before a build. They expect a fully linked
// business object: a missing table, field list, association list, relationship or business object at an
// association's end is error 91.

#include <memory>

#include "platform/vb/Collection.h"

namespace core {
class qelBusinessObject;
}

namespace core::Common {

// A new collection without keys, of the model's own business objects.
using BusinessObjectRefs = vb::Collection<std::shared_ptr<qelBusinessObject>>;

// True when a field of the business object's table is part of the primary key.
bool HasPrimaryKey(const qelBusinessObject& businessObject);

// The source of every identifying association that runs to the business object with cardinality "One",
// once per association.
BusinessObjectRefs GetIdentifyingChildren(const qelBusinessObject& businessObject);
// The target of every identifying association that runs from it with cardinality "One", once per association.
BusinessObjectRefs GetIdentifyingParents(const qelBusinessObject& businessObject);
// The targets of its reference associations with cardinality "One", each name once.
BusinessObjectRefs GetReferencedBusinessObjects(const qelBusinessObject& businessObject);

}  // namespace core::Common
