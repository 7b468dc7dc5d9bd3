#pragma once
// The process's ODBC configuration, kept in a folder of its own: an odbcinst.ini naming the installed
// PostgreSQL, SQLite and MDBTools drivers, a system odbc.ini and a user odbc.ini. The driver manager
// reads ODBCSYSINI once, at the first ODBC call, so Get() must come before any; HOME points here too, as
// ~/.odbcinst.ini would be merged in. Nothing in /etc or the real home is then read or written.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class OdbcSandbox {
  public:
    static constexpr const char* kPostgresDriver = "PostgreSQL Unicode";
    static constexpr const char* kSqliteDriver = "SQLite3";
    static constexpr const char* kMdbToolsDriver = "MDBTools";

    using Attributes = std::vector<std::pair<std::string, std::string>>;

    static OdbcSandbox& Get() {
        static OdbcSandbox sandbox;
        return sandbox;
    }

    const std::filesystem::path& Folder() const { return mFolder; }
    std::filesystem::path UserFile() const { return mFolder / "user-odbc.ini"; }
    std::filesystem::path SystemFile() const { return mFolder / "odbc.ini"; }

    // Empties both data-source files.
    void Clear() {
        std::ofstream(UserFile(), std::ios::trunc).flush();
        std::ofstream(SystemFile(), std::ios::trunc).flush();
    }
    void AddUserSource(const std::string& name, const std::string& driver,
                       const Attributes& attributes = {}) {
        Append(UserFile(), name, driver, attributes);
    }
    void AddSystemSource(const std::string& name, const std::string& driver,
                         const Attributes& attributes = {}) {
        Append(SystemFile(), name, driver, attributes);
    }

    ~OdbcSandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
    OdbcSandbox(const OdbcSandbox&) = delete;
    OdbcSandbox& operator=(const OdbcSandbox&) = delete;

  private:
    OdbcSandbox()
        : mFolder(std::filesystem::temp_directory_path() / ("ostrel-odbc-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(mFolder);
        std::ofstream drivers(mFolder / "odbcinst.ini");
        for (const auto& [name, file] :
             std::vector<std::pair<std::string, std::string>>{{kPostgresDriver, "psqlodbcw.so"},
                                                              {kSqliteDriver, "libsqlite3odbc.so"},
                                                              {kMdbToolsDriver, "libmdbodbc.so"}}) {
            drivers << "[" << name << "]\nDescription=" << name << "\nDriver=" << DriverFile(file).string()
                    << "\n\n";
        }
        drivers.close();
        Clear();
        ::setenv("ODBCSYSINI", mFolder.c_str(), 1);
        ::setenv("ODBCINI", UserFile().c_str(), 1);
        ::setenv("HOME", mFolder.c_str(), 1);
    }

    static std::filesystem::path DriverFile(const std::string& file) {
        for (const char* root : {"/usr/lib", "/usr/local/lib"}) {
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
                for (const auto& candidate : {entry.path() / "odbc" / file, entry.path() / file}) {
                    if (std::filesystem::exists(candidate))
                        return candidate;
                }
            }
        }
        throw std::runtime_error("ODBC driver " + file + " is not installed (run scripts/install-deps.sh)");
    }

    static void Append(const std::filesystem::path& file, const std::string& name, const std::string& driver,
                       const Attributes& attributes) {
        std::ofstream out(file, std::ios::app);
        out << "[" << name << "]\nDriver=" << driver << "\n";
        for (const auto& [key, value] : attributes)
            out << key << "=" << value << "\n";
        out << "\n";
    }

    std::filesystem::path mFolder;
};

}  // namespace testing_support
