#include "repository/SavedPicture.h"

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

class Picture {
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

void PictureProperty(Picture& picture, const core::qelBusObjProperty& property,
                     const core::qelBusinessObject& businessObject) {
    picture.Row("Property", property.DBID(), PropertyRowValues(property, businessObject.DBID()));
    if (const auto displayed = property.PVFKeyDisplayedProp(); property.IsPVFKey() && displayed)
        picture.Line("Displays " + displayed->BusinessObjectName() + "." + displayed->Name() + " " +
                     std::to_string(displayed->DBID()));
    if (const auto& field = property.Field(); field && !field->Name().empty())
        picture.Row("Field", field->DBID(),
                    FieldRowValues(*field, property.DBID(), businessObject.Table()->DBID()));
    for (const std::string& value : *property.PermittedValues())
        picture.Line("PermittedValue " + value);
}

}  // namespace

uint64_t SavedPicture(const core::qelApplication& application) {
    Picture picture;
    picture.Row("Application", application.DBID(), ApplicationRowValues(application));
    for (const auto& businessObject : *application.BusinessObjects()) {
        picture.Row("BusinessObject", businessObject->DBID(),
                    BusinessObjectRowValues(*businessObject, application.DBID()));
        if (const auto& table = businessObject->Table(); table && !table->Name().empty())
            picture.Row("Table", table->DBID(), TableRowValues(*table, businessObject->DBID()));
        for (const auto& property : *businessObject->Properties())
            PictureProperty(picture, *property, *businessObject);
        for (const auto& method : *businessObject->Methods())
            picture.Row("Method", method->DBID(), MethodRowValues(*method, businessObject->DBID()));
    }
    for (const auto& relationship : *application.Relationships()) {
        picture.Row("Relationship", relationship->DBID(),
                    RelationshipRowValues(*relationship, application.DBID()));
        for (const auto& association : *relationship->Associations()) {
            picture.Row("Association", association->DBID(),
                        AssociationRowValues(*association, relationship->DBID()));
            picture.Line("Between " + association->SourceBusObj()->Name() + " " +
                         association->TargetBusObj()->Name());
            for (const auto& property : *association->SourceForeignProperties())
                picture.Row("ForeignProperty", property->DBID(),
                            ForeignPropertyRowValues(*property, association->DBID()));
        }
    }
    return picture.Value();
}

}  // namespace repository
