#include "repository/ApplicationLoad.h"

#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "repository/ApplicationRow.h"
#include "repository/NoCurrentRecord.h"
#include "repository/StoredModelRows.h"

namespace repository {

namespace {

using core::qelBusinessObject;
using core::qelBusObjProperty;

std::string Text(const dao::Row& row, const char* column) {
    return row[column].ToString();
}
int32_t Long(const dao::Row& row, const char* column) {
    return row[column].ToLong();
}
bool Boolean(const dao::Row& row, const char* column) {
    return row[column].ToBoolean();
}

std::string PropertyKey(const qelBusinessObject& businessObject, const std::string& propertyName) {
    return businessObject.Name() + ".Properties." + propertyName;
}

class ApplicationReader {
  public:
    ApplicationReader(const StoredModelRows& rows, core::qelApplication& application,
                      ModelItemHandlers& handlers)
        : mRows(rows), mApplication(application), mHandlers(handlers) {}

    void Read() {
        for (const dao::Row& row : mRows.BusinessObjects())
            ReadBusinessObject(row);
        ReadDisplayedProperties();
        for (const dao::Row& row : mRows.Relationships())
            ReadRelationship(row);
    }

  private:
    void ReadBusinessObject(const dao::Row& row) {
        auto businessObject = std::make_shared<qelBusinessObject>();
        businessObject->SetName(Text(row, "Name"));
        businessObject->SetL1ClassName(Text(row, "L1ClassName"));
        businessObject->SetL2BusObjClass(Text(row, "L2BusObjClass"));
        businessObject->SetL2DisplayClass(Text(row, "L2DisplayClass"));
        businessObject->SetL2ListClass(Text(row, "L2ListClass"));
        businessObject->SetL3BusObjClass(Text(row, "L3BusObjClass"));
        businessObject->SetL3ListClass(Text(row, "L3ListClass"));
        businessObject->SetDBID(Long(row, "ID"));
        mHandlers.BusinessObjectAdded(mApplication, businessObject);

        for (const dao::Row* tableRow : mRows.TablesOf(businessObject->DBID())) {
            auto table = std::make_shared<core::qelTable>();
            table->SetBusinessObject(businessObject);
            table->SetDBID(Long(*tableRow, "ID"));
            table->SetName(Text(*tableRow, "Name"));
            businessObject->SetTable(table);
        }
        for (const dao::Row* propertyRow : mRows.PropertiesOf(businessObject->DBID()))
            ReadProperty(*propertyRow, businessObject);
        for (const dao::Row* methodRow : mRows.MethodsOf(businessObject->DBID()))
            ReadMethod(*methodRow, *businessObject);
    }

    void ReadProperty(const dao::Row& row, const std::shared_ptr<qelBusinessObject>& businessObject) {
        auto property = std::make_shared<qelBusObjProperty>();
        property->SetBusinessObjectName(businessObject->Name());
        property->SetName(Text(row, "Name"));
        property->SetDataType(Text(row, "DataType"));
        property->SetAccess(Text(row, "Access"));
        property->SetLabel(Text(row, "Label"));
        property->SetLength(Long(row, "Length"));
        property->SetIsKey(Boolean(row, "IsKey"));
        if (property->IsKey()) {
            businessObject->KeyProperties()->Add(property, property->Name());
            property->SetKeyIndex(static_cast<int16_t>(businessObject->KeyProperties()->Count()));
        } else {
            property->SetKeyIndex(0);
        }
        property->SetIsMandatory(Boolean(row, "IsMandatory"));
        property->SetIsUnique(Boolean(row, "IsUnique"));
        property->SetControlType(Text(row, "ControlType"));
        property->SetDBID(Long(row, "ID"));
        property->SetIsPVList(Boolean(row, "IsPVList"));
        property->SetIsVirtual(Boolean(row, "IsVirtual"));
        property->SetIsPVTable(Boolean(row, "IsPVTable"));
        property->SetIsPVRange(Boolean(row, "IsPVRange"));
        if (property->IsPVRange()) {
            property->SetLowerBound(Text(row, "LowerBound"));
            property->SetUpperBound(Text(row, "UpperBound"));
        }
        property->SetPVTableClass(Text(row, "PVTableClass"));
        property->SetIsPVFKey(Boolean(row, "IsPVFKey"));
        if (property->IsPVFKey()) {
            const vb::Variant& displayedID = row["PVFKeyDisplayedPropID"];
            if (!displayedID.IsNull() && displayedID.ToString() != "")
                mDisplayingProperties.push_back({property, displayedID.ToLong()});
        }

        for (const dao::Row* fieldRow : mRows.FieldsOf(property->DBID())) {
            auto field = std::make_shared<core::qelField>();
            field->SetBusObjProperty(property);
            field->SetDBID(Long(*fieldRow, "ID"));
            field->SetName(Text(*fieldRow, "Name"));
            field->SetDataType(Text(*fieldRow, "DataType"));
            field->SetIsForeignKey(Boolean(*fieldRow, "IsForeignKey"));
            field->SetIsNullable(Boolean(*fieldRow, "IsNullable"));
            field->SetIsPrimaryKey(Boolean(*fieldRow, "IsPrimaryKey"));
            field->SetLength(Long(*fieldRow, "Length"));
            field->SetTable(businessObject->Table());
            property->SetField(field);
            businessObject->Table()->Fields()->Add(field, field->Name());
        }
        if (property->IsPVList()) {
            for (const dao::Row* valueRow : mRows.PermittedValuesOf(property->DBID())) {
                const std::string value = Text(*valueRow, "PermittedValue");
                property->PermittedValues()->Add(value, value);
            }
        }
        property->SetBusinessObjectName(businessObject->Name());
        mHandlers.PropertyAdded(mApplication, property);
    }

    void ReadMethod(const dao::Row& row, const qelBusinessObject& businessObject) {
        auto method = std::make_shared<core::qelBusObjMethod>();
        method->SetName(Text(row, "Name"));
        method->SetReturnDataType(Text(row, "ReturnDataType"));
        method->SetMethodType(Text(row, "MethodType"));
        method->SetIsStoredProcedure(Boolean(row, "IsStoredProcedure"));
        if (method->IsStoredProcedure())
            method->SetStoredProcedureName(Text(row, "StoredProcedureName"));
        method->SetDBID(Long(row, "ID"));
        method->SetBusinessObjectName(businessObject.Name());
        mHandlers.MethodAdded(mApplication, method);
    }

    // The business object of this application that a row's business-object ID names; 3021 when the
    // application has no such row.
    const std::shared_ptr<qelBusinessObject>& BusinessObjectOfRow(const vb::Variant& businessObjectID) const {
        const dao::Row* row =
            businessObjectID.IsNull() ? nullptr : mRows.BusinessObject(businessObjectID.ToLong());
        if (!row)
            RaiseNoCurrentRecord("LoadApplication");
        return mApplication.BusinessObjects()->Item(Text(*row, "Name"));
    }

    // A displayed property that the application does not hold leaves the property as it is.
    void ReadDisplayedProperties() {
        for (const auto& [property, displayedID] : mDisplayingProperties) {
            const dao::Row* displayedRow = mRows.Property(displayedID);
            if (!displayedRow)
                continue;
            const auto& owner = BusinessObjectOfRow((*displayedRow)["BusObjID"]);
            property->SetPVFKeyDisplayedProp(
                owner->Properties()->Item(PropertyKey(*owner, Text(*displayedRow, "Name"))));
        }
    }

    void ReadRelationship(const dao::Row& row) {
        auto relationship = std::make_shared<core::qelRelationship>();
        relationship->SetRelType(Text(row, "RelType"));
        relationship->SetName("Relationship" + std::to_string(mApplication.Relationships()->Count() + 1));
        relationship->SetDBID(Long(row, "ID"));
        std::string secondKey;
        int number = 1;
        for (const dao::Row* associationRow : mRows.AssociationsOf(relationship->DBID())) {
            ReadAssociation(*associationRow, relationship, number, secondKey);
            ++number;
        }
        mHandlers.RelationshipAdded(mApplication, relationship);
    }

    void ReadAssociation(const dao::Row& row, const std::shared_ptr<core::qelRelationship>& relationship,
                         int number, std::string& secondKey) {
        const std::string& name = relationship->Name();
        auto association = std::make_shared<core::qelAssociation>();
        const auto& source = BusinessObjectOfRow(row["SourceBusObjID"]);
        association->SetSourceBusObj(source);
        association->SetIsOptional(Boolean(row, "IsOptional"));
        association->SetDescription(Text(row, "Description"));
        association->SetCardinality(Text(row, "Cardinality"));
        const auto& target = BusinessObjectOfRow(row["TargetBusObjID"]);
        association->SetTargetBusObj(target);
        const bool isRecursive = source->Name() == target->Name();

        if (number <= 2) {
            std::string key = source->Name() + ".Relationships." + name;
            if (number == 2)
                key = isRecursive ? target->Name() + ".RelationshipsRecursive." + name : secondKey;
            source->SourceAssociations()->Add(association, key);
            target->TargetAssociations()->Add(association, key);
            if (number == 1)
                secondKey = target->Name() + ".Relationships." + name;
        }
        association->SetRelationship(relationship);
        association->SetDBID(Long(row, "ID"));
        ReadForeignProperties(*association, *source, *target);

        auto& associations = *relationship->Associations();
        const bool isSecondOfRecursive = associations.Count() > 0 && isRecursive;
        associations.Add(
            association,
            source->Name() + (isSecondOfRecursive ? ".RelationshipsRecursive." : ".Relationships.") + name);
        if (association->Cardinality() == "One" && !association->IsOptional()) {
            for (const auto& property : *association->SourceForeignProperties())
                property->SetIsMandatory(true);
        }
    }

    // Rows of other business objects than the source are no foreign properties of this association.
    void ReadForeignProperties(core::qelAssociation& association, const qelBusinessObject& source,
                               const qelBusinessObject& target) {
        for (const dao::Row* foreignRow : mRows.ForeignPropertiesOf(association.DBID())) {
            if (Long(*foreignRow, "BusObjID") != source.DBID())
                continue;
            const auto& property = source.Properties()->Item(PropertyKey(source, Text(*foreignRow, "Name")));
            association.SourceForeignProperties()->Add(property);
            const vb::Variant& referencedID = (*foreignRow)["ForeignKeyFldID"];
            const dao::Row* referenced =
                referencedID.IsNull() ? nullptr : mRows.Property(referencedID.ToLong());
            if (!referenced)
                continue;
            property->SetForeignKeyField(
                target.Properties()->Item(PropertyKey(target, Text(*referenced, "Name")))->Field());
            property->SetIsForeignProperty(true);
        }
    }

    struct DisplayingProperty {
        std::shared_ptr<qelBusObjProperty> Property;
        int32_t DisplayedID;
    };

    const StoredModelRows& mRows;
    core::qelApplication& mApplication;
    ModelItemHandlers& mHandlers;
    std::vector<DisplayingProperty> mDisplayingProperties;
};

}  // namespace

std::shared_ptr<core::qelApplication> LoadApplication(dao::SqliteDatabase& repository,
                                                      const core::qelApplication& stored,
                                                      ModelItemHandlers& handlers) {
    auto application = CopyOfStoredApplication(stored);
    const StoredModelRows rows(repository, application->DBID());
    ApplicationReader(rows, *application, handlers).Read();
    return application;
}

std::shared_ptr<core::qelApplication> LoadApplication(dao::SqliteDatabase& repository,
                                                      const core::qelApplication& stored) {
    ModelFiling filing;
    return LoadApplication(repository, stored, filing);
}

}  // namespace repository
