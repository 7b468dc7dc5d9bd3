#include "repository/ApplicationSave.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "core/ObjectAccess.h"
#include "core/qelApplication.h"
#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/vb/Error.h"
#include "repository/ApplicationRow.h"
#include "repository/DBIDJournal.h"
#include "repository/ModelRowValues.h"
#include "repository/NoCurrentRecord.h"

namespace repository {

namespace {

using core::Required;

constexpr const char* kSource = "SaveApplication";
constexpr const char* kPermittedValues = "PermittedValues";

class ApplicationWriter {
  public:
    ApplicationWriter(dao::SqliteDatabase& repository, DBIDJournal& journal)
        : mRepository(repository), mJournal(journal) {}

    void Write(core::qelApplication& application, bool isAppOpened) {
        WriteApplicationRow(application, isAppOpened);
        for (const auto& businessObject : *application.BusinessObjects())
            WriteBusinessObject(*businessObject, application);
        WriteDisplayedProperties();
        for (const auto& relationship : *application.Relationships())
            WriteRelationship(*relationship, application);
    }

  private:
    // Edits the row `where` names when `id` is not 0 and the row is there; adds one otherwise and
    // gives the object its ID.
    template <typename ModelObject>
    void Upsert(const std::string& table, ModelObject& object, const dao::ColumnValues& values,
                dao::ColumnValues where) {
        if (object.DBID() != 0) {
            where.push_back({"ID", object.DBID()});
            if (mRepository.Update(table, values, where) > 0)
                return;
        }
        mJournal.SetDBID(object, mRepository.Insert(table, values));
    }

    void WriteApplicationRow(core::qelApplication& application, bool isAppOpened) {
        const dao::ColumnValues values = ApplicationRowValues(application);
        if (!isAppOpened) {
            mJournal.SetDBID(application, mRepository.Insert("Application", values));
        } else if (mRepository.Update("Application", values, {{"ID", application.DBID()}}) == 0) {
            RaiseNoCurrentRecord(kSource);
        }
    }

    void WriteBusinessObject(core::qelBusinessObject& businessObject,
                             const core::qelApplication& application) {
        Upsert("BusinessObject", businessObject, BusinessObjectRowValues(businessObject, application.DBID()),
               {{"ApplicationID", application.DBID()}});
        core::qelTable& table = Required(businessObject.Table());
        if (!table.Name().empty()) {
            Upsert("Table", table, TableRowValues(table, businessObject.DBID()),
                   {{"BusObjID", businessObject.DBID()}});
        }
        for (const auto& property : *businessObject.Properties()) {
            WriteProperty(*property, businessObject);
            const auto displayed = property->PVFKeyDisplayedProp();
            if (property->IsPVFKey() && displayed && !displayed->Name().empty())
                mDisplayingProperties.push_back(property.get());
            core::qelField& field = Required(property->Field());
            if (!field.Name().empty())
                WriteField(field, *property, businessObject);
            WritePermittedValues(*property);
        }
        for (const auto& method : *businessObject.Methods()) {
            Upsert("Method", *method, MethodRowValues(*method, businessObject.DBID()),
                   {{"BusObjID", businessObject.DBID()}});
        }
    }

    void WriteProperty(core::qelBusObjProperty& property, const core::qelBusinessObject& businessObject) {
        Upsert("Property", property, PropertyRowValues(property, businessObject.DBID()),
               {{"BusObjID", businessObject.DBID()}});
    }

    void WriteField(core::qelField& field, const core::qelBusObjProperty& property,
                    const core::qelBusinessObject& businessObject) {
        const int32_t tableID = businessObject.Table()->DBID();
        Upsert("Field", field, FieldRowValues(field, property.DBID(), tableID),
               {{"BusObjPropID", property.DBID()}, {"TableID", tableID}});
    }

    // Afterwards the stored values are the model's, each once: a value no longer in the list is deleted,
    // and so is every repetition of a value.
    void WritePermittedValues(const core::qelBusObjProperty& property) {
        const dao::ColumnValue owner{"PropID", property.DBID()};
        const auto& values = *property.PermittedValues();
        const std::unordered_set<std::string> modelValues(values.begin(), values.end());
        std::unordered_set<std::string> stored;
        std::unordered_set<std::string> removed;
        std::unordered_set<std::string> repeated;
        bool hasNull = false;
        for (const dao::Row& row : mRepository.Select(kPermittedValues, {owner})) {
            const vb::Variant& value = row["PermittedValue"];
            if (value.IsNull()) {
                hasNull = true;
            } else if (std::string text = value.ToString(); !modelValues.contains(text)) {
                removed.insert(std::move(text));
            } else if (!stored.insert(text).second) {
                repeated.insert(std::move(text));
            }
        }
        if (hasNull) {
            mRepository.Execute(R"sql(
                DELETE FROM "PermittedValues" WHERE "PropID" = ?1 AND "PermittedValue" IS NULL
            )sql",
                                {owner.Value});
        }
        for (const std::string& value : removed)
            mRepository.Delete(kPermittedValues, {owner, {"PermittedValue", value}});
        for (const std::string& value : repeated) {
            // Keeps the first row of a value stored more than once.
            mRepository.Execute(R"sql(
                DELETE FROM "PermittedValues"
                WHERE "PropID" = ?1 AND "PermittedValue" = ?2
                  AND rowid > (SELECT min(rowid) FROM "PermittedValues"
                               WHERE "PropID" = ?1 AND "PermittedValue" = ?2)
            )sql",
                                {owner.Value, value});
        }
        for (const std::string& value : values) {
            if (stored.insert(value).second)
                mRepository.Insert(kPermittedValues, {owner, {"PermittedValue", value}});
        }
    }

    // After every business object, so that a displayed property saved later has its ID too.
    void WriteDisplayedProperties() {
        for (const core::qelBusObjProperty* property : mDisplayingProperties) {
            mRepository.Update("Property",
                               {{"PVFKeyDisplayedPropID", property->PVFKeyDisplayedProp()->DBID()}},
                               {{"ID", property->DBID()}});
        }
    }

    void WriteRelationship(core::qelRelationship& relationship, const core::qelApplication& application) {
        Upsert("Relationship", relationship, RelationshipRowValues(relationship, application.DBID()),
               {{"ApplicationID", application.DBID()}});
        for (const auto& association : *relationship.Associations())
            WriteAssociation(*association, relationship);
    }

    void WriteAssociation(core::qelAssociation& association, const core::qelRelationship& relationship) {
        const int32_t sourceID = Required(association.SourceBusObj()).DBID();
        Upsert("Association", association, AssociationRowValues(association, relationship.DBID()),
               {{"SourceBusObjID", sourceID}});
        // Every property has its ID by now, so the foreign key's reference is complete here. Only rows
        // that the source's own pass wrote are edited.
        for (const auto& property : *association.SourceForeignProperties()) {
            if (property->DBID() != 0)
                mRepository.Update("Property", ForeignPropertyRowValues(*property, association.DBID()),
                                   {{"BusObjID", sourceID}, {"ID", property->DBID()}});
        }
    }

    dao::SqliteDatabase& mRepository;
    DBIDJournal& mJournal;
    std::vector<const core::qelBusObjProperty*> mDisplayingProperties;
};

}  // namespace

SaveOutcome SaveApplication(dao::SqliteDatabase& repository, core::qelApplication& application,
                            bool isAppOpened, ApplicationInfoPrompt& prompt, const DeferredDeletes& deferred,
                            ApplicationStamp* stamp) {
    // Refused before the first save's question, which would be asked in vain.
    RequireWritable(repository);
    if (!isAppOpened && !prompt.AskApplicationInfo(application))
        return SaveOutcome::Canceled;
    DBIDJournal journal;
    try {
        WriteStamped(repository, stamp, application, [&] {
            DeleteDeferredRows(repository, deferred);
            ApplicationWriter(repository, journal).Write(application, isAppOpened);
        });
    } catch (vb::Error& error) {
        journal.RestoreAll();
        error.SetSource(kSource);
        throw;
    } catch (...) {
        journal.RestoreAll();
        throw;
    }
    return SaveOutcome::Saved;
}

}  // namespace repository
