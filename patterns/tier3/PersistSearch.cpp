// Search, which answers a search in property names with a recordset, and CreateRecordset, which shapes the
// empty batch recordset.

#include "patterns/tier3/PersistWriter.h"

namespace tier3 {

void PersistWriter::WriteSearch() {
    Emit(R"vb(
        |Public Function Search(ByVal strSearch As String) As ADOR.Recordset
        |'This routine fetches a list of &BusObjName from the
        |'database based on the search criteria passed in strSearch.
        |
        |
        |'strSearch is assumed to contain expressions valid in a
        |' SQL "WHERE" clause.  For example:  LastName = 'Jones' AND Salary > '50000'
        |'The qualifiers in strSearch string are the names of business object properties
        |'because Layer 1 & Layer 2 objects are not aware of the physical database design.
        |'Corresponding database field names need to be substituted by the persistence object.
        |
        |    Dim rs&BusObjName As ADOR.Recordset ¶
        |    Dim strSQL As String
        |    Dim strPropName As String
        |    Dim strFieldName As String
        |    Dim strObjectID As String
        |    Dim i As Integer
        |    Dim vntValue As Variant
        |
        |    On Error GoTo HandleError
        |
        |    'Use function to create the selection list
        |    strSQL = GetSQLSelectString()
        |
        |    If Len(strSearch) = 0 Then
        |        strSQL = strSQL & " FROM &BusObjSQLTable "
        |    Else
        |        strSQL = strSQL & " FROM &BusObjSQLTable Where " ¶
        |        'strSearch does not necessarily contain a valid SQL SELECT clause.
        |        'First the array used to translate property names to corresponding field names is created
        |        InitTranslationArray
        |        'Now use the CreateSQLSearchString function which uses the translation array
        |        'to format a valid SQL string for the DBMS
        |        strSQL = strSQL & CreateSQLSearchString(strSearch, maryProperties, mintDBMSType)
        |    End If
        |
        |    Set rs&BusObjName = New ADOR.Recordset
        |    rs&BusObjName.CursorLocation = adUseClient
        |    rs&BusObjName.CursorType = adOpenStatic
        |'|||Modify recordset properties if needed
        |{{Start}} Search
        |{{End}} Search
        |    rs&BusObjName.Open strSQL, cnnDataBase, , , adCmdText
        |
        |    Set Search = rs&BusObjName
        |
        |SearchExit:
        |    If Not (rs&BusObjName Is Nothing) Then
        |        Set rs&BusObjName = Nothing
        |    End If
        |    Exit Function
        |
    )vb");
    WriteOperationHandler("Search Method", "SearchExit");
    EmitLine("End Function");
}

void PersistWriter::WriteCreateRecordset() {
    // The table is opened by name, so a name with a blank needs its brackets here as in Add.
    Emit(R"vb(
        |Public Function CreateRecordset() As ADOR.Recordset
        |'Function used by the &BusObjNameBatch object to create an ADOR recordset
        |'to contain multiple transactions.   The recordset contains two fields for each &BusObjName
        |'property:
        |'   1) Field for the property value
        |'   2) A second field for a boolean indicating whether the property value has changed
        |
        |'The final field in the generated recordset contains a numeric value identifying the type
        |'of transaction (or operation).
        |
        |Dim rs&BusObjName As ADOR.Recordset            'Recordset created from the &BusObjTable table
        |Dim rs&BusObjNameBatch As ADOR.Recordset       'Recordset returned to the &BusObjNameBatch object
        |Dim vntField As Variant                        'Variant holding a field from the Fields collection
        |
        |    On Error GoTo HandleError
        |
        |    Set rs&BusObjName = New ADOR.Recordset
        |    Set rs&BusObjNameBatch = New ADOR.Recordset
        |    rs&BusObjName.CursorType = adOpenStatic
        |    rs&BusObjName.Open "&BusObjSQLTable", cnnDataBase, , , adCmdTable
        |    rs&BusObjNameBatch.CursorLocation = adUseClient
        |
        |    For Each vntField In rs&BusObjName.Fields
        |        rs&BusObjNameBatch.Fields.Append vntField.Name, vntField.Type, vntField.DefinedSize
        |        rs&BusObjNameBatch.Fields.Append vntField.Name & "IsChanged", adBoolean
        |    Next vntField
        |
        |    rs&BusObjNameBatch.Fields.Append "Operation", adInteger
        |    Set CreateRecordset = rs&BusObjNameBatch
        |CreateRecordsetExit:
        |    If Not (rs&BusObjName Is Nothing) Then
        |       Set rs&BusObjName = Nothing
        |    End If
        |    If Not (rs&BusObjNameBatch Is Nothing) Then
        |       Set rs&BusObjNameBatch = Nothing
        |    End If
        |    Exit Function
        |
    )vb");
    mContext.WriteErrorHandler("CreateRecordset", "CreateRecordsetExit");
    Emit(R"vb(
        |
        |End Function
    )vb");
}

}  // namespace tier3
