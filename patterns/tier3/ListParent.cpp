#include "patterns/tier3/ListParent.h"

#include "patternkit/Emitter.h"
#include "patterns/tier3/KeyOrder.h"
#include "typelib/IField.h"
#include "typelib/ITable.h"

namespace tier3 {
namespace {

using patternkit::Required;

std::string ParentName(const GeneratorContext& context) {
    return Required(context.Current().parentBusObj).Name();
}

// The child's foreign properties that refer to the parent's key field (table and field name compared
// exactly), in model order.
patternkit::PropertySet ForeignPropertiesOf(const typelib::IProperty& parentKey,
                                            const patternkit::PropertySet& childProperties) {
    const typelib::IField& keyField = Required(parentKey.Field());
    const std::string keyTable = Required(keyField.Table()).Name();
    patternkit::PropertySet matching;
    for (const auto& property : childProperties) {
        if (!Required(property).IsForeignProperty())
            continue;
        const typelib::IField& foreignField = Required(property->ForeignKeyField());
        if (Required(foreignField.Table()).Name() == keyTable && foreignField.Name() == keyField.Name())
            matching.push_back(property);
    }
    return matching;
}

// Puts the value of key `position` (of `keyCount`) of the parent's ObjectID into strID and, before the
// last key, takes it off strTempObjID.
void WriteKeyValueExtraction(const patternkit::Emitter& out, size_t position, size_t keyCount) {
    if (keyCount == 1) {
        out.Emit("|    strID = my&ParentBusObjName.ObjectId");
    } else if (position < keyCount) {
        out.Emit(R"vb(
            |    i = InStr(strTempObjID, ";")
            |    strID = Left(strTempObjID, i - 1)
            |    strTempObjID = Mid(strTempObjID, i + 1)
        )vb");
    } else {
        out.Emit("|    strID = strTempObjID");
    }
}

}  // namespace

void WriteListParentMembers(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    out.Emit(R"vb(
        |'The &ParentBusObjName whose &BusObjNames are listed. When it is set,
        |'searches return its &BusObjNames only.
        |Private my&ParentBusObjName As &ParentBusObjName
        |'The ObjectId of the &ParentBusObjName is used to qualify searches.
        |Private my&ParentBusObjNameObjID As String
        |Property Set &ParentBusObjName(&ParentBusObjNameBusObj As &ParentBusObjName)
        |    On Error GoTo HandleError
        |    Set my&ParentBusObjName = &ParentBusObjNameBusObj
        |
        |PropertyExit:
        |    'Cleanup after error
        |    Exit Property
        |
    )vb");
    const std::string parent = ParentName(context);
    context.WriteErrorHandler("Set " + parent, "PropertyExit");
    out.Emit(R"vb(
        |End Property
        |Property Let &ParentBusObjNameObjId(ObjId As String)
        |    On Error GoTo HandleError
        |    my&ParentBusObjNameObjID = ObjId
        |
        |PropertyExit:
        |    'Cleanup after error
        |    Exit Property
    )vb");
    context.WriteErrorHandler("Let " + parent + "ObjId", "PropertyExit");
    out.Emit("|End Property ¶");
}

void WriteListParentQualification(GeneratorContext& context) {
    context.Out().Emit(R"vb(
        |'Qualify the search string with the &ParentBusObjName's keys.
        |    If Trim(strSearch) = "" Then
        | strSearch = GenSQLFrom&ParentBusObjNameObjId ()
        |    Else
        | strSearch = strSearch & " AND " & GenSQLFrom&ParentBusObjNameObjId ()
        |    End If
        |
    )vb");
}

void WriteListParentQuery(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    out.Emit(R"vb(
        |Private Function GenSQLFrom&ParentBusObjNameObjId () As String
        |'Turns the ObjectId of the &ParentBusObjName into criteria on the foreign properties
        |'of &BusObjName: one condition per key of the &ParentBusObjName, in key order.
        |'The ObjectId holds the key values separated by semicolons.
        |Dim i As Integer
        |Dim strSQL As String
        |Dim strTempObjID As String
        |Dim strID as String
        |    On Error GoTo HandleError
        |
        |    strTempObjID = my&ParentBusObjName.ObjectId
        |
    )vb");

    const patternkit::PropertySet parentKeys = KeysInKeyIndexOrder(
        patternkit::AllOf(Required(Required(context.Current().parentBusObj).Properties())));
    bool conditionWritten = false;
    for (size_t position = 1; position <= parentKeys.size(); ++position) {
        const typelib::IProperty& parentKey = *parentKeys[position - 1];
        const patternkit::PropertySet foreignProperties =
            ForeignPropertiesOf(parentKey, context.Properties());
        // Every key but the last is taken off the ObjectID, compared or not, so that each later key
        // meets its own value.
        const bool valueNeeded = !foreignProperties.empty() || position < parentKeys.size();
        bool valueExtracted = false;
        for (const auto& foreignProperty : foreignProperties) {
            context.Current().property = foreignProperty;
            out.Emit(R"vb(
                |    'Remove {{Key}} from ObjectID and add it to the SQL string.
                |    'The name of the corresponding foreign property is &BusObjName.&PropName.
            )vb",
                     {{"Key", parentKey.Name()}});
            if (!valueExtracted)
                WriteKeyValueExtraction(out, position, parentKeys.size());
            valueExtracted = true;
            // The value is put into the search with its quotes doubled, once.
            if (conditionWritten)
                out.Emit(
                    R"vb(|    strSQL = strSQL & " AND &PropName = &SQLDelimiter" & DoubleQuotes(strID) & "&SQLDelimiter ")vb");
            else
                out.Emit(
                    R"vb(|    strSQL = strSQL & "&PropName  = &SQLDelimiter" & DoubleQuotes(strID) & "&SQLDelimiter ")vb");
            conditionWritten = true;
        }
        if (valueNeeded && !valueExtracted)
            WriteKeyValueExtraction(out, position, parentKeys.size());
        out.Emit("|");
    }

    out.Emit(R"vb(
        |    GenSQLFrom&ParentBusObjNameObjId = strSQL
        |
        |GenSQLExit:
        |    'Cleanup after error
        |    Exit Function
    )vb");
    context.WriteErrorHandler("GenSQLFrom" + ParentName(context) + "ObjId", "GenSQLExit");
    out.Emit("|End Function");
}

}  // namespace tier3
