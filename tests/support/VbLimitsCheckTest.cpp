#include "tests/support/VbLimitsCheck.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tests/support/LimitEdges.h"

namespace testing_support {
namespace {

using Lines = std::vector<std::string>;

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Module(const Lines& code, const std::string& name = "Mod") {
    return "Attribute VB_Name = \"" + name + "\"\r\n" + Joined(code);
}

// A form with `names` controls of its own name each, and `arrayed` more of one name.
std::string Form(size_t names, size_t arrayed = 0, const std::string& first = "lbl0") {
    std::string text = "VERSION 5.00\r\nBegin VB.Form frmF \r\n";
    for (size_t i = 0; i < names; ++i)
        text += "   Begin VB.Label " + (i == 0 ? first : "lbl" + std::to_string(i)) + " \r\n   End\r\n";
    for (size_t i = 0; i < arrayed; ++i)
        text += "   Begin VB.Menu mnuItem \r\n      Index = " + std::to_string(i) + "\r\n   End\r\n";
    return text + "End\r\n" + Module({}, "frmF");
}

TEST(VbLimitsCheckTest, EachLimitHoldsAtItsEdgeAndBreaksOneBeyond) {
    const std::string name41(41, 'n');
    const std::string identifier256 = "x" + std::string(255, 'y');
    const struct {
        const char* what;
        std::string file;
        Lines breaches;
    } cases[] = {
        {"a line at the limit", Module({"'" + std::string(1022, 'x')}), {}},
        {"a line one byte over",
         Module({"'" + std::string(1023, 'x')}),
         {"line 2: 1024 bytes, more than 1023"}},
        {"24 continuations", Module(ContinuedStatement(24)), {}},
        {"25 continuations", Module(ContinuedStatement(25)), {"line 2: 25 line continuations, more than 24"}},
        {"a blank after the _",
         Module({"    x = 1 _ ", "    + 1"}),
         {"line 2: blank after a line continuation"}},
        {"a blank line after the _",
         Module({"    x = 1 _", "", "    + 1"}),
         {"line 2: blank after a line continuation"}},
        {"a comment continued", Module({"' a _", "  " + identifier256}), {}},
        {"a procedure of 64 KB less a byte", Module(ProcedureOfBytes(65535)), {}},
        {"a procedure of 64 KB",
         Module(ProcedureOfBytes(65536)),
         {"line 67: procedure P of 65536 bytes, 64 KB or more"}},
        {"65534 lines of code", Module(Lines(65534, "'")), {}},
        {"65535 lines of code", Module(Lines(65535, "'")), {"65535 lines of code, more than 65534"}},
        {"254 control names, an array among them", Form(253, 300), {}},
        {"255 control names", Form(254, 1), {"255 control names, more than 254"}},
        {"a control name of 40", Form(1, 0, std::string(40, 'n')), {}},
        {"a control name of 41",
         Form(1, 0, name41),
         {"the control name nnnnnnnnnnnnnnnnnnnn... has 41 characters, more than 40"}},
        {"a module name of 40", Module({}, std::string(40, 'n')), {}},
        {"a module name of 41",
         Module({}, name41),
         {"the name nnnnnnnnnnnnnnnnnnnn... has 41 characters, more than 40"}},
        {"an identifier of 255", Module({"Dim " + identifier256.substr(1) + " As Long"}), {}},
        {"an identifier of 256",
         Module({"Dim " + identifier256 + " As Long"}),
         {"the identifier xyyyyyyyyyyyyyyyyyyy... has 256 characters, more than 255"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckComponentLimits(c.file), c.breaches) << c.what;
}

TEST(VbLimitsCheckTest, AGroupNamesTheProjectAndComponentOfEachBreachAndCountsModules) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ostrel-limits-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Lib");
    std::ofstream(folder / "G.vbg") << "VBGROUP 5.0\r\nStartupProject=Lib\\Lib.vbp\r\n";
    for (const size_t count : {400u, 401u}) {
        std::ofstream project(folder / "Lib" / "Lib.vbp");
        // A file name beyond ASCII: Windows-1252 in the project file, UTF-8 on the disk.
        project << "Type=OleDll\r\nClass=Wide; \xDC"
                   "ber.cls\r\n";
        std::ofstream(folder / "Lib" /
                      "\xC3\x9C"
                      "ber.cls")
            << Module({"'" + std::string(1023, 'x')}, "Wide");
        for (size_t i = 1; i < count; ++i) {
            project << "Module=M" << i << "; M" << i << ".bas\r\n";
            std::ofstream(folder / "Lib" / ("M" + std::to_string(i) + ".bas")) << Module({});
        }
        project << "Name=\"Lib\"\r\n";
        project.close();
        int modules = 0;
        Lines expected = {
            "Lib/\xC3\x9C"
            "ber: line 2: 1024 bytes, more than 1023"};
        if (count > 400)
            expected.insert(expected.begin(), "Lib: 401 modules, more than 400");
        EXPECT_EQ(CheckVbLimits(folder / "G.vbg", modules), expected);
        EXPECT_EQ(modules, static_cast<int>(count));
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace testing_support
