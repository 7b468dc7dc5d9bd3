// The layer-2 shared module CommonLogical: the error codes that the business objects raise, the user of
// the logical layer, and the translation between displayed and stored permitted values.

#include <array>
#include <string>

#include "patternkit/Emitter.h"
#include "patternkit/QuoteDoubling.h"
#include "patterns/tier3/CredentialGetters.h"
#include "patterns/tier3/Generators.h"
#include "platform/vb/Text.h"

namespace tier3 {
namespace {

constexpr std::array<const char*, 10> kGeneralErrorCodes{
    "Edit_Restriction", "View_Restriction", "Invalid_Operation",  "Invalid_Date",    "Invalid_Numeric",
    "String_Too_Long",  "Mandatory_Field",  "Value_Out_Of_Range", "Invalid_Boolean", "Permitted_Value_Error"};

// Raised by the look-ups below. Clear of the general codes (1 to 10) and of the per-property codes of
// the business objects (20, 30, 40, ...).
constexpr const char* kInternalErrorValue = "11";

void WriteErrorCodes(const patternkit::Emitter& out, int32_t architecture) {
    // With one project the startup form's module declares the general codes.
    if (architecture == typelib::TwoTier || architecture == typelib::ThreeTier) {
        out.Emit("|   'General error codes");
        for (size_t index = 0; index < kGeneralErrorCodes.size(); ++index) {
            out.Emit("|Global Const   {{Name}} = {{Value}}",
                     {{"Name", kGeneralErrorCodes[index]}, {"Value", std::to_string(index + 1)}});
        }
    }
    out.Emit("|Global Const   Internal_Error = {{Value}}", {{"Value", kInternalErrorValue}});
}

}  // namespace

void GenerateCommonLayer2(GeneratorContext& context) {
    const patternkit::Emitter& out = context.Out();
    context.SetErrorSourceClass("CommonLogical");
    WriteErrorCodes(out, context.Application().Architecture());
    out.Emit("|Private mstrUserID As String\n|Private mstrPassword As String");
    WriteCredentialGetters(context);

    out.Emit(R"vb(
        |
        |Public Function GetStoredValue( _
        |            ByRef rsPermittedValues As ADOR.Recordset, _
        |            ByVal strPropertyName As String, _
        |            ByVal strDisplayedValue As String) As String
        |    On Error GoTo HandleError
        |    'Translates a displayed value of a property of &BusObjName into the value stored
        |    With rsPermittedValues
        |        If .RecordCount > 0 Then
        |            .MoveFirst
        |.Find "PropertyName = '" & DoubleQuotes(strPropertyName) & "'" ¶
        |.Find "DisplayedValue = '" & DoubleQuotes(strDisplayedValue) & "'" ¶
        |            If .EOF Then
        |                GetStoredValue = ""
        |                Err.Raise Permitted_Value_Error, "", strDisplayedValue & " is not a valid value of " & strPropertyName
        |            Else
        |                GetStoredValue = .Fields("StoredValue")
        |            End If
        |        Else
        |            Err.Raise Internal_Error, "", "Permitted values recordset is empty."
        |        End If
        |    End With
        |GetStoredValueExit:
        |    Exit Function
    )vb");
    context.WriteErrorHandler("GetStoredValue", "GetStoredValueExit");
    out.Emit(R"vb(
        |End Function
        |
        |Public Function GetDisplayedValue( _ ¶
        |            ByRef rsPermittedValues As ADOR.Recordset, _
        |            ByVal strPropertyName As String, _
        |            ByVal strStoredValue As String) As String
        |    On Error GoTo HandleError
        |    'Translates a stored value of a property of &BusObjName into the value displayed
        |    strPropertyName = Trim(strPropertyName)
        |    strStoredValue = Trim(strStoredValue) & " "    'ADO Find method does not accept empty string
        |    With rsPermittedValues
        |        If .RecordCount > 0 Then
        |            .MoveFirst
        |.Find "PropertyName = '" & DoubleQuotes(strPropertyName) & "'" ¶
        |.Find "StoredValue = '" & DoubleQuotes(strStoredValue) & "'" ¶
        |            If .EOF Then
        |                'Not found: the business object is not yet initialised,
        |                'so there is no value to display.
        |                GetDisplayedValue = ""
        |            Else
        |                GetDisplayedValue = .Fields("DisplayedValue")
        |            End If
        |        Else
        |            Err.Raise Internal_Error, "", "Permitted values recordset is empty."
        |        End If
        |    End With
        |GetDisplayedValueExit:
        |    Exit Function
    )vb");
    context.WriteErrorHandler("GetDisplayedValue", "GetDisplayedValueExit");
    out.Emit("|End Function");
    // One project holds the function once: CommonPersist writes it where the layers share a project.
    const typelib::IApplication& application = context.Application();
    if (vb::Trim(application.L2ProjectName()) != vb::Trim(application.L3ProjectName()))
        patternkit::WriteDoubleQuotesFunction(out);
    out.Emit(R"vb(
        |
        |'|||Insert new functions or subs between these edit points.
        |{{Start}}Additional Functions and/or Subs
        |{{End}}Additional Functions and/or Subs
    )vb");
}

}  // namespace tier3
