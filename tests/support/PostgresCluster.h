#pragma once
// The PostgreSQL cluster the tests share: CTest's "postgres" fixture starts it with postgres-cluster.sh
// and leaves its port in <binary dir>/postgres-cluster.state. A test program run by hand without that
// file starts a cluster of its own and stops it when it ends.

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace testing_support {

class PostgresCluster {
  public:
    static PostgresCluster& Get() {
        static PostgresCluster cluster;
        return cluster;
    }

    // The one login that must give its password (postgres-cluster.sh); every other is trusted.
    static constexpr const char* kPasswordUser = "ostrel_password";
    static constexpr const char* kPassword = "ostrel";

    int Port() const { return mPort; }

    // A connect string of the PostgreSQL Unicode driver for `database` as the superuser.
    std::string ConnectString(const std::string& database) const {
        return "Driver={PostgreSQL Unicode};Servername=127.0.0.1;Port=" + std::to_string(mPort) +
               ";Database=" + database + ";UID=postgres;PWD=unused";
    }

    // A database name no other test program uses.
    static std::string NewDatabaseName(const std::string& stem) {
        static std::atomic<int> count = 0;
        return stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(++count);
    }

    ~PostgresCluster() {
        if (!mOwnState.empty())
            std::system(("'" + Script() + "' stop '" + mOwnState.string() + "'").c_str());
    }
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

  private:
    PostgresCluster() {
        const char* binary = std::getenv("OSTREL_BINARY_DIR");
        std::filesystem::path state = binary != nullptr
                                          ? std::filesystem::path(binary) / "postgres-cluster.state"
                                          : std::filesystem::path();
        if (state.empty() || !std::filesystem::exists(state)) {
            mOwnState = std::filesystem::temp_directory_path() /
                        ("ostrel-pg-" + std::to_string(::getpid()) + ".state");
            if (std::system(("'" + Script() + "' start '" + mOwnState.string() + "'").c_str()) != 0)
                throw std::runtime_error(
                    "the PostgreSQL cluster did not start (run scripts/install-deps.sh)");
            state = mOwnState;
        }
        std::ifstream(state) >> mPort;
        if (mPort == 0)
            throw std::runtime_error("no port in " + state.string());
    }

    static std::string Script() {
        const char* source = std::getenv("OSTREL_SOURCE_DIR");
        if (source == nullptr)
            throw std::runtime_error("OSTREL_SOURCE_DIR is not set: run the test through ctest");
        return (std::filesystem::path(source) / "tests" / "support" / "postgres-cluster.sh").string();
    }

    int mPort = 0;
    std::filesystem::path mOwnState;
};

}  // namespace testing_support
