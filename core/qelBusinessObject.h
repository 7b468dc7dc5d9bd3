#pragma once
// One business object of the model: its names, its table, and its properties, methods and associations.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "typelib/IBusinessObject.h"

namespace core {

class qelBusinessObject : public typelib::IBusinessObject {
  public:
    qelBusinessObject();

    // Chosen in the current generation run; kept only in memory.
    bool IsBuilt() const override { return mIsBuilt; }
    void SetIsBuilt(bool value) { mIsBuilt = value; }

    // Keyed by the business object's name & ".Properties." & the property's name.
    const std::shared_ptr<PropertyCollection>& Properties() const { return mProperties; }
    void SetProperties(std::shared_ptr<PropertyCollection> value) { mProperties = std::move(value); }
    const std::shared_ptr<PropertyCollection>& KeyProperties() const { return mKeyProperties; }
    void SetKeyProperties(std::shared_ptr<PropertyCollection> value) { mKeyProperties = std::move(value); }
    const std::shared_ptr<MethodCollection>& Methods() const { return mMethods; }
    void SetMethods(std::shared_ptr<MethodCollection> value) { mMethods = std::move(value); }
    const std::shared_ptr<VariantCollection>& Windows() const { return mWindows; }
    void SetWindows(std::shared_ptr<VariantCollection> value) { mWindows = std::move(value); }

    int32_t BaseErrorNumber() const override { return mBaseErrorNumber; }
    void SetBaseErrorNumber(int32_t value) { mBaseErrorNumber = value; }
    const std::string& Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }

    // Class names per tier, given by the code that creates the business object.
    std::string L1ClassName() const { return mL1ClassName; }
    void SetL1ClassName(std::string value) { mL1ClassName = std::move(value); }
    std::string L2BusObjClass() const { return mL2BusObjClass; }
    void SetL2BusObjClass(std::string value) { mL2BusObjClass = std::move(value); }
    std::string L2DisplayClass() const { return mL2DisplayClass; }
    void SetL2DisplayClass(std::string value) { mL2DisplayClass = std::move(value); }
    std::string L2ListClass() const { return mL2ListClass; }
    void SetL2ListClass(std::string value) { mL2ListClass = std::move(value); }
    std::string L3BusObjClass() const { return mL3BusObjClass; }
    void SetL3BusObjClass(std::string value) { mL3BusObjClass = std::move(value); }
    std::string L3ListClass() const { return mL3ListClass; }
    void SetL3ListClass(std::string value) { mL3ListClass = std::move(value); }

    int32_t DBID() const override { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

    const std::shared_ptr<qelTable>& Table() const { return mTable; }
    void SetTable(std::shared_ptr<qelTable> value) { mTable = std::move(value); }
    const std::shared_ptr<AssociationCollection>& SourceAssociations() const { return mSourceAssociations; }
    void SetSourceAssociations(std::shared_ptr<AssociationCollection> value) {
        mSourceAssociations = std::move(value);
    }
    const std::shared_ptr<AssociationCollection>& TargetAssociations() const { return mTargetAssociations; }
    void SetTargetAssociations(std::shared_ptr<AssociationCollection> value) {
        mTargetAssociations = std::move(value);
    }

  private:
    std::shared_ptr<typelib::ITable> GetTable() const override;
    std::shared_ptr<typelib::PropertyList> GetProperties() const override;
    std::shared_ptr<typelib::MethodList> GetMethods() const override;
    std::shared_ptr<typelib::AssociationList> GetSourceAssociations() const override;
    std::shared_ptr<typelib::AssociationList> GetTargetAssociations() const override;

    bool mIsBuilt = false;
    std::shared_ptr<PropertyCollection> mProperties;
    std::shared_ptr<PropertyCollection> mKeyProperties;
    std::shared_ptr<MethodCollection> mMethods;
    std::shared_ptr<VariantCollection> mWindows;
    int32_t mBaseErrorNumber = 0;
    std::string mName;
    std::string mL1ClassName;
    std::string mL2BusObjClass;
    std::string mL2DisplayClass;
    std::string mL2ListClass;
    std::string mL3BusObjClass;
    std::string mL3ListClass;
    int32_t mDBID = 0;
    std::shared_ptr<qelTable> mTable;
    std::shared_ptr<AssociationCollection> mSourceAssociations;
    std::shared_ptr<AssociationCollection> mTargetAssociations;
};

// A business object as a person or an import starts one: the class names derived from its name, a table
// of `tableName` that refers back to it, and the four standard methods.
std::shared_ptr<qelBusinessObject> NewBusinessObject(const std::string& name, const std::string& tableName);

}  // namespace core
