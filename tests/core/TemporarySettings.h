#pragma once
// Points the per-user settings store at a fresh folder of its own while it lives, then back.

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class TemporarySettings {
  public:
    TemporarySettings() : mFolder(NewFolder()) {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME"))
            mPrevious = previous;
        ::setenv("XDG_CONFIG_HOME", mFolder.c_str(), 1);
    }
    ~TemporarySettings() {
        if (mPrevious)
            ::setenv("XDG_CONFIG_HOME", mPrevious->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

  private:
    static std::filesystem::path NewFolder() {
        static std::atomic<int> count = 0;
        return std::filesystem::temp_directory_path() /
               ("ostrel-settings-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
    }

    std::filesystem::path mFolder;
    std::optional<std::string> mPrevious;
};
