// The start-up objects and references that the engine gives the projects it writes into.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ide/KnownLibraries.h"
#include "tests/core/EngineFixture.h"

namespace enginetest {
namespace {

using testpatterns::BarePattern;
using typelib::IConstructor;

std::vector<std::string> ReferenceTexts(const vbide::VBProject& project) {
    std::vector<std::string> texts;
    for (const auto& reference : project.References())
        texts.push_back(reference.Text());
    return texts;
}

std::string LibraryReference(const char* name) {
    const vbide::KnownLibrary& library = *vbide::KnownLibraryNamed(name);
    return "*\\G" + std::string(library.guid) + "#" + std::to_string(library.major) + "." +
           std::to_string(library.minor) + "#0#" + std::string(library.path) + "#" +
           std::string(library.description);
}

TEST_F(EngineTest, ProjectsStartWithWhatExistsAndReferToTheLayerBelowAndTheLibrariesTheirCodeNames) {
    mApplication->SetL1ProjectName("SalesUI");
    mApplication->SetL2ProjectName(" SalesLogic");
    mApplication->SetL3ProjectName("SalesData");
    const auto build = [&] {
        return Steps([&](IConstructor& engine, BarePattern&) {
            engine.SetVBProject("SalesLogic", "2");
            WriteComponentIn(engine, "SalesLogic", "Order", 1,
                             {"'Works on ADOR recordsets", "Private myCodeTable As qelCodeTable",
                              "Private mrs As ADOR.Recordset"});
            engine.SetVBProject("SalesData", "2");
            // A Main outside a standard module does not start the project.
            WriteComponentIn(engine, "SalesData", "OrderPersist", 1, {"Public Sub Main()", "End Sub"});
            WriteComponentIn(
                engine, "SalesData", "CommonPersist", 2,
                {"Public cnnDataBase As ADODB.Connection", "Sub Main()", "    DBConnect", "End Sub"});
            engine.SetVBProject("SalesUI", "0");
            WriteComponentIn(engine, "SalesUI", "ErrorDisplay", 1,
                             {"' adodb.Connection in a comment counts"});
            engine.SetVBProject("Tools", "2");
            WriteComponentIn(engine, "Tools", "Helpers", 2, {"Private Sub Mainly()", "End Sub"});
        });
    };
    ASSERT_EQ(build(), 0);
    const struct {
        const char* project;
        const char* startup;
        std::vector<std::string> references;
    } cases[] = {
        {"SalesLogic",
         "(None)",
         {LibraryReference("stdole"), "*\\A..\\SalesData\\SalesData.vbp", LibraryReference("ADOR"),
          LibraryReference("VBOstrel")}},
        {"SalesData", "Sub Main", {LibraryReference("stdole"), LibraryReference("ADODB")}},
        {"SalesUI",
         "(None)",
         {LibraryReference("stdole"), "*\\A..\\SalesLogic\\SalesLogic.vbp", LibraryReference("ADODB")}},
        {"Tools", "(None)", {LibraryReference("stdole")}},
    };
    // Regenerating adds nothing twice.
    mApplication->SetIsRestoreAll(false);
    mApplication->SetIsDiscardAll(true);
    ASSERT_EQ(build(), 0);
    for (const auto& c : cases) {
        const auto project = Project(c.project);
        ASSERT_TRUE(project) << c.project;
        EXPECT_EQ(project->Startup(), c.startup) << c.project;
        EXPECT_EQ(ReferenceTexts(*project), c.references) << c.project;
    }
}

TEST_F(EngineTest, ALibraryIsNamedOnlyByAWholeWordInAnyCase) {
    const struct {
        std::vector<std::string> code;
        bool refers;
    } cases[] = {
        {{"ADOR"}, true},
        {{"Dim r As ador.Recordset"}, true},
        {{"x = 1: AdOr"}, true},
        {{"(ADOR)"}, true},
        {{"ADORx"}, false},
        {{"xADOR"}, false},
        {{"_ADOR", "ADOR_"}, false},
        {{"ADOR1 ADO"}, false},
        {{"\xC3\xA9"
          "ADOR"},
         false},                // a letter beyond ASCII belongs to the word
        {{"AD", "OR"}, false},  // a word ends with its line
        {{"ADODB ADORECORD"}, false},
        {{"ADORE,ADOR"}, true},  // the word after a longer one that starts alike
        {{"a1ADOR AD0R"}, false},
        // Long lines, looked at eight bytes at a time: a name on either side of an eight-byte boundary,
        // in the short rest of a line, and right after a word that runs into it.
        {{"1234567 ADOR"}, true},
        {{"123456 ADOR"}, true},
        {{"Dim rs As New x, y, ador"}, true},
        {{"Dim rs_12345678ADOR x"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code.front());
        mVBE = std::make_shared<vbide::VBE>();
        ASSERT_EQ(Steps([&](IConstructor& engine, BarePattern&) {
                      engine.SetVBProject("Logic", "2");
                      WriteComponentIn(engine, "Logic", "Order", 1, c.code);
                  }),
                  0);
        const auto references = ReferenceTexts(*Project("Logic"));
        EXPECT_EQ(
            std::find(references.begin(), references.end(), LibraryReference("ADOR")) != references.end(),
            c.refers);
    }
}

}  // namespace
}  // namespace enginetest
