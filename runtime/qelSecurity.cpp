#include "runtime/qelSecurity.h"

namespace runtime {

namespace {

constexpr const char* kTable = "Security";

std::vector<dao::Criterion> Extended(std::vector<dao::Criterion> criteria,
                                     std::initializer_list<dao::Criterion> more) {
    criteria.insert(criteria.end(), more);
    return criteria;
}

}  // namespace

qelSecurity::qelSecurity() : mdbSecurity(OpenSecurityDatabase()) {}

void qelSecurity::GetRestrictions(const vb::Variant& vUserID, const vb::Variant& vBusObjName,
                                  const vb::Variant& /*vObjType*/) {
    const std::vector<dao::Criterion> ofUserAndObject{{"UserID", JoinedText(vUserID)},
                                                      {"BusinessObject", JoinedText(vBusObjName)}};
    AddComponentNames(Extended(ofUserAndObject, {{"ComponentType", "Method"}}), *mMethodRestrictions);
    AddComponentNames(Extended(ofUserAndObject, {{"ComponentType", "Property"}, {"Restriction", "Edit"}}),
                      *mEditRestrictions);
    AddComponentNames(Extended(ofUserAndObject, {{"ComponentType", "Property"}, {"Restriction", "View"}}),
                      *mViewRestrictions);
}

void qelSecurity::AddComponentNames(const std::vector<dao::Criterion>& criteria, RestrictionList& list) {
    for (const dao::Row& row : Opened(mdbSecurity).SelectRows(kTable, criteria))
        list.Add(row["ComponentName"].ToString());
}

}  // namespace runtime
