// The add-in's log file and the "log, then raise again under the procedure's own name" rule.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ApplicationLog.h"
#include "tests/support/ScopedFolderVariable.h"

namespace core {
namespace {

std::vector<std::string> LoggedLines() {
    std::ifstream file(ApplicationLogFile());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ApplicationLog, EntriesAreAppendedUnderTheStateHome) {
    testing_support::ScopedFolderVariable state("XDG_STATE_HOME");
    EXPECT_EQ(ApplicationLogFile(), state.Folder() / "ostrel" / "ostrel.log");
    LogError("SaveTable - Disk full (61)");
    LogError("ClearGUI - Object variable or With block variable not set (91)");
    const auto lines = LoggedLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(EndsWith(lines[0], " Error SaveTable - Disk full (61)")) << lines[0];
    EXPECT_TRUE(EndsWith(lines[1], " Error ClearGUI - Object variable or With block variable not set (91)"));
}

TEST(ApplicationLog, AnUnwritableLogLosesTheEntrySilently) {
    testing_support::ScopedFolderVariable state("XDG_STATE_HOME");
    std::ofstream(state.Folder() / "ostrel") << "a file where the folder should be";
    EXPECT_NO_THROW(LogError("GetDBConnection - ODBC--call failed. (3146)"));
}

TEST(LogAndRaiseAs, LogsAndRaisesTheSameErrorUnderItsOwnSource) {
    struct Case {
        std::string label;
        std::string source;
        std::string logged;
    };
    const std::vector<Case> cases = {
        {"DeleteBusObj", "DeleteBusObj", "DeleteBusObj - Permission denied (70)"},
        {"Relationship Delete", "DeleteRelationship", "Relationship Delete - Permission denied (70)"},
    };
    for (const auto& c : cases) {
        testing_support::ScopedFolderVariable state("XDG_STATE_HOME");
        try {
            LogAndRaiseAs(c.label, c.source, [] { throw vb::Error(70, "Permission denied", "SaveField"); });
            ADD_FAILURE() << "nothing raised";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), 70);
            EXPECT_EQ(error.Description(), "Permission denied");
            EXPECT_EQ(error.Source(), c.source);
        }
        const auto lines = LoggedLines();
        ASSERT_EQ(lines.size(), 1u) << c.label;
        EXPECT_TRUE(EndsWith(lines[0], c.logged)) << lines[0];
    }
}

TEST(LogAndRaiseAs, ASuccessReturnsTheResultAndLogsNothing) {
    testing_support::ScopedFolderVariable state("XDG_STATE_HOME");
    EXPECT_EQ(LogAndRaiseAs("GetDBConnection", [] { return std::string("localmdb"); }), "localmdb");
    EXPECT_FALSE(std::filesystem::exists(ApplicationLogFile()));
}

}  // namespace
}  // namespace core
