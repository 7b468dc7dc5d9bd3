#include "schemaimport/ImportData.h"

#include <set>
#include <vector>

#include "core/ApplicationLog.h"
#include "core/CommonStatus.h"
#include "core/qelBusObjMethod.h"
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

void CannotImport(const std::string& name, const char* kind) {
    ui::MsgBox(name + " " + kind + " cannot be imported!", ui::vbInformation);
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
    std::set<std::string> present;
    for (const CatalogTable& table : catalog->Tables())
        present.insert(table.Name);
    std::vector<TableSource> tables;
    std::vector<std::string> names;
    for (const std::string& name : form->TablestoImport()) {
        if (!present.contains(name))
            vb::Raise(kTableNotFound, "",
                      "The database engine cannot find the input table or query '" + name + "'.");
        tables.push_back({name, catalog->Columns(name), catalog->PrimaryKey(name)});
        names.push_back(name);
    }
    const RelationshipSource relations = ReadRelationshipSource(*application, *catalog, names);

    FrozenWindow frozen(sink);
    if (!sink.IsAppOpened() && !sink.IsImported()) {
        sink.EnableStoredApplicationCommands();
        core::Common::SetStatus("Creating New Application...", false);
        sink.StartNewApplication();
    }
    ShowStatus("Importing Database Information...", ui::MousePointer::Hourglass);
    for (const TableSource& table : tables)
        ImportTable(sink, *application, table);
    RebuildRelationships(sink, *application, relations);
    sink.SetCaption("VBOstrel - " + application->Name());
    ShowStatus("Ready...", ui::MousePointer::Default);
    sink.EnableStoredApplicationCommands();
    sink.UnloadAppInfoForm();
    sink.SetIsImported(true);
    sink.SetIsDataChanged(true);
}

}  // namespace

void ImportTable(ModelSink& sink, core::qelApplication& application, const TableSource& table) {
    const auto businessObject = CreateTableObject(sink, application, table.Name);
    if (!businessObject)
        return;
    for (const CatalogColumn& column : table.Columns)
        CreateFieldObject(sink, application, businessObject, column, "");
    MarkPrimaryKey(sink, application, businessObject, table.PrimaryKey);
}

void ImportData(ModelSink& sink, const PreviousApplication& currentAppObject) {
    core::LogAndRaiseAs("ImportData", [&] { ImportTables(sink, currentAppObject); });
}

std::shared_ptr<core::qelBusinessObject> CreateTableObject(ModelSink& sink, core::qelApplication& application,
                                                           const std::string& tableName) {
    return core::LogAndRaiseAs(
        "Create Table Object", "CreateTableObject", [&]() -> std::shared_ptr<core::qelBusinessObject> {
            const std::string name = vb::Replace(tableName, " ", "_");
            if (application.BusinessObjects()->Exists(name)) {
                CannotImport(tableName, "table");
                return nullptr;
            }
            auto table = std::make_shared<core::qelTable>();
            table->SetName(tableName);
            auto businessObject = std::make_shared<core::qelBusinessObject>();
            businessObject->SetName(name);
            businessObject->SetL1ClassName(name + "UI");
            businessObject->SetL2BusObjClass(name);
            businessObject->SetL2DisplayClass(name + "Display");
            businessObject->SetL2ListClass(name + "List");
            businessObject->SetL3BusObjClass(name + "Persist");
            businessObject->SetL3ListClass(name + "ListPersist");
            businessObject->SetTable(table);
            for (const char* methodName : {"Add", "Update", "Read", "Delete"}) {
                auto method = std::make_shared<core::qelBusObjMethod>();
                method->SetName(methodName);
                method->SetMethodType("Sub");
                method->SetReturnDataType("None");
                method->SetIsStoredProcedure(false);
                businessObject->Methods()->Add(method, name + ".Methods." + methodName);
            }
            sink.BusinessObjectAdded(application, businessObject);
            return businessObject;
        });
}

std::shared_ptr<core::qelBusObjProperty> CreateFieldObject(
    ModelSink& sink, core::qelApplication& application,
    const std::shared_ptr<core::qelBusinessObject>& businessObject, const CatalogColumn& column,
    const std::string& businessObjectName) {
    return core::LogAndRaiseAs(
        "Create Field Object", "CreateFieldObject", [&]() -> std::shared_ptr<core::qelBusObjProperty> {
            const std::string dataType = FieldType(static_cast<int16_t>(column.Type));
            std::string name = PropertyNameOf(column.Name);
            if (dataType == "VarBinary" || name.empty()) {
                CannotImport(column.Name, "field");
                return nullptr;
            }
            const std::string owner = businessObjectName.empty()
                                          ? vb::Replace(businessObject->Table()->Name(), " ", "_")
                                          : businessObjectName;
            if (const auto reserved = RenameReservedWord(name, owner)) {
                ui::MsgBox("The property name " + reserved->Word +
                               " is a reserved word so the property name will be converted to: " +
                               reserved->NewName + ".",
                           ui::vbInformation, "VB Ostrel");
                name = reserved->NewName;
            }
            const auto& table = businessObject->Table();
            if (businessObject->Properties()->Exists(owner + ".Properties." + name) ||
                table->Fields()->Exists(column.Name)) {
                ui::MsgBox(
                    "A property with the same name already exists for the " + owner + " Business Object.",
                    ui::vbInformation, "Information");
                return nullptr;
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
            property->SetAccess("Read/Write");
            property->SetLabel(column.Name + ":");
            property->SetPVTableClass("qelCodeTable");
            property->SetControlType("TextBox");
            field->SetBusObjProperty(property);
            table->Fields()->Add(field, column.Name);
            table->SetBusinessObject(businessObject);
            sink.PropertyAdded(application, property);
            return property;
        });
}

}  // namespace schemaimport
