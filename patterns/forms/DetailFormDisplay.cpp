// The detail form's display procedures: RefreshDisplay, ProtectAllFields, ProtectAllKeys, the business
// object's BusinessRuleChange, PropertyRestrictionChanged and UpdatePropertyValues, and CheckControls.

#include "patternkit/CodeText.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdDetailForm.h"

namespace forms {

void StdDetailForm::WriteRefreshDisplay(const patternkit::Emitter& out,
                                        patternkit::ProcedureSplitter& splitter) {
    splitter.Write({.name = "RefreshDisplay",
                    .head =
                        [&] {
                            out.Emit(R"vb(
                                |Private Sub RefreshDisplay()
                                |'Obtain current values of every property
                                |Dim i As Integer
                                |Dim strTemp As String
                                |    On Error GoTo HandleError
                                |
                                |    With my&BusObjName
                            )vb");
                        },
                    .items = mPlacedDetail.size(),
                    .item = [&](std::size_t index) { WriteDisplayOf(out, PlacedProperty(index)); },
                    .tail =
                        [&] {
                            out.Emit(R"vb(
                                |    End With
                                |
                            )vb");
                            End(out, " RefreshDisplay", " RefreshDisplay", "RefreshDisplay", true);
                        },
                    // A part reads the values in a With block of its own.
                    .partHead =
                        [&](const patternkit::ProcedurePart& part) {
                            out.Emit(R"vb(
                                |Private Sub {{Part}}()
                                |Dim strTemp As String
                                |    With my&BusObjName
                            )vb",
                                     {{"Part", part.name}});
                        },
                    .partTail =
                        [&](const patternkit::ProcedurePart&) {
                            out.Emit(R"vb(
                                |    End With
                                |End Sub
                            )vb");
                        }});
}

void StdDetailForm::WriteDisplayOf(const patternkit::Emitter& out, const typelib::IProperty& property) const {
    const formlayout::FormControl& row = PlacedRow(property);
    const std::string reference = Control(row.prefix, property);
    const patternkit::Substitution control{"Control", reference};
    const bool boolean = property.DataType() == "Boolean";
    switch (row.kind) {
        case formlayout::ControlKind::TextBox:
        case formlayout::ControlKind::RichTextBox:
            // A rich text box shows the value as a text box does; without it the user's text is lost on OK.
            out.Emit(R"vb(
                |        {{Control}}.Text = .&PropName
                |
            )vb",
                     {control});
            break;
        case formlayout::ControlKind::ListBox:
        case formlayout::ControlKind::ComboBox:
            out.Emit(R"vb(
                |        strTemp = Trim(.&PropName)
                |        SetControl {{Control}},strTemp
                |
            )vb",
                     {control});
            break;
        case formlayout::ControlKind::OptionButton:
            WriteButtonsDisplay(out, property);
            break;
        case formlayout::ControlKind::CheckBox:
            if (boolean) {
                out.Emit(R"vb(
                    |        If .&PropName Then
                    |            {{Control}}.Value = 1
                    |        Else
                    |            {{Control}}.Value = 0
                    |        End If
                )vb",
                         {control});
            } else {
                out.Emit(R"vb(
                    |            '|||CheckBox is used to display non-boolean
                    |            'Modify commented statements ¶
                    |        'If .&PropName = ???? Then
                    |            '{{Control}}.Value = 1
                    |        'ElseIf .&PropName = ??? Then
                    |            '{{Control}}.Value = 0
                    |        'End If
                )vb",
                         {control});
            }
            break;
    }
}

void StdDetailForm::WriteButtonsDisplay(const patternkit::Emitter& out,
                                        const typelib::IProperty& property) const {
    if (property.DataType() == "Boolean") {
        out.Emit(R"vb(
            |        If .&PropName Then
            |            {{True}}.Value = True
            |        Else
            |            {{False}}.Value = True
            |        End If
            |
        )vb",
                 {{"True", Button(property, mOptionButtons.Of(property).front().suffix)},
                  {"False", Button(property, mOptionButtons.Of(property).back().suffix)}});
        return;
    }
    const auto buttons = PlacedListButtons(property);
    if (!property.IsPVList())
        return;
    out.EmitLine(property.DataType() == "String" ? "        Select Case Trim(.&PropName)"
                                                 : "        Select Case .&PropName");
    for (const ListButton& button : buttons) {
        out.Emit(R"vb(
            |            Case {{Literal}}
            |                {{Button}}.Value = True
        )vb",
                 {{"Literal", patternkit::Common::FormatValueLiteral(property, button.value)},
                  {"Button", Button(property, button.suffix)}});
    }
    out.Emit(R"vb(
        |        End Select
        |
    )vb");
}

void StdDetailForm::WriteProtection(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                                    bool keysOnly) {
    splitter.Write(
        {.name = keysOnly ? "ProtectAllKeys" : "ProtectAllFields",
         .head =
             [&] {
                 out.Emit(keysOnly ? R"vb(
                     |Private Sub ProtectAllKeys()
                     |'Disable all controls containing key values
                     |    On Error GoTo HandleError
                     |
                 )vb"
                                   : R"vb(
                                       |Private Sub ProtectAllFields()
                                       |'Disable all controls on the Detail form
                                       |    On Error GoTo HandleError
                                       |
                                   )vb");
             },
         .items = mPlacedDetail.size(),
         .item = [&](std::size_t index) { WriteProtectionOf(out, PlacedProperty(index), keysOnly); },
         .tail =
             [&] {
                 out.EmitLine("");
                 if (keysOnly)
                     End(out, " ProtectAllKeys", " ProtectAllKeys", "ProtectAllKeys", false);
                 else
                     End(out, " ProtectAllFields", " ProtectAllFields", "ProtectAllFields", true);
             }});
}

void StdDetailForm::WriteProtectionOf(const patternkit::Emitter& out, const typelib::IProperty& property,
                                      bool keysOnly) const {
    // A check-box key is disabled too: a key changed in UPDATE mode would have Update write over another
    // row.
    if (keysOnly && !property.IsKey())
        return;
    if (PlacedRow(property).row != formlayout::RowKind::OptionGroup) {
        out.Emit("|    {{Control}}.Enabled = False", {{"Control", MainControlReference(property)}});
        return;
    }
    if (property.DataType() == "Boolean") {
        for (const formlayout::OptionButtonValue& button : mOptionButtons.Of(property)) {
            if (Placed(ButtonName(property, button.suffix)))
                out.Emit("|    {{Button}}.Enabled = False", {{"Button", Button(property, button.suffix)}});
        }
        return;
    }
    for (const ListButton& button : PlacedListButtons(property))
        out.Emit("|    {{Button}}.Enabled = False", {{"Button", Button(property, button.suffix)}});
}

void StdDetailForm::WriteEventHandlers(const patternkit::Emitter& out,
                                       patternkit::ProcedureSplitter& splitter) {
    out.Emit(R"vb(
        |Private Sub my&BusObjName_BusinessRuleChange(ByVal ObjName As String)
        |' A change of a property has switched a business rule
        |' between True and False.  Determine which operations
        |' are valid now; mstrOperationMode holds the operation
        |' in progress.
        |    On Error GoTo HandleError
        |
        |    CheckControls
        |
    )vb");
    End(out, " BusinessRuleChange", " BusinessRuleChange", "BusinessRuleChange", false);
    WritePropertyRestrictionChanged(out, splitter);
    WriteCheckControls(out);
    out.Emit(R"vb(
        |Private Sub my&BusObjName_UpdatePropertyValues()
        |'Raised when the change of one property has changed
        |'the values of others
        |    On Error GoTo HandleError
        |
        |    RefreshDisplay
        |
    )vb");
    End(out, " UpdatePropertyValues", " UpdatePropertyValues", "UpdatePropertyValues", false);
}

void StdDetailForm::WritePropertyRestrictionChanged(const patternkit::Emitter& out,
                                                    patternkit::ProcedureSplitter& splitter) {
    splitter.Write({.name = "my" + BusinessObject().Name() + "_PropertyRestrictionChanged",
                    .head =
                        [&] {
                            out.Emit(R"vb(
                                |Private Sub my&BusObjName_PropertyRestrictionChanged(ByVal strPropName As String)
                                |'The business object changed the view or edit restriction
                                |'of one property: show or hide its control and label, and
                                |'enable or disable the control.
                                |'strPropName has the form
                                |'   BusinessObjectName.PropertyName
                                |
                                |    On Error GoTo HandleError
                                |    Select Case strPropName
                            )vb");
                        },
                    .items = mPlacedDetail.size(),
                    .item = [&](std::size_t index) { WriteRestrictionOf(out, PlacedProperty(index)); },
                    .tail =
                        [&] {
                            out.Emit(R"vb(
                                |    End Select
                                |
                            )vb");
                            End(out, " PropertyRestrictionChanged", " PropertyRestrictionChanged",
                                "PropertyRestrictionChanged", false);
                        },
                    // Each part takes the name and tests it against its own properties; one of them holds it.
                    .partHead =
                        [&](const patternkit::ProcedurePart& part) {
                            out.Emit(R"vb(
                                |Private Sub {{Part}}(ByVal strPropName As String)
                                |    Select Case strPropName
                            )vb",
                                     {{"Part", part.name}});
                        },
                    .partTail = [&](const patternkit::ProcedurePart&) { out.Emit(kEndSelectEndSub); },
                    .call =
                        [&](const patternkit::ProcedurePart& part) {
                            if (part.first == 0)
                                out.EmitLine("        Case Else");
                            out.Emit("|            {{Part}} strPropName", {{"Part", part.name}});
                        }});
}

void StdDetailForm::WriteRestrictionOf(const patternkit::Emitter& out,
                                       const typelib::IProperty& property) const {
    out.EmitLine(R"(        Case "&BusObjName.&PropName" )");
    const formlayout::FormControl& row = PlacedRow(property);
    if (row.kind == formlayout::ControlKind::RichTextBox)
        return;
    const std::string control = MainControlReference(property);
    const patternkit::Substitution name{"Control", control};
    out.Emit(R"(|            {{Control}}.Visible = my&BusObjName.PropertyIsViewable("&PropName") ¶)", {name});
    if (!row.label.empty() && Placed(formlayout::RowControlName(row.label, property)))
        out.Emit(R"(|            {{Label}}.Visible = my&BusObjName.PropertyIsViewable("&PropName") ¶)",
                 {{"Label", Control(row.label, property)}});
    out.Emit(R"(|            {{Control}}.Enabled = my&BusObjName.PropertyIsEditable("&PropName") ¶)", {name});
}

void StdDetailForm::WriteCheckControls(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |Private Sub CheckControls()
        |'Enables or disables the command button by the state of the business object.
        |'Called when the form loads and on every BusinessRuleChange.
        |    On Error GoTo HandleError
        |
        |    'Is the operation in progress allowed now?
        |    Select Case mstrOperationMode
        |        Case "ADD"
        |            cmdOK.Enabled = my&BusObjName.MethodIsExecutable("Add") ¶
        |        Case "COPY"
        |            cmdOK.Enabled = my&BusObjName.MethodIsExecutable("Add") ¶
        |        Case "DELETE"
        |            cmdOK.Enabled = my&BusObjName.MethodIsExecutable("Delete") ¶
        |        Case "UPDATE"
        |            cmdOK.Enabled = my&BusObjName.MethodIsExecutable("Update") ¶
        |    End Select
        |
    )vb");
    End(out, " CheckControls", " CheckControls", "CheckControls", false);
}

}  // namespace forms
