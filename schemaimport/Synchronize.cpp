#include "schemaimport/Synchronize.h"

#include <optional>
#include <unordered_set>

#include "core/CommonStatus.h"
#include "core/frmErrorDisplayUtil.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/odbc/Odbc.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"
#include "repository/SaveDigest.h"
#include "schemaimport/Connection.h"
#include "schemaimport/ImportData.h"
#include "schemaimport/ImportNames.h"
#include "schemaimport/KeyColumnTypes.h"
#include "schemaimport/frmAvailTablesorFields.h"
#include "schemaimport/frmImportSelection.h"

namespace schemaimport {
namespace {

constexpr const char* kTitle = "Database Synchornization";
constexpr const char* kImportCaption = "Do you wish to import the folowing tables at this time?";

using BusObjPtr = std::shared_ptr<core::qelBusinessObject>;
using FieldPtr = std::shared_ptr<core::qelField>;

bool AnsweredYes(const std::string& question) {
    return ui::MsgBox(question, ui::vbYesNo, kTitle) == ui::vbYes;
}

void ShowStatus(const std::string& text, ui::MousePointer pointer) {
    core::Common::SetStatus(text, false);
    ui::CurrentInteraction().SetMousePointer(pointer);
}

const CatalogColumn* ColumnNamed(const std::vector<CatalogColumn>& columns, const std::string& name) {
    for (const CatalogColumn& column : columns) {
        if (column.Name == name)
            return &column;
    }
    return nullptr;
}

// The property that owns the field; 91 when it has none.
std::shared_ptr<core::qelBusObjProperty> PropertyOf(const FieldPtr& field) {
    auto property = field->BusObjProperty();
    if (!property)
        vb::Raise(vb::kObjectNotSet);
    return property;
}

// The field takes the column's name, type, size and nullability; the sink refreshes its property.
void Refresh(ModelSink& sink, core::qelApplication& application,
             const core::qelBusinessObject& businessObject, const FieldPtr& field,
             const CatalogColumn& column) {
    const auto property = PropertyOf(field);
    field->SetName(column.Name);
    field->SetDataType(FieldType(static_cast<int16_t>(column.Type)));
    field->SetLength(column.Size);
    field->SetIsNullable(column.IsNullable);
    field->SetTable(businessObject.Table());
    sink.PropertyUpdated(application, property);
}

enum class Answer { Kept, Repointed, Delete, Cancel };

// The question about a field whose column is gone, and the chooser when it was re-named.
Answer AskAboutMissingField(ModelSink& sink, core::qelApplication& application,
                            const core::qelBusinessObject& businessObject, const FieldPtr& field,
                            const std::vector<CatalogColumn>& columns) {
    if (!AnsweredYes("Was the " + field->Name() + " field re-named?"))
        return Answer::Delete;
    frmAvailTablesorFields chooser;
    chooser.SetFieldReferences(field->Name(), columns);
    chooser.Show();
    if (chooser.IsCanceled())
        return Answer::Cancel;
    if (!chooser.OKClicked())
        return Answer::Kept;
    const std::string column = chooser.SelectedTableorField();
    chooser.Unload();
    const CatalogColumn* chosen = ColumnNamed(columns, column);
    if (!chosen)
        return Answer::Kept;
    auto& table = *businessObject.Table();
    if (const auto other = table.FieldNamed(column); other && other != field) {
        ui::MsgBox(column + " is already mapped by another field.", ui::vbExclamation, kTitle);
        return Answer::Kept;
    }
    table.RenameField(field, column);
    Refresh(sink, application, businessObject, field, *chosen);
    return Answer::Repointed;
}

void MatchTable(ModelSink& sink, core::qelApplication& application, const std::string& tableName,
                const BusObjPtr& businessObject, const DatabaseSnapshot& database) {
    const auto found = database.Columns.find(tableName);
    const std::vector<CatalogColumn> none;
    const std::vector<CatalogColumn>& columns = found == database.Columns.end() ? none : found->second;
    std::vector<FieldPtr> fields;
    for (const auto& field : *businessObject->Table()->Fields())
        fields.push_back(field);
    std::vector<FieldPtr> toDelete;
    bool changed = false;
    for (const FieldPtr& field : fields) {
        if (const CatalogColumn* column = ColumnNamed(columns, field->Name())) {
            Refresh(sink, application, *businessObject, field, *column);
            continue;
        }
        switch (AskAboutMissingField(sink, application, *businessObject, field, columns)) {
            case Answer::Cancel:
                return;
            case Answer::Delete:
                toDelete.push_back(field);
                break;
            case Answer::Repointed:
                changed = true;
                break;
            case Answer::Kept:
                break;
        }
    }
    for (const FieldPtr& field : toDelete) {
        sink.DeleteBusObjProperty(application, PropertyOf(field));
        changed = true;
    }
    std::unordered_set<std::string> mapped;
    for (const auto& field : *businessObject->Table()->Fields())
        mapped.insert(field->Name());
    ImportNotes notes;
    std::optional<core::ClassMembers> members;  // read for the first new column
    for (const CatalogColumn& column : columns) {
        if (mapped.contains(column.Name))
            continue;
        if (!members)
            members.emplace(*businessObject);
        if (CreateFieldObject(sink, application, businessObject, column, businessObject->Name(), *members,
                              notes))
            changed = true;
    }
    if (changed)
        sink.SetIsDataChanged(true);
    ReportImportNotes(notes);
}

enum class TableAnswer { Matched, Kept, Delete, Cancel };

// The question about a business object whose table is gone, and the chooser when it was re-named.
TableAnswer AskAboutMissingTable(ModelSink& sink, core::qelApplication& application,
                                 const BusObjPtr& businessObject, const DatabaseSnapshot& database,
                                 frmAvailTablesorFields& chooser) {
    const auto& table = businessObject->Table();
    if (!AnsweredYes("Was the " + table->Name() + " table re-named?"))
        return TableAnswer::Delete;
    // A table another business object maps is not offered: two business objects would map one table.
    std::vector<CatalogTable> unmapped;
    for (const std::string& name : UnmappedTables(database.Tables, application))
        unmapped.push_back({name, "TABLE"});
    chooser.SetTableReferences(table->Name(), std::move(unmapped));
    ShowStatus("Ready...", ui::MousePointer::Default);
    chooser.Show();
    if (chooser.IsCanceled())
        return TableAnswer::Cancel;
    if (!chooser.OKClicked())
        return TableAnswer::Kept;
    const std::string chosen = chooser.SelectedTableorField();
    chooser.Unload();
    if (chosen.empty())
        return TableAnswer::Kept;
    table->SetName(chosen);
    sink.SetIsDataChanged(true);
    MatchFields(sink, application, chosen, businessObject, database);
    return TableAnswer::Matched;
}

bool IsTable(const DatabaseSnapshot& database, const std::string& name) {
    return database.Columns.contains(name);
}

// Offers the tables no business object maps; false when the developer cancelled.
bool ImportNewTables(ModelSink& sink, core::qelApplication& application, const DatabaseSnapshot& database) {
    auto offered =
        std::make_shared<vb::Collection<std::string>>(UnmappedTables(database.Tables, application));
    if (offered->Count() == 0)
        return true;
    const auto form = sink.ImportSelectionForm();
    if (!form)
        vb::Raise(vb::kObjectNotSet);
    form->SetTablesInDatabase(offered);
    form->Caption = kImportCaption;
    form->Show();
    if (!form->OKClickedForImporting())
        return !form->CancelClicked();
    // A model made by hand keeps its views.
    if (!sink.IsImported() && !sink.IsAppOpened() && application.BusinessObjects()->Count() == 0)
        sink.ClearViews();
    ShowStatus("Importing Database Information...", ui::MousePointer::Hourglass);
    ImportNotes notes;
    const BusinessObjectNames businessObjectNames(database.Tables);
    for (const std::string& name : form->TablestoImport()) {
        const auto columns = database.Columns.find(name);
        const auto key = database.PrimaryKeys.find(name);
        ImportTable(sink, application,
                    {name, columns == database.Columns.end() ? std::vector<CatalogColumn>{} : columns->second,
                     key == database.PrimaryKeys.end() ? std::vector<std::string>{} : key->second,
                     businessObjectNames.Of(name)},
                    notes);
    }
    sink.SetIsImported(true);
    sink.SetIsDataChanged(true);
    ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
    ReportImportNotes(notes);
    return true;
}

// Whether the command changed what a save would write. One that changed nothing leaves the window's unsaved
// changes as it found them, however many of its steps said they changed something.
class ChangeWatch {
  public:
    ChangeWatch(ModelSink& sink, const core::qelApplication& application)
        : mSink(sink),
          mApplication(application),
          mBefore(repository::SaveDigest(application)),
          mHadChanges(sink.IsDataChanged()) {}

    // True when the model changed; the unsaved-changes state says so then, and is as it was otherwise.
    bool MarkWhetherChanged() {
        const bool changed = repository::SaveDigest(mApplication) != mBefore;
        mSink.SetIsDataChanged(changed || mHadChanges);
        return changed;
    }

  private:
    ModelSink& mSink;
    const core::qelApplication& mApplication;
    const uint64_t mBefore;
    const bool mHadChanges;
};

void Synchronize(ModelSink& sink) {
    const auto application = sink.Application();
    if (!application)
        vb::Raise(vb::kObjectNotSet);
    if (const std::string undefined = UndefinedDataSource(*application); !undefined.empty()) {
        ui::MsgBox(undefined, ui::vbExclamation, kTitle);
        return;
    }
    ChangeWatch watch(sink, *application);
    frmAvailTablesorFields chooser;
    sink.SetImportSelectionForm(std::make_shared<frmImportSelection>());
    ShowStatus("Synchronizing Database Information...", ui::MousePointer::Hourglass);

    const std::string connectString = GetDBConnection(*application);
    const auto catalog = OpenSchemaCatalog(connectString);
    const DatabaseSnapshot database = ReadDatabase(*application, *catalog);
    if (!application->DSN().empty() && application->DSNDBName().empty())
        application->SetDSNDBName(catalog->DefaultDatabase());

    std::vector<BusObjPtr> businessObjects;
    for (const auto& businessObject : *application->BusinessObjects())
        businessObjects.push_back(businessObject);
    std::vector<BusObjPtr> toDelete;
    for (const BusObjPtr& businessObject : businessObjects) {
        const std::string tableName = businessObject->Table()->Name();
        if (IsTable(database, tableName)) {
            MatchFields(sink, *application, tableName, businessObject, database);
            continue;
        }
        switch (AskAboutMissingTable(sink, *application, businessObject, database, chooser)) {
            case TableAnswer::Cancel:
                watch.MarkWhetherChanged();
                ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
                return;
            case TableAnswer::Delete:
                toDelete.push_back(businessObject);
                break;
            case TableAnswer::Matched:
            case TableAnswer::Kept:
                break;
        }
    }
    for (const BusObjPtr& businessObject : toDelete) {
        sink.DeleteBusObj(*application, businessObject);
        sink.SetIsDataChanged(true);
    }
    if (!ImportNewTables(sink, *application, database)) {
        watch.MarkWhetherChanged();
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
        return;
    }
    RebuildRelationships(sink, *application, database.Relations);
    const bool changed = watch.MarkWhetherChanged();
    ShowStatus("Ready...", ui::MousePointer::Default);
    const int32_t relationships = application->Relationships()->Count();
    std::string done =
        changed
            ? "The application is synchronized with its database and has " + std::to_string(relationships) +
                  (relationships == 1 ? " relationship" : " relationships") + ". Save it to keep the changes."
            : std::string("The application is synchronized with its database; nothing changed.");
    if (database.Relations.kind == RelationshipSource::Kind::None)
        done += "\r\n\r\n" + RelationshipsNotRead(*application);
    ui::MsgBox(done, ui::vbInformation, kTitle);
}

}  // namespace

DatabaseSnapshot ReadDatabase(const core::qelApplication& application, SchemaCatalog& catalog) {
    DatabaseSnapshot database;
    database.Tables = catalog.Tables();
    std::unordered_set<std::string> unmapped, unreadable;
    for (const std::string& name : UnmappedTables(database.Tables, application))
        unmapped.insert(name);
    std::vector<std::string> tables;
    for (const CatalogTable& table : database.Tables) {
        if (table.Type != "TABLE")
            continue;
        try {
            database.Columns.emplace(table.Name, catalog.Columns(table.Name));
            database.PrimaryKeys.emplace(table.Name, catalog.PrimaryKey(table.Name));
        } catch (const vb::Error&) {
            // A table the import could not read either is not offered; a mapped one's error changes nothing.
            if (!unmapped.contains(table.Name))
                throw;
            database.Columns.erase(table.Name);
            unreadable.insert(table.Name);
            continue;
        }
        tables.push_back(table.Name);
    }
    std::erase_if(database.Tables,
                  [&](const CatalogTable& table) { return unreadable.contains(table.Name); });
    database.Relations = ReadRelationshipSource(application, catalog, tables);
    const KeyColumnTypes keyTypes(database.Relations.Relations, catalog);
    for (auto& [table, columns] : database.Columns)
        keyTypes.Assign(table, database.PrimaryKeys[table], columns);
    return database;
}

void SynchronizeApplication(ModelSink& sink) {
    try {
        Synchronize(sink);
    } catch (vb::Error& error) {
        ShowStatus("Ready...", ui::MousePointer::Default);
        error.SetDescription(odbc::WithDriverReason(error.Description(), error));
        core::ReportUnexpectedError(error, "mnuFileSyncApplication_Click");
    }
}

void MatchFields(ModelSink& sink, core::qelApplication& application, const std::string& tableName,
                 const std::shared_ptr<core::qelBusinessObject>& businessObject,
                 const DatabaseSnapshot& database) {
    try {
        MatchTable(sink, application, tableName, businessObject, database);
    } catch (vb::Error& error) {
        core::ReportUnexpectedError(error, "MatchFields");
    }
}

}  // namespace schemaimport
