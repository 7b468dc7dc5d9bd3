#include "patternkit/StoredProcCall.h"

#include <string>
#include <vector>

#include "patternkit/Emitter.h"
#include "patternkit/PropertySets.h"
#include "patternkit/SqlServerType.h"
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
void EmitSeparated(typelib::IConstructor& engine, const Lines& lines, std::string_view separator) {
    for (size_t i = 0; i < lines.size(); ++i)
        EmitLine(engine, i + 1 < lines.size() ? lines[i] + std::string(separator) : lines[i]);
}

PropertySet KeysOf(const PropertySet& properties) {
    PropertySet keys;
    for (const auto& property : properties) {
        if (Required(property).IsKey())
            keys.push_back(property);
    }
    return keys;
}

void EmitParameterCode(typelib::IConstructor& engine, const PropertySet& inputs, const PropertySet& outputs) {
    const size_t firstOutput = inputs.size() + 1;
    if (!inputs.empty())
        EmitLine(engine, "    'Add each input parameter to the Parameters collection of cmdStoredProc");
    for (size_t i = 0; i < inputs.size(); ++i) {
        const std::string source =
            IsMemoOrOLE(*inputs[i]) ? NameOf(inputs[i]) + "VarString" : "mudtProps." + NameOf(inputs[i]);
        EmitLine(engine, "    cmdStoredProc.Parameters(" + std::to_string(i + 1) + ") = " + source);
    }
    if (!outputs.empty())
        EmitLine(engine, "    'Set the Direction property for each out parameter");
    for (size_t i = 0; i < outputs.size(); ++i) {
        EmitLine(engine, "    cmdStoredProc.Parameters(" + std::to_string(firstOutput + i) +
                             ").Direction = adParamOutput");
    }
    Emit(engine, R"(
        |    'Execute the stored procedure
        |    cmdStoredProc.Execute
    )");
    if (!outputs.empty())
        EmitLine(engine, "    'Retrieve values from output parameters");
    for (size_t i = 0; i < outputs.size(); ++i) {
        const std::string target = IsMemoOrOLE(*outputs[i]) ? "    str" + NameOf(outputs[i]) + "VarString"
                                                            : "    mudtProps." + NameOf(outputs[i]);
        EmitLine(engine, target + " = cmdStoredProc.Parameters(" + std::to_string(firstOutput + i) + ")");
    }
}

void EmitStatementSketch(typelib::IConstructor& engine, std::string_view methodName, const std::string& table,
                         const PropertySet& inputs, const PropertySet& outputs) {
    if (methodName == "Add") {
        EmitLine(engine, "'   INSERT " + table + "(");
        EmitSeparated(engine, FieldLines(inputs), ",");
        Emit(engine, R"(
            |'   )
            |'   VALUES (
        )");
        EmitSeparated(engine, ParameterLines(inputs), ",");
        Emit(engine, R"(
            |'   )
            |'COMMIT TRAN
            |'GO
        )");
    } else if (methodName == "Read") {
        EmitLine(engine, "'  SELECT ");
        EmitSeparated(engine, SelectLines(outputs), ",");
        EmitLine(engine, "'  FROM " + table + " A WHERE ");
        EmitSeparated(engine, Assignments(inputs, "'     A.", "'     A."), " AND ");
        EmitLine(engine, "'COMMIT TRAN");
    } else if (methodName == "Update") {
        EmitLine(engine, "'   UPDATE " + table);
        EmitSeparated(engine, Assignments(inputs, "'    SET    A.", "'           A."), ",");
        EmitLine(engine, "'    FROM " + table + " A ");
        EmitSeparated(engine, Assignments(KeysOf(inputs), "'    WHERE    A.", "'             A."), ",");
        EmitLine(engine, "'GO");
    } else if (methodName == "Delete") {
        EmitLine(engine, "'   DELETE " + table);
        EmitSeparated(engine, Assignments(KeysOf(inputs), "'   WHERE    ", "'            "), ",");
        Emit(engine, R"(
            |'END TRAN
            |'GO
        )");
    }
}

void EmitProcedureSketch(typelib::IConstructor& engine, std::string_view methodName,
                         std::string_view storedProcName, std::string_view tableName,
                         const PropertySet& inputs, const PropertySet& outputs) {
    Emit(engine, R"(
        |    '***************************************************
        |    'Stored procedure template - written for SQL Server
        |    'Cut and paste to create the starting point for your ¶
        |    'stored procedure
        |    '****************************************************
        |
        |'GO
        |'CREATE PROCEDURE  {{Procedure}}
    )",
         {{"Procedure", storedProcName}});
    Lines parameters = LinesOf(
        inputs, [](const auto& p, size_t) { return "'       @" + NameOf(p) + " " + GetSQLServerType(*p); });
    for (const auto& output : outputs)
        parameters.push_back("'       @" + NameOf(output) + " " + GetSQLServerType(*output) + " OUTPUT");
    EmitSeparated(engine, parameters, ",");
    Emit(engine, R"(
        |'AS
        |'
        |'BEGIN TRAN
    )");
    EmitStatementSketch(engine, methodName, std::string(tableName), inputs, outputs);
}

}  // namespace

void GenerateStoredProcCall(typelib::IConstructor& engine, std::string_view methodName,
                            std::string_view storedProcName, std::string_view tableName,
                            const PropertySet& inputProperties, const PropertySet& outputProperties) {
    EmitLine(engine, "Dim cmdStoredProc As ADODB.Command");
    // The output is read back into the "VarString" local, so that is the name declared.
    for (const auto& output : outputProperties) {
        if (IsMemoOrOLE(Required(output)))
            EmitLine(engine, "Dim str" + output->Name() + "VarString As String");
    }
    Emit(engine, R"(
        |
        |    On Error GoTo HandleError
        |
        |    'Create an ADODB Command object that will execute the {{Procedure}} stored procedure
        |    Set cmdStoredProc = New ADODB.Command
        |    cmdStoredProc.ActiveConnection = cnnDataBase
        |    cmdStoredProc.CommandText = "{{Procedure}}"
        |    cmdStoredProc.CommandType = adCmdStoredProc
    )",
         {{"Procedure", storedProcName}});
    EmitParameterCode(engine, inputProperties, outputProperties);
    EmitProcedureSketch(engine, methodName, storedProcName, tableName, inputProperties, outputProperties);
    Emit(engine, R"(
        |{{Method}}Exit:
        |    If Not cmdStoredProc Is Nothing Then
        |        Set cmdStoredProc = Nothing
        |    End If
        |    Exit Sub
    )",
         {{"Method", methodName}});
}

}  // namespace patternkit::Common
