// The layer-2 list class Name & "List": a read-only cursor over the rows of a search, filtered by the
// parent when the business object has exactly one identifying parent.

#include <string>

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeHeader.h"
#include "patternkit/Emitter.h"
#include "patterns/tier3/Generators.h"
#include "patterns/tier3/KeyOrder.h"
#include "patterns/tier3/ListParent.h"
#include "platform/vb/Numbers.h"

namespace tier3 {
namespace {

void WriteHeaderAndDeclarations(const patternkit::Emitter& out) {
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'*****************************************************************
        |'Layer 2: &BusObjName Business Object - Used for lists
        |'*****************************************************************
        |'
        |'Standard business operations supported by this business object:
        |'
        |'Search     Retrieves &BusObjNames from the database using
        |'           the search criteria, and positions the list
        |'           on the first one found.
        |'
        |'Item       Returns the &BusObjName at the current position
        |'           of the list.
        |'Count      Returns the number of &BusObjNames in the list.
        |
        |Option Explicit
        |
        |'Variables to hold error number, description, and source
        |Private mlngErrNumber As Long
        |Private mstrErrDescription As String
        |Private mstrErrSource As String
        |
        |'This recordset holds the &BusObjName rows matching the search criteria
        |Private mrs&BusObjName As ADOR.Recordset
        |
        |'This recordset holds the permitted values of all &BusObjName properties.
        |'Its fields:
        |'PropertyName       The name of the &BusObjName property
        |'DisplayedValue     The value displayed by the UI
        |'StoredValue        The value actually stored in the database
        |'IsValid            Indicates if the value can be assigned at this time
        |Private mrsPermittedValues As ADOR.Recordset
        |'Permitted values can be supplied in multiple languages
        |
        |'One item per property, keyed by the property name.
        |'A property with permitted values is read as its displayed value,
        |'any other as the value stored.
        |Private mcolPropPermittedValues As Collection  'True: Property has permitted values
    )vb");
}

void WriteClassInitialize(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |Private Sub Class_Initialize()
        |Dim objPersist As &BusObjNamePersist
        |
        |'The permitted values are read once, for the life of the list.
        |    Set objPersist = New &BusObjNamePersist
        |    Set mrsPermittedValues = objPersist.GetPermittedValues()
        |    Set objPersist = Nothing
        |    InitPropertyPVCol
        |
        |End Sub
    )vb");
}

void WritePropertyGets(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    for (const auto& property : context.Properties()) {
        context.Current().property = property;
        out.Emit(R"vb(
            |Property Get &PropName () As String
            |    On Error GoTo HandleError
            |
            |    If mcolPropPermittedValues("&PropName") Then
            |        &PropName = GetDisplayedValue(mrsPermittedValues,"&PropName",CStr(mrs&BusObjName("&PropName")))
            |    Else
            |        If IsNull(mrs&BusObjName("&PropName")) Then
            |            &PropName = "" ¶
            |        Else
            |            &PropName = mrs&BusObjName("&PropName") ¶
            |        End If
            |    End If
            |
            |PropertyExit:
            |    'Cleanup after error
            |    Exit Property
        )vb");
        context.WriteErrorHandler("Property Get " + vb::Str(patternkit::Required(property).DBID()),
                                  "PropertyExit");
        out.Emit("|End Property ¶");
    }
}

// A procedure of the standard frame whose body is one line.
void WriteOneLineProcedure(GeneratorContext& context, std::string_view signature, std::string_view body,
                           std::string_view exitLabel, std::string_view exitStatement,
                           std::string_view procedureLabel, std::string_view endLine) {
    context.Out().Emit(
        R"vb(
        |{{Signature}}
        |    On Error GoTo HandleError
        |
        |{{Body}}
        |
        |{{Exit}}:
        |    'Cleanup after error
        |    {{ExitStatement}}
    )vb",
        {{"Signature", signature}, {"Body", body}, {"Exit", exitLabel}, {"ExitStatement", exitStatement}});
    context.WriteErrorHandler(procedureLabel, exitLabel);
    context.Out().EmitLine(endLine);
}

void WriteCursorMembers(GeneratorContext& context) {
    constexpr std::string_view kProperty = "Exit Property";
    constexpr std::string_view kSub = "Exit Sub";
    WriteOneLineProcedure(context, "Property Get ObjectId () As String", "    ObjectId = CreateObjectId()",
                          "PropertyExit", kProperty, "Property Get ObjectId", "End Property");
    WriteOneLineProcedure(context, "Property Get EOF () As Boolean", "    EOF = mrs&BusObjName.EOF",
                          "PropertyExit", kProperty, "Property Get EOF", "End Property");
    WriteOneLineProcedure(context, "Property Get RecordCount () As Long",
                          "    RecordCount = mrs&BusObjName.RecordCount", "PropertyExit", kProperty,
                          "Property Get RecordCount", "End Property");
    WriteOneLineProcedure(context, "Public Sub MoveNext () ", "    mrs&BusObjName.MoveNext", "MoveNextExit",
                          kSub, "MoveNext", "End Sub");
    WriteOneLineProcedure(
        context, "Public Sub MoveFirst () ",
        "    If Not (mrs&BusObjName.BOF And mrs&BusObjName.EOF) Then mrs&BusObjName.MoveFirst",
        "MoveFirstExit", kSub, "MoveFirst", "End Sub");
}

void WriteSearch(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    out.Emit(R"vb(
        |Public Sub Search(Optional ByVal strSearch As String)
        |'Finds &BusObjName objects matching the search criteria.
        |'Uses the corresponding Layer 3 object, &BusObjNamePersist to perform the search.
        |    Dim objPersist As &BusObjNamePersist
        |    On Error GoTo HandleError
        |
        |    Set objPersist = New &BusObjNamePersist
        |
        |'   Clear the current recordset
        |    Set mrs&BusObjName = Nothing
        |
    )vb");
    if (context.HasOneParent())
        WriteListParentQualification(context);
    out.Emit(R"vb(
        |    Set mrs&BusObjName = objPersist.Search(strSearch)
        |    Set objPersist = Nothing
        |    If Not mrs&BusObjName.EOF Then
        |        mrs&BusObjName.MoveFirst
        |    End If
        |
        |SearchExit:
        |'Cleanup after error
        |    If Not (objPersist Is Nothing) Then
        |        Set objPersist = Nothing
        |    End If
        |    Exit Sub
        |
    )vb");
    context.WriteErrorHandler("Search Method", "SearchExit");
    out.Emit("|End Sub");
}

void WriteCreateObjectId(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    out.Emit(R"vb(
        |Private Function CreateObjectId() As String
        |'Creates the ObjectId of the current business object instance.
        |'The ObjectId is a string containing all keys.
        |'Key values are separated by a semicolon.
        |    On Error GoTo HandleError
        |
    )vb");
    // The values come from the row itself: a key with permitted values must give its stored value,
    // not the displayed one, or the ObjectId would name no object.
    for (const auto& key : KeysInKeyIndexOrder(context.Properties())) {
        context.Current().property = key;
        const std::string dataType = key->DataType();
        if (dataType == "String")
            out.Emit(R"vb(|    CreateObjectID = CreateObjectID & ";" & mrs&BusObjName("&PropName"))vb");
        else if (dataType != "Memo" && dataType != "OLE Object")
            out.Emit(R"vb(|    CreateObjectID = CreateObjectID & ";" & CStr(mrs&BusObjName("&PropName")))vb");
    }
    out.Emit(R"vb(
        |
        |    'Remove the first semicolon
        |    CreateObjectId = Mid(CreateObjectId, 2)
        |
        |CreateObjectIdExit:
        |    'Cleanup after error
        |    Exit Function
        |
    )vb");
    context.WriteErrorHandler("CreateObjectId", "CreateObjectIdExit");
    out.Emit("|End Function");
}

void WriteInitPropertyPVCol(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    const auto head = [&] {
        out.Emit(R"vb(
            |Private Sub InitPropertyPVCol()
            |
            |'Marks each property that has permitted values, so that its Property Get
            |'returns the displayed value. The flags are read once, when the list
            |'is created.
            |Dim strLastPropertyFound As String
            |Dim strCurrentProperty As String
            |
            |    On Error GoTo HandleError
            |
            |    Set mcolPropPermittedValues = New Collection
            |    'Initialize collection assuming no properties have permitted values
        )vb");
    };
    const auto tail = [&] {
        out.Emit(R"vb(
            |
            |'Walk the permitted values and mark every property found there.
            |'A property found for the first time has its flag replaced by True.
            |    'Note:  Assumes all permitted values for a property are grouped together
            |    strLastPropertyFound = "" ¶
            |    With mrsPermittedValues
            |        If .RecordCount > 0 Then
            |            .MoveFirst
            |            While Not mrsPermittedValues.EOF
            |                strCurrentProperty = Trim(.Fields("PropertyName")) ¶
            |                If strLastPropertyFound <> strCurrentProperty Then ¶
            |                   'Discovered a new property with permitted values
            |                    mcolPropPermittedValues.Remove strCurrentProperty ¶
            |                    mcolPropPermittedValues.Add True, strCurrentProperty ¶
            |                    strLastPropertyFound = strCurrentProperty
            |                End If
            |                .MoveNext
            |            Wend
            |        End If
            |    End With
            |
            |InitPropertyPVColExit:
            |    'Cleanup after error
            |    Exit Sub
            |
        )vb");
        context.WriteErrorHandler("InitPropertyPVCol", "InitPropertyPVColExit");
        out.Emit("|End Sub");
    };
    context.WritePerProperty({.name = "InitPropertyPVCol", .head = head, .tail = tail},
                             [&](const typelib::IProperty&) {
                                 out.Emit(R"vb(|    mcolPropPermittedValues.Add False, "&PropName")vb");
                             });
}

}  // namespace

void GenerateL2List(GeneratorContext& context) {
    context.SetErrorSourceClass(context.Components().list);
    WriteHeaderAndDeclarations(context.Out());
    if (context.HasOneParent())
        WriteListParentMembers(context);
    WriteClassInitialize(context.Out());
    WritePropertyGets(context);
    WriteCursorMembers(context);
    WriteSearch(context);
    if (context.HasOneParent())
        WriteListParentQuery(context);
    WriteCreateObjectId(context);
    WriteInitPropertyPVCol(context);
    patternkit::WriteClosingEditPoint(context.Out());
}

}  // namespace tier3
