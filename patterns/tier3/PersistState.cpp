// Post, which replays a batch recordset, and the state buffer's SetState and GetState.

#include <algorithm>
#include <unordered_map>

#include "patternkit/ModelSets.h"
#include "patternkit/PropertySets.h"
#include "patterns/tier3/PersistWriter.h"
#include "platform/vb/ContinuedLine.h"
#include "platform/vb/Limits.h"
#include "platform/vb/Literal.h"
#include "typelib/IField.h"

namespace tier3 {
namespace {

// The Memo and OLE Object values of the row, in the order of Add's and Update's parameters. A Null field
// becomes an empty text.
std::string VarStringArguments(const patternkit::PropertySet& properties) {
    std::string arguments;
    for (const auto& property : properties) {
        if (!patternkit::Common::IsMemoOrOLE(*property))
            continue;
        const std::string field = patternkit::Required(property->Field()).Name();
        arguments += (arguments.empty() ? " " : ", ") + std::string("\"\" & rs&BusObjNameBatch.Fields(") +
                     vb::StringLiteral(field) + ")";
    }
    return arguments;
}

// The values as the items of mstrVarStrings: " mstrVarStrings(1), mstrVarStrings(2)".
std::string ArrayArguments(int32_t count) {
    std::string arguments;
    for (int32_t item = 1; item <= count; ++item)
        arguments += (item == 1 ? " " : ", ") + std::string("mstrVarStrings(") + std::to_string(item) + ")";
    return arguments;
}

constexpr const char* kUpdateCall = "                Update";

}  // namespace

int32_t PersistWriter::ArrayedVarStrings() const {
    const auto& properties = mContext.Properties();
    const std::string call = mContext.Engine().CreateTokenStr(kUpdateCall + VarStringArguments(properties));
    if (static_cast<int32_t>(vb::ContinuedLine(call).size()) - 1 <= vb::kMaxContinuations)
        return 0;
    return static_cast<int32_t>(std::count_if(properties.begin(), properties.end(), [](const auto& property) {
        return patternkit::Common::IsMemoOrOLE(*property);
    }));
}

void PersistWriter::WritePost() {
    // An empty batch has no first row; the Memo and OLE Object values travel in the row as well, so they
    // are handed to Add and Update rather than lost.
    const auto head = [&] {
        Emit(R"vb(
            |Public Sub Post(rs&BusObjNameBatch As ADOR.Recordset)
            |
            |    On Error GoTo HandleError
            |
            |    If Not (rs&BusObjNameBatch.BOF And rs&BusObjNameBatch.EOF) Then rs&BusObjNameBatch.MoveFirst
            |    While Not rs&BusObjNameBatch.EOF
            |        'Move batch recordset fields to UDT used by public methods
        )vb");
    };
    const auto tail = [&] {
        const std::string arguments = mArrayedVarStrings > 0 ? ArrayArguments(mArrayedVarStrings)
                                                             : VarStringArguments(mContext.Properties());
        Emit(R"vb(
            |        Select Case rs&BusObjNameBatch.Fields("Operation")
            |            Case oc&BusObjName_Add
            |                Add{{Arguments}}
            |            Case oc&BusObjName_Update
            |{{Update}}{{Arguments}}
            |            Case oc&BusObjName_Delete
            |                Delete
            |        End Select
            |        rs&BusObjNameBatch.MoveNext
            |    Wend
            |
            |PostExit:
            |    If Not (rs&BusObjNameBatch Is Nothing) Then
            |        rs&BusObjNameBatch.Close
            |        Set rs&BusObjNameBatch = Nothing
            |    End If
            |    Exit Sub
            |
        )vb",
             {{"Arguments", arguments}, {"Update", kUpdateCall}});
        WriteOperationHandler("Post Method", "PostExit");
        EmitLine("End Sub");
    };
    // A part takes the row from the batch recordset.
    const auto partHead = [&](const patternkit::ProcedurePart& part) {
        Emit("|Private Sub {{Part}}(rs&BusObjNameBatch As ADOR.Recordset)", {{"Part", part.name}});
    };
    const auto call = [&](const patternkit::ProcedurePart& part) {
        Emit("|        {{Part}} rs&BusObjNameBatch", {{"Part", part.name}});
    };
    // Each Memo and OLE Object value's item of mstrVarStrings, in the order of the properties.
    std::unordered_map<const typelib::IProperty*, int32_t> items;
    for (const auto& property : mContext.Properties()) {
        if (mArrayedVarStrings > 0 && patternkit::Common::IsMemoOrOLE(*property))
            items.emplace(property.get(), static_cast<int32_t>(items.size()) + 1);
    }
    mContext.WritePerProperty(
        {.name = "Post", .head = head, .tail = tail, .partHead = partHead, .call = call},
        [&](const typelib::IProperty& property) {
            if (!patternkit::Common::IsMemoOrOLE(property))
                EmitLine("        mudtProps.&PropName = rs&BusObjNameBatch.Fields(\"&PropFieldName\")");
            else if (const auto item = items.find(&property); item != items.end())
                Emit("|        mstrVarStrings({{Item}}) = \"\" & rs&BusObjNameBatch.Fields({{Field}})",
                     {{"Item", std::to_string(item->second)},
                      {"Field", vb::StringLiteral(patternkit::Required(property.Field()).Name())}});
            EmitLine(
                "        mudtProps.&PropNameIsChanged = "
                "rs&BusObjNameBatch.Fields(\"&PropFieldNameIsChanged\")");
        });
}

void PersistWriter::WriteSetState() {
    Emit(R"vb(
        |Public Sub SetState(ByVal Buffer As String)
        |'The Layer 2 business object sends its state buffer.
        |'The buffer is copied into mudtProps so that the property values
        |'are available to the other operations of the persistence object.
        |'
        |  Dim udtData As &BusObjNameData
        |    On Error GoTo HandleError
        |
        |  udtData.Buffer = Buffer
        |  LSet mudtProps = udtData
        |
        |SetStateExit:
        |'Cleanup after error
        |
        |    Exit Sub
        |
    )vb");
    mContext.WriteErrorHandler("SetState Method", "SetStateExit");
    EmitLine("End Sub");
}

void PersistWriter::WriteGetState() {
    Emit(R"vb(
        |Public Function GetState() As String
        |'Gets the data out of mudtProps for the Layer 2 business object.
        |'The function is public because the Layer 2 business object
        |'uses it after each operation.
        |Dim udtData As &BusObjNameData
        |    On Error GoTo HandleError
        |
        |    LSet udtData = mudtProps
        |    GetState = udtData.Buffer
    )vb");
    if (mIsMTS) {
        Emit(R"vb(
            |
            |    'SetComplete is called here because GetState is the last call made to the
            |    'persistence object, and it is made only when the operation succeeded.
            |    'Delete needs no GetState, so it calls SetComplete itself.
            |    '
            |    myContext.SetComplete
            |
        )vb");
    }
    Emit(R"vb(
        |GetStateExit:
        |'Cleanup after error
        |
        |    Exit Function
        |
    )vb");
    mContext.WriteErrorHandler("GetState Method", "GetStateExit");
    EmitLine("End Function");
}

}  // namespace tier3
