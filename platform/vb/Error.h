#pragma once
// The runtime's error object: what VB's Err carries, raised as a C++ exception.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vb {

// Error numbers that the system raises or meets.
enum ErrorNumber : int32_t {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kBadFileNameOrNumber = 52,
    kFileNotFound = 53,
    kBadFileMode = 54,
    kFileAlreadyOpen = 55,
    kBadFileLength = 56,
    kDeviceIOError = 57,
    kFileAlreadyExists = 58,
    kPermissionDenied = 70,
    kPathFileAccess = 75,
    kPathNotFound = 76,
    kObjectNotSet = 91,
    kObjectRequired = 424,
    kCannotCreateObject = 429,
    kNoSuchMember = 438,
    kDuplicateKey = 457,
};

// VB's own text for an error number ("Application-defined or object-defined error" when it has none).
std::string StandardDescription(int32_t number);

class Error : public std::runtime_error {
  public:
    // An empty description takes the standard text of the number.
    explicit Error(int32_t number, std::string description = {}, std::string source = {});

    int32_t Number() const { return mNumber; }
    const std::string& Description() const { return mDescription; }
    const std::string& Source() const { return mSource; }

    void SetDescription(std::string description);
    void SetSource(std::string source) { mSource = std::move(source); }

  private:
    int32_t mNumber;
    std::string mDescription;
    std::string mSource;
};

// Raises error `number` with its standard description.
[[noreturn]] void Raise(int32_t number, std::string_view source = {}, std::string_view description = {});

// Runs `body`; an error escaping it is raised again with `where` in front of its source. This is the
// "trap, prefix the source with the procedure's name, raise again" convention in one place.
template <typename Body>
decltype(auto) WithSource(std::string_view where, Body&& body) {
    try {
        return body();
    } catch (Error& error) {
        error.SetSource(std::string(where) + error.Source());
        throw;
    }
}

}  // namespace vb
