// The layer-3 shared module CommonPersist: the DBMS codes, the database connection, and the helpers that
// every persistence class uses to turn a search into SQL.

#include <algorithm>
#include <string>

#include "patternkit/ConnectionCode.h"
#include "patternkit/Emitter.h"
#include "patternkit/QuoteDoubling.h"
#include "patterns/tier3/CredentialGetters.h"
#include "patterns/tier3/Generators.h"

namespace tier3 {
namespace {

class CommonPersistWriter : private patternkit::Emitter {
  public:
    explicit CommonPersistWriter(GeneratorContext& context)
        : Emitter(context.Engine()),
          mContext(context),
          mArchitecture(context.Application().Architecture()),
          mIsMTS(context.Application().IsMTS()) {}

    void Write() {
        mContext.SetErrorSourceClass("CommonPersist");
        const bool hasServer = mArchitecture == typelib::TwoTier || mArchitecture == typelib::ThreeTier;
        // Clear of the general codes (1 to 10) and of CommonLogical's Internal_Error (11).
        Emit(R"vb(
            |
            |'Raised by Read of a persistence class when no row has the ObjectID
            |Global Const   Object_Not_Found = 12
        )vb");
        if (hasServer) {
            WriteDeclarations();
            WriteMain();
            WriteDBConnect();
        }
        if (mArchitecture == typelib::ThreeTier)
            WriteCredentialGetters(mContext);
        WriteSearchString();
        WriteDataParser();
        WriteCustomInStr();
        WriteFormatDBBoolean();
        WriteFormatDBDate();
        WriteGetPVRecordset();
        patternkit::WriteDoubleQuotesFunction(*this);
        Emit(R"vb(
            |
            |'|||Insert new functions or subs between these edit points.
            |{{Start}}Additional Functions and/or Subs
            |{{End}}Additional Functions and/or Subs
        )vb");
    }

  private:
    void WriteDeclarations() {
        Emit(R"vb(
            |
            |Private mstrUserID As String
            |Private mstrPassword As String
            |'Note:  If you get the error: "User-defined type not defined" at this statement
            |'then add a reference to the Microsoft ADO 2.0 Object Library.
        )vb");
        if (!mIsMTS)
            Emit("|Public cnnDataBase As ADODB.Connection");
        Emit(R"vb(
            |'Variables to hold error number, description, and source
            |Private mlngErrNumber As Long
            |Private mstrErrDescription As String
            |Private mstrErrSource As String
        )vb");
    }

    void WriteMain() {
        Emit(R"vb(
            |
            |Sub Main()
            |    On Error GoTo HandleError
        )vb");
        if (!mIsMTS)
            Emit("|    DBConnect");
        Emit(R"vb(
            |'|||Add logic needed when server component is created.
            |{{Start}}Sub main
            |{{End}}Sub main
            |    Exit Sub
            |ExitMain:
            |'Clean up After error
            |Exit Sub
            |'**************** Error Handler *****************
            |HandleError:
            |    mlngErrNumber = Err.Number
            |    mstrErrDescription = Err.Description
            |    mstrErrSource = Err.Source
            |    Select Case mlngErrNumber
            |'|||Add special processing for specific errors in this edit point.
            |{{Start}}DB Connect Error
            |{{End}}DB Connect Error
            |        Case Else
            |            Err.Raise mlngErrNumber, mstrErrSource & "->Main.DBConnect", mstrErrDescription
            |    End Select
            |    GoTo ExitMain
            |End Sub
        )vb");
    }

    void WriteDBConnect() {
        if (mIsMTS) {
            Emit(R"vb(
                |
                |Public Function DBConnect ()As ADODB.Connection
            )vb");
        } else {
            Emit(R"vb(
                |
                |Private Sub DBConnect ()
            )vb");
        }
        Emit(R"vb(
            |Dim strUID As String        'UserID
            |Dim strPW As String         'Password
            |Dim strDSN As String        'Data Source Name
        )vb");
        if (mIsMTS)
            Emit("|Dim cnnDataBase As ADODB.Connection");
        Emit("|    On Error GoTo HandleError");
        patternkit::Common::WriteConnectionOpen(*this, !mContext.Application().DSN().empty(), "mstrUserID",
                                                "mstrPassword");
        if (mIsMTS) {
            Emit(R"vb(
                |    Set DBConnect = cnnDataBase
                |    Set cnnDataBase = Nothing
            )vb");
        }
        Emit(R"vb(
            |DBConnectExit:
            |    'Cleanup after error
        )vb");
        Emit(mIsMTS ? "|    Exit Function" : "|    Exit Sub");
        mContext.WriteErrorHandler("DBConnect", "DBConnectExit");
        Emit(mIsMTS ? "|End Function" : "|End Sub");
    }

    void WriteSearchString() {
        Emit(R"vb(
            |
            |Function CreateSQLSearchString(ByVal strSearch As String, ByVal aryProperties As Variant, ByVal intDBMS_Type As Integer) As String
            |Dim strClauses() As String
            |Dim strParts() As String
            |Dim aryOperators As Variant
            |Dim intClauseCount As Integer
            |Dim intClause As Integer
            |Dim intRow As Integer
            |Dim intOperator As Integer
            |Dim strValue As String
            |Dim strResult As String
            |    aryOperators = Array("<>", "> ", ">=", "< ", "<=", "= ")
            |    intClauseCount = DataParser(strClauses, strSearch, " AND ")
            |    For intClause = 0 To intClauseCount - 1
            |        For intRow = 1 To UBound(aryProperties)
            |            If CustomInStr(strClauses(intClause), aryProperties(intRow, 1), vbBinaryCompare) Then
            |                For intOperator = LBound(aryOperators) To UBound(aryOperators)
            |                    If InStr(strClauses(intClause), aryOperators(intOperator)) > 0 Then
            |                        DataParser strParts, strClauses(intClause), CStr(aryOperators(intOperator))
            |                        strValue = strParts(1)
            |                        Select Case aryProperties(intRow, 3)
            |                            Case "Date"
            |                                strValue = FormatDBDate(strValue, intDBMS_Type)
            |                            Case "Boolean"
            |                                strValue = FormatDBBoolean(strValue, intDBMS_Type)
            |                        End Select
            |                        strClauses(intClause) = aryProperties(intRow, 2) & " " & aryOperators(intOperator) & " " & strValue
            |                        Exit For
            |                    End If
            |                Next intOperator
            |                Exit For
            |            End If
            |        Next intRow
            |        If intClause > 0 Then strResult = strResult & " And "
            |        strResult = strResult & strClauses(intClause)
            |    Next intClause
            |    CreateSQLSearchString = strResult
            |End Function
        )vb");
    }

    void WriteDataParser() {
        Emit(R"vb(
            |
            |Function DataParser(sBuffer() As String, strSQLString As String, strSeparatorChar As String) As Integer
            |Dim intCount As Integer
            |Dim lngStart As Long
            |Dim lngFound As Long
            |    If strSeparatorChar = "" Then strSeparatorChar = ";"
            |    If strSQLString = "" Then
            |        Erase sBuffer
            |        DataParser = 0
            |        Exit Function
            |    End If
            |    lngStart = 1
            |    Do
            |        lngFound = InStr(lngStart, strSQLString, strSeparatorChar)
            |        ReDim Preserve sBuffer(intCount)
            |        If lngFound = 0 Then
            |            sBuffer(intCount) = Trim(Mid(strSQLString, lngStart))
            |        Else
            |            sBuffer(intCount) = Trim(Mid(strSQLString, lngStart, lngFound - lngStart))
            |            lngStart = lngFound + Len(strSeparatorChar)
            |        End If
            |        intCount = intCount + 1
            |    Loop Until lngFound = 0
            |    DataParser = intCount
            |End Function
        )vb");
    }

    void WriteCustomInStr() {
        Emit(R"vb(
            |
            |Function CustomInStr(ByVal strString1 As String, ByVal strString2 As String, ByVal lngCompareType As Long) As Boolean
            |Dim strText As String
            |    If lngCompareType <> vbBinaryCompare And lngCompareType <> vbTextCompare Then
            |        lngCompareType = vbBinaryCompare
            |    End If
            |    strText = LTrim(strString1)
            |    If InStr(1, strText, strString2, lngCompareType) = 1 Then
            |        CustomInStr = (Mid(strText, Len(strString2) + 1, 1) = " ")
            |    End If
            |End Function
        )vb");
    }

    void WriteFormatDBBoolean() {
        Emit(R"vb(
            |
            |Function FormatDBBoolean(ByVal sBooleanValueIN As Variant,ByVal iDBMS_TypeIN As Integer) As String ¶
            |    On Error GoTo HandleError
            |    Select Case UCase(Trim(sBooleanValueIN))
            |        Case "-1", "TRUE", "YES", "ON"
            |            Select Case iDBMS_TypeIN
            |                Case dbDBMS_Type_MSAccess
            |                    FormatDBBoolean = "-1"
            |{{Start}}DBMS Types
            |{{End}}
            |                Case Else
            |                    FormatDBBoolean = "1"
            |            End Select
            |        Case "0", "FALSE", "NO", "OFF"
            |            Select Case iDBMS_TypeIN
            |{{Start}} DBMS Types
            |{{End}}
            |                Case Else
            |                    FormatDBBoolean = "0"
            |            End Select
            |        Case Else
            |            MsgBox "Boolean value: " & sBooleanValueIN & " is invalid.", vbExclamation
            |            FormatDBBoolean = ""
            |    End Select
            |FormatDBBooleanExit:
            |    Exit Function
        )vb");
        mContext.WriteErrorHandler("FormatDBBoolean", "FormatDBBooleanExit");
        Emit("|End Function");
    }

    void WriteFormatDBDate() {
        Emit(R"vb(
            |
            |Function FormatDBDate(ByVal sDateValueIN As String, ByVal iDBMS_TypeIN As Integer) As String
            |    On Error GoTo HandleError
            |    If Not IsDate(sDateValueIN) Then
            |        MsgBox "Date value: " & sDateValueIN & " is invalid.", vbExclamation
            |        FormatDBDate = ""
            |        Exit Function
            |    End If
            |    Select Case iDBMS_TypeIN
            |        Case dbDBMS_Type_SQLServer
            |            FormatDBDate = "CONVERT(DateTime,'" & sDateValueIN & "')"
            |        Case dbDBMS_Type_Oracle
            |            FormatDBDate = "TO_DATE('" & sDateValueIN & "')"
            |        Case dbDBMS_Type_MSAccess
            |            FormatDBDate = "#" & sDateValueIN & "#"
            |{{Start}}DBMS Types
            |{{End}}
            |        Case Else
            |            FormatDBDate = "'" & sDateValueIN & "'"
            |    End Select
            |FormatDBDateExit:
            |    Exit Function
        )vb");
        mContext.WriteErrorHandler("FormatDBDate", "FormatDBDateExit");
        Emit("|End Function");
    }

    // A value of any property of the application fits, and at least 255 characters.
    int32_t PermittedValueWidth() const {
        int32_t width = 255;
        for (const auto& businessObject : patternkit::Required(mContext.Application().BusinessObjects())) {
            for (const auto& property :
                 patternkit::Required(patternkit::Required(businessObject).Properties()))
                width = std::max(width, patternkit::Required(property).Length());
        }
        return width;
    }

    void WriteGetPVRecordset() {
        Emit(R"vb(
            |
            |Public Function GetPVRecordset ( )As ADOR.Recordset
            |Dim rsPermittedValues As ADOR.Recordset
            |    On Error GoTo HandleError
            |    'The permitted values of a business object such as &BusObjName, one row per value
            |    Set rsPermittedValues = New ADOR.Recordset
            |    rsPermittedValues.CursorLocation = adUseClient
            |    rsPermittedValues.CursorType = adOpenStatic
            |    rsPermittedValues.Fields.Append "PropertyName", adVarChar, 30
            |    rsPermittedValues.Fields.Append "DisplayedValue", adVarChar, {{Width}}
            |    rsPermittedValues.Fields.Append "StoredValue", adVarChar, {{Width}}
            |    rsPermittedValues.Open
            |    Set GetPVRecordset = rsPermittedValues
            |GetPVRecordsetExit:
            |    If Not rsPermittedValues Is Nothing Then
            |        Set rsPermittedValues = Nothing
            |    End If
            |    Exit Function
        )vb",
             {{"Width", std::to_string(PermittedValueWidth())}});
        mContext.WriteErrorHandler("GetPVRecordset", "GetPVRecordsetExit");
        Emit("|End Function");
    }

    GeneratorContext& mContext;
    const int32_t mArchitecture;
    const bool mIsMTS;
};

}  // namespace

void GenerateCommonLayer3(GeneratorContext& context) {
    context.Out().Emit(R"vb(
        |Public Enum vbo_db_DBMS_Type_Enum
        |    dbDBMS_Type_SQLServer = 10
        |    dbDBMS_Type_Oracle = 20
        |    dbDBMS_Type_MSAccess = 30
        |    dbDBMS_Type_Paradox = 40
        |    dbDBMS_Type_FoxPro = 50
        |{{Start}} DBMS Types
        |{{End}}
        |End Enum
    )vb");
    CommonPersistWriter(context).Write();
}

}  // namespace tier3
