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

// Measured once its tokens are resolved; each line of a text on its own; each line written counted.
TEST_F(EngineTest, ALineLongerThanVbReadsIsContinuedOnceItsTokensAreResolved) {
    std::string call = "    Add ";
    while (call.size() < 1500)
        call += "a1234567, ";
    const std::string fits = "    x = \"" + std::string(1000, 'a') + "&AppName&AppName\"";
    Steps([&](IConstructor& engine, BarePattern&) {
        ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
        WriteComponent(engine, "Order", 1, {fits + "\r\n" + call + "&AppName", "End"});
    });
    const Lines expected = {"    x = \"" + std::string(1000, 'a') + "SalesSales\"",
                            call.substr(0, 1017) + " _", "        " + call.substr(1018) + "Sales", "End"};
    EXPECT_EQ(Project("Sales")->VBComponents().Item("Order")->CodeModule()->AllLines(), expected);
    EXPECT_EQ(mEngine->Monitor().Rows().back().linesOfCode, "4");
}

constexpr const char* kModelAdvice = "Give the business object \"Order\" fewer properties, or shorter names";

// `lines`, then the edit point "A" holding `kept`.
Lines WithEditPointA(Lines lines, const Lines& kept) {
    lines.push_back("'<<<Start Edit Point: A");
    lines.insert(lines.end(), kept.begin(), kept.end());
    lines.push_back("'>>>End Edit Point: A");
    return lines;
}

// A row's lines make a class, written over the developer's own when it keeps some; its controls, a form.
TEST_F(EngineTest, AComponentVbCouldNotLoadEndsTheBuildNamingItAndEachLimit) {
    const std::string form = WriteFormTemplate("frmDetail.frm");
    mApplication->SetIsRestoreAll(true);
    const std::string moveToModule =
        "Move the code kept between those edit points into a module of its own, call it from there";
    const std::string splitStatement =
        "Split each kept statement named into statements of at most 24 line continuations";
    const std::string splitLine =
        "Shorten each kept line named to at most 1023 characters, or split it over lines ending in \" _\"";
    Lines longFirst(65535, "'");
    longFirst[0] = std::string(1024, 'x');
    // A character of two UTF-8 bytes, one in the module: limits count characters.
    const std::string accent = "\xC3\xA9";
    const auto accented = [&](Lines lines) {  // in a line of a procedure shorter than VB reads
        std::string& line = lines[lines.size() - 2];
        line.back() = accent[0];
        line += accent[1];
        return lines;
    };
    Lines endsContinued(531, "'");
    std::fill(endsContinued.end() - 25, endsContinued.end(), "    x = x + 1 _");
    struct Case {
        std::string what;
        Lines code;
        size_t controls;  // beside one array of three labels
        std::string breach;
        Lines kept = {};  // the developer's, in the edit point "A" after `code`
        std::string advice = kModelAdvice;
    };
    std::vector<Case> cases = {
        {"24 continuations", ContinuedStatement(24), 0, ""},
        {"25 continuations", ContinuedStatement(25), 0,
         "line 1: 25 line continuations, more than the 24 VB joins into one statement"},
        {"a word longer than a line", Lines(1, std::string(1024, 'x')), 0,
         "line 1: 1024 characters, more than the 1023 VB reads on one line"},
        {"1023 characters in 1024 bytes", Lines(1, std::string(1022, 'x') + accent), 0, ""},
        {"1024 characters, one of two bytes", Lines(1, std::string(1023, 'x') + accent), 0,
         "line 1: 1024 characters, more than the 1023 VB reads on one line"},
        {"a procedure of 64 KB less a character in 64 KB", accented(ProcedureOfBytes(65535)), 0, ""},
        {"a procedure of 64 KB, one character of two bytes", accented(ProcedureOfBytes(65536)), 0,
         "procedure Sub P: 65536 bytes of code, more than the 65535 VB compiles in one procedure"},
        {"65534 lines", Lines(65534, "'"), 0, ""},
        {"65535 lines", Lines(65535, "'"), 0, "65535 lines, more than the 65534 VB loads in one module"},
        {"254 control names", {}, 253, ""},
        {"255 control names", {}, 254, "255 control names, more than the 254 VB loads on one form"},
        {"a kept line too long after 65535 lines, the first too long",
         longFirst,
         0,
         "65538 lines, more than the 65534 VB loads in one module; of these, code kept between edit points: "
         "1 line in \"A\"\nline 1: 1024 characters, more than the 1023 VB reads on one line\nline 65537: "
         "1024 characters, more than the 1023 VB reads on one line; the line is code kept in the edit point "
         "\"A\"",
         {longFirst[0]},
         moveToModule + ". " + splitLine + ". " + kModelAdvice},
        {"kept code to 65535 lines, its last statement continued onto its end marker", Lines(65002, "'"), 0,
         "65535 lines, more than the 65534 VB loads in one module; of these, code kept between edit points: "
         "531 lines in \"A\"\nline 65510: 25 line continuations, more than the 24 VB joins into one "
         "statement; the statement is code kept in the edit point \"A\"",
         endsContinued, moveToModule + ". " + splitStatement},
    };
    // Each kind of procedure at 64 KB less a byte, and at 64 KB, as VB names it.
    const struct {
        const char* declaration;
        const char* end;
        const char* named;
    } procedures[] = {
        {"Sub P()", "End Sub", "Sub P"},
        {"Public Function P() As Long", "End Function", "Function P"},
        {"Private Property Get P() As Long", "End Property", "Property Get P"},
        {"Friend Property Let P(ByVal v As Long)", "End Property", "Property Let P"},
        {"Public Static Property Set P(ByVal v As Object)", "End Property", "Property Set P"},
    };
    for (const auto& p : procedures) {
        cases.push_back({p.declaration, ProcedureOfBytes(65535, p.declaration, p.end), 0, ""});
        cases.push_back({std::string(p.declaration) + " of 64 KB",
                         ProcedureOfBytes(65536, p.declaration, p.end), 0,
                         "procedure " + std::string(p.named) +
                             ": 65536 bytes of code, more than the 65535 VB compiles in one procedure"});
    }
    int row = 0;
    for (const auto& c : cases) {
        const std::string component = (c.controls == 0 ? "Order" : "frmOrder") + std::to_string(++row);
        std::string message;
        try {
            Steps([&](IConstructor& engine, BarePattern&) {
                ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
                if (!c.kept.empty()) {
                    WriteComponent(engine, component, 1, {});
                    const auto existing = Project("Sales")->VBComponents().Item(component);
                    existing->CodeModule()->SetAllLines(WithEditPointA({}, c.kept));
                    existing->SaveAs(mFolder / (component + ".cls"));
                }
                if (c.controls == 0)
                    return WriteComponent(engine, component, 1,
                                          c.kept.empty() ? c.code : WithEditPointA(c.code, {}));
                ASSERT_EQ(engine.SetVBComponent("Sales", component, 3, form), 0);
                for (size_t i = 0; i < c.controls; ++i)
                    engine.SetVBControl("txt" + std::to_string(i), "TextBox");
                for (int index = 0; index < 3; ++index) {
                    engine.SetVBControl("lbl" + std::to_string(index), "Label");
                    engine.SetVBControlProperty("Index", index);
                    engine.SetVBControlProperty("Name", "lblField");
                }
                engine.StartCoding();
                engine.FinishCoding();
            });
        } catch (const core::UnloadableModule& unloadable) {
            message = unloadable.Description();
        }
        const std::string refusal = "VB cannot load \"" + component +
                                    "\", which the build wrote into the project \"Sales\":\n" + c.breach +
                                    "\nGeneration aborted! " + c.advice + ", and build again.";
        EXPECT_EQ(message, c.breach.empty() ? "" : refusal) << c.what;
    }
}

}  // namespace
}  // namespace enginetest
