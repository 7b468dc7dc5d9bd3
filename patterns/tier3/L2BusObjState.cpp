// Reset and Save of the values, the class's start and end, its record as a string, and default values.

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

// Memo and OLE Object values live beside the record: `line` is written with {{Value}} as the property's
// variable.
void ForEachLongText(Writer& w, std::string_view line) {
    w.ForEachProperty([&](const typelib::IProperty& property) {
        const std::string type = property.DataType();
        if (type == "Memo")
            w.Emit(line, {{"Value", "mstr&PropNameVarString"}});
        else if (type == "OLE Object")
            w.Emit(line, {{"Value", "mstr&PropNameOLE_Object"}});
    });
}

}  // namespace

void WriteResetAndSave(Writer& w) {
    w.Emit(R"vb(
        |Public Sub Reset()
        |'Restore property values to what they were the last time they were save
        |    On Error GoTo HandleError
        |
        |    LSet mudtProps = mudtSave
    )vb");
    ForEachLongText(w, "|    {{Value}} = mstr&PropNameSave");
    EndSub(w, "Reset", "ResetExit", true);
    w.Emit(R"vb(
        |Public Sub Save()
        |'Save current property values but do not change the database
        |    On Error GoTo HandleError
        |
        |    LSet mudtSave = mudtProps
    )vb");
    ForEachLongText(w, "|    mstr&PropNameSave = {{Value}}");
    EndSub(w, "Save", "SaveExit", true);
    w.Emit(R"vb(
        |'**************************************************************
        |'****************   PRIVATE SUBS/FUNCTIONS   ******************
        |'**************************************************************
        |
    )vb");
}

void WriteClassInitialize(Writer& w) {
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
    bool first = true;
    w.ForEachProperty([&](const typelib::IProperty& property) {
        const std::string type = property.DataType();
        if (type != "Memo" && type != "OLE Object")
            return;
        if (first)
            w.EmitLine("    'Memo And OLE Object properties are loaded on demand");
        first = false;
        w.EmitLine("    mbln&PropNameIsLoaded = False");
    });
    w.Emit(R"vb(
        |
        |    'UDT contains boolean element for each property to track if the property value is changed.
        |    'The persistence layer uses this information to perform a selective update.
    )vb");
    w.ForEachProperty(
        [&](const typelib::IProperty&) { w.EmitLine("    mudtProps.&PropNameIsChanged = False"); });
    w.Emit(R"vb(
        |
        |    'Set default values of properties
        |    SetDefaultValues
        |
        |'|||Insert additional class initialization statement here
    )vb");
    w.OpenEditPoint(" Class Initialize");
    EndSub(w, "Initialize", "InitExit", false);
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
    w.Emit(R"vb(
        |Private Sub SetDefaultValues(Optional vOperation As Variant)
        |'Initialize property values if appropriate
        |    On Error GoTo HandleError
        |
        |'   Boolean properties are initialized to False.
        |'   Strings are intialized to the empty string because
        |    'VB initializes UDT strings to ASCII 0
    )vb");
    w.ForEachProperty([&](const typelib::IProperty& property) {
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
    w.EmitLine("'|||  Add modifications here");
    w.OpenEditPoint("Sub SetDefaultValues");
    w.EmitLine("");
    EndSub(w, "SetDefaultValues", "SetDefaultValuesExit", true);
}

}  // namespace tier3::l2busobj
