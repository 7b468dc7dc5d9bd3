#include "repository/ApplicationDelete.h"

#include "platform/vb/Error.h"
#include "repository/RepositoryWrite.h"

namespace repository {
namespace {

// Children before their parents: each statement finds its rows through rows not yet deleted.
constexpr const char* kDeletes[] = {
    R"sql(DELETE FROM "PermittedValues" WHERE "PropID" IN (SELECT "ID" FROM "Property" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1)))sql",
    R"sql(DELETE FROM "Field" WHERE "BusObjPropID" IN (SELECT "ID" FROM "Property" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1))
          OR "TableID" IN (SELECT "ID" FROM "Table" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1)))sql",
    R"sql(DELETE FROM "Property" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1))sql",
    R"sql(DELETE FROM "Method" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1))sql",
    R"sql(DELETE FROM "Table" WHERE "BusObjID" IN
          (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1))sql",
    R"sql(DELETE FROM "Association" WHERE "RelationshipID" IN
          (SELECT "ID" FROM "Relationship" WHERE "ApplicationID" = ?1)
          OR "SourceBusObjID" IN (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1)
          OR "TargetBusObjID" IN (SELECT "ID" FROM "BusinessObject" WHERE "ApplicationID" = ?1))sql",
    R"sql(DELETE FROM "Relationship" WHERE "ApplicationID" = ?1)sql",
    R"sql(DELETE FROM "BusinessObject" WHERE "ApplicationID" = ?1)sql",
    R"sql(DELETE FROM "Application" WHERE "ID" = ?1)sql",
};

}  // namespace

void DeleteApplication(dao::SqliteDatabase& repository, int32_t applicationID,
                       const ApplicationStamp* stamp) {
    try {
        WriteRepository(repository, [&] {
            if (stamp)
                stamp->Require(repository, IfDeleted::Pass);
            for (const char* sql : kDeletes)
                repository.Execute(sql, {applicationID});
        });
    } catch (vb::Error& error) {
        error.SetSource("DeleteApplication");
        throw;
    }
}

}  // namespace repository
