// The detail form's control events, one property at a time in display order: the read-only stub, the text
// box's GotFocus and LostFocus (with the look-up for virtual and foreign values), the option buttons'
// clicks, the combo, list and rich text boxes' LostFocus and the check box's click; then ReturnControl,
// DisplayErrorMsg and the closing lines.

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeText.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdDetailForm.h"
#include "platform/vb/Numbers.h"

namespace forms {

void StdDetailForm::WriteControlEvents(const patternkit::Emitter& out) {
    ForEachPlaced([&](const typelib::IProperty& property) { WriteEventsOf(out, property); });
    // A look-up form's File/Exit calls ReturnControl on the form that opened it.
    out.Emit(R"vb(
        |Public Sub ReturnControl()
        |'Called by a form this form displayed (a Look-Up form)
        |'when that form is finished.
        |End Sub
    )vb");
    WriteDisplayErrorMsg(out, false);
    out.EmitLine("");
    patternkit::WriteClosingEditPoint(out);
}

void StdDetailForm::WriteEventsOf(const patternkit::Emitter& out, const typelib::IProperty& property) const {
    if (property.Access() == "Read Only") {
        out.Emit(R"vb(
            |Private Sub txt&PropName_LostFocus()
            |   '&PropName is "Read Only" - no Property Let exists
            |End Sub
        )vb");
        return;
    }
    const std::string controlType = property.ControlType();
    if (controlType == "TextBox")
        WriteTextBoxEvents(out, property);
    else if (controlType == "OptionButton")
        WriteOptionEvents(out, property);
    else if (controlType == "ComboBox")
        WriteTextHandOver(out, property, "cmb", false);
    else if (controlType == "ListBox")
        WriteTextHandOver(out, property, "lstbx", true);
    else if (controlType == "RichTextBox")
        WriteTextHandOver(out, property, "rtxt", false);
    else if (controlType == "CheckBox")
        WriteCheckBoxEvent(out, property);
}

void StdDetailForm::WriteControlEnding(const patternkit::Emitter& out, const typelib::IProperty& property,
                                       const ControlProcedure& procedure) const {
    const std::string dbid = vb::Str(property.DBID());
    const std::string bodyName = " Property " + dbid + procedure.bodyPart;
    const std::string handler = ControlName(procedure.prefix, property, procedure.handlerPart);
    const std::string errorEditPoint = "Property" + dbid + procedure.handlerPart;
    WriteEndingThroughHandler(out, mComponentName, {bodyName, bodyName, handler, errorEditPoint});
    for (const std::string& line : procedure.afterHandler)
        out.EmitLine(line);
    if (procedure.blankBeforeEndSub)
        out.EmitLine("");
    out.EmitLine("End Sub");
}

void StdDetailForm::WriteTextBoxEvents(const patternkit::Emitter& out,
                                       const typelib::IProperty& property) const {
    out.Emit(R"vb(
        |Private Sub txt&PropName_GotFocus()
        |
        |    On Error GoTo HandleError
        |
        |    txt&PropName.SelStart = 0
        |    txt&PropName.SelLength = Len(txt&PropName.Text)
        |
    )vb");
    WriteControlEnding(out, property, {"txt", "_GotFocus", "_GotFocus"});

    out.Emit(R"vb(
        |Private Sub txt&PropName_LostFocus()
        |
        |    On Error GoTo HandleError
        |
        |    'Following code avoids an infinite loop when consecutive errors are detected.
        |    If Len(mstrCtlWithErr) <> 0 Then
        |        'A control holds a rejected value: only its own LostFocus goes on
        |        If mstrCtlWithErr = "txt&PropName" Then
        |            If Me.ActiveControl.Name = "cmdCancel" Then
        |                'The user is leaving the form
        |                Exit Sub
        |            Else
        |                'Check the value again
        |                mstrCtlWithErr = "" ¶
        |            End If
        |        Else
        |            'Another control is in error
        |            Exit Sub
        |        End If
        |    End If
        |
        |    my&BusObjName.&PropName = txt&PropName.Text
        |
        |    If Trim(txt&PropName.Text) <> "" Then
        |       txt&PropName.Text = my&BusObjName.&PropName
        |    End If
        |
    )vb");
    // Only a property whose value comes from another business object can be looked up there.
    if (LookUpOwner(property).empty()) {
        WriteControlEnding(out, property,
                           {"txt",
                            "_LostFocus",
                            "_LostFocus",
                            {"    mstrCtlWithErr = \"txt&PropName\" ", "    txt&PropName.SetFocus"},
                            true});
        return;
    }
    const std::string bodyName = " Property " + vb::Str(property.DBID()) + "_LostFocus";
    out.Emit(R"vb(
        |{{Start}}{{Body}}
        |{{End}}{{Body}}
        |    Exit Sub
        |
    )vb",
             {{"Body", bodyName}});
    WriteLookUpHandler(out);
}

void StdDetailForm::WriteLookUpHandler(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |HandleError:
        |    my&BusObjName_ErrorCode = &BusObjName_Invalid_&PropName
        |    If my&BusObjName_ErrorCode + vbObjectError = Err.Number Then
        |        mstrCtlWithErr = "txt&PropName" ¶
        |        MsgBox "Please select a &PropName",vbOKOnly
        |        If my&VirtPropOwnerBusObjLookUpForm Is Nothing Then
        |            Set my&VirtPropOwnerBusObjLookUpForm = New frm&VirtPropOwnerBusObjLookUp
        |        End If
        |        With my&VirtPropOwnerBusObjLookUpForm
        |            .Display "&VirtPropOrigName" ¶
        |            .InvokingForm Me
        |            .Show vbModal
        |            If .OK Then
        |                'Take the value selected
        |                mstrCtlWithErr = ""  'Control no longer contains error
        |                txt&PropName.Text = .Selected&VirtPropOwnerBusObj.&VirtPropOrigName
        |                my&BusObjName.&PropName = txt&PropName.Text
        |            Else
        |                'Nothing selected: back to the box
        |                txt&PropName.SetFocus
        |            End If
        |            Set my&VirtPropOwnerBusObjLookUpForm = Nothing
        |        End With
        |    Else
        |        DisplayErrorMsg ¶
        |        Err.Source = Err.Source & "->frm&BusObjNameDetail.cmdOK_Click" ¶
        |        mstrCtlWithErr = "txt&PropName" ¶
        |        txt&PropName.SetFocus
        |    End If
        |
        |End Sub
    )vb");
}

void StdDetailForm::WriteOptionEvents(const patternkit::Emitter& out,
                                      const typelib::IProperty& property) const {
    struct Button {
        std::string suffix;
        std::string value;
        std::string bodyPart;
        std::string handlerPart;
        std::vector<std::string> afterHandler;
    };
    std::vector<Button> buttons;
    if (property.DataType() == "Boolean") {
        for (const std::string value : {"True", "False"}) {
            if (Placed(ControlName("opt", property, "_" + value)))
                buttons.push_back({value,
                                   value,
                                   "_" + value + "_Click",
                                   "_" + value + "_Click",
                                   {"   opt&PropName_" + value + ".SetFocus"}});
        }
    } else {
        for (const ListButton& button : PlacedListButtons(property))
            buttons.push_back({button.suffix,
                               patternkit::Common::FormatValueLiteral(property, button.value),
                               "-" + button.suffix + "_Click",
                               "_" + button.suffix + "_Click",
                               {}});
    }
    for (const Button& button : buttons) {
        out.Emit(R"vb(
            |Private Sub opt&PropName_{{Suffix}}_Click()
            |
            |    On Error GoTo HandleError
            |'   Avoid Property Let if the Click event is fired when loading the form
            |    If Not mblnLoading Then
            |        my&BusObjName.&PropName = {{Value}}
            |    End If
            |
        )vb",
                 {{"Suffix", button.suffix}, {"Value", button.value}});
        WriteControlEnding(out, property,
                           {"opt", button.bodyPart, button.handlerPart, button.afterHandler, true});
    }
}

void StdDetailForm::WriteTextHandOver(const patternkit::Emitter& out, const typelib::IProperty& property,
                                      std::string_view prefix, bool setFocus) const {
    out.Emit(R"vb(
        |Private Sub {{Prefix}}&PropName_LostFocus()
        |
        |    On Error GoTo HandleError
        |    my&BusObjName.&PropName = {{Prefix}}&PropName.Text
        |
    )vb",
             {{"Prefix", prefix}});
    std::vector<std::string> focus;
    if (setFocus)
        focus.push_back("   " + std::string(prefix) + "&PropName.SetFocus");
    WriteControlEnding(out, property, {prefix, "_LostFocus", "_LostFocus", focus, true});
}

void StdDetailForm::WriteCheckBoxEvent(const patternkit::Emitter& out,
                                       const typelib::IProperty& property) const {
    out.Emit(R"vb(
        |Private Sub ckb&PropName_Click()
        |
        |    On Error GoTo HandleError
        |'   Avoid Property Let if the Click event is fired when loading the form
        |    If  mblnLoading Then Exit Sub
        |
    )vb");
    if (property.DataType() == "Boolean") {
        out.Emit(R"vb(
            |    If ckb&PropName.Value = 1 Then
            |       my&BusObjName.&PropName = True
            |    Else
            |       my&BusObjName.&PropName = False
            |   End If
        )vb");
    } else {
        out.Emit(R"vb(
            |    '||| &PropName is not a boolean but it is displayed in a CheckBox
            |    'Remove comments and replace "????" with a value.
            |    'If ckb&PropName.Value = 1 Then
            |       'my&BusObjName.&PropName = ????
            |    'Else
            |       'my&BusObjName.&PropName = ????
            |    'End If
        )vb");
    }
    out.EmitLine("");
    WriteControlEnding(out, property, {"ckb", "_Click", "_Click", {"   ckb&PropName.SetFocus"}, true});
}

}  // namespace forms
