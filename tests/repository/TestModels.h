#pragma once
// Models built as the builder's dialogs build them, and a text picture of a model that a round trip must
// keep: every collection in order with its keys, every stored value, DBID, KeyIndex and link.

#include <memory>
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
#include "repository/ApplicationInfoPrompt.h"
#include "repository/ModelFiling.h"

namespace repository_test {

using BusObjPtr = std::shared_ptr<core::qelBusinessObject>;
using PropertyPtr = std::shared_ptr<core::qelBusObjProperty>;

inline repository::ApplicationInfo SampleInfo(std::string name = "Sales") {
    return {name,          "Test application", 3,  name + "UI",     name + "Bus",
            name + "Data", "Access",           "", "/tmp/sales.mdb"};
}

// The business-object dialog: class names and the four standard methods, not yet filed.
inline BusObjPtr NewBusinessObject(const std::string& name) {
    auto businessObject = std::make_shared<core::qelBusinessObject>();
    businessObject->SetName(name);
    businessObject->SetL1ClassName(name + "UI");
    businessObject->SetL2BusObjClass(name);
    businessObject->SetL2DisplayClass(name + "Display");
    businessObject->SetL2ListClass(name + "List");
    businessObject->SetL3BusObjClass(name + "Persist");
    businessObject->SetL3ListClass(name + "ListPersist");
    for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
        auto method = std::make_shared<core::qelBusObjMethod>();
        method->SetName(methodName);
        method->SetMethodType("Sub");
        method->SetReturnDataType("None");
        businessObject->Methods()->Add(method, name + ".Methods." + methodName);
    }
    return businessObject;
}

// The same, with its table, filed.
inline BusObjPtr AddBusinessObject(core::qelApplication& application, const std::string& name,
                                   const std::string& tableName) {
    auto businessObject = NewBusinessObject(name);
    // A table or field without a name has no row, and a load gives it no links back.
    businessObject->Table()->SetName(tableName);
    if (!tableName.empty())
        businessObject->Table()->SetBusinessObject(businessObject);
    repository::FileBusinessObject(application, businessObject);
    return businessObject;
}

struct PropertySpec {
    std::string Name;
    std::string DataType = "String";
    int32_t Length = 10;
    bool IsKey = false;
    std::string FieldName = "";  // the property's name when empty; "-" for no field name
    bool IsNullable = false;
};

// The property dialog: the field in the business object's table, the key list, then filed.
inline PropertyPtr AddProperty(core::qelApplication& application, const BusObjPtr& businessObject,
                               const PropertySpec& shape) {
    auto property = std::make_shared<core::qelBusObjProperty>();
    property->SetName(shape.Name);
    property->SetBusinessObjectName(businessObject->Name());
    property->SetAccess("Read/Write");
    property->SetLabel(shape.Name + " label");
    property->SetControlType("TextBox");
    property->SetDataType(shape.DataType);
    property->SetLength(shape.Length);
    property->SetIsMandatory(!shape.IsNullable);
    const auto& field = property->Field();
    field->SetName(shape.FieldName == "-" ? "" : shape.FieldName.empty() ? shape.Name : shape.FieldName);
    field->SetIsNullable(shape.IsNullable);
    if (!field->Name().empty()) {
        field->SetBusObjProperty(property);
        field->SetTable(businessObject->Table());
        businessObject->Table()->Fields()->Add(field, field->Name());
    }
    if (shape.IsKey) {
        property->SetIsKey(true);
        field->SetIsPrimaryKey(true);
        businessObject->KeyProperties()->Add(property, shape.Name);
        property->SetKeyIndex(static_cast<int16_t>(businessObject->KeyProperties()->Count()));
    }
    repository::FileProperty(application, property);
    return property;
}

struct ForeignKey {
    std::string ReceiverProperty;
    std::string SupplierKeyProperty;
};

// The relationship dialog and its commit: `child` receives the foreign keys from `parent`; the first
// association runs from the child.
inline std::shared_ptr<core::qelRelationship> AddRelationship(core::qelApplication& application,
                                                              const BusObjPtr& child, const BusObjPtr& parent,
                                                              const std::string& relType, bool isOptional,
                                                              const std::vector<ForeignKey>& keys) {
    auto relationship = std::make_shared<core::qelRelationship>();
    relationship->SetRelType(relType);
    relationship->SetName(repository::NextRelationshipName(application));
    const std::string& name = relationship->Name();
    auto first = std::make_shared<core::qelAssociation>();
    first->SetSourceBusObj(child);
    first->SetTargetBusObj(parent);
    first->SetCardinality("One");
    first->SetIsOptional(isOptional);
    first->SetDescription("belongs to");
    first->SetRelationship(relationship);
    auto second = std::make_shared<core::qelAssociation>();
    second->SetSourceBusObj(parent);
    second->SetTargetBusObj(child);
    second->SetCardinality("Many");
    second->SetIsOptional(true);
    second->SetDescription("holds");
    second->SetRelationship(relationship);
    for (const ForeignKey& key : keys) {
        const auto& property =
            child->Properties()->Item(child->Name() + ".Properties." + key.ReceiverProperty);
        if (!isOptional)
            property->SetIsMandatory(true);
        first->SourceForeignProperties()->Add(property);
        property->SetIsForeignProperty(true);
        property->Field()->SetIsForeignKey(true);
        property->SetForeignKeyField(
            parent->Properties()->Item(parent->Name() + ".Properties." + key.SupplierKeyProperty)->Field());
    }
    const bool isRecursive = child->Name() == parent->Name();
    const std::string firstKey = child->Name() + ".Relationships." + name;
    const std::string secondKey =
        parent->Name() + (isRecursive ? ".RelationshipsRecursive." : ".Relationships.") + name;
    relationship->Associations()->Add(first, firstKey);
    child->SourceAssociations()->Add(first, firstKey);
    parent->TargetAssociations()->Add(first, firstKey);
    relationship->Associations()->Add(second, secondKey);
    child->TargetAssociations()->Add(second, secondKey);
    parent->SourceAssociations()->Add(second, secondKey);
    repository::FileRelationship(application, relationship);
    return relationship;
}

// Orders of customers, the order's customer a look-up showing the customer's name.
inline void OrdersOfCustomers(core::qelApplication& application) {
    auto customer = AddBusinessObject(application, "Customer", "Customer");
    AddProperty(application, customer, {"CustomerID", "Long", 4, true});
    auto name = AddProperty(application, customer, {"Name", "String", 50});
    auto order = AddBusinessObject(application, "Order", "Orders");
    AddProperty(application, order, {"OrderID", "Long", 4, true});
    auto customerID = AddProperty(application, order, {"CustomerID", "Long", 4});
    customerID->SetIsPVFKey(true);
    customerID->SetPVFKeyDisplayedProp(name);
    AddRelationship(application, order, customer, "Reference", false, {{"CustomerID", "CustomerID"}});
}

// One line per value, so that a failed comparison shows what differs.
std::string DescribeModel(const core::qelApplication& application);

}  // namespace repository_test
