#pragma once
// A relationship between two business objects, made of its two associations.

#include <cstdint>
#include <memory>
#include <string>

#include "core/ModelFwd.h"
#include "typelib/IRelationship.h"

namespace core {

class qelRelationship : public typelib::IRelationship {
  public:
    qelRelationship();

    std::string RelType() const override { return mRelType; }
    void SetRelType(std::string value) { mRelType = std::move(value); }
    std::string Name() const override { return mName; }
    void SetName(std::string value) { mName = std::move(value); }
    const std::shared_ptr<vb::Collection<std::shared_ptr<qelAssociation>>>& Associations() const {
        return mAssociations;
    }
    void SetAssociations(std::shared_ptr<vb::Collection<std::shared_ptr<qelAssociation>>> value) {
        mAssociations = std::move(value);
    }
    int32_t DBID() const { return mDBID; }
    void SetDBID(int32_t value) { mDBID = value; }

  private:
    std::string mRelType;
    std::string mName;
    std::shared_ptr<vb::Collection<std::shared_ptr<qelAssociation>>> mAssociations;
    int32_t mDBID = 0;
};

}  // namespace core
