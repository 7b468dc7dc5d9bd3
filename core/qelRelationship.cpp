#include "core/qelRelationship.h"

#include "core/qelAssociation.h"

namespace core {

qelRelationship::qelRelationship()
    : mAssociations(std::make_shared<vb::Collection<std::shared_ptr<qelAssociation>>>()) {}

}  // namespace core
