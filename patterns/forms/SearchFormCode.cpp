// The search form's code, in the order of the module: header and declarations, the parent, Cancel and
// OK, the two properties the list form reads, the checks of entered values, Form_Load, DisplayErrorMsg
// and the closing edit point.

#include "formlayout/ControlNames.h"
#include "formlayout/FormControls.h"
#include "patternkit/ClosingEditPoint.h"
#include "patternkit/CodeHeader.h"
#include "patternkit/PropertySets.h"
#include "patterns/forms/FormCode.h"
#include "patterns/forms/StdListForm.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace forms {
namespace {

enum class EntryCheck { None, Number, Date, Boolean };

EntryCheck CheckOf(const std::string& dataType) {
    for (const char* numeric : {"Byte", "Long", "Integer", "Double", "Single", "Decimal", "Currency"}) {
        if (dataType == numeric)
            return EntryCheck::Number;
    }
    if (dataType == "Date")
        return EntryCheck::Date;
    return dataType == "Boolean" ? EntryCheck::Boolean : EntryCheck::None;
}

}  // namespace

void StdListForm::GenerateSearchFormCode() {
    patternkit::ProcedureSplitter splitter(Constructor());
    splitter.AvoidNamesEndingIn([this] { return ModelNames(); });
    const patternkit::Emitter out(splitter);
    patternkit::Common::WriteCodeHeader(out.Engine());
    out.Emit(R"vb(
        |'***************************************************
        |'Layer 1: (User Interface) - &BusObjName Search Form
        |'***************************************************
        |'Builds a string of search criteria from the operators the user selects
        |'and the values the user enters.
        |'
        |'SearchCriteria is the public property the invoking form reads.
        |'The criteria entered are joined into one search string
        |'whose elements have the form:
        |'    PropertyName Operator Literal
        |
        |'The other public property, OK, is True when the user clicked OK
        |'and False when the user clicked Cancel.
        |
        |Option Explicit
        |Option Base 1
        |
        |'Variable to hold error number
        |Private mlngErrNumber As Long
        |
        |'Utility class used to format, display, and log errors
        |Private myErrorDisplay As ErrorDisplay
        |
        |Private mstrSearchCriteria As String        'private variable for SearchCriteria public property
        |Private mblnOK As Boolean                   'private variable for OK public property
        |Private mintCriteria As Integer               'number of search criteria provided
    )vb");
    if (mHasParent) {
        out.Emit(R"vb(
            |'The parent is supplied by the list form; selected properties
            |'of the parent are shown for context.
            |Public my&ParentBusObjName As &ParentBusObjName
            |
            |Property Set &ParentBusObjName (ByVal objParent As &ParentBusObjName)
            |    Set my&ParentBusObjName = objParent
            |End Property
        )vb");
    }
    out.Emit(R"vb(
        |Private Sub cmdCancel_Click()
        |    On Error GoTo HandleError
        |    mstrSearchCriteria = ""
        |    mblnOK = False
        |    Unload Me
        |
    )vb");
    End(out, "cmdCancel_Click");
    WriteOK(out, splitter);
    out.Emit(R"vb(
        |Public Property Get OK() As Boolean
        |    OK = mblnOK
        |End Property
        |Public Property Get SearchCriteria() As String
        |    SearchCriteria = mstrSearchCriteria
        |End Property
    )vb");
    ArrayEvents arrayEvents;
    for (const auto& property : mSearchProperties) {
        mCurrent.property = property;
        WriteEntryCheck(out, patternkit::Required(property), arrayEvents);
    }
    arrayEvents.Write(out, splitter, mCurrent.property);
    WriteSearchFormLoad(out, splitter);
    WriteDisplayErrorMsg(out, false);
    out.EmitLine("");
    patternkit::WriteClosingEditPoint(out);
}

void StdListForm::WriteOK(const patternkit::Emitter& out, patternkit::ProcedureSplitter& splitter) {
    splitter.Write({.name = "cmdOK_Click",
                    .head =
                        [&] {
                            out.Emit(R"vb(
                                |Private Sub cmdOK_Click()
                                |Dim strValue As String
                                |    On Error GoTo HandleError
                                |    mblnOK = True
                                |    mintCriteria = 0
                                |
                            )vb");
                        },
                    .items = mSearchProperties.size(),
                    .item = [&](std::size_t item) { WriteCriterion(out, mSearchProperties[item]); },
                    .tail =
                        [&] {
                            out.Emit(R"vb(
                                |    Unload Me
                                |
                            )vb");
                            End(out, "cmdOK_Click");
                        },
                    .partHead =
                        [&](const patternkit::ProcedurePart& part) {
                            out.Emit(R"vb(
                                |Private Sub {{Part}}()
                                |Dim strValue As String
                            )vb",
                                     {{"Part", part.name}});
                        }});
}

void StdListForm::WriteCriterion(const patternkit::Emitter& out,
                                 const std::shared_ptr<typelib::IProperty>& property) {
    mCurrent.property = property;
    // The value lands between quotes in SQL: a text value's own quotes are doubled.
    const bool text = patternkit::Required(property).DataType() == "String";
    const std::string value = "Trim(" + SearchControl(formlayout::kSearchRow.prefix) + ".Text)";
    out.Emit(R"vb(
        |    strValue = {{Value}}
        |    If Len(strValue) <> 0 Then
        |        mintCriteria = mintCriteria + 1
        |        If mintCriteria = 1 Then
        |            mstrSearchCriteria = " &PropName " & {{Operator}}.Text & "&SQLDelimiter" & {{Quoted}} & "&SQLDelimiter"
        |        Else
        |            mstrSearchCriteria = mstrSearchCriteria & " AND &PropName " & {{Operator}}.Text & "&SQLDelimiter" & {{Quoted}} & "&SQLDelimiter"
        |        End If
        |    End If
        |
    )vb",
             {{"Value", value},
              {"Operator", SearchControl(formlayout::kSearchRow.operatorCombo)},
              {"Quoted", text ? "DoubleQuotes(" + value + ")" : value}});
}

void StdListForm::WriteEntryCheck(const patternkit::Emitter& out, const typelib::IProperty& property,
                                  ArrayEvents& arrayEvents) {
    const std::string_view prefix = formlayout::kSearchRow.prefix;
    const std::string textBoxReference = SearchControl(prefix);
    const patternkit::Substitution textBox{"TextBox", textBoxReference};
    const patternkit::Substitution prefixed{"Prefix", prefix};
    switch (CheckOf(property.DataType())) {
        case EntryCheck::None:
            return;
        case EntryCheck::Number:
            out.Emit(R"vb(
                |Private Sub {{Prefix}}&PropName_LostFocus()
                |Dim vntValue As Variant
                |    On Error GoTo HandleError
                |
                |    If Len(Trim({{TextBox}}.Text)) <> 0 Then
                |       vntValue = {{TextBox}}.Text
                |       If IsNumeric(vntValue) Then
                |           {{TextBox}}.Text = Str(&PropConvertFunction({{TextBox}}.Text))
                |        Else
                |           MsgBox "&PropName must be numeric.", , "Invalid number!"
                |           {{TextBox}}.SetFocus
                |       End If
                |    End If
            )vb",
                     {textBox, prefixed});
            break;
        case EntryCheck::Date:
            out.Emit(R"vb(
                |Private Sub {{Prefix}}&PropName_LostFocus()
                |Dim vntValue As Variant
                |    On Error GoTo HandleError
                |
                |    If Len(Trim({{TextBox}}.Text)) <> 0 Then
                |        vntValue = {{TextBox}}.Text
                |        If Not IsDate(vntValue) Then
                |            MsgBox "&PropName must be a date.", , "Invalid Date!"
                |            {{TextBox}}.SetFocus
                |        End If
                |    End If
            )vb",
                     {textBox, prefixed});
            break;
        case EntryCheck::Boolean:
            out.Emit(R"vb(
                |Private Sub {{Prefix}}&PropName_LostFocus()
                |    Dim blnTemp As Boolean
                |    If Len(Trim({{TextBox}})) <> 0 Then
                |        On Error Resume Next
                |        blnTemp = CBool({{TextBox}}.Text)
                |        If Err.Number <> 0 Then
                |            MsgBox "&PropName must be a boolean.", , "Invalid Boolean!"
                |            {{TextBox}}.SetFocus
                |        Else
                |            'Valid boolean
                |            {{TextBox}}.Text = blnTemp
                |        End If
                |    End If
            )vb",
                     {textBox, prefixed});
            break;
    }
    const std::string procedure = std::string(prefix) + "&PropName_LostFocus";
    if (const patternkit::ArrayMember* member =
            mSearchRows.Member(formlayout::RowControlName(prefix, property)))
        arrayEvents.Add(*member, "LostFocus", mCurrent.property, procedure);
    out.EmitLine("");
    End(out, procedure);
}

void StdListForm::WriteSearchFormLoad(const patternkit::Emitter& out,
                                      patternkit::ProcedureSplitter& splitter) {
    const patternkit::form_ctl_defaults& layout = Layout();
    patternkit::PropertySet operators;
    for (const auto& property : mSearchProperties) {
        if (patternkit::Common::IsSearchProperty(patternkit::Required(property)))
            operators.push_back(property);
    }
    splitter.Write({.name = "Form_Load",
                    .head =
                        [&] {
                            out.Emit(R"vb(
                                |Private Sub Form_Load
                                |    On Error GoTo HandleError
                            )vb");
                        },
                    .items = operators.size(),
                    .item =
                        [&](std::size_t item) {
                            mCurrent.property = operators[item];
                            out.Emit(R"vb(
                                |'Load Combobox for &PropName
                                |    {{Operator}}.AddItem (" = ")
                                |    {{Operator}}.AddItem (" < ")
                                |    {{Operator}}.AddItem (" > ")
                                |    {{Operator}}.AddItem (" >= ")
                                |    {{Operator}}.AddItem (" <= ")
                                |    {{Operator}}.AddItem (" <> ")
                                |    {{Operator}}.ListIndex = 0
                                |
                            )vb",
                                     {{"Operator", SearchControl(formlayout::kSearchRow.operatorCombo)}});
                        },
                    .tail =
                        [&] {
                            WriteContextLines(out);
                            out.Emit(R"vb(
                                |'Set the title and size of the Search form
                                |    Me.Caption = "Find &BusObjName" ¶
                                |    Me.Height = {{Height}}
                                |    Me.Width = {{Width}}
                                |
                            )vb",
                                     {{"Height", vb::Str(layout.actual_form_height())},
                                      {"Width", vb::Str(layout.actual_form_width())}});
                            End(out, "Form_Load");
                        }});
}

void StdListForm::WriteContextLines(const patternkit::Emitter& out) {
    if (!mHasParent)
        return;
    // Only the rows the context frame holds have text boxes.
    const auto rows = std::min<std::size_t>(
        mContextProperties.size(), static_cast<std::size_t>(std::max<int16_t>(Layout().max_cntx_props(), 0)));
    const std::vector<std::string> textBoxes =
        formlayout::ContextFrameControlNames(mCurrent.parentBusObj->Name(), mContextProperties,
                                             mSearchRowNames)
            .textBoxes;
    for (std::size_t row = 0; row < rows; ++row) {
        mCurrent.property = mContextProperties[row];
        out.EmitLine("   " + textBoxes[row] + ".Text = my&ParentBusObjName.&PropName");
        out.EmitLine("");
    }
}

std::string StdListForm::SearchControl(std::string_view prefix) const {
    return ControlReference(mSearchRows, prefix, patternkit::Required(mCurrent.property));
}

void StdListForm::End(const patternkit::Emitter& out, std::string_view name) const {
    WriteStandardEnding(out, mComponentName, EndingFor(name));
}

}  // namespace forms
