#include "patternkit/StoredProcCall.h"

#include <string>
#include <vector>

#include "patternkit/Emitter.h"
#include "patternkit/PropertySets.h"
#include "patternkit/SqlServerType.h"
#include "platform/vb/Literal.h"
#include "typelib/IField.h"

namespace patternkit::Common {
namespace {

using Lines = std::vector<std::string>;

std::string NameOf(const std::shared_ptr<typelib::IProperty>& property) {
    return Required(property).Name();
}

std::string FieldOf(const std::shared_ptr<typelib::IProperty>& property) {
    return Required(Required(property).Field()).Name();
}

// One line per property, made by `format` from the property and its place in the list (0-based).
template <typename Format>
Lines LinesOf(const PropertySet& properties, Format format) {
    Lines lines;
    lines.reserve(properties.size());
    for (size_t i = 0; i < properties.size(); ++i)
        lines.push_back(format(properties[i], i));
    return lines;
}

// "field = @Name" conditions and assignments; the first line has its own lead-in.
Lines Assignments(const PropertySet& properties, std::string_view firstLeadIn, std::string_view leadIn) {
    return LinesOf(properties, [&](const auto& property, size_t i) {
        return std::string(i == 0 ? firstLeadIn : leadIn) + FieldOf(property) + " = @" + NameOf(property);
    });
}

Lines FieldLines(const PropertySet& properties) {
    return LinesOf(properties, [](const auto& property, size_t) { return "'       " + FieldOf(property); });
}

Lines ParameterLines(const PropertySet& properties) {
    return LinesOf(properties, [](const auto& property, size_t) { return "'       @" + NameOf(property); });
}

Lines SelectLines(const PropertySet& properties) {
    return LinesOf(properties, [](const auto& property, size_t) {
        return "'       @" + NameOf(property) + " = A." + FieldOf(property);
    });
}

// Every line but the last is followed by `separator`.
void EmitSeparated(const Emitter& out, const Lines& lines, std::string_view separator) {
    for (size_t i = 0; i < lines.size(); ++i)
        out.EmitLine(i + 1 < lines.size() ? lines[i] + std::string(separator) : lines[i]);
}

PropertySet KeysOf(const PropertySet& properties) {
    PropertySet keys;
    for (const auto& property : properties) {
        if (Required(property).IsKey())
            keys.push_back(property);
    }
    return keys;
}

std::string MemoSource(const std::shared_ptr<typelib::IProperty>& input) {
    return IsMemoOrOLE(*input) ? NameOf(input) + "VarString" : "mudtProps." + NameOf(input);
}

std::string MemoTarget(const std::shared_ptr<typelib::IProperty>& output) {
    return IsMemoOrOLE(*output) ? "    str" + NameOf(output) + "VarString"
                                : "    mudtProps." + NameOf(output);
}

void EmitParameterCode(const Emitter& out, const PropertySet& inputs, const PropertySet& outputs) {
    const size_t firstOutput = inputs.size() + 1;
    if (!inputs.empty())
        out.EmitLine("    'Add each input parameter to the Parameters collection of cmdStoredProc");
    for (size_t i = 0; i < inputs.size(); ++i)
        out.EmitLine("    cmdStoredProc.Parameters(" + std::to_string(i + 1) +
                     ") = " + MemoSource(inputs[i]));
    if (!outputs.empty())
        out.EmitLine("    'Set the Direction property for each out parameter");
    for (size_t i = 0; i < outputs.size(); ++i)
        out.EmitLine("    cmdStoredProc.Parameters(" + std::to_string(firstOutput + i) +
                     ").Direction = adParamOutput");
    out.Emit(R"(
        |    'Execute the stored procedure
        |    cmdStoredProc.Execute
    )");
    if (!outputs.empty())
        out.EmitLine("    'Retrieve values from output parameters");
    for (size_t i = 0; i < outputs.size(); ++i)
        out.EmitLine(MemoTarget(outputs[i]) + " = cmdStoredProc.Parameters(" +
                     std::to_string(firstOutput + i) + ")");
}

void EmitStatementSketch(const Emitter& out, std::string_view methodName, std::string_view table,
                         const PropertySet& inputs, const PropertySet& outputs) {
    const auto separated = [&](Lines lines, std::string_view separator) {
        return LineWriter(
            [&out, lines = std::move(lines), separator] { EmitSeparated(out, lines, separator); });
    };
    if (methodName == "Add") {
        out.Emit(R"(
            |'   INSERT {{Table}}(
            |{{Fields}}
            |'   )
            |'   VALUES (
            |{{Parameters}}
            |'   )
            |'COMMIT TRAN
            |'GO
        )",
                 {{"Table", table},
                  {"Fields", separated(FieldLines(inputs), ",")},
                  {"Parameters", separated(ParameterLines(inputs), ",")}});
    } else if (methodName == "Read") {
        out.Emit(R"(
            |'  SELECT ¶
            |{{Selected}}
            |'  FROM {{Table}} A WHERE ¶
            |{{Conditions}}
            |'COMMIT TRAN
        )",
                 {{"Table", table},
                  {"Selected", separated(SelectLines(outputs), ",")},
                  {"Conditions", separated(Assignments(inputs, "'     A.", "'     A."), " AND ")}});
    } else if (methodName == "Update") {
        out.Emit(
            R"(
            |'   UPDATE {{Table}}
            |{{Assignments}}
            |'    FROM {{Table}} A ¶
            |{{Keys}}
            |'GO
        )",
            {{"Table", table},
             {"Assignments", separated(Assignments(inputs, "'    SET    A.", "'           A."), ",")},
             {"Keys", separated(Assignments(KeysOf(inputs), "'    WHERE    A.", "'             A."), ",")}});
    } else if (methodName == "Delete") {
        out.Emit(R"(
            |'   DELETE {{Table}}
            |{{Keys}}
            |'END TRAN
            |'GO
        )",
                 {{"Table", table},
                  {"Keys", separated(Assignments(KeysOf(inputs), "'   WHERE    ", "'            "), ",")}});
    }
}

Lines ProcedureParameters(const PropertySet& inputs, const PropertySet& outputs) {
    Lines parameters = LinesOf(
        inputs, [](const auto& p, size_t) { return "'       @" + NameOf(p) + " " + GetSQLServerType(*p); });
    for (const auto& output : outputs)
        parameters.push_back("'       @" + NameOf(output) + " " + GetSQLServerType(*output) + " OUTPUT");
    return parameters;
}

}  // namespace

void GenerateStoredProcCall(typelib::IConstructor& engine, std::string_view methodName,
                            std::string_view storedProcName, std::string_view tableName,
                            const PropertySet& inputProperties, const PropertySet& outputProperties) {
    const Emitter out(engine);
    out.Emit(R"(
        |Dim cmdStoredProc As ADODB.Command
        |{{OutputLocals}}
        |
        |    On Error GoTo HandleError
        |
        |    'Create an ADODB Command object that will execute the {{Procedure}} stored procedure
        |    Set cmdStoredProc = New ADODB.Command
        |    cmdStoredProc.ActiveConnection = cnnDataBase
        |    cmdStoredProc.CommandText = {{ProcedureLiteral}}
        |    cmdStoredProc.CommandType = adCmdStoredProc
        |{{ParameterCode}}
        |    '***************************************************
        |    'Stored procedure template - written for SQL Server
        |    'Cut and paste to create the starting point for your ¶
        |    'stored procedure
        |    '****************************************************
        |
        |'GO
        |'CREATE PROCEDURE  {{Procedure}}
        |{{Parameters}}
        |'AS
        |'
        |'BEGIN TRAN
        |{{Statement}}
        |{{Method}}Exit:
        |    If Not cmdStoredProc Is Nothing Then
        |        Set cmdStoredProc = Nothing
        |    End If
        |    Exit Sub
    )",
             {{"Procedure", storedProcName},
              {"ProcedureLiteral", vb::StringLiteral(storedProcName)},
              {"Method", methodName},
              // The output is read back into the "VarString" local, so that is the name declared.
              {"OutputLocals",
               [&] {
                   for (const auto& output : outputProperties) {
                       if (IsMemoOrOLE(Required(output)))
                           out.EmitLine("Dim str" + output->Name() + "VarString As String");
                   }
               }},
              {"ParameterCode", [&] { EmitParameterCode(out, inputProperties, outputProperties); }},
              {"Parameters",
               [&] { EmitSeparated(out, ProcedureParameters(inputProperties, outputProperties), ","); }},
              {"Statement",
               [&] { EmitStatementSketch(out, methodName, tableName, inputProperties, outputProperties); }}});
}

}  // namespace patternkit::Common
