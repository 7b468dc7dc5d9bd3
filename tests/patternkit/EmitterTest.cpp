#include <gtest/gtest.h>

#include <stdexcept>

#include "patternkit/Emitter.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace {

using Lines = std::vector<std::string>;

TEST(Emitter, HandsEachLineOverAsWritten) {
    testing_support::RecordingConstructor engine;
    patternkit::Emitter(engine).Emit(R"(
        |Public Sub Show(objErr As Object)
        |    MsgBox objErr.Description, vbOKOnly, "Error!"
        |
        |    Dim m&PropName As &PropDataType
        |'Stored procedure template - written for SQL Server ¶
        |End Sub)");
    EXPECT_EQ(engine.lines, (Lines{
                                "Public Sub Show(objErr As Object)",
                                "    MsgBox objErr.Description, vbOKOnly, \"Error!\"",
                                "",
                                "    Dim m&PropName As &PropDataType",
                                "'Stored procedure template - written for SQL Server ",
                                "End Sub",
                            }));
}

// The engine's values of tokens inside a string literal go through the literal writer; tokens elsewhere,
// and literals whose tokens have plain values, reach the engine as written.
TEST(Emitter, TokensInsideStringLiteralsAreWrittenAsLiteralText) {
    struct Resolving : testing_support::RecordingConstructor {
        std::string CreateTokenStr(std::string_view line) override {
            std::string text(line);
            for (const auto& [token, value] :
                 {std::pair{"&BusObjSQLTable", "[Order \"Header's]"}, std::pair{"&PropName", "Phone"}}) {
                for (size_t at = text.find(token); at != std::string::npos; at = text.find(token))
                    text.replace(at, std::string_view(token).size(), value);
            }
            return text;
        }
    } engine;
    patternkit::Emitter(engine).Emit(R"(
        |    strSQL = "SELECT * FROM &BusObjSQLTable " & strSQL
        |    s = "say ""&PropName""": t = "&BusObjSQLTable" 'from &BusObjSQLTable
        |    mcolRules.Add True, "&PropNameIsValid"
        |    rs&BusObjSQLTable.Open
    )");
    patternkit::Emitter(engine).EmitLine(R"(    Debug.Print "&BusObjSQLTable)");
    EXPECT_EQ(engine.lines, (Lines{
                                R"(    strSQL = "SELECT * FROM [Order ""Header's] " & strSQL)",
                                R"(    s = "say ""Phone""": t = "[Order ""Header's]" 'from &BusObjSQLTable)",
                                R"(    mcolRules.Add True, "&PropNameIsValid")",
                                R"(    rs&BusObjSQLTable.Open)",
                                R"(    Debug.Print "[Order ""Header's])",
                            }));
}

TEST(Emitter, FillsGivenValuesBeforeStandingOnesAndTheMarkers) {
    testing_support::RecordingConstructor engine;
    const patternkit::Emitter out(engine, {{"Class", "Customer"}, {"Exit", "StandingExit"}});
    out.Emit(R"(
        |            Err.Raise mlngErrNumber, mstrErrSource & "->" & "{{Class}}.{{Proc}}", mstrErrDescription
        |    GoTo {{Exit}}
        |{{Start}}{{Proc}}
        |{{End}}
        |{{ Unclosed
    )",
             {{"Proc", "Read"}, {"Exit", "ReadExit"}});
    out.Emit("|{{Exit}}");
    EXPECT_EQ(engine.lines, (Lines{
                                "            Err.Raise mlngErrNumber, mstrErrSource & \"->\" & "
                                "\"Customer.Read\", mstrErrDescription",
                                "    GoTo ReadExit",
                                "'<<<Start Edit Point: Read",
                                "'>>>End Edit Point: ",
                                "{{ Unclosed",
                                "StandingExit",
                            }));
}

TEST(Emitter, CallbackValueWritesItsLinesWhereItsLineStands) {
    struct Case {
        int count;
        Lines expected;
    };
    for (const auto& [count, expected] : {
             Case{0, {"Sub A()", "End Sub"}},
             Case{1, {"Sub A()", "    x = 0", "End Sub"}},
             Case{3, {"Sub A()", "    x = 0", "    x = 1", "    x = 2", "End Sub"}},
         }) {
        testing_support::RecordingConstructor engine;
        const patternkit::Emitter out(engine);
        out.Emit(R"(
            |Sub {{Name}}()
            |{{Body}}
            |End Sub
        )",
                 {{"Name", "A"}, {"Body", [&] {
                                      for (int i = 0; i < count; ++i)
                                          out.EmitLine("    x = " + std::to_string(i));
                                  }}});
        EXPECT_EQ(engine.lines, expected) << count;
    }
}

TEST(Emitter, FindsMarginsAndValuesOnEveryLine) {
    const struct {
        const char* block;
        Lines expected;
    } cases[] = {
        // Margins of blanks and tabs, shorter and longer than eight; lines of blanks only are no lines.
        {"\n|a\n        |b\n\t |c\n         \t|d\n                \n                |{{V}}",
         {"a", "b", "c", "d", "v"}},
        // Values only on later lines, on the last line without its line end, and on neighbouring lines.
        {"|x\n|y\n|{{V}}{{V}}\n|{{V}}\n|z{{V}}", {"x", "y", "vv", "v", "zv"}},
        {"|{\n|{V}}\n|}}{{V}}{", {"{", "{V}}", "}}v{"}},
    };
    for (const auto& c : cases) {
        testing_support::RecordingConstructor engine;
        patternkit::Emitter(engine).Emit(c.block, {{"V", "v"}});
        EXPECT_EQ(engine.lines, c.expected) << c.block;
    }
}

TEST(Emitter, ACallbackMayEmitValuesThroughTheSameEmitter) {
    testing_support::RecordingConstructor engine;
    const patternkit::Emitter out(engine, {{"Class", "Customer"}});
    out.Emit(R"(
        |Sub {{Name}}()
        |{{Body}}
        |End Sub ' {{Name}}
    )",
             {{"Name", "Outer"}, {"Body", [&] {
                                      out.Emit(R"(
                                          |    {{Class}}.{{Name}}
                                          |    {{Start}}{{Name}}
                                      )",
                                               {{"Name", "Inner"}});
                                  }}});
    EXPECT_EQ(engine.lines, (Lines{"Sub Outer()", "    Customer.Inner", "    '<<<Start Edit Point: Inner",
                                   "End Sub ' Outer"}));
}

TEST(Emitter, RefusesTheAuthorsMistakes) {
    testing_support::RecordingConstructor engine;
    const patternkit::Emitter out(engine);
    EXPECT_THROW(out.Emit("no margin"), std::logic_error);
    EXPECT_THROW(out.Emit("|{{Missing}}", {{"Other", "x"}}), std::logic_error);
    EXPECT_THROW(out.Emit("|    {{Body}}", {{"Body", [] {}}}), std::logic_error);
    EXPECT_THROW(out.Emit("|{{Body}}{{Body}}", {{"Body", [] {}}}), std::logic_error);
}

}  // namespace
