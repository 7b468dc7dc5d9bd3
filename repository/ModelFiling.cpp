#include "repository/ModelFiling.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "platform/vb/Error.h"

namespace repository {

namespace {

constexpr std::string_view kRelationshipPrefix = "Relationship";

// Removes the entry under `key` when it holds `association` (an end filed elsewhere stays).
void RemoveEnd(core::AssociationCollection& ends, const std::string& key,
               const std::shared_ptr<core::qelAssociation>& association) {
    if (ends.Exists(key) && ends.Item(key) == association)
        ends.Remove(key);
}

}  // namespace

void FileBusinessObject(core::qelApplication& application,
                        const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    application.BusinessObjects()->Add(businessObject, businessObject->Name());
    for (const auto& method : *businessObject->Methods())
        method->SetBusinessObjectName(businessObject->Name());
}

void FileProperty(core::qelApplication& application,
                  const std::shared_ptr<core::qelBusObjProperty>& property) {
    const auto& businessObject = application.BusinessObjects()->Item(property->BusinessObjectName());
    if (property->Field() && property->Field()->IsNullable())
        property->SetIsMandatory(false);
    businessObject->Properties()->Add(property,
                                      property->BusinessObjectName() + ".Properties." + property->Name());
}

void FileMethod(core::qelApplication& application, const std::shared_ptr<core::qelBusObjMethod>& method) {
    const auto& businessObject = application.BusinessObjects()->Item(method->BusinessObjectName());
    businessObject->Methods()->Add(method, method->BusinessObjectName() + ".Methods." + method->Name());
}

void FileRelationship(core::qelApplication& application,
                      const std::shared_ptr<core::qelRelationship>& relationship) {
    if (relationship->Name().empty())
        relationship->SetName(NextRelationshipName(application));
    application.Relationships()->Add(relationship, relationship->Name());
}

void UnfileRelationship(core::qelApplication& application,
                        const std::shared_ptr<core::qelRelationship>& relationship) {
    auto& associations = *relationship->Associations();
    for (int32_t i = 1; i <= associations.Count(); ++i) {
        const auto& association = associations.Item(i);
        const std::string& key = associations.KeyOf(i);
        for (const auto& property : *association->SourceForeignProperties()) {
            if (property->Field())
                property->Field()->SetIsForeignKey(false);
            property->SetIsForeignProperty(false);
        }
        if (const auto source = association->SourceBusObj())
            RemoveEnd(*source->SourceAssociations(), key, association);
        if (const auto target = association->TargetBusObj())
            RemoveEnd(*target->TargetAssociations(), key, association);
    }
    associations.Clear();
    auto& relationships = *application.Relationships();
    for (int32_t i = 1; i <= relationships.Count(); ++i) {
        if (relationships.Item(i)->Name() == relationship->Name()) {
            relationships.Remove(i);
            return;
        }
    }
}

std::string NextRelationshipName(const core::qelApplication& application) {
    const auto& relationships = *application.Relationships();
    int32_t last = 0;
    if (relationships.Count() > 0) {
        const std::string name = relationships.Item(relationships.Count())->Name();
        const std::string_view number = std::string_view(name).substr(
            name.starts_with(kRelationshipPrefix) ? kRelationshipPrefix.size() : name.size());
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), last);
        if (number.empty() || error != std::errc() || end != number.data() + number.size() || last < 0)
            vb::Raise(vb::kTypeMismatch, "NextRelationshipName");
        if (last == INT32_MAX)
            vb::Raise(vb::kOverflow, "NextRelationshipName");
    }
    return std::string(kRelationshipPrefix) + std::to_string(last + 1);
}

}  // namespace repository
