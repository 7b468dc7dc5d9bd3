// State and permission members, and the business operations that hand the object's state to the
// persistence class or to a batch object.

#include <algorithm>

#include "patternkit/CodeText.h"
#include "patterns/tier3/L2BusObjWriter.h"
#include "platform/vb/Numbers.h"

namespace tier3::l2busobj {
namespace {

void WriteStateMembers(Writer& w) {
    w.Emit(R"vb(
        |'**************************************************************
        |'****************  DESIGNER PROPERTIES   **********************
        |'**************************************************************
        |'
        |Public Property Get IsDeleted() As Boolean
        |    IsDeleted = mblnDeleted
        |End Property
        |Public Property Get IsNew() As Boolean
        |    IsNew = mblnNew
        |End Property
        |Public Property Get IsChanged() As Boolean
        |    IsChanged = mblnChanged
        |End Property
        |Public Function MethodIsExecutable(ByVal strMethodName As String) As Boolean
        |   On Error GoTo MethodNotFound
    )vb");
    if (w.Context().HasOneParent()) {
        w.Emit(R"vb(
            |    'The business operations of this object are validated by its container,
            |    '&ParentBusObjName: they are executable only when the container
            |    'allows them as well.
            |    Select Case strMethodName
            |        Case "Add", "Delete", "Update", "Read" ¶
            |            MethodIsExecutable = mcolMethodIsExecutable.Item(strMethodName) And _
            |            my&ParentBusObjName.MethodIsExecutable("&BusObjName_" & strMethodName) ¶
            |'|||Insert a Case statement here for business operations you add
        )vb");
        w.EditPoint(" MethodIsExecutable");
        w.Emit(R"vb(
            |        Case Else
            |            MethodIsExecutable = mcolMethodIsExecutable.Item(strMethodName)
            |     End Select
        )vb");
    } else {
        w.EmitLine("   MethodIsExecutable = mcolMethodIsExecutable.Item(strMethodName)");
    }
    w.Emit(R"vb(
        |   Exit Function
        |
        |MethodNotFound:
        |        Err.Raise Invalid_Operation + vbObjectError, _
        |           "->&BusObjName.MethodExecutable", "Method not found: " & strMethodName ¶
        |End Function
        |Public Function  PropertyIsViewable(ByVal strPropName As String) As Boolean
        |   On Error GoTo PropertyNotFound
        |   PropertyIsViewable = mcolPropViewable.Item(strPropName)
        |   Exit Function
        |
        |PropertyNotFound:
        |        Err.Raise Invalid_Operation + vbObjectError, _
        |           "->&BusObjName.PropertyIsViewable", "Property not found: " & strPropName ¶
        |End Function
        |Public Function  PropertyIsEditable(ByVal strPropName As String) As Boolean
        |   On Error GoTo PropertyNotFound
        |   PropertyIsEditable = mcolPropEditable.Item(strPropName)
        |   Exit Function
        |
        |PropertyNotFound:
        |        Err.Raise Invalid_Operation + vbObjectError, _
        |           "->&BusObjName.PropertyIsEditable", "Property not found: " & strPropName ¶
        |End Function
        |Public Function GetPermittedValues(ByVal strPropertyName As String) As Collection
        |'Returns the displayed permitted values of a property.
        |'Each item of the collection is a string; the collection is empty
        |'when the property has no permitted values.
        |Dim colPermittedValues As Collection
        |
        |    Set colPermittedValues = New Collection
        |    strPropertyName = Trim(strPropertyName)
        |
        |    'The permitted values of all properties are in one recordset.
        |    'Its field PropertyName names the property of each row;
        |    'the displayed value of each row of this property is collected.
        |    If Not (mrsPermittedValues.BOF And mrsPermittedValues.EOF) Then mrsPermittedValues.MoveFirst
        |    While Not mrsPermittedValues.EOF
        |        If mrsPermittedValues.Fields("PropertyName") = strPropertyName Then
        |            colPermittedValues.Add CStr(mrsPermittedValues.Fields("DisplayedValue"))
        |        End If
        |        mrsPermittedValues.MoveNext
        |    Wend
        |
        |    Set GetPermittedValues = colPermittedValues
        |    Set colPermittedValues = Nothing
        |    ¶
        |End Function
        |Public Property Get ObjectID() As String
        |        ObjectID = mudtProps.ObjectID
        |End Property
    )vb");
}

// What differs between Add, Delete, Update and the further methods.
struct Operation {
    std::string name;             // "Add", or the further method's token "&MethodName"
    std::string editPointPrefix;  // " Add" or Str(DBID)
    std::string refusal;          // "added", "deleted", "updated", "&MethodName"
    std::string exitLabel;        // "AddExit"
    std::string handlerName;      // "Add Method"
    bool throughBatch = true;     // further methods always go through the persistence class
    bool blankBeforeEnd = false;
};

void WritePersistCall(Writer& w, const Operation& op, const std::string& args) {
    if (op.name == "Delete") {
        w.Emit(R"vb(
            |            'Use a new layer 3 persistence object to delete the &BusObjName
            |            Set objPersist = New &BusObjNamePersist
            |           With objPersist
            |               'Copy the object's current state to the persistence object
            |               .SetState GetState
            |
            |               'Invoke Delete method of the persistence object
            |               .Delete
            |           End With
            |            Set objPersist = Nothing
        )vb");
        return;
    }
    const bool add = op.name == "Add";
    w.Emit(R"vb(
        |            'Use a new layer 3 persistence object for this operation
        |            Set objPersist = New &BusObjNamePersist
        |            With objPersist
        |                'Copy the object's current state to the persistence object
        |                .SetState GetState
        |
        |                'Invoke {{Name}} method of the persistence object
        |{{Indent}}.{{Name}}{{Args}}
        |
        |                'The persistence object may have changed the state
        |                '(for example a new ObjectID): take it back
        |                SetState .GetState
        |            End With
        |            Set objPersist = Nothing
    )vb",
           {{"Name", op.name}, {"Indent", add ? "                " : "               "}, {"Args", args}});
}

void WriteOperationCall(Writer& w, const Operation& op, const std::string& args) {
    if (!op.throughBatch) {
        WritePersistCall(w, op, args);
        w.EmitLine("");
        return;
    }
    w.Emit(R"vb(
        |        If IsMissing(obj&BusObjNameBatch) Then
    )vb");
    WritePersistCall(w, op, args);
    w.Emit(R"vb(
        |        Else
        |            'Use the layer 2 batch object to collect this operation for batch processing
        |            obj&BusObjNameBatch.SetState GetState
        |            obj&BusObjNameBatch.{{Name}} {{Args}}
        |        End If
        |
    )vb",
           {{"Name", op.name}, {"Args", op.name == "Delete" ? std::string() : args}});
}

void WriteLongTextUpdateExample(Writer& w, const typelib::IProperty& property) {
    const std::string type = property.DataType();
    if (type != "Memo" && type != "OLE Object")
        return;
    w.Emit(R"vb(
        |'&PropName can be updated by itself using the following method
        |'             If mudtProps.&PropNameIsChanged Then
        |'                .Update_&PropName mstr&PropName{{Variable}}
        |'                mudtProps.&PropNameIsChanged = False
        |'             End If
        |
    )vb",
           {{"Variable", type == "Memo" ? "VarString" : "OLE_Object"}});
}

// No Let sets a Read Only property: the database has filled the mandatory ones (the key among them) by
// the time Add returns. Their rules hold from then on, as after a Read, so that a later change of a
// mandatory property leaves Update executable.
bool IsDatabaseFilled(const typelib::IProperty& property) {
    return property.Access() == "Read Only" && property.IsMandatory();
}

void WriteDatabaseFilledRule(Writer& w, const typelib::IProperty& property) {
    if (!IsDatabaseFilled(property))
        return;
    w.Emit(R"vb(
        |        mcolBusinessRules.Remove "&PropNameIsValid"
        |        mcolBusinessRules.Add True, "&PropNameIsValid"
    )vb");
}

// What an operation does once the persistence class or the batch took it, up to its part per property.
void WriteAfterCall(Writer& w, const Operation& op) {
    if (op.name == "Add") {
        w.Emit(R"vb(
            |        'Save the object's current state
            |        Save
            |
            |       'Reset flags containing state information
            |        mblnChanged = False
            |        mblnNew = False
            |        mblnDeleted = False
            |        'Cannot load another business object - Read is no longer valid
            |        mcolMethodIsExecutable.Remove "Read" ¶
            |        mcolMethodIsExecutable.Add False, "Read" ¶
        )vb");
        const auto& properties = w.Context().Properties();
        if (std::ranges::any_of(properties, [](const auto& property) {
                return IsDatabaseFilled(patternkit::Required(property));
            }))
            w.EmitLine("        'The database has given the read-only mandatory values: their rules hold");
    } else if (op.name == "Delete") {
        w.Emit(R"vb(
            |        mblnChanged = False
            |        mblnNew = False
            |        mblnDeleted = True
            |        'A deleted business object cannot be added, read or updated
            |        mcolMethodIsExecutable.Remove "Add" ¶
            |        mcolMethodIsExecutable.Add False,"Add" ¶
            |        mcolMethodIsExecutable.Remove "Read" ¶
            |        mcolMethodIsExecutable.Add False,"Read" ¶
            |        mcolMethodIsExecutable.Remove "Update" ¶
            |        mcolMethodIsExecutable.Add False,"Update" ¶
            |
        )vb");
    }
}

// What Update and the further methods do after their part per property.
void WriteAfterPropertyPart(Writer& w, const Operation& op) {
    if (op.name == "Add" || op.name == "Delete")
        return;
    if (op.name == "Update")
        w.EmitLine("");
    w.Emit(R"vb(
        |        mblnChanged = False
        |
        |        'Save the object's current state
        |        Save
    )vb");
}

void WriteOperation(Writer& w, const Operation& op, const std::string& args) {
    const auto head = [&] {
        const std::string firstLine = "Public Sub " + op.name + "(Optional obj&BusObjNameBatch As Variant)";
        w.EmitLine(firstLine);
        if (op.name == "Add")
            w.EmitLine("'Create a new &BusObjName in the database using the current property values");
        else
            w.Emit("|'{{Name}} the &BusObjName in the database", {{"Name", op.name}});
        w.Emit(R"vb(
            |Dim objPersist As &BusObjNamePersist
            |    On Error GoTo HandleError
            |
        )vb");
        if (op.name == "Update") {
            w.Emit(R"vb(
                |    'Exit before creating a persistence object if property values are unchanged
                |    If not mblnChanged Then
                |        Exit Sub
                |    End If
                |
            )vb");
        }
        w.Emit(R"vb(
            |    If mcolMethodIsExecutable("{{Name}}") Then
            |
            |'|||{{Name}} pre-conditions
        )vb",
               {{"Name", op.name}});
        w.EditPoint(op.editPointPrefix + " - Pre");
        w.EmitLine("");
        WriteOperationCall(w, op, args);
        WriteAfterCall(w, op);
    };
    const auto tail = [&] {
        WriteAfterPropertyPart(w, op);
        w.Emit(R"vb(
            |    Else
            |        Err.Raise Invalid_Operation + vbObjectError, mstrBusinessObjName, "A &BusObjName cannot be {{Refusal}} because at least one business rule is not satisfied."
            |    End If
            |
            |'|||{{Name}} post-conditions
        )vb",
               {{"Refusal", op.refusal}, {"Name", op.name}});
        w.EditPoint(op.editPointPrefix + " - Post");
        w.Emit(R"vb(
            |
            |{{Exit}}:
            |    'Cleanup after error
            |    If Not IsMissing(obj&BusObjNameBatch) Then
            |        If Not (obj&BusObjNameBatch Is Nothing) Then Set obj&BusObjNameBatch = Nothing
            |    End If
            |
            |    If Not (objPersist Is Nothing) Then Set objPersist = Nothing
            |
            |    Exit Sub
            |
        )vb",
               {{"Exit", op.exitLabel}});
        w.ErrorHandler(op.handlerName, op.handlerName, op.exitLabel);
        if (op.blankBeforeEnd)
            w.EmitLine("");
        w.EmitLine("End Sub");
    };
    if (op.name == "Add") {
        w.Context().WritePerProperty(
            {.name = "Add", .head = head, .tail = tail},
            [&](const typelib::IProperty& property) { WriteDatabaseFilledRule(w, property); });
    } else if (op.name == "Update") {
        w.Context().WritePerProperty(
            {.name = "Update", .head = head, .tail = tail},
            [&](const typelib::IProperty& property) { WriteLongTextUpdateExample(w, property); });
    } else {
        head();
        tail();
    }
}

void WriteRead(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Public Sub Read(ByVal ObjectID As String)
            |Dim objPersist As &BusObjNamePersist
            |'Obtains &BusObjName from the database using the ObjectID.
            |'All current property values, if any are set, will be overwritten
            |    On Error GoTo HandleError
            |
            |    If mcolMethodIsExecutable("Read") Then
            |
            |'|||Read pre-conditions
        )vb");
        w.EditPoint(" Read - Pre");
        w.Emit(R"vb(
            |
            |        'Use the layer 3 persistence object to read a &BusObjName
            |        Set objPersist = New &BusObjNamePersist
            |
            |        With objPersist
            |            .Read ObjectID
            |            SetState .GetState
            |        End With
            |
            |        Set objPersist = Nothing
            |
            |        'Save the object's current state in event of a cancel
            |        Save
            |
            |       'Reset flags containing state information
            |        mblnChanged = False
            |        mblnNew = False
            |        mblnDeleted = False
            |        'Cannot load another business object - Read is no longer valid
            |        mcolMethodIsExecutable.Remove "Read" ¶
            |        mcolMethodIsExecutable.Add False, "Read" ¶
            |
            |        Set mcolBusinessRules = New Collection
        )vb");
    };
    const auto tail = [&] {
        w.Emit(R"vb(
            |        mcolBusinessRules.Add True, "AllMandatoryValuesExist" ¶
            |        'The values read are valid: evaluate the business rules again
            |        CheckBusinessRules
            |    Else
            |        Err.Raise Invalid_Operation + vbObjectError, mstrBusinessObjName, "A &BusObjName already has been read."
            |    End If
            |
            |'|||Read post-conditions
        )vb");
        w.EditPoint(" Read - Post");
        w.Emit(R"vb(
            |
            |ReadExit:
            |    If Not (objPersist Is Nothing) Then
            |        Set objPersist = Nothing
            |    End If
            |    Exit Sub
            |
        )vb");
        w.ErrorHandler("Read Method", "Read Method", "ReadExit");
        w.EmitLine("End Sub");
    };
    w.Context().WritePerProperty({.name = "Read", .head = head, .tail = tail},
                                 [&](const typelib::IProperty&) {
                                     w.EmitLine("        mcolBusinessRules.Add True, \"&PropNameIsValid\"");
                                 });
}

}  // namespace

void WriteStateAndOperations(Writer& w) {
    WriteStateMembers(w);
    w.Emit(R"vb(
        |'**************************************************************
        |'****************     BUSINESS OPERATIONS    ******************
        |'**************************************************************
        |'
    )vb");
    const std::string args = patternkit::Common::BuildVarStringArgs(w.Context().Properties());
    WriteOperation(w, {"Add", " Add", "added", "AddExit", "Add Method", true, true}, args);
    WriteOperation(w, {"Delete", " Delete", "deleted", "DeleteExit", "Delete Method", true, true}, args);
    WriteRead(w);
    WriteOperation(w, {"Update", " Update", "updated", "UpdateExit", "Update Method", true, false}, args);
    w.ForEachMethod(w.Context().Methods(), [&](const typelib::IMethod& method) {
        if (IsStandardOperation(method.Name()))
            return;
        const std::string name = method.Name();
        WriteOperation(w,
                       {"&MethodName", vb::Str(method.DBID()), "&MethodName", name + "Exit", name + " Method",
                        false, false},
                       args);
    });
    w.Emit(R"vb(
        |'**************************************************************
        |'****************     DESGINER METHODS    *********************
        |'**************************************************************
        |'
    )vb");
}

}  // namespace tier3::l2busobj
