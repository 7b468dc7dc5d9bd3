// `ostrel generate` never loses a developer's line, whatever it finds on disk: files the group does not
// list, marker look-alikes, broken markers, runs at once and runs that are killed.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "host/GenerateCommand.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "tests/support/FileTree.h"
#include "tests/support/LimitEdges.h"
#include "tests/support/RecordedSaveSteps.h"

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

// A class's text with `line` added in its edit point `editPoint`, as a developer adds it.
std::string WithLineInEditPoint(std::string text, const std::string& line,
                                const std::string& editPoint = "Error Constants") {
    const std::string marker = "'<<<Start Edit Point: " + editPoint + "\r\n";
    text.insert(text.find(marker) + marker.size(), line + "\r\n");
    return text;
}

// The developer adds `line` to the class in `file` and saves it.
void SaveWithLineInEditPoint(const fs::path& file, const std::string& line,
                             const std::string& editPoint = "Error Constants") {
    const std::string text = WithLineInEditPoint(Contents(file), line, editPoint);
    std::ofstream(file, std::ios::binary) << text;
}

// The tree without the lines that tell when a file was generated.
Tree Undated(Tree tree) {
    for (auto& [path, text] : tree) {
        for (size_t at = text.find("'Date: "); at != std::string::npos; at = text.find("'Date: ", at))
            text.erase(at, text.find('\n', at) - at + 1);
    }
    return tree;
}

// What a run says of a file that changed after it was read, or after a stopped save began, and is left as
// it is: where the save's text is kept.
std::string KeptWarning(const fs::path& file, bool stopped, const fs::path& unsaved) {
    return "warning: " + file.string() +
           (stopped
                ? " changed after a save that was stopped had begun, so it is left as it is; what that save"
                : " changed after it was read, so it is left as it is; what this save") +
           " would have written is kept in " + unsaved.string() + ".\n";
}

// The number of the file's first line that is `text`, as an editor numbers it; 0 when none is.
int LineNumberOf(const fs::path& file, const std::string& text) {
    std::istringstream in(Contents(file));
    int number = 1;
    for (std::string line; std::getline(in, line); ++number) {
        if (line == text + "\r")
            return number;
    }
    return 0;
}

// Does `act` on another thread once `file` has been read, as another editor saving a file that a run has
// read, while the run goes on; gives up after 30 seconds.
class AfterRead {
  public:
    AfterRead(const fs::path& file, std::function<void()> act) : mWatch(::inotify_init1(IN_CLOEXEC)) {
        EXPECT_GE(::inotify_add_watch(mWatch, file.c_str(), IN_CLOSE_NOWRITE), 0);
        mThread = std::thread([this, act = std::move(act)] {
            pollfd ready{mWatch, POLLIN, 0};
            alignas(inotify_event) char event[sizeof(inotify_event) + NAME_MAX + 1];
            if (::poll(&ready, 1, 30000) == 1 && ::read(mWatch, event, sizeof event) > 0)
                act();
        });
    }
    ~AfterRead() {
        mThread.join();
        ::close(mWatch);
    }

  private:
    int mWatch;
    std::thread mThread;
};

// What a run that a failing call on `place` stops prints: the error, the system's reason `says`, `after`.
std::string Refused(const fs::path& place, const std::string& says,
                    const std::string& after = " (error 75, vbide)\n",
                    const std::string& error = "Path/File access error") {
    return "ostrel generate: " + error + ": " + place.string() + ": " + says + after;
}
const std::string kFailingDisk =
    "the device reported an input/output error. The disk may be failing: check it before going on.";

// Runs SQL on a repository file.
void Change(const fs::path& repository, const std::string& sql) {
    dao::SqliteDatabase::Open(repository, dao::OpenMode::ReadWrite)->Execute(sql);
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
    static Lines Arguments(const fs::path& out, bool discard = false,
                           const fs::path& repository = SampleRepository()) {
        Lines arguments = {"--repository", repository.string(), "--app",     "OrderEntry",
                           "--out",        out.string(),        "--objects", "Product"};
        if (discard)
            arguments.push_back("--discard-edits");
        return arguments;
    }

    // One run in this process.
    int Generate(const fs::path& out, bool discard = false, const fs::path& repository = SampleRepository()) {
        std::string error;
        const auto command = host::ParseGenerateCommand(Arguments(out, discard, repository), error);
        EXPECT_TRUE(command) << error;
        std::ostringstream ignored;
        mErr.str("");
        return host::RunGenerateCommand(*command, ignored, mErr);
    }

    // One run of the program; its process id. The sanitizers keep no freed memory and no allocation
    // stacks in it, so that twenty runs stay quick. Its errors go to `errors`, FileSystemFaults' `fault` in.
    static pid_t Start(const fs::path& out, const fs::path& errors = {}, const std::string& fault = {}) {
        Lines arguments = Arguments(out);
        arguments.insert(arguments.begin(), {OSTREL_PROGRAM, "generate"});
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        Lines environment = {"ASAN_OPTIONS=quarantine_size_mb=1:malloc_context_size=0:detect_leaks=0"};
        if (!fault.empty())
            environment = {environment[0] + ":verify_asan_link_order=0", "LD_PRELOAD=" FILE_SYSTEM_FAULTS,
                           "OSTREL_FAULT=" + fault};
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
        if (!errors.empty())
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT,
                                             0600);
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
    // One run of the program, killed when it takes longer than a run can (a run that waits for ever
    // fails the test at once); its exit code (-1 when killed), its errors in mErr.
    int RunWithinSeconds(const fs::path& out, const std::string& fault = {}) {
        const fs::path errors = mFolder / "errors.txt";
        fs::remove(errors);
        const pid_t child = Start(out, errors, fault);
        EXPECT_GT(child, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                ADD_FAILURE() << "the run did not end within 30 seconds";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        mErr.str(Contents(errors));
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

    // A group with the developer's lines, generated again, as a regeneration leaves it: a run over it
    // changes only the dates. Returns the developer's lines.
    Lines Regenerated(const fs::path& out) {
        EXPECT_EQ(Generate(out), 0) << mErr.str();
        const Lines mine = AddDevelopersLines(out);
        EXPECT_EQ(Generate(out), 0) << mErr.str();
        return mine;
    }

    // Each line stands exactly once in the folder's files (what a save would have written, kept beside a
    // file the developer changed since, aside).
    static void ExpectEachOnce(const fs::path& out, const Lines& lines) {
        std::map<std::string, int> seen;
        for (const auto& [path, text] : TreeOf(out)) {
            if (path.find(".unsaved") != std::string::npos)
                continue;
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

TEST_F(GenerateSafety, MarkerLookAlikesAreCode) {
    const fs::path out = mFolder / "out";
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    const Lines mine = AddDevelopersLines(out);
    ASSERT_EQ(Generate(out), 0) << mErr.str();
    ExpectEachOnce(out, mine);
    EXPECT_EQ(ScratchFiles(), Lines{});
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

TEST_F(GenerateSafety, EveryRefusalSaysWhatIsWrongAndChangesNothing) {
    const fs::path pristine = mFolder / "pristine";
    ASSERT_EQ(Generate(pristine), 0) << mErr.str();
    AddDevelopersLines(pristine);
    const fs::path out = mFolder / "out", repository = mFolder / "vbostrel.mdb";
    const fs::path temp = mFolder / "tmp" / ("ostrel-" + std::to_string(::getuid()));
    const fs::path product = out / "OrderEntryBusiness" / "Product.cls";
    const fs::path form = out / "OrderEntryUI" / "frmProductList.frm";
    // The line before has told why: the question guesses no other cause.
    const auto notCreated = [](const std::string& component) {
        return "The component: " + component +
               " could not be created. Do you want to continue. (error 5, BuildDriver.Generate)\n";
    };
    const auto brokenMarker = [&](const fs::path& file, const std::string& line, const std::string& says) {
        return "ostrel generate: Line " + std::to_string(LineNumberOf(file, line)) + " of " + file.string() +
               ": " + says + ". Mend the marker, then generate again.\n" + notCreated(file.stem().string());
    };
    const auto unusableTemp = [&](const fs::path& folder, const std::string& reason) {
        return "ostrel generate: The temporary folder " + folder.string() + " cannot be used: " + reason +
               ". Code between edit points cannot be kept without it; mend it, or point TMPDIR at another "
               "folder, then generate again.\n" +
               notCreated("Product");
    };
    const fs::path formTemplate = fs::path(OSTREL_PROGRAM).parent_path() / "frmStd_List.frm";
    const auto unloadable = [](const std::string& row, const std::string& says, int number) {
        return "ostrel generate: The repository row " + row + " cannot be loaded: " + says + " (error " +
               std::to_string(number) + ", LoadApplication)\n";
    };
    const struct {
        const char* name;
        std::function<void()> damage;
        std::function<std::string()> message;  // the whole of what the run prints
        std::string fault = {};                // what FileSystemFaults makes fail in the run
    } cases[] = {
        {"a class's end marker deleted",
         [&] { RemoveLinesHolding(product, "'>>>End Edit Point: Error Constants"); },
         [&] {
             return brokenMarker(product, "'<<<Start Edit Point: Error Constants",
                                 "the edit point \"Error Constants\" has no end marker");
         }},
        {"a form's start marker deleted",
         [&] { RemoveLinesHolding(form, "'<<<Start Edit Point: Search - Error Processing"); },
         [&] {
             return brokenMarker(
                 form, "'>>>End Edit Point: Search - Error Processing",
                 "the end marker of the edit point \"Search - Error Processing\" has no start "
                 "marker");
         }},
        {"a generated file made read-only",
         [&] {
             fs::permissions(product, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         [&] {
             return "ostrel generate: " + product.string() +
                    " is read-only, and saving would write over it. Nothing has been saved; make the file "
                    "writable to let it be saved, or move it away. (error 70, vbide)\n";
         }},
        {"a folder where the save list goes", [&] { fs::create_directory(out / "~save.~lst"); },
         [&] {
             return "ostrel generate: " + (out / "~save.~lst").string() +
                    " stands where the save list goes. Nothing has been saved; move it away, then save "
                    "again. "
                    "(error 75, vbide)\n";
         }},
        {"a cut line in the group file",
         [&] {
             const std::string group = Contents(out / "OrderEntry.vbg");
             std::ofstream(out / "OrderEntry.vbg", std::ios::binary) << group.substr(0, group.size() - 10);
         },
         [&] {
             return "ostrel generate: Invalid file format: " + (out / "OrderEntry.vbg").string() +
                    ", line 4: the line is incomplete: the file ends inside it (error 321, vbide)\n";
         }},
        {"a file in the place of the temporary folder", [&] { std::ofstream(temp) << "mine"; },
         [&] { return unusableTemp(temp, "it is not a folder"); }},
        {"a temporary folder that others may use",
         [&] {
             fs::create_directory(temp);
             fs::permissions(temp, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
         },
         [&] { return unusableTemp(temp, "others may use it (its mode is 0755, not 0700)"); }},
        {"no temporary folder", [&] { ::setenv("TMPDIR", (mFolder / "gone").c_str(), 1); },
         [&] { return unusableTemp(mFolder / "gone", "No such file or directory"); }},
        {"no space in the output folder", [] {},
         [&] {
             return Refused(out / "OrderEntryBusiness" / "CommonLogical.bas",
                            "no space is left on the device. Free some space on it, then save again.");
         },
         "write 28 " + out.string() + "/"},
        {"a quota exceeded in the output folder", [] {},
         [&] {
             return Refused(
                 out / "OrderEntryBusiness" / "CommonLogical.bas",
                 "the disk quota is exceeded. Free some space within the quota, or have it raised, "
                 "then save again.");
         },
         "write 122 " + out.string() + "/"},
        {"no space in the temporary folder", [] {},
         [&] { return unusableTemp(temp, "no space is left on the device"); },
         "write 28 " + temp.string() + "/"},
        {"an I/O error reading a form template", [] {},
         [&] { return Refused(formTemplate, kFailingDisk, "\n" + notCreated("frmProductList")); },
         "read 5 " + formTemplate.string()},
        {"an I/O error on a sync", [] {}, [&] { return Refused(out, kFailingDisk); },
         "syncfs 5 " + out.string()},
        {"a read-only file system", [] {},
         [&] {
             return Refused(out / "OrderEntry.vbg",
                            "the file system is read-only. Mount it writable, or save into another folder.",
                            " (error 70, vbide)\n", "Permission denied");
         },
         "access 30 " + out.string() + "/"},
        {"a repository that is no SQLite file", [&] { std::ofstream(repository) << "not a database"; },
         [&] {
             return "ostrel generate: The file " + repository.string() +
                    " is not a VBOstrel repository, or it is damaged: file is not a database. (error 26, "
                    "OpenRepository)\n";
         }},
        {"a repository without a table", [&] { Change(repository, "DROP TABLE Method"); },
         [&] {
             return "ostrel generate: The file " + repository.string() +
                    " is not a VBOstrel repository, or it is damaged: it has no table Method. (error 3343, "
                    "OpenRepository)\n";
         }},
        {"a repository without its version table", [&] { Change(repository, "DROP TABLE VBOstrel"); },
         [&] {
             return "ostrel generate: The file " + repository.string() +
                    " is a VBOstrel repository of an older format (it has no table VBOstrel). This command "
                    "only reads it and leaves it as it is: open it once in the builder, which brings it up "
                    "to "
                    "date, then run the command again. (error 3343, OpenRepository)\n";
         }},
        {"a Null where text is expected",
         [&] { Change(repository, "UPDATE Property SET Label = NULL WHERE ID = 1"); },
         [&] {
             return unloadable("Property ID 1 (\"CustomerID\")",
                               "its column Label holds Null, where text is expected.", 94);
         }},
        {"text where a number is expected",
         [&] { Change(repository, "UPDATE Field SET Length = 'long' WHERE ID = 1"); },
         [&] {
             return unloadable("Field ID 1 (\"CustomerID\")",
                               "its column Length holds \"long\", where a whole number from -2147483648 to "
                               "2147483647 is expected.",
                               13);
         }},
        {"a business object that is not there",
         [&] { Change(repository, "UPDATE Association SET TargetBusObjID = 999 WHERE ID = 1"); },
         [&] {
             return unloadable(
                 "Association ID 1 (\"is placed by\")",
                 "its column TargetBusObjID holds \"999\", where the ID of a business object of "
                 "the application is expected.",
                 3021);
         }},
        {"a property name used twice",
         [&] { Change(repository, "UPDATE Property SET Name = 'CustomerID' WHERE ID = 2"); },
         [&] {
             return unloadable(
                 "Property ID 2 (\"CustomerID\")",
                 "its column Name holds \"CustomerID\", where a value that no other row with the "
                 "same owner holds is expected.",
                 457);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::setenv("TMPDIR", (mFolder / "tmp").c_str(), 1);
        fs::remove_all(temp);
        fs::remove_all(out);
        fs::copy(pristine, out, fs::copy_options::recursive);
        fs::remove(repository);
        fs::copy_file(SampleRepository(), repository);
        c.damage();
        const Tree before = TreeOf(out);
        const std::string repositoryBefore = Contents(repository);
        EXPECT_EQ(c.fault.empty() ? Generate(out, false, repository) : RunWithinSeconds(out, c.fault), 1);
        EXPECT_EQ(mErr.str(), c.message());
        EXPECT_TRUE(TreeOf(out) == before);
        EXPECT_EQ(Contents(repository), repositoryBefore);
    }
}

// Code kept between edit points that takes a procedure past 64 KB is the developer's to move: the refusal
// names the procedure as VB does and the edit point holding the code.
TEST_F(GenerateSafety, KeptCodeThatMakesAProcedureTooLargeIsNamedAndChangesNothing) {
    const fs::path pristine = mFolder / "pristine", out = mFolder / "out";
    ASSERT_EQ(Generate(pristine), 0) << mErr.str();
    const struct {
        const char* file;
        const char* editPoint;
        const char* procedure;
        int generatedBytes;  // of the procedure as generated
    } cases[] = {
        {"OrderEntryData/ProductPersist.cls", "Add - Recordset Open", "Sub Add", 1786},
        {"OrderEntryBusiness/Product.cls", "Property_Get_ 13 - Error Processing", "Property Get SupplierCode",
         1417},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.procedure);
        fs::remove_all(out);
        fs::copy(pristine, out, fs::copy_options::recursive);
        const size_t kept = 65536 - c.generatedBytes;  // one byte past the limit
        std::string code;
        for (const std::string& line : testing_support::CommentBytes(kept))
            code += (code.empty() ? "" : "\r\n") + line;
        SaveWithLineInEditPoint(out / c.file, code, c.editPoint);
        const Tree before = TreeOf(out);
        EXPECT_EQ(RunWithinSeconds(out), 1);
        EXPECT_EQ(mErr.str(),
                  "ostrel generate: VB cannot load \"" + fs::path(c.file).stem().string() +
                      "\", which the build wrote into the project \"" +
                      fs::path(c.file).parent_path().string() + "\":\nprocedure " + c.procedure +
                      ": 65536 bytes of code, more than the 65535 VB compiles in one procedure; of "
                      "these, code kept between edit points: " +
                      std::to_string(kept) + " bytes in \"" + c.editPoint +
                      "\"\nGeneration aborted! Move the code kept between those edit points into a "
                      "procedure of its own (or several, each under 64 KB), call it from there, and "
                      "build again. (error 5, BuildDriver.Generate)\n");
        EXPECT_TRUE(TreeOf(out) == before);
    }
}

TEST_F(GenerateSafety, ProjectFilesWithAnyLineEndsAreRead) {
    const fs::path pristine = mFolder / "pristine", out = mFolder / "out";
    ASSERT_EQ(Generate(pristine), 0) << mErr.str();
    const Lines mine = AddDevelopersLines(pristine);
    const struct {
        std::string lineEnd;
        bool last;  // whether the last line has one too, as editors differ there
    } cases[] = {{"\n", true}, {"\r", true}, {"\r\r\n", true}, {"\r\n", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lineEnd) + (c.last ? "" : ", none after the last line"));
        fs::remove_all(out);
        fs::copy(pristine, out, fs::copy_options::recursive);
        for (const auto& entry : fs::recursive_directory_iterator(out)) {
            if (!entry.is_regular_file())
                continue;
            std::string text = Contents(entry.path());
            for (size_t at = text.find("\r\n"); at != std::string::npos;
                 at = text.find("\r\n", at + c.lineEnd.size()))
                text.replace(at, 2, c.lineEnd);
            if (!c.last)
                text.resize(text.size() - c.lineEnd.size());
            std::ofstream(entry.path(), std::ios::binary) << text;
        }
        ASSERT_EQ(Generate(out), 0) << mErr.str();
        ExpectEachOnce(out, mine);
    }
}

// A save stopped after its list was written is finished by the next run, but never over a file the developer
// changed since: every developer's line stays.
TEST_F(GenerateSafety, AStoppedSaveNeverTakesALineTheDeveloperAddedSince) {
    const fs::path pristine = mFolder / "pristine", out = mFolder / "out";
    ASSERT_EQ(Generate(pristine), 0) << mErr.str();
    Lines mine = AddDevelopersLines(pristine);
    const fs::path product = out / "OrderEntryBusiness" / "Product.cls";
    const std::string added = "    ' added after the stop";
    mine.push_back(added);
    // The files a save writes here; a commit flushes them, writes its list, then renames each.
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(pristine))
        files += entry.is_regular_file() ? 1 : 0;
    const struct {
        const char* name;
        size_t stopAfter;
    } cases[] = {
        {"no rename done", 2}, {"some renames done", 2 + files / 2}, {"every rename done", 2 + files}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out);
        fs::copy(pristine, out, fs::copy_options::recursive);
        testing_support::StopSave([&] { Generate(out); }, c.stopAfter);
        ASSERT_TRUE(fs::exists(out / "~save.~lst"));
        SaveWithLineInEditPoint(product, added);  // a listed file
        const bool waited = fs::exists(fs::path(product.string() + ".~tmp"));
        EXPECT_TRUE(waited || c.stopAfter > 2);  // before any rename, every file waits

        ASSERT_EQ(Generate(out), 0) << mErr.str();
        ExpectEachOnce(out, mine);
        EXPECT_EQ(TemporaryFiles(out), Lines{});
        const std::string kept = product.string() + ".unsaved";
        EXPECT_EQ(fs::exists(kept), waited);
        EXPECT_EQ(mErr.str(), waited ? KeptWarning(product, true, kept) : "");
    }
}

// Whatever a backup or sync tool leaves named like a temporary file of the save, and a file that is a link:
// the save never writes through a link, never waits on a pipe, and refuses what it cannot remove.
TEST_F(GenerateSafety, NothingIsWrittenThroughALinkOrIntoAPipe) {
    const fs::path pristine = mFolder / "pristine", around = mFolder / "around", out = around / "out";
    const Lines mine = Regenerated(pristine);
    const fs::path product = out / "OrderEntryBusiness" / "Product.cls";
    const fs::path temporary = product.string() + ".~tmp", outside = around / "outside.cls";
    const std::string inTheWay = "ostrel generate: " + temporary.string() +
                                 " stands where a temporary file of the save goes, and it is not a file. "
                                 "Nothing has been saved; move it away, then save again. (error 75, vbide)\n";
    const struct {
        const char* name;
        std::function<void()> leave;  // what is found beside the group
        std::string says;  // the whole of what the run prints: a refusal changes nothing, a run that goes on
                           // leaves the files as they were before
    } cases[] = {
        {"a link to a file outside", [&] { fs::create_symlink(outside, temporary); }, ""},
        {"a link to nowhere", [&] { fs::create_symlink(around / "nowhere", temporary); }, ""},
        {"a link waiting in place of a stopped save's temporary file",
         [&] {
             testing_support::StopSave([&] { Generate(out); });
             fs::remove(temporary);
             fs::create_symlink(outside, temporary);
         },
         ""},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(temporary.c_str(), 0600), 0); }, inTheWay},
        {"a folder", [&] { fs::create_directory(temporary); }, inTheWay},
        {"the class a link to a file outside",
         [&] {
             fs::rename(product, outside);
             fs::create_symlink(outside, product);
         },
         "ostrel generate: " + product.string() + " is a link to " + outside.string() +
             ", and saving would put a file in its place. Nothing has been saved; put the file itself there, "
             "or move the link away. (error 75, vbide)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(around);
        fs::create_directories(around);
        fs::copy(pristine, out, fs::copy_options::recursive);
        std::ofstream(outside, std::ios::binary) << "not the class\r\n";
        const Tree before = Undated(TreeOf(around));
        c.leave();
        const Tree left = TreeOf(around);
        EXPECT_EQ(RunWithinSeconds(out), c.says.empty() ? 0 : 1);
        EXPECT_EQ(mErr.str(), c.says);
        if (c.says.empty())
            EXPECT_EQ(Undated(TreeOf(around)), before);
        else
            EXPECT_EQ(TreeOf(around), left);
        ExpectEachOnce(around, mine);
    }
}

// The developer saves a class after the run read it: the save, and the recovery of a run killed after its
// list, keep the developer's file and put the run's text beside it, never over text kept before.
TEST_F(GenerateSafety, AFileSavedDuringTheRunIsKept) {
    const fs::path pristine = mFolder / "pristine", out = mFolder / "out";
    const Lines mine = Regenerated(pristine);
    const fs::path product = out / "OrderEntryBusiness" / "Product.cls";
    const struct {
        const char* name;
        size_t savedAfter;  // the commit's step after which the developer saves: 1 flushed, 2 listed; 0 once
                            // the run read the class, before its save began
        bool killed;        // the run is killed after its list, and the next run finishes its save
        int runs = 1;       // runs, each with a save of the developer's
    } cases[] = {
        {"saved before the list", 1, false},
        {"saved after the list", 2, false},
        {"saved before the list, killed after it", 1, true},
        {"saved after the list, killed after it", 2, true},
        {"twice saved and killed, each kept apart", 2, true, 2},
        {"saved after the run read it, before its save", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out);
        fs::copy(pristine, out, fs::copy_options::recursive);
        Tree expected = Undated(TreeOf(out));
        const std::string productFile = fs::relative(product, out).string();
        Lines added = mine;
        std::string warning;
        for (int run = 1; run <= c.runs; ++run) {
            const std::string line = "    ' saved during run " + std::to_string(run);
            const std::string unsaved = productFile + ".unsaved" + (run == 1 ? "" : std::to_string(run));
            expected[unsaved] = expected[productFile];  // a run writes again what it read
            expected[productFile] = WithLineInEditPoint(expected[productFile], line);
            added.push_back(line);
            testing_support::RecordedSaveSteps steps(c.killed ? 2 : 0, c.savedAfter,
                                                     [&] { SaveWithLineInEditPoint(product, line); });
            vbide::ScopedSaveSteps inForce(steps);
            std::optional<AfterRead> afterRead;
            if (c.savedAfter == 0)
                afterRead.emplace(product, [&] { SaveWithLineInEditPoint(product, line); });
            if (c.killed) {
                EXPECT_THROW(Generate(out), testing_support::RecordedSaveSteps::Stopped);
            } else {
                EXPECT_EQ(Generate(out), 0);
            }
            warning = KeptWarning(product, c.killed, out / unsaved);
        }
        if (c.killed) {
            EXPECT_EQ(Generate(out), 0);
        }
        EXPECT_EQ(mErr.str(), warning);
        EXPECT_EQ(Undated(TreeOf(out)), expected);
        ExpectEachOnce(out, added);
    }
}

// A folder whose save was stopped, copied as backup tools copy (times kept, inodes new): the next run
// finishes the save where the files are as the save found them.
TEST_F(GenerateSafety, ACopiedFolderWhoseSaveWasStoppedIsFinished) {
    const fs::path pristine = mFolder / "pristine", stopped = mFolder / "stopped", out = mFolder / "out";
    const Lines mine = Regenerated(pristine);
    fs::copy(pristine, stopped, fs::copy_options::recursive);
    testing_support::StopSave([&] { Generate(stopped); });
    const std::string productFile = "OrderEntryBusiness/Product.cls";
    const fs::path product = out / productFile;
    const std::string added = "    ' mine, after the copy";
    const std::string productKept = KeptWarning(product, true, product.string() + ".unsaved");
    const struct {
        const char* name;
        bool edited;                 // the developer adds a line to Product.cls in the copy
        bool olderList;              // the list as the build before hashes wrote it
        bool sameSize = false;       // the developer changes a letter of Product.cls and puts its time back
        std::string fault = {};      // what FileSystemFaults makes fail in a run before the one that finishes
        std::string failedRun = {};  // what that run says
    } cases[] = {
        {"copied", false, false},
        {"copied, then a class edited", true, false},
        {"an older list", false, true},
        {"copied, then a class edited keeping its size and time", false, false, true},
        {"copied, a class edited, then a failing rename", true, false, false,
         "rename 5 " + (out / "OrderEntry.vbg").string(),
         Refused(out / "OrderEntry.vbg", kFailingDisk,
                 "\n" + productKept.substr(9, productKept.size() - 10) + " (error 75, vbide)\n")},
        // The run stops before the class's text is kept: the next run keeps it and says where.
        {"copied, a class edited, then a failing note of where its text goes", true, false, false,
         "write 5 " + (out / "~save.~lst").string() + "$", Refused(out / "~save.~lst", kFailingDisk)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(out);
        ASSERT_EQ(std::system(("cp -a '" + stopped.string() + "' '" + out.string() + "'").c_str()), 0);
        Tree expected = Undated(TreeOf(pristine));
        std::string warnings;
        if (c.edited) {
            SaveWithLineInEditPoint(product, added);
            expected[productFile + ".unsaved"] = expected[productFile];
            expected[productFile] = WithLineInEditPoint(expected[productFile], added);
            warnings = productKept;
        }
        if (c.sameSize) {  // a generated line, which the run then writes again
            const auto time = fs::last_write_time(product);
            std::string text = Contents(product);
            text.replace(text.find("Option Explicit"), 15, "Option explicit");
            std::ofstream(product, std::ios::binary) << text;
            fs::last_write_time(product, time);
            expected[productFile + ".unsaved"] = expected[productFile];
            warnings = productKept;
        }
        if (c.olderList) {  // without hashes, every copied file is taken as changed, as that build did
            std::istringstream lines(Contents(out / "~save.~lst"));
            std::string older = "ostrel save list 3\r\n", line;
            for (std::getline(lines, line); std::getline(lines, line);) {
                const std::string file = line.substr(line.find('\t') + 1, line.size() - line.find('\t') - 2);
                older +=
                    line.substr(0, line.rfind(' ', line.find('\t'))) + line.substr(line.find('\t')) + "\n";
                expected[file + ".unsaved"] = expected[file];
                warnings += KeptWarning(out / file, true, (out / file).string() + ".unsaved");
            }
            std::ofstream(out / "~save.~lst", std::ios::binary) << older;
        }
        if (!c.fault.empty()) {  // a run that kept a text before it failed tells where, as the next does
            EXPECT_EQ(RunWithinSeconds(out, c.fault), 1);
            EXPECT_EQ(mErr.str(), c.failedRun);
        }
        EXPECT_EQ(Generate(out), 0);
        EXPECT_EQ(mErr.str(), warnings);
        EXPECT_EQ(Undated(TreeOf(out)), expected);
        ExpectEachOnce(out, mine);
    }
}

}  // namespace
