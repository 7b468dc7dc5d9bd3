// The look-up form's code, in the order of the module: header and declarations, the accessors, Display,
// cmdFind_Click, Form_Load, Load_Listbox, the list view's events, the commands, DisplayErrorMsg and the
// closing edit point.

#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeHeader.h"
#include "patternkit/PropertySets.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdLookupForm.h"
#include "platform/vb/Numbers.h"

namespace forms {
namespace {

enum class SearchCheck { None, Number, Date };

SearchCheck CheckOf(const std::string& dataType) {
    if (dataType == "Integer" || dataType == "Long" || dataType == "Double" || dataType == "Currency" ||
        dataType == "Single" || dataType == "Decimal")
        return SearchCheck::Number;
    return dataType == "Date" ? SearchCheck::Date : SearchCheck::None;
}

}  // namespace

void StdLookupForm::End(const patternkit::Emitter& out, std::string_view name) const {
    WriteStandardEnding(out, mComponentName, EndingFor(name));
}

void StdLookupForm::GenerateCode() {
    patternkit::ProcedureSplitter splitter(Constructor());
    splitter.AvoidNamesEndingIn([this] { return ModelNames(); });
    const patternkit::Emitter out(splitter);
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'****************************************************
        |'Layer 1: (User Interface) - &BusObjName Look-Up Form
        |'****************************************************
        |'Standard operations supported by this form:
        |'   Display         Displays the form before populating the list of objects
        |'
        |'The Look-Up form helps the business user find a valid &BusObjName.
        |'The invoking form may pass a &BusObjNameList object to the Display operation;
        |'its items are then shown in the list view when the form loads.
        |'Otherwise the list view starts empty and the user enters a search
        |'criteria to fill it.
        |
        |'Any property of &BusObjName can be the search criteria, but only one at a time.
        |'The property's name is passed as the first parameter of the Display operation.
        |' Example of VB code to invoke the "Display" operation:
        |'     frmMyObjectLookUp.Display "PropertyName", colItems
        |'     frmMyObjectLookUp.InvokingForm Me
        |'     frmMyObjectLookUp.Show
        |'
        |Option Explicit
        |Option Base 1
        |'
    )vb");
    WriteDeclarations(out);
    out.Emit(R"vb(
        |Property Get OK () As Boolean
        |    OK = mblnOK
        |End Property
        |Property Get Selected&BusObjName () As &BusObjNameList
        |    Set Selected&BusObjName = my&BusObjNameList
        |End Property
        |Public Sub InvokingForm (frmValue As Form)
        |    Set myInvokingForm = frmValue
        |End Sub
        |
        |Public Sub Display(ByVal PropertyName As String, Optional ByVal obj&BusObjNameList As Variant)
        |'************************************************************
        |'DISPLAY Operation of the form. Shows the form with an empty list.
        |'User is expected to provide search criteria.
        |'************************************************************
        |    On Error GoTo HandleError
        |
        |    mstrPropertyName = PropertyName
        |    If Not IsMissing(obj&BusObjNameList) Then
        |        Set my&BusObjNameList = obj&BusObjNameList
        |    End If
        |
    )vb");
    End(out, "Display");
    WriteFind(out, splitter);
    // A Memo or OLE Object column would get no cell in Load_Listbox and shift the cells against the
    // headers: such a property gets no column.
    patternkit::PropertySet columns;
    for (const auto& property : mListProperties) {
        if (patternkit::Common::IsListProperty(patternkit::Required(property)))
            columns.push_back(property);
    }
    WriteFormLoad(out, splitter, columns);
    WriteLoadListbox(out, splitter, columns);
    WriteListViewEvents(out);
    WriteCommands(out);
    WriteDisplayErrorMsg(out, false);
    out.EmitLine("");
    patternkit::WriteClosingEditPoint(out);
}

void StdLookupForm::WriteDeclarations(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |'Search criteria of the form
        |Private mstrSearchCriteria As String
        |
        |'Number of the error being handled
        |Private mlngErrNumber As Long
        |
        |'Shows errors; created on first use
        |Private myErrorDisplay As ErrorDisplay
        |
        |'The objects listed; its current row is the object selected
        |Private my&BusObjNameList As &BusObjNameList
        |
        |'Property used as the search criteria
        |Private mstrPropertyName as string
        |
        |'The form that displayed this form.
        |'Its ReturnControl is called when this form
        |'is closed from its menu.
        |Private myInvokingForm As Form
        |
        |'ObjectID of the selected row.
        |'The list view's keys are the ObjectIDs
        |'prefixed with "K"; the prefix is removed
        |'before the list object is searched.
        |Private mstrObjectID As String
        |
        |'Set while a row of the list view is selected
        |Private mblnItemsSelected As Boolean
        |
        |'True when a row was chosen with Select
        |Private mblnOK As Boolean
        |
    )vb");
}

void StdLookupForm::WriteFind(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter) {
    // A part takes the criteria's variables by reference and tests the property's name against its own
    // properties; one of them holds it.
    constexpr std::string_view kCriteriaVariables = "strSearch, strSQL, blnInvalidData, strRequiredDataType";
    splitter.Write({.name = "cmdFind_Click",
                    .head =
                        [&] {
                            out.Emit(R"vb(
                                |Private Sub cmdFind_Click()
                                |'Builds the search criteria from the operator and the value entered,
                                |'searches the business objects and lists them.
                                |Dim strSQL As String               'WHERE portion of SQL clause
                                |Dim strSearch As String            'criteria entered by user
                                |Dim blnInvalidData As Boolean      'set to True is criteria doesn't match data type
                                |Dim strRequiredDataType As String  'used to create error message
                                |    On Error GoTo HandleError
                                |
                                |    'Create the list object on the first search
                                |    If my&BusObjNameList Is Nothing Then
                                |       Set my&BusObjNameList = New &BusObjNameList
                                |    End If
                                |
                                |    blnInvalidData = False
                                |    strRequiredDataType = "" ¶
                                |    strSearch = Trim(txtSearch.Text)
                                |    If strSearch <> "" Then
                                |       Select Case Trim(mstrPropertyName)
                            )vb");
                        },
                    .items = mSearchProperties.size(),
                    .item =
                        [&](std::size_t item) {
                            mCurrent.property = mSearchProperties[item];
                            WriteSearchCase(out, patternkit::Required(mCurrent.property));
                        },
                    .tail =
                        [&] {
                            out.Emit(R"vb(
                                |       End Select
                                |    Else
                                |        strSQL = "" ¶
                                |    End If
                                |
                                |    If blnInvalidData Then
                                |        MsgBox "Please enter a " & strRequiredDataType & " for " & mstrPropertyName,vbOKOnly,"Invalid " & strRequiredDataType ¶
                                |        txtSearch.SetFocus
                                |    Else
                                |       my&BusObjNameList.Search strSQL
                                |       Load_Listbox
                                |    End If
                                |
                            )vb");
                            End(out, "cmdFind_Click");
                        },
                    .partHead =
                        [&](const patternkit::ProcedurePart& part) {
                            out.Emit(R"vb(
                                |Private Sub {{Part}}(strSearch As String, strSQL As String, blnInvalidData As Boolean, strRequiredDataType As String)
                                |       Select Case Trim(mstrPropertyName)
                            )vb",
                                     {{"Part", part.name}});
                        },
                    .partTail =
                        [&](const patternkit::ProcedurePart&) {
                            out.Emit(R"vb(
                                |       End Select
                                |End Sub
                            )vb");
                        },
                    .call =
                        [&](const patternkit::ProcedurePart& part) {
                            if (part.first == 0)
                                out.EmitLine("           Case Else");
                            out.Emit("|               {{Part}} {{Variables}}",
                                     {{"Part", part.name}, {"Variables", kCriteriaVariables}});
                        }});
}

void StdLookupForm::WriteSearchCase(const patternkit::Emitter& out,
                                    const typelib::IProperty& property) const {
    // A text value is quoted in the criteria, so its own quotes are doubled (VB5 has no Replace).
    constexpr std::string_view kCriteria =
        R"(strSQL = mstrPropertyName & cmbSearch.Text & "&SQLDelimiter" & strSearch & "&SQLDelimiter" )";
    constexpr std::string_view kTextCriteria =
        R"(strSQL = mstrPropertyName & cmbSearch.Text & "&SQLDelimiter" & DoubleQuotes(strSearch) & "&SQLDelimiter" )";
    const std::string dataType = property.DataType();
    out.EmitLine(R"(           Case "&PropName" )");
    const SearchCheck check = CheckOf(dataType);
    if (check == SearchCheck::None) {
        out.EmitLine("               " + std::string(dataType == "String" ? kTextCriteria : kCriteria));
        return;
    }
    // A number is written back as VB's Str gives it before it goes into the criteria.
    const bool number = check == SearchCheck::Number;
    out.Emit(R"vb(
        |                If {{Test}}(strSearch) Then
        |{{Normalise}}
        |                   {{Criteria}}
        |                Else
        |                    blnInvalidData = True
        |                    strRequiredDataType = "{{Kind}}" ¶
        |                End If
    )vb",
             {{"Test", number ? "IsNumeric" : "IsDate"},
              {"Normalise",
               [&] {
                   if (number) {
                       out.Emit(R"vb(
                           |                   strSearch = Str(&PropConvertFunction(strSearch))
                           |                   txtSearch.Text = strSearch
                       )vb");
                   }
               }},
              {"Criteria", kCriteria},
              {"Kind", number ? "number" : "date"}});
}

void StdLookupForm::WriteFormLoad(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                                  const patternkit::PropertySet& columns) {
    const patternkit::form_ctl_defaults& layout = Layout();
    const auto head = [&] {
        out.Emit(R"vb(
            |Private Sub Form_Load()
            |    On Error GoTo HandleError
            |
            |    mblnItemsSelected = False
            |    cmdSelect.Enabled = False
            |
        )vb");
    };
    const auto tail = [&] {
        out.Emit(R"vb(
            |
            |'Objects passed to the Display operation are listed at once;
            |'otherwise the list view stays empty until the user
            |'performs a search.
            |   If Not (my&BusObjNameList Is Nothing) Then
            |        Load_Listbox
            |    End If
            |
            |'Load Combobox for search criteria
            |    cmbSearch.AddItem (" > ")
            |    cmbSearch.AddItem (" >= ")
            |    cmbSearch.AddItem (" < ")
            |    cmbSearch.AddItem (" <= ")
            |    cmbSearch.AddItem (" = ")
            |    cmbSearch.AddItem (" <> ")
            |    cmbSearch.ListIndex = 0
            |
            |'Set the title and size of the List form
            |    Me.Caption = "&BusObjName Look-Up" ¶
            |    Me.Height = {{Height}}
            |    Me.Width = {{Width}}
            |    lblSearch.Caption = mstrPropertyName
            |
        )vb",
                 {{"Height", vb::Str(layout.actual_form_height())},
                  {"Width", vb::Str(layout.actual_form_width())}});
        End(out, "Form_Load");
    };
    patternkit::GrowingProcedure procedure{.name = "Form_Load", .head = head, .tail = tail};
    AddColumnHeaders(procedure, out, columns, mCurrent.property, "     ");
    splitter.Write(procedure);
}

void StdLookupForm::WriteLoadListbox(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter,
                                     const patternkit::PropertySet& columns) {
    patternkit::GrowingProcedure procedure{
        .name = "Load_Listbox",
        .head =
            [&] {
                out.Emit(R"vb(
                    |Private Sub Load_Listbox()
                    |'Fills the list view with the objects of the list object,
                    |'one row per object and one column per list property.
                    |Dim itmlist As ListItem
                    |    On Error GoTo HandleError
                    |    'Clear the list view control
                    |    lvwItems.ListItems.Clear
                    |
                    |    'One row per object of the list
                    |    While Not my&BusObjNameList.EOF
                    |
                    |'Each row's key is the ObjectID of its object
                    |'prefixed with "K": a key that reads as a number
                    |'makes the list view fail.  The prefix is removed
                    |'again when a row is selected.
                    |'
                )vb");
                if (columns.empty()) {
                    // Without a column the row is keyed only.
                    out.EmitLine(
                        R"(        Set itmlist = lvwItems.ListItems.Add(Key:= "K" & my&BusObjNameList.ObjectID))");
                    return;
                }
                mCurrent.property = columns.front();
                out.Emit(R"vb(
                    |        Set itmlist = lvwItems.ListItems.Add(Text:= my&BusObjNameList.&PropName, _ ¶
                    |            Key:= "K" & my&BusObjNameList.ObjectID)
                    |        With itmlist
                    |        'Add a Subitem for each of the remaining properties
                )vb");
            },
        .tail =
            [&] {
                out.EmitLine("            my&BusObjNameList.MoveNext");
                if (!columns.empty())
                    out.EmitLine("        End With");
                // An empty search leaves nothing to move to.
                out.Emit(R"vb(
                    |    Wend
                    |    If my&BusObjNameList.RecordCount > 0 Then my&BusObjNameList.MoveFirst
                    |
                    |    mblnItemsSelected = False
                    |
                )vb");
                End(out, "LoadListbox");
            }};
    AddSubItems(procedure, out, columns, mCurrent.property, {"        ", "             "});
    splitter.Write(procedure);
}

void StdLookupForm::WriteListViewEvents(const patternkit::Emitter& out) const {
    // The double click does what the click does, then selects the row.
    for (const bool doubleClick : {false, true}) {
        out.Emit(
            R"vb(
                |Private Sub lvwItems_{{Event}}()
                |{{Comment}}
                |'Enables the Select button when a row is selected;
                |'tells the user when the list view is empty.
                |    On Error GoTo HandleError
                |
                |    If lvwItems.SelectedItem Is Nothing Then
                |        MsgBox "No items appear in the list view.  Please perform a Search or an Add first!"
                |    Else
                |        mblnItemsSelected = True
                |        cmdSelect.Enabled = True
                |{{Select}}
                |        mblnItemsSelected = False
                |    End If
                |
            )vb",
            {{"Event", doubleClick ? "DblClick" : "Click"},
             {"Comment",
              [&] {
                  if (doubleClick)
                      out.EmitLine(
                          "    'Double click is functionally the same as clicking on the Select button.");
              }},
             {"Select", [&] {
                  if (doubleClick)
                      out.EmitLine("        cmdSelect_Click");
              }}});
        End(out, doubleClick ? "lvwItems_DblClick" : "lvwItems_Click");
    }
    out.Emit(R"vb(
        |
        |Private Sub lvwItems_ColumnClick(ByVal ColumnHeader As ComctlLib.ColumnHeader)
        |'Clicking a column header sorts the list by that column.
        |'The sort key is the header's index - 1; a second click
        |'on the same header reverses the order.
        |    On Error GoTo HandleError
        |
        |    lvwItems.SortKey = ColumnHeader.Index - 1
        |
        |    If lvwItems.SortOrder = lvwAscending Then
        |        lvwItems.SortOrder = lvwDescending
        |    ElseIf lvwItems.SortOrder = lvwDescending Then
        |        lvwItems.SortOrder = lvwAscending
        |   End If
        |
        |   ' Set Sorted to True to sort the list.
        |    lvwItems.Sorted = True
        |
    )vb");
    End(out, "lvwItems_ColumnClick");
}

void StdLookupForm::WriteCommands(const patternkit::Emitter& out) const {
    out.Emit(R"vb(
        |Private Sub cmdSelect_Click()
        |Dim blnItemFound As Boolean    'Set = True when selected row is found
        |    On Error GoTo HandleError
        |
        |'Position the list object on the selected row,
        |'which Selected&BusObjName then hands out.
        |    mstrObjectID = Mid(lvwItems.SelectedItem.Key,2)
        |
        |    blnItemFound = False
        |    my&BusObjNameList.MoveFirst
        |    While Not blnItemFound
        |        If mstrObjectID = my&BusObjNameList.ObjectID Then
        |            blnItemFound = True
        |        Else
        |            my&BusObjNameList.MoveNext
        |        End If
        |    Wend
        |
        |    mblnOK = True
        |    Unload Me
        |
    )vb");
    End(out, "cmdSelect_Click");
    out.Emit(R"vb(
        |Private Sub cmdCancel_Click()
        |'No selection was made. ¶
        |    On Error GoTo HandleError
        |    Set my&BusObjNameList = Nothing
        |    mblnOK = False
        |    Unload Me
    )vb");
    End(out, "cmdCancel_Click");
    out.Emit(R"vb(
        |Public Sub ReturnControl()
        |'Required when this form displays another form:
        |'control returns here when that form is finished.
        |End Sub
        |Private Sub mnuFileExit_Click()
        |    On Error GoTo HandleError
        |
        |    Unload Me
        |    myInvokingForm.ReturnControl
        |
    )vb");
    End(out, "mnuFileExit_Click");
}

}  // namespace forms
