#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/CommandLine.h"

namespace {

using Action = host::CommandLine::Action;

TEST(CommandLineTest, ParsesWhatTheProgramKnows) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string group;
        std::vector<std::string> addIns;
    };
    const Case cases[] = {
        {{}, Action::OpenWindow, "", {}},
        {{"App.vbg"}, Action::OpenWindow, "App.vbg", {}},
        {{"--addin", "VBOSTREL.Connect"}, Action::OpenWindow, "", {"VBOSTREL.Connect"}},
        {{"App.vbg", "--addin", "A.B", "--addin", "C.D"}, Action::OpenWindow, "App.vbg", {"A.B", "C.D"}},
        {{"--help"}, Action::ShowHelp, "", {}},
        {{"--addin"}, Action::Misused, "", {}},
        {{"--addin", ""}, Action::Misused, "", {}},
        {{"--bogus"}, Action::Misused, "", {}},
        {{"-h"}, Action::Misused, "", {}},
        {{"One.vbg", "Two.vbg"}, Action::Misused, "", {}},
        {{""}, Action::Misused, "", {}},
    };
    for (const Case& c : cases) {
        const host::CommandLine line = host::ParseCommandLine(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.groupFile.value_or("").string(), c.group) << shown;
        EXPECT_EQ(line.addIns, c.addIns) << shown;
    }
}

struct ProgramRun {
    int exitCode;
    std::string output;
};

ProgramRun RunProgram(const std::string& arguments) {
    const std::string command = std::string(OSTREL_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        output.push_back(static_cast<char>(c));
    const int status = ::pclose(pipe);
    return {WEXITSTATUS(status), output};
}

TEST(CommandLineTest, ProgramPrintsItsUsage) {
    const ProgramRun help = RunProgram("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, host::kUsage);
    const ProgramRun misused = RunProgram("--frobnicate");
    EXPECT_EQ(misused.exitCode, 2);
    EXPECT_EQ(misused.output, host::kUsage);
}

// Blanks and line breaks as one blank.
std::string Words(const std::string& text) {
    std::istringstream in(text);
    std::string words;
    for (std::string word; in >> word;)
        words += (words.empty() ? "" : " ") + word;
    return words;
}

// The usage shows `ostrel generate` as the reference does, with every option.
TEST(CommandLineTest, UsageShowsGenerateAsTheReferenceDoes) {
    std::ifstream page(std::string(std::getenv("OSTREL_SOURCE_DIR")) + "/docs/generate.md");
    std::string line;
    while (std::getline(page, line) && !line.starts_with("    ostrel generate ")) {
    }
    ASSERT_TRUE(line.starts_with("    ostrel generate "));
    EXPECT_NE(Words(host::kUsage).find(Words(line)), std::string::npos) << line;
}

}  // namespace
