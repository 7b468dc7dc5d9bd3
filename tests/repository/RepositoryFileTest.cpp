#include "repository/RepositoryFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "platform/vb/Error.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/repository/RepositoryTestFiles.h"

namespace {

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(OpenRepository, FirstStartCreatesTheFolderAndAnEmptyRepositoryThatLasts) {
    dao_test::TestFolder folder;
    const auto toolDBPath = folder / "data" / "ostrel";
    {
        auto db = repository::OpenRepository(toolDBPath);
        EXPECT_TRUE(db->Select("Application").IsEmpty());
        db->Insert("Application", {{"Name", "OrderEntry"}});
    }
    EXPECT_TRUE(std::filesystem::exists(toolDBPath / "vbostrel.mdb"));
    auto db = repository::OpenRepository(toolDBPath);
    EXPECT_EQ(db->Select("Application")[0]["Name"].ToString(), "OrderEntry");
}

TEST(OpenRepository, UpgradesAnOlderRepository) {
    dao_test::TestFolder folder;
    repository_test::MakeRepository(folder / "vbostrel.mdb", {false, {}, repository_test::kAllLaterColumns});
    auto db = repository::OpenRepository(folder.Path());
    EXPECT_TRUE(db->ColumnExists("Method", "StoredProcedureName"));
    EXPECT_EQ(db->Select("VBOstrel")[0]["Version"].ToString(), "1.1");
}

TEST(OpenRepository, AFileThatIsNoRepositoryIsReportedWithItsFaultAndLeftUnchanged) {
    const std::string jetHeader = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0');
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        const char* fault;
    } cases[] = {
        {"text", [](const auto& file) { Write(file, std::string(3000, 'x')); }, "file is not a database"},
        {"empty file", [](const auto& file) { Write(file, ""); }, "it has no table Application"},
        {"Access file", [&](const auto& file) { Write(file, jetHeader); }, "file is not a database"},
        {"other SQLite database",
         [](const auto& file) {
             dao::SqliteDatabase::Open(file, dao::OpenMode::CreateIfMissing)
                 ->CreateTable("Customer", {{"Name", dao::FieldType::Text}});
         },
         "it has no table Application"},
        {"repository without a column",
         [](const auto& file) {
             repository_test::MakeRepository(file, {true, {"1.1"}, {"Property.Label"}});
         },
         "its table Property has no column Label"},
        {"truncated repository",
         [](const auto& file) {
             repository::CreateRepository(file);
             const std::string whole = Contents(file);
             Write(file, whole.substr(0, whole.size() / 2));
         },
         "database disk image is malformed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dao_test::TestFolder folder;
        const auto file = folder / "vbostrel.mdb";
        c.make(file);
        const std::string before = Contents(file);
        try {
            repository::OpenRepository(folder.Path());
            ADD_FAILURE() << "opened";
        } catch (const repository::UnusableRepository& error) {
            EXPECT_EQ(error.Description(), "The file " + file.string() +
                                               " is not a VBOstrel repository, or it is damaged: " + c.fault +
                                               ".");
            EXPECT_NE(error.Number(), 0);
        }
        EXPECT_EQ(Contents(file), before);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    }
}

TEST(DefaultToolDBPath, IsTheUsersDataFolder) {
    struct Case {
        const char* dataHome;
        std::filesystem::path expected;
    };
    const std::vector<Case> cases = {
        {"/srv/data", "/srv/data/ostrel"},
        {"relative/data", "/home/tester/.local/share/ostrel"},
        {nullptr, "/home/tester/.local/share/ostrel"},
    };
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    ::setenv("HOME", "/home/tester", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataHome != nullptr ? c.dataHome : "(unset)");
        if (c.dataHome != nullptr) {
            ::setenv("XDG_DATA_HOME", c.dataHome, 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
        EXPECT_EQ(repository::DefaultToolDBPath(), c.expected);
    }
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
