#pragma once
// The columns a save writes for each model object below the application, from the object and the IDs of
// the rows it belongs to: one list for the save and for the digest of what it would write.

#include <cstdint>

#include "platform/dao/SqliteDatabase.h"

namespace core {
class qelAssociation;
class qelBusObjMethod;
class qelBusObjProperty;
class qelBusinessObject;
class qelField;
class qelRelationship;
class qelTable;
}  // namespace core

namespace repository {

dao::ColumnValues BusinessObjectRowValues(const core::qelBusinessObject& businessObject,
                                          int32_t applicationID);
dao::ColumnValues TableRowValues(const core::qelTable& table, int32_t businessObjectID);
dao::ColumnValues PropertyRowValues(const core::qelBusObjProperty& property, int32_t businessObjectID);
dao::ColumnValues FieldRowValues(const core::qelField& field, int32_t propertyID, int32_t tableID);
dao::ColumnValues MethodRowValues(const core::qelBusObjMethod& method, int32_t businessObjectID);
dao::ColumnValues RelationshipRowValues(const core::qelRelationship& relationship, int32_t applicationID);
dao::ColumnValues AssociationRowValues(const core::qelAssociation& association, int32_t relationshipID);
// The columns a save edits on a source foreign property of an association.
dao::ColumnValues ForeignPropertyRowValues(const core::qelBusObjProperty& property, int32_t associationID);

}  // namespace repository
