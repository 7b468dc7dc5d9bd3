#include "patternkit/Navigation.h"

#include <functional>
#include <string>
#include <unordered_set>

#include "typelib/IAssociation.h"
#include "typelib/IRelationship.h"

namespace patternkit::Common {
namespace {

bool IsOneOf(const typelib::IAssociation& association, std::initializer_list<std::string_view> relTypes) {
    if (association.Cardinality() != "One")
        return false;
    const std::string relType = Required(association.Relationship()).RelType();
    for (const std::string_view wanted : relTypes) {
        if (relType == wanted)
            return true;
    }
    return false;
}

// The far ends of the qualifying associations, in association order.
BusinessObjectSet Collect(const typelib::AssociationList& associations,
                          std::initializer_list<std::string_view> relTypes,
                          std::shared_ptr<typelib::IBusinessObject> (typelib::IAssociation::*farEnd)()
                              const) {
    BusinessObjectSet result;
    for (const auto& association : associations) {
        if (IsOneOf(Required(association), relTypes))
            result.push_back(std::invoke(farEnd, *association));
    }
    return result;
}

}  // namespace

BusinessObjectSet GetChildBusObjs(const typelib::IBusinessObject& businessObject) {
    return Collect(Required(businessObject.TargetAssociations()), {"Identifying"},
                   &typelib::IAssociation::SourceBusObj);
}

BusinessObjectSet GetParentBusObjs(const typelib::IBusinessObject& businessObject) {
    return Collect(Required(businessObject.SourceAssociations()), {"Identifying"},
                   &typelib::IAssociation::TargetBusObj);
}

BusinessObjectSet GetReferenceBusObjs(const typelib::IBusinessObject& businessObject) {
    BusinessObjectSet result;
    std::unordered_set<std::string> names;
    for (auto& target : Collect(Required(businessObject.SourceAssociations()), {"Reference", "Subtype"},
                                &typelib::IAssociation::TargetBusObj)) {
        if (names.insert(Required(target).Name()).second)
            result.push_back(std::move(target));
    }
    return result;
}

}  // namespace patternkit::Common
