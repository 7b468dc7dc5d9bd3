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
namespace {

// The events of a row's data control whose procedures an array's own call (an option button's are its
// own).
std::vector<std::string_view> ArrayEventsOf(formlayout::ControlKind kind) {
    switch (kind) {
        case formlayout::ControlKind::TextBox:
            return {"GotFocus", "LostFocus"};
        case formlayout::ControlKind::ComboBox:
        case formlayout::ControlKind::ListBox:
        case formlayout::ControlKind::RichTextBox:
            return {"LostFocus"};
        case formlayout::ControlKind::CheckBox:
            return {"Click"};
        case formlayout::ControlKind::OptionButton:
            break;
    }
    return {};
}

// The text box's prefix, which also names a read-only property's stub whatever its control.
std::string_view TextBoxPrefix() {
    return formlayout::DetailControl(formlayout::ControlKind::TextBox).prefix;
}

}  // namespace

void StdDetailForm::WriteControlEvents(const patternkit::Emitter& out,
                                       patternkit::ProcedureSplitter& splitter) {
    ArrayEvents arrayEvents;
    ForEachPlaced([&](const typelib::IProperty& property) { WriteEventsOf(out, property, arrayEvents); });
    arrayEvents.Write(out, splitter, mCurrent.property);
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

void StdDetailForm::WriteEventsOf(const patternkit::Emitter& out, const typelib::IProperty& property,
                                  ArrayEvents& arrayEvents) const {
    if (property.Access() == "Read Only") {
        out.Emit(R"vb(
            |Private Sub {{Prefix}}&PropName_LostFocus()
            |   '&PropName is "Read Only" - no Property Let exists
            |End Sub
        )vb",
                 {{"Prefix", TextBoxPrefix()}});
        return;
    }
    const formlayout::FormControl& row = PlacedRow(property);
    switch (row.kind) {
        case formlayout::ControlKind::TextBox:
            WriteTextBoxEvents(out, property);
            break;
        case formlayout::ControlKind::OptionButton:
            WriteOptionEvents(out, property, arrayEvents);
            break;
        case formlayout::ControlKind::ComboBox:
        case formlayout::ControlKind::RichTextBox:
            WriteTextHandOver(out, property, row.prefix, false);
            break;
        case formlayout::ControlKind::ListBox:
            WriteTextHandOver(out, property, row.prefix, true);
            break;
        case formlayout::ControlKind::CheckBox:
            WriteCheckBoxEvent(out, property);
            break;
    }
    // A control of an array has the procedures above called by the array's own.
    const patternkit::ArrayMember* member = mPlaced.Member(formlayout::RowControlName(row.prefix, property));
    if (!member)
        return;
    for (const std::string_view event : ArrayEventsOf(row.kind))
        arrayEvents.Add(*member, event, mCurrent.property,
                        std::string(row.prefix) + "&PropName_" + std::string(event));
}

void StdDetailForm::WriteControlEnding(const patternkit::Emitter& out, const typelib::IProperty& property,
                                       const ControlProcedure& procedure) const {
    const std::string dbid = vb::Str(property.DBID());
    const std::string bodyName = " Property " + dbid + procedure.bodyPart;
    const std::string handler = formlayout::RowControlName(procedure.prefix, property, procedure.handlerPart);
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
    const std::string_view prefix = TextBoxPrefix();
    const std::string textBoxReference = Control(prefix, property);
    const patternkit::Substitution textBox{"TextBox", textBoxReference};
    const patternkit::Substitution prefixed{"Prefix", prefix};
    out.Emit(R"vb(
        |Private Sub {{Prefix}}&PropName_GotFocus()
        |
        |    On Error GoTo HandleError
        |
        |    {{TextBox}}.SelStart = 0
        |    {{TextBox}}.SelLength = Len({{TextBox}}.Text)
        |
    )vb",
             {textBox, prefixed});
    WriteControlEnding(out, property, {prefix, "_GotFocus", "_GotFocus"});

    out.Emit(R"vb(
        |Private Sub {{Prefix}}&PropName_LostFocus()
        |
        |    On Error GoTo HandleError
        |
        |    'Following code avoids an infinite loop when consecutive errors are detected.
        |    If Len(mstrCtlWithErr) <> 0 Then
        |        'A control holds a rejected value: only its own LostFocus goes on
        |        If mstrCtlWithErr = "{{Prefix}}&PropName" Then
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
        |    my&BusObjName.&PropName = {{TextBox}}.Text
        |
        |    If Trim({{TextBox}}.Text) <> "" Then
        |       {{TextBox}}.Text = my&BusObjName.&PropName
        |    End If
        |
    )vb",
             {textBox, prefixed});
    // Only a property whose value comes from another business object can be looked up there.
    if (LookUpOwner(property).empty()) {
        WriteControlEnding(out, property,
                           {prefix,
                            "_LostFocus",
                            "_LostFocus",
                            {"    mstrCtlWithErr = \"" + std::string(prefix) + "&PropName\" ",
                             "    " + textBoxReference + ".SetFocus"},
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
    WriteLookUpHandler(out, textBox, prefixed);
}

void StdDetailForm::WriteLookUpHandler(const patternkit::Emitter& out,
                                       const patternkit::Substitution& textBox,
                                       const patternkit::Substitution& prefix) const {
    out.Emit(R"vb(
        |HandleError:
        |    my&BusObjName_ErrorCode = &BusObjName_Invalid_&PropName
        |    If my&BusObjName_ErrorCode + vbObjectError = Err.Number Then
        |        mstrCtlWithErr = "{{Prefix}}&PropName" ¶
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
        |                {{TextBox}}.Text = .Selected&VirtPropOwnerBusObj.&VirtPropOrigName
        |                my&BusObjName.&PropName = {{TextBox}}.Text
        |            Else
        |                'Nothing selected: back to the box
        |                {{TextBox}}.SetFocus
        |            End If
        |            Set my&VirtPropOwnerBusObjLookUpForm = Nothing
        |        End With
        |    Else
        |        DisplayErrorMsg ¶
        |        Err.Source = Err.Source & "->frm&BusObjNameDetail.cmdOK_Click" ¶
        |        mstrCtlWithErr = "{{Prefix}}&PropName" ¶
        |        {{TextBox}}.SetFocus
        |    End If
        |
        |End Sub
    )vb",
             {textBox, prefix});
}

void StdDetailForm::WriteOptionEvents(const patternkit::Emitter& out, const typelib::IProperty& property,
                                      ArrayEvents& arrayEvents) const {
    struct OptionEvent {
        std::string suffix;
        std::string value;
        std::string bodyPart;
        std::string handlerPart;
        std::vector<std::string> afterHandler;
    };
    std::vector<OptionEvent> buttons;
    if (property.DataType() == "Boolean") {
        // The captions "True" and "False" are the values.
        for (const formlayout::OptionButtonValue& value : mOptionButtons.Of(property)) {
            const std::string click = "_" + value.suffix + "_Click";
            if (Placed(ButtonName(property, value.suffix)))
                buttons.push_back({value.suffix,
                                   value.caption,
                                   click,
                                   click,
                                   {"   " + Button(property, value.suffix) + ".SetFocus"}});
        }
    } else {
        for (const ListButton& button : PlacedListButtons(property))
            buttons.push_back({button.suffix,
                               patternkit::Common::FormatValueLiteral(property, button.value),
                               "-" + button.suffix + "_Click",
                               "_" + button.suffix + "_Click",
                               {}});
    }
    const std::string_view prefix = PlacedRow(property).buttons;
    for (const OptionEvent& button : buttons) {
        out.Emit(R"vb(
            |Private Sub {{Prefix}}&PropName_{{Suffix}}_Click()
            |
            |    On Error GoTo HandleError
            |'   Avoid Property Let if the Click event is fired when loading the form
            |    If Not mblnLoading Then
            |        my&BusObjName.&PropName = {{Value}}
            |    End If
            |
        )vb",
                 {{"Prefix", prefix}, {"Suffix", button.suffix}, {"Value", button.value}});
        WriteControlEnding(out, property,
                           {prefix, button.bodyPart, button.handlerPart, button.afterHandler, true});
        if (const patternkit::ArrayMember* member = mPlaced.Member(ButtonName(property, button.suffix)))
            arrayEvents.Add(*member, "Click", mCurrent.property,
                            std::string(prefix) + "&PropName_" + button.suffix + "_Click");
    }
}

void StdDetailForm::WriteTextHandOver(const patternkit::Emitter& out, const typelib::IProperty& property,
                                      std::string_view prefix, bool setFocus) const {
    const std::string control = Control(prefix, property);
    out.Emit(R"vb(
        |Private Sub {{Prefix}}&PropName_LostFocus()
        |
        |    On Error GoTo HandleError
        |    my&BusObjName.&PropName = {{Control}}.Text
        |
    )vb",
             {{"Prefix", prefix}, {"Control", control}});
    std::vector<std::string> focus;
    if (setFocus)
        focus.push_back("   " + control + ".SetFocus");
    WriteControlEnding(out, property, {prefix, "_LostFocus", "_LostFocus", focus, true});
}

void StdDetailForm::WriteCheckBoxEvent(const patternkit::Emitter& out,
                                       const typelib::IProperty& property) const {
    const std::string_view prefix = PlacedRow(property).prefix;
    const std::string checkBox = Control(prefix, property);
    out.Emit(R"vb(
        |Private Sub {{Prefix}}&PropName_Click()
        |
        |    On Error GoTo HandleError
        |'   Avoid Property Let if the Click event is fired when loading the form
        |    If  mblnLoading Then Exit Sub
        |
    )vb",
             {{"Prefix", prefix}});
    if (property.DataType() == "Boolean") {
        out.Emit(R"vb(
            |    If {{CheckBox}}.Value = 1 Then
            |       my&BusObjName.&PropName = True
            |    Else
            |       my&BusObjName.&PropName = False
            |   End If
        )vb",
                 {{"CheckBox", checkBox}});
    } else {
        out.Emit(R"vb(
            |    '||| &PropName is not a boolean but it is displayed in a CheckBox
            |    'Remove comments and replace "????" with a value.
            |    'If {{CheckBox}}.Value = 1 Then
            |       'my&BusObjName.&PropName = ????
            |    'Else
            |       'my&BusObjName.&PropName = ????
            |    'End If
        )vb",
                 {{"CheckBox", checkBox}});
    }
    out.EmitLine("");
    WriteControlEnding(out, property, {prefix, "_Click", "_Click", {"   " + checkBox + ".SetFocus"}, true});
}

}  // namespace forms
