// The business rules of the class, the mandatory-value rule and the default restrictions.

#include <string>

#include "patterns/tier3/L2BusObjWriter.h"

namespace tier3::l2busobj {
namespace {

void EndSub(Writer& w, const std::string& name) {
    w.Emit(R"vb(
        |{{Name}}Exit:
        |    'Cleanup after error
        |    Exit Sub
    )vb",
           {{"Name", name}});
    w.ErrorHandler(name, name, name + "Exit");
    w.EmitLine("End Sub");
}

void WriteInitBusinessRulesCol(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub InitBusinessRulesCol()
            |    On Error GoTo HandleError
            |
            |    'Load the Business Rules collection for a &BusObjName and set all of them to False
            |    Set mcolBusinessRules = New Collection
        )vb");
    };
    const auto tail = [&] {
        w.Emit(R"vb(
            |    mcolBusinessRules.Add False, "AllMandatoryValuesExist" ¶
            |
            |'|||  Add additional business rules to the mcolBusinessRules collection here
        )vb");
        w.OpenEditPoint("Sub InitBusinessRules");
        w.EmitLine("");
        EndSub(w, "InitBusinessRulesCol");
    };
    w.Context().WritePerProperty({.name = "InitBusinessRulesCol", .head = head, .tail = tail},
                                 [&](const typelib::IProperty&) {
                                     w.EmitLine("    mcolBusinessRules.Add False, \"&PropNameIsValid\"");
                                 });
}

// Add and Update become executable once all mandatory values exist and the object is not deleted (and
// the single identifying parent allows it).
void WriteAddOrUpdateRule(Writer& w, std::string_view operation) {
    w.Emit(R"vb(
        |
        |'{{Operation}} is executable when all mandatory values exist
        |'and the &BusObjName is not deleted.
    )vb",
           {{"Operation", operation}});
    if (w.Context().HasOneParent()) {
        w.Emit(R"vb(
            |    blnTemp = mcolBusinessRules("AllMandatoryValuesExist") And Not mblnDeleted _ ¶
            |        And my&ParentBusObjName.MethodIsExecutable("&BusObjName_{{Operation}}") ¶
        )vb",
               {{"Operation", operation}});
    } else if (operation == "Add") {
        w.EmitLine("    blnTemp = mcolBusinessRules(\"AllMandatoryValuesExist\")And Not mblnDeleted ");
    } else {
        w.EmitLine("    blnTemp = mcolBusinessRules(\"AllMandatoryValuesExist\") And Not mblnDeleted ");
    }
    w.Emit(R"vb(
        |    If blnTemp <> mcolMethodIsExecutable("{{Operation}}") Then
        |        blnBusinessRuleChanged = True
        |        mcolMethodIsExecutable.Remove "{{Operation}}" ¶
        |        mcolMethodIsExecutable.Add blnTemp,"{{Operation}}" ¶
        |    End If
    )vb",
           {{"Operation", operation}});
    w.EditPoint(" CheckBusinessRules: " + std::string(operation));
}

// Delete becomes executable, and Read stops being executable, once the object is stored.
void WriteStoredObjectRule(Writer& w, std::string_view operation, std::string_view executable) {
    if (w.Context().HasOneParent()) {
        w.Emit(
            "|    If Not mblnNew And my&ParentBusObjName.MethodIsExecutable(\"&BusObjName_{{Operation}}\") "
            "Then",
            {{"Operation", operation}});
    } else {
        w.EmitLine("    If Not mblnNew Then");
    }
    w.Emit(R"vb(
        |       mcolMethodIsExecutable.Remove "{{Operation}}"
        |       mcolMethodIsExecutable.Add {{Executable}}, "{{Operation}}" ¶
        |    End If
    )vb",
           {{"Operation", operation}, {"Executable", executable}});
    w.EditPoint(" CheckBusinessRules: " + std::string(operation));
}

void WriteCheckBusinessRules(Writer& w) {
    w.Emit(R"vb(
        |Private Sub CheckBusinessRules()
        |'Called after a property value changed: decides again which methods
        |'may run. Each method's executable flag is changed only when its
        |'value changes, and the BusinessRuleChange event is raised when at
        |'least one flag changed.
        |'The rules of the standard operations are written below; add the
        |'rules of further business operations between the edit points.
        |Dim blnTemp As Boolean                     'temporary value
        |Dim blnBusinessRuleChanged As Boolean      'Determines if BusinessRuleChange event is raised
        |    On Error GoTo HandleError
        |
        |    blnBusinessRuleChanged = False      'Assume no changes; set to True if at least one change
        |
        |'|||  Modify logic to include a check of relevant business rules
        |'|||  Example:
        |'|||    blnTemp = mcolBusinessRules("SalaryWithinGuidelines") And _
        |'|||              mcolBusinessRules("MinimumTimeServed")
        |'|||    If blnTemp <> mcolMethodIsExecutable("Promote") Then
        |'|||        blnBusinessRuleChanged = True
        |'|||        mcolMethodIsExecutable.Remove "Promote"
        |'|||        mcolMethodIsExecutable.Add blnTemp, "Promote"
        |'|||    End If
        |'|||  Promote is executable only when the salary is within the
        |'|||  guidelines and the minimum time has been served.
        |
    )vb");
    w.EditPoint(" CheckBusinessRules");
    WriteAddOrUpdateRule(w, "Add");
    WriteAddOrUpdateRule(w, "Update");
    w.Emit(R"vb(
        |
        |'Delete is executable when the &BusObjName is stored:
        |'after a successful Add or Read operation, which
        |'is indicated if mblnNew is False.
        |'Add rules governing deletion between these edit points.
    )vb");
    WriteStoredObjectRule(w, "Delete", "True");
    w.Emit(R"vb(
        |'Read method is executable when &BusObjName is initialized (mblnNew = True)
        |'and is not executable after an Add or Read operation (mblnNew = False)
        |'is indicated if mblnNew (the &BusObjName's internal state) is False.
    )vb");
    WriteStoredObjectRule(w, "Read", "False");
    w.EmitLine("");
    w.ForEachMethod(w.Context().Methods(), [&](const typelib::IMethod& method) {
        if (IsStandardOperation(method.Name()))
            return;
        w.Emit(R"vb(
            |'{{Name}} is initialized as not executable.
            |'Add statements between edit points to determine if it is now executable.
        )vb",
               {{"Name", method.Name()}});
        w.EditPoint(" CheckBusinessRules: " + std::to_string(method.DBID()));
        w.EmitLine("");
    });
    w.ForEachChild([&](const typelib::IBusinessObject& child) {
        w.Emit(R"vb(
            |'Check the business rules for the &ChildBusObjName contained business ojbect.
            |'By default, all &ChildBusObjName methods become executable as soon ¶
            |'as the &BusObjName Read or Add methods are successfully executed which
            |'is indicated if mblnNew (the &BusObjName's internal state) is False.
        )vb");
        w.ForEachMethod(MethodsOf(child), [&](const typelib::IMethod& method) {
            const std::string dbid = std::to_string(method.DBID());
            w.Emit(R"vb(
                |    If Not mblnNew Then
                |       mcolMethodIsExecutable.Remove "&ChildBusObjName_&MethodName"
                |       mcolMethodIsExecutable.Add True, "&ChildBusObjName_&MethodName" ¶
                |    End If
                |{{Start}} CheckBusinessRules:{{Id}}
                |{{End}} CheckBusinessRules: {{Id}}
                |
            )vb",
                   {{"Id", dbid}});
        });
    });
    w.Emit(R"vb(
        |
        |    If blnBusinessRuleChanged Then
        |       RaiseEvent BusinessRuleChange("&BusObjName")
        |    End If
        |
    )vb");
    EndSub(w, "CheckBusinessRules");
}

void WriteCheckMandatoryValues(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub CheckMandatoryValues() ¶
            |'CheckMandatoryValues business rule applies to all business objects.
            |'The rule holds when every mandatory property has a valid value;
            |'Add and Update are executable only when it holds.
            |    On Error GoTo HandleError
            |
            |'Note:  This business rule must be called in the Property Let of each mandatory property
            |    mcolBusinessRules.Remove "AllMandatoryValuesExist" ¶
            |    mcolBusinessRules.Add True, "AllMandatoryValuesExist" ¶
            |
        )vb");
    };
    const auto item = [&](const typelib::IProperty& property) {
        // No Let can set a Read Only property: the database fills it when the object is added.
        if (property.Access() == "Read Only") {
            w.Emit(R"vb(
                |    'A new &BusObjName has no &PropName yet: the database fills it
                |    If mcolPropMandatory("&PropName") And Not mblnNew And _
                |        Not mcolBusinessRules("&PropNameIsValid") Then
            )vb");
        } else {
            w.Emit(R"vb(
                |    If mcolPropMandatory("&PropName") And _ ¶
                |        Not mcolBusinessRules("&PropNameIsValid") Then ¶
            )vb");
        }
        w.Emit(R"vb(
            |        '&PropName is mandatory but a valid value doesn't exist
            |        mcolBusinessRules.Remove "AllMandatoryValuesExist" ¶
            |        mcolBusinessRules.Add False, "AllMandatoryValuesExist" ¶
            |        Exit Sub
            |    End If
            |
        )vb");
    };
    // A part leaves at the first mandatory value missing, as the whole procedure would: its caller tells
    // from the rule that it has to leave too.
    const auto call = [&](const patternkit::ProcedurePart& part) {
        w.Emit(R"vb(
            |    {{Part}}
            |    If Not mcolBusinessRules("AllMandatoryValuesExist") Then Exit Sub
        )vb",
               {{"Part", part.name}});
    };
    w.Context().WritePerProperty({.name = "CheckMandatoryValues",
                                  .head = head,
                                  .tail = [&] { EndSub(w, "CheckMandatoryValues"); },
                                  .call = call},
                                 item);
}

void WriteInitRestrictions(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub InitRestrictions()
            |'Set the default restrictions: every property may be seen and changed,
            |'and only Read may run until the business object is added or read.
            |'Add the restrictions of the user's role between the edit points.
            |    On Error GoTo HandleError
            |
            |    Set mcolPropEditable = New Collection
            |    Set mcolPropViewable = New Collection
            |    Set mcolMethodIsExecutable = New Collection
            |
            |    'Default values are set.  Each property is viewable and editable.
        )vb");
    };
    const auto tail = [&] {
        w.Emit(R"vb(
            |
            |    'Default values are set.  Read is only executable method when &BusObjName is initialized.
        )vb");
        w.ForEachMethod(w.Context().Methods(), [&](const typelib::IMethod& method) {
            w.Emit("|    mcolMethodIsExecutable.Add {{Executable}}, \"&MethodName\"",
                   {{"Executable", method.Name() == "Read" ? "True" : "False"}});
        });
        w.ForEachChild([&](const typelib::IBusinessObject& child) {
            w.ForEachMethod(MethodsOf(child), [&](const typelib::IMethod&) {
                w.EmitLine("    mcolMethodIsExecutable.Add False, \"&ChildBusObjName_&MethodName\"");
            });
        });
        w.Emit(R"vb(
            |
            |'|||  Add modifications here
        )vb");
        w.EditPoint("InitRestrictions");
        w.EmitLine("");
        EndSub(w, "InitRestrictions");
    };
    w.Context().WritePerProperty({.name = "InitRestrictions", .head = head, .tail = tail},
                                 [&](const typelib::IProperty&) {
                                     w.Emit(R"vb(
                                         |    mcolPropEditable.Add True, "&PropName"
                                         |    mcolPropViewable.Add True, "&PropName"
                                     )vb");
                                 });
}

}  // namespace

void WriteRulesAndRestrictions(Writer& w) {
    WriteInitBusinessRulesCol(w);
    WriteCheckBusinessRules(w);
    WriteCheckMandatoryValues(w);
    WriteInitRestrictions(w);
}

}  // namespace tier3::l2busobj
