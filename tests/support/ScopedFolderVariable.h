#pragma once
// Points an environment variable at a fresh folder of its own while it lives, then back, and removes the
// folder.

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testing_support {

class ScopedFolderVariable {
  public:
    explicit ScopedFolderVariable(std::string variable)
        : mVariable(std::move(variable)), mFolder(NewFolder()) {
        if (const char* previous = std::getenv(mVariable.c_str()))
            mPrevious = previous;
        std::filesystem::create_directories(mFolder);
        ::setenv(mVariable.c_str(), mFolder.c_str(), 1);
    }
    ~ScopedFolderVariable() {
        if (mPrevious)
            ::setenv(mVariable.c_str(), mPrevious->c_str(), 1);
        else
            ::unsetenv(mVariable.c_str());
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
    ScopedFolderVariable(const ScopedFolderVariable&) = delete;
    ScopedFolderVariable& operator=(const ScopedFolderVariable&) = delete;

    const std::filesystem::path& Folder() const { return mFolder; }

  private:
    static std::filesystem::path NewFolder() {
        static std::atomic<int> count = 0;
        return std::filesystem::temp_directory_path() /
               ("ostrel-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
    }

    std::string mVariable;
    std::filesystem::path mFolder;
    std::optional<std::string> mPrevious;
};

}  // namespace testing_support
