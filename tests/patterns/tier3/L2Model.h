#pragma once
// The sample's Customer, Product, Order and OrderLine with everything the layer-2 class reads: DBIDs,
// permitted values, ranges, foreign keys and methods; and an engine that resolves the class's tokens.

#include <memory>
#include <string>
#include <vector>

#include "tests/patterns/tier3/SampleModel.h"
#include "typelib/IMethod.h"

namespace testing_support {

class L2Field : public FakeField {
  public:
    std::weak_ptr<typelib::IProperty> busObjProperty;

  protected:
    std::shared_ptr<typelib::IProperty> GetBusObjProperty() const override { return busObjProperty.lock(); }
};

class L2Property : public SampleProperty {
  public:
    int32_t dbid = 0;
    std::string owner;
    bool isPVList = false, isPVRange = false, isPVTable = false;
    std::string lowerBound, upperBound;
    std::shared_ptr<FakeList<std::string>> permittedValues = std::make_shared<FakeList<std::string>>();
    std::shared_ptr<L2Field> foreignKeyField = std::make_shared<L2Field>();

    int32_t DBID() const override { return dbid; }
    std::string BusinessObjectName() const override { return owner; }
    bool IsPVList() const override { return isPVList; }
    bool IsPVRange() const override { return isPVRange; }
    bool IsPVTable() const override { return isPVTable; }
    std::string LowerBound() const override { return lowerBound; }
    std::string UpperBound() const override { return upperBound; }

  protected:
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override { return foreignKeyField; }
    std::shared_ptr<typelib::TextList> GetPermittedValues() const override { return permittedValues; }
};

class L2Method : public typelib::IMethod {
  public:
    std::string name;
    int32_t dbid = 0;
    const std::string& Name() const override { return name; }
    std::string MethodType() const override { return "Sub"; }
    std::string ReturnDataType() const override { return {}; }
    bool IsStoredProcedure() const override { return false; }
    std::string StoredProcedureName() const override { return {}; }
    int32_t DBID() const override { return dbid; }
};

class L2BusinessObject : public FakeBusinessObject {
  public:
    int32_t dbid = 0;
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IMethod>>> methods =
        std::make_shared<FakeList<std::shared_ptr<typelib::IMethod>>>();
    int32_t DBID() const override { return dbid; }

    std::shared_ptr<L2Property> Add(const std::string& name, const std::string& dataType, int32_t dbidValue,
                                    int32_t lengthValue = 4) {
        auto property = std::make_shared<L2Property>();
        property->name = property->label = name;
        property->dataType = dataType;
        property->length = lengthValue;
        property->dbid = dbidValue;
        property->owner = this->name;
        property->field = std::make_shared<FakeField>();
        property->field->name = name;
        property->field->table = table;
        properties->items.push_back(property);
        return property;
    }
    void AddMethod(const std::string& methodName, int32_t dbidValue) {
        auto method = std::make_shared<L2Method>();
        method->name = methodName;
        method->dbid = dbidValue;
        methods->items.push_back(method);
    }

  protected:
    std::shared_ptr<typelib::MethodList> GetMethods() const override { return methods; }
};

// `property` becomes a foreign property of its owner referring to `source` of another business object.
inline void MakeForeign(L2Property& property, const std::shared_ptr<L2Property>& source) {
    property.isForeign = true;
    property.foreignKeyField->busObjProperty = source;
}

// The four business objects of the sample that the layer-2 class is checked on.
struct L2Sample {
  private:
    std::vector<std::shared_ptr<L2BusinessObject>> mAll;

  public:
    FakeModel model;
    std::shared_ptr<L2BusinessObject> customer = Make("Customer", 3);
    std::shared_ptr<L2BusinessObject> product = Make("Product", 4);
    std::shared_ptr<L2BusinessObject> order = Make("Order", 5);
    std::shared_ptr<L2BusinessObject> orderLine = Make("OrderLine", 6);

    L2Sample() {
        // Customer: Long key, range, list, code table, Memo, Read Only; DBIDs 1 and 12.
        customer->Add("CustomerID", "Long", 1)->isKey = true;
        auto name = customer->Add("Name", "String", 12, 50);
        name->isMandatory = true;
        auto limit = customer->Add("CreditLimit", "Long", 3);
        limit->isPVRange = true;
        limit->lowerBound = "0";
        limit->upperBound = "50000";
        auto region = customer->Add("Region", "String", 4, 10);
        region->isPVList = true;
        region->permittedValues->items = {"North", "South", "West"};
        customer->Add("Status", "String", 5, 2)->isPVTable = true;
        customer->Add("Notes", "Memo", 6, 0);
        customer->Add("Balance", "Currency", 7, 8)->access = "Read Only";
        customer->Add("Since", "Date", 8, 8);
        for (const auto& [method, dbid] :
             {std::pair{"Add", 21}, {"Read", 22}, {"Update", 23}, {"Delete", 24}, {"Approve", 25}})
            customer->AddMethod(method, dbid);

        // Product: a key of two columns, a Boolean.
        auto code = product->Add("ProductCode", "String", 31, 10);
        code->isKey = true;
        auto variant = product->Add("Variant", "Integer", 32, 2);
        variant->isKey = true;
        product->Add("Description", "String", 33, 40);
        product->Add("Discontinued", "Boolean", 36, 2);
        product->AddMethod("Add", 34);
        product->AddMethod("Read", 35);

        // Order: its key filled by the database.
        auto orderId = order->Add("OrderID", "Long", 51);
        orderId->isKey = true;
        orderId->isMandatory = true;
        orderId->access = "Read Only";
        // Order: a Date range, a Decimal.
        auto orderDate = order->Add("OrderDate", "Date", 53, 8);
        orderDate->isPVRange = true;
        orderDate->lowerBound = "1/1/2000";
        orderDate->upperBound = "12/31/2099";
        order->Add("Total", "Decimal", 54, 12);
        order->AddMethod("Read", 52);

        // OrderLine: identifying parent Order, foreign key of two columns to Product.
        auto lineOrder = orderLine->Add("OrderID", "Long", 41);
        lineOrder->isKey = true;
        lineOrder->isMandatory = true;
        MakeForeign(*lineOrder, orderId);
        orderLine->Add("LineNo", "Integer", 42, 2)->isKey = true;
        auto lineCode = orderLine->Add("ProductCode", "String", 43, 10);
        lineCode->isMandatory = true;
        MakeForeign(*lineCode, code);
        auto lineVariant = orderLine->Add("Variant", "Integer", 44, 2);
        lineVariant->isMandatory = true;
        MakeForeign(*lineVariant, variant);
        orderLine->Add("Quantity", "Integer", 45, 2);
        orderLine->AddMethod("Add", 46);
        orderLine->AddMethod("Read", 47);
        model.Relate(orderLine, order, "Identifying")->foreignProperties->items = {lineOrder};
        model.Relate(orderLine, product, "Reference")->foreignProperties->items = {lineCode, lineVariant};
    }

  private:
    std::shared_ptr<L2BusinessObject> Make(const std::string& name, int32_t dbid) {
        auto businessObject = std::make_shared<L2BusinessObject>();
        businessObject->name = name;
        businessObject->dbid = dbid;
        businessObject->table->name = name;
        businessObject->table->businessObject = businessObject;
        mAll.push_back(businessObject);
        return businessObject;
    }
};

}  // namespace testing_support
