// The layer-2 batch class Name & "Batch": collects adds, updates and deletes as rows of a client-side
// recordset and hands them to the persistence class's Post in one call. The business object's further
// methods never go through a batch: they always run through the persistence class, so the batch has
// members for Add, Update and Delete only.

#include <string>

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeHeader.h"
#include "patternkit/CodeText.h"
#include "patternkit/Emitter.h"
#include "patterns/tier3/Generators.h"

namespace tier3 {
namespace {

void WriteHeaderAndDeclarations(const patternkit::Emitter& out) {
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'******************************************************************************
        |'Layer 2: Batch Business Object - Used for collect multiple operations
        |' (Add, Update, Delete), and send them to the persistence object as an ADOR
        |' recordset to be processed as a batch.
        |'******************************************************************************
        |
        |'Operations on &BusObjName objects are held in this object, without touching
        |'the database, until Post sends them all.
        |'   Add         Creates a new &BusObjName
        |'   Delete      Removes an existing &BusObjName
        |'   Update      Changes an existing &BusObjName
        |'
        |'All transaction are held at the logical layer (layer 2) until the Post method is invoked
        |'   Post        Sends the batch recordset to the persistence layer to be processed
        |
        |Option Explicit
        |
        |'Variables to hold error number, description, and source
        |Private mlngErrNumber As Long
        |Private mstrErrDescription As String
        |Private mstrErrSource As String
        |
        |'One row per operation. Its fields follow the fields of the &BusObjName table,
        |'each with a change flag named after it followed by IsChanged, and the field
        |'Operation holds the operation code.
        |'The recordset is made by &BusObjNamePersist.CreateRecordset.
        |Private rs&BusObjNameBatch As ADOR.Recordset
        |
        |'The &BusObjNamePersist object declares an enumeration of valid Operation Codes.
        |Dim mlngOperationCode As vbo_oc_&BusObjName_Enum
        |
        |'&BusObjName property values are contained in this user defined type
        |Private mudtProps As &BusObjNameProps
        |
    )vb");
}

// The variables of one kind of text property, with their comment before the first.
void WriteTextVariables(GeneratorContext& context, std::string_view dataType, std::string_view comment,
                        std::string_view declaration) {
    bool first = true;
    for (const auto& property : context.Properties()) {
        if (property->DataType() != dataType)
            continue;
        context.Current().property = property;
        if (first)
            context.Out().Emit(comment);
        first = false;
        context.Out().Emit(declaration);
    }
}

void WriteTextVariableDeclarations(GeneratorContext& context) {
    WriteTextVariables(context, "Memo", R"vb(
        |'Variable length text fields in the database (also called Comment or Memo fields) are stored
        |'in the business object as variable length strings.
    )vb",
                       "|Private mstr&PropNameVarString As String");
    WriteTextVariables(context, "OLE Object", R"vb(
        |'OLE Objects are stored in the business object as variable length strings.
        |'They are not included in the UDT which only containes fixed length properties.
    )vb",
                       "|Private mstr&PropNameOLE_Object As String");
}

// Add, Update or Delete: one row with the operation's code; Add and Update first keep the text values.
void WriteOperation(GeneratorContext& context, std::string_view operation, bool takesTexts) {
    const patternkit::Emitter& out = context.Out();
    const auto head = [&] {
        const std::string parameters =
            takesTexts ? patternkit::Common::BuildVarStringParams(context.Properties()) : std::string();
        out.Emit(R"vb(
            |Public Sub {{Operation}}({{Parameters}})
            |    'Add a row to the batch recordset containin this {{Operation}} operation
            |    On Error GoTo HandleError
            |
        )vb",
                 {{"Operation", operation}, {"Parameters", parameters}});
    };
    const auto tail = [&] {
        out.Emit(R"vb(
            |    mlngOperationCode = oc&BusObjName_{{Operation}}
            |    rs&BusObjNameBatch.AddNew
            |    rs&BusObjNameBatch.Fields("Operation") = mlngOperationCode
            |    SetFields
            |    rs&BusObjNameBatch.MoveNext
            |    Exit Sub
            |
            |{{Operation}}Exit:
            |'Cleanup after error
            |
            |    Exit Sub
            |
        )vb",
                 {{"Operation", operation}});
        const std::string name(operation);
        context.WriteErrorHandler(name + " Method", name + "Exit");
        out.Emit("|End Sub");
    };
    if (!takesTexts) {
        head();
        tail();
        return;
    }
    // A part takes the text values of its properties from the operation's parameters.
    const auto partHead = [&](const patternkit::ProcedurePart& part) {
        out.Emit("|Private Sub {{Part}}({{Parameters}})",
                 {{"Part", part.name},
                  {"Parameters", patternkit::Common::BuildVarStringParams(context.PropertiesOf(part))}});
    };
    const auto call = [&](const patternkit::ProcedurePart& part) {
        out.Emit("|    {{Part}}{{Arguments}}",
                 {{"Part", part.name},
                  {"Arguments", patternkit::Common::BuildVarStringParamNames(context.PropertiesOf(part))}});
    };
    context.WritePerProperty(
        {.name = operation, .head = head, .tail = tail, .partHead = partHead, .call = call},
        [&](const typelib::IProperty& property) {
            if (property.DataType() == "Memo")
                out.Emit("|    mstr&PropNameVarString = &PropNameVarString");
            else if (property.DataType() == "OLE Object")
                out.Emit("|    mstr&PropNameOLE_Object = &PropNameVarString");
        });
}

void WritePost(GeneratorContext& context) {
    context.Out().Emit(R"vb(
        |Public Sub Post()
        |'Sends the recordset containing transactions to the &BusObjNamePersist object to be processed
        |Dim my&BusObjNamePersist As &BusObjNamePersist
        |
        |    On Error GoTo HandleError
        |
        |    If my&BusObjNamePersist Is Nothing Then
        |        Set my&BusObjNamePersist = New &BusObjNamePersist
        |    End If
        |
        |    my&BusObjNamePersist.Post rs&BusObjNameBatch
        |
        |PostExit:
        |'Cleanup after error
        |    If Not (my&BusObjNamePersist Is Nothing) Then
        |        Set my&BusObjNamePersist = Nothing
        |    End If
        |    Exit Sub
        |
    )vb");
    context.WriteErrorHandler("Post Method", "PostExit");
    context.Out().Emit("|End Sub");
}

void WriteSetFields(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    const auto head = [&] {
        out.Emit(R"vb(
            |Private Sub SetFields()
            |    'Transfer values from the UDT to the batch recordset.
            |    'UDT uses property names; Batch recordset uses field names.
            |    On Error GoTo HandleError
        )vb");
    };
    const auto tail = [&] {
        out.Emit(R"vb(
            |    rs&BusObjNameBatch.Update
            |
            |SetFieldsExit:
            |    'Cleanup after error
            |    Exit Sub
            |
        )vb");
        context.WriteErrorHandler("SetFields", "SetFieldsExit");
        out.Emit("|End Sub");
    };
    constexpr std::string_view kChangeFlag =
        R"vb(|    rs&BusObjNameBatch.Fields("&PropFieldNameIsChanged") = mudtProps.&PropNameIsChanged)vb";
    context.WritePerProperty(
        {.name = "SetFields", .head = head, .tail = tail}, [&](const typelib::IProperty& property) {
            const std::string dataType = property.DataType();
            if (dataType == "Memo") {
                out.Emit(kChangeFlag);
                out.Emit(R"vb(|    rs&BusObjNameBatch.Fields("&PropFieldName") = mstr&PropNameVarString)vb");
            } else if (dataType == "OLE Object") {
                out.Emit(kChangeFlag);
                out.Emit(R"vb(|    rs&BusObjNameBatch.Fields("&PropFieldName") = mstr&PropNameOLE_Object)vb");
            } else {
                out.Emit(R"vb(|    rs&BusObjNameBatch.Fields("&PropFieldName") = mudtProps.&PropName)vb");
                out.Emit(kChangeFlag);
            }
        });
}

void WriteSetState(GeneratorContext& context) {
    context.Out().Emit(R"vb(
        |Public Sub SetState(ByVal Buffer As String)
        |Dim udtData As &BusObjNameData
        |    On Error GoTo HandleError
        |
        |    udtData.Buffer = Buffer
        |    LSet mudtProps = udtData
        |
        |'|||  Add modifications here
        |{{Start}}Sub SetState
        |{{End}}Sub SetState
        |
        |SetStateExit:
        |    'Cleanup after eror
        |    Exit Sub
        |
    )vb");
    context.WriteErrorHandler("SetState", "SetStateExit");
    context.Out().Emit("|\n|End Sub");
}

void WriteClassInitialize(GeneratorContext& context) {
    // The recordset is new and empty: MoveFirst only where there is a row to move to.
    context.Out().Emit(R"vb(
        |Private Sub Class_Initialize()
        |Dim my&BusObjNamePersist As &BusObjNamePersist
        |
        |   On Error GoTo HandleError
        |
        |    'Obtain the recordset used to store transactions
        |    Set my&BusObjNamePersist = New &BusObjNamePersist
        |    Set rs&BusObjNameBatch = my&BusObjNamePersist.CreateRecordset
        |    rs&BusObjNameBatch.Open
        |    If Not rs&BusObjNameBatch.EOF Then
        |        rs&BusObjNameBatch.MoveFirst
        |    End If
        |    Set my&BusObjNamePersist = Nothing
        |
        |InitializeExit:
        |'Cleanup after eror
        |    If Not (my&BusObjNamePersist Is Nothing) Then
        |        Set my&BusObjNamePersist = Nothing
        |    End If
        |    Exit Sub
        |
    )vb");
    context.WriteErrorHandler("Class_Initialize", "InitializeExit");
    context.Out().Emit("|\n|End Sub\n|");
}

}  // namespace

void GenerateL2Batch(GeneratorContext& context) {
    WriteHeaderAndDeclarations(context.Out());
    context.SetErrorSourceClass(context.Components().batch);
    WriteTextVariableDeclarations(context);
    WriteOperation(context, "Add", true);
    WriteOperation(context, "Update", true);
    WriteOperation(context, "Delete", false);
    WritePost(context);
    WriteSetFields(context);
    WriteSetState(context);
    WriteClassInitialize(context);
    patternkit::WriteClosingEditPoint(context.Out());
}

}  // namespace tier3
