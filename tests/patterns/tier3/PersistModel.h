#pragma once
// Models for the persistence class: properties with key order, field nullability, foreign keys, DBIDs and
// permitted values, and an engine that resolves every token the class uses from the generator context.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "patternkit/CodeText.h"
#include "patternkit/PatternBase.h"
#include "patterns/tier3/GeneratorContext.h"
#include "patterns/tier3/Generators.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "tests/patterns/tier3/SampleModel.h"
#include "typelib/IField.h"
#include "typelib/ITable.h"

namespace testing_support {

class NullableField : public FakeField {
  public:
    bool isNullable = false;
    std::shared_ptr<typelib::IProperty> owner;
    bool IsNullable() const override { return isNullable; }

  protected:
    std::shared_ptr<typelib::IProperty> GetBusObjProperty() const override { return owner; }
};

class PersistProperty : public SampleProperty {
  public:
    int16_t keyIndex = 0;
    int32_t dbid = 0;
    bool isPVList = false;
    std::string owningBusObj;
    std::shared_ptr<typelib::IField> foreignKeyField;
    std::shared_ptr<typelib::IProperty> displayedProp;
    std::shared_ptr<FakeList<std::string>> permittedValues = std::make_shared<FakeList<std::string>>();

    int16_t KeyIndex() const override { return keyIndex; }
    int32_t DBID() const override { return dbid; }
    bool IsPVList() const override { return isPVList; }
    std::string BusinessObjectName() const override { return owningBusObj; }

  protected:
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override { return foreignKeyField; }
    std::shared_ptr<typelib::IProperty> GetPVFKeyDisplayedProp() const override { return displayedProp; }
    std::shared_ptr<typelib::TextList> GetPermittedValues() const override { return permittedValues; }
};

// A property stored in the field `fieldName` (the property's name when empty).
inline std::shared_ptr<PersistProperty> AddPersistProperty(FakeBusinessObject& owner, const std::string& name,
                                                           const std::string& dataType, int32_t length = 0,
                                                           const std::string& fieldName = {}) {
    auto property = std::make_shared<PersistProperty>();
    property->name = name;
    property->label = name;
    property->dataType = dataType;
    property->length = length;
    property->owningBusObj = owner.name;
    auto field = std::make_shared<NullableField>();
    field->name = fieldName.empty() ? name : fieldName;
    field->table = owner.table;
    property->field = field;
    owner.properties->items.push_back(property);
    return property;
}

inline std::shared_ptr<PersistProperty> AddKey(FakeBusinessObject& owner, const std::string& name,
                                               const std::string& dataType, int16_t keyIndex,
                                               int32_t length = 0) {
    auto key = AddPersistProperty(owner, name, dataType, length);
    key->isKey = true;
    key->keyIndex = keyIndex;
    return key;
}

class PersistApplication : public SampleApplication {
  public:
    std::string dbType = "SQL";
    std::string DBType() const override { return dbType; }
};

// A pattern that only holds the current objects, for a generator driven alone: the context sets the
// slots and the engine reads them through the pattern's getters.
class SlotsPattern : public patternkit::CurrentObjectsPattern {
  public:
    SlotsPattern() : CurrentObjectsPattern(patternkit::SkeletonIdentity()) {}
    std::optional<int16_t> Build() override { return std::nullopt; }
    patternkit::CurrentObjects& Slots() { return mCurrent; }
};

// The lines of the persistence class of `busObj`, its tokens resolved.
inline std::vector<std::string> GeneratePersist(const std::shared_ptr<FakeBusinessObject>& busObj,
                                                const std::shared_ptr<PersistApplication>& application,
                                                const std::shared_ptr<SampleMethods>& methods,
                                                const patternkit::BusinessObjectSet& references = {}) {
    auto engine = std::make_shared<TokenEngine>();
    SlotsPattern pattern;
    tier3::GeneratorContext context(pattern.Slots());
    engine->pattern = &pattern;
    context.SetInputs(
        {engine, application, busObj, patternkit::AllOf(*busObj->properties), patternkit::AllOf(*methods)});
    context.SetRelated({}, {}, references);
    context.NameComponents(busObj->name);
    context.Current().busObj = busObj;
    tier3::GenerateL3BusObj(context);
    return engine->lines;
}

// The lines of every component the pattern builds of `busObj`, by "project/component", its tokens resolved.
inline std::map<std::string, std::vector<std::string>> BuildThreeTier(
    const std::shared_ptr<typelib::IApplication>& application,
    const std::shared_ptr<FakeBusinessObject>& busObj, const std::shared_ptr<SampleMethods>& methods) {
    auto engine = std::make_shared<TokenEngine>();
    tier3::T3BusinessObject pattern;
    engine->pattern = &pattern;
    engine->application = application;
    pattern.SetApplication(application);
    pattern.SetBusinessObject(busObj);
    pattern.SetProperties(busObj->properties);
    pattern.SetMethods(methods);
    pattern.SetConstructor(engine);
    EXPECT_EQ(pattern.Build(), std::optional<int16_t>(0));
    return engine->componentLines;
}

}  // namespace testing_support
