#include "core/CommonModelQueries.h"

#include <string>
#include <unordered_set>

#include "core/ObjectAccess.h"
#include "core/qelAssociation.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"

namespace core::Common {
namespace {

using EndOf = std::shared_ptr<qelBusinessObject> (qelAssociation::*)() const;

// For each association of `associations` in order whose relationship is of `relType` and whose cardinality
// is "One": the business object at its `end`.
template <typename Add>
void ForEachOneEnd(const std::shared_ptr<AssociationCollection>& associations, const char* relType, EndOf end,
                   Add add) {
    for (const auto& association : Required(associations)) {
        const qelAssociation& linked = Required(association);
        if (Required(linked.Relationship()).RelType() != relType || linked.Cardinality() != "One")
            continue;
        auto businessObject = (linked.*end)();
        Required(businessObject);
        add(std::move(businessObject));
    }
}

}  // namespace

bool HasPrimaryKey(const qelBusinessObject& businessObject) {
    for (const auto& field : Required(Required(businessObject.Table()).Fields())) {
        if (Required(field).IsPrimaryKey())
            return true;
    }
    return false;
}

BusinessObjectRefs GetIdentifyingChildren(const qelBusinessObject& businessObject) {
    BusinessObjectRefs children;
    ForEachOneEnd(businessObject.TargetAssociations(), "Identifying", &qelAssociation::SourceBusObj,
                  [&](auto child) { children.Add(std::move(child)); });
    return children;
}

BusinessObjectRefs GetIdentifyingParents(const qelBusinessObject& businessObject) {
    BusinessObjectRefs parents;
    ForEachOneEnd(businessObject.SourceAssociations(), "Identifying", &qelAssociation::TargetBusObj,
                  [&](auto parent) { parents.Add(std::move(parent)); });
    return parents;
}

BusinessObjectRefs GetReferencedBusinessObjects(const qelBusinessObject& businessObject) {
    BusinessObjectRefs referenced;
    std::unordered_set<std::string> names;
    ForEachOneEnd(businessObject.SourceAssociations(), "Reference", &qelAssociation::TargetBusObj,
                  [&](auto target) {
                      if (names.insert(target->Name()).second)
                          referenced.Add(std::move(target));
                  });
    return referenced;
}

}  // namespace core::Common
