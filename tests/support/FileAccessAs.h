#pragma once
// This thread's file accesses checked as another user while it lives (setfsuid): a test run as root then
// meets a file's or folder's permissions as a person does. Unprivileged() is "nobody" in root's place.

#include <sys/fsuid.h>
#include <unistd.h>

namespace testing_support {

class FileAccessAs {
  public:
    explicit FileAccessAs(uid_t user) : mPrevious(static_cast<uid_t>(::setfsuid(user))) {}
    ~FileAccessAs() { ::setfsuid(mPrevious); }
    FileAccessAs(const FileAccessAs&) = delete;
    FileAccessAs& operator=(const FileAccessAs&) = delete;
    static uid_t Unprivileged() { return ::geteuid() == 0 ? 65534 : ::geteuid(); }

  private:
    uid_t mPrevious;
};

}  // namespace testing_support
