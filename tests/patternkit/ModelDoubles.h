#pragma once
// Small stand-ins for the model classes, enough to build a model in a test: plain fields behind the
// typelib interfaces. FakeModel owns every object, so the back references stay valid for the test.

#include <memory>
#include <string>
#include <vector>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "typelib/IApplication.h"
#include "typelib/IAssociation.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IField.h"
#include "typelib/IMethod.h"
#include "typelib/IProperty.h"
#include "typelib/IRelationship.h"
#include "typelib/ITable.h"

namespace testing_support {

template <typename V>
class FakeList : public typelib::ICollection<V> {
  public:
    std::vector<V> items;

    int32_t Count() const override { return static_cast<int32_t>(items.size()); }

  protected:
    V GetItem(int32_t index) const override {
        if (index < 1 || index > Count())
            vb::Raise(vb::kSubscriptOutOfRange);
        return items[static_cast<size_t>(index - 1)];
    }
    // Keyed by name, for the items that have one.
    V GetItem(std::string_view key) const override {
        if constexpr (requires(const V& item) { item->Name(); }) {
            for (const auto& item : items) {
                if (vb::TextEquals(item->Name(), key))
                    return item;
            }
        }
        vb::Raise(vb::kSubscriptOutOfRange);
    }
};

class FakeRelationship : public typelib::IRelationship {
  public:
    std::string name, relType;
    std::string Name() const override { return name; }
    std::string RelType() const override { return relType; }
};

class FakeTable : public typelib::ITable {
  public:
    std::string name;
    std::weak_ptr<typelib::IBusinessObject> businessObject;
    const std::string& Name() const override { return name; }

  protected:
    std::shared_ptr<typelib::IBusinessObject> GetBusinessObject() const override {
        return businessObject.lock();
    }
};

class FakeField : public typelib::IField {
  public:
    std::string name;
    std::weak_ptr<typelib::ITable> table;
    const std::string& Name() const override { return name; }
    bool IsNullable() const override { return true; }

  protected:
    std::shared_ptr<typelib::ITable> GetTable() const override { return table.lock(); }
    std::shared_ptr<typelib::IProperty> GetBusObjProperty() const override { return {}; }
};

class FakeProperty : public typelib::IProperty {
  public:
    std::string name, label, dataType = "Long";
    int32_t length = 4;
    bool isKey = false, isUnique = false, isVirtual = false, isForeign = false, isPVFKey = false;
    std::shared_ptr<FakeField> field;

    const std::string& Name() const override { return name; }
    std::string Label() const override { return label; }
    std::string BusinessObjectName() const override { return {}; }
    const std::string& DataType() const override { return dataType; }
    int32_t Length() const override { return length; }
    std::string Access() const override { return "Read/Write"; }
    std::string ControlType() const override { return "TextBox"; }
    bool IsKey() const override { return isKey; }
    int16_t KeyIndex() const override { return 0; }
    bool IsMandatory() const override { return false; }
    bool IsUnique() const override { return isUnique; }
    bool IsVirtual() const override { return isVirtual; }
    bool IsForeignProperty() const override { return isForeign; }
    bool IsPVList() const override { return false; }
    bool IsPVRange() const override { return false; }
    bool IsPVTable() const override { return false; }
    bool IsPVFKey() const override { return isPVFKey; }
    std::string LowerBound() const override { return {}; }
    std::string UpperBound() const override { return {}; }
    int32_t DBID() const override { return 0; }

  protected:
    std::shared_ptr<typelib::IField> GetField() const override { return field; }
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override { return {}; }
    std::shared_ptr<typelib::IProperty> GetPVFKeyDisplayedProp() const override { return {}; }
    std::shared_ptr<typelib::TextList> GetPermittedValues() const override { return {}; }
};

class FakeAssociation : public typelib::IAssociation {
  public:
    std::string cardinality = "One";
    std::shared_ptr<typelib::IRelationship> relationship;
    std::weak_ptr<typelib::IBusinessObject> source, target;
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IProperty>>> foreignProperties =
        std::make_shared<FakeList<std::shared_ptr<typelib::IProperty>>>();

    std::string Cardinality() const override { return cardinality; }
    bool IsOptional() const override { return false; }

  protected:
    std::shared_ptr<typelib::IRelationship> GetRelationship() const override { return relationship; }
    std::shared_ptr<typelib::IBusinessObject> GetSourceBusObj() const override { return source.lock(); }
    std::shared_ptr<typelib::IBusinessObject> GetTargetBusObj() const override { return target.lock(); }
    std::shared_ptr<typelib::PropertyList> GetSourceForeignProperties() const override {
        return foreignProperties;
    }
};

class FakeBusinessObject : public typelib::IBusinessObject {
  public:
    std::string name;
    std::shared_ptr<FakeTable> table = std::make_shared<FakeTable>();
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IProperty>>> properties =
        std::make_shared<FakeList<std::shared_ptr<typelib::IProperty>>>();
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IAssociation>>> sourceAssociations =
        std::make_shared<FakeList<std::shared_ptr<typelib::IAssociation>>>();
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IAssociation>>> targetAssociations =
        std::make_shared<FakeList<std::shared_ptr<typelib::IAssociation>>>();

    int32_t dbid = 0;
    bool isBuilt = true;

    const std::string& Name() const override { return name; }
    int32_t DBID() const override { return dbid; }
    bool IsBuilt() const override { return isBuilt; }
    int32_t BaseErrorNumber() const override { return 0; }

  protected:
    std::shared_ptr<typelib::ITable> GetTable() const override { return table; }
    std::shared_ptr<typelib::PropertyList> GetProperties() const override { return properties; }
    std::shared_ptr<typelib::MethodList> GetMethods() const override { return {}; }
    std::shared_ptr<typelib::AssociationList> GetSourceAssociations() const override {
        return sourceAssociations;
    }
    std::shared_ptr<typelib::AssociationList> GetTargetAssociations() const override {
        return targetAssociations;
    }
};

class FakeApplication : public typelib::IApplication {
  public:
    std::string name = "Orders", l1ProjectName = "OrdersUI", l2ProjectName = "OrdersBusiness";
    std::shared_ptr<FakeList<std::shared_ptr<typelib::IBusinessObject>>> businessObjects =
        std::make_shared<FakeList<std::shared_ptr<typelib::IBusinessObject>>>();
    std::string Name() const override { return name; }
    std::string DSN() const override { return {}; }
    std::string LocalDBName() const override { return "orders.mdb"; }
    std::string L1ProjectName() const override { return l1ProjectName; }
    std::string L2ProjectName() const override { return l2ProjectName; }
    std::string L3ProjectName() const override { return "OrdersData"; }
    std::string DBType() const override { return "Access"; }
    int32_t Architecture() const override { return typelib::ThreeTier; }
    bool IsMTS() const override { return false; }
    bool IsPromptDuringBuild() const override { return false; }
    int32_t DBID() const override { return 0; }

  protected:
    std::shared_ptr<typelib::BusinessObjectList> GetBusinessObjects() const override {
        return businessObjects;
    }
};

class FakeModel {
  public:
    std::shared_ptr<FakeBusinessObject> AddBusinessObject(const std::string& name) {
        auto businessObject = std::make_shared<FakeBusinessObject>();
        businessObject->name = name;
        businessObject->table->name = name;
        businessObject->table->businessObject = businessObject;
        mBusinessObjects.push_back(businessObject);
        return businessObject;
    }

    // A property stored in a field of the same name (lower case) of the business object's table.
    std::shared_ptr<FakeProperty> AddProperty(FakeBusinessObject& owner, const std::string& name,
                                              const std::string& dataType = "Long") {
        auto property = std::make_shared<FakeProperty>();
        property->name = name;
        property->label = name;
        property->dataType = dataType;
        property->field = std::make_shared<FakeField>();
        property->field->name = vb::LCase(name);
        property->field->table = owner.table;
        owner.properties->items.push_back(property);
        return property;
    }

    // A relationship of `relType` from `source` to `target`: the association source → target with
    // `cardinality` (kept by the source as a source association and by the target as a target one), and
    // the "Many" association back.
    std::shared_ptr<FakeAssociation> Relate(const std::shared_ptr<FakeBusinessObject>& source,
                                            const std::shared_ptr<FakeBusinessObject>& target,
                                            const std::string& relType,
                                            const std::string& cardinality = "One") {
        auto relationship = std::make_shared<FakeRelationship>();
        relationship->name = source->name + target->name;
        relationship->relType = relType;
        auto forth = Associate(source, target, relationship, cardinality);
        Associate(target, source, relationship, "Many");
        return forth;
    }

  private:
    static std::shared_ptr<FakeAssociation> Associate(const std::shared_ptr<FakeBusinessObject>& source,
                                                      const std::shared_ptr<FakeBusinessObject>& target,
                                                      const std::shared_ptr<FakeRelationship>& relationship,
                                                      const std::string& cardinality) {
        auto association = std::make_shared<FakeAssociation>();
        association->cardinality = cardinality;
        association->relationship = relationship;
        association->source = source;
        association->target = target;
        source->sourceAssociations->items.push_back(association);
        target->targetAssociations->items.push_back(association);
        return association;
    }

    std::vector<std::shared_ptr<FakeBusinessObject>> mBusinessObjects;
};

}  // namespace testing_support
