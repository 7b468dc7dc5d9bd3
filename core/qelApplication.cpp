#include "core/qelApplication.h"

#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"

namespace core {

qelApplication::qelApplication()
    : mRelationships(std::make_shared<RelationshipCollection>()),
      mBusinessObjects(std::make_shared<BusinessObjectCollection>()) {}

std::shared_ptr<typelib::BusinessObjectList> qelApplication::GetBusinessObjects() const {
    return mBusinessObjects;
}

}  // namespace core
