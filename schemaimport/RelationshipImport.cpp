#include "schemaimport/RelationshipImport.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
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

// A foreign key with the business object that holds it.
using KeyOfChild = std::pair<const core::qelBusinessObject*, const CatalogForeignKey*>;

// The place among the child's key properties (their KeyIndex, in column order) of the first of the key's
// columns that are part of it; 0 when none is.
int16_t KeyPlace(const core::qelBusinessObject& child, const CatalogForeignKey& key) {
    int16_t place = 0;
    for (const auto& column : key.Columns) {
        const auto property = PropertyOfColumn(child, column.first);
        if (property && property->Field()->IsPrimaryKey() && (place == 0 || property->KeyIndex() < place))
            place = property->KeyIndex();
    }
    return place;
}

// The keys that make their child's further parents: a child whose key holds the keys of several parents
// (a link table) keeps the parent whose columns come first among its key properties; the others become
// references, so that the child has one parent.
std::set<KeyOfChild> FurtherParentKeys(const std::vector<KeyOfChild>& keys) {
    std::vector<KeyOfChild> inKey;  // the keys whose columns are part of their child's key
    std::unordered_map<const core::qelBusinessObject*, std::pair<int16_t, const CatalogForeignKey*>> first;
    for (const auto& [child, key] : keys) {
        const int16_t place = KeyPlace(*child, *key);
        if (place == 0)
            continue;
        inKey.emplace_back(child, key);
        const auto [found, isNew] = first.try_emplace(child, place, key);
        if (!isNew && place < found->second.first)
            found->second = {place, key};
    }
    std::set<KeyOfChild> further;
    for (const auto& [child, key] : inKey) {
        if (first.at(child).second != key)
            further.insert({child, key});
    }
    return further;
}

// A foreign key the import relates: its parent and child, and whether a relationship of the model already
// stands for it (and keeps what was set on it).
struct PlannedKey {
    BusObjPtr parent;
    BusObjPtr child;
    const CatalogForeignKey* key;
    bool isFurtherParent;
    bool isKept = false;
};

// Names a new relationship "Relationship" and the relationships' count plus one, or the next number no kept
// relationship's name holds; the number only rises, so a whole import looks at each name once.
class RelationshipNamer {
  public:
    std::string Next(const core::qelApplication& application) {
        const auto& relationships = *application.Relationships();
        mNumber = std::max(mNumber, relationships.Count() + 1);
        while (relationships.Exists(NameOf(mNumber)))
            ++mNumber;
        return NameOf(mNumber++);
    }

  private:
    static std::string NameOf(int32_t number) { return "Relationship" + std::to_string(number); }
    int32_t mNumber = 0;
};

// The key's columns marked on the child's properties and, unless a kept relationship stands for the key,
// one relationship from parent to child; a message and nothing when a column has no property. A further
// parent's relationship is a reference, named in `furtherParents`.
void MakeRelationship(ModelSink& sink, core::qelApplication& application, const PlannedKey& planned,
                      RelationshipNamer& namer, std::vector<std::string>& furtherParents) {
    const auto& [parent, child, key, isFurtherParent, isKept] = planned;
    std::vector<std::pair<PropertyPtr, PropertyPtr>> columns;  // (foreign-key property, parent's key)
    for (const auto& [childColumn, parentColumn] : key->Columns) {
        auto foreign = PropertyOfColumn(*child, childColumn);
        auto referenced = PropertyOfColumn(*parent, parentColumn);
        if (!foreign || !referenced) {
            SayNoProperty(*key, *child, *parent, foreign ? *parent : *child,
                          foreign ? parentColumn : childColumn);
            return;
        }
        columns.emplace_back(std::move(foreign), std::move(referenced));
    }
    if (columns.empty())
        return;
    // A key whose columns take Null (an Access column that is not required): the child may have no parent.
    const bool isOptional = std::any_of(columns.begin(), columns.end(), [](const auto& column) {
        return column.first->Field()->IsNullable();
    });
    for (const auto& [property, referenced] : columns) {
        property->Field()->SetIsForeignKey(true);
        property->SetIsForeignProperty(true);
        property->SetForeignKeyField(referenced->Field());
        if (!isOptional)
            property->SetIsMandatory(true);
        sink.PropertyUpdated(application, property);
    }
    if (isKept)
        return;

    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetRelType("Reference");
    auto first = NewAssociation(parent, child, "Many", true, relationship);
    auto second = NewAssociation(child, parent, "One", isOptional, relationship);
    for (const auto& [property, referenced] : columns) {
        bool listed = false;
        for (const auto& foreign : *second->SourceForeignProperties())
            listed = listed || foreign->Name() == property->Name();
        if (!listed)
            second->SourceForeignProperties()->Add(property);
        if (property->Field()->IsPrimaryKey() && !isFurtherParent)
            relationship->SetRelType("Identifying");
    }
    const std::string name = namer.Next(application);
    relationship->SetName(name);
    if (isFurtherParent)
        furtherParents.push_back(child->Table()->Name() + ": " + name + " to " + parent->Table()->Name());
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

// The primary keys marked; the relations whose tables are modelled, in the database's order.
std::vector<PlannedKey> PlanAccess(ModelSink& sink, core::qelApplication& application,
                                   const RelationshipSource& source) {
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
    std::vector<PlannedKey> plan;
    std::vector<KeyOfChild> keys;
    for (const CatalogRelation& relation : source.Relations) {
        const auto parent = ofTable(relation.Key.ParentTable);
        const auto child = ofTable(relation.ChildTable);
        if (parent && child) {
            plan.push_back({parent, child, &relation.Key, false});
            keys.emplace_back(child.get(), &relation.Key);
        }
    }
    const std::set<KeyOfChild> further = FurtherParentKeys(keys);
    for (PlannedKey& planned : plan)
        planned.isFurtherParent = further.contains({planned.child.get(), planned.key});
    return plan;
}

// The place of the key's first column among the child's fields.
int32_t FirstColumnPlace(const core::qelBusinessObject& child, const CatalogForeignKey& key) {
    const auto& fields = *child.Table()->Fields();
    for (int32_t i = 1; i <= fields.Count(); ++i) {
        if (!key.Columns.empty() && fields.Item(i)->Name() == key.Columns.front().first)
            return i;
    }
    return fields.Count() + 1;
}

// Keys in the order of their parent, then of their child among the business objects, then of the key's
// first column among the child's fields; each parent looks only at the keys that name its table.
std::vector<PlannedKey> PlanSql(const core::qelApplication& application, const RelationshipSource& source) {
    std::unordered_map<std::string, std::vector<const CatalogRelation*>> relationsOfParent;
    for (const CatalogRelation& relation : source.Relations)
        relationsOfParent[relation.Key.ParentTable].push_back(&relation);
    const std::vector<BusObjPtr> businessObjects = BusinessObjectsOf(application);
    const auto places = PlacesByTable(businessObjects);
    struct Placed {
        size_t childPlace;
        int32_t columnPlace;
        const CatalogForeignKey* key;
    };
    std::vector<PlannedKey> plan;
    std::vector<KeyOfChild> keys;
    for (const auto& parent : businessObjects) {
        const auto relations = relationsOfParent.find(parent->Table()->Name());
        if (relations == relationsOfParent.end())
            continue;
        std::vector<Placed> placed;
        for (const CatalogRelation* relation : relations->second) {
            const auto children = places.find(relation->ChildTable);
            if (relation->ChildTable.empty() || children == places.end())
                continue;
            for (const size_t place : children->second) {
                placed.push_back(
                    {place, FirstColumnPlace(*businessObjects[place], relation->Key), &relation->Key});
                keys.emplace_back(businessObjects[place].get(), &relation->Key);
            }
        }
        std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
            return a.childPlace != b.childPlace ? a.childPlace < b.childPlace : a.columnPlace < b.columnPlace;
        });
        for (const Placed& each : placed)
            plan.push_back({parent, businessObjects[each.childPlace], each.key, false});
    }
    const std::set<KeyOfChild> further = FurtherParentKeys(keys);
    for (PlannedKey& planned : plan)
        planned.isFurtherParent = further.contains({planned.child.get(), planned.key});
    return plan;
}

// The keys to relate of an Access or SQL source; Access marks the primary keys on the way.
std::vector<PlannedKey> PlanKeys(ModelSink& sink, core::qelApplication& application,
                                 const RelationshipSource& source) {
    return source.kind == RelationshipSource::Kind::Access ? PlanAccess(sink, application, source)
                                                           : PlanSql(application, source);
}

std::vector<std::string> MakeRelationships(ModelSink& sink, core::qelApplication& application,
                                           const std::vector<PlannedKey>& plan) {
    RelationshipNamer namer;
    std::vector<std::string> furtherParents;
    for (const PlannedKey& planned : plan)
        MakeRelationship(sink, application, planned, namer, furtherParents);
    return furtherParents;
}

// A key as its ends and its child's columns, sorted and each once. The parent's columns are not part of it:
// a child column that two keys hold (one to a unique key, one to another table) points its property at one
// parent column only, and the columns of one key may be listed in any order.
using KeyEnds =
    std::tuple<const core::qelBusinessObject*, const core::qelBusinessObject*, std::vector<std::string>>;

std::vector<std::string> SortedOnce(std::vector<std::string> columns) {
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

KeyEnds EndsOf(const PlannedKey& planned) {
    std::vector<std::string> columns;
    for (const auto& [childColumn, parentColumn] : planned.key->Columns)
        columns.push_back(childColumn);
    return {planned.parent.get(), planned.child.get(), SortedOnce(std::move(columns))};
}

// The key a relationship stands for: its end that holds foreign properties runs from child to parent.
std::optional<KeyEnds> EndsOf(const core::qelRelationship& relationship) {
    for (const auto& end : *relationship.Associations()) {
        if (end->SourceForeignProperties()->Count() == 0)
            continue;
        std::vector<std::string> columns;
        for (const auto& property : *end->SourceForeignProperties()) {
            if (!property->Field())
                return std::nullopt;
            columns.push_back(property->Field()->Name());
        }
        return KeyEnds{end->TargetBusObj().get(), end->SourceBusObj().get(), SortedOnce(std::move(columns))};
    }
    return std::nullopt;
}

// Marks each planned key that a relationship of the application stands for as kept (one relationship a
// key); the relationships that stand for none come back, last first.
std::vector<std::shared_ptr<core::qelRelationship>> KeepRelationshipsOfKeys(
    const core::qelApplication& application, std::vector<PlannedKey>& plan) {
    std::map<KeyEnds, std::vector<PlannedKey*>> unclaimed;  // each list last first
    for (auto planned = plan.rbegin(); planned != plan.rend(); ++planned)
        unclaimed[EndsOf(*planned)].push_back(&*planned);
    std::vector<std::shared_ptr<core::qelRelationship>> others;
    for (const auto& relationship : *application.Relationships()) {
        const auto ends = EndsOf(*relationship);
        const auto found = ends ? unclaimed.find(*ends) : unclaimed.end();
        if (found == unclaimed.end() || found->second.empty()) {
            others.push_back(relationship);
            continue;
        }
        found->second.back()->isKept = true;
        found->second.pop_back();
    }
    std::reverse(others.begin(), others.end());
    return others;
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
    std::set<std::string> modelled(moreTables.begin(), moreTables.end());
    for (const auto& businessObject : *application.BusinessObjects())
        modelled.insert(businessObject->Table()->Name());
    modelled.erase("");
    if (source.kind == RelationshipSource::Kind::Access) {
        // The keys of the modelled tables only: another table (a view of an SQLite file) may not be readable.
        for (const CatalogTable& table : catalog.Tables()) {
            if (modelled.contains(table.Name))
                source.PrimaryKeys.emplace_back(table.Name, catalog.PrimaryKey(table.Name));
        }
        source.Relations = catalog.Relations();
    } else if (source.kind == RelationshipSource::Kind::Sql) {
        for (const std::string& table : modelled) {
            for (CatalogForeignKey& key : catalog.ForeignKeys(table))
                source.Relations.push_back({table, std::move(key)});
        }
    }
    return source;
}

std::vector<std::string> RebuildRelationships(ModelSink& sink, core::qelApplication& application,
                                              const RelationshipSource& source) {
    // Nothing read, nothing to make them again from: the model's own stay.
    if (source.kind == RelationshipSource::Kind::None)
        return {};
    auto plan =
        core::LogAndRaiseAs("GetRelationshipInfo", [&] { return PlanKeys(sink, application, source); });
    for (const auto& relationship : KeepRelationshipsOfKeys(application, plan))
        sink.DeleteRelationship(application, relationship);
    return core::LogAndRaiseAs("GetRelationshipInfo",
                               [&] { return MakeRelationships(sink, application, plan); });
}

}  // namespace schemaimport
