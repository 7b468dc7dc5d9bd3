// The list form's commands: the four that open the detail form, the toolbar, the View items of the
// children and Edit\Find.

#include "patternkit/ErrorHandlers.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdListForm.h"
#include "platform/vb/Numbers.h"

namespace forms {

struct DetailCommand {
    const char* procedure;
    const char* menuItem;
    const char* bodyName;
    const char* label;
    const char* command;
    const char* operation;
};

namespace {

constexpr DetailCommand kNew{"mnuFileNew_Click", "File\\New", " File\\New Click",
                             "File\\New Click",  "ADD",       ".Add "};
constexpr DetailCommand kCopy{"mnuEditCopy_Click", "Edit\\Copy", " File\\Copy Click",
                              "File\\Copy Click",  "COPY",       ".Copy mstrObjectID"};
constexpr DetailCommand kDelete{"mnuEditDelete_Click", "Edit\\Delete", " File\\Delete Click",
                                "File\\Delete Click",  "DELETE",       ".Delete mstrObjectID"};
constexpr DetailCommand kOpen{"mnuFileOpen_Click", "File\\Open", " File\\Open Click",
                              "File\\Open Click",  "UPDATE",     ".Update mstrObjectID"};

}  // namespace

void StdListForm::WriteCommands(const patternkit::Emitter& out) {
    WriteDetailCommand(out, kNew);
    WriteDetailCommand(out, kCopy);
    WriteDetailCommand(out, kDelete);
    out.Emit(R"vb(
        |Sub Toolbar_ButtonClick (ByVal Button As Button)
        |    On Error GoTo HandleError
        |
        |    Select Case Button.Key
        |        Case "New" ¶
        |            mnuFileNew_Click
        |        Case "Open" ¶
        |            mnuFileOpen_Click
        |        Case "Exit" ¶
        |            mnuFileExit_Click
        |        Case "Copy" ¶
        |            mnuEditCopy_Click
        |        Case "Delete" ¶
        |            mnuEditDelete_Click
        |        Case "Find" ¶
        |            mnuEditFind_Click
        |        End Select
        |
        |'||| Add statements here
    )vb");
    WriteStandardEnding(out, mComponentName,
                        {" Toolbar_ButtonClick", " Toolbar_ButtonClick", "Toolbar_ButtonClick"}, true);
    if (!mChildren.empty())
        WriteViewChild(out);
    WriteDetailCommand(out, kOpen);
    out.Emit(R"vb(
        |Private Sub mnuEditFind_Click()
        |'The Find item opens the search form to obtain search criteria
        |    On Error GoTo HandleError
        |
        |    'Open the search form
        |    Set my&BusObjNameSearch = New frm&BusObjNameSearch
    )vb");
    if (mHasParent)
        out.EmitLine("    Set my&BusObjNameSearch.&ParentBusObjName = my&ParentBusObjName");
    out.Emit(R"vb(
        |
        |    With my&BusObjNameSearch
        |        .Show vbModal
        |        If .OK Then
        |            mstrSearchCriteria = .SearchCriteria
        |            Load_Listbox
        |        End If
        |    End With
        |    Unload my&BusObjNameSearch
        |    Set my&BusObjNameSearch = Nothing
        |    Exit Sub
        |
    )vb");
    patternkit::Common::GenerateFormErrorHandler(out.Engine(), mComponentName, "Edit\\Find Click",
                                                 "Edit\\Find Click");
    out.EmitLine("");
    out.EmitLine("End Sub");
}

void StdListForm::WriteDetailCommand(const patternkit::Emitter& out, const DetailCommand& command) {
    const bool isNew = command.command == std::string_view("ADD");
    const bool keyed =
        command.command == std::string_view("COPY") || command.command == std::string_view("DELETE");
    out.Emit(R"vb(
        |Private Sub {{Procedure}}()
        |'{{MenuItem}} opens the detail form for its operation
    )vb",
             {{"Procedure", command.procedure}, {"MenuItem", command.menuItem}});
    if (keyed)
        out.EmitLine("Dim strKey As String");
    out.EmitLine("    On Error GoTo HandleError");
    if (isNew) {
        // Closed here: the IDE stores the line as given.
        out.Emit(R"vb(
            |    'A new object has no ObjectID yet
            |    mstrObjectID = ""
        )vb");
    } else {
        out.Emit(R"vb(
            |    'The key of the selected item is its ObjectID with a "K"
            |    'in front of it; remove the "K".
            |    mstrObjectID = Mid(lvwItems.SelectedItem.Key,2)
        )vb");
    }
    out.Emit(R"vb(
        |    'Keep the command so that processing can resume
        |    'when the detail form is finished.
        |    mstrCurrentCommand = "{{Command}}"
        |    'Open the detail form for the operation
        |    Set my&BusObjNameDetailForm = New frm&BusObjNameDetail
        |    my&BusObjNameDetailForm{{Operation}}
        |    'Create the object and pass a reference to the detail form
        |    Set my&BusObjName = New &BusObjName
    )vb",
             {{"Command", command.command}, {"Operation", command.operation}});
    if (mHasParent) {
        out.Emit(R"vb(
            |    'The object learns its container first
            |    Set my&BusObjName.&ParentBusObjName = my&ParentBusObjName
        )vb");
    }
    if (!isNew)
        out.EmitLine("    my&BusObjName.Read mstrObjectID");
    out.Emit(R"vb(
        |    'Hand the object to the detail form
        |    my&BusObjNameDetailForm.&BusObjName my&BusObjName
        |    'The detail form returns control to this form
        |    my&BusObjNameDetailForm.InvokingForm Me
        |
        |'|||Change mintDetailFormModality, mblnHideBeforeDetail and the like in this edit point
    )vb");
    WriteStandardEnding(out, mComponentName, {command.bodyName, command.bodyName, command.label},
                        !isNew && !keyed, [&] {
                            out.Emit(R"vb(
                                |
                                |    If mblnHideBeforeDetail Then Hide
                                |    my&BusObjNameDetailForm.Show mintDetailFormModality
                            )vb");
                        });
}

void StdListForm::WriteViewChild(const patternkit::Emitter& out) {
    out.Emit(R"vb(
        |Private Sub mnuViewChild_Click( Index As Integer)
        |'Opens the list form of the contained business object chosen
        |'for the objects contained in the selected one.
        |Dim strKey As String
        |Dim myChildListForm As Form
        |    On Error GoTo HandleError
        |    Me.Hide
        |
        |'Each item of the View menu stands for one contained
        |'business object; its index is the position of that
        |'business object among the contained ones.
        |    Select Case Index
    )vb");
    for (std::size_t i = 0; i < ViewedChildren(); ++i) {
        mCurrent.childBusObj = mChildren[i];
        out.Emit(R"vb(
            |        Case {{Index}}
            |            Set myChildListForm = New frm&ChildBusObjNameList
            |            mstrCurrentCommand = "View_&ChildBusObjName" ¶
        )vb",
                 {{"Index", vb::Str(static_cast<int16_t>(i))}});
    }
    out.Emit(R"vb(
        |    End Select
        |
        |    'The key of the selected item is its ObjectID with a "K"
        |    'in front of it; remove the "K".
        |    mstrObjectID = Mid(lvwItems.SelectedItem.Key, 2)
        |
        |    'Hand the selected object to the child's list form
    )vb");
    if (mHasParent) {
        out.Emit(R"vb(
            |    'Take the object from the parent's contained objects
            |    strKey = "K" & mstrObjectID
            |    Set my&BusObjName = my&ParentBusObjName.&BusObjName(strKey)
            |    If my&BusObjName.IsNew Then
            |        my&BusObjName.Read mstrObjectID
            |    End If
        )vb");
    } else {
        out.Emit(R"vb(
            |    Set my&BusObjName = New &BusObjName
            |    my&BusObjName.Read mstrObjectID
        )vb");
    }
    out.Emit(R"vb(
        |    myChildListForm.&BusObjName my&BusObjName
        |
        |'The child list is searched with the ObjectID of the
        |'selected object, so that only the objects it contains
        |'are listed.
        |    myChildListForm.&BusObjNameObjId mstrObjectID ¶
        |    myChildListForm.InvokingForm  Me
        |    myChildListForm.Search " " ¶
    )vb");
    WriteStandardEnding(out, mComponentName, EndingFor("View Object"), true, [&] {
        out.Emit(R"vb(
            |    myChildListForm.Show
            |
        )vb");
    });
}

}  // namespace forms
