#pragma once
// A model like the sample's Customer, an application whose architecture, database and transaction-server
// choice a test sets, and a recording engine that resolves the tokens the patterns write from the
// application and the pattern's current objects, as the real engine does when a line is coded.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "patternkit/CodeText.h"
#include "tests/patternkit/ModelDoubles.h"
#include "tests/support/TokenEngine.h"
#include "typelib/IMethod.h"
#include "typelib/IPattern.h"

namespace testing_support {

class SampleProperty : public FakeProperty {
  public:
    std::string access = "Read/Write";
    bool isMandatory = false;
    std::string Access() const override { return access; }
    bool IsMandatory() const override { return isMandatory; }
    int16_t KeyIndex() const override { return isKey ? 1 : 0; }
};

class SampleApplication : public FakeApplication {
  public:
    int32_t architecture = typelib::ThreeTier;
    std::string dsn;
    bool isMTS = false;
    std::string l3ProjectName = "SampleData";

    SampleApplication() { l2ProjectName = "SampleBusiness"; }
    int32_t Architecture() const override { return architecture; }
    std::string DSN() const override { return dsn; }
    bool IsMTS() const override { return isMTS; }
    std::string LocalDBName() const override { return "C:\\Data\\Sample.mdb"; }
    std::string L3ProjectName() const override { return l3ProjectName; }
};

inline std::shared_ptr<SampleProperty> AddSampleProperty(FakeBusinessObject& owner, const std::string& name,
                                                         const std::string& dataType, int32_t length = 0) {
    auto property = std::make_shared<SampleProperty>();
    property->name = name;
    property->label = name;
    property->dataType = dataType;
    property->length = length;
    property->field = std::make_shared<FakeField>();
    property->field->name = name;
    property->field->table = owner.table;
    owner.properties->items.push_back(property);
    return property;
}

// Customer: a Long key, a Read Only Currency, a mandatory unique String(50), a Memo, a Boolean, a Date.
inline void AddCustomerProperties(FakeBusinessObject& customer) {
    AddSampleProperty(customer, "CustomerID", "Long", 4)->isKey = true;
    AddSampleProperty(customer, "Balance", "Currency", 8)->access = "Read Only";
    const auto name = AddSampleProperty(customer, "Name", "String", 50);
    name->isMandatory = true;
    name->isUnique = true;
    AddSampleProperty(customer, "Notes", "Memo");
    AddSampleProperty(customer, "Active", "Boolean", 2);
    AddSampleProperty(customer, "Since", "Date", 8);
}

class SampleMethod : public typelib::IMethod {
  public:
    std::string name, storedProcedureName;
    bool isStoredProcedure = false;
    int32_t dbid = 0;
    const std::string& Name() const override { return name; }
    std::string MethodType() const override { return "Sub"; }
    std::string ReturnDataType() const override { return "None"; }
    bool IsStoredProcedure() const override { return isStoredProcedure; }
    std::string StoredProcedureName() const override { return storedProcedureName; }
    int32_t DBID() const override { return dbid; }
};

using SampleMethods = FakeList<std::shared_ptr<typelib::IMethod>>;

inline std::shared_ptr<SampleMethod> AddSampleMethod(SampleMethods& methods, const std::string& name,
                                                     int32_t dbid = 0) {
    auto method = std::make_shared<SampleMethod>();
    method->name = name;
    method->dbid = dbid;
    method->storedProcedureName = "sp" + name;
    methods.items.push_back(method);
    return method;
}

// The four standard methods every business object has, none by stored procedure.
inline std::shared_ptr<SampleMethods> StandardMethods() {
    auto methods = std::make_shared<SampleMethods>();
    for (const char* name : {"Add", "Update", "Delete", "Read"})
        AddSampleMethod(*methods, name);
    return methods;
}

}  // namespace testing_support
