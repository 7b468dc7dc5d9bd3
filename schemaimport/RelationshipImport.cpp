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

BusObjPtr BusinessObjectOfTable(const core::qelApplication& application, const std::string& table) {
    for (const auto& businessObject : *application.BusinessObjects()) {
        if (!table.empty() && businessObject->Table()->Name() == table)
            return businessObject;
    }
    return nullptr;
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
    for (const auto& [table, key] : source.PrimaryKeys) {
        if (const auto businessObject = BusinessObjectOfTable(application, table))
            MarkPrimaryKey(sink, application, businessObject, key);
    }
    for (const CatalogRelation& relation : source.Relations) {
        const auto parent = BusinessObjectOfTable(application, relation.Key.ParentTable);
        const auto child = BusinessObjectOfTable(application, relation.ChildTable);
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

void ImportSql(ModelSink& sink, core::qelApplication& application, const RelationshipSource& source) {
    std::unordered_map<std::string, std::vector<const CatalogForeignKey*>> keysOfChild;
    for (const CatalogRelation& relation : source.Relations)
        keysOfChild[relation.ChildTable].push_back(&relation.Key);
    // A copy: the handlers may file into the collection while it is walked.
    std::vector<BusObjPtr> businessObjects;
    for (const auto& businessObject : *application.BusinessObjects())
        businessObjects.push_back(businessObject);
    for (const auto& parent : businessObjects) {
        for (const auto& child : businessObjects) {
            const auto found = keysOfChild.find(child->Table()->Name());
            if (child->Table()->Name().empty() || found == keysOfChild.end())
                continue;
            std::vector<const CatalogForeignKey*> keys;
            for (const CatalogForeignKey* key : found->second) {
                if (key->ParentTable == parent->Table()->Name())
                    keys.push_back(key);
            }
            std::stable_sort(keys.begin(), keys.end(), [&](const auto* a, const auto* b) {
                return FirstColumnPlace(*child, *a) < FirstColumnPlace(*child, *b);
            });
            for (const CatalogForeignKey* key : keys)
                MakeRelationship(sink, application, parent, child, *key, true);
        }
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
    for (const auto& relationship : relationships)
        sink.DeleteRelationship(application, relationship);
    GetRelationshipInfo(sink, application, source);
}

}  // namespace schemaimport
