// The detail form's code, in the order of the module: header, declarations, the three entry subs, the five
// operations, cmdOK_Click, cmdCancel_Click, Form_Load and Form_Unload; then the display procedures
// (DetailFormDisplay.cpp) and the control events (DetailFormEvents.cpp).

#include <functional>
#include <set>

#include "formlayout/ControlNames.h"
#include "patternkit/CodeHeader.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdDetailForm.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace forms {

void StdDetailForm::End(const patternkit::Emitter& out, std::string_view startName, std::string_view endName,
                        std::string_view label, bool blankBeforeEndSub) const {
    WriteStandardEnding(out, mComponentName, {startName, endName, label}, blankBeforeEndSub);
}

void StdDetailForm::GenerateCode() {
    patternkit::ProcedureSplitter splitter(Constructor());
    splitter.AvoidNamesEndingIn([this] { return ModelNames(); });
    const patternkit::Emitter out(splitter);
    patternkit::Common::WriteCodeHeader(out.Engine());
    WriteHeader(out);
    WriteDeclarations(out);
    WriteEntries(out);
    WriteOperations(out);
    WriteOKCancel(out);
    WriteFormLoad(out, splitter);
    WriteFormUnload(out);
    WriteRefreshDisplay(out, splitter);
    WriteProtection(out, splitter, false);
    WriteProtection(out, splitter, true);
    WriteEventHandlers(out, splitter);
    WriteControlEvents(out, splitter);
}

void StdDetailForm::WriteHeader(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |'***************************************************
        |'Layer 1: (User Interface) - &BusObjName Detail Form
        |'***************************************************
        |'
        |'Standard operations supported by this form:
        |'   Add         Creates a new &BusObjName
        |'   Copy        Creates a new &BusObjName from the values of an existing one
        |'   Delete      Permanently removes a &BusObjName from the database
        |'   ReadOnly    Displays a read-only version of a &BusObjName
        |'   Update      Displays a &BusObjName and lets the user change it
        |'
        |'Before the form is shown, the invoking form chooses one operation by
        |'calling its method and passes a reference to itself, for example:
        |'     frmMyObjectDetail.Add (myUser)
        |'     frmMyObjectDetail.InvokingForm Me
        |'     frmMyObjectDetail.Show
        |
        |Option Explicit
        |Option Base 1
        |
    )vb");
}

void StdDetailForm::WriteDeclarations(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |'Operation in progress: ADD, COPY, DELETE, READONLY or UPDATE
        |Private mstrOperationMode As String
        |
        |'Control whose value the business object rejected: the focus goes back
        |'to it, and the flag keeps LostFocus errors from looping endlessly
        |Private mstrCtlWithErr As String
        |
        |'The form that displayed this form
        |Private myInvokingForm As Form
        |
        |'Never assigned: holds the default (null) date
        |Private mdtmDefaultDate As Date
        |
        |'True while the form loads: change and click events can bypass their
        |'code with "If mblnLoading Then Exit Sub"
        |Private mblnLoading As Boolean
        |
        |'Error code of the business object
        |Private my&BusObjName_ErrorCode As vbo_ec_&BusObjName_Enum
        |
        |'Shows errors; created on first use
        |Private myErrorDisplay As ErrorDisplay
        |
        |'Number of the error being handled
        |Private mlngErrNumber As Long
        |
    )vb");
    std::set<std::string> declared;
    for (const auto& reference : mReferences) {
        mCurrent.referenceBusObj = reference;
        declared.insert(vb::LCase(vb::Trim(patternkit::Required(reference).Name())));
        out.Emit(R"vb(
            |'&ReferenceBusObjName Look-Upform required to validate foreign keys and virtual properties.
            |Private my&ReferenceBusObjNameLookUpForm As frm&ReferenceBusObjNameLookUp
            |
        )vb");
    }
    if (mHasParent)
        declared.insert(vb::LCase(vb::Trim(mCurrent.parentBusObj->Name())));
    // A look-up text box opens the form of the property's owner, which need not be a reference.
    ForEachPlaced([&](const typelib::IProperty& property) {
        const std::string owner = LookUpOwner(property);
        if (owner.empty() || PlacedRow(property).kind != formlayout::ControlKind::TextBox ||
            property.Access() == "Read Only" || !declared.insert(vb::LCase(owner)).second)
            return;
        out.Emit(R"vb(
            |'{{Owner}} Look-Up form that validates {{Owner}} properties.
            |Private my{{Owner}}LookUpForm As frm{{Owner}}LookUp
            |
        )vb",
                 {{"Owner", owner}});
    });
    out.Emit(R"vb(
        |'ObjectID of the &BusObjName to read, and the business object
        |'that the form displays
        |Private mstr&BusObjNameObjID As String
        |Private WithEvents my&BusObjName As &BusObjName
        |
    )vb");
    if (!mHasParent)
        return;
    out.Emit(R"vb(
        |'The parent of the business object
        |Private WithEvents my&ParentBusObjName As &ParentBusObjName
        |
        |'Look-Up form of the parent
        |Private my&ParentBusObjNameLookUpForm As frm&ParentBusObjNameLookUp
        |'The parent keeps its children in a collection, keyed by the
        |'child's key. The Detail form works on one child at a time,
        |'so the key under which the parent holds it is
        |'a constant.
        |Const mstrItem = "key" ¶
        |
    )vb");
}

void StdDetailForm::WriteEntries(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |Public Sub &BusObjName (obj&BusObjName As &BusObjName)
        |'Takes the business object from the invoking form
        |    Set my&BusObjName = obj&BusObjName
        |End Sub
        |Public Sub &BusObjNameObjID (strID As String)
        |'Takes the ObjectID of the business object to read
        |    mstr&BusObjNameObjID = strID
        |End Sub
        |Public Sub InvokingForm (frmValue As Form)
        |    Set myInvokingForm = frmValue
        |End Sub
        |
    )vb");
}

void StdDetailForm::WriteOperations(const patternkit::Emitter& out) const {
    struct Operation {
        std::string_view header, mode, startName, endName, label;
    };
    const Operation operations[] = {
        {"Public Sub Add()", "ADD", "Add", "Add", "Add"},
        {"Public Sub Copy(ByVal ObjId As String)", "COPY", "Copy", "Copy", "Copy"},
        {"Public Sub Delete(ByVal ObjId As String)", "DELETE", "Delete", " Delete", "Delete"},
        {"Public Sub ReadOnly(ByVal ObjId As String)", "READONLY", "ReadOnly", " ReadOnly", "ReadOnly"},
        {"Public Sub Update(ByVal ObjId As String)", "UPDATE", " Update", " Update", "Update"},
    };
    for (const Operation& operation : operations) {
        const bool takesId = operation.mode != "ADD";
        out.Emit(R"vb(
            |{{Header}}
            |'*************************************************************
            |'{{Mode}} Operation of the form.
            |'*************************************************************
            |    On Error GoTo HandleError
            |
            |{{SaveId}}
            |    'The form performs the operation when it loads and on OK
            |    mstrOperationMode = "{{Mode}}"
            |
        )vb",
                 {{"Header", operation.header}, {"Mode", operation.mode}, {"SaveId", [&] {
                                                                               if (takesId) {
                                                                                   out.Emit(R"vb(
                                                                                       |    'Save the passed ObjectID
                                                                                       |    mstr&BusObjNameObjID = ObjId
                                                                                       |
                                                                                   )vb");
                                                                               }
                                                                           }}});
        End(out, operation.startName, operation.endName, operation.label, false);
    }
}

void StdDetailForm::WriteOKCancel(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |Private Sub cmdOK_Click()
        |'Performs the operation chosen by the invoking form.
        |'An error leaves the form open with the user's values;
        |'otherwise the form unloads and control returns to the invoking form.
        |
        |    On Error GoTo HandleError
        |
        |   Select Case mstrOperationMode
        |       Case "ADD"
        |           my&BusObjName.Add
        |       Case "COPY"
        |           my&BusObjName.Add
        |       Case "DELETE"
        |           my&BusObjName.Delete
        |       Case "READONLY"
        |           'Return to the invoking form
        |       Case "UPDATE"
        |           my&BusObjName.Update
        |   End Select
        |
        |    'The business object is no longer needed
        |    Set my&BusObjName = Nothing
        |
        |    Unload Me
    )vb");
    End(out, " cmdOK_Click", " cmdOK_Click", "cmdOK_Click", true);
    out.Emit(R"vb(
        |Private Sub cmdCancel_Click()
        |    On Error GoTo HandleError
        |
        |    Unload Me
        |
    )vb");
    End(out, " cmdCancel_Click", " cmdCancel_Click", "cmdCancel_Click", true);
}

void StdDetailForm::WriteFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter) {
    // What grows with the properties: the Boolean lists' items, then, after the lines that set the form
    // up, the permitted values of the combo and list boxes.
    std::vector<std::function<void()>> steps;
    // The Boolean lists of each control that lists values, in the table's order.
    for (const formlayout::ControlKind kind : formlayout::kControlKinds) {
        const formlayout::FormControl& list = formlayout::DetailControl(kind);
        if (list.values != formlayout::ShownValues::ListItems)
            continue;
        // The generated lines differ in their blanks.
        const std::string_view gap = kind == formlayout::ControlKind::ComboBox ? "  " : " ";
        for (const auto& property : mPlacedDetail) {
            if (PlacedRow(patternkit::Required(property)).kind != kind || property->DataType() != "Boolean")
                continue;
            steps.push_back([&, prefix = list.prefix, gap, property] {
                mCurrent.property = property;
                out.Emit(R"vb(
                    |    {{Control}}.AddItem{{Gap}}"True" ¶
                    |    {{Control}}.AddItem "False" ¶
                    |
                )vb",
                         {{"Control", Control(prefix, *property)}, {"Gap", gap}});
            });
        }
    }
    // The lines that set the form up stay in Form_Load between the parts.
    const std::size_t setUp = steps.size();
    steps.push_back([&] { WriteFormSetUp(out); });
    const std::size_t firstList = steps.size();
    for (const auto& property : mPlacedDetail) {
        const formlayout::FormControl& list = PlacedRow(patternkit::Required(property));
        if (list.values != formlayout::ShownValues::ListItems)
            continue;
        steps.push_back([&, prefix = list.prefix, property, first = steps.size() == firstList] {
            mCurrent.property = property;
            if (first)
                out.EmitLine("    'Obtain permitted values for ComobBox and ListBox controls");
            out.Emit(R"vb(
                |    Set colPermittedValues = my&BusObjName.GetPermittedValues("&PropName")
                |    LoadControl {{Control}}, colPermittedValues
            )vb",
                     {{"Control", Control(prefix, *property)}});
        });
    }
    const bool lists = steps.size() > firstList;
    splitter.Write({.name = "Form_Load",
                    .head = [&] { WriteFormLoadHead(out); },
                    .items = steps.size(),
                    .item = [&](std::size_t step) { steps[step](); },
                    .tail =
                        [&] {
                            if (lists)
                                out.EmitLine("    Set colPermittedValues = Nothing");
                            out.Emit(R"vb(
                                |
                                |    RefreshDisplay
                                |
                                |    Me.Caption = "&BusObjName Detail" ¶
                                |    Me.Height = {{Height}}
                                |    Me.Width = {{Width}}
                                |
                            )vb",
                                     {{"Height", vb::Str(Layout().actual_form_height())},
                                      {"Width", vb::Str(Layout().actual_form_width())}});
                            End(out, " Form_Load", " Form_Load", "Form_Load", true);
                        },
                    .partHead =
                        [&](const patternkit::ProcedurePart& part) {
                            out.Emit("|Private Sub {{Part}}()", {{"Part", part.name}});
                            if (part.end > firstList)
                                out.EmitLine("Dim colPermittedValues As Collection");
                        },
                    .stays = [&](std::size_t step) { return step == setUp; }});
}

void StdDetailForm::WriteFormLoadHead(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |Private Sub Form_Load()
        |Dim colPermittedValues As Collection
        |
        |    On Error GoTo HandleError
        |
        |'Use the business object passed by the invoking form; otherwise
        |'create one and read it when an ObjectID was passed
        |    If my&BusObjName Is Nothing Then
        |        Set my&BusObjName = New &BusObjName
        |        If Len(mstr&BusObjNameObjID) <> 0 Then
        |            my&BusObjName.Read mstr&BusObjNameObjID
        |        End If
        |    End If
        | ¶
    )vb");
    if (mHasParent) {
        out.Emit(R"vb(
            |'Show the parent's identifying values
            |'in the context frame
            |    Set my&ParentBusObjName = my&BusObjName.&ParentBusObjName
        )vb");
        const std::vector<std::string> textBoxes =
            formlayout::ContextFrameControlNames(mCurrent.parentBusObj->Name(), mContextProperties, mRowNames)
                .textBoxes;
        for (std::size_t row = 0; row < textBoxes.size(); ++row) {
            if (!Placed(textBoxes[row]))
                continue;
            mCurrent.property = mContextProperties[row];
            out.Emit(R"vb(
                |    {{TextBox}}.Text = my&ParentBusObjName.&PropName
                |
            )vb",
                     {{"TextBox", textBoxes[row]}});
        }
    }
    out.Emit(R"vb(
        |    mblnLoading = True
        | ¶
    )vb");
}

void StdDetailForm::WriteFormSetUp(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |    Select Case UCase(mstrOperationMode)
        |    Case "ADD"
        |        'A new object: OK adds it
        |        cmdOK.Caption = "ADD"
        |    Case "COPY"
        |        cmdOK.Caption = "ADD"
        |    Case "DELETE"
        |        cmdOK.Caption = "DELETE"
        |        ProtectAllFields
        |    Case "READONLY"
        |        cmdOK.Caption = "OK"
        |        ProtectAllFields
        |    Case "UPDATE"
        |        cmdOK.Caption = "UPDATE"
        |        ProtectAllKeys
        |    End Select
        |
        |    CheckControls
        |    mblnLoading = False
        |    cmdCancel.Cancel = True
        |
    )vb");
}

void StdDetailForm::WriteFormUnload(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |Private Sub Form_Unload (Cancel As Integer)
        |'Single exit point for Detail forms
        |    Set my{{Released}} = Nothing
        |    myInvokingForm.ReturnControl
        |
    )vb",
             {{"Released", mHasParent ? "&ParentBusObjName" : "&BusObjName"}});
    End(out, " Form_Unload", " Form_Unload", "Form_Unload", true);
}

}  // namespace forms
