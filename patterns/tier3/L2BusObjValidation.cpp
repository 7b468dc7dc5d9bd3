// The checks of values: the mandatory and permitted-value collections, the type tests, the on-demand
// reads of long values and one validation function per property.

#include <optional>

#include "patternkit/PropertySets.h"
#include "patterns/tier3/L2BusObjWriter.h"
#include "platform/vb/Literal.h"
#include "platform/vb/Numbers.h"

namespace tier3::l2busobj {
namespace {

// The expression that turns the validated text into the stored value; none for long values.
std::optional<std::string> StoredExpression(std::string_view dataType) {
    static const std::pair<std::string_view, std::string_view> kConversions[] = {
        {"String", "strValue"},         {"Date", "CDate(strValue)"},  {"Boolean", "CBool(strValue)"},
        {"Integer", "CInt(strValue)"},  {"Long", "CLng(strValue)"},   {"Byte", "CByte(strValue)"},
        {"Single", "CSng(strValue)"},   {"Double", "CDbl(strValue)"}, {"Decimal", "CDec(strValue)"},
        {"Currency", "CCur(strValue)"},
    };
    for (const auto& [type, expression] : kConversions) {
        if (type == dataType)
            return std::string(expression);
    }
    return std::nullopt;
}

void WriteConversion(Writer& w, const typelib::IProperty& property) {
    if (const auto expression = StoredExpression(property.DataType()))
        w.Emit("|        mudtProps.&PropName = {{Expression}}", {{"Expression", *expression}});
}

// A bound of a range as a literal of the property's type: a String bound through the literal writer, so
// that a text range compiles; other bounds stand bare (the check before a build has read them as their
// type).
std::string RangeBound(const typelib::IProperty& property, const std::string& bound) {
    if (property.DataType() == "Date")
        return "#" + bound + "#";
    if (property.DataType() != "String")
        return bound;
    return vb::StringLiteral(bound);
}

void WriteReadOnDemand(Writer& w, const typelib::IProperty& property) {
    const std::string variable = property.DataType() == "Memo" ? "VarString" : "OLE_Object";
    w.Emit(R"vb(
        |Private Sub Read_&PropName()
        |'Separate read provided for &PropName because it is a varying length property
        |'and cannot be included in the UDT.
        |Dim objPersist As &BusObjNamePersist
        |    On Error GoTo HandleError
        |    If Not mblnNew Then
        |        'Read the value of a stored &BusObjName through the persistence object
        |        Set objPersist = New &BusObjNamePersist
        |        mstr&PropName{{Variable}} = objPersist.Read_&PropName(mudtProps.ObjectID)
        |        mbln&PropNameIsLoaded = True
        |        Set objPersist = Nothing
        |    Else
        |        Err.Raise Invalid_Operation + vbObjectError, mstrBusinessObjName
        |    End If
        |
        |ReadExit:
        |    If Not (objPersist Is Nothing) Then
        |        Set objPersist = Nothing
        |    End If
        |    Exit Sub
        |
    )vb",
           {{"Variable", variable}});
    w.ErrorHandler("Read_" + property.Name(), "Read_" + vb::Str(property.DBID()) + " Method", "ReadExit");
    w.EmitLine("End Sub");
}

// The search that checks a borrowed value against its owner: the edited key with the new text, the
// other keys of the relationship with their current values, joined by " AND ".
// A text value stands between quotes, so its own quotes are doubled.
void WriteForeignKeySearch(Writer& w, const std::shared_ptr<typelib::IProperty>& current) {
    GeneratorContext& context = w.Context();
    patternkit::PropertySet keys = patternkit::Common::GetForeignKeyProperties(*current);
    const auto quoted = [](const typelib::IProperty& key, std::string_view value) {
        return key.DataType() == "String" ? "DoubleQuotes(" + std::string(value) + ")" : std::string(value);
    };
    for (auto key = keys.begin(); key != keys.end(); ++key) {
        if (patternkit::Required(*key).Name() == current->Name()) {
            w.Emit(
                R"(|            str&VirtPropOwnerBusObjSearch = "&VirtPropOrigName = &SQLDelimiter" & {{Value}} & "&SQLDelimiter")",
                {{"Value", quoted(**key, "strValue")}});
            keys.erase(key);
            break;
        }
    }
    if (keys.empty())
        return;
    w.Emit(R"vb(
        |            'Values must also be provided for each additional foreign key
        |            'that implements the relationship
    )vb");
    for (const auto& key : keys) {
        context.Current().property = key;
        w.Emit(
            R"(|            str&VirtPropOwnerBusObjSearch = str&VirtPropOwnerBusObjSearch & " AND &VirtPropOrigName = &SQLDelimiter" & {{Value}} & "&SQLDelimiter")",
            {{"Value", quoted(*key, "Cstr(mudtProps.&PropName)")}});
    }
    context.Current().property = current;
}

void WriteBorrowedValueCheck(Writer& w, const std::shared_ptr<typelib::IProperty>& current) {
    const typelib::IProperty& property = *current;
    w.Emit(R"vb(
        |Dim str&VirtPropOwnerBusObjSearch As String
        |    On Error GoTo HandleError
        |
        |'&PropName is either a virtual or foreign property borrowed from the &VirtPropOwnerBusObj business object.
        |'Verify the value entered by the user represents a single, valid &VirtPropOwnerBusObj by using the
        |'Search method of &VirtPropOwnerBusObjList
        |
        |    If mcolPropPermittedValues("&PropName") Then
        |        'The value is one of the permitted values:
        |        'it was checked in the Property Let.
        |        blnPassedValidation = True
    )vb");
    WriteConversion(w, property);
    w.Emit(R"vb(
        |    Else
        |        If Not mcolPropMandatory("&PropName") And Len(Trim(strValue)) = 0 Then
        |            '&PropName is an optional foreign key.
        |            'An empty string is interpreted as a Null.
        |            blnPassedValidation = True
    )vb");
    const std::string type = property.DataType();
    if (type == "String")
        w.EmitLine("            mudtProps.&PropName = mstrDefaultString ");
    else if (type == "Date")
        w.EmitLine("            mudtProps.&PropName = mdtmDefaultDate");
    else if (IsNumericType(type))
        w.EmitLine("            mudtProps.&PropName = mintDefaultNumeric");
    w.Emit(R"vb(
        |        Else
        |            'Search the owner of the value: exactly one row
        |            'must match the value entered.
    )vb");
    WriteForeignKeySearch(w, current);
    w.Emit(R"vb(
        |            If my&VirtPropOwnerBusObjList Is Nothing Then
        |               Set my&VirtPropOwnerBusObjList = New &VirtPropOwnerBusObjList
        |            End If
        |            my&VirtPropOwnerBusObjList.Search str&VirtPropOwnerBusObjSearch
        |
        |            If my&VirtPropOwnerBusObjList.RecordCount = 1 Then
        |                'Take the value as the owner keeps it
        |                my&VirtPropOwnerBusObjList.MoveFirst
        |                mudtProps.&PropName = my&VirtPropOwnerBusObjList.&VirtPropOrigName
        |                blnPassedValidation = True
        |            Else
        |                blnPassedValidation = False
        |                mlngErrorCode = &BusObjName_Invalid_&PropName
        |            End If
        |        End If
        |    End If
        |
    )vb");
}

void WriteOwnValueCheck(Writer& w, const typelib::IProperty& property) {
    w.Emit(R"vb(
        |    On Error GoTo HandleError
        |    blnPassedValidation = True
        |
    )vb");
    const std::string type = property.DataType();
    if (type == "Date") {
        // CDate would refuse the numeric default: an empty date is stored as the date that reads as "".
        w.Emit(R"vb(
            |    If Len(strValue) = 0 Then
            |        'An empty date clears the value
            |        strValue = CStr(mdtmDefaultDate)
            |    End If
            |
        )vb");
    } else if (IsNumericType(type)) {
        w.Emit(R"vb(
            |    If Len(strValue) = 0 Then
            |        'Provide a default numeric value
            |        strValue = mintDefaultNumeric
            |    End If
            |
        )vb");
    }
    if (type == "String") {
        w.Emit(R"vb(
            |    If Len(strValue) <= {{Length}} Then
            |        blnPassedValidation = True
            |    Else
            |        blnPassedValidation = False
            |    End If
            |
        )vb",
               {{"Length", vb::Str(property.Length())}});
    }
    if (property.IsPVRange()) {
        w.Emit(R"vb(
            |    If strValue >= {{Lower}}  And _ ¶
            |            strValue <= {{Upper}} Then
            |        blnPassedValidation = True
            |    Else
            |        blnPassedValidation = False
            |    End If
        )vb",
               {{"Lower", RangeBound(property, property.LowerBound())},
                {"Upper", RangeBound(property, property.UpperBound())}});
    }
}

void WriteChangeTracking(Writer& w, std::string_view dataType) {
    if (dataType == "Memo") {
        w.Emit(R"vb(
            |        If Trim(strValue) <> Trim(mstr&PropNameVarString) Then
            |            mudtProps.&PropNameIsChanged = True
            |            mblnChanged = True
            |        End If
            |        mstr&PropNameVarString = strValue
        )vb");
    } else if (dataType == "OLE Object") {
        w.Emit(R"vb(
            |        If Trim(strValue) <> Trim(mstr&PropNameOLE_Object) Then
            |            mudtProps.&PropNameIsChanged = True
            |        End If
            |        mstr&PropNameOLE_Object = strValue
            |        mblnChanged = True
        )vb");
    } else {
        w.Emit(R"vb(
            |        If mudtProps.&PropName <> mudtSave.&PropName Then
            |            mudtProps.&PropNameIsChanged = True
            |            mblnChanged = True
            |        End If
        )vb");
    }
}

void WriteValidationFunction(Writer& w, const std::shared_ptr<typelib::IProperty>& current) {
    const typelib::IProperty& property = *current;
    const bool borrowed = property.IsVirtual() || property.IsForeignProperty();
    w.Emit(R"vb(
        |Private Function &PropNameIsValid (strValue As String) As Boolean
        |'The value passed to the business object was tested to see if it was the
        |'correct data type in the Property Let subroutine.  Add additional logic
        |'here to validate and format the value before storing it.
        |Dim blnPassedValidation As Boolean
        |
    )vb");
    if (borrowed)
        WriteBorrowedValueCheck(w, current);
    else
        WriteOwnValueCheck(w, property);
    w.Emit(R"vb(
        |'|||  Add validation rule here and set blnPassedValidation = False if rule fails.
        |'|||  Set mlngErrorCode to one of the error codes defined in zun_ec_&BusObjName_Enum
    )vb");
    w.OpenEditPoint("Validate Function: " + vb::Str(property.DBID()));
    w.Emit(R"vb(
        |
        |    If  blnPassedValidation Then
        |        &PropNameIsValid = True
    )vb");
    if (!borrowed) {
        w.EmitLine("        'Set the value then make any formatting modifications that are neccessary");
        WriteConversion(w, property);
    }
    WriteChangeTracking(w, property.DataType());
    w.Emit(R"vb(
        |        mcolBusinessRules.Remove "&PropNameIsValid"
        |        mcolBusinessRules.Add True, "&PropNameIsValid"
        |    Else
        |        &PropNameIsValid = False
        |        mlngErrorCode = &BusObjName_Invalid_&PropName
        |        mcolBusinessRules.Remove "&PropNameIsValid"
        |        mcolBusinessRules.Add False, "&PropNameIsValid"
        |    End If
        |
        |&PropNameIsValidExit:
        |    'Cleanup after error
        |    Exit Function
    )vb");
    w.ErrorHandler(property.Name() + "IsValid", property.Name() + "IsValid", property.Name() + "IsValidExit");
    w.EmitLine("End Function");
}

void WriteInitMandatoryPropertyCol(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub InitMandatoryPropertyCol()
            |
            |   'Create and initialize the collection that identifies mandatory properties
            |   'The collection is used in the Property Let procedures when validating values supplied by the UI
            |    Set mcolPropMandatory = New Collection
        )vb");
    };
    w.Context().WritePerProperty(
        {.name = "InitMandatoryPropertyCol", .head = head, .tail = [&] { w.Emit("|\n|End Sub"); }},
        [&](const typelib::IProperty& property) {
            w.Emit("|    mcolPropMandatory.Add {{Mandatory}}, \"&PropName\"",
                   {{"Mandatory", property.IsMandatory() ? "True" : "False"}});
        });
}

void WriteInitPropertyPVCol(Writer& w) {
    const auto head = [&] {
        w.Emit(R"vb(
            |Private Sub InitPropertyPVCol()
            |'Create the collection that tells for each property whether it has
            |'permitted values; the permitted values of all properties are read
            |'once, when the business object is created.
            |Dim strLastPropertyFound As String
            |Dim strCurrentProperty As String
            |    On Error GoTo HandleError
            |    Set mcolPropPermittedValues = New Collection
            |    'Initialize collection assuming no properties have permitted values
        )vb");
    };
    const auto tail = [&] {
        w.Emit(R"vb(
            |    'Scan the permitted values once and mark each property
            |    'that has at least one permitted value.
            |    'Note:  Assumes all permitted values for a property are grouped together
            |    strLastPropertyFound = "" ¶
            |    With mrsPermittedValues
            |        If .RecordCount > 0 Then
            |            .MoveFirst
            |            While Not mrsPermittedValues.EOF
            |                strCurrentProperty = Trim(.Fields("PropertyName")) ¶
            |                If strLastPropertyFound <> strCurrentProperty Then ¶
            |                    'First permitted value of this property
            |                    mcolPropPermittedValues.Remove strCurrentProperty ¶
            |                    mcolPropPermittedValues.Add True, strCurrentProperty ¶
            |                    strLastPropertyFound = strCurrentProperty
            |                End If
            |                .MoveNext
            |            Wend
            |        End If
            |    End With
            |InitPropertyPVColExit:
            |    'Cleanup after error
            |    Exit Sub
        )vb");
        w.ErrorHandler("InitPropertyPVCol", "InitPropertyPVCol", "InitPropertyPVColExit");
        w.EmitLine("End Sub");
    };
    w.Context().WritePerProperty({.name = "InitPropertyPVCol", .head = head, .tail = tail},
                                 [&](const typelib::IProperty&) {
                                     w.EmitLine("    mcolPropPermittedValues.Add False, \"&PropName\"");
                                 });
}

}  // namespace

void WriteValidationHelpers(Writer& w) {
    WriteInitMandatoryPropertyCol(w);
    WriteInitPropertyPVCol(w);
    w.Emit(R"vb(
        |Private Function IsValidNumber(ByVal strValue As String) As Boolean
        |'Test to determine if a string value represents a number
        |Dim vntValue As Variant
        |    vntValue = strValue
        |    IsValidNumber = IsNumeric(vntValue)
        |End Function
        |Private Function IsValidDate(ByVal strValue As String) As Boolean
        |Dim vntValue As Variant
        |    vntValue = strValue
        |    IsValidDate = IsDate(vntValue)
        |End Function
        |Private Function IsValidBoolean(ByVal strValue As String) As Boolean
        |Dim blnTemp As Boolean
        |    On Error GoTo InvalidBoolean
        |    blnTemp = CBool(strValue)
        |    IsValidBoolean = True
        |    Exit Function
        |InvalidBoolean:
        |    IsValidBoolean = False
        |End Function
    )vb");
    w.ForEachProperty([&](const typelib::IProperty& property) {
        const std::string type = property.DataType();
        if (type == "Memo" || type == "OLE Object")
            WriteReadOnDemand(w, property);
    });
}

void WritePropertyValidation(Writer& w) {
    GeneratorContext& context = w.Context();
    for (const auto& property : context.Properties()) {
        patternkit::Required(property);
        context.Current().property = property;
        WriteValidationFunction(w, property);
    }
}

}  // namespace tier3::l2busobj
