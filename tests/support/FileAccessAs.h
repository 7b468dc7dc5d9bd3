#pragma once
// Checks this thread's file accesses as another user while it lives (setfsuid): a test run as root sees
// a file's or folder's permissions refuse as they refuse a person.

#include <sys/fsuid.h>
#include <unistd.h>

namespace testing_support {

class FileAccessAs {
  public:
    explicit FileAccessAs(uid_t user) : mPrevious(static_cast<uid_t>(::setfsuid(user))) {}
    ~FileAccessAs() { ::setfsuid(mPrevious); }
    FileAccessAs(const FileAccessAs&) = delete;
    FileAccessAs& operator=(const FileAccessAs&) = delete;

    // A user whom permissions bind: "nobody" in place of root, else the test's own.
    static uid_t Unprivileged() { return ::geteuid() == 0 ? 65534 : ::geteuid(); }

  private:
    uid_t mPrevious;
};

}  // namespace testing_support
