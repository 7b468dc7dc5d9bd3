#pragma once
// The rows below one application, read with one query per table and grouped by their parent's ID. Each
// group holds its rows in the order they were added.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/dao/SqliteDatabase.h"

namespace repository {

using RowGroup = std::vector<const dao::Row*>;

class StoredModelRows {
  public:
    StoredModelRows(dao::SqliteDatabase& repository, int32_t applicationID);
    StoredModelRows(const StoredModelRows&) = delete;
    StoredModelRows& operator=(const StoredModelRows&) = delete;

    const dao::RowSet& BusinessObjects() const { return mBusinessObjects; }
    const dao::RowSet& Relationships() const { return mRelationships; }
    // Every row read, table by table.
    std::vector<const dao::RowSet*> AllRows() const {
        return {&mBusinessObjects, &mTables,  &mProperties,    &mFields,
                &mValues,          &mMethods, &mRelationships, &mAssociations};
    }

    // Empty groups for a parent without children.
    const RowGroup& TablesOf(int32_t businessObjectID) const {
        return Group(mTablesByBusObj, businessObjectID);
    }
    const RowGroup& PropertiesOf(int32_t businessObjectID) const {
        return Group(mPropertiesByBusObj, businessObjectID);
    }
    const RowGroup& MethodsOf(int32_t businessObjectID) const {
        return Group(mMethodsByBusObj, businessObjectID);
    }
    const RowGroup& FieldsOf(int32_t propertyID) const { return Group(mFieldsByProperty, propertyID); }
    const RowGroup& PermittedValuesOf(int32_t propertyID) const {
        return Group(mValuesByProperty, propertyID);
    }
    const RowGroup& AssociationsOf(int32_t relationshipID) const {
        return Group(mAssociationsByRelationship, relationshipID);
    }
    // The application's property rows whose AssociationID is the association's.
    const RowGroup& ForeignPropertiesOf(int32_t associationID) const {
        return Group(mPropertiesByAssociation, associationID);
    }

    // A row of this application by its ID; null when there is none.
    const dao::Row* BusinessObject(int32_t id) const;
    const dao::Row* Property(int32_t id) const;

  private:
    using Groups = std::unordered_map<int32_t, RowGroup>;
    static const RowGroup& Group(const Groups& groups, int32_t parentID);
    // Groups `rows` of `table` by the Long in `parentColumn`; rows whose parent is Null are in no group.
    static Groups GroupBy(const dao::RowSet& rows, const char* table, const char* parentColumn);

    dao::RowSet mBusinessObjects;
    dao::RowSet mTables;
    dao::RowSet mProperties;
    dao::RowSet mFields;
    dao::RowSet mValues;
    dao::RowSet mMethods;
    dao::RowSet mRelationships;
    dao::RowSet mAssociations;
    Groups mTablesByBusObj;
    Groups mPropertiesByBusObj;
    Groups mMethodsByBusObj;
    Groups mFieldsByProperty;
    Groups mValuesByProperty;
    Groups mAssociationsByRelationship;
    Groups mPropertiesByAssociation;
    std::unordered_map<int32_t, const dao::Row*> mBusinessObjectByID;
    std::unordered_map<int32_t, const dao::Row*> mPropertyByID;
};

}  // namespace repository
