// Reset and Save of the values, the class's start and end, its record as a string, and default values.

#include <algorithm>

#include "patterns/tier3/L2BusObjWriter.h"

namespace tier3::l2busobj {
namespace {

// The end of a Sub with its handler; some procedures put a blank line before the handler.
void EndSub(Writer& w, std::string_view name, std::string_view exitLabel, bool blankBeforeHandler) {
    w.Emit(R"vb(
        |{{Exit}}:
        |    'Cleanup after error
        |    Exit Sub
    )vb",
           {{"Exit", exitLabel}});
    if (blankBeforeHandler)
        w.EmitLine("");
    w.ErrorHandler(name, name, exitLabel);
    w.EmitLine("End Sub");
}

// Reset and Save copy the Memo and OLE Object values, which live beside the record: `line` is written
// with {{Value}} as the property's variable.
void WriteLongTextCopy(Writer& w, std::string_view name, std::string_view head, std::string_view line) {
    const std::string exitLabel = std::string(name) + "Exit";
    w.Context().WritePerProperty(
        {.name = name, .head = [&] { w.Emit(head); }, .tail = [&] { EndSub(w, name, exitLabel, true); }},
        [&](const typelib::IProperty& property) {
            const std::string type = property.DataType();
            if (type == "Memo")
                w.Emit(line, {{"Value", "mstr&PropNameVarString"}});
            else if (type == "OLE Object")
                w.Emit(line, {{"Value", "mstr&PropNameOLE_Object"}});
        });
}

bool IsLongText(const typelib::IProperty& property) {
    const std::string type = property.DataType();
    return type == "Memo" || type == "OLE Object";
}

}  // namespace

void WriteResetAndSave(Writer& w) {
    WriteLongTextCopy(w, "Reset", R"vb(
        |Public Sub Reset()
        |'Restore property values to what they were the last time they were save
        |    On Error GoTo HandleError
        |
        |    LSet mudtProps = mudtSave
    )vb",
                      "|    {{Value}} = mstr&PropNameSave");
    WriteLongTextCopy(w, "Save", R"vb(
        |Public Sub Save()
        |'Save current property values but do not change the database
        |    On Error GoTo HandleError
        |
        |    LSet mudtSave = mudtProps
    )vb",
                      "|    mstr&PropNameSave = {{Value}}");
    w.Emit(R"vb(
        |'**************************************************************
        |'****************   PRIVATE SUBS/FUNCTIONS   ******************
        |'**************************************************************
        |
    )vb");
}

// Two items a property: its load flag when it is a long text, then its change flag.
void WriteClassInitialize(Writer& w) {
    GeneratorContext& context = w.Context();
    const auto& properties = context.Properties();
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub Class_Initialize()
            |Dim objPersist As &BusObjNamePersist
            |
            |    On Error GoTo HandleError
            |
            |    'Get the UserID
            |    mstrUserID = GetUserID()
            |
            |    'Initialize property & method restrictions
            |    InitRestrictions
            |
            |    'Initialize flags that maintain object's internal state
            |    mblnNew = True
            |    mblnDeleted = False
            |    mblnChanged = False
            |
            |   'Create and intialize the collection that identifies mandatory properties
            |    InitMandatoryPropertyCol
            |
            |    'Create the collection containing all business rules
            |    InitBusinessRulesCol
            |
            |    'Create and initialize the collection that identifies properties having permitted values
            |    Set objPersist = New &BusObjNamePersist
            |    Set mrsPermittedValues = objPersist.GetPermittedValues()
            |    Set objPersist = Nothing
            |    InitPropertyPVCol
            |
        )vb");
        if (std::ranges::any_of(
                properties, [](const auto& property) { return IsLongText(patternkit::Required(property)); }))
            w.EmitLine("    'Memo And OLE Object properties are loaded on demand");
    };
    const auto item = [&](size_t item) {
        const bool changeFlag = item >= properties.size();
        context.Current().property = properties[changeFlag ? item - properties.size() : item];
        if (item == properties.size()) {
            w.Emit(R"vb(
                |
                |    'UDT contains boolean element for each property to track if the property value is changed.
                |    'The persistence layer uses this information to perform a selective update.
            )vb");
        }
        if (changeFlag)
            w.EmitLine("    mudtProps.&PropNameIsChanged = False");
        else if (IsLongText(patternkit::Required(context.Current().property)))
            w.EmitLine("    mbln&PropNameIsLoaded = False");
    };
    const auto tail = [&] {
        w.Emit(R"vb(
            |
            |    'Set default values of properties
            |    SetDefaultValues
            |
            |'|||Insert additional class initialization statement here
        )vb");
        w.OpenEditPoint(" Class Initialize");
        EndSub(w, "Initialize", "InitExit", false);
    };
    context.Splitter().Write(
        {.name = "Initialize", .head = head, .items = 2 * properties.size(), .item = item, .tail = tail});
}

void WriteStateBuffer(Writer& w) {
    w.Emit(R"vb(
        |
        |Private Sub Class_Terminate()
        |    On Error GoTo HandleError
        |
        |    'Terminate collection objects
        |    Set mcolBusinessRules = Nothing
        |    Set mcolPropEditable = Nothing
        |    Set mcolPropViewable = Nothing
        |    Set mcolMethodIsExecutable = Nothing
        |
        |'|||  Add termination logic here
    )vb");
    w.OpenEditPoint("Class_Terminate");
    w.EmitLine("");
    EndSub(w, "Class_Terminate", "Class_TerminateExit", false);
    w.Emit(R"vb(
        |Private Function GetState() As String
        |    Dim udtData As &BusObjNameData
        |    On Error GoTo HandleError
        |
        |    LSet udtData = mudtProps
        |    GetState = udtData.Buffer
        |
        |'|||  Add modifications here
    )vb");
    w.OpenEditPoint("Sub GetState");
    w.Emit(R"vb(
        |
        |GetStateExit:
        |    'Cleanup after error
        |    Exit Function
    )vb");
    w.ErrorHandler("GetState", "GetState", "GetStateExit");
    w.Emit(R"vb(
        |End Function
        |Private Sub SetState(Buffer As String)
        |Dim udtData As &BusObjNameData
        |    On Error GoTo HandleError
        |
        |    udtData.Buffer = Buffer
        |    LSet mudtProps = udtData
        |
        |'|||  Add modifications here
    )vb");
    w.OpenEditPoint("Sub SetState");
    w.EmitLine("");
    EndSub(w, "SetState", "SetStateExit", false);
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub SetDefaultValues(Optional vOperation As Variant)
            |'Initialize property values if appropriate
            |    On Error GoTo HandleError
            |
            |'   Boolean properties are initialized to False.
            |'   Strings are intialized to the empty string because
            |    'VB initializes UDT strings to ASCII 0
        )vb");
    };
    const auto tail = [&] {
        w.EmitLine("'|||  Add modifications here");
        w.OpenEditPoint("Sub SetDefaultValues");
        w.EmitLine("");
        EndSub(w, "SetDefaultValues", "SetDefaultValuesExit", true);
    };
    w.Context().WritePerProperty({.name = "SetDefaultValues", .head = head, .tail = tail},
                                 [&](const typelib::IProperty& property) {
                                     const std::string type = property.DataType();
                                     if (type == "Boolean") {
                                         w.Emit(R"vb(
                    |    mudtProps.&PropName = False
                    |    mcolBusinessRules.Remove "&PropNameIsValid" ¶
                    |    mcolBusinessRules.Add True, "&PropNameIsValid" ¶
                    |
                )vb");
                                     } else if (type == "String") {
                                         w.Emit(R"vb(
                    |    mudtProps.&PropName = "" ¶
                    |
                )vb");
                                     }
                                 });
}

}  // namespace tier3::l2busobj
