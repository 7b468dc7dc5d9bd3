#pragma once
// Deleting the stored rows of one model item of an open application. Each runs in one transaction
// (WriteStamped with the stamp given): on an error nothing is deleted. No row is left
// referring to a deleted one.

#include <cstdint>
#include <vector>

#include "platform/dao/SqliteDatabase.h"
#include "repository/ApplicationStamp.h"

namespace repository {

void DeleteStoredMethod(dao::SqliteDatabase& repository, int32_t methodID, ApplicationStamp* stamp = nullptr);

// The relationship's row and its association rows. The properties that were its foreign keys lose their
// association and the property they referred to, and their fields the foreign-key flag.
void DeleteStoredRelationship(dao::SqliteDatabase& repository, int32_t relationshipID,
                              ApplicationStamp* stamp = nullptr);

// The property's row with its field and permitted values. Other properties that referred to it (as the
// key they take over or the property they display) lose that reference.
void DeleteStoredProperty(dao::SqliteDatabase& repository, int32_t propertyID,
                          ApplicationStamp* stamp = nullptr);

// Every relationship with an association from or to the business object (as DeleteStoredRelationship),
// then its table, its properties (as DeleteStoredProperty), its methods and its own row.
void DeleteStoredBusinessObject(dao::SqliteDatabase& repository, int32_t businessObjectID,
                                ApplicationStamp* stamp = nullptr);

// Stored items a command took out of the model, whose rows go with the next save (so that a model not
// saved leaves the repository as it was).
struct DeferredDeletes {
    std::vector<int32_t> Relationships, Properties, BusinessObjects;
};

// Deletes them, in that order, each as the functions above, inside the caller's transaction.
void DeleteDeferredRows(dao::SqliteDatabase& repository, const DeferredDeletes& deletes);

}  // namespace repository
