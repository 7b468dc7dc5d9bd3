#pragma once
// Text files as the VB IDE writes them: Windows-1252, CRLF line ends. Reading accepts LF too and hands
// out UTF-8 lines numbered for error reports; writing goes to a temporary file renamed over the target,
// so a failed save leaves the old file.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vbide {

class TextReader {
  public:
    // 53 when the file does not exist, 75 when it cannot be read.
    explicit TextReader(std::filesystem::path file);

    bool AtEnd() const { return mNext >= mLines.size(); }
    // The next line; at the end, 321 (the file stops too early).
    const std::string& Next();
    // Hands the line last handed out again.
    void Unread() { --mNext; }
    // The number of the line last handed out.
    int32_t LineNumber() const { return static_cast<int32_t>(mNext); }
    const std::filesystem::path& File() const { return mFile; }
    // 321 naming the file and the line last handed out.
    [[noreturn]] void Fail(std::string_view what) const;
    // The lines not yet handed out.
    std::vector<std::string> TakeRest();

  private:
    std::filesystem::path mFile;
    std::vector<std::string> mLines;
    size_t mNext = 0;
};

// Streams lines into a temporary file beside `file`; Save renames it over `file`, and a writer dropped
// without Save removes it. 76 when the folder does not exist, 75 when the file cannot be written.
class TextWriter {
  public:
    explicit TextWriter(std::filesystem::path file);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void Line(std::string_view text);
    void Save();

  private:
    std::filesystem::path mFile;
    std::filesystem::path mTemporary;
    std::vector<char> mBuffer;
    std::ofstream mOut;
    bool mSaved = false;
};

// The blanks and tabs at both ends removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vbide
