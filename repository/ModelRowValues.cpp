#include "repository/ModelRowValues.h"

#include "core/ObjectAccess.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"

namespace repository {

namespace {

using core::Required;

// The ID of the property whose field a foreign key refers to; 0 when it refers to no modelled property.
int32_t ReferencedPropertyID(const core::qelBusObjProperty& property) {
    const auto& field = property.ForeignKeyField();
    const auto owner = field ? field->BusObjProperty() : nullptr;
    return owner ? owner->DBID() : 0;
}

}  // namespace

dao::ColumnValues BusinessObjectRowValues(const core::qelBusinessObject& businessObject,
                                          int32_t applicationID) {
    return {{"ApplicationID", applicationID},
            {"Name", businessObject.Name()},
            {"L1ClassName", businessObject.L1ClassName()},
            {"L2BusObjClass", businessObject.L2BusObjClass()},
            {"L2DisplayClass", businessObject.L2DisplayClass()},
            {"L2ListClass", businessObject.L2ListClass()},
            {"L3BusObjClass", businessObject.L3BusObjClass()},
            {"L3ListClass", businessObject.L3ListClass()}};
}

dao::ColumnValues TableRowValues(const core::qelTable& table, int32_t businessObjectID) {
    return {{"BusObjID", businessObjectID}, {"Name", table.Name()}};
}

dao::ColumnValues PropertyRowValues(const core::qelBusObjProperty& property, int32_t businessObjectID) {
    dao::ColumnValues values = {{"Access", property.Access()},
                                {"BusObjID", businessObjectID},
                                {"Name", property.Name()},
                                {"DataType", property.DataType()},
                                {"Length", property.Length()},
                                {"IsKey", property.IsKey()},
                                {"Label", property.Label()},
                                {"ControlType", property.ControlType()},
                                {"IsUnique", property.IsUnique()},
                                {"IsMandatory", property.IsMandatory()},
                                {"IsPVList", property.IsPVList()},
                                {"IsVirtual", property.IsVirtual()},
                                {"IsPVTable", property.IsPVTable()},
                                {"IsPVRange", property.IsPVRange()},
                                {"IsPVFKey", property.IsPVFKey()},
                                {"LowerBound", property.LowerBound()},
                                {"UpperBound", property.UpperBound()},
                                {"PVTableClass", property.PVTableClass()}};
    if (Required(property.Field()).IsForeignKey())
        values.push_back({"ForeignKeyFldID", ReferencedPropertyID(property)});
    return values;
}

dao::ColumnValues FieldRowValues(const core::qelField& field, int32_t propertyID, int32_t tableID) {
    return {{"BusObjPropID", propertyID},
            {"TableID", tableID},
            {"Name", field.Name()},
            {"DataType", field.DataType()},
            {"Length", field.Length()},
            {"IsPrimaryKey", field.IsPrimaryKey()},
            {"IsNullable", field.IsNullable()},
            {"IsForeignKey", field.IsForeignKey()}};
}

dao::ColumnValues MethodRowValues(const core::qelBusObjMethod& method, int32_t businessObjectID) {
    return {{"Name", method.Name()},
            {"BusObjID", businessObjectID},
            {"MethodType", method.MethodType()},
            {"IsStoredProcedure", method.IsStoredProcedure()},
            {"StoredProcedureName", method.StoredProcedureName()},
            {"ReturnDataType", method.ReturnDataType()}};
}

dao::ColumnValues RelationshipRowValues(const core::qelRelationship& relationship, int32_t applicationID) {
    return {{"ApplicationID", applicationID}, {"RelType", relationship.RelType()}};
}

dao::ColumnValues AssociationRowValues(const core::qelAssociation& association, int32_t relationshipID) {
    return {{"SourceBusObjID", Required(association.SourceBusObj()).DBID()},
            {"TargetBusObjID", Required(association.TargetBusObj()).DBID()},
            {"RelationshipID", relationshipID},
            {"Cardinality", association.Cardinality()},
            {"Description", association.Description()},
            {"IsOptional", association.IsOptional()}};
}

dao::ColumnValues ForeignPropertyRowValues(const core::qelBusObjProperty& property, int32_t associationID) {
    dao::ColumnValues values;
    if (Required(property.Field()).IsForeignKey())
        values.push_back({"ForeignKeyFldID", ReferencedPropertyID(property)});
    values.push_back({"AssociationID", associationID});
    return values;
}

}  // namespace repository
