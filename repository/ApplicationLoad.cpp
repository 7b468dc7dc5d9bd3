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
#include "repository/StoredRow.h"

namespace repository {

namespace {

using core::qelBusinessObject;
using core::qelBusObjProperty;

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
            ReadBusinessObject(StoredRow("BusinessObject", row));
        ReadDisplayedProperties();
        for (const dao::Row& row : mRows.Relationships())
            ReadRelationship(StoredRow("Relationship", row, "ID", "RelType"));
    }

  private:
    void ReadBusinessObject(const StoredRow& row) {
        row.Reading([&] {
            auto businessObject = std::make_shared<qelBusinessObject>();
            businessObject->SetName(row.Text("Name"));
            businessObject->SetL1ClassName(row.Text("L1ClassName"));
            businessObject->SetL2BusObjClass(row.Text("L2BusObjClass"));
            businessObject->SetL2DisplayClass(row.Text("L2DisplayClass"));
            businessObject->SetL2ListClass(row.Text("L2ListClass"));
            businessObject->SetL3BusObjClass(row.Text("L3BusObjClass"));
            businessObject->SetL3ListClass(row.Text("L3ListClass"));
            businessObject->SetDBID(row.Long("ID"));
            mHandlers.BusinessObjectAdded(mApplication, businessObject);

            for (const dao::Row* tableRow : mRows.TablesOf(businessObject->DBID())) {
                const StoredRow stored("Table", *tableRow);
                auto table = std::make_shared<core::qelTable>();
                table->SetBusinessObject(businessObject);
                table->SetDBID(stored.Long("ID"));
                table->SetName(stored.Text("Name"));
                businessObject->SetTable(table);
            }
            for (const dao::Row* propertyRow : mRows.PropertiesOf(businessObject->DBID()))
                ReadProperty(StoredRow("Property", *propertyRow), businessObject);
            for (const dao::Row* methodRow : mRows.MethodsOf(businessObject->DBID()))
                ReadMethod(StoredRow("Method", *methodRow), *businessObject);
        });
    }

    void ReadProperty(const StoredRow& row, const std::shared_ptr<qelBusinessObject>& businessObject) {
        row.Reading([&] {
            auto property = std::make_shared<qelBusObjProperty>();
            property->SetBusinessObjectName(businessObject->Name());
            property->SetName(row.Text("Name"));
            property->SetDataType(row.Text("DataType"));
            property->SetAccess(row.Text("Access"));
            property->SetLabel(row.Text("Label"));
            property->SetLength(row.Long("Length"));
            property->SetIsKey(row.Boolean("IsKey"));
            if (property->IsKey()) {
                businessObject->KeyProperties()->Add(property, property->Name());
                property->SetKeyIndex(static_cast<int16_t>(businessObject->KeyProperties()->Count()));
            } else {
                property->SetKeyIndex(0);
            }
            property->SetIsMandatory(row.Boolean("IsMandatory"));
            property->SetIsUnique(row.Boolean("IsUnique"));
            property->SetControlType(row.Text("ControlType"));
            property->SetDBID(row.Long("ID"));
            property->SetIsPVList(row.Boolean("IsPVList"));
            property->SetIsVirtual(row.Boolean("IsVirtual"));
            property->SetIsPVTable(row.Boolean("IsPVTable"));
            property->SetIsPVRange(row.Boolean("IsPVRange"));
            if (property->IsPVRange()) {
                property->SetLowerBound(row.Text("LowerBound"));
                property->SetUpperBound(row.Text("UpperBound"));
            }
            property->SetPVTableClass(row.Text("PVTableClass"));
            property->SetIsPVFKey(row.Boolean("IsPVFKey"));
            if (property->IsPVFKey()) {
                const vb::Variant& displayedID = row.Row()["PVFKeyDisplayedPropID"];
                if (!displayedID.IsNull() && displayedID.ToString() != "")
                    mDisplayingProperties.push_back({property, row.Long("PVFKeyDisplayedPropID")});
            }

            for (const dao::Row* fieldRow : mRows.FieldsOf(property->DBID()))
                ReadField(StoredRow("Field", *fieldRow), property, *businessObject);
            if (property->IsPVList()) {
                for (const dao::Row* valueRow : mRows.PermittedValuesOf(property->DBID())) {
                    const StoredRow value("PermittedValues", *valueRow, "PropID", "PermittedValue");
                    value.Reading([&] {
                        const std::string text = value.Text("PermittedValue");
                        property->PermittedValues()->Add(text, text);
                    });
                }
            }
            property->SetBusinessObjectName(businessObject->Name());
            mHandlers.PropertyAdded(mApplication, property);
        });
    }

    void ReadField(const StoredRow& row, const std::shared_ptr<qelBusObjProperty>& property,
                   const qelBusinessObject& businessObject) {
        row.Reading([&] {
            auto field = std::make_shared<core::qelField>();
            field->SetBusObjProperty(property);
            field->SetDBID(row.Long("ID"));
            field->SetName(row.Text("Name"));
            field->SetDataType(row.Text("DataType"));
            field->SetIsForeignKey(row.Boolean("IsForeignKey"));
            field->SetIsNullable(row.Boolean("IsNullable"));
            field->SetIsPrimaryKey(row.Boolean("IsPrimaryKey"));
            field->SetLength(row.Long("Length"));
            field->SetTable(businessObject.Table());
            property->SetField(field);
            businessObject.Table()->AddField(field);
        });
    }

    void ReadMethod(const StoredRow& row, const qelBusinessObject& businessObject) {
        row.Reading([&] {
            auto method = std::make_shared<core::qelBusObjMethod>();
            method->SetName(row.Text("Name"));
            method->SetReturnDataType(row.Text("ReturnDataType"));
            method->SetMethodType(row.Text("MethodType"));
            method->SetIsStoredProcedure(row.Boolean("IsStoredProcedure"));
            if (method->IsStoredProcedure())
                method->SetStoredProcedureName(row.Text("StoredProcedureName"));
            method->SetDBID(row.Long("ID"));
            method->SetBusinessObjectName(businessObject.Name());
            mHandlers.MethodAdded(mApplication, method);
        });
    }

    // The business object of this application that the row's `column` names.
    const std::shared_ptr<qelBusinessObject>& BusinessObjectOfRow(const StoredRow& row,
                                                                  const char* column) const {
        const vb::Variant& businessObjectID = row.Row()[column];
        const dao::Row* found = businessObjectID.IsNull() ? nullptr : mRows.BusinessObject(row.Long(column));
        if (!found)
            row.Fail(column, "the ID of a business object of the application", kNoCurrentRecord);
        return mApplication.BusinessObjects()->Item(StoredRow("BusinessObject", *found).Text("Name"));
    }

    // A displayed property that the application does not hold leaves the property as it is.
    void ReadDisplayedProperties() {
        for (const auto& [property, displayedID] : mDisplayingProperties) {
            const dao::Row* displayedRow = mRows.Property(displayedID);
            if (!displayedRow)
                continue;
            const StoredRow displayed("Property", *displayedRow);
            displayed.Reading([&] {
                const auto& owner = BusinessObjectOfRow(displayed, "BusObjID");
                property->SetPVFKeyDisplayedProp(
                    owner->Properties()->Item(PropertyKey(*owner, displayed.Text("Name"))));
            });
        }
    }

    void ReadRelationship(const StoredRow& row) {
        row.Reading([&] {
            auto relationship = std::make_shared<core::qelRelationship>();
            relationship->SetRelType(row.Text("RelType"));
            relationship->SetName("Relationship" + std::to_string(mApplication.Relationships()->Count() + 1));
            relationship->SetDBID(row.Long("ID"));
            std::string secondKey;
            int number = 1;
            for (const dao::Row* associationRow : mRows.AssociationsOf(relationship->DBID())) {
                ReadAssociation(StoredRow("Association", *associationRow, "ID", "Description"), relationship,
                                number, secondKey);
                ++number;
            }
            mHandlers.RelationshipAdded(mApplication, relationship);
        });
    }

    void ReadAssociation(const StoredRow& row, const std::shared_ptr<core::qelRelationship>& relationship,
                         int number, std::string& secondKey) {
        row.Reading([&] {
            const std::string& name = relationship->Name();
            auto association = std::make_shared<core::qelAssociation>();
            const auto& source = BusinessObjectOfRow(row, "SourceBusObjID");
            association->SetSourceBusObj(source);
            association->SetIsOptional(row.Boolean("IsOptional"));
            association->SetDescription(row.Text("Description"));
            association->SetCardinality(row.Text("Cardinality"));
            const auto& target = BusinessObjectOfRow(row, "TargetBusObjID");
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
            association->SetDBID(row.Long("ID"));
            ReadForeignProperties(*association, *source, *target);

            auto& associations = *relationship->Associations();
            const bool isSecondOfRecursive = associations.Count() > 0 && isRecursive;
            associations.Add(association,
                             source->Name() +
                                 (isSecondOfRecursive ? ".RelationshipsRecursive." : ".Relationships.") +
                                 name);
            if (association->Cardinality() == "One" && !association->IsOptional()) {
                for (const auto& property : *association->SourceForeignProperties())
                    property->SetIsMandatory(true);
            }
        });
    }

    // Rows of other business objects than the source are no foreign properties of this association.
    void ReadForeignProperties(core::qelAssociation& association, const qelBusinessObject& source,
                               const qelBusinessObject& target) {
        for (const dao::Row* foreignRow : mRows.ForeignPropertiesOf(association.DBID())) {
            const StoredRow foreign("Property", *foreignRow);
            foreign.Reading([&] {
                if (foreign.Long("BusObjID") != source.DBID())
                    return;
                const auto& property = source.Properties()->Item(PropertyKey(source, foreign.Text("Name")));
                association.SourceForeignProperties()->Add(property);
                const vb::Variant& referencedID = (*foreignRow)["ForeignKeyFldID"];
                const dao::Row* referenced =
                    referencedID.IsNull() ? nullptr : mRows.Property(foreign.Long("ForeignKeyFldID"));
                if (!referenced)
                    return;
                property->SetForeignKeyField(
                    target.Properties()
                        ->Item(PropertyKey(target, StoredRow("Property", *referenced).Text("Name")))
                        ->Field());
                property->SetIsForeignProperty(true);
            });
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
