#include "repository/ModelItemDelete.h"

#include <cstddef>
#include <vector>

namespace repository {

namespace {

// Each statement finds its rows through rows that are not deleted yet.
constexpr const char* kRelationshipDeletes[] = {
    R"sql(UPDATE "Field" SET "IsForeignKey" = 0 WHERE "BusObjPropID" IN
          (SELECT "ID" FROM "Property" WHERE "AssociationID" IN
           (SELECT "ID" FROM "Association" WHERE "RelationshipID" = ?1)))sql",
    R"sql(UPDATE "Property" SET "AssociationID" = NULL, "ForeignKeyFldID" = NULL WHERE "AssociationID" IN
          (SELECT "ID" FROM "Association" WHERE "RelationshipID" = ?1))sql",
    R"sql(DELETE FROM "Association" WHERE "RelationshipID" = ?1)sql",
    R"sql(DELETE FROM "Relationship" WHERE "ID" = ?1)sql",
};

constexpr const char* kPropertyDeletes[] = {
    R"sql(DELETE FROM "Field" WHERE "BusObjPropID" = ?1)sql",
    R"sql(DELETE FROM "PermittedValues" WHERE "PropID" = ?1)sql",
    R"sql(UPDATE "Property" SET "ForeignKeyFldID" = NULL WHERE "ForeignKeyFldID" = ?1)sql",
    R"sql(UPDATE "Property" SET "PVFKeyDisplayedPropID" = NULL WHERE "PVFKeyDisplayedPropID" = ?1)sql",
    R"sql(DELETE FROM "Property" WHERE "ID" = ?1)sql",
};

constexpr const char* kBusinessObjectDeletes[] = {
    R"sql(DELETE FROM "Field" WHERE "TableID" IN (SELECT "ID" FROM "Table" WHERE "BusObjID" = ?1))sql",
    R"sql(DELETE FROM "Table" WHERE "BusObjID" = ?1)sql",
    R"sql(DELETE FROM "Method" WHERE "BusObjID" = ?1)sql",
    R"sql(DELETE FROM "BusinessObject" WHERE "ID" = ?1)sql",
};

template <size_t N>
void Run(dao::SqliteDatabase& repository, const char* const (&statements)[N], int32_t id) {
    for (const char* sql : statements)
        repository.Execute(sql, {id});
}

// The first column of every row of `sql`.
std::vector<int32_t> IDs(dao::SqliteDatabase& repository, const char* sql, int32_t id) {
    std::vector<int32_t> ids;
    for (const dao::Row& row : repository.Query(sql, {id}))
        ids.push_back(row[std::size_t{0}].ToLong());
    return ids;
}

void DeleteRelationshipRows(dao::SqliteDatabase& repository, int32_t relationshipID) {
    Run(repository, kRelationshipDeletes, relationshipID);
}

void DeletePropertyRows(dao::SqliteDatabase& repository, int32_t propertyID) {
    Run(repository, kPropertyDeletes, propertyID);
}

void DeleteBusinessObjectRows(dao::SqliteDatabase& repository, int32_t businessObjectID) {
    for (const int32_t relationshipID : IDs(repository,
                                            R"sql(SELECT DISTINCT "RelationshipID" FROM "Association"
                   WHERE "SourceBusObjID" = ?1 OR "TargetBusObjID" = ?1)sql",
                                            businessObjectID))
        DeleteRelationshipRows(repository, relationshipID);
    for (const int32_t propertyID :
         IDs(repository, R"sql(SELECT "ID" FROM "Property" WHERE "BusObjID" = ?1)sql", businessObjectID))
        DeletePropertyRows(repository, propertyID);
    Run(repository, kBusinessObjectDeletes, businessObjectID);
}

void DeleteMethodRows(dao::SqliteDatabase& repository, int32_t methodID) {
    repository.Execute(R"sql(DELETE FROM "Method" WHERE "ID" = ?1)sql", {methodID});
}

// The rows of one item, in a transaction of their own.
void DeleteInTransaction(dao::SqliteDatabase& repository, void (*deleteRows)(dao::SqliteDatabase&, int32_t),
                         int32_t id, ApplicationStamp* stamp) {
    WriteStamped(repository, stamp, [&] { deleteRows(repository, id); });
}

}  // namespace

void DeleteStoredMethod(dao::SqliteDatabase& repository, int32_t methodID, ApplicationStamp* stamp) {
    DeleteInTransaction(repository, DeleteMethodRows, methodID, stamp);
}

void DeleteStoredRelationship(dao::SqliteDatabase& repository, int32_t relationshipID,
                              ApplicationStamp* stamp) {
    DeleteInTransaction(repository, DeleteRelationshipRows, relationshipID, stamp);
}

void DeleteStoredProperty(dao::SqliteDatabase& repository, int32_t propertyID, ApplicationStamp* stamp) {
    DeleteInTransaction(repository, DeletePropertyRows, propertyID, stamp);
}

void DeleteStoredBusinessObject(dao::SqliteDatabase& repository, int32_t businessObjectID,
                                ApplicationStamp* stamp) {
    DeleteInTransaction(repository, DeleteBusinessObjectRows, businessObjectID, stamp);
}

void DeleteDeferredRows(dao::SqliteDatabase& repository, const DeferredDeletes& deletes) {
    for (const int32_t id : deletes.Relationships)
        DeleteRelationshipRows(repository, id);
    for (const int32_t id : deletes.Properties)
        DeletePropertyRows(repository, id);
    for (const int32_t id : deletes.BusinessObjects)
        DeleteBusinessObjectRows(repository, id);
}

}  // namespace repository
