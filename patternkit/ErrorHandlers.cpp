#include "patternkit/ErrorHandlers.h"

#include <string>

#include "patternkit/Emitter.h"

namespace patternkit::Common {
namespace {

void EmitErrorHandler(typelib::IConstructor& engine, bool abortTransaction, std::string_view className,
                      std::string_view procName, std::string_view editPointName, std::string_view exitLabel) {
    const Emitter out(engine);
    out.Emit(R"(
        |'**************** Error Handler *****************
        |HandleError:
        |    mlngErrNumber = Err.Number
        |    mstrErrDescription = Err.Description
        |    mstrErrSource = Err.Source
    )");
    if (abortTransaction) {
        out.Emit(R"(
            |
            |    myContext.SetAbort
            |
        )");
    }
    out.Emit(R"(
        |
        |    Select Case mlngErrNumber
        |'|||Add special processing for specific errors in this edit point.
        |{{Start}}{{EditPoint}} - Error Processing
        |{{End}}{{EditPoint}} - Error Processing
        |        Case Else
        |            Err.Raise mlngErrNumber, mstrErrSource & "->" & "{{Class}}.{{Proc}}", mstrErrDescription
        |    End Select
        |    GoTo {{Exit}}
    )",
             {{"EditPoint", editPointName}, {"Class", className}, {"Proc", procName}, {"Exit", exitLabel}});
}

}  // namespace

void GenerateErrorHandler(typelib::IConstructor& engine, std::string_view className,
                          std::string_view procName, std::string_view editPointName,
                          std::string_view exitLabel) {
    EmitErrorHandler(engine, false, className, procName, editPointName, exitLabel);
}

void GenerateTxErrorHandler(typelib::IConstructor& engine, std::string_view className,
                            std::string_view procName, std::string_view editPointName,
                            std::string_view exitLabel) {
    EmitErrorHandler(engine, true, className, procName, editPointName, exitLabel);
}

void GenerateFormErrorHandler(typelib::IConstructor& engine, std::string_view formName,
                              std::string_view procName, std::string_view editPointName) {
    Emitter(engine).Emit(R"(
        |'**************** Error Handler *****************
        |HandleError:
        |    mlngErrNumber = Err.Number
        |    Err.Source = Err.Source & "->{{Form}}.{{Proc}}"
        |
        |    Select Case mlngErrNumber
        |'|||Add special processing for specific errors in this edit point.
        |{{Start}}{{EditPoint}} - Error Processing
        |{{End}}{{EditPoint}} - Error Processing
        |        Case Else
        |            DisplayErrorMsg
        |    End Select
    )",
                         {{"EditPoint", editPointName}, {"Form", formName}, {"Proc", procName}});
}

}  // namespace patternkit::Common
