// The engine against VB's limits: a line longer than VB reads is continued, and a component VB could not
// load ends the build with a message that names it.

#include "core/ModuleLimits.h"
#include "tests/core/EngineFixture.h"
#include "tests/support/LimitEdges.h"

namespace enginetest {
namespace {

using Lines = std::vector<std::string>;
using testing_support::ContinuedStatement;
using testing_support::ProcedureOfBytes;
using testpatterns::BarePattern;
using typelib::IConstructor;

TEST_F(EngineTest, ALineLongerThanVbReadsIsContinuedOnceItsTokensAreResolved) {
    const std::string kArguments = "a1234567, a1234567, a1234567, a1234567, a1234567, a1234567, a1234567, ";
    std::string longCall = "    Add ";
    while (longCall.size() < 1500)
        longCall += kArguments;
    longCall += "&AppName";
    const std::string resolved = longCall.substr(0, longCall.size() - 8) + "Sales";
    const std::string shortened = "    x = \"" + std::string(1000, 'a') + "&AppName&AppName\"";
    const struct {
        const char* what;
        std::string line;
        Lines written;
    } cases[] = {
        {"tokens resolved to fit", shortened, {"    x = \"" + std::string(1000, 'a') + "SalesSales\""}},
        {"a call continued", longCall, {resolved.substr(0, 1017) + " _", "        " + resolved.substr(1018)}},
        {"the second line of a text",
         "x = 1\r\n" + longCall,
         {"x = 1", resolved.substr(0, 1017) + " _", "        " + resolved.substr(1018)}},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string component = "Order" + std::to_string(++row);
        Steps([&](IConstructor& engine, BarePattern&) {
            ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
            WriteComponent(engine, component, 1, {c.line, "End"});
        });
        Lines written = Project("Sales")->VBComponents().Item(component)->CodeModule()->AllLines();
        EXPECT_EQ(written.back(), "End") << c.what;
        written.pop_back();
        EXPECT_EQ(written, c.written) << c.what;
        EXPECT_EQ(mEngine->Monitor().Rows().back().linesOfCode, std::to_string(c.written.size() + 1))
            << c.what;
    }
}

TEST_F(EngineTest, AComponentVbCouldNotLoadEndsTheBuildNamingItAndEachLimit) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    const struct {
        const char* what;
        Lines code;
        size_t controls;  // on a form, with one array of three more
        const char* breach;
    } cases[] = {
        {"a procedure under 64 KB", ProcedureOfBytes(65535), 0, ""},
        {"a procedure of 64 KB", ProcedureOfBytes(65536), 0,
         "procedure P: 65536 bytes of code, more than the 65535 VB compiles in one procedure"},
        {"24 continuations", ContinuedStatement(24), 0, ""},
        {"25 continuations", ContinuedStatement(25), 0,
         "line 1: 25 line continuations, more than the 24 VB joins into one statement"},
        {"a word longer than a line",
         {std::string(1024, 'x')},
         0,
         "line 1: 1024 characters, more than the 1023 VB reads on one line"},
        {"65534 lines", Lines(65534, "'"), 0, ""},
        {"65535 lines", Lines(65535, "'"), 0, "65535 lines, more than the 65534 VB loads in one module"},
        {"254 control names", {}, 253, ""},
        {"255 control names", {}, 254, "255 control names, more than the 254 VB loads on one form"},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string component = (c.controls == 0 ? "Order" : "frmOrder") + std::to_string(++row);
        std::string message;
        try {
            Steps([&](IConstructor& engine, BarePattern&) {
                ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
                if (c.controls == 0)
                    return WriteComponent(engine, component, 1, c.code);
                ASSERT_EQ(engine.SetVBComponent("Sales", component, 3, form), 0);
                for (size_t i = 0; i < c.controls; ++i)
                    engine.SetVBControl("txt" + std::to_string(i), "TextBox");
                for (int index = 0; index < 3; ++index) {
                    engine.SetVBControl("lblField" + std::to_string(index), "Label");
                    engine.SetVBControlProperty("Index", index);
                    engine.SetVBControlProperty("Name", "lblField");
                }
                engine.StartCoding();
                engine.FinishCoding();
            });
        } catch (const core::UnloadableModule& unloadable) {
            message = unloadable.Description();
        }
        EXPECT_EQ(message, *c.breach == 0
                               ? ""
                               : "VB cannot load \"" + component +
                                     "\", which the build wrote into the project \"Sales\":\n" + c.breach +
                                     "\nGeneration aborted! Give the business object \"Order\" "
                                     "fewer properties, or shorter names, and build again.")
            << c.what;
    }
}

}  // namespace
}  // namespace enginetest
