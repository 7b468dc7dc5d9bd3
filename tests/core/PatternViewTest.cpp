// The model as the pattern library reads it: through the type library's interfaces, reaching the
// model's own objects and collections.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "core/qelToolProperties.h"
#include "typelib/IApplication.h"
#include "typelib/IAssociation.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IField.h"
#include "typelib/IProperty.h"
#include "typelib/IRelationship.h"
#include "typelib/ITable.h"

namespace core {
namespace {

std::shared_ptr<qelBusObjProperty> AddProperty(qelBusinessObject& owner, const std::string& name) {
    auto property = std::make_shared<qelBusObjProperty>();
    property->SetName(name);
    property->SetBusinessObjectName(owner.Name());
    property->Field()->SetName(name);
    property->Field()->SetTable(owner.Table());
    property->Field()->SetBusObjProperty(property);
    owner.Table()->Fields()->Add(property->Field(), name);
    owner.Properties()->Add(property, owner.Name() + ".Properties." + name);
    return property;
}

TEST(PatternView, CollectionsAreTheModelsOwnInOrderByIndexAndKey) {
    auto model = std::make_shared<qelBusinessObject>();
    model->SetName("Orders");
    const std::vector<std::shared_ptr<qelBusObjProperty>> added = {
        AddProperty(*model, "OrderID"), AddProperty(*model, "Customer"), AddProperty(*model, "Placed")};

    const std::shared_ptr<typelib::IBusinessObject> seen = model;
    const auto properties = seen->Properties();
    EXPECT_EQ(properties.get(), static_cast<typelib::PropertyList*>(model->Properties().get()));
    ASSERT_EQ(properties->Count(), 3);

    size_t i = 0;
    for (const auto& property : *properties)
        EXPECT_EQ(property, added[i++]);
    EXPECT_EQ(i, added.size());
    EXPECT_EQ(properties->Item(2), added[1]);
    EXPECT_EQ(properties->Item("orders.properties.placed"), added[2]);

    // Added later through the model, seen through the same view.
    AddProperty(*model, "Shipped");
    EXPECT_EQ(properties->Count(), 4);
}

TEST(PatternView, NavigationReachesTheLinkedModel) {
    auto parent = std::make_shared<qelBusinessObject>();
    parent->SetName("Customers");
    parent->Table()->SetName("Customer Table");
    parent->Table()->SetBusinessObject(parent);
    auto child = std::make_shared<qelBusinessObject>();
    child->SetName("Orders");
    const auto key = AddProperty(*parent, "CustomerID");
    const auto foreign = AddProperty(*child, "CustomerID");
    foreign->SetForeignKeyField(key->Field());
    foreign->SetPVFKeyDisplayedProp(key);

    auto relationship = std::make_shared<qelRelationship>();
    relationship->SetRelType("Identifying");
    auto association = std::make_shared<qelAssociation>();
    association->SetCardinality("One");
    association->SetRelationship(relationship);
    association->SetSourceBusObj(child);
    association->SetTargetBusObj(parent);
    association->SourceForeignProperties()->Add(foreign);
    relationship->Associations()->Add(association);
    child->SourceAssociations()->Add(association);
    parent->TargetAssociations()->Add(association);

    const std::shared_ptr<typelib::IBusinessObject> seen = child;
    const auto end = seen->SourceAssociations()->Item(1);
    EXPECT_EQ(end->Relationship()->RelType(), "Identifying");
    EXPECT_EQ(end->TargetBusObj()->Name(), "Customers");
    EXPECT_EQ(end->SourceForeignProperties()->Item(1)->Name(), "CustomerID");

    const auto property = seen->Properties()->Item(1);
    EXPECT_EQ(property->ForeignKeyField()->BusObjProperty()->BusinessObjectName(), "Customers");
    EXPECT_EQ(property->ForeignKeyField()->Table()->Name(), "Customer Table");
    EXPECT_EQ(property->ForeignKeyField()->Table()->BusinessObject(), parent);
    EXPECT_EQ(property->PVFKeyDisplayedProp(), key);
}

TEST(PatternView, PermittedValuesAreReadAsText) {
    auto property = std::make_shared<qelBusObjProperty>();
    property->PermittedValues()->Add("Open");
    property->PermittedValues()->Add("Closed");
    const std::shared_ptr<typelib::IProperty> seen = property;
    std::vector<std::string> values(seen->PermittedValues()->begin(), seen->PermittedValues()->end());
    EXPECT_EQ(values, (std::vector<std::string>{"Open", "Closed"}));
}

TEST(ToolProperties, StartValues) {
    qelToolProperties tool;
    EXPECT_EQ(tool.VersionNumber(), "Alpha");
    EXPECT_EQ(tool.ReleaseNumber(), "1");
    EXPECT_FALSE(tool.FormTemplatePath().empty());
    EXPECT_EQ(tool.FormTemplatePath().back(), '/');
    tool.SetFormTemplatePath("/templates");
    EXPECT_EQ(tool.FormTemplatePath(), "/templates");
}

}  // namespace
}  // namespace core
