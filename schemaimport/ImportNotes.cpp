#include "schemaimport/ImportNotes.h"

#include "platform/odbc/DataSources.h"
#include "platform/ui/Interaction.h"

namespace schemaimport {
namespace {

void AddParagraph(std::string& text, const char* heading, const std::vector<std::string>& entries) {
    if (entries.empty())
        return;
    text += (text.empty() ? "" : "\r\n\r\n") + std::string(heading);
    for (const std::string& entry : entries)
        text += "\r\n" + entry;
}

}  // namespace

void ImportNotes::AddColumn(const std::string& table, const CatalogColumn& column) {
    if (!column.UnknownType.empty())
        UnknownTypes.push_back(table + "." + column.Name + " (" + column.UnknownType + ")");
    if (column.Loss == TypeLoss::Rounded)
        Rounded.push_back(table + "." + column.Name);
    else if (column.Loss == TypeLoss::Range)
        Bounded.push_back(table + "." + column.Name);
}

std::string RelationshipsNotRead(const core::qelApplication& application) {
    const std::string type = application.DBType().empty() ? "not known" : application.DBType();
    std::string source;
    if (!application.DSN().empty()) {
        const auto driver =
            odbc::DataSourceAttribute(application.DSN(), "Driver", odbc::Scope::UserAndSystem);
        source =
            " (its data source " + application.DSN() + " uses the driver \"" + driver.value_or("") + "\")";
    }
    return "No relationships were read: they are read where the database type is Access or SQL, and this "
           "application's is " +
           type + source +
           ". The model keeps the relationships it had; add others with Business Object > Add Relationship.";
}

void ReportImportNotes(const ImportNotes& notes) {
    std::string text;
    AddParagraph(text, "These columns are of types the import does not know and became String properties:",
                 notes.UnknownTypes);
    AddParagraph(text,
                 "These columns became Double properties, which may round their values:", notes.Rounded);
    AddParagraph(text,
                 "These columns became Currency properties, which hold values from -922,337,203,685,477 "
                 "to 922,337,203,685,477 only:",
                 notes.Bounded);
    AddParagraph(text, "These tables have no primary key; set a key property on each before it can be built:",
                 notes.WithoutKey);
    AddParagraph(text,
                 "These tables hold the keys of more than one parent in their own key. Each keeps its first "
                 "parent; the relationships to the others were made Reference, their columns staying part of "
                 "the key:",
                 notes.FurtherParents);
    if (!notes.UnreadRelationships.empty())
        text += (text.empty() ? "" : "\r\n\r\n") + notes.UnreadRelationships;
    if (!text.empty())
        ui::MsgBox(text, ui::vbInformation);
}

}  // namespace schemaimport
