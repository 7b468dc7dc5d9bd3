#include "tests/builder/DialogTestModel.h"

#include <sstream>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "repository/ModelFiling.h"

namespace builder_test {
namespace {

std::shared_ptr<core::qelBusinessObject> AddBusinessObject(core::qelApplication& application,
                                                           const std::string& name) {
    auto businessObject = std::make_shared<core::qelBusinessObject>();
    businessObject->SetName(name);
    businessObject->Table()->SetName(name);
    businessObject->Table()->SetBusinessObject(businessObject);
    application.BusinessObjects()->Add(businessObject, name);
    return businessObject;
}

void Associate(const std::shared_ptr<core::qelBusinessObject>& source,
               const std::shared_ptr<core::qelBusinessObject>& target, const char* cardinality,
               bool isOptional) {
    auto association = std::make_shared<core::qelAssociation>();
    association->SetSourceBusObj(source);
    association->SetTargetBusObj(target);
    association->SetCardinality(cardinality);
    association->SetIsOptional(isOptional);
    source->SourceAssociations()->Add(association, source->Name() + ".Relationships." + target->Name());
}

// The key the property is filed under, found by the object itself.
std::string FiledKey(const core::qelBusinessObject& owner, const core::qelBusObjProperty& property) {
    const auto& properties = *owner.Properties();
    for (int32_t i = 1; i <= properties.Count(); ++i) {
        if (properties.Item(i).get() == &property)
            return properties.KeyOf(i);
    }
    return {};
}

}  // namespace

std::shared_ptr<core::qelBusObjProperty> AddProperty(const std::shared_ptr<core::qelBusinessObject>& owner,
                                                     const std::string& name, const std::string& dataType,
                                                     bool isKey) {
    auto property = std::make_shared<core::qelBusObjProperty>();
    property->SetName(name);
    property->SetBusinessObjectName(owner->Name());
    property->SetAccess("Read/Write");
    property->SetLabel(name + ":");
    property->SetControlType("TextBox");
    auto field = std::make_shared<core::qelField>();
    field->SetName(name);
    field->SetDataType(dataType);
    field->SetLength(dataType == "String" ? 50 : 4);
    field->SetIsPrimaryKey(isKey);
    field->SetTable(owner->Table());
    field->SetBusObjProperty(property);
    owner->Table()->Fields()->Add(field, name);
    property->SetField(field);
    property->SetIsKey(isKey);
    property->SetIsUnique(isKey);
    if (isKey) {
        owner->KeyProperties()->Add(property, name);
        property->SetKeyIndex(static_cast<int16_t>(owner->KeyProperties()->Count()));
    }
    owner->Properties()->Add(property, owner->Name() + ".Properties." + name);
    return property;
}

SalesModel::SalesModel() : application(std::make_shared<core::qelApplication>()) {
    application->SetName("Sales");
    customer = AddBusinessObject(*application, "Customer");
    AddProperty(customer, "CustomerID", "Long", true);
    AddProperty(customer, "Name", "String");
    const auto region = AddProperty(customer, "Region", "String");
    region->SetIsPVList(true);
    region->PermittedValues()->Add("North");
    region->PermittedValues()->Add("South");
    order = AddBusinessObject(*application, "Order");
    AddProperty(order, "OrderID", "Long", true);
    AddProperty(order, "Amount", "Currency");
    const auto customerID = AddProperty(order, "CustomerID", "Long");
    customerID->SetIsForeignProperty(true);
    customerID->Field()->SetIsForeignKey(true);
    customerID->SetForeignKeyField(Property(customer, "CustomerID")->Field());
    AddProperty(order, "Ship_Date", "Date");
    orderLine = AddBusinessObject(*application, "OrderLine");
    AddProperty(orderLine, "Quantity", "Integer");
    Associate(order, customer, "One", true);
    Associate(order, orderLine, "Many", false);
}

std::shared_ptr<core::qelBusObjProperty> SalesModel::Property(
    const std::shared_ptr<core::qelBusinessObject>& owner, const std::string& name) const {
    return owner->Properties()->Item(owner->Name() + ".Properties." + name);
}

std::string ModelText(const core::qelApplication& application) {
    std::ostringstream text;
    for (const auto& businessObject : *application.BusinessObjects()) {
        const auto& table = *businessObject->Table();
        text << businessObject->Name() << " [" << table.Name() << "]";
        for (int32_t i = 1; i <= table.Fields()->Count(); ++i) {
            const auto& field = *table.Fields()->Item(i);
            text << " " << table.Fields()->KeyOf(i) << "=" << field.Name() << ":" << field.DataType() << "/"
                 << field.Length() << (field.IsPrimaryKey() ? "/pk" : "");
        }
        text << "\n keys:";
        for (int32_t i = 1; i <= businessObject->KeyProperties()->Count(); ++i)
            text << " " << businessObject->KeyProperties()->KeyOf(i);
        text << "\n";
        const auto& properties = *businessObject->Properties();
        for (int32_t i = 1; i <= properties.Count(); ++i) {
            const auto& p = *properties.Item(i);
            text << " " << properties.KeyOf(i) << ": " << p.Name() << "|" << p.BusinessObjectName() << "|"
                 << p.DataType() << "|" << p.Length() << "|" << p.Access() << "|" << p.Label() << "|"
                 << p.ControlType() << "|key" << p.IsKey() << "/" << p.KeyIndex() << "|m" << p.IsMandatory()
                 << "|u" << p.IsUnique() << "|f" << p.IsForeignProperty() << "|pv" << p.IsPVList()
                 << p.IsPVTable() << p.IsPVRange() << p.IsPVFKey() << "|" << p.LowerBound() << ".."
                 << p.UpperBound() << "|field " << (p.Field() ? p.Field()->Name() : "-") << "|shows "
                 << (p.PVFKeyDisplayedProp() ? p.PVFKeyDisplayedProp()->Name() : "-") << "|values";
            for (const auto& value : *p.PermittedValues())
                text << " " << value;
            text << "\n";
        }
        for (int32_t i = 1; i <= businessObject->Methods()->Count(); ++i) {
            const auto& m = *businessObject->Methods()->Item(i);
            text << " " << businessObject->Methods()->KeyOf(i) << ": " << m.Name() << "|" << m.MethodType()
                 << "|" << m.ReturnDataType() << "|" << m.IsStoredProcedure() << "|"
                 << m.StoredProcedureName() << "\n";
        }
    }
    return text.str();
}

void FileAddedProperty(core::qelApplication& application,
                       const std::shared_ptr<core::qelBusObjProperty>& property, bool& refused) {
    try {
        repository::FileProperty(application, property);
    } catch (const vb::Error&) {
        refused = true;
    }
}

void FileUpdatedProperty(core::qelApplication& application,
                         const std::shared_ptr<core::qelBusObjProperty>& property, bool& refused) {
    const auto& owner = application.BusinessObjects()->Item(property->BusinessObjectName());
    const std::string newKey = owner->Name() + ".Properties." + property->Name();
    const std::string oldKey = FiledKey(*owner, *property);
    auto& properties = *owner->Properties();
    if (properties.Exists(newKey) && !vb::TextEquals(newKey, oldKey)) {
        refused = true;
        return;
    }
    properties.Remove(oldKey);
    properties.Add(property, newKey);
}

}  // namespace builder_test
