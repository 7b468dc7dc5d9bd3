#include "tests/support/ModelSinkContract.h"

#include <string>
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

namespace sink_contract {
namespace {

using BusObjPtr = std::shared_ptr<core::qelBusinessObject>;
using PropertyPtr = std::shared_ptr<core::qelBusObjProperty>;

BusObjPtr AddBusinessObject(schemaimport::ModelSink& sink, const std::string& name) {
    auto businessObject = std::make_shared<core::qelBusinessObject>();
    businessObject->SetName(name);
    businessObject->Table()->SetName(name + " table");
    for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
        auto method = std::make_shared<core::qelBusObjMethod>();
        method->SetName(methodName);
        method->SetMethodType("Sub");
        method->SetReturnDataType("None");
        businessObject->Methods()->Add(method, name + ".Methods." + methodName);
    }
    sink.BusinessObjectAdded(*sink.Application(), businessObject);
    return businessObject;
}

PropertyPtr AddProperty(schemaimport::ModelSink& sink, const BusObjPtr& businessObject,
                        const std::string& name, bool isNullable) {
    auto property = std::make_shared<core::qelBusObjProperty>();
    property->SetName(name);
    property->SetBusinessObjectName(businessObject->Name());
    property->SetAccess("Read/Write");
    property->SetControlType("TextBox");
    property->SetIsMandatory(true);
    const auto& field = property->Field();
    field->SetName(name);
    field->SetDataType("Long");
    field->SetIsNullable(isNullable);
    field->SetTable(businessObject->Table());
    field->SetBusObjProperty(property);
    businessObject->Table()->Fields()->Add(field, name);
    sink.PropertyAdded(*sink.Application(), property);
    return property;
}

// A relationship from `parent` to `child` whose second end holds `foreign`, filed as the import files it.
std::shared_ptr<core::qelRelationship> AddRelationship(schemaimport::ModelSink& sink, const BusObjPtr& parent,
                                                       const BusObjPtr& child, const PropertyPtr& foreign) {
    auto& application = *sink.Application();
    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetRelType("Reference");
    const std::string name = "Relationship" + std::to_string(application.Relationships()->Count() + 1);
    relationship->SetName(name);
    std::shared_ptr<core::qelAssociation> ends[2];
    for (int i = 0; i < 2; ++i) {
        ends[i] = std::make_shared<core::qelAssociation>();
        ends[i]->SetSourceBusObj(i == 0 ? parent : child);
        ends[i]->SetTargetBusObj(i == 0 ? child : parent);
        ends[i]->SetCardinality(i == 0 ? "Many" : "One");
        ends[i]->SetDescription("has");
        ends[i]->SetRelationship(relationship);
    }
    foreign->SetIsForeignProperty(true);
    foreign->Field()->SetIsForeignKey(true);
    ends[1]->SourceForeignProperties()->Add(foreign);
    const std::string firstKey = parent->Name() + ".Relationships." + name;
    const std::string secondKey =
        child->Name() + (parent == child ? ".RelationshipsRecursive." : ".Relationships.") + name;
    relationship->Associations()->Add(ends[0], firstKey);
    parent->SourceAssociations()->Add(ends[0], firstKey);
    child->TargetAssociations()->Add(ends[0], firstKey);
    relationship->Associations()->Add(ends[1], secondKey);
    parent->TargetAssociations()->Add(ends[1], secondKey);
    child->SourceAssociations()->Add(ends[1], secondKey);
    sink.RelationshipAdded(application, relationship);
    return relationship;
}

TEST_P(ModelSinkContract, FilesItemsUnderTheirKeysAndRefusesATakenOne) {
    const auto sink = GetParam()();
    auto& application = *sink->Application();
    const auto orders = AddBusinessObject(*sink, "Orders");
    EXPECT_EQ(application.BusinessObjects()->Item("Orders"), orders);
    for (const auto& method : *orders->Methods())
        EXPECT_EQ(method->BusinessObjectName(), "Orders");

    const auto key = AddProperty(*sink, orders, "OrderID", false);
    const auto note = AddProperty(*sink, orders, "Note", true);
    EXPECT_EQ(orders->Properties()->Item("Orders.Properties.OrderID"), key);
    EXPECT_TRUE(key->IsMandatory());
    EXPECT_FALSE(note->IsMandatory());  // its field takes nulls

    EXPECT_THROW(AddBusinessObject(*sink, "ORDERS"), vb::Error);
    EXPECT_THROW(AddProperty(*sink, orders, "note", false), vb::Error);
    EXPECT_EQ(application.BusinessObjects()->Count(), 1);
    EXPECT_EQ(orders->Properties()->Count(), 2);
    EXPECT_TRUE(sink->IsDataChanged());
}

TEST_P(ModelSinkContract, AnUpdatedPropertyStaysFiledAndTakesItsFieldsNulls) {
    const auto sink = GetParam()();
    const auto orders = AddBusinessObject(*sink, "Orders");
    const auto property = AddProperty(*sink, orders, "OrderID", false);
    property->SetIsKey(true);
    sink->PropertyUpdated(*sink->Application(), property);
    EXPECT_EQ(orders->Properties()->Item("Orders.Properties.OrderID"), property);
    EXPECT_TRUE(property->IsMandatory());
    property->Field()->SetIsNullable(true);
    sink->PropertyUpdated(*sink->Application(), property);
    EXPECT_FALSE(property->IsMandatory());
    EXPECT_EQ(orders->Properties()->Count(), 1);
}

// Names that hold each other ("Relationship1" in "Relationship10"): deleting from a copy of the list
// leaves none, with no end left in a business object and no property still marked foreign.
TEST_P(ModelSinkContract, DeletesTwelveRelationships) {
    const auto sink = GetParam()();
    auto& application = *sink->Application();
    const BusObjPtr objects[] = {AddBusinessObject(*sink, "A"), AddBusinessObject(*sink, "B"),
                                 AddBusinessObject(*sink, "C")};
    std::vector<PropertyPtr> foreign;
    for (int i = 0; i < 12; ++i) {
        const auto& parent = objects[i % 3];
        const auto& child = objects[(i / 3) % 3];
        foreign.push_back(AddProperty(*sink, child, "Ref" + std::to_string(i + 1), false));
        AddRelationship(*sink, parent, child, foreign.back());
    }
    ASSERT_EQ(application.Relationships()->Count(), 12);

    const auto first = application.Relationships()->Item("Relationship1");
    sink->DeleteRelationship(application, first);
    EXPECT_EQ(application.Relationships()->Count(), 11);
    EXPECT_TRUE(application.Relationships()->Exists("Relationship10"));
    EXPECT_FALSE(foreign[0]->IsForeignProperty());
    EXPECT_TRUE(foreign[9]->IsForeignProperty());

    std::vector<std::shared_ptr<core::qelRelationship>> all;
    for (const auto& relationship : *application.Relationships())
        all.push_back(relationship);
    for (const auto& relationship : all)
        sink->DeleteRelationship(application, relationship);
    EXPECT_EQ(application.Relationships()->Count(), 0);
    for (const auto& businessObject : objects) {
        EXPECT_EQ(businessObject->SourceAssociations()->Count(), 0) << businessObject->Name();
        EXPECT_EQ(businessObject->TargetAssociations()->Count(), 0) << businessObject->Name();
    }
    for (const auto& property : foreign) {
        EXPECT_FALSE(property->IsForeignProperty()) << property->Name();
        EXPECT_FALSE(property->Field()->IsForeignKey()) << property->Name();
    }
    EXPECT_EQ(objects[0]->Properties()->Count() + objects[1]->Properties()->Count() +
                  objects[2]->Properties()->Count(),
              12);
}

TEST_P(ModelSinkContract, KeepsTheWindowsState) {
    const auto sink = GetParam()();
    const auto application = std::make_shared<core::qelApplication>();
    sink->SetApplication(application);
    EXPECT_EQ(sink->Application(), application);
    for (const bool value : {true, false}) {
        sink->SetIsAppOpened(value);
        sink->SetIsImported(!value);
        sink->SetIsDataChanged(value);
        EXPECT_EQ(sink->IsAppOpened(), value);
        EXPECT_EQ(sink->IsImported(), !value);
        EXPECT_EQ(sink->IsDataChanged(), value);
    }
    EXPECT_NE(sink->ImportSelectionForm(), nullptr);
}

}  // namespace
}  // namespace sink_contract
