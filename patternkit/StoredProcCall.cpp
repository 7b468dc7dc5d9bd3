#include "patternkit/StoredProcCall.h"

#include <string>
#include <vector>

#include "patternkit/CodeText.h"
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

// The body as the items of a procedure the splitter writes: the code that sets the command up, runs it
// and ends the procedure stays in the procedure; parts take the lines of the parameters, and the comments,
// when the procedure grows too large.
class Body {
  public:
    explicit Body(const Emitter& out) : mOut(out) {}

    void Stay(LineWriter lines) { mItems.push_back({std::move(lines), true, nullptr, nullptr}); }
    void Stay(std::string line) {
        Stay([this, line = std::move(line)] { mOut.EmitLine(line); });
    }
    void Move(LineWriter lines) { mItems.push_back({std::move(lines), false, nullptr, nullptr}); }
    // A line a part may take, with the input whose text it reads or the output whose text it fills.
    void Line(std::string line, std::shared_ptr<typelib::IProperty> input = nullptr,
              std::shared_ptr<typelib::IProperty> output = nullptr) {
        mItems.push_back({[this, line = std::move(line)] { mOut.EmitLine(line); }, false, std::move(input),
                          std::move(output)});
    }
    // Every line but the last is followed by `separator`.
    void Separated(const Lines& lines, std::string_view separator) {
        for (size_t i = 0; i < lines.size(); ++i)
            Line(i + 1 < lines.size() ? lines[i] + std::string(separator) : lines[i]);
    }

    // A part takes the command and the texts of the inputs its lines read, and declares the texts of the
    // outputs its lines fill.
    void Write(ProcedureSplitter& splitter, std::string_view procedure, const LineWriter& head,
               const LineWriter& tail) const {
        const auto textsOf = [&](const ProcedurePart& part, auto role) {
            PropertySet texts;
            for (size_t item = part.first; item < part.end; ++item) {
                if (const auto& property = mItems[item].*role; property && IsMemoOrOLE(*property))
                    texts.push_back(property);
            }
            return texts;
        };
        const auto withComma = [](const std::string& list) { return list.empty() ? list : "," + list; };
        const auto partHead = [&](const ProcedurePart& part) {
            const std::string inputs = withComma(BuildVarStringParams(textsOf(part, &Item::input)));
            mOut.Emit("|Private Sub {{Part}}(cmdStoredProc As ADODB.Command{{Inputs}})",
                      {{"Part", part.name}, {"Inputs", inputs}});
            for (const auto& output : textsOf(part, &Item::output))
                mOut.EmitLine("Dim str" + output->Name() + "VarString As String");
        };
        const auto call = [&](const ProcedurePart& part) {
            const std::string inputs = withComma(BuildVarStringParamNames(textsOf(part, &Item::input)));
            mOut.Emit("|    {{Part}} cmdStoredProc{{Inputs}}", {{"Part", part.name}, {"Inputs", inputs}});
        };
        splitter.Write({.name = procedure,
                        .head = head,
                        .items = mItems.size(),
                        .item = [&](size_t item) { mItems[item].write(); },
                        .tail = tail,
                        .partHead = partHead,
                        .call = call,
                        .stays = [&](size_t item) { return mItems[item].stays; }});
    }

  private:
    struct Item {
        LineWriter write;
        bool stays;
        std::shared_ptr<typelib::IProperty> input;
        std::shared_ptr<typelib::IProperty> output;
    };

    const Emitter& mOut;
    std::vector<Item> mItems;
};

void AddParameterCode(Body& body, const PropertySet& inputs, const PropertySet& outputs) {
    const size_t firstOutput = inputs.size() + 1;
    if (!inputs.empty())
        body.Line("    'Add each input parameter to the Parameters collection of cmdStoredProc");
    for (size_t i = 0; i < inputs.size(); ++i)
        body.Line("    cmdStoredProc.Parameters(" + std::to_string(i + 1) + ") = " + MemoSource(inputs[i]),
                  inputs[i]);
    if (!outputs.empty())
        body.Line("    'Set the Direction property for each out parameter");
    for (size_t i = 0; i < outputs.size(); ++i)
        body.Line("    cmdStoredProc.Parameters(" + std::to_string(firstOutput + i) +
                  ").Direction = adParamOutput");
    body.Stay("    'Execute the stored procedure");
    body.Stay("    cmdStoredProc.Execute");
    if (!outputs.empty())
        body.Line("    'Retrieve values from output parameters");
    for (size_t i = 0; i < outputs.size(); ++i)
        body.Line(
            MemoTarget(outputs[i]) + " = cmdStoredProc.Parameters(" + std::to_string(firstOutput + i) + ")",
            nullptr, outputs[i]);
}

void AddStatementSketch(Body& body, std::string_view methodName, const std::string& table,
                        const PropertySet& inputs, const PropertySet& outputs) {
    if (methodName == "Add") {
        body.Line("'   INSERT " + table + "(");
        body.Separated(FieldLines(inputs), ",");
        body.Line("'   )");
        body.Line("'   VALUES (");
        body.Separated(ParameterLines(inputs), ",");
        for (const char* line : {"'   )", "'COMMIT TRAN", "'GO"})
            body.Line(line);
    } else if (methodName == "Read") {
        body.Line("'  SELECT ");
        body.Separated(SelectLines(outputs), ",");
        body.Line("'  FROM " + table + " A WHERE ");
        body.Separated(Assignments(inputs, "'     A.", "'     A."), " AND ");
        body.Line("'COMMIT TRAN");
    } else if (methodName == "Update") {
        body.Line("'   UPDATE " + table);
        body.Separated(Assignments(inputs, "'    SET    A.", "'           A."), ",");
        body.Line("'    FROM " + table + " A ");
        body.Separated(Assignments(KeysOf(inputs), "'    WHERE    A.", "'             A."), ",");
        body.Line("'GO");
    } else if (methodName == "Delete") {
        body.Line("'   DELETE " + table);
        body.Separated(Assignments(KeysOf(inputs), "'   WHERE    ", "'            "), ",");
        body.Line("'END TRAN");
        body.Line("'GO");
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

void GenerateStoredProcCall(ProcedureSplitter& splitter, const StoredProcProcedure& procedure) {
    const Emitter out(splitter);
    Body body(out);
    const std::string name(procedure.methodName);
    const std::string storedProcName(procedure.storedProcName);
    body.Stay([&] {
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
        )",
                 {{"Procedure", storedProcName},
                  {"ProcedureLiteral", vb::StringLiteral(storedProcName)},
                  // The output is read back into the "VarString" local, so that is the name declared.
                  {"OutputLocals", [&] {
                       for (const auto& output : procedure.outputs) {
                           if (IsMemoOrOLE(Required(output)))
                               out.EmitLine("Dim str" + output->Name() + "VarString As String");
                       }
                   }}});
    });
    AddParameterCode(body, procedure.inputs, procedure.outputs);
    body.Move([&] {
        out.Emit(R"(
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
    });
    body.Separated(ProcedureParameters(procedure.inputs, procedure.outputs), ",");
    for (const char* line : {"'AS", "'", "'BEGIN TRAN"})
        body.Line(line);
    AddStatementSketch(body, name, std::string(procedure.tableName), procedure.inputs, procedure.outputs);
    body.Stay([&] {
        out.Emit(R"(
            |{{Method}}Exit:
            |    If Not cmdStoredProc Is Nothing Then
            |        Set cmdStoredProc = Nothing
            |    End If
            |    Exit Sub
        )",
                 {{"Method", name}});
    });
    body.Write(splitter, name, procedure.head, procedure.tail);
}

}  // namespace patternkit::Common
