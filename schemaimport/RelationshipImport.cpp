#include "schemaimport/RelationshipImport.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "core/ApplicationLog.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"
#include "schemaimport/ModelMarks.h"

namespace schemaimport {
namespace {

using BusObjPtr = std::shared_ptr<core::qelBusinessObject>;
using PropertyPtr = std::shared_ptr<core::qelBusObjProperty>;

// The business objects in the application's order; a copy, as the handlers may file into the collection
// while it is walked.
std::vector<BusObjPtr> BusinessObjectsOf(const core::qelApplication& application) {
    std::vector<BusObjPtr> businessObjects;
    for (const auto& businessObject : *application.BusinessObjects())
        businessObjects.push_back(businessObject);
    return businessObjects;
}

// The places in `businessObjects` of the business objects of each table, in their order: found once, not
// by a walk of every business object for every key.
std::unordered_map<std::string, std::vector<size_t>> PlacesByTable(
    const std::vector<BusObjPtr>& businessObjects) {
    std::unordered_map<std::string, std::vector<size_t>> places;
    for (size_t i = 0; i < businessObjects.size(); ++i)
        places[businessObjects[i]->Table()->Name()].push_back(i);
    return places;
}

std::shared_ptr<core::qelAssociation> NewAssociation(const BusObjPtr& source, const BusObjPtr& target,
                                                     const char* cardinality, bool isOptional,
                                                     const std::shared_ptr<core::qelRelationship>& owner) {
    auto association = std::make_shared<core::qelAssociation>();
    association->SetSourceBusObj(source);
    association->SetTargetBusObj(target);
    association->SetCardinality(cardinality);
    association->SetIsOptional(isOptional);
    association->SetDescription("has");
    association->SetRelationship(owner);
    return association;
}

// A message, as the key is left out: without a property the column is nothing the model can relate.
void SayNoProperty(const CatalogForeignKey& key, const core::qelBusinessObject& child,
                   const core::qelBusinessObject& parent, const core::qelBusinessObject& owner,
                   const std::string& column) {
    ui::MsgBox("The foreign key " + (key.Name.empty() ? "" : key.Name + " ") + "of " + child.Table()->Name() +
                   " to " + parent.Table()->Name() + " cannot be imported: the column " +
                   owner.Table()->Name() + "." + column + " has no property.",
               ui::vbInformation);
}

// One relationship from `parent` to `child` for the foreign key; a message and nothing when a column has no
// property.
void MakeRelationship(ModelSink& sink, core::qelApplication& application, const BusObjPtr& parent,
                      const BusObjPtr& child, const CatalogForeignKey& key, bool marksMandatory) {
    std::vector<std::pair<PropertyPtr, PropertyPtr>> columns;  // (foreign-key property, parent's key)
    for (const auto& [childColumn, parentColumn] : key.Columns) {
        auto foreign = PropertyOfColumn(*child, childColumn);
        auto referenced = PropertyOfColumn(*parent, parentColumn);
        if (!foreign || !referenced) {
            SayNoProperty(key, *child, *parent, foreign ? *parent : *child,
                          foreign ? parentColumn : childColumn);
            return;
        }
        columns.emplace_back(std::move(foreign), std::move(referenced));
    }
    if (columns.empty())
        return;

    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetRelType("Reference");
    auto first = NewAssociation(parent, child, "Many", true, relationship);
    auto second = NewAssociation(child, parent, "One", false, relationship);
    for (const auto& [property, referenced] : columns) {
        property->Field()->SetIsForeignKey(true);
        property->Field()->SetIsNullable(false);
        property->SetIsForeignProperty(true);
        property->SetForeignKeyField(referenced->Field());
        if (marksMandatory)
            property->SetIsMandatory(true);
        bool listed = false;
        for (const auto& foreign : *second->SourceForeignProperties())
            listed = listed || foreign->Name() == property->Name();
        if (!listed)
            second->SourceForeignProperties()->Add(property);
        if (property->Field()->IsPrimaryKey())
            relationship->SetRelType("Identifying");
        sink.PropertyUpdated(application, property);
    }

    const std::string name = "Relationship" + std::to_string(application.Relationships()->Count() + 1);
    relationship->SetName(name);
    const std::string firstKey = parent->Name() + ".Relationships." + name;
    const std::string secondKey =
        child->Name() + (parent->Name() == child->Name() ? ".RelationshipsRecursive." : ".Relationships.") +
        name;
    relationship->Associations()->Add(first, firstKey);
    parent->SourceAssociations()->Add(first, firstKey);
    child->TargetAssociations()->Add(first, firstKey);
    relationship->Associations()->Add(second, secondKey);
    parent->TargetAssociations()->Add(second, secondKey);
    child->SourceAssociations()->Add(second, secondKey);
    sink.RelationshipAdded(application, relationship);
}

void ImportAccess(ModelSink& sink, core::qelApplication& application, const RelationshipSource& source) {
    const std::vector<BusObjPtr> businessObjects = BusinessObjectsOf(application);
    const auto places = PlacesByTable(businessObjects);
    // The first business object of a named table.
    const auto ofTable = [&](const std::string& table) -> BusObjPtr {
        const auto found = places.find(table);
        return table.empty() || found == places.end() ? nullptr : businessObjects[found->second.front()];
    };
    for (const auto& [table, key] : source.PrimaryKeys) {
        if (const auto businessObject = ofTable(table))
            MarkPrimaryKey(sink, application, businessObject, key);
    }
    for (const CatalogRelation& relation : source.Relations) {
        const auto parent = ofTable(relation.Key.ParentTable);
        const auto child = ofTable(relation.ChildTable);
        if (parent && child)
            MakeRelationship(sink, application, parent, child, relation.Key, false);
    }
}

// The place of the key's first column among the child's fields.
int32_t FirstColumnPlace(const core::qelBusinessObject& child, const CatalogForeignKey& key) {
    const auto& fields = *child.Table()->Fields();
    for (int32_t i = 1; i <= fields.Count(); ++i) {
        if (!key.Columns.empty() && fields.KeyOf(i) == key.Columns.front().first)
            return i;
    }
    return fields.Count() + 1;
}

// Relationships in the order of their parent, then of their child among the business objects, then of the
// key's first column among the child's fields; each parent looks only at the keys that name its table.
void ImportSql(ModelSink& sink, core::qelApplication& application, const RelationshipSource& source) {
    std::unordered_map<std::string, std::vector<const CatalogRelation*>> relationsOfParent;
    for (const CatalogRelation& relation : source.Relations)
        relationsOfParent[relation.Key.ParentTable].push_back(&relation);
    const std::vector<BusObjPtr> businessObjects = BusinessObjectsOf(application);
    const auto places = PlacesByTable(businessObjects);
    struct Planned {
        size_t childPlace;
        int32_t columnPlace;
        const CatalogForeignKey* key;
    };
    for (const auto& parent : businessObjects) {
        const auto relations = relationsOfParent.find(parent->Table()->Name());
        if (relations == relationsOfParent.end())
            continue;
        std::vector<Planned> planned;
        for (const CatalogRelation* relation : relations->second) {
            const auto children = places.find(relation->ChildTable);
            if (relation->ChildTable.empty() || children == places.end())
                continue;
            for (const size_t place : children->second) {
                planned.push_back(
                    {place, FirstColumnPlace(*businessObjects[place], relation->Key), &relation->Key});
            }
        }
        std::stable_sort(planned.begin(), planned.end(), [](const Planned& a, const Planned& b) {
            return a.childPlace != b.childPlace ? a.childPlace < b.childPlace : a.columnPlace < b.columnPlace;
        });
        for (const Planned& each : planned)
            MakeRelationship(sink, application, parent, businessObjects[each.childPlace], *each.key, true);
    }
}

RelationshipSource::Kind KindOf(const std::string& dbType) {
    if (vb::UCase(dbType) == "ACCESS")
        return RelationshipSource::Kind::Access;
    return dbType == "SQL" ? RelationshipSource::Kind::Sql : RelationshipSource::Kind::None;
}

}  // namespace

RelationshipSource ReadRelationshipSource(const core::qelApplication& application, SchemaCatalog& catalog,
                                          const std::vector<std::string>& moreTables) {
    RelationshipSource source;
    source.kind = KindOf(application.DBType());
    if (source.kind == RelationshipSource::Kind::Access) {
        for (const CatalogTable& table : catalog.Tables())
            source.PrimaryKeys.emplace_back(table.Name, catalog.PrimaryKey(table.Name));
        source.Relations = catalog.Relations();
    } else if (source.kind == RelationshipSource::Kind::Sql) {
        std::vector<std::string> tables = moreTables;
        for (const auto& businessObject : *application.BusinessObjects())
            tables.push_back(businessObject->Table()->Name());
        std::sort(tables.begin(), tables.end());
        tables.erase(std::unique(tables.begin(), tables.end()), tables.end());
        for (const std::string& table : tables) {
            if (table.empty())
                continue;
            for (CatalogForeignKey& key : catalog.ForeignKeys(table))
                source.Relations.push_back({table, std::move(key)});
        }
    }
    return source;
}

void GetRelationshipInfo(ModelSink& sink, core::qelApplication& application,
                         const RelationshipSource& source) {
    core::LogAndRaiseAs("GetRelationshipInfo", [&] {
        if (source.kind == RelationshipSource::Kind::Access)
            ImportAccess(sink, application, source);
        else if (source.kind == RelationshipSource::Kind::Sql)
            ImportSql(sink, application, source);
    });
}

void RebuildRelationships(ModelSink& sink, core::qelApplication& application,
                          const RelationshipSource& source) {
    std::vector<std::shared_ptr<core::qelRelationship>> relationships;
    for (const auto& relationship : *application.Relationships())
        relationships.push_back(relationship);
    // Last first: each leaves the end of the collection, which moves no other item.
    for (auto relationship = relationships.rbegin(); relationship != relationships.rend(); ++relationship)
        sink.DeleteRelationship(application, *relationship);
    GetRelationshipInfo(sink, application, source);
}

}  // namespace schemaimport
