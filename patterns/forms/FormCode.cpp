#include "patterns/forms/FormCode.h"

#include "patternkit/ErrorHandlers.h"

namespace forms {

void SplitSubItems(patternkit::GrowingProcedure& procedure, const patternkit::Emitter& out,
                   std::string_view indent) {
    procedure.partHead = [&out, indent](const patternkit::ProcedurePart& part) {
        out.Emit(R"vb(
            |Private Sub {{Part}}(itmlist As ListItem)
            |{{Indent}}With itmlist
        )vb",
                 {{"Part", part.name}, {"Indent", indent}});
    };
    procedure.partTail = [&out, indent](const patternkit::ProcedurePart&) {
        out.Emit(R"vb(
            |{{Indent}}End With
            |End Sub
        )vb",
                 {{"Indent", indent}});
    };
    procedure.call = [&out, indent](const patternkit::ProcedurePart& part) {
        out.Emit("|{{Indent}}    {{Part}} itmlist", {{"Indent", indent}, {"Part", part.name}});
    };
}

void WriteEndingThroughHandler(const patternkit::Emitter& out, std::string_view formName,
                               ProcedureEnding names, const patternkit::LineWriter& between) {
    out.Emit(R"vb(
        |{{Start}}{{StartName}}
        |{{End}}{{EndName}}
    )vb",
             {{"StartName", names.startName}, {"EndName", names.endName}});
    if (between)
        between();
    out.Emit(R"vb(
        |    Exit Sub
        |
    )vb");
    patternkit::Common::GenerateFormErrorHandler(
        out.Engine(), formName, names.label,
        names.errorEditPoint.empty() ? names.label : names.errorEditPoint);
}

void WriteStandardEnding(const patternkit::Emitter& out, std::string_view formName, ProcedureEnding names,
                         bool blankBeforeEndSub, const patternkit::LineWriter& between) {
    WriteEndingThroughHandler(out, formName, names, between);
    if (blankBeforeEndSub)
        out.EmitLine("");
    out.EmitLine("End Sub");
}

void WriteDisplayErrorMsg(const patternkit::Emitter& out, bool withEditPoint) {
    out.Emit(R"vb(
        |Private Sub DisplayErrorMsg()
        |'Use the ErrorDisplay class to format, display, and log error messages
        |    If myErrorDisplay Is Nothing Then
        |        Set myErrorDisplay = New ErrorDisplay
        |    End If
        |    myErrorDisplay.Show Err
    )vb");
    if (withEditPoint) {
        out.Emit(R"vb(
            |
            |{{Start}}DisplayErrorMsg
            |{{End}}DisplayErrorMsg
        )vb");
    }
    out.EmitLine("End Sub");
}

}  // namespace forms
