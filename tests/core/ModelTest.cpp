// The model's start values, owned sub-objects, delegation to the field, the key rule, typed object setters
// and keyed collections.

#include <gtest/gtest.h>

#include <functional>
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
#include "platform/vb/Error.h"

namespace core {
namespace {

int32_t ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vb::Error& error) {
        return error.Number();
    }
    return 0;
}

TEST(Model, NewObjectsHoldEmptyOwnedCollectionsAndSubObjects) {
    const auto application = std::make_shared<qelApplication>();
    const auto businessObject = std::make_shared<qelBusinessObject>();
    const auto property = std::make_shared<qelBusObjProperty>();
    const auto field = std::make_shared<qelField>();
    const auto relationship = std::make_shared<qelRelationship>();
    const auto association = std::make_shared<qelAssociation>();

    struct Case {
        const char* what;
        int32_t count;
    };
    const std::vector<Case> emptyCollections = {
        {"application BusinessObjects", application->BusinessObjects()->Count()},
        {"application Relationships", application->Relationships()->Count()},
        {"business object Properties", businessObject->Properties()->Count()},
        {"business object KeyProperties", businessObject->KeyProperties()->Count()},
        {"business object Methods", businessObject->Methods()->Count()},
        {"business object Windows", businessObject->Windows()->Count()},
        {"business object SourceAssociations", businessObject->SourceAssociations()->Count()},
        {"business object TargetAssociations", businessObject->TargetAssociations()->Count()},
        {"business object's table Fields", businessObject->Table()->Fields()->Count()},
        {"property PermittedValues", property->PermittedValues()->Count()},
        {"field VirtualProperties", field->VirtualProperties()->Count()},
        {"field's own table Fields", field->Table()->Fields()->Count()},
        {"relationship Associations", relationship->Associations()->Count()},
        {"association SourceForeignProperties", association->SourceForeignProperties()->Count()},
    };
    for (const auto& c : emptyCollections)
        EXPECT_EQ(c.count, 0) << c.what;

    EXPECT_EQ(application->Architecture(), 0);
    EXPECT_EQ(application->DBID(), 0);
    EXPECT_EQ(businessObject->Table()->Name(), "");
    EXPECT_EQ(field->Table()->Name(), "");
    EXPECT_EQ(field->BusObjProperty(), nullptr);
    EXPECT_NE(property->ForeignKeyField(), nullptr);
    EXPECT_NE(property->ForeignKeyField(), property->Field());
    EXPECT_EQ(property->PVFKeyDisplayedProp(), nullptr);
    EXPECT_EQ(property->KeyIndex(), 0);
    EXPECT_EQ(association->Cardinality(), "");
    EXPECT_EQ(association->Relationship(), nullptr);
}

TEST(Model, CollectionMembersAreTheSameObjectUntilReplaced) {
    qelBusinessObject businessObject;
    businessObject.Methods()->Add(std::make_shared<qelBusObjMethod>(), "Orders.Methods.Add");
    EXPECT_EQ(businessObject.Methods()->Count(), 1);

    const auto former = businessObject.Methods();
    const auto replacement = std::make_shared<MethodCollection>();
    businessObject.SetMethods(replacement);
    EXPECT_EQ(businessObject.Methods(), replacement);
    EXPECT_EQ(businessObject.Methods()->Count(), 0);
    EXPECT_EQ(former->Count(), 1);
}

TEST(Model, DataTypeAndLengthLiveInTheField) {
    qelBusObjProperty property;
    EXPECT_EQ(property.DataType(), "");
    EXPECT_EQ(property.Length(), 0);

    property.SetDataType("Long");
    property.SetLength(4);
    EXPECT_EQ(property.Field()->DataType(), "Long");
    EXPECT_EQ(property.Field()->Length(), 4);

    const auto shared = std::make_shared<qelField>();
    shared->SetDataType("String");
    shared->SetLength(50);
    qelBusObjProperty other;
    property.SetField(shared);
    other.SetField(shared);
    EXPECT_EQ(property.DataType(), "String");
    EXPECT_EQ(property.Length(), 50);
    other.SetDataType("Date");
    EXPECT_EQ(property.DataType(), "Date");

    property.SetField(nullptr);
    EXPECT_EQ(ErrorNumberOf([&] { (void)property.DataType(); }), vb::kObjectNotSet);
    EXPECT_EQ(ErrorNumberOf([&] { property.SetLength(1); }), vb::kObjectNotSet);
}

TEST(Model, KeyMarksMandatoryButNotTheOtherWay) {
    struct Step {
        enum { Key, Mandatory } member;
        bool value;
        bool expectKey;
        bool expectMandatory;
    };
    const std::vector<std::vector<Step>> scripts = {
        {{Step::Key, true, true, true}, {Step::Key, false, false, true}},
        {{Step::Key, true, true, true}, {Step::Mandatory, false, true, false}},
        {{Step::Mandatory, true, false, true}, {Step::Key, false, false, true}},
        {{Step::Key, false, false, false}},
    };
    for (size_t s = 0; s < scripts.size(); ++s) {
        qelBusObjProperty property;
        for (const auto& step : scripts[s]) {
            if (step.member == Step::Key) {
                property.SetIsKey(step.value);
            } else {
                property.SetIsMandatory(step.value);
            }
            EXPECT_EQ(property.IsKey(), step.expectKey) << "script " << s;
            EXPECT_EQ(property.IsMandatory(), step.expectMandatory) << "script " << s;
        }
    }
}

TEST(Model, TypedObjectSettersRefuseOtherClassesAndKeepTheirValue) {
    const auto field = std::make_shared<qelField>();
    const auto businessObject = std::make_shared<qelBusinessObject>();
    const auto relationship = std::make_shared<qelRelationship>();
    const auto notIt = std::make_shared<qelTable>();

    qelBusObjProperty property;
    qelAssociation association;
    struct Case {
        const char* member;
        std::function<void(const vb::ObjectPtr&)> set;
        std::function<vb::ObjectPtr()> get;
        vb::ObjectPtr accepted;
    };
    const std::vector<Case> cases = {
        {"ForeignKeyField", [&](const vb::ObjectPtr& o) { property.SetForeignKeyField(o); },
         [&] { return vb::ObjectPtr(property.ForeignKeyField()); }, field},
        {"Relationship", [&](const vb::ObjectPtr& o) { association.SetRelationship(o); },
         [&] { return vb::ObjectPtr(association.Relationship()); }, relationship},
        {"TargetBusObj", [&](const vb::ObjectPtr& o) { association.SetTargetBusObj(o); },
         [&] { return vb::ObjectPtr(association.TargetBusObj()); }, businessObject},
        {"SourceBusObj", [&](const vb::ObjectPtr& o) { association.SetSourceBusObj(o); },
         [&] { return vb::ObjectPtr(association.SourceBusObj()); }, businessObject},
    };
    for (const auto& c : cases) {
        c.set(c.accepted);
        EXPECT_EQ(c.get(), c.accepted) << c.member;
        EXPECT_EQ(ErrorNumberOf([&] { c.set(notIt); }), vb::kTypeMismatch) << c.member;
        EXPECT_EQ(c.get(), c.accepted) << c.member;
        c.set(nullptr);
        EXPECT_EQ(c.get(), nullptr) << c.member;
    }
}

TEST(Model, APropertysOwnForeignKeyFieldIsOneFieldUntilAnotherIsSet) {
    const auto field = std::make_shared<qelField>();
    const auto table = std::make_shared<qelTable>();
    const struct {
        const char* name;
        vb::ObjectPtr setFirst;  // set before the field is first asked for; null for nothing set
        bool set;
        bool ownField;  // the property then has a field of its own
    } cases[] = {
        {"nothing set", nullptr, false, true},
        {"nothing set explicitly", nullptr, true, false},
        {"a field set", field, true, false},
    };
    for (const auto& c : cases) {
        qelBusObjProperty property;
        if (c.set)
            property.SetForeignKeyField(c.setFirst);
        EXPECT_EQ(ErrorNumberOf([&] { property.SetForeignKeyField(table); }), vb::kTypeMismatch) << c.name;
        const auto first = property.ForeignKeyField();
        EXPECT_EQ(first != nullptr, c.ownField || c.setFirst != nullptr) << c.name;
        if (c.ownField) {
            EXPECT_TRUE(first != field && first != property.Field()) << c.name;
        }
        EXPECT_EQ(property.ForeignKeyField(), first) << c.name;
        const typelib::IProperty& seen = property;
        EXPECT_EQ(seen.ForeignKeyField(), first) << c.name;
    }
}

TEST(Model, KeyedCollectionsIgnoreLetterCaseAndRefuseDuplicates) {
    qelApplication application;
    auto orders = std::make_shared<qelBusinessObject>();
    orders->SetName("Orders");
    auto customers = std::make_shared<qelBusinessObject>();
    customers->SetName("Customers");
    application.BusinessObjects()->Add(orders, "Orders");
    application.BusinessObjects()->Add(customers, "Customers");

    struct Case {
        const char* key;
        std::shared_ptr<qelBusinessObject> expected;
    };
    for (const Case& c :
         std::vector<Case>{{"Orders", orders}, {"ORDERS", orders}, {"customers", customers}}) {
        EXPECT_EQ(application.BusinessObjects()->Item(c.key), c.expected) << c.key;
    }
    EXPECT_EQ(ErrorNumberOf([&] { application.BusinessObjects()->Add(orders, "orders"); }),
              vb::kDuplicateKey);
    EXPECT_EQ(ErrorNumberOf([&] { (void)application.BusinessObjects()->Item("Lines"); }),
              vb::kSubscriptOutOfRange);

    // Renaming is the owner's job: the key stays until the owner re-keys the item.
    orders->SetName("Purchases");
    EXPECT_EQ(application.BusinessObjects()->Item("Orders"), orders);
}

TEST(Model, BackReferencesDoNotOwn) {
    auto field = std::make_shared<qelField>();
    std::weak_ptr<qelTable> ownTable = field->Table();
    auto businessObject = std::make_shared<qelBusinessObject>();
    businessObject->Table()->Fields()->Add(field, "OrderID");
    businessObject->Table()->SetBusinessObject(businessObject);
    field->SetTable(businessObject->Table());
    EXPECT_TRUE(ownTable.expired());
    EXPECT_EQ(field->Table(), businessObject->Table());

    std::weak_ptr<qelBusinessObject> watch = businessObject;
    businessObject.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(field->Table(), nullptr);
}

}  // namespace
}  // namespace core
