#include "tests/support/ModelSinkContract.h"

#include <functional>
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

// The model as lines: per business object its properties ("+" foreign, "*" key with its index), fields
// and ends; per relationship its ends and their foreign properties.
std::vector<std::string> Describe(const core::qelApplication& application) {
    std::vector<std::string> lines;
    for (const auto& businessObject : *application.BusinessObjects()) {
        std::string line = businessObject->Name() + ":";
        for (const auto& property : *businessObject->Properties()) {
            line += " " + property->Name();
            if (property->IsForeignProperty() || property->Field()->IsForeignKey() ||
                (property->ForeignKeyField() && property->ForeignKeyField()->BusObjProperty()))
                line += "+";
        }
        line += " | keys";
        for (const auto& key : *businessObject->KeyProperties())
            line += " " + key->Name() + "=" + std::to_string(key->KeyIndex());
        line += " | fields";
        for (const auto& field : *businessObject->Table()->Fields())
            line += " " + field->Name();
        line += " | ends";
        for (const auto* ends :
             {businessObject->SourceAssociations().get(), businessObject->TargetAssociations().get()})
            for (int32_t i = 1; i <= ends->Count(); ++i)
                line += (ends == businessObject->SourceAssociations().get() ? " >" : " <") + ends->KeyOf(i);
        lines.push_back(line);
    }
    for (const auto& relationship : *application.Relationships()) {
        std::string line = relationship->Name() + ":";
        const auto& associations = *relationship->Associations();
        for (int32_t i = 1; i <= associations.Count(); ++i) {
            line += " " + associations.KeyOf(i);
            for (const auto& property : *associations.Item(i)->SourceForeignProperties())
                line += " (" + property->BusinessObjectName() + "." + property->Name() + ")";
        }
        lines.push_back(line);
    }
    return lines;
}

PropertyPtr AddKey(schemaimport::ModelSink& sink, const BusObjPtr& businessObject, const std::string& name) {
    auto property = AddProperty(sink, businessObject, name, false);
    property->SetIsKey(true);
    businessObject->KeyProperties()->Add(property, name);
    property->SetKeyIndex(static_cast<int16_t>(businessObject->KeyProperties()->Count()));
    return property;
}

// A (key AID, ParentID foreign from A itself), B (keys AID foreign from A and BID, Note) and C (key CID,
// BID foreign from B): Relationship1 A-B, Relationship2 B-C, Relationship3 A-A.
TEST_P(ModelSinkContract, DeletesBusinessObjectsPropertiesAndRelationshipsEverywhereInTheModel) {
    struct Case {
        std::string what;
        std::function<void(schemaimport::ModelSink&, core::qelApplication&)> remove;
        std::vector<std::string> left;
    };
    const auto object = [](core::qelApplication& application, const char* name) {
        return application.BusinessObjects()->Item(name);
    };
    const auto property = [object](core::qelApplication& application, const char* owner, const char* name) {
        return object(application, owner)->Properties()->Item(std::string(owner) + ".Properties." + name);
    };
    const std::vector<Case> cases = {
        {"business object A, in two relationships of its own",
         [&](auto& sink, auto& application) { sink.DeleteBusObj(application, object(application, "A")); },
         {"B: AID BID Note | keys AID=1 BID=2 | fields AID BID Note | ends >B.Relationships.Relationship2 "
          "<C.Relationships.Relationship2",
          "C: CID BID+ | keys CID=1 | fields CID BID | ends >C.Relationships.Relationship2 "
          "<B.Relationships.Relationship2",
          "Relationship2: B.Relationships.Relationship2 C.Relationships.Relationship2 (C.BID)"}},
        {"business object B, related to two others",
         [&](auto& sink, auto& application) { sink.DeleteBusObj(application, object(application, "B")); },
         {"A: AID ParentID+ | keys AID=1 | fields AID ParentID | ends >A.Relationships.Relationship3 "
          ">A.RelationshipsRecursive.Relationship3 <A.Relationships.Relationship3 "
          "<A.RelationshipsRecursive.Relationship3",
          "C: CID BID | keys CID=1 | fields CID BID | ends",
          "Relationship3: A.Relationships.Relationship3 A.RelationshipsRecursive.Relationship3 "
          "(A.ParentID)"}},
        {"property B.AID, a key and a foreign property",
         [&](auto& sink, auto& application) {
             sink.DeleteBusObjProperty(application, property(application, "B", "AID"));
         },
         {"A: AID ParentID+ | keys AID=1 | fields AID ParentID | ends >A.Relationships.Relationship1 "
          ">A.Relationships.Relationship3 >A.RelationshipsRecursive.Relationship3 "
          "<B.Relationships.Relationship1 "
          "<A.Relationships.Relationship3 <A.RelationshipsRecursive.Relationship3",
          "B: BID Note | keys BID=1 | fields BID Note | ends >B.Relationships.Relationship1 "
          ">B.Relationships.Relationship2 <A.Relationships.Relationship1 <C.Relationships.Relationship2",
          "C: CID BID+ | keys CID=1 | fields CID BID | ends >C.Relationships.Relationship2 "
          "<B.Relationships.Relationship2",
          "Relationship1: A.Relationships.Relationship1 B.Relationships.Relationship1",
          "Relationship2: B.Relationships.Relationship2 C.Relationships.Relationship2 (C.BID)",
          "Relationship3: A.Relationships.Relationship3 A.RelationshipsRecursive.Relationship3 "
          "(A.ParentID)"}},
        {"the recursive Relationship3",
         [&](auto& sink, auto& application) {
             sink.DeleteRelationship(application, application.Relationships()->Item("Relationship3"));
         },
         {"A: AID ParentID | keys AID=1 | fields AID ParentID | ends >A.Relationships.Relationship1 "
          "<B.Relationships.Relationship1",
          "B: AID+ BID Note | keys AID=1 BID=2 | fields AID BID Note | ends >B.Relationships.Relationship1 "
          ">B.Relationships.Relationship2 <A.Relationships.Relationship1 <C.Relationships.Relationship2",
          "C: CID BID+ | keys CID=1 | fields CID BID | ends >C.Relationships.Relationship2 "
          "<B.Relationships.Relationship2",
          "Relationship1: A.Relationships.Relationship1 B.Relationships.Relationship1 (B.AID)",
          "Relationship2: B.Relationships.Relationship2 C.Relationships.Relationship2 (C.BID)"}},
        {"a business object that is not filed: nothing changes",
         [&](auto& sink, auto& application) {
             auto stray = std::make_shared<core::qelBusinessObject>();
             stray->SetName("A");
             EXPECT_THROW(sink.DeleteBusObj(application, stray), vb::Error);
         },
         {}},
        {"a property whose field \"note\" is held without a key beside \"Note\", added and deleted again",
         [&](auto& sink, auto& application) {
             const auto added = AddProperty(sink, object(application, "B"), "Note2", true);
             object(application, "B")->Table()->RenameField(added->Field(), "note");
             sink.DeleteBusObjProperty(application, added);
         },
         {}},
        {"a property that is not filed: nothing changes",
         [&](auto& sink, auto& application) {
             auto stray = std::make_shared<core::qelBusObjProperty>();
             stray->SetName("AID");
             stray->SetBusinessObjectName("B");
             EXPECT_THROW(sink.DeleteBusObjProperty(application, stray), vb::Error);
             stray->SetBusinessObjectName("Nowhere");
             EXPECT_THROW(sink.DeleteBusObjProperty(application, stray), vb::Error);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto sink = GetParam()();
        auto& application = *sink->Application();
        const auto a = AddBusinessObject(*sink, "A");
        const auto b = AddBusinessObject(*sink, "B");
        const auto c3 = AddBusinessObject(*sink, "C");
        const auto aKey = AddKey(*sink, a, "AID");
        const auto parent = AddProperty(*sink, a, "ParentID", true);
        const auto bForeign = AddKey(*sink, b, "AID");
        AddKey(*sink, b, "BID");
        AddProperty(*sink, b, "Note", true);
        AddKey(*sink, c3, "CID");
        const auto cForeign = AddProperty(*sink, c3, "BID", true);
        AddRelationship(*sink, a, b, bForeign);
        AddRelationship(*sink, b, c3, cForeign);
        AddRelationship(*sink, a, a, parent);
        bForeign->SetForeignKeyField(aKey->Field());
        const std::vector<std::string> before = Describe(application);
        c.remove(*sink, application);
        EXPECT_EQ(Describe(application), c.left.empty() ? before : c.left);
    }
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
