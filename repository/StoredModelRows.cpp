#include "repository/StoredModelRows.h"

#include <string>

#include "repository/StoredRow.h"

namespace repository {

namespace {

const std::string kOfBusinessObjects =
    " JOIN \"BusinessObject\" b ON b.\"ID\" = c.\"BusObjID\" WHERE b.\"ApplicationID\" = ?1";
const std::string kOfProperties =
    " JOIN \"Property\" p ON p.\"ID\" = c.\"{}\" JOIN \"BusinessObject\" b ON "
    "b.\"ID\" = p.\"BusObjID\" WHERE b.\"ApplicationID\" = ?1";

std::string OfProperties(const std::string& link) {
    std::string join = kOfProperties;
    join.replace(join.find("{}"), 2, link);
    return join;
}

std::unordered_map<int32_t, const dao::Row*> ByID(const dao::RowSet& rows, const char* table) {
    std::unordered_map<int32_t, const dao::Row*> byID;
    for (const dao::Row& row : rows)
        byID.emplace(StoredRow(table, row).Long("ID"), &row);
    return byID;
}

}  // namespace

StoredModelRows::StoredModelRows(dao::SqliteDatabase& repository, int32_t applicationID) {
    const dao::Parameters application = {applicationID};
    mBusinessObjects = repository.Query(
        "SELECT * FROM \"BusinessObject\" WHERE \"ApplicationID\" = ?1 ORDER BY \"ID\"", application);
    mTables = repository.Query("SELECT c.* FROM \"Table\" c" + kOfBusinessObjects + " ORDER BY c.\"ID\"",
                               application);
    mProperties = repository.Query(
        "SELECT c.* FROM \"Property\" c" + kOfBusinessObjects + " ORDER BY c.\"ID\"", application);
    mMethods = repository.Query("SELECT c.* FROM \"Method\" c" + kOfBusinessObjects + " ORDER BY c.\"ID\"",
                                application);
    mFields = repository.Query(
        "SELECT c.* FROM \"Field\" c" + OfProperties("BusObjPropID") + " ORDER BY c.\"ID\"", application);
    mValues = repository.Query(
        "SELECT c.* FROM \"PermittedValues\" c" + OfProperties("PropID") + " ORDER BY c.rowid", application);
    mRelationships = repository.Query(
        "SELECT * FROM \"Relationship\" WHERE \"ApplicationID\" = ?1 ORDER BY \"ID\"", application);
    mAssociations = repository.Query(
        "SELECT c.* FROM \"Association\" c JOIN \"Relationship\" r ON r.\"ID\" = c.\"RelationshipID\" "
        "WHERE r.\"ApplicationID\" = ?1 ORDER BY c.\"ID\"",
        application);

    mTablesByBusObj = GroupBy(mTables, "Table", "BusObjID");
    mPropertiesByBusObj = GroupBy(mProperties, "Property", "BusObjID");
    mMethodsByBusObj = GroupBy(mMethods, "Method", "BusObjID");
    mFieldsByProperty = GroupBy(mFields, "Field", "BusObjPropID");
    mValuesByProperty = GroupBy(mValues, "PermittedValues", "PropID");
    mAssociationsByRelationship = GroupBy(mAssociations, "Association", "RelationshipID");
    mPropertiesByAssociation = GroupBy(mProperties, "Property", "AssociationID");
    mBusinessObjectByID = ByID(mBusinessObjects, "BusinessObject");
    mPropertyByID = ByID(mProperties, "Property");
}

const RowGroup& StoredModelRows::Group(const Groups& groups, int32_t parentID) {
    static const RowGroup kNone;
    const auto found = groups.find(parentID);
    return found == groups.end() ? kNone : found->second;
}

StoredModelRows::Groups StoredModelRows::GroupBy(const dao::RowSet& rows, const char* table,
                                                 const char* parentColumn) {
    Groups groups;
    for (const dao::Row& row : rows) {
        if (!row[parentColumn].IsNull())
            groups[StoredRow(table, row).Long(parentColumn)].push_back(&row);
    }
    return groups;
}

const dao::Row* StoredModelRows::BusinessObject(int32_t id) const {
    const auto found = mBusinessObjectByID.find(id);
    return found == mBusinessObjectByID.end() ? nullptr : found->second;
}

const dao::Row* StoredModelRows::Property(int32_t id) const {
    const auto found = mPropertyByID.find(id);
    return found == mPropertyByID.end() ? nullptr : found->second;
}

}  // namespace repository
