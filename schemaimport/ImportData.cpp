#include "schemaimport/ImportData.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "core/ApplicationLog.h"
#include "core/BuildCheck.h"
#include "core/CommonNames.h"
#include "core/CommonStatus.h"
#include "core/GeneratedNames.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "schemaimport/Connection.h"
#include "schemaimport/ImportNames.h"
#include "schemaimport/KeyColumnTypes.h"
#include "schemaimport/ModelMarks.h"
#include "schemaimport/RelationshipImport.h"
#include "schemaimport/frmImportSelection.h"

namespace schemaimport {
namespace {

// The engine's error for a table that is gone.
constexpr int32_t kTableNotFound = 3078;

void PutBack(ModelSink& sink, const PreviousApplication& previous) {
    sink.SetApplication(previous.Application);
    sink.SetIsAppOpened(previous.IsAppOpened);
    sink.SetIsImported(previous.IsImported);
}

void ShowStatus(const std::string& text, ui::MousePointer pointer) {
    core::Common::SetStatus(text, false);
    ui::CurrentInteraction().SetMousePointer(pointer);
}

// The window's drawing stays frozen while the guard lives; an error also puts the pointer back.
class FrozenWindow {
  public:
    explicit FrozenWindow(ModelSink& sink) : mSink(sink) { mSink.LockWindowUpdate(true); }
    ~FrozenWindow() {
        ui::CurrentInteraction().SetMousePointer(ui::MousePointer::Default);
        mSink.LockWindowUpdate(false);
    }
    FrozenWindow(const FrozenWindow&) = delete;
    FrozenWindow& operator=(const FrozenWindow&) = delete;

  private:
    ModelSink& mSink;
};

// A name VB refuses is told at once, a name that only took a number at the end.
void Tell(const std::string& kind, const std::string& entry, const VbNameChange& change, ImportNotes& notes) {
    if (change.Reason.empty())
        notes.Numbered.push_back(entry + ": " + change.Name);
    else
        ui::MsgBox(VbNameMessage(kind, change), ui::vbInformation, "VB Ostrel");
}

// The column's name and ":", cut to what a form's layout takes.
std::string LabelOf(const std::string& column) {
    return vb::Left(column, core::kLongestShownText - 1) + ":";
}

void ImportTables(ModelSink& sink, const PreviousApplication& previous) {
    const auto application = sink.Application();
    std::string connectString = GetDBConnection(*application);
    auto offered = std::make_shared<vb::Collection<std::string>>(GetNewTables(connectString, *application));
    if (offered->Count() == 0) {
        PutBack(sink, previous);
        return;
    }
    sink.HideAppInfoForm();
    const auto form = sink.ImportSelectionForm();
    if (!form)
        vb::Raise(vb::kObjectNotSet);
    form->SetTablesInDatabase(offered);
    form->Show();
    if (!form->OKClickedForImporting()) {
        if (form->CancelClicked())
            PutBack(sink, previous);
        return;
    }

    const auto catalog = OpenSchemaCatalog(connectString);
    const std::vector<CatalogTable> catalogTables = catalog->Tables();
    std::set<std::string> present;
    for (const CatalogTable& table : catalogTables)
        present.insert(table.Name);
    const BusinessObjectNames businessObjectNames(catalogTables);
    ImportNotes notes;
    std::vector<TableSource> tables;
    std::vector<std::string> names;
    std::optional<vb::Error> lastFailure;
    for (const std::string& name : form->TablestoImport()) {
        if (!present.contains(name))
            vb::Raise(kTableNotFound, "",
                      "The database engine cannot find the input table or query '" + name + "'.");
        // A table the driver cannot read (a virtual table of a module only its application has) is left
        // out, not every table with it.
        try {
            tables.push_back(
                {name, catalog->Columns(name), catalog->PrimaryKey(name), businessObjectNames.Of(name)});
            names.push_back(name);
        } catch (const vb::Error& error) {
            notes.AddUnreadable(name, error);
            lastFailure = error;
        }
    }
    if (tables.empty() && lastFailure)
        throw *lastFailure;
    const RelationshipSource relations = ReadRelationshipSource(*application, *catalog, names);
    const KeyColumnTypes keyTypes(relations.Relations, *catalog);
    for (TableSource& table : tables)
        keyTypes.Assign(table.Name, table.PrimaryKey, table.Columns);

    FrozenWindow frozen(sink);
    if (!sink.IsAppOpened() && !sink.IsImported()) {
        sink.EnableStoredApplicationCommands();
        core::Common::SetStatus("Creating New Application...", false);
        sink.StartNewApplication();
    }
    ShowStatus("Importing Database Information...", ui::MousePointer::Hourglass);
    for (const TableSource& table : tables)
        ImportTable(sink, *application, table, notes);
    notes.FurtherParents = RebuildRelationships(sink, *application, relations);
    if (relations.kind == RelationshipSource::Kind::None)
        notes.UnreadRelationships = RelationshipsNotRead(*application);
    sink.SetCaption("VBOstrel - " + application->Name());
    ShowStatus("Ready...", ui::MousePointer::Default);
    sink.EnableStoredApplicationCommands();
    sink.UnloadAppInfoForm();
    sink.SetIsImported(true);
    sink.SetIsDataChanged(true);
    ReportImportNotes(notes);
}

bool NeverTaken(const std::string&) {
    return false;
}

}  // namespace

BusinessObjectNames::BusinessObjectNames(const std::vector<CatalogTable>& tables) {
    for (const CatalogTable& table : tables) {
        mSchemas.emplace(table.Name, table.Schema);
        if (table.Schema.empty())
            mCurrentSchema.insert(vb::FoldCase(table.Name));
    }
}

std::vector<std::string> BusinessObjectNames::Of(const std::string& table) const {
    const auto found = mSchemas.find(table);
    if (found == mSchemas.end() || found->second.empty())
        return {table};
    const std::string& schema = found->second;
    const std::string name = table.substr(schema.size() + 1);
    const std::string qualified = schema + "_" + name;
    if (mCurrentSchema.contains(vb::FoldCase(name)))
        return {qualified};
    return {name, qualified};
}

void ImportTable(ModelSink& sink, core::qelApplication& application, const TableSource& table,
                 ImportNotes& notes) {
    const auto businessObject =
        CreateTableObject(sink, application, table.Name, notes, table.BusinessObjectNames);
    core::ClassMembers members;
    // A table without a key keeps the columns the database numbers: one of them may become its key.
    const bool isKeyless = table.PrimaryKey.empty();
    for (const CatalogColumn& column : table.Columns)
        CreateFieldObject(
            sink, application, businessObject, column, "", members, notes,
            isKeyless || std::ranges::find(table.PrimaryKey, column.Name) != table.PrimaryKey.end());
    MarkPrimaryKey(sink, application, businessObject, table.PrimaryKey);
    if (businessObject->KeyProperties()->Count() == 0)
        notes.WithoutKey.push_back(table.Name);
    // Told now, not first by the build that refuses it.
    for (const auto& key : *businessObject->KeyProperties()) {
        if (!core::KeyDataTypeFault(key->DataType()).empty())
            notes.UnidentifyingKeys.push_back(table.Name + "." + key->Field()->Name() + " (" +
                                              key->DataType() + ")");
    }
}

void ImportData(ModelSink& sink, const PreviousApplication& currentAppObject) {
    core::LogAndRaiseAs("ImportData", [&] { ImportTables(sink, currentAppObject); });
}

std::shared_ptr<core::qelBusinessObject> CreateTableObject(ModelSink& sink, core::qelApplication& application,
                                                           const std::string& tableName, ImportNotes& notes,
                                                           const std::vector<std::string>& names) {
    return core::LogAndRaiseAs("Create Table Object", "CreateTableObject", [&] {
        const auto isTaken = [&](const std::string& name) {
            return application.BusinessObjects()->Exists(name);
        };
        const std::vector<std::string> tries = names.empty() ? std::vector<std::string>{tableName} : names;
        std::string name;
        std::optional<VbNameChange> change;
        for (const std::string& each : tries) {
            name = vb::Replace(each, " ", "_");
            const bool isLast = &each == &tries.back();
            change = MakeVbName(name, application.Name(),
                                isLast ? std::function<bool(const std::string&)>(isTaken) : NeverTaken,
                                core::BusinessObjectNameFault);
            if (change)
                name = change->Name;
            if (!isTaken(name))
                break;
        }
        if (change)
            Tell("business object", tableName, *change, notes);
        auto businessObject = core::NewBusinessObject(name, tableName);
        sink.BusinessObjectAdded(application, businessObject);
        return businessObject;
    });
}

std::shared_ptr<core::qelBusObjProperty> CreateFieldObject(
    ModelSink& sink, core::qelApplication& application,
    const std::shared_ptr<core::qelBusinessObject>& businessObject, const CatalogColumn& column,
    const std::string& businessObjectName, core::ClassMembers& members, ImportNotes& notes,
    bool keepsNumbered) {
    return core::LogAndRaiseAs(
        "Create Field Object", "CreateFieldObject", [&]() -> std::shared_ptr<core::qelBusObjProperty> {
            const auto& table = businessObject->Table();
            const std::string dataType = FieldType(static_cast<int16_t>(column.Type));
            // Binary data of a set length has no property type; no generated code may write a column the
            // database fills, but a numbered one kept is Read Only, a key of it read back after Add.
            const bool isKeptNumbered = keepsNumbered && column.Filled == FilledBy::Numbering;
            if (dataType == "VarBinary" || (column.Filled != FilledBy::Application && !isKeptNumbered)) {
                if (dataType == "VarBinary")
                    ui::MsgBox(column.Name + " field cannot be imported! It holds " + kBinaryData + ".",
                               ui::vbInformation);
                notes.AddLeftOut(table->Name(), column);
                return nullptr;
            }
            // A name the rules 1 to 3 empty is the column's own, for the VB name rule to mend.
            std::string name = PropertyNameOf(column.Name);
            if (name.empty())
                name = column.Name;
            const std::string owner =
                businessObjectName.empty() ? businessObject->Name() : businessObjectName;
            const auto isTaken = [&](const std::string& propertyName) {
                return businessObject->Properties()->Exists(owner + ".Properties." + propertyName);
            };
            // A name the business object has is numbered, not a clash to mend.
            const auto clashOf = [&](const std::string& propertyName) {
                return isTaken(propertyName) ? std::string() : members.PropertyClash(propertyName, dataType);
            };
            if (const auto change = MakeVbName(name, owner, isTaken, core::Common::VbNameFault, clashOf)) {
                Tell("property", table->Name() + "." + column.Name, *change, notes);
                name = change->Name;
            }

            auto field = std::make_shared<core::qelField>();
            field->SetName(column.Name);
            field->SetDataType(dataType);
            field->SetLength(column.Size);
            field->SetIsNullable(column.IsNullable);
            field->SetTable(table);
            auto property = std::make_shared<core::qelBusObjProperty>();
            property->SetName(name);
            property->SetBusinessObjectName(owner);
            property->SetField(field);
            property->SetAccess(isKeptNumbered ? "Read Only" : "Read/Write");
            property->SetLabel(LabelOf(column.Name));
            property->SetPVTableClass("qelCodeTable");
            property->SetControlType("TextBox");
            field->SetBusObjProperty(property);
            table->AddField(field);
            table->SetBusinessObject(businessObject);
            members.TakeProperty(core::MemberItem("Property", *businessObject, name), name, dataType);
            sink.PropertyAdded(application, property);
            notes.AddColumn(table->Name(), column);
            return property;
        });
}

}  // namespace schemaimport
