// The list form's code, in the order of the module: header and declarations, the parent hand-over,
// InvokingForm, Display and Search; the commands (ListFormCommands.cpp); Form_Load, Form_Unload,
// Load_Listbox, the list view's events, ReturnControl, File\Exit, CheckControls, DisplayErrorMsg,
// Form_Resize and the closing edit point.

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeHeader.h"
#include "patternkit/ErrorHandlers.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdListForm.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace forms {

// The children the View menu serves: the template's mnuViewChild items.
std::size_t StdListForm::ViewedChildren() const {
    const auto items = static_cast<std::size_t>(std::max<int16_t>(Layout().max_children_on_list(), 0));
    return std::min(mChildren.size(), items);
}

void StdListForm::GenerateListFormCode() {
    patternkit::ProcedureSplitter splitter(Constructor());
    splitter.AvoidNamesEndingIn([this] { return ModelNames(); });
    const patternkit::Emitter out(splitter);
    patternkit::Common::WriteCodeHeader(out.Engine());
    WriteListDeclarations(out);
    out.Emit(R"vb(
        |Public Sub InvokingForm (frmValue As Form)
        |    On Error GoTo HandleError
        |    Set myInvokingForm = frmValue
    )vb");
    WriteStandardEnding(out, mComponentName, {"InvokingForm", "InvokingForm ", "InvokingForm"});
    out.Emit(R"vb(
        |
        |Public Sub Display()
        |'*************************************************
        |'DISPLAY operation of the form.  Shows the form with an empty list.
        |'The user is expected to provide search criteria.
        |'*************************************************
        |    On Error GoTo HandleError
        |    'Save the name of the method
        |    mstrOperationMode = "DISPLAY"
        |
    )vb");
    End(out, "Display");
    out.Emit(R"vb(
        |Public Sub Search(SearchCriteria As String)
        |'*************************************************
        |'SEARCH operation of the form.  Save search criteria.
        |'*************************************************
        |    On Error GoTo HandleError
        |    'Save the name of the method
        |    mstrOperationMode = "SEARCH"
        |
        |    'The list is filled when the form loads
        |    mstrSearchCriteria = SearchCriteria
        |
    )vb");
    End(out, "Search");
    WriteCommands(out);
    WriteListFormLoad(out, splitter);
    out.Emit(R"vb(
        |Private Sub Form_Unload(Cancel As Integer)
        |'Single exit point for List forms
        |    Set my&BusObjName = Nothing
        |    myInvokingForm.ReturnControl
        |
        |'<<<Start Edit Point:  Form_Unload
        |'>>>End Edit Point:  Form_Unload
        |    Exit Sub
        |
    )vb");
    patternkit::Common::GenerateFormErrorHandler(out.Engine(), mComponentName, "Form_Unload", "Form_Unload");
    out.EmitLine("End Sub");
    WriteLoadListbox(out, splitter);
    WriteListEvents(out);
    WriteCheckControls(out);
    WriteDisplayErrorMsg(out, true);
    out.Emit(R"vb(
        |Private Sub Form_Resize()
        |'Resize list view control as window is resized
        |    On Error GoTo HandleError
        |
        |'The sizes are stored at the end of Form_Load; resize events
        |'that come before it change nothing.
        |   If (mlngLstVwWidth = 0) Or _ ¶
        |        (mlngLstVwHeight = 0) Then ¶
        |    Else
        |        lvwItems.Width = mlngLstVwWidth + (Me.Width - mlngFormWidth)
        |        lvwItems.Height = mlngLstVwHeight + (Me.Height - mlngFormHeight)
        |    End If
        |
    )vb");
    End(out, "Form_Resize");
    out.EmitLine("");
    patternkit::WriteClosingEditPoint(out);
}

void StdListForm::WriteListDeclarations(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |'*************************************************
        |'Layer 1: (User Interface) - &BusObjName List Form
        |'*************************************************
        |'Standard operations supported by this form:
        |'   Display         Displays the form before populating the list
        |'   Search          Gets a list of objects and displays it
        |'
        |'Only one operation can be performed at a time.  The invoking module
        |'designates the operation before the form is loaded (Show method)
        |'by calling Display or Search and passing a reference to itself:
        |'     frmMyObjectList.Display (myUser)
        |'     frmMyObjectList.InvokingForm Me
        |'     frmMyObjectList.Show
        |
        |Option Explicit
        |Option Base 1
        |
        |'Search criteria of the current search
        |Private mstrSearchCriteria As String
        |
        |'Utility class used to format, display, and log errors
        |Private myErrorDisplay As ErrorDisplay
        |
        |'Operation selected by the invoking module: DISPLAY or SEARCH
        |Private mstrOperationMode As String
        |
        |'Command under way, kept until the form it opened returns control
        |Private mstrCurrentCommand As String
        |
        |'The form that opened this form; its ReturnControl is called on unload
        |Private myInvokingForm As Form
        |
        |'Detail form opened by a command
        |Private my&BusObjNameDetailForm As frm&BusObjNameDetail
        |
        |'Search form opened by Edit\Find
        |Private my&BusObjNameSearch As frm&BusObjNameSearch
        |
        |'Business object of the selected row, handed to the forms opened
        |Private my&BusObjName As &BusObjName
        |
        |'Layers 1 and 2 identify every business object by its string
        |'property ObjectID, which layer 3 builds from the columns that
        |'identify the object in the database.
        |'The list view's keys are the ObjectIDs prefixed with "K".
        |'Empty for a new object.
        |Private mstrObjectID As String
        |
        |'True when at least one list item is selected
        |Private mblnItemsSelected As Boolean
        |
        |'Number of the error being handled
        |Private mlngErrNumber As Long
        |
        |'Values set in Form_Load. ¶
        |Private mintDetailFormModality As Integer
        |Private mblnHideBeforeDetail
        |Private mlngFormWidth As Long
        |Private mlngFormHeight As Long
        |Private mlngLstVwWidth As Long
        |Private mlngLstVwHeight As Long
        |
    )vb");
    for (const auto& child : mChildren) {
        mCurrent.childBusObj = child;
        out.Emit(R"vb(
            |'List form used by &ChildBusObjName which is contained in &BusObjName
            |Private my&ChildBusObjNameListForm As frm&ChildBusObjNameList
            |
        )vb");
    }
    out.Emit(R"vb(
        |'The objects of the current search; each row of the list view
        |'is one of them.
        |Private my&BusObjNameList As &BusObjNameList
        |
    )vb");
    if (!mHasParent)
        return;
    out.Emit(R"vb(
        |'A reference to the &ParentBusObjName or its ObjectID must be
        |'passed by the invoking form.
        |Private my&ParentBusObjNameObjID As String
        |Private my&ParentBusObjName As &ParentBusObjName
        |
        |Public Sub &ParentBusObjName (obj&ParentBusObjName As &ParentBusObjName) ¶
        |'Keeps the parent whose contained objects are listed
        |    Set my&ParentBusObjName = obj&ParentBusObjName
        |End Sub
        |Public Sub &ParentBusObjNameObjID (strID As String)
        |'Keeps the ObjectID of the parent; the parent is read when the form loads
        |    my&ParentBusObjNameObjID = strID
        |End Sub
        |
    )vb");
}

void StdListForm::WriteListFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter) {
    const patternkit::form_ctl_defaults& layout = Layout();
    const auto head = [&] {
        out.Emit(R"vb(
            |Private Sub Form_Load()
            |    On Error GoTo HandleError
        )vb");
        if (mHasParent) {
            out.Emit(R"vb(
                |   'Either a reference to a &ParentBusObjName or the value of its ¶
                |   'ObjectID was passed by the invoking form.
                |    If my&ParentBusObjName Is Nothing Then
                |       Set my&ParentBusObjName = New &ParentBusObjName
                |       my&ParentBusObjName.Read my&ParentBusObjNameObjID
                |    End If
                |
            )vb");
            WriteContextLines(out);
        }
        out.Emit(R"vb(
            |
            |    mblnItemsSelected = False
            |    mblnHideBeforeDetail = True      'Hide List form whenever Detail form is shown
            |    mintDetailFormModality = 0       'Show Detail form as modeless; 0 = modeless, 1 = modal
            |
            |    'Add a column header for each property
        )vb");
    };
    const auto tail = [&] {
        out.Emit(R"vb(
            |
            |    If mstrOperationMode = "DISPLAY" Then
            |        'The list stays empty until the user searches
            |    ElseIf mstrOperationMode = "SEARCH" Then
            |        'Get the objects that match the search criteria
            |        Load_Listbox
            |    End If
            |
            |    'Use CheckControls sub to enable/disable controls
            |    CheckControls
            |
            |'Set the title and size of the List form
            |    Me.Caption = "&BusObjName List" ¶
            |    Me.Height = {{Height}}
            |    Me.Width = {{Width}}
            |
        )vb",
                 {{"Height", vb::Str(layout.actual_form_height())},
                  {"Width", vb::Str(layout.actual_form_width())}});
        WriteViewMenuCaptions(out);
        out.Emit(R"vb(
            |    'Store initial size of list view control and form for use later in Resize event
            |    mlngFormWidth = Me.Width
            |    mlngFormHeight = Me.Height
            |    mlngLstVwWidth = lvwItems.Width
            |    mlngLstVwHeight = lvwItems.Height
            |
            |'|||Insert statements to change variables initialized previously
        )vb");
        End(out, "Form_Load");
    };
    patternkit::GrowingProcedure procedure{.name = "Form_Load", .head = head, .tail = tail};
    AddColumnHeaders(procedure, out, mListProperties, mCurrent.property, "    ");
    splitter.Write(procedure);
}

void StdListForm::WriteViewMenuCaptions(const patternkit::Emitter& out) {
    const std::size_t viewed = ViewedChildren();
    if (viewed == 0) {
        out.Emit(R"vb(
            |'No contained business object so make the View menu invisible
            |    mnuView.Visible = False
            |
        )vb");
        return;
    }
    out.EmitLine("'Change captions of View Child Menu items to reflect names of contained business objects.");
    for (std::size_t i = 0; i < viewed; ++i) {
        mCurrent.childBusObj = mChildren[i];
        out.EmitLine("    mnuViewChild(" + MenuIndex(i) + ").Caption = \"&ChildBusObjName\" ");
    }
    out.EmitLine("");
    out.EmitLine("'Make additional View Child controls invisible.");
    for (auto i = viewed; i < static_cast<std::size_t>(Layout().max_children_on_list()); ++i)
        out.EmitLine("    mnuViewChild(" + MenuIndex(i) + ").Visible = False ");
}

std::string StdListForm::MenuIndex(std::size_t index) {
    return vb::Trim(vb::Str(static_cast<int16_t>(index)));
}

void StdListForm::WriteLoadListbox(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter) {
    patternkit::GrowingProcedure procedure{
        .name = "Load_Listbox",
        .head =
            [&] {
                out.Emit(R"vb(
                    |Private Sub Load_Listbox()
                    |Dim itmlist As ListItem
                    |    On Error GoTo HandleError
                    |
                    |'The list object is created once; each search replaces
                    |'the result of the previous one.
                    |    If  my&BusObjNameList Is Nothing Then
                    |        Set my&BusObjNameList = New &BusObjNameList
                )vb");
                if (mHasParent)
                    out.EmitLine("        Set my&BusObjNameList.&ParentBusObjName = my&ParentBusObjName");
                out.Emit(R"vb(
                    |    End If
                    |    my&BusObjNameList.Search mstrSearchCriteria
                    |
                    |    'Clear the list view control
                    |    lvwItems.ListItems.Clear
                    |
                    |    'One row per object of the list
                    |    While Not my&BusObjNameList.EOF
                    |'Each row is a ListItem added to the list view.
                    |'The ObjectID of the object is stored as the key
                    |'of the ListItem.
                    |'A "K" is put in front of the ObjectID because
                    |'the list view fails when a key can be read
                    |'as a number.
                    |'
                )vb");
                if (mListProperties.empty()) {
                    // Without a column the row is keyed only, and there is no With block to close.
                    out.EmitLine(
                        R"(       Set itmlist = lvwItems.ListItems.Add(Key:= "K" & my&BusObjNameList.ObjectID))");
                    return;
                }
                mCurrent.property = mListProperties.front();
                out.Emit(R"vb(
                    |       Set itmlist = lvwItems.ListItems.Add _ ¶
                    |       (Text:=my&BusObjNameList.&PropName, Key:= "K" & my&BusObjNameList.ObjectID)
                    |       With itmlist
                    |           'Add a Subitem for each of the remaining properties
                )vb");
            },
        .tail =
            [&] {
                if (!mListProperties.empty())
                    out.EmitLine("       End With");
                out.Emit(R"vb(
                    |    my&BusObjNameList.MoveNext
                    |    Wend
                    |
                    |    mblnItemsSelected = False
                    |    CheckControls
                    |    Show
                    |
                )vb");
                End(out, "Load_Listbox");
            }};
    AddSubItems(procedure, out, mListProperties, mCurrent.property, {"       ", "           "});
    splitter.Write(procedure);
}

void StdListForm::WriteListEvents(const patternkit::Emitter& out) const {
    for (const bool doubleClick : {false, true}) {
        out.Emit(R"vb(
            |Public Sub lvwItems_{{Event}}()
            |{{Comment}}
            |    'Enables the commands that need a selected row
            |    'when a row is selected.
            |
            |    On Error GoTo HandleError
            |    If lvwItems.SelectedItem Is Nothing Then
            |        mblnItemsSelected = False
            |    Else
            |        mblnItemsSelected = True
            |    End If
            |
            |    CheckControls
            |{{Open}}
            |
        )vb",
                 {{"Event", doubleClick ? "DblClick" : "Click"},
                  {"Comment",
                   [&] {
                       if (doubleClick)
                           out.EmitLine("    'Double click is functionally the same as File\\Open.");
                   }},
                  {"Open", [&] {
                       if (doubleClick)
                           out.EmitLine("    mnuFileOpen_Click");
                   }}});
        End(out, doubleClick ? "lvwItems_DblClick" : "lvwItems_Click");
    }
    out.Emit(R"vb(
        |
        |Private Sub lvwItems_ColumnClick(ByVal ColumnHeader As ComctlLib.ColumnHeader)
        |'Clicking a column header sorts the list by that column.
        |'The sort key is the index of the column header - 1;
        |'each click reverses the order.
        |    On Error GoTo HandleError
        |
        |    lvwItems.SortKey = ColumnHeader.Index - 1
        |
        |    If lvwItems.SortOrder = lvwAscending Then
        |        lvwItems.SortOrder = lvwDescending
        |    ElseIf lvwItems.SortOrder = lvwDescending Then
        |        lvwItems.SortOrder = lvwAscending
        |    End If
        |
        |    'Set Sorted to True to sort the list.
        |    lvwItems.Sorted = True
        |
    )vb");
    End(out, "lvwItems_ColumnClick");
    out.Emit(R"vb(
        |Public Sub ReturnControl()
        |'After using another form refresh the list box using the current search criteria
        |    On Error GoTo HandleError
        |
        |    Select Case mstrCurrentCommand
        |        Case "ADD", "COPY", "DELETE", "UPDATE"
        |            Load_Listbox
        |    End Select
        |
        |    Me.Show
        |
    )vb");
    End(out, "ReturnControl");
    out.Emit(R"vb(
        |Private Sub mnuFileExit_Click()
        |
        |    On Error GoTo HandleError
        |    Unload Me
        |
    )vb");
    End(out, "mnuFileExit_Click");
}

void StdListForm::WriteCheckControls(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |Private Sub CheckControls()
        |'Enable or Disable menu items based on whether an item is selected in the list box
        |    On Error GoTo HandleError
        |
        |    'New menu item is always enabled
        |    Toolbar.Buttons.Item("New").Enabled = True
        |
        |    'Delete, Copy, and Open enabled if an item is selected
        |    If mblnItemsSelected Then
        |{{Enabled}}
        |    Else
        |{{Disabled}}
        |    End If
        |
    )vb",
             {{"Enabled", [&] { WriteSelectionCommands(out, "True"); }},
              {"Disabled", [&] { WriteSelectionCommands(out, "False"); }}});
    for (std::size_t i = 0; i < ViewedChildren(); ++i) {
        if (i == 0)
            out.EmitLine("'   Enable/Disable menu items under View Menu");
        out.Emit(R"vb(
            |    If mblnItemsSelected Then
            |        mnuViewChild({{Index}}).Enabled = True
            |    Else
            |        mnuViewChild({{Index}}).Enabled = False
            |    End If
            |
        )vb",
                 {{"Index", MenuIndex(i)}});
    }
    End(out, "CheckControls");
}

void StdListForm::WriteSelectionCommands(const patternkit::Emitter& out, std::string_view enabled) {
    out.Emit(R"vb(
        |        mnuEditDelete.Enabled = {{Value}}
        |        Toolbar.Buttons.Item("Delete").Enabled = {{Value}}
        |        mnuFileOpen.Enabled = {{Value}}
        |        Toolbar.Buttons.Item("Open").Enabled = {{Value}}
        |        mnuEditCopy.Enabled = {{Value}}
        |        Toolbar.Buttons.Item("Copy").Enabled = {{Value}}
    )vb",
             {{"Value", enabled}});
}

}  // namespace forms
