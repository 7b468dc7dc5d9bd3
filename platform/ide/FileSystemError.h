#pragma once
// A call on a file or folder that the system refused, told as the system gave it: the file or folder, the
// system's reason in words and what a person does about it.

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/vb/Error.h"

namespace vbide {

// The system's reason for `systemError` (an errno value) in words: "no space is left on the device".
std::string SystemReason(int systemError);

// Error `number`, its standard text, `place`, the reason and what to do about it.
class FileSystemError : public vb::Error {
  public:
    FileSystemError(int32_t number, const std::filesystem::path& place, int systemError);

    int SystemError() const { return mSystemError; }

  private:
    int mSystemError;
};

}  // namespace vbide
