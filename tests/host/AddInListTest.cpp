#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/AddInList.h"

namespace {

namespace fs = std::filesystem;

std::string Describe(const std::vector<host::AddInListEntry>& entries) {
    std::string text;
    for (const auto& entry : entries)
        text += entry.progId + "=" + (entry.loadOnStartup ? "1" : "0") + ";";
    return text;
}

class AddInListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mFile = fs::temp_directory_path() / ("ostrel-addins-" + std::to_string(::getpid()) + ".ini");
        fs::remove(mFile);
    }
    void TearDown() override { fs::remove(mFile); }
    fs::path mFile;
};

TEST_F(AddInListTest, ReadsTheAddInSectionOnly) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"[Add-Ins32]\r\nVBOSTREL.Connect=1\r\nOther.Connect=0\r\n", "VBOSTREL.Connect=1;Other.Connect=0;"},
        {"[Other]\nA.B=1\n[add-ins32]\n; A.C=1\n  A.D = 1 \nA.E=3\nnot an entry\n[Next]\nA.F=1\n",
         "A.D=1;A.E=0;"},
        {"[Add-Ins32]\nA.B=0\na.b=1\n", "A.B=0;"},  // the first of a ProgID counts, as the writer updates it
        {"[Add-Ins32]\n=1\nA.B=\n", "A.B=0;"},
        {"[Add-Ins32\nA.B=1\n", ""},
    };
    for (const Case& c : cases) {
        std::ofstream(mFile, std::ios::binary) << c.text;
        EXPECT_EQ(Describe(host::ReadAddInList(mFile)), c.expected) << c.text;
    }
    fs::remove(mFile);
    EXPECT_TRUE(host::ReadAddInList(mFile).empty());
}

TEST_F(AddInListTest, LoadOnStartupIsWrittenBackKeepingTheRest) {
    std::ofstream(mFile, std::ios::binary) << "[Add-Ins32]\r\nA.B=0\r\nC.D=1\r\n";
    host::WriteLoadOnStartup(mFile, "a.b", true);
    host::WriteLoadOnStartup(mFile, "C.D", false);
    host::WriteLoadOnStartup(mFile, "E.F", true);
    EXPECT_EQ(Describe(host::ReadAddInList(mFile)), "A.B=1;C.D=0;E.F=1;");
    std::stringstream text;
    text << std::ifstream(mFile, std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "[Add-Ins32]\r\nA.B=1\r\nC.D=0\r\nE.F=1\r\n");
}

TEST(AddInListFileTest, LiesInTheUsersConfigurationFolder) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/config-home", 1);
    EXPECT_EQ(host::AddInListFile(), fs::path("/tmp/config-home/vbaddin.ini"));
    ::setenv("XDG_CONFIG_HOME", "", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(host::AddInListFile(), fs::path(home != nullptr ? home : ".") / ".config" / "vbaddin.ini");
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
