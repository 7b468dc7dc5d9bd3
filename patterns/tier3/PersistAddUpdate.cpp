// Add, Update and the further methods: the procedures that write the current record into its row.

#include <array>

#include "patternkit/PropertySets.h"
#include "patterns/tier3/PersistWriter.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"
#include "typelib/IField.h"

namespace tier3 {
namespace {

enum class ValueKind { VarString, Text, Number, Date, Other };

ValueKind KindOf(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    if (patternkit::Common::IsMemoOrOLE(property))
        return ValueKind::VarString;
    if (dataType == "String")
        return ValueKind::Text;
    static constexpr std::array<std::string_view, 7> kNumbers = {"Byte",   "Integer", "Long",    "Single",
                                                                 "Double", "Decimal", "Currency"};
    for (const auto number : kNumbers) {
        if (dataType == number)
            return ValueKind::Number;
    }
    return dataType == "Date" ? ValueKind::Date : ValueKind::Other;
}

// An optional relationship: the foreign key is stored as Null when the record holds no value.
bool IsNullableForeignKey(const typelib::IProperty& property) {
    return property.IsForeignProperty() && patternkit::Required(property.Field()).IsNullable();
}

// The record's "no value" test of a nullable foreign key. A fixed-length text is never empty, so its
// blanks are trimmed first.
std::string_view NoValueTest(ValueKind kind) {
    switch (kind) {
        case ValueKind::Text:
            return "Len(Trim(mudtProps.&PropName)) = 0";
        case ValueKind::Number:
            return "mudtProps.&PropName = 0";
        case ValueKind::Date:
            return "mudtProps.&PropName = dtmDefaultDate";
        default:
            return {};
    }
}

bool IsDatabaseAssignedKey(const typelib::IProperty& property) {
    return property.IsKey() && property.Access() == "Read Only";
}

std::string_view ValueFromRecord(ValueKind kind) {
    return kind == ValueKind::Text ? "Trim(mudtProps.&PropName)" : "mudtProps.&PropName";
}

// Names the class declares itself; a further method of the same name (VB ignores case) would not compile.
bool IsClassMemberName(std::string_view name, const patternkit::PropertySet& properties) {
    static constexpr std::array<std::string_view, 20> kMembers = {"DBMSType",
                                                                  "Add",
                                                                  "Update",
                                                                  "Delete",
                                                                  "Read",
                                                                  "Search",
                                                                  "CreateRecordset",
                                                                  "Post",
                                                                  "SetState",
                                                                  "GetState",
                                                                  "GetPermittedValues",
                                                                  "GetSQLSelectString",
                                                                  "CreateObjectID",
                                                                  "GenSQLFromObjectID",
                                                                  "GenSQLFromProperties",
                                                                  "Class_Initialize",
                                                                  "InitTranslationArray",
                                                                  "ObjectControl_Activate",
                                                                  "ObjectControl_Deactivate",
                                                                  "ObjectControl_CanBePooled"};
    for (const auto member : kMembers) {
        if (vb::TextEquals(name, member))
            return true;
    }
    for (const auto& property : properties) {
        if (patternkit::Common::IsMemoOrOLE(*property) && vb::TextEquals(name, "Read_" + property->Name()))
            return true;
    }
    return false;
}

}  // namespace

void PersistWriter::WriteAdd() {
    const auto signature = [&] { Emit("|Public Sub Add({{List}})", {{"List", VarStringParams()}}); };
    const auto end = [&] {
        WriteOperationHandler("Add Method", "AddExit");
        EmitLine("    End Sub");
    };
    if (PickStandardMethod("Add").IsStoredProcedure()) {
        WriteStoredProcProcedure("Add", signature, end);
        return;
    }
    const auto head = [&] {
        signature();
        Emit(R"vb(
            |Dim rs&BusObjName As ADOR.Recordset
            |Dim dtmDefaultDate As Date      'Used to test if date value was supplied
            |
            |  On Error GoTo HandleError
            |
            |    Set rs&BusObjName = New ADOR.Recordset
            |    rs&BusObjName.CursorType = adOpenDynamic
            |    rs&BusObjName.LockType = adLockPessimistic
            |
            |'|||Change CursorType or LockType in this edit point.
            |{{Start}}Add - Recordset Open
            |{{End}}Add - Recordset Open
            |
        )vb");
        Emit(R"vb(
            |    rs&BusObjName.Open  "&BusObjSQLTable", cnnDataBase, , , adCmdTable
            |    rs&BusObjName.AddNew
            |    With rs&BusObjName
        )vb");
    };
    const auto tail = [&] {
        EmitLine("        .Update");
        WriteKeysReadBack();
        Emit(R"vb(
            |        .Close
            |        Set rs&BusObjName = Nothing
            |    End With
            |
            |AddExit:
            |    If Not (rs&BusObjName Is Nothing) Then
            |        rs&BusObjName.Close
            |        Set rs&BusObjName = Nothing
            |    End If
            |    Exit Sub
            |
        )vb");
        end();
    };
    WriteRecordsetProcedure(
        {.name = "Add", .head = head, .tail = tail}, true, [&](const typelib::IProperty& property) {
            // The database assigns a Read Only key: the new row takes none from the record.
            if (IsDatabaseAssignedKey(property))
                return;
            const ValueKind kind = KindOf(property);
            if (kind == ValueKind::VarString) {
                EmitLine("        .Fields(\"&PropFieldName\") = &PropNameVarString");
            } else if (kind != ValueKind::Other && IsNullableForeignKey(property)) {
                Emit(R"vb(
                |        'Foreign key implementing an optional relationship is nullable
                |        If {{Test}} Then ¶
                |            .Fields("&PropFieldName") = Null ¶
                |        Else
                |            .Fields("&PropFieldName") = {{Value}} ¶
                |         End If
            )vb",
                     {{"Test", NoValueTest(kind)}, {"Value", ValueFromRecord(kind)}});
            } else {
                Emit("|        .Fields(\"&PropFieldName\") = {{Value}}", {{"Value", ValueFromRecord(kind)}});
            }
        });
}

// The new row's keys, a key the database assigns included, become the record's identity.
void PersistWriter::WriteKeysReadBack() {
    EmitLine("        'Take the keys of the new row back, so that the ObjectID names it");
    for (const auto& key : mContext.Properties()) {
        if (!key->IsKey())
            continue;
        SetProperty(key);
        if (key->DataType() == "String")
            EmitLine("        mudtProps.&PropName = \"\" & .Fields(\"&PropFieldName\")");
        else
            EmitLine("        mudtProps.&PropName = .Fields(\"&PropFieldName\")");
    }
    EmitLine("        mudtProps.ObjectID = CreateObjectID()");
}

void PersistWriter::WriteChangedFieldBlock(const typelib::IProperty& property) {
    const ValueKind kind = KindOf(property);
    EmitLine("        If mudtProps.&PropNameIsChanged Then");
    if (kind == ValueKind::VarString) {
        EmitLine("           .Fields(\"&PropFieldName\") = &PropNameVarString");
    } else if (kind != ValueKind::Other && IsNullableForeignKey(property)) {
        Emit(R"vb(
            |           If {{Test}} Then ¶
            |                .Fields("&PropFieldName") = Null
            |            Else
            |                .Fields("&PropFieldName") = {{Value}}
            |            End If
        )vb",
             {{"Test", NoValueTest(kind)}, {"Value", ValueFromRecord(kind)}});
    } else {
        Emit("|           .Fields(\"&PropFieldName\") = {{Value}}", {{"Value", ValueFromRecord(kind)}});
    }
    EmitLine("        End If");
}

void PersistWriter::WriteRecordsetUpdateTail(std::string_view exitLabel) {
    Emit(R"vb(
        |      .Update
        |      .Close
        |    End With
        |    Set rs&BusObjName = Nothing
        |
        |{{Exit}}:
        |    If Not (rs&BusObjName Is Nothing) Then
        |        rs&BusObjName.Close
        |        Set rs&BusObjName = Nothing
        |    End If
        |    Exit Sub
        |
    )vb",
         {{"Exit", exitLabel}});
}

void PersistWriter::WriteUpdate() {
    const auto signature = [&] { Emit("|Public Sub Update({{List}})", {{"List", VarStringParams()}}); };
    const auto end = [&] {
        WriteOperationHandler("Update Method", "UpdateExit");
        EmitLine("End Sub");
    };
    if (PickStandardMethod("Update").IsStoredProcedure()) {
        WriteStoredProcProcedure("Update", signature, end);
        return;
    }
    const auto head = [&] {
        signature();
        WriteUpdatingRecordsetOpening("Update - Recordset Open");
        EmitLine("    'And do not update key fields");
    };
    const auto tail = [&] {
        WriteRecordsetUpdateTail("UpdateExit");
        end();
    };
    WriteRecordsetProcedure({.name = "Update", .head = head, .tail = tail}, true,
                            [&](const typelib::IProperty& property) {
                                if (!property.IsKey())
                                    WriteChangedFieldBlock(property);
                                EmitLine("");
                            });
}

void PersistWriter::WriteUpdatingRecordsetOpening(const std::string& editPoint) {
    Emit(R"vb(
        |
        |Dim rs&BusObjName As ADOR.Recordset
        |Dim dtmDefaultDate As Date      'Used to test if date value was supplied
        |Dim strSQL As String
        |
        |   On Error GoTo HandleError
        |
        |    Set rs&BusObjName = New ADOR.Recordset
        |    rs&BusObjName.CursorType = adOpenDynamic
        |    rs&BusObjName.LockType = adLockOptimistic
        |
        |'|||Change CursorType or LockType in this edit point.
        |{{Start}}{{EditPoint}}
        |{{End}}{{EditPoint}}
        |
    )vb",
         {{"EditPoint", editPoint}});
    Emit(R"vb(
        |    strSQL = "Select * From &BusObjSQLTable " & GenSQLFromProperties() ¶
        |    rs&BusObjName.Open  strSQL, cnnDataBase, , , adCmdText
        |    With rs&BusObjName
        |    'Only update fields whose value has changed
    )vb");
}

void PersistWriter::WriteMethodProcedures() {
    for (const auto& method : mContext.Methods()) {
        const std::string name = patternkit::Required(method).Name();
        if (IsClassMemberName(name, mContext.Properties()))
            continue;
        mContext.Current().method = method;
        const auto head = [&] {
            Emit("|Public Sub &MethodName({{List}})", {{"List", VarStringParams()}});
            WriteUpdatingRecordsetOpening(vb::Str(method->DBID()) + " - Recordset Open");
        };
        const auto tail = [&] {
            WriteRecordsetUpdateTail("&MethodNameExit");
            WriteOperationHandler(name + " Method", name + "Exit");
            EmitLine("End Sub");
        };
        WriteRecordsetProcedure({.name = name, .head = head, .tail = tail}, true,
                                [&](const typelib::IProperty& property) {
                                    if (property.IsKey())
                                        Emit("|        .Fields(\"&PropFieldName\") = {{Value}}",
                                             {{"Value", ValueFromRecord(KindOf(property))}});
                                    else
                                        WriteChangedFieldBlock(property);
                                    EmitLine("");
                                });
    }
}

}  // namespace tier3
