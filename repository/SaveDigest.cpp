#include "repository/SaveDigest.h"

#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "repository/ApplicationRow.h"
#include "repository/ModelRowValues.h"
#include "repository/TextDigest.h"

namespace repository {

namespace {

class RowsDigest {
  public:
    void Row(const char* table, int32_t id, const dao::ColumnValues& values) {
        mDigest.Add(table);
        mDigest.Add(std::to_string(id));
        for (const dao::ColumnValue& value : values) {
            mDigest.Add(value.Column);
            mDigest.Add(value.Value.ToString());
        }
    }
    void Line(const std::string& text) { mDigest.Add(text); }
    uint64_t Value() const { return mDigest.Value(); }

  private:
    TextDigest mDigest;
};

void AddProperty(RowsDigest& digest, const core::qelBusObjProperty& property,
                 const core::qelBusinessObject& businessObject) {
    digest.Row("Property", property.DBID(), PropertyRowValues(property, businessObject.DBID()));
    if (const auto displayed = property.PVFKeyDisplayedProp(); property.IsPVFKey() && displayed)
        digest.Line("Displays " + displayed->BusinessObjectName() + "." + displayed->Name() + " " +
                    std::to_string(displayed->DBID()));
    if (const auto& field = property.Field(); field && !field->Name().empty())
        digest.Row("Field", field->DBID(),
                   FieldRowValues(*field, property.DBID(), businessObject.Table()->DBID()));
    for (const std::string& value : *property.PermittedValues())
        digest.Line("PermittedValue " + value);
}

}  // namespace

uint64_t SaveDigest(const core::qelApplication& application) {
    RowsDigest digest;
    digest.Row("Application", application.DBID(), ApplicationRowValues(application));
    for (const auto& businessObject : *application.BusinessObjects()) {
        digest.Row("BusinessObject", businessObject->DBID(),
                   BusinessObjectRowValues(*businessObject, application.DBID()));
        if (const auto& table = businessObject->Table(); table && !table->Name().empty())
            digest.Row("Table", table->DBID(), TableRowValues(*table, businessObject->DBID()));
        for (const auto& property : *businessObject->Properties())
            AddProperty(digest, *property, *businessObject);
        for (const auto& method : *businessObject->Methods())
            digest.Row("Method", method->DBID(), MethodRowValues(*method, businessObject->DBID()));
    }
    for (const auto& relationship : *application.Relationships()) {
        digest.Row("Relationship", relationship->DBID(),
                   RelationshipRowValues(*relationship, application.DBID()));
        for (const auto& association : *relationship->Associations()) {
            digest.Row("Association", association->DBID(),
                       AssociationRowValues(*association, relationship->DBID()));
            digest.Line("Between " + association->SourceBusObj()->Name() + " " +
                        association->TargetBusObj()->Name());
            for (const auto& property : *association->SourceForeignProperties())
                digest.Row("ForeignProperty", property->DBID(),
                           ForeignPropertyRowValues(*property, association->DBID()));
        }
    }
    return digest.Value();
}

}  // namespace repository
