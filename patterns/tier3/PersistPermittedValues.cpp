// GetPermittedValues: the permitted values of every property in one recordset, from the developer's code
// tables, the rows of referenced business objects and the lists of the model.

#include <vector>

#include "patternkit/PropertySets.h"
#include "patterns/tier3/PersistWriter.h"
#include "platform/vb/Literal.h"
#include "platform/vb/Text.h"
#include "typelib/IField.h"

namespace tier3 {
namespace {

// The business object that owns the property a foreign property refers to.
std::string OwnerOf(const typelib::IProperty& foreignProperty) {
    const auto& field = patternkit::Required(foreignProperty.ForeignKeyField());
    return patternkit::Required(field.BusObjProperty()).BusinessObjectName();
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const auto& known : names) {
        if (vb::TextEquals(known, name))
            return true;
    }
    return false;
}

// The items of GetPermittedValues: the search of each referenced table, then the lines between the two
// edit points, which stay in the procedure, then the comment and the values of each list.
struct PermittedValuesItem {
    enum Kind { Search, Between, List, Value } kind;
    std::shared_ptr<typelib::IProperty> property;
    std::string value;  // of a Value
};

std::vector<PermittedValuesItem> PermittedValuesItems(const patternkit::PropertySet& foreignKeys,
                                                      const patternkit::PropertySet& properties) {
    std::vector<PermittedValuesItem> items;
    for (const auto& property : foreignKeys)
        items.push_back({PermittedValuesItem::Search, property, {}});
    items.push_back({PermittedValuesItem::Between, nullptr, {}});
    for (const auto& property : properties) {
        if (!property->IsPVList())
            continue;
        items.push_back({PermittedValuesItem::List, property, {}});
        if (const auto values = property->PermittedValues()) {
            for (const std::string& value : *values)
                items.push_back({PermittedValuesItem::Value, property, value});
        }
    }
    return items;
}

}  // namespace

void PersistWriter::WritePermittedValues() {
    const patternkit::PropertySet foreignKeys =
        patternkit::Common::GetPVForeignKeyProperties(mContext.BusinessObject());
    // Option Explicit: every object variable used in step 2 must be declared.
    const auto declareOwners = [&](const patternkit::PropertySet& searched,
                                   std::vector<std::string>& declared) {
        for (const auto& property : searched) {
            const std::string owner = OwnerOf(*property);
            if (Contains(declared, owner))
                continue;
            declared.push_back(owner);
            EmitLine("Dim my" + owner + "Persist As " + owner + "Persist");
        }
    };
    // Split, the generated searches and lists go into the parts, called behind the edit points, which then
    // hold only what the developer adds: a call kept in an edit point would outlive the parts it names.
    const auto split = [&] { return mContext.Splitter().WritingParts(); };
    const auto openEditPoint = [&](std::string_view name) {
        if (split())
            Emit(
                "|{{Start}}GetPermittedValues - Further {{Name}}\n|{{End}}GetPermittedValues - Further "
                "{{Name}}",
                {{"Name", name}});
        else
            Emit("|{{Start}}GetPermittedValues - {{Name}}", {{"Name", name}});
    };
    const auto head = [&] {
        Emit(R"vb(
            |Public Function GetPermittedValues() As ADOR.Recordset
            |'Permitted values come from three sources:
            |'   List:  values hard coded in the business object because the set of
            |'          values is small and does not change, such as the values
            |'          of a gender.
            |'   Code table:  values stored in tables of the database, read through
            |'          a code table persistence object.  A code table is not the
            |'          same thing as a reference table.
            |'   Reference table:  a foreign key whose related table supplies all
            |'          the valid values.  The related table should hold no more
            |'          than 100 rows.
            |'
            |'The values of all three sources are returned in one recordset so that
            |'Layer 2 gets all the permitted values of the business object in one call.
            |'Layer 2 keeps the recordset and uses it to validate and display values.
            |'
            |
            |'The returned recordset has one row per permitted value and three fields:
            |'   PropertyName:    the property the value belongs to
            |'   DisplayedValue:  the value the user interface shows
            |'   StoredValue:     the value stored in the database
            |'
            |
            |Dim rsPermittedValues As ADOR.Recordset
            |Dim strDefaultLangId As String
            |
            |'Search method of referenced business objects retrieves permitted values
        )vb");
        std::vector<std::string> declared;
        for (const auto& reference : mContext.References()) {
            mContext.Current().referenceBusObj = reference;
            declared.push_back(patternkit::Required(reference).Name());
            EmitLine("Dim my&ReferenceBusObjNamePersist As &ReferenceBusObjNamePersist");
        }
        declareOwners(foreignKeys, declared);
        Emit(R"vb(
            |
            |Dim strSQL As String
            |Dim rsCodeTable As ADOR.Recordset
            |Dim rsForeignKeys As ADOR.Recordset
            |
            |    On Error GoTo HandleError
            |
            |    'Use function to create the recordset that holds permitted values ¶
            |    Set rsPermittedValues = GetPVRecordset()
            |
            |    'Permitted values are added in three steps:
            |    '   Step 1: values of code tables
            |    '   Step 2: values of the foreign keys of referenced business objects,
            |    '           read through the Search method of their persistence objects
            |    '   Step 3: values hard coded in the business object
            |
            |    'Step 1: Code Table
            |
            |    '****NOTE****
            |    'Generated code does not read code tables.
            |    'Add the logic between the edit points below.
            |    'The commented sample is a guide.
            |    ¶
            |{{Start}}GetPermittedValues - Code Table
            |
            |'    strSQL = "SELECT DisplayedValue, StoredValue FROM CodeTable"
            |'    Set rsCodeTable = New ADOR.Recordset
            |'    rsCodeTable.CursorLocation = adUseClient
            |'    rsCodeTable.CursorType = adOpenStatic
            |'    rsCodeTable.Open strSQL, cnnDataBase, , , adCmdText
            |'    While Not rsCodeTable.EOF
            |'        rsPermittedValues.AddNew
            |'        rsPermittedValues.Fields("PropertyName") = "PropertyName"
            |'        rsPermittedValues.Fields("DisplayedValue") = rsCodeTable.Fields("DisplayedValue")
            |'        rsPermittedValues.Fields("StoredValue") = rsCodeTable.Fields("StoredValue")
            |'        rsPermittedValues.Update
            |'        rsCodeTable.MoveNext
            |'    Wend
            |
            |{{End}}GetPermittedValues - Code Table
            |
            |    'Step 2:  Referenced business objects
        )vb");
        openEditPoint("Referenced Tables");
    };
    const std::vector<PermittedValuesItem> items = PermittedValuesItems(foreignKeys, mContext.Properties());
    const auto item = [&](size_t index) {
        const PermittedValuesItem& item = items[index];
        if (item.property)
            SetProperty(item.property);
        switch (item.kind) {
            case PermittedValuesItem::Search:
                Emit(R"vb(
                    |    Set my&VirtPropOwnerBusObjPersist = New &VirtPropOwnerBusObjPersist
                    |    strSQL = ""
                    |    Set rsForeignKeys = my&VirtPropOwnerBusObjPersist.Search(strSQL)
                    |
                    |    If rsForeignKeys.RecordCount > 0 Then
                    |        rsForeignKeys.MoveFirst
                    |        While Not rsForeignKeys.EOF
                    |            rsPermittedValues.AddNew
                    |            rsPermittedValues.Fields("PropertyName") = "&PropName"
                    |            rsPermittedValues.Fields("DisplayedValue") = rsForeignKeys.Fields("&PVFkeyDisplayedProp")
                    |            rsPermittedValues.Fields("StoredValue") = rsForeignKeys.Fields("&VirtPropOrigName")
                    |            rsForeignKeys.MoveNext
                    |        Wend
                    |    End If
                    |    ¶
                )vb");
                break;
            case PermittedValuesItem::Between:
                if (!split())
                    Emit("|{{End}}GetPermittedValues - Referenced Tables");
                Emit("|\n|    'Step 3:  Hard coded values business objects");
                openEditPoint("Permitted Value Lists");
                if (!split())
                    EmitLine("");
                break;
            case PermittedValuesItem::List:
                EmitLine("'Permitted values for &PropName");
                break;
            case PermittedValuesItem::Value: {
                const std::string literal = vb::StringLiteral(item.value);
                Emit(R"vb(
                    |    rsPermittedValues.AddNew
                    |    rsPermittedValues.Fields("PropertyName") = "&PropName"
                    |    rsPermittedValues.Fields("DisplayedValue") = {{Value}}
                    |    rsPermittedValues.Fields("StoredValue") = {{Value}}
                    |
                )vb",
                     {{"Value", literal}});
                break;
            }
        }
    };
    const auto tail = [&] {
        Emit("|\n|    Set GetPermittedValues = rsPermittedValues\n|");
        if (!split())
            Emit("|{{End}}GetPermittedValues - Permitted Values List\n|");
        Emit(R"vb(
            |GetPermittedValuesExit:
            |    If Not (rsPermittedValues Is Nothing) Then
            |        Set rsPermittedValues = Nothing
            |    End If
            |    Exit Function
            |
        )vb");
        mContext.WriteErrorHandler("GetPermittedValues", "GetPermittedValuesExit");
        EmitLine("End Function");
    };
    // A part adds to the recordset it is handed; a part that searches declares what the search uses.
    const auto partHead = [&](const patternkit::ProcedurePart& part) {
        Emit("|Private Sub {{Part}}(rsPermittedValues As ADOR.Recordset)", {{"Part", part.name}});
        patternkit::PropertySet searched;
        for (size_t index = part.first; index < part.end; ++index) {
            if (items[index].kind == PermittedValuesItem::Search)
                searched.push_back(items[index].property);
        }
        std::vector<std::string> declared;
        declareOwners(searched, declared);
        if (!declared.empty())
            Emit("|Dim strSQL As String\n|Dim rsForeignKeys As ADOR.Recordset");
    };
    const auto call = [&](const patternkit::ProcedurePart& part) {
        Emit("|    {{Part}} rsPermittedValues", {{"Part", part.name}});
    };
    mContext.Splitter().Write(
        {.name = "GetPermittedValues",
         .head = head,
         .items = items.size(),
         .item = item,
         .tail = tail,
         .partHead = partHead,
         .call = call,
         .stays = [&](size_t index) { return items[index].kind == PermittedValuesItem::Between; }});
}

}  // namespace tier3
