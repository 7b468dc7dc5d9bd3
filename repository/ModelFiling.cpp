#include "repository/ModelFiling.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
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

// Removes every entry that holds `item`; true when there was one.
template <typename Items, typename Item>
bool RemoveEvery(Items& items, const Item& item) {
    bool removed = false;
    for (int32_t i = items.Count(); i >= 1; --i) {
        if (items.Item(i) == item) {
            items.Remove(i);
            removed = true;
        }
    }
    return removed;
}

// Raises 9 unless `items` holds `item` under `key`.
template <typename Items, typename Item>
void RequireFiled(const Items& items, const std::string& key, const Item& item, const char* source) {
    if (!items.Exists(key) || items.Item(key) != item)
        vb::Raise(vb::kSubscriptOutOfRange, source);
}

bool Involves(const core::qelRelationship& relationship, const core::qelBusinessObject& businessObject) {
    for (const auto& association : *relationship.Associations()) {
        if (association->SourceBusObj().get() == &businessObject ||
            association->TargetBusObj().get() == &businessObject)
            return true;
    }
    return false;
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
            // As a property that never took over a key.
            property->SetForeignKeyField(std::make_shared<core::qelField>());
        }
        if (const auto source = association->SourceBusObj())
            RemoveEnd(*source->SourceAssociations(), key, association);
        if (const auto target = association->TargetBusObj())
            RemoveEnd(*target->TargetAssociations(), key, association);
    }
    associations.Clear();
    auto& relationships = *application.Relationships();
    // Found by its key where it is filed under its name, so that taking out every relationship is not a
    // walk of the collection for each one.
    const std::string& name = relationship->Name();
    if (relationships.Exists(name) && relationships.Item(name)->Name() == name) {
        relationships.Remove(name);
        return;
    }
    for (int32_t i = 1; i <= relationships.Count(); ++i) {
        if (relationships.Item(i)->Name() == relationship->Name()) {
            relationships.Remove(i);
            return;
        }
    }
}

std::vector<std::shared_ptr<core::qelRelationship>> RelationshipsInvolving(
    const core::qelApplication& application, const core::qelBusinessObject& businessObject) {
    std::vector<std::shared_ptr<core::qelRelationship>> involved;
    for (const auto& relationship : *application.Relationships()) {
        if (Involves(*relationship, businessObject))
            involved.push_back(relationship);
    }
    // Ends of relationships that the application no longer holds still leave the other objects.
    for (const auto* ends :
         {businessObject.SourceAssociations().get(), businessObject.TargetAssociations().get()}) {
        for (const auto& association : *ends) {
            const auto relationship = association->Relationship();
            if (relationship && std::find(involved.begin(), involved.end(), relationship) == involved.end())
                involved.push_back(relationship);
        }
    }
    return involved;
}

void UnfileBusinessObject(core::qelApplication& application,
                          const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    auto& businessObjects = *application.BusinessObjects();
    RequireFiled(businessObjects, businessObject->Name(), businessObject, "UnfileBusinessObject");
    for (const auto& relationship : RelationshipsInvolving(application, *businessObject))
        UnfileRelationship(application, relationship);
    businessObjects.Remove(businessObject->Name());
}

void UnfileProperty(core::qelApplication& application,
                    const std::shared_ptr<core::qelBusObjProperty>& property) {
    const std::string& owner = property->BusinessObjectName();
    auto& businessObjects = *application.BusinessObjects();
    if (!businessObjects.Exists(owner))
        vb::Raise(vb::kSubscriptOutOfRange, "UnfileProperty");
    const auto& businessObject = businessObjects.Item(owner);
    const std::string key = owner + ".Properties." + property->Name();
    RequireFiled(*businessObject->Properties(), key, property, "UnfileProperty");

    if (const auto& field = property->Field(); field && businessObject->Table())
        businessObject->Table()->RemoveField(field);
    businessObject->Properties()->Remove(key);
    auto& keys = *businessObject->KeyProperties();
    if (RemoveEvery(keys, property)) {
        for (int32_t i = 1; i <= keys.Count(); ++i)
            keys.Item(i)->SetKeyIndex(static_cast<int16_t>(i));
    }
    for (const auto& relationship : *application.Relationships()) {
        for (const auto& association : *relationship->Associations())
            RemoveEvery(*association->SourceForeignProperties(), property);
    }
    for (const auto& other : businessObjects) {
        for (const auto& each : *other->Properties()) {
            if (each->PVFKeyDisplayedProp() == property)
                each->SetPVFKeyDisplayedProp(nullptr);
            if (property->Field() && each->ForeignKeyField() == property->Field())
                each->SetForeignKeyField(std::make_shared<core::qelField>());
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
