#pragma once
// One directed end of a relationship. Its relationship and its two business objects are references
// back up the model: they do not own, and read empty once the object is gone.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "platform/vb/Object.h"
#include "typelib/IAssociation.h"

namespace core {

class qelAssociation : public typelib::IAssociation {
  public:
    qelAssociation();

    const std::shared_ptr<PropertyCollection>& SourceForeignProperties() const {
        return mSourceForeignProperties;
    }
    void SetSourceForeignProperties(std::shared_ptr<PropertyCollection> value) {
        mSourceForeignProperties = std::move(value);
    }
    // The three object setters take any object (or nothing); anything of another class is a type
    // mismatch (13) and changes nothing.
    std::shared_ptr<qelRelationship> Relationship() const { return mRelationship.lock(); }
    void SetRelationship(const vb::ObjectPtr& value);
    std::string Description() const { return mDescription; }
    void SetDescription(std::string value) { mDescription = std::move(value); }
    std::string Cardinality() const override { return mCardinality; }
    void SetCardinality(std::string value) { mCardinality = std::move(value); }
    bool IsOptional() const override { return mIsOptional; }
    void SetIsOptional(bool value) { mIsOptional = value; }
    std::shared_ptr<qelBusinessObject> TargetBusObj() const { return mTargetBusObj.lock(); }
    void SetTargetBusObj(const vb::ObjectPtr& value);
    std::shared_ptr<qelBusinessObject> SourceBusObj() const { return mSourceBusObj.lock(); }
    void SetSourceBusObj(const vb::ObjectPtr& value);
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

  private:
    std::shared_ptr<typelib::IRelationship> GetRelationship() const override;
    std::shared_ptr<typelib::IBusinessObject> GetSourceBusObj() const override;
    std::shared_ptr<typelib::IBusinessObject> GetTargetBusObj() const override;
    std::shared_ptr<typelib::PropertyList> GetSourceForeignProperties() const override;

    std::shared_ptr<PropertyCollection> mSourceForeignProperties;
    std::weak_ptr<qelRelationship> mRelationship;
    std::string mDescription;
    std::string mCardinality;
    bool mIsOptional = false;
    std::weak_ptr<qelBusinessObject> mTargetBusObj;
    std::weak_ptr<qelBusinessObject> mSourceBusObj;
    int32_t mDBID = 0;
};

}  // namespace core
