#include <gtest/gtest.h>

#include <stdexcept>

#include "patternkit/Emitter.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace {

TEST(Emitter, HandsEachLineOverAsWritten) {
    testing_support::RecordingConstructor engine;
    patternkit::Emit(engine, R"(
        |Public Sub Show(objErr As Object)
        |    MsgBox objErr.Description, vbOKOnly, "Error!"
        |
        |    Dim m&PropName As &PropDataType
        |'Stored procedure template - written for SQL Server ¶
        |End Sub)");
    EXPECT_EQ(engine.lines, (std::vector<std::string>{
                                "Public Sub Show(objErr As Object)",
                                "    MsgBox objErr.Description, vbOKOnly, \"Error!\"",
                                "",
                                "    Dim m&PropName As &PropDataType",
                                "'Stored procedure template - written for SQL Server ",
                                "End Sub",
                            }));
}

TEST(Emitter, FillsNamedValues) {
    testing_support::RecordingConstructor engine;
    patternkit::Emit(engine, R"(
        |            Err.Raise mlngErrNumber, mstrErrSource & "->" & "{{Class}}.{{Proc}}", mstrErrDescription
        |    GoTo {{Exit}}
    )",
                     {{"Class", "Customer"}, {"Proc", "Read"}, {"Exit", "ReadExit"}});
    EXPECT_EQ(engine.lines[0],
              "            Err.Raise mlngErrNumber, mstrErrSource & \"->\" & \"Customer.Read\", "
              "mstrErrDescription");
    EXPECT_EQ(engine.lines[1], "    GoTo ReadExit");
}

TEST(Emitter, RefusesLinesWithoutMarginAndUnknownNames) {
    testing_support::RecordingConstructor engine;
    EXPECT_THROW(patternkit::Emit(engine, "no margin"), std::logic_error);
    EXPECT_THROW(patternkit::Emit(engine, "|{{Missing}}", {{"Other", "x"}}), std::logic_error);
}

}  // namespace
