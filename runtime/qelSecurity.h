#pragma once
// The restrictions of one user on one business object, read from the table Security of the security
// database: the methods the user may not run and the properties the user may not edit or see.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ModelCollection.h"
#include "platform/dao/Database.h"
#include "runtime/SecurityDatabase.h"
#include "typelib/ISecurity.h"

namespace runtime {

class qelSecurity final : public typelib::ISecurity {
  public:
    using RestrictionList = core::ModelCollection<std::string, std::string>;

    // Opens the security database; fails with the engine's error when it cannot.
    qelSecurity();

    DatabasePtr dbSecurity() const override { return mdbSecurity; }
    void SetdbSecurity(DatabasePtr database) override { mdbSecurity = std::move(database); }

    // Values are compared as the engine compares text (letter case ignored), never joined into a
    // statement. A Null ComponentName fails with error 94, keeping the names added before it.
    void GetRestrictions(const vb::Variant& vUserID, const vb::Variant& vBusObjName,
                         const vb::Variant& vObjType) override;

    std::shared_ptr<typelib::TextList> MethodRestrictions() const override { return mMethodRestrictions; }
    std::shared_ptr<typelib::TextList> ViewRestrictions() const override { return mViewRestrictions; }
    std::shared_ptr<typelib::TextList> EditRestrictions() const override { return mEditRestrictions; }

  private:
    void AddComponentNames(const std::vector<dao::Criterion>& criteria, RestrictionList& list);

    std::shared_ptr<RestrictionList> mMethodRestrictions = std::make_shared<RestrictionList>();
    std::shared_ptr<RestrictionList> mViewRestrictions = std::make_shared<RestrictionList>();
    std::shared_ptr<RestrictionList> mEditRestrictions = std::make_shared<RestrictionList>();
    DatabasePtr mdbSecurity;
};

}  // namespace runtime
