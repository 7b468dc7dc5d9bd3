#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
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

// The options a text names, each whole ("--forms" is not in "--no-forms").
std::set<std::string> OptionsIn(const std::string& text) {
    const auto inName = [](char c) { return std::islower(static_cast<unsigned char>(c)) || c == '-'; };
    std::set<std::string> options;
    for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        if ((at > 0 && inName(text[at - 1])) || !std::islower(static_cast<unsigned char>(text[at + 2])))
            continue;
        size_t end = at + 2;
        while (end < text.size() && inName(text[end]))
            ++end;
        options.insert(text.substr(at, end - at));
    }
    return options;
}

// Whoever reads the usage finds every option the reference documents.
TEST(CommandLineTest, UsageListsEveryOptionOfTheReference) {
    std::set<std::string> documented;
    for (const char* page : {"ide.md", "generate.md"}) {
        std::stringstream text;
        text << std::ifstream(std::string(std::getenv("OSTREL_SOURCE_DIR")) + "/docs/" + page).rdbuf();
        documented.merge(OptionsIn(text.str()));
    }
    EXPECT_GE(documented.size(), 9u);
    const std::set<std::string> listed = OptionsIn(host::kUsage);
    for (const std::string& option : documented)
        EXPECT_TRUE(listed.contains(option)) << option;
}

}  // namespace
