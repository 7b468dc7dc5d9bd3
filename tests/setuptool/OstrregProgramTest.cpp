#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "setuptool/SplitString.h"

namespace {

namespace fs = std::filesystem;

// The program in a folder of its own, so that its instruction file is the test's.
class Ostrreg : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ostrreg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        mFolder = pattern;
        fs::copy_file(OSTRREG_PATH, mFolder / "ostrreg");
    }
    void TearDown() override { fs::remove_all(mFolder); }

    // Runs the program; what it wrote on standard error goes to mErr.
    int Run() {
        const std::string program = (mFolder / "ostrreg").string();
        const std::string errFile = mFolder.string() + ".err";
        char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t child = 0;
        const int started = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (started != 0)
            return -1;
        int status = 0;
        waitpid(child, &status, 0);
        mErr = Read(errFile);
        fs::remove(errFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void Write(const fs::path& path, const std::string& content) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    std::vector<std::string> Contents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(mFolder)) {
            names.push_back(fs::relative(entry.path(), mFolder).string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path mFolder;
    std::string mErr;
};

TEST_F(Ostrreg, WithoutAnInstructionFileChangesNothing) {
    Write(mFolder / "a.ini", "[S]\nk=1\n");
    Write(mFolder / "x.lnk", "shortcut");
    const std::vector<std::string> before = Contents();

    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(Read(mFolder / "a.ini"), "[S]\nk=1\n");
}

TEST_F(Ostrreg, CarriesOutItsInstructionsInOrderAndSkipsEverythingElse) {
    const std::string t = mFolder.string();
    Write(mFolder / "keep.ini", "; kept\r\n[Other]\r\nk=0\r\n");
    for (const char* name : {"links/x.lnk", "links/y.lnk", "links/keep.txt", "links/sub.lnk/inner.lnk",
                             "links/deeper/z.lnk", "single.desktop"}) {
        Write(mFolder / name, "file");
    }
    Write(mFolder / "OSTRREG.INS",
          "; the add-in's setup\r\n"
          "INI=" +
              t +
              "/a.ini;Sect;Key;Val\r\n"
              "   INI=" +
              t +
              "/keep.ini;Add-Ins32;VBOSTREL.Connect;1   \r\n"
              "INI =" +
              t +
              "/skipped1.ini;S;K;V\r\n"
              "ini=" +
              t +
              "/skipped2.ini;S;K;V\r\n"
              "INI=" +
              t +
              "/skipped3.ini;S;K;\r\n"
              "INI=" +
              t +
              "/skipped4.ini;S;K;V;X\r\n"
              "INI=" +
              t +
              "/skipped5.ini;S;K;a=b\r\n"
              "\r\n"
              "DELETE_SHORTCUT=" +
              t +
              "/missing.lnk\r\n"
              "DELETE_SHORTCUT=" +
              t +
              "/links/*.lnk\r\n"
              "DELETE_SHORTCUT=" +
              t +
              "/single.desktop\r\n"
              "INI=" +
              t +
              "/a.ini;SECT;key;Val2\r\n"
              "INI=" +
              t + "/last.ini;S;K;V");

    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(mErr, "");

    EXPECT_EQ(Read(mFolder / "a.ini"), "[Sect]\nKey=Val2\n");
    EXPECT_EQ(Read(mFolder / "keep.ini"),
              "; kept\r\n[Other]\r\nk=0\r\n[Add-Ins32]\r\nVBOSTREL.Connect=1\r\n");
    EXPECT_EQ(Read(mFolder / "last.ini"), "[S]\nK=V\n");
    const std::vector<std::string> expected = {"OSTRREG.INS",
                                               "a.ini",
                                               "keep.ini",
                                               "last.ini",
                                               "links",
                                               "links/deeper",
                                               "links/deeper/z.lnk",
                                               "links/keep.txt",
                                               "links/sub.lnk",
                                               "links/sub.lnk/inner.lnk",
                                               "ostrreg"};
    EXPECT_EQ(Contents(), expected);
}

TEST_F(Ostrreg, EachFailedInstructionIsToldByItsLineAndTheRestGoOn) {
    const std::string t = mFolder.string();
    Write(mFolder / "readonly.ini", "[S]\nk=0\n");
    fs::permissions(mFolder / "readonly.ini", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directories(mFolder / "folder.ini");
    fs::create_directories(mFolder / "folder.lnk");
    // A byte order mark, then lines ended by CR alone, as some editors save them.
    const std::vector<std::string> lines = {
        "INI=" + t + "/no/such/folder.ini;S;K;V",                    // 1: fails
        "INI=" + t + "/folder.ini;S;K;V",                            // 2: fails
        "INI=" + t + "/readonly.ini;S;K;V",                          // 3: fails
        "INI=" + t + "/good.ini;S;K;V",                              // 4
        "DELETE_SHORTCUT=" + t + "/folder.lnk",                      // 5: fails
        "INI=" + t + "/nul.ini;S;K;a" + std::string(1, '\0') + "b",  // 6: fails
        "DELETE_SHORTCUT=" + t + "/missing.lnk",                     // 7
        "INI=" + t + "/last.ini;S;K;V",                              // 8
        "INI=" + t + "/empty-section.ini;;K;V",                      // 9: fails
    };
    std::string text = "\xEF\xBB\xBF";
    for (const auto& line : lines)
        text += line + "\r";
    Write(mFolder / "OSTRREG.INS", text);

    EXPECT_EQ(Run(), 1);

    for (size_t number : {1, 2, 3, 5, 6, 9}) {
        const std::string said =
            "OSTRREG.INS, line " + std::to_string(number) + " (" + lines[number - 1] + "): ";
        EXPECT_NE(mErr.find(said), std::string::npos) << said << "\n" << mErr;
    }
    for (size_t number : {4, 7, 8})
        EXPECT_EQ(mErr.find(", line " + std::to_string(number) + " ("), std::string::npos) << mErr;
    EXPECT_EQ(Read(mFolder / "good.ini"), "[S]\nK=V\n");
    EXPECT_EQ(Read(mFolder / "last.ini"), "[S]\nK=V\n");
    EXPECT_EQ(Read(mFolder / "readonly.ini"), "[S]\nk=0\n");
    EXPECT_EQ(fs::status(mFolder / "readonly.ini").permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    const std::vector<std::string> expected = {"OSTRREG.INS", "folder.ini", "folder.lnk",  "good.ini",
                                               "last.ini",    "ostrreg",    "readonly.ini"};
    EXPECT_EQ(Contents(), expected);
}

// The file names the list bare, so that it is found for whoever runs the program, not who built it.
TEST(OstrregBuild, ListsTheAddInInTheListOfWhoeverRunsIt) {
    std::ifstream file(fs::path(OSTRREG_PATH).parent_path() / "OSTRREG.INS");
    std::string line;
    ASSERT_TRUE(std::getline(file, line));
    std::vector<std::string> instruction;
    ASSERT_EQ(OstrlReg_Mods::SplitString(instruction, line, "="), 2);
    EXPECT_EQ(instruction[0], "INI");
    std::vector<std::string> entry;
    ASSERT_EQ(OstrlReg_Mods::SplitString(entry, instruction[1], ";"), 4);
    EXPECT_EQ(entry[0], "vbaddin.ini");
    EXPECT_EQ(entry[1], "Add-Ins32");
    EXPECT_EQ(entry[2], "VBOSTREL.Connect");
    EXPECT_EQ(entry[3], "1");
}

}  // namespace
