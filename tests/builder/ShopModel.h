#pragma once
// A shop for the relationship dialog's tests.

#include <memory>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelTable.h"
#include "tests/builder/DialogTestModel.h"

namespace builder_test {

// Customer (CustomerID), Order (OrderID; CustomerID, Note), OrderLine (OrderID and LineNo, Integer, as its
// key; ProductCode), Product (SupplierCode and ProductCode as its key), Memo (Text, no key) and Empty (no
// property). Long and Integer fields are 4 long, String fields 50.
struct Shop {
    std::shared_ptr<core::qelApplication> application = std::make_shared<core::qelApplication>();

    Shop() {
        Add("Customer", {{"CustomerID", "Long", true}});
        Add("Order", {{"OrderID", "Long", true}, {"CustomerID", "Long", false}, {"Note", "String", false}});
        Add("OrderLine",
            {{"OrderID", "Long", true}, {"LineNo", "Integer", true}, {"ProductCode", "String", false}});
        Add("Product", {{"SupplierCode", "String", true}, {"ProductCode", "String", true}});
        Add("Memo", {{"Text", "String", false}});
        Add("Empty", {});
    }

    struct PropertySpec {
        const char* name;
        const char* dataType;
        bool isKey;
    };
    void Add(const char* name, const std::vector<PropertySpec>& properties) {
        auto businessObject = std::make_shared<core::qelBusinessObject>();
        businessObject->SetName(name);
        businessObject->Table()->SetName(name);
        application->BusinessObjects()->Add(businessObject, name);
        for (const PropertySpec& property : properties)
            AddProperty(businessObject, property.name, property.dataType, property.isKey);
    }
    std::shared_ptr<core::qelBusinessObject> Object(const std::string& name) const {
        return application->BusinessObjects()->Item(name);
    }
    std::shared_ptr<core::qelBusObjProperty> Property(const std::string& owner,
                                                      const std::string& name) const {
        return Object(owner)->Properties()->Item(owner + ".Properties." + name);
    }
};

}  // namespace builder_test
