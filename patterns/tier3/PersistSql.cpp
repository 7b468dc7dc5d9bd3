// The SQL builders and the object identifier: the SELECT list named by property, and the WHERE clause of
// one row from an ObjectID or from the key values in the record.

#include <array>
#include <string>

#include "patterns/tier3/PersistWriter.h"
#include "typelib/IField.h"

namespace tier3 {
namespace {

// The families of the WHERE builders. Every type that has a value in the record has one; Decimal is a
// bare number like the other numbers.
enum class KeyFamily { Number, Text, Date, Boolean };

KeyFamily FamilyOf(const typelib::IProperty& key) {
    const std::string dataType = key.DataType();
    if (dataType == "String")
        return KeyFamily::Text;
    if (dataType == "Date")
        return KeyFamily::Date;
    if (dataType == "Boolean")
        return KeyFamily::Boolean;
    return KeyFamily::Number;
}

// The VB function that turns the identifier's text back into the key's type; "" for a String.
std::string_view ConversionOf(const typelib::IProperty& key) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kConversions = {{
        {"Byte", "CByte"},
        {"Integer", "CInt"},
        {"Long", "CLng"},
        {"Single", "CSng"},
        {"Double", "CDbl"},
        {"Decimal", "CDec"},
        {"Currency", "CCur"},
        {"Date", "CDate"},
        {"Boolean", "CBool"},
    }};
    const std::string dataType = key.DataType();
    for (const auto& [type, function] : kConversions) {
        if (dataType == type)
            return function;
    }
    return {};
}

}  // namespace

void PersistWriter::WriteSelectString() {
    const auto head = [&] {
        Emit(R"vb(
            |Private Function GetSQLSelectString () As String
            |'Returns the list of properties for the SELECT clause.
            |'The SQL "AS" syntax gives each column the name of its property,
            |'so that ADO names the fields of the recordset after the properties
            |'and Layers 1 and 2 need not know the field names.
            |Dim strSQL As String
            |
        )vb");
    };
    const auto tail = [&] {
        Emit(R"vb(
            |
            |    'Remove leading "," and append SELECT key word
            |    strSQL = Mid(strSQL,2)
            |    strSQL = "SELECT " & strSQL
            |
            |    GetSQLSelectString = strSQL
            |End Function
        )vb");
    };
    // A part adds its columns to the list it is handed.
    const auto partHead = [&](const patternkit::ProcedurePart& part) {
        Emit("|Private Sub {{Part}}(strSQL As String)", {{"Part", part.name}});
    };
    const auto call = [&](const patternkit::ProcedurePart& part) {
        Emit("|    {{Part}} strSQL", {{"Part", part.name}});
    };
    mContext.WritePerProperty(
        {.name = "GetSQLSelectString", .head = head, .tail = tail, .partHead = partHead, .call = call},
        [&](const typelib::IProperty& property) {
            if (property.Name() == patternkit::Required(property.Field()).Name())
                Emit(R"vb(|    strSQL = strSQL & ", &PropSQLFieldName" ¶)vb");
            else
                Emit(R"vb(|    strsql = strSQL & ", &PropSQLFieldName AS &PropName " ¶)vb");
        });
}

void PersistWriter::WriteCreateObjectID() {
    Emit(R"vb(
        |Private Function CreateObjectID() As String
        |'The ObjectID is a string made of the values of all keys,
        |'separated by a semicolon, in the order of the KeyIndex property
        |'of the key properties.  Layers 1 and 2 use it to identify
        |'a business object without knowing its keys.
        |Dim strFormat As String * 25
        |    On Error GoTo HandleError
        |
    )vb");
    for (const auto& key : mKeys) {
        SetProperty(key);
        if (key->DataType() == "String")
            EmitLine(R"vb(    CreateObjectID = CreateObjectID & ";" & mudtProps.&PropName)vb");
        else
            EmitLine(R"vb(    CreateObjectID = CreateObjectID & ";" & CStr(mudtProps.&PropName))vb");
    }
    Emit(R"vb(
        |
        |    'Remove the first semicolon
        |    CreateObjectID = Mid(CreateObjectID, 2)
        |
        |CreateObjectIDExit:
        |'Cleanup after error
        |    Exit Function
        |
    )vb");
    mContext.WriteErrorHandler("CreateObjectID", "CreateObjectIDExit");
    EmitLine("End Function");
}

void PersistWriter::WriteGenSQLFromObjectID() {
    Emit(R"vb(
        |Private Function GenSQLFromObjectID(ByVal ObjectID As String) As String
        |'Creates the WHERE clause that finds a single instance of the
        |'business object from its ObjectID, which is a concatenation
        |'of the values of the key fields.
        |Dim i As Integer
        |Dim strSQL As String
        |Dim strBlnValue As String
        |Dim strNextKey As String
        |    On Error GoTo HandleError
        |
        |    strSQL = "WHERE "
        |    ObjectID = Trim(ObjectID)
        |
    )vb");
    for (size_t k = 0; k < mKeys.size(); ++k) {
        const typelib::IProperty& key = *mKeys[k];
        SetProperty(mKeys[k]);
        EmitLine("    'Remove &PropName from ObjectID and add it to the WHERE clause");
        if (k + 1 < mKeys.size()) {
            Emit(R"vb(
                |    i = InStr(ObjectID, ";")
                |    strNextKey = Left(ObjectID, i - 1)
                |    ObjectID = Mid(ObjectID, i + 1)
            )vb");
        } else {
            EmitLine("    strNextKey = ObjectID");
        }
        const std::string_view conversion = ConversionOf(key);
        if (conversion.empty())
            EmitLine("    mudtProps.&PropName = strNextKey");
        else
            Emit("|    mudtProps.&PropName = {{Convert}}(strNextKey)", {{"Convert", conversion}});
        WriteWhereTerm(key, k == 0);
        Emit(R"vb(
            |
            |
        )vb");
    }
    Emit(R"vb(
        |  GenSQLFromObjectID = strSQL
        |
        |GenSQLFromObjectIDExit:
        |'Cleanup after error
        |    Exit Function
        |
    )vb");
    mContext.WriteErrorHandler("GenSQLFromObjectID", "GenSQLFromObjectIDExit");
    EmitLine("End Function");
}

void PersistWriter::WriteGenSQLFromProperties() {
    Emit(R"vb(
        |Private Function GenSQLFromProperties() As String
        |'Creates the WHERE clause that finds a single instance from the key properties.
        |'Used by Update, Delete and other operations that cannot be sure
        |'that the key values are unchanged.
        |Dim strSQL As String
        |Dim strBlnValue As String
        |Dim i As Integer
        |    On Error GoTo HandleError
        |
    )vb");
    bool isFirst = true;
    for (const auto& property : mContext.Properties()) {
        if (!property->IsKey())
            continue;
        SetProperty(property);
        WriteWhereTerm(*property, isFirst);
        isFirst = false;
        EmitLine("");
    }
    Emit(R"vb(
        |
        |GenSQLFromProperties = " WHERE " & strSQL
        |
        |GenSQLFromPropertiesExit:
        |'Cleanup after error
        |    Exit Function
        |
    )vb");
    mContext.WriteErrorHandler("GenSQLFromProperties", "GenSQLFromPropertiesExit");
    EmitLine("End Function");
}

// Text values have their quotes doubled, so a value such as O'Brien neither ends the SQL text early nor
// changes the statement; Add stores text trimmed, so the condition compares it trimmed.
void PersistWriter::WriteWhereTerm(const typelib::IProperty& key, bool isFirst) {
    const std::string_view indent = isFirst ? "    " : "     ";
    const std::string_view andText = isFirst ? "" : " AND ";
    const std::initializer_list<patternkit::Substitution> parts = {{"Indent", indent}, {"And", andText}};
    switch (FamilyOf(key)) {
        case KeyFamily::Number:
            Emit(
                R"vb(|{{Indent}}strSQL = strSQL & "{{And}}&PropSQLFieldName  = " & mudtProps.&PropName & " " ¶)vb",
                parts);
            break;
        case KeyFamily::Text:
            Emit(
                R"vb(|{{Indent}}strSQL = strSQL & "{{And}}&PropSQLFieldName  = '"& DoubleQuotes(Trim(mudtProps.&PropName)) & "' " ¶)vb",
                parts);
            break;
        case KeyFamily::Date:
            // Oracle takes the date through TO_DATE; any other DBMS through the ODBC timestamp escape.
            Emit(R"vb(
                |    Select Case DBMSType
                |        Case dbDBMS_Type_SQLServer
                |            strSQL = strSQL & "{{And}}&PropSQLFieldName  = Convert(DateTime,'" & mudtProps.&PropName & "') " ¶
                |        Case dbDBMS_Type_Oracle
                |            strSQL = strSQL & "{{And}}&PropSQLFieldName  = TO_DATE('" & Format(mudtProps.&PropName, "yyyy-mm-dd hh:nn:ss") & "', 'YYYY-MM-DD HH24:MI:SS') " ¶
                |        Case dbDBMS_Type_MSAccess ¶
                |            strSQL = strSQL & "{{And}}&PropSQLFieldName  = #"& mudtProps.&PropName & "# " ¶
                |        Case Else
                |            strSQL = strSQL & "{{And}}&PropSQLFieldName  = {ts '" & Format(mudtProps.&PropName, "yyyy-mm-dd hh:nn:ss") & "'} " ¶
                |    End Select
            )vb",
                 parts);
            break;
        case KeyFamily::Boolean:
            // Access stores True as -1; every other DBMS as 1.
            Emit(R"vb(
                |    Select Case DBMSType
                |        Case dbDBMS_Type_MSAccess ¶
                |            If mudtProps.&PropName Then
                |                strBlnValue = "-1" ¶
                |            Else
                |                strBlnValue = "0" ¶
                |            End If
                |        Case Else
                |            If mudtProps.&PropName Then
                |                strBlnValue = "1" ¶
                |            Else
                |                strBlnValue = "0" ¶
                |            End If
                |    End Select
                |{{Indent}}strSQL = strSQL & "{{And}}&PropSQLFieldName  = " & strBlnValue & " " ¶
            )vb",
                 parts);
            break;
    }
}

}  // namespace tier3
