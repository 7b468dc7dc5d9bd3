#pragma once
// Text files as the VB IDE writes them: Windows-1252, CRLF line ends. Reading takes LF, CR LF, CR CR LF and
// a lone CR each as one line end, as VB does, and hands out UTF-8 lines numbered for error reports; a last
// line without a line end is a line too, as VB reads it. Writing goes to a temporary file, flushed to disk
// before it is renamed over the target, so a failed save, a kill or a power loss leaves the old file or the
// new one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vbide {

class TextReader {
  public:
    // 53 when the file does not exist, 75 when it cannot be read.
    explicit TextReader(std::filesystem::path file);

    bool AtEnd() const { return mNext >= mLines.size(); }
    // The next line; 321 at the end.
    const std::string& Next();
    // Hands the line last handed out again.
    void Unread() { --mNext; }
    // The number of the line last handed out.
    int32_t LineNumber() const { return static_cast<int32_t>(mNext); }
    const std::filesystem::path& File() const { return mFile; }
    // 321 naming the file and the line last handed out: `what` cannot be read there. When the file ends
    // inside that line, that is said instead: the line is most likely cut short.
    [[noreturn]] void Fail(std::string_view what) const;
    // 321 when the line last handed out is the last and the file ends inside it, for a caller that found
    // the line unusable in another way (a file it names is missing).
    void RequireLineEnd() const;
    // The lines not yet handed out.
    std::vector<std::string> TakeRest();

  private:
    std::filesystem::path mFile;
    std::vector<std::string> mLines;
    size_t mNext = 0;
    bool mLastUnended = false;  // the file ends inside its last line
};

// The ending of temporary files: "<file>.~tmp" becomes <file> when it is complete.
inline constexpr std::string_view kTemporaryEnding = ".~tmp";

// Streams lines into the temporary file "<file>.~tmp", made new: a file or link left there is removed
// first, never written through, and anything else there (a folder, a pipe) is refused
// (RaiseTemporaryInTheWay). Save renames it over `file`, and a writer dropped without Save (or Release)
// removes it. 76 when the folder does not exist, 75 when the file cannot be written.
class TextWriter {
  public:
    explicit TextWriter(std::filesystem::path file);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Lines are kept until 64 KiB have gathered: most files are written with one write.
    void Line(std::string_view text);
    // A line already in the file's code page (as ASCII text is), written as it stands.
    void EncodedLine(std::string_view text);
    int32_t LinesWritten() const { return mLinesWritten; }
    // Writes what is left and flushes the temporary file to disk.
    void Finish();
    // Writes what is left and closes the temporary file without flushing it; whoever renames it flushes
    // it first (FileBatch flushes all of its files at once).
    void Close();
    // Finishes, renames the temporary file over the file and flushes the folder.
    void Save();
    // After Finish or Close: someone else renames the temporary file, so the writer leaves it alone.
    void Release() { mSaved = true; }

  private:
    void Flush();
    void Complete(bool durable);

    std::filesystem::path mFile;
    std::filesystem::path mTemporary;
    std::string mBuffer;
    int32_t mLinesWritten = 0;
    int mDescriptor = -1;
    bool mSaved = false;
};

// 75 naming `temporary`: something that is neither a file nor a link stands where a temporary file goes.
[[noreturn]] void RaiseTemporaryInTheWay(const std::filesystem::path& temporary);

// Flushes a folder's entries (renames, removals) to disk; 75 on failure.
void SyncFolder(const std::filesystem::path& folder);
// Flushes everything written to the file systems that hold `folders` to disk, one call per file system;
// 75 on failure.
void SyncFileSystems(const std::vector<std::filesystem::path>& folders);

// The blanks and tabs at both ends removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vbide
