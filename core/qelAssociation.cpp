#include "core/qelAssociation.h"

#include "core/ObjectAccess.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"

namespace core {

qelAssociation::qelAssociation() : mSourceForeignProperties(std::make_shared<PropertyCollection>()) {}

void qelAssociation::SetRelationship(const vb::ObjectPtr& value) {
    mRelationship = ObjectAs<qelRelationship>(value);
}
void qelAssociation::SetTargetBusObj(const vb::ObjectPtr& value) {
    mTargetBusObj = ObjectAs<qelBusinessObject>(value);
}
void qelAssociation::SetSourceBusObj(const vb::ObjectPtr& value) {
    mSourceBusObj = ObjectAs<qelBusinessObject>(value);
}

std::shared_ptr<typelib::IRelationship> qelAssociation::GetRelationship() const {
    return Relationship();
}
std::shared_ptr<typelib::IBusinessObject> qelAssociation::GetSourceBusObj() const {
    return SourceBusObj();
}
std::shared_ptr<typelib::IBusinessObject> qelAssociation::GetTargetBusObj() const {
    return TargetBusObj();
}
std::shared_ptr<typelib::PropertyList> qelAssociation::GetSourceForeignProperties() const {
    return mSourceForeignProperties;
}

}  // namespace core
