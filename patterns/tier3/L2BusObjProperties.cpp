// Property Get and Property Let of every property: the value as text, with view, edit and value checks.

#include "patterns/tier3/L2BusObjWriter.h"
#include "platform/vb/Numbers.h"

namespace tier3::l2busobj {
namespace {

bool IsTextType(std::string_view dataType) {
    return dataType == "String" || dataType == "Memo" || dataType == "OLE Object";
}

void WriteStoredValueAsText(Writer& w, const typelib::IProperty& property) {
    const std::string type = property.DataType();
    const bool optionalForeignKey = property.IsForeignProperty() && !property.IsMandatory();
    if (type == "String") {
        w.EmitLine("            &PropName = Trim(mudtProps.&PropName)");
    } else if (IsNumericType(type) && type != "Decimal") {
        if (optionalForeignKey) {
            w.Emit(R"vb(
                |            'Optional foreign key.  Interpret 0 (mintDefaultNumeric) as a null and return empty string
                |            If mudtProps.&PropName = mintDefaultNumeric Then
                |                &PropName = "" ¶
                |            Else
                |                &PropName = CStr(mudtProps.&PropName)
                |            End If
            )vb");
        } else {
            w.EmitLine("            &PropName = CStr(mudtProps.&PropName)");
        }
    } else if (type == "Boolean") {
        w.EmitLine("            &PropName = CStr(mudtProps.&PropName)");
    } else if (type == "Date") {
        if (optionalForeignKey)
            w.EmitLine(
                "            'Optional foreign key.  Interpret  mdtmDefaultDate as a null and return empty "
                "string");
        w.Emit(R"vb(
            |            If mudtProps.&PropName = mdtmDefaultDate Then
            |                &PropName = "" ¶
            |            Else
            |                &PropName = CStr(mudtProps.&PropName)
            |            End If
        )vb");
    } else {
        w.EmitLine("            &PropName = mudtProps.&PropName");
    }
}

void WritePropertyGet(Writer& w, const typelib::IProperty& property) {
    const std::string type = property.DataType();
    w.Emit(R"vb(
        |Property Get &PropName() As String
        |    On Error GoTo HandleError
        |
    )vb");
    if (type == "Memo") {
        w.Emit(R"vb(
            |'   Check restrictions before providing the property value
            |    If mcolPropViewable.Item("&PropName") Then
            |        'Memo datatypes are read separately
            |        If Not mbln&PropNameIsLoaded And Not mblnNew Then
            |            Read_&PropName
            |            mbln&PropNameIsLoaded = True
            |        End If
            |        &PropName =mstr&PropNameVarString
        )vb");
    } else if (type == "OLE Object") {
        w.Emit(R"vb(
            |    If mcolPropViewable.Item("&PropName") Then
            |        'OLE Object datatypes are read separately
            |        If Not mbln&PropNameIsLoaded And Not mblnNew Then
            |            Read_&PropName
            |            mbln&PropNameIsLoaded = True
            |        End If
            |        &PropName = mstr&PropNameOLE_Object
        )vb");
    } else {
        w.Emit(R"vb(
            |'   Check restrictions before providing the property value
            |    If mcolPropViewable.Item("&PropName") Then
            |        'If &PropName has permitted values, return the Displayed value to the UI
            |        If mcolPropPermittedValues.Item("&PropName") Then
            |            &PropName = GetDisplayedValue(mrsPermittedValues,"&PropName", Cstr(mudtProps.&PropName))
            |        Else
        )vb");
        WriteStoredValueAsText(w, property);
        w.EmitLine("        End If");
    }
    w.Emit(R"vb(
        |    Else
        |        'Property is not viewable.  Return empty string and raise an error
        |        &PropName = ""
        |        Err.Raise View_Restriction + vbObjectError, , "User is not authorized to see " & "&PropName" & " information."
        |    End If
        |
        |PropertyExit:
        |    'Cleanup after error
        |    Exit Property
        |
    )vb");
    const std::string dbid = vb::Str(property.DBID());
    w.ErrorHandler("Property_Get_" + property.Name(), "Property_Get_" + dbid, "PropertyExit");
    w.EmitLine("End Property");
}

void WriteRuleEditPoint(Writer& w, const typelib::IProperty& property) {
    w.OpenEditPoint("Property Let - " + vb::Str(property.DBID()));
}

void WriteTextChecks(Writer& w, const typelib::IProperty& property) {
    w.Emit(R"vb(
        |        'If it is a mandatory property spaces are not permitted
        |        If mcolPropMandatory("&PropName") And _
        |            strValue = "" Then
        |            Err.Raise Mandatory_Field + vbObjectError, _ ¶
        |               mstrBusinessObjName, "A value must be provided for &PropName." ¶
        |        Else
        |            'Final step - call function that validates a &PropName
        |            If &PropNameIsValid(strValue) Then
        |                If mcolPropMandatory("&PropName") Then
        |                    CheckMandatoryValues
        |                End If
        |'||| Check all business rules that are affected when &PropName changes
    )vb");
    WriteRuleEditPoint(w, property);
    w.Emit(R"vb(
        |                CheckBusinessRules
        |            Else
        |                Err.Raise mlngErrorCode + vbObjectError, _
        |                   mstrBusinessObjName, "&PropName is not valid." ¶
        |            End If
        |        End If
    )vb");
}

struct TypeCheck {
    std::string_view test;
    std::string_view comment;
    std::string_view constant;
    std::string_view description;
};

TypeCheck TypeCheckOf(std::string_view dataType) {
    if (dataType == "Date")
        return {"IsValidDate", "Invalid date", "Invalid_Date", "Invalid date."};
    if (dataType == "Boolean")
        return {"IsValidBoolean", "Invalid boolean", "Invalid_Boolean", "Invalid boolean."};
    return {"IsValidNumber", "Invalid number", "Invalid_Numeric", "Invalid number."};
}

void WriteTypedChecks(Writer& w, const typelib::IProperty& property) {
    const TypeCheck check = TypeCheckOf(property.DataType());
    w.Emit(R"vb(
        |        'If a value has been entered it must be a valid number.
        |        If {{Test}}(strValue) Or strValue = "" Then
        |            'If it is a mandatory property a spaces are not permitted
        |            If mcolPropMandatory("&PropName") And _
        |                   strValue = "" Then
        |                Err.Raise Mandatory_Field + vbObjectError, _ ¶
        |                    mstrBusinessObjName, "A value must be provided for &PropName." ¶
        |            Else
        |                'Final step - call function that validates a &PropName
        |                If &PropNameIsValid(strValue) Then
        |                    If mcolPropMandatory("&PropName") Then
        |                        CheckMandatoryValues
        |                    End If
        |'||| Check all business rules affected when a &PropName changes
    )vb",
           {{"Test", check.test}});
    WriteRuleEditPoint(w, property);
    w.Emit(R"vb(
        |                    CheckBusinessRules
        |                Else
        |                    Err.Raise mlngErrorCode + vbObjectError, _
        |                        mstrBusinessObjName, "&PropName is not valid." ¶
        |                End If
        |            End If
        |        Else
        |            '{{Comment}}
        |            Err.Raise {{Constant}} + vbObjectError, _ ¶
        |                mstrBusinessObjName, "{{Description}}" ¶
        |        End If
    )vb",
           {{"Comment", check.comment}, {"Constant", check.constant}, {"Description", check.description}});
}

// Types that are neither text nor listed among the numeric, date and boolean types (a binary column of
// an imported table) carry their value as text: they get the checks of the text types.
bool HasTypeTest(std::string_view dataType) {
    return IsNumericType(dataType) || dataType == "Date" || dataType == "Boolean";
}

void WritePropertyLet(Writer& w, const typelib::IProperty& property) {
    w.Emit(R"vb(
        |Property Let &PropName(ByVal strValue As String)
        |    On Error GoTo HandleError
        |
        |    strValue = RTrim(strValue)
        |
        |    'If &PropName has permitted values, first substitute the Displayed
        |    'value used by the UI with the Stored value kept by the business object
        |    If mcolPropPermittedValues("&PropName") Then
        |        strValue = GetStoredValue(mrsPermittedValues,"&PropName", strValue)
        |    End If
        |
        |    'If the &BusObjName is either new or if the user is permitted to make changes continue checking.
        |    If mblnNew Or _
        |        mcolPropEditable("&PropName") Then
    )vb");
    const std::string type = property.DataType();
    if (IsTextType(type) || !HasTypeTest(type))
        WriteTextChecks(w, property);
    else
        WriteTypedChecks(w, property);
    w.Emit(R"vb(
        |    Else
        |        Err.Raise Edit_Restriction + vbObjectError, _
        |            mstrBusinessObjName, "Edit restriction" ¶
        |    End If
        |
        |PropertyExit:
        |    'Cleanup after error
        |    Exit Property
        |
    )vb");
    w.ErrorHandler("Property_Let_" + property.Name(), "Property_Let_" + vb::Str(property.DBID()),
                   "PropertyExit");
    w.EmitLine("End Property");
}

}  // namespace

void WritePropertyProcedures(Writer& w) {
    w.ForEachProperty([&](const typelib::IProperty& property) { WritePropertyGet(w, property); });
    w.ForEachProperty([&](const typelib::IProperty& property) {
        if (property.Access() == "Read/Write")
            WritePropertyLet(w, property);
    });
}

}  // namespace tier3::l2busobj
