#include "core/ApplicationLog.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <system_error>

namespace core {
namespace {

std::filesystem::path StateHome() {
    if (const char* home = std::getenv("XDG_STATE_HOME"); home != nullptr && *home != '\0')
        return home;
    const char* user = std::getenv("HOME");
    return std::filesystem::path(user != nullptr ? user : ".") / ".local" / "state";
}

}  // namespace

std::filesystem::path ApplicationLogFile() {
    return StateHome() / "ostrel" / "ostrel.log";
}

void LogError(const std::string& text) {
    const std::filesystem::path file = ApplicationLogFile();
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream log(file, std::ios::app | std::ios::binary);
    if (!log)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char stamp[32] = "";
    if (::gmtime_r(&now, &utc) != nullptr)
        std::strftime(stamp, sizeof stamp, "%FT%TZ", &utc);
    log << stamp << " Error " << text << '\n';
}

}  // namespace core
