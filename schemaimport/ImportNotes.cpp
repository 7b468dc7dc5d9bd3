#include "schemaimport/ImportNotes.h"

#include "platform/odbc/DataSources.h"
#include "platform/odbc/Odbc.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Text.h"
#include "schemaimport/AdoTypes.h"
#include "schemaimport/ImportNames.h"

namespace schemaimport {
namespace {

void AddParagraph(std::string& text, const std::string& heading, const std::vector<std::string>& entries) {
    if (entries.empty())
        return;
    text += (text.empty() ? "" : "\r\n\r\n") + heading;
    for (const std::string& entry : entries)
        text += "\r\n" + entry;
}

}  // namespace

void ImportNotes::AddColumn(const std::string& table, const CatalogColumn& column) {
    const std::string name = table + "." + column.Name;
    if (column.Filled == FilledBy::Numbering)
        DatabaseNumberedKeys.push_back(name);
    if (!column.UnknownType.empty()) {
        const bool isSized = column.Type == adChar || column.Type == adVarChar;
        UnknownTypesCut = UnknownTypesCut || (isSized && column.Size == kTextLength);
        UnknownTypes.push_back(name + " (" + column.UnknownType +
                               "): " + FieldType(static_cast<int16_t>(column.Type)) +
                               (isSized ? "(" + std::to_string(column.Size) + ")" : ""));
    }
    if (column.Loss == TypeLoss::Rounded)
        Rounded.push_back(name);
    else if (column.Loss == TypeLoss::Range)
        Bounded.push_back(name);
    else if (column.Loss == TypeLoss::Cut)
        Cut.push_back(name);
    else if (column.Loss == TypeLoss::DateAsText)
        DatesAsText.push_back(name);
}

void ImportNotes::AddLeftOut(const std::string& table, const CatalogColumn& column) {
    const std::string name = table + "." + column.Name;
    switch (column.Filled) {
        case FilledBy::Expression:
            Computed.push_back(name);
            break;
        case FilledBy::ComplexData:
            Complex.push_back(name);
            break;
        case FilledBy::Numbering:
            DatabaseNumbered.push_back(name);
            break;
        case FilledBy::Application:
            Binary.push_back(name);
            break;
    }
}

void ImportNotes::AddUnreadable(const std::string& table, const vb::Error& error) {
    // The reasons come one a line after the empty text; here they follow the table's name.
    const std::string reasons = odbc::WithDriverReason("", error);
    Unreadable.push_back(
        table + ": " +
        (reasons.empty() ? error.Description() : vb::Replace(vb::Mid(reasons, 3), "\r\n", "; ")));
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
    AddParagraph(text, "These tables could not be read and were not imported:", notes.Unreadable);
    AddParagraph(text,
                 "These columns hold " + std::string(kBinaryData) + ", and were not imported:", notes.Binary);
    AddParagraph(text,
                 "These columns are computed by the database, which refuses values written to them, and were "
                 "not imported:",
                 notes.Computed);
    AddParagraph(text,
                 "These columns are numbered by the database, which refuses values written to them, and "
                 "were not imported:",
                 notes.DatabaseNumbered);
    AddParagraph(text,
                 "These columns hold attachments, several values or a version history, which generated code "
                 "can neither read nor write, and were not imported:",
                 notes.Complex);
    const std::string textLength = std::to_string(kTextLength);
    AddParagraph(text,
                 "These columns are of types the import does not know, or of none; each became the "
                 "property named after it" +
                     (notes.UnknownTypesCut ? ", and where that is String(" + textLength +
                                                  ") the generated application cuts longer values to " +
                                                  textLength + " characters when it reads them:"
                                            : std::string(":")),
                 notes.UnknownTypes);
    AddParagraph(text,
                 "These columns became Double properties, which may round their values:", notes.Rounded);
    AddParagraph(text,
                 "These columns became Currency properties, which hold values from -922,337,203,685,477 "
                 "to 922,337,203,685,477 only:",
                 notes.Bounded);
    AddParagraph(text,
                 "These columns hold text of any length in a key and became String(" + textLength +
                     ") properties, whose values may be cut to " + textLength + " characters:",
                 notes.Cut);
    AddParagraph(text,
                 "These columns hold dates and times a Date cannot hold (years from 1, fractions of a second "
                 "to 100 nanoseconds) and became String(" +
                     textLength + ") properties:",
                 notes.DatesAsText);
    AddParagraph(text,
                 "These columns are numbered by the database and became Read Only properties, which Add "
                 "and Update leave unwritten:",
                 notes.DatabaseNumberedKeys);
    AddParagraph(text,
                 "These tables and columns would take the name of a business object or property made before "
                 "them (VB ignores letter case); each took a number and became the one named after it:",
                 notes.Numbered);
    AddParagraph(text, "These tables have no primary key; set a key property on each before it can be built:",
                 notes.WithoutKey);
    AddParagraph(text,
                 "These key columns became properties of a data type that has no value in the record and "
                 "cannot identify a row; give each another data type, or set its Primary Key to No, before "
                 "its business object is built:",
                 notes.UnidentifyingKeys);
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
