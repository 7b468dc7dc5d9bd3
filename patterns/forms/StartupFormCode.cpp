// The startup form's code: a click procedure per top-level business object, ReturnControl, and Form_Load,
// which shows the logon form and keeps what the user entered.

#include "patternkit/CodeHeader.h"
#include "patternkit/Emitter.h"
#include "patterns/forms/StdStartupForm.h"
#include "platform/vb/Numbers.h"

namespace forms {

void StdStartupForm::GenerateStartUpCode() {
    const patternkit::Emitter out(Constructor());
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'*************************************************
        |'Layer 1 (User Interface): StartUp Form
        |'*************************************************
        |'
        |'Supports a command button for all business objects that
        |'are not contained within another business object.  Command button
        |'loads the corresponding business object's List form.
        |
        |Option Explicit
        |Option Base 1
    )vb");
    // With one project the user's identification lives in the module Common.
    const int32_t architecture = Application().Architecture();
    if (architecture == typelib::TwoTier || architecture == typelib::ThreeTier) {
        out.Emit(R"vb(
            |Public gstrUserID As String
            |Public gstrPassword As String
        )vb");
    }
    out.Emit(R"vb(
        |
        |'|||Note:  the List form's Display operation does not populate the list view
        |'control when the form is shown.  The user must provide search criteria.
        |'If you want to display business ojbects when the form is first displayed
        |'insert the following statement in the edit point following the ".Display".
        |'   myForm.Search strSearch
        |'where strSearch is a list consisting of a property name followed by a search criteria.
        |'For example:
        |'strSearch = "Number >= 100 And Name = 'Smythe'" ¶
        |
    )vb");
    for (const auto& businessObject : mBusinessObjects) {
        mCurrent.busObj = businessObject;
        if (!IsTopLevel(patternkit::Required(businessObject)))
            continue;
        const std::string clickEditPoint = "StartUp CmdButton Click - " + vb::Str(businessObject->DBID());
        out.Emit(R"vb(
            |Private Sub cmd&BusObjName_Click()
            |'Display a list of &BusObjNames.
            |  frm&BusObjNameList.InvokingForm  Me
            |  frm&BusObjNameList.Display ¶
            |{{Start}}{{Click}}
            |{{End}}{{Click}}
            |  frm&BusObjNameList.Show
            |End Sub
        )vb",
                 {{"Click", clickEditPoint}});
    }
    out.Emit(R"vb(
        |Public Sub ReturnControl()
        |'|||Common return point whenever an invoked form is finished.
        |{{Start}}ReturnControl
        |{{End}}ReturnControl
        |End Sub
        |Private Sub Form_Load()
        |' Display the Logon form
        |  frm&AppName_Logon.Show vbModal
        |
        |{{Start}}StartUp Form Load
        |  With frm&AppName_Logon
        |      gstrUserID = .UserID
        |      gstrPassword = .Password
        |  End With
        |{{End}}StartUp Form Load
        |
        |    Me.Caption = "&AppName" ¶
        |
        |End Sub
        |{{Start}}Additional Functions and/or Subs
        |'|||Insert new functions or subs between these edit points.
        |{{End}}Additional Functions and/or Subs
    )vb");
}

}  // namespace forms
