// The generated application's module Common: the general error codes, the user's identification, Main,
// with one project the connection and DBConnect, and LoadControl and SetControl for the detail forms.

#include "patternkit/ConnectionCode.h"
#include "patternkit/QuoteDoubling.h"
#include "patterns/forms/StdStartupForm.h"
#include "platform/vb/Text.h"

namespace forms {
namespace {

void WriteDBConnect(const patternkit::Emitter& out, bool viaDataSource) {
    out.Emit(R"vb(
        |Private Sub DBConnect ()
        |Dim strUID As String        'UserID
        |Dim strPW As String         'Password
        |Dim strDSN As String        'Data Source Name
        |    On Error GoTo HandleError
        |
    )vb");
    patternkit::Common::WriteConnectionOpen(out, viaDataSource, "gstrUserID", "gstrPassword");
    out.Emit(R"vb(
        |    Exit Sub
        |
        |HandleError:
        |      MsgBox "Could not connect to Data Source: " & strDSN, vbCritical + vbOKOnly, "Database Connection Failed!" ¶
        |
        |End Sub
    )vb");
}

}  // namespace

void StdStartupForm::GenerateCommonLayer1() {
    const patternkit::Emitter out(Constructor());
    const bool singleTier = Application().Architecture() == typelib::SingleTier;
    out.Emit(R"vb(
        |Option Explicit
        |   'General error codes
        |Global Const   Edit_Restriction = 1
        |Global Const   View_Restriction = 2
        |Global Const   Invalid_Operation = 3
        |Global Const   Invalid_Date = 4
        |Global Const   Invalid_Numeric = 5
        |Global Const   String_Too_Long = 6
        |Global Const   Mandatory_Field = 7
        |Global Const   Value_Out_Of_Range = 8
        |Global Const   Invalid_Boolean = 9
        |Global Const   Permitted_Value_Error = 10
        |Public gstrUserID As String
        |Public gstrPassword As String
    )vb");
    if (singleTier) {
        out.Emit(R"vb(
            |'Note:  If you get the error: "User-defined type not defined" at this statement
            |'then add a reference to the Microsoft ADO 2.0 Object Library.
            |Public cnnDataBase As ADODB.Connection
        )vb");
    }
    out.Emit(R"vb(
        |Sub Main()
        |
        |    On Error GoTo HandleError
    )vb");
    if (singleTier)
        out.EmitLine("    DBConnect");
    out.Emit(R"vb(
        |    frm&AppName_StartUp.Show
        |    Exit Sub
        |
        |HandleError:
        |    MsgBox "Could not open the form: frm&AppName_StartUp", vbCritical + vbOKOnly, "Error!"
        |End Sub
    )vb");
    if (singleTier)
        WriteDBConnect(out, !vb::Trim(Application().DSN()).empty());
    // SetControl selects the value it appended (its NewIndex): index 0 would show, and write back,
    // another value of a list that was not empty.
    out.Emit(R"vb(
        |Public Sub LoadControl(ByRef conControl As Control, ByRef colValues As Collection)
        |'Public sub used by forms to load values into either a Combo or List control.
        |'Items to add are contained in a colleciton.
        |Dim vItem As Variant
        |Dim i As Integer
        |
        |    i = 0
        |    For Each vItem In colValues
        |        conControl.AddItem CStr(vItem)
        |        i = i + 1
        |    Next vItem
        |
        |    If i > 0 Then
        |        conControl.ListIndex = 0
        |    End If
        |
        |End Sub
        |Public Sub SetControl(ByRef conControl As Control, ByVal strValue)
        |'Public sub used by forms to set the selected item in either a Combo or List control.
        |Dim i As Integer
        |
        |    If Trim(strValue) <> "" Then
        |        conControl.ListIndex = -1
        |        For i = 0 To conControl.ListCount - 1
        |            If conControl.List(i) = strValue Then
        |                conControl.ListIndex = i
        |                Exit For
        |            End If
        |        Next i
        |        If conControl.ListIndex = -1 Then
        |            conControl.AddItem strValue
        |            conControl.ListIndex = conControl.NewIndex
        |        End If
        |    End If
        |End Sub
    )vb");
    // The look-up forms double the quotes of a search text through it. One project holds it once: where
    // the layers share a project, CommonLogical or CommonPersist carries it.
    const typelib::IApplication& application = Application();
    const std::string project = vb::Trim(application.L1ProjectName());
    if (project != vb::Trim(application.L2ProjectName()) && project != vb::Trim(application.L3ProjectName()))
        patternkit::WriteDoubleQuotesFunction(out);
    out.Emit(R"vb(
        |'|||Insert new functions or subs between these edit points.
        |{{Start}}Additional Functions and/or Subs
        |{{End}}Additional Functions and/or Subs
    )vb");
}

}  // namespace forms
