#pragma once
// Model doubles for the list and batch classes: properties with a KeyIndex, a DBID and a foreign key
// field; the sample's OrderLine (child of Order, referring to Product) and Customer; and an engine that
// resolves every token those classes write, as the real engine does when a line is coded.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "patternkit/CodeText.h"
#include "patterns/tier3/Generators.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "tests/patternkit/ModelDoubles.h"
#include "tests/support/TokenEngine.h"
#include "typelib/IPattern.h"

namespace testing_support {

class KeyedProperty : public FakeProperty {
  public:
    int16_t keyIndex = 0;
    int32_t dbid = 0;
    std::shared_ptr<FakeField> foreignKeyField;

    int16_t KeyIndex() const override { return keyIndex; }
    int32_t DBID() const override { return dbid; }

  protected:
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override { return foreignKeyField; }
};

class FakeMethod : public typelib::IMethod {
  public:
    std::string name;
    const std::string& Name() const override { return name; }
    std::string MethodType() const override { return "Sub"; }
    std::string ReturnDataType() const override { return "None"; }
    bool IsStoredProcedure() const override { return false; }
    std::string StoredProcedureName() const override { return {}; }
    int32_t DBID() const override { return 0; }
};

// A property stored in the field `fieldName` (the property's name when empty) of the owner's table.
inline std::shared_ptr<KeyedProperty> AddKeyedProperty(FakeBusinessObject& owner, const std::string& name,
                                                       const std::string& dataType, int32_t dbid,
                                                       const std::string& fieldName = {}) {
    auto property = std::make_shared<KeyedProperty>();
    property->name = name;
    property->label = name;
    property->dataType = dataType;
    property->dbid = dbid;
    property->field = std::make_shared<FakeField>();
    property->field->name = fieldName.empty() ? name : fieldName;
    property->field->table = owner.table;
    owner.properties->items.push_back(property);
    return property;
}

inline void MakeKey(KeyedProperty& property, int16_t keyIndex) {
    property.isKey = true;
    property.keyIndex = keyIndex;
}

// `property` refers to the field of `referenced`.
inline void MakeForeign(KeyedProperty& property, const FakeProperty& referenced) {
    property.isForeign = true;
    property.foreignKeyField = referenced.field;
}

struct OrderModel {
    FakeModel model;
    std::shared_ptr<FakeBusinessObject> order = model.AddBusinessObject("Order");
    std::shared_ptr<FakeBusinessObject> product = model.AddBusinessObject("Product");
    std::shared_ptr<FakeBusinessObject> orderLine = model.AddBusinessObject("OrderLine");
    std::shared_ptr<FakeBusinessObject> customer = model.AddBusinessObject("Customer");

    // As in the sample, but with OrderLine's keys standing in the collection against their KeyIndex
    // order, and Customer's Name kept in a field of another name.
    OrderModel() {
        order->table->name = "Order Header";
        const auto orderID = AddKeyedProperty(*order, "OrderID", "Long", 17);
        MakeKey(*orderID, 1);
        AddKeyedProperty(*order, "OrderDate", "Date", 20);

        const auto supplierCode = AddKeyedProperty(*product, "SupplierCode", "String", 13);
        MakeKey(*supplierCode, 1);
        const auto productCode = AddKeyedProperty(*product, "ProductCode", "String", 14);
        MakeKey(*productCode, 2);

        MakeKey(*AddKeyedProperty(*orderLine, "LineNo", "Integer", 23), 2);
        const auto lineOrderID = AddKeyedProperty(*orderLine, "OrderID", "Long", 22);
        MakeKey(*lineOrderID, 1);
        MakeForeign(*lineOrderID, *orderID);
        MakeForeign(*AddKeyedProperty(*orderLine, "SupplierCode", "String", 24), *supplierCode);
        MakeForeign(*AddKeyedProperty(*orderLine, "ProductCode", "String", 25), *productCode);
        AddKeyedProperty(*orderLine, "Quantity", "Integer", 26);
        model.Relate(orderLine, order, "Identifying");
        model.Relate(orderLine, product, "Reference");

        MakeKey(*AddKeyedProperty(*customer, "CustomerID", "Long", 1), 1);
        AddKeyedProperty(*customer, "Name", "String", 2, "CustomerName")->length = 50;
        AddKeyedProperty(*customer, "Balance", "Currency", 3);
        AddKeyedProperty(*customer, "Notes", "Memo", 4);
        AddKeyedProperty(*customer, "IsActive", "Boolean", 5);
    }
};

// Runs the three-tier pattern for the business object (three projects, OrdersBusiness and OrdersData)
// and returns the lines of each component written. Errors of the build go to the caller.
inline std::map<std::string, std::vector<std::string>> BuildThreeTier(
    const std::shared_ptr<FakeBusinessObject>& businessObject,
    std::shared_ptr<typelib::MethodList> methods = {}) {
    auto engine = std::make_shared<TokenEngine>();
    // The list and batch classes with the modules they stand beside; the other classes have tests of their
    // own.
    tier3::Generators generators = tier3::StandardGenerators();
    generators.GenerateL2BusObj = nullptr;
    generators.GenerateL3BusObj = nullptr;
    tier3::T3BusinessObject pattern(generators);
    engine->pattern = &pattern;
    pattern.SetApplication(std::make_shared<FakeApplication>());
    pattern.SetBusinessObject(businessObject);
    pattern.SetProperties(businessObject->properties);
    pattern.SetMethods(std::move(methods));
    pattern.SetConstructor(engine);
    pattern.Build();
    return engine->componentLines;
}

}  // namespace testing_support
