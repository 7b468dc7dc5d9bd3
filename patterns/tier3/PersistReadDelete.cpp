// Delete, Read and the Read_ function of each value the record cannot hold.

#include "patternkit/ErrorHandlers.h"
#include "patternkit/PropertySets.h"
#include "patterns/tier3/PersistWriter.h"
#include "platform/vb/Numbers.h"

namespace tier3 {

void PersistWriter::WriteDelete() {
    const auto signature = [&] { EmitLine("Public Sub Delete()"); };
    const auto end = [&] {
        WriteOperationHandler("Delete Method", "DeleteExit");
        EmitLine("End Sub");
    };
    if (PickStandardMethod("Delete").IsStoredProcedure()) {
        WriteStoredProcProcedure("Delete", signature, end);
        return;
    }
    signature();
    Emit(R"vb(
        |Dim strSQL As String
        |
        |   On Error GoTo HandleError
        |
        |'   Use function to create SQL string containing the WHERE clause
        |'   To find a single instance using current property values.
        |   strSQL = GenSQLFromProperties()
        |'
        |'  Append DELETE portion of SQL string then execute.
        |   strSQL = "DELETE FROM &BusObjSQLTable " & strSQL ¶
        |   cnnDataBase.Execute strSQL,,adCmdText
        |
    )vb");
    if (mIsMTS) {
        Emit(R"vb(
            |    'SetComplete is called within the Delete sub because it is the last
            |    'call made to the persistence object for a delete operation.
            |    'SetComplete is not called in other operations because the GetState is
            |    'always called if the operation is successful.
            |    myContext.SetComplete
            |
        )vb");
    }
    Emit(R"vb(
        |DeleteExit:
        |
        |    Exit Sub
        |
    )vb");
    end();
}

void PersistWriter::WriteRead() {
    const auto signature = [&] { EmitLine("Public Sub Read (ByVal ObjectID As String)"); };
    const auto end = [&] {
        WriteOperationHandler("Read Method", "ReadExit");
        EmitLine("End Sub");
    };
    if (PickStandardMethod("Read").IsStoredProcedure()) {
        // The stored procedure takes the keys from the record, so they are decoded from the ObjectID first.
        const auto head = [&] {
            signature();
            Emit(R"vb(
                |    On Error GoTo HandleError
                |    'Take the key values of the row to read from the ObjectID
                |    GenSQLFromObjectID ObjectID
                |    mudtProps.ObjectID = CreateObjectID()
            )vb");
        };
        WriteStoredProcProcedure("Read", head, end);
        return;
    }
    const auto head = [&] {
        signature();
        Emit(R"vb(
            |Dim rs&BusObjName As ADOR.Recordset
            |Dim strSQL As String
            |
            |    On Error GoTo HandleError
            |
            |    strSQL = GenSQLFromObjectID(ObjectID)
            |    strSQL ="SELECT * FROM &BusObjSQLTable " & strSQL
            |
            |    Set rs&BusObjName = cnnDataBase.Execute (strSQL,,adCmdText)
            |    With rs&BusObjName
            |        If .EOF Then
            |            Err.Raise Object_Not_Found + vbObjectError, "&BusObjNamePersist", _
            |                "&BusObjName " & ObjectID & " not found."
            |        End If
        )vb");
    };
    const auto tail = [&] {
        Emit(R"vb(
            |        mudtProps.ObjectID = CreateObjectID()
            |        .Close
            |    End With
            |    Set rs&BusObjName = Nothing
            |
            |ReadExit:
            |
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
        {.name = "Read", .head = head, .tail = tail}, false, [&](const typelib::IProperty& property) {
            if (patternkit::Common::IsMemoOrOLE(property))
                return;
            if (property.DataType() == "String") {
                EmitLine("        mudtProps.&PropName = \"\" & .Fields(\"&PropFieldName\")");
            } else {
                Emit(R"vb(
                                        |        If Not IsNull(.Fields("&PropFieldName")) Then  ¶
                                        |            mudtProps.&PropName = .Fields("&PropFieldName")
                                        |        End If
                                    )vb");
            }
        });
}

void PersistWriter::WriteReadFunctions() {
    for (const auto& property : mContext.Properties()) {
        if (!patternkit::Common::IsMemoOrOLE(*property))
            continue;
        SetProperty(property);
        Emit(R"vb(
            |Public Function Read_&PropName(ByVal ObjectID As String) As String
            |'Separate Read method for &PropName because it is a varying lenght property
            |'and cannot be included in the UDT defining fixed length properties of &BusObjName.
            |Dim rs&BusObjName As ADOR.Recordset
            |Dim strSQL As String
            |Dim vnt As Variant
            |
            |  On Error GoTo HandleError
            |
            |  strSQL = GenSQLFromObjectID(ObjectID)
            |  strSQL = "SELECT &PropSQLFieldName FROM &BusObjSQLTable " & strSQL
            |
            |  Set rs&BusObjName = cnnDataBase.Execute (strSQL,,adCmdText)
            |  vnt = rs&BusObjName.Fields("&PropFieldName") ¶
            |  If IsNull(vnt) Then ¶
            |      Read_&PropName = "" ¶
            |  Else
            |      Read_&PropName = vnt
            |  End If
            |  rs&BusObjName.Close
            |  Set rs&BusObjName = Nothing
            |
            |ReadExit:
            |    If Not (rs&BusObjName Is Nothing) Then
            |        rs&BusObjName.Close
            |        Set rs&BusObjName = Nothing
            |    End If
            |  Exit Function
            |
        )vb");
        // The edit point is keyed by the DBID, so it survives a rename of the property.
        const std::string procedure = "Read_" + property->Name();
        const std::string editPoint = "Read_" + vb::Str(property->DBID());
        const std::string& className = mContext.Components().persist;
        if (mIsMTS)
            patternkit::Common::GenerateTxErrorHandler(Engine(), className, procedure, editPoint, "ReadExit");
        else
            patternkit::Common::GenerateErrorHandler(Engine(), className, procedure, editPoint, "ReadExit");
        EmitLine("End Function");
    }
}

}  // namespace tier3
