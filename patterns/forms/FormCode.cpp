#include "patterns/forms/FormCode.h"

#include "patternkit/ErrorHandlers.h"
#include "platform/vb/Numbers.h"

namespace forms {

void AddColumnHeaders(patternkit::GrowingProcedure& procedure, const patternkit::Emitter& out,
                      const patternkit::PropertySet& columns, std::shared_ptr<typelib::IProperty>& current,
                      std::string_view indent) {
    procedure.items = columns.size();
    procedure.item = [&out, &columns, &current, indent](std::size_t column) {
        current = columns[column];
        out.EmitLine(std::string(indent) + R"(lvwItems.ColumnHeaders.Add ,"&PropName","&PropName")");
    };
}

void AddSubItems(patternkit::GrowingProcedure& procedure, const patternkit::Emitter& out,
                 const patternkit::PropertySet& columns, std::shared_ptr<typelib::IProperty>& current,
                 ListIndents indents) {
    procedure.items = columns.empty() ? 0 : columns.size() - 1;
    procedure.item = [&out, &columns, &current, indents](std::size_t column) {
        current = columns[column + 1];
        out.EmitLine(std::string(indents.subItem) + ".Subitems(" + vb::Str(static_cast<int16_t>(column + 1)) +
                     ") = my&BusObjNameList.&PropName");
    };
    procedure.partHead = [&out, indents](const patternkit::ProcedurePart& part) {
        out.Emit(R"vb(
            |Private Sub {{Part}}(itmlist As ListItem)
            |{{Indent}}With itmlist
        )vb",
                 {{"Part", part.name}, {"Indent", indents.with}});
    };
    procedure.partTail = [&out, indents](const patternkit::ProcedurePart&) {
        out.Emit(R"vb(
            |{{Indent}}End With
            |End Sub
        )vb",
                 {{"Indent", indents.with}});
    };
    procedure.call = [&out, indents](const patternkit::ProcedurePart& part) {
        out.Emit("|{{Indent}}    {{Part}} itmlist", {{"Indent", indents.with}, {"Part", part.name}});
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
