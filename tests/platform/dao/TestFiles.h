#pragma once
// Files for database tests: a fresh folder per test, and the shared Access fixtures.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace dao_test {

// A folder named after the running test, emptied on creation and removed at the end.
class TestFolder {
  public:
    TestFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        mPath =
            std::filesystem::temp_directory_path() / ("ostrel-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(mPath);
        std::filesystem::create_directories(mPath);
    }
    ~TestFolder() { std::filesystem::remove_all(mPath); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    std::filesystem::path operator/(const std::string& name) const { return mPath / name; }

  private:
    std::filesystem::path mPath;
};

inline std::filesystem::path Fixture(const std::string& name) {
    const char* source = std::getenv("OSTREL_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / ".." / "shared" / "fixtures" / name;
}

}  // namespace dao_test
