// The model questions the generate-code dialog asks before a build.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/CommonModelQueries.h"
#include "core/qelAssociation.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/vb/Error.h"

namespace core::Common {
namespace {

// A small model that keeps every object alive while the associations refer to it.
class Model {
  public:
    std::shared_ptr<qelBusinessObject> Add(const std::string& name) {
        auto businessObject = std::make_shared<qelBusinessObject>();
        businessObject->SetName(name);
        mBusinessObjects.push_back(businessObject);
        return businessObject;
    }

    // One association from `source` to `target`, of a relationship of `relType`.
    std::shared_ptr<qelAssociation> Link(const std::shared_ptr<qelBusinessObject>& source,
                                         const std::shared_ptr<qelBusinessObject>& target,
                                         const std::string& relType, const std::string& cardinality) {
        auto relationship = std::make_shared<qelRelationship>();
        relationship->SetRelType(relType);
        auto association = std::make_shared<qelAssociation>();
        association->SetRelationship(relationship);
        association->SetCardinality(cardinality);
        association->SetSourceBusObj(source);
        association->SetTargetBusObj(target);
        relationship->Associations()->Add(association);
        source->SourceAssociations()->Add(association);
        target->TargetAssociations()->Add(association);
        mRelationships.push_back(relationship);
        return association;
    }

  private:
    std::vector<std::shared_ptr<qelBusinessObject>> mBusinessObjects;
    std::vector<std::shared_ptr<qelRelationship>> mRelationships;
};

std::vector<std::string> NamesOf(const BusinessObjectRefs& businessObjects) {
    std::vector<std::string> names;
    for (const auto& businessObject : businessObjects)
        names.push_back(businessObject->Name());
    return names;
}

using Names = std::vector<std::string>;

TEST(RelationshipQueries, FollowTheOneEndsOfTheirRelationshipType) {
    Model model;
    const auto line = model.Add("OrderLine");
    const auto order = model.Add("Order");
    const auto product = model.Add("Product");
    const auto supplier = model.Add("Supplier");
    const auto special = model.Add("SpecialLine");

    model.Link(line, order, "Identifying", "One");
    model.Link(order, line, "Identifying", "Many");
    model.Link(line, order, "Identifying", "One");  // a second identifying relationship to the same parent
    model.Link(line, product, "Reference", "One");
    model.Link(line, product, "Reference", "One");  // the same target twice
    model.Link(line, supplier, "Reference", "Many");
    model.Link(line, supplier, "Subtype", "One");
    model.Link(line, model.Add("Shelf"), "reference", "One");  // letter case counts
    model.Link(special, line, "Identifying", "One");

    struct Case {
        const char* query;
        BusinessObjectRefs (*run)(const qelBusinessObject&);
        std::shared_ptr<qelBusinessObject> of;
        Names expected;
    };
    const std::vector<Case> cases = {
        {"parents of the line", GetIdentifyingParents, line, {"Order", "Order"}},
        {"children of the order", GetIdentifyingChildren, order, {"OrderLine", "OrderLine"}},
        {"children of the line", GetIdentifyingChildren, line, {"SpecialLine"}},
        {"parents of the order", GetIdentifyingParents, order, {}},
        {"references of the line", GetReferencedBusinessObjects, line, {"Product"}},
        {"references of the product", GetReferencedBusinessObjects, product, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NamesOf(c.run(*c.of)), c.expected) << c.query;
}

TEST(RelationshipQueries, ReferencesAreUniqueByExactName) {
    Model model;
    const auto line = model.Add("Line");
    model.Link(line, model.Add("Product"), "Reference", "One");
    model.Link(line, model.Add("Product"), "Reference", "One");
    model.Link(line, model.Add("product"), "Reference", "One");
    EXPECT_EQ(NamesOf(GetReferencedBusinessObjects(*line)), (Names{"Product", "product"}));
}

TEST(RelationshipQueries, AnUnlinkedAssociationIsObjectNotSet) {
    struct Case {
        const char* what;
        void (*breakIt)(qelAssociation&);
    };
    const std::vector<Case> cases = {
        {"no relationship", [](qelAssociation& a) { a.SetRelationship(nullptr); }},
        {"no target", [](qelAssociation& a) { a.SetTargetBusObj(nullptr); }},
    };
    for (const auto& c : cases) {
        Model model;
        const auto line = model.Add("Line");
        c.breakIt(*model.Link(line, model.Add("Order"), "Identifying", "One"));
        model.Link(line, model.Add("Product"), "Reference", "One");
        int32_t number = 0;
        try {
            GetIdentifyingParents(*line);
        } catch (const vb::Error& error) {
            number = error.Number();
        }
        EXPECT_EQ(number, vb::kObjectNotSet) << c.what;
    }
}

TEST(HasPrimaryKey, LooksForAKeyField) {
    struct Case {
        std::vector<bool> keys;
        bool expected;
    };
    for (const auto& c :
         std::vector<Case>{{{}, false}, {{false, false}, false}, {{false, true, false}, true}}) {
        qelBusinessObject businessObject;
        for (size_t i = 0; i < c.keys.size(); ++i) {
            auto field = std::make_shared<qelField>();
            field->SetIsPrimaryKey(c.keys[i]);
            businessObject.Table()->Fields()->Add(field, "F" + std::to_string(i));
        }
        EXPECT_EQ(HasPrimaryKey(businessObject), c.expected) << c.keys.size();
    }

    qelBusinessObject withoutTable;
    withoutTable.SetTable(nullptr);
    EXPECT_THROW(HasPrimaryKey(withoutTable), vb::Error);
}

}  // namespace
}  // namespace core::Common
