// The logon form's code: it keeps the user id and password typed and hands them to the startup form.
// The same for every application: no token and no edit point.

#include "patternkit/CodeHeader.h"
#include "patternkit/Emitter.h"
#include "patterns/forms/StdStartupForm.h"

namespace forms {

void StdStartupForm::GenerateLogonCode() {
    const patternkit::Emitter out(Constructor());
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'*************************************************
        |'Layer 1 (User Interface): Logon Form  (used by StartUp Form)
        |'*************************************************
        |'
        |'Captures UserID and Password and returns them to the StartUp form.
        |
        |Option Explicit
        |Option Base 1
        |
        |Private mstrUserID As String
        |Private mstrPassword As String
        |
        |Property Get UserID() As Variant
        |    UserID = mstrUserID
        |End Property
        |Property Get Password() As Variant
        |    Password = mstrPassword
        |End Property
        |
        |Private Sub cmdOK_Click()
        |   mstrUserID = txtUser.Text
        |   mstrPassword = txtPassword.Text
        |   Unload Me
        |End Sub
    )vb");
}

}  // namespace forms
