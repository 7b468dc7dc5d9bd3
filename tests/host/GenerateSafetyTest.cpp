// `ostrel generate` never loses a developer's line, whatever it finds on disk: files the group does not
// list, marker look-alikes, broken markers, runs at once and runs that are killed.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "host/GenerateCommand.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "tests/support/FileTree.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Tree = testing_support::FileTree;
using testing_support::Contents;
using testing_support::TreeOf;

// The file's lines without those holding `text`.
void RemoveLinesHolding(const fs::path& file, const std::string& text) {
    std::istringstream in(Contents(file));
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        if (line.find(text) == std::string::npos)
            kept += line + "\n";
    }
    std::ofstream(file, std::ios::binary) << kept;
}

class GenerateSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        mFolder =
            fs::temp_directory_path() / ("ostrel-safety-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(mFolder);
        fs::create_directories(mFolder / "tmp");
        if (const char* previous = std::getenv("TMPDIR"))
            mPreviousTmpDir = previous;
        ::setenv("TMPDIR", (mFolder / "tmp").c_str(), 1);
    }
    void TearDown() override {
        if (mPreviousTmpDir.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", mPreviousTmpDir.c_str(), 1);
        fs::remove_all(mFolder);
    }

    static fs::path SampleRepository() {
        return fs::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb";
    }
    static Lines Arguments(const fs::path& out, bool discard = false) {
        Lines arguments = {"--repository", SampleRepository().string(),
                           "--app",        "OrderEntry",
                           "--out",        out.string(),
                           "--objects",    "Product"};
        if (discard)
            arguments.push_back("--discard-edits");
        return arguments;
    }

    // One run in this process.
    int Generate(const fs::path& out, bool discard = false) {
        std::string error;
        const auto command = host::ParseGenerateCommand(Arguments(out, discard), error);
        EXPECT_TRUE(command) << error;
        std::ostringstream ignored;
        mErr.str("");
        return host::RunGenerateCommand(*command, ignored, mErr);
    }

    // One run of the program; its process id. The sanitizers keep no freed memory and no allocation
    // stacks in it, so that twenty runs stay quick.
    static pid_t Start(const fs::path& out) {
        Lines arguments = Arguments(out);
        arguments.insert(arguments.begin(), {OSTREL_PROGRAM, "generate"});
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        Lines environment = {"ASAN_OPTIONS=quarantine_size_mb=1:malloc_context_size=0:detect_leaks=0"};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            if (!std::string_view(*variable).starts_with("ASAN_OPTIONS="))
                environment.emplace_back(*variable);
        }
        std::vector<char*> envp;
        for (auto& variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int started = posix_spawn(&child, OSTREL_PROGRAM, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return started == 0 ? child : -1;
    }
    static int Wait(pid_t child) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A developer's line below every start marker of every component, marker look-alikes among them;
    // returns them all.
    static Lines AddDevelopersLines(const fs::path& out) {
        const fs::path group = out / "OrderEntry.vbg";
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, group);
        Lines mine;
        for (const auto& project : vbe->VBProjects()) {
            for (const auto& component : project->VBComponents()) {
                const auto code = component->CodeModule();
                for (int32_t line = code->CountOfLines(); line >= 1; --line) {
                    if (code->Lines(line, 1).find("'<<<Start Edit Point:") == std::string::npos)
                        continue;
                    const std::string tag = component->Name() + " " + std::to_string(line);
                    const Lines added = {"    ' mine: " + tag, "    s = \"'>>>End Edit Point: " + tag + "\"",
                                         "    Debug.Print 1 '>>>End Edit Point: " + tag,
                                         "    ' and '<<<Start Edit Point: " + tag};
                    for (size_t i = 0; i < added.size(); ++i)
                        code->InsertLines(line + 1 + static_cast<int32_t>(i), added[i]);
                    mine.insert(mine.end(), added.begin(), added.end());
                }
            }
        }
        vbide::SaveProjectGroup(*vbe, group);
        return mine;
    }

    // Each line stands exactly once in the folder's files.
    static void ExpectEachOnce(const fs::path& out, const Lines& lines) {
        std::map<std::string, int> seen;
        for (const auto& [path, text] : TreeOf(out)) {
            std::istringstream in(text);
            for (std::string line; std::getline(in, line);) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                ++seen[line];
            }
        }
        for (const auto& line : lines)
            EXPECT_EQ(seen[line], 1) << line;
    }

    static Lines TemporaryFiles(const fs::path& folder) {
        Lines found;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().string().ends_with(".~tmp") || entry.path().string().ends_with(".~lst"))
                found.push_back(entry.path().string());
        }
        return found;
    }
    // What the per-user temporary folder holds.
    Lines ScratchFiles() const {
        Lines found;
        for (const auto& entry : fs::recursive_directory_iterator(mFolder / "tmp")) {
            if (entry.path().parent_path() != mFolder / "tmp")
                found.push_back(entry.path().string());
        }
        return found;
    }

    fs::path mFolder;
    std::string mPreviousTmpDir;
    std::ostringstream mErr;
};

TEST_F(GenerateSafety, FilesTheGroupDoesNotListAreNeverWrittenOver) {
    const fs::path pristine = mFolder / "pristine";
    ASSERT_EQ(Generate(pristine), 0) << mErr.str();
    AddDevelopersLines(pristine);

    const struct {
        const char* name;
        std::function<void(const fs::path&)> damage;
        const char* named;  // the file the message names, when one alone can be first
    } cases[] = {
        {"the group file deleted", [](const fs::path& out) { fs::remove(out / "OrderEntry.vbg"); }, nullptr},
        {"a project's line gone",
         [](const fs::path& out) { RemoveLinesHolding(out / "OrderEntry.vbg", "OrderEntryData"); },
         "OrderEntryData/OrderEntryData.vbp"},
        {"a class's line gone",
         [](const fs::path& out) {
             RemoveLinesHolding(out / "OrderEntryBusiness" / "OrderEntryBusiness.vbp", "Class=Product;");
         },
         "OrderEntryBusiness/Product.cls"},
        {"VB files but no group",
         [](const fs::path& out) {
             for (const char* gone : {"OrderEntry.vbg", "OrderEntryData", "OrderEntryUI"})
                 fs::remove_all(out / gone);
             RemoveLinesHolding(out / "OrderEntryBusiness" / "OrderEntryBusiness.vbp", "");
         },
         nullptr},
    };
    for (const auto& c : cases) {
        for (const bool discard : {false, true}) {
            const fs::path out = mFolder / "case";
            fs::remove_all(out);
            fs::copy(pristine, out, fs::copy_options::recursive);
            c.damage(out);
            const Tree before = TreeOf(out);
            EXPECT_EQ(Generate(out, discard), 1) << c.name;
            const std::string named = c.named ? (out / c.named).string() : out.string();
            EXPECT_NE(mErr.str().find(named), std::string::npos) << c.name << ": " << mErr.str();
            EXPECT_NE(mErr.str().find(" is not part of the project group"), std::string::npos) << mErr.str();
            EXPECT_TRUE(TreeOf(out) == before) << c.name << (discard ? " (discarding)" : "");
        }
    }
}

TEST_F(GenerateSafety, LookAlikesAreCodeAndBrokenMarkersStopTheRun) {
    const fs::path out = mFolder / "out";
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    const Lines mine = AddDevelopersLines(out);
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    ExpectEachOnce(out, mine);
    EXPECT_EQ(ScratchFiles(), Lines{});

    const fs::path product = out / "OrderEntryBusiness" / "Product.cls";
    const struct {
        const char* name;
        const char* removed;  // the marker line taken out
        const char* says;
    } cases[] = {
        {"an end marker deleted", "'>>>End Edit Point: Error Constants",
         "the edit point \"Error Constants\" has no end marker"},
        {"a start marker deleted", "'<<<Start Edit Point: Error Constants",
         "the end marker of the edit point \"Error Constants\" has no start marker"},
    };
    const std::string intact = Contents(product);
    for (const auto& c : cases) {
        std::ofstream(product, std::ios::binary) << intact;
        RemoveLinesHolding(product, c.removed);
        const Tree before = TreeOf(out);
        EXPECT_EQ(Generate(out), 1) << c.name;
        EXPECT_NE(mErr.str().find("Line "), std::string::npos) << mErr.str();
        EXPECT_NE(mErr.str().find(product.string() + ": " + c.says), std::string::npos) << mErr.str();
        EXPECT_TRUE(TreeOf(out) == before) << c.name;
    }
}

TEST_F(GenerateSafety, TwoRunsAtOnceEachSucceedAndLeaveNoScratchFile) {
    const fs::path first = mFolder / "first", second = mFolder / "second";
    ASSERT_EQ(Generate(first), 0) << mErr.str();
    ASSERT_EQ(Generate(second), 0) << mErr.str();
    const Lines mineFirst = AddDevelopersLines(first);
    const Lines mineSecond = AddDevelopersLines(second);
    for (int run = 0; run < 20; ++run) {
        const pid_t a = Start(first);
        const pid_t b = Start(second);
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        EXPECT_EQ(Wait(a), 0) << "run " << run;
        EXPECT_EQ(Wait(b), 0) << "run " << run;
        EXPECT_EQ(ScratchFiles(), Lines{}) << "run " << run;
    }
    ExpectEachOnce(first, mineFirst);
    ExpectEachOnce(second, mineSecond);
}

TEST_F(GenerateSafety, AKilledRunIsFollowedByAGoodOne) {
    const fs::path out = mFolder / "out";
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    const Lines mine = AddDevelopersLines(out);
    // How long a whole run takes here, so that the kills fall anywhere in one.
    const auto began = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Start(out)), 0);
    const auto lasts = std::chrono::steady_clock::now() - began;

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int64_t> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(lasts).count());
    for (int kill = 0; kill < 10; ++kill) {
        const pid_t child = Start(out);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        Wait(child);
    }
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    ExpectEachOnce(out, mine);
    EXPECT_EQ(TemporaryFiles(out), Lines{});
}

}  // namespace
