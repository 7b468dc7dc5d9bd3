#include "platform/ide/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>

#include "platform/ide/FileSystemError.h"
#include "platform/ide/IdeErrors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr size_t kBufferSize = size_t{1} << 16;

[[noreturn]] void RaiseFileError(int32_t number, const std::filesystem::path& file) {
    throw vb::Error(number, vb::StandardDescription(number) + ": " + file.string(), "vbide");
}

// The first CR or LF from each line's start on, found in one pass: the next LF is kept until the lines pass
// it, so that a file with CR line ends alone is not searched to its end for an LF once per line. Two memchr
// calls outrun one scan for either.
class LineEndFinder {
  public:
    LineEndFinder(const char* begin, const char* end) : mEnd(end), mLf(FindLf(begin)) {}

    // The first line end from `from` (on or after the last `from`) on; the end when there is none.
    const char* From(const char* from) {
        if (mLf < from)
            mLf = FindLf(from);
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', static_cast<size_t>(mLf - from)));
        return cr != nullptr ? cr : mLf;
    }

  private:
    const char* FindLf(const char* from) const {
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(mEnd - from)));
        return lf != nullptr ? lf : mEnd;
    }

    const char* mEnd;
    const char* mLf;
};

// The length of the line end at `at`: LF, CR LF, CR CR LF (a CRLF file passed through a text-mode copy) or
// a lone CR, each one line end, as VB reads them.
size_t LineEndLength(const char* at, const char* end) {
    if (*at == '\n')
        return 1;
    if (end - at >= 2 && at[1] == '\n')
        return 2;
    if (end - at >= 3 && at[1] == '\r' && at[2] == '\n')
        return 3;
    return 1;
}

// A new file, made by this call alone: never one that stands there, nor the target of a link.
int CreateTemporary(const std::filesystem::path& temporary) {
    return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

}  // namespace

void RaiseTemporaryInTheWay(const std::filesystem::path& temporary) {
    throw vb::Error(vb::kPathFileAccess,
                    temporary.string() +
                        " stands where a temporary file of the save goes, and it is not a file. Nothing has "
                        "been saved; move it away, then save again.",
                    "vbide");
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TextReader::TextReader(std::filesystem::path file) : mFile(std::move(file)) {
    // One look tells both the kind and the size.
    struct stat status {};
    if (::stat(mFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        RaiseFileError(vb::kFileNotFound, mFile);
    std::ifstream in(mFile, std::ios::binary);
    std::string bytes(static_cast<size_t>(status.st_size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        // A file cut short while it was read leaves the system nothing to say.
        if (in.eof())
            RaiseFileError(vb::kPathFileAccess, mFile);
        throw FileSystemError(vb::kPathFileAccess, mFile, errno);
    }
    const std::string text = vb::IsAscii(bytes) ? std::move(bytes) : vb::Windows1252ToUtf8(bytes);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    LineEndFinder lineEnds(begin, end);
    for (const char* from = begin; from != end;) {
        const char* lineEnd = lineEnds.From(from);
        mLines.emplace_back(from, lineEnd);
        if (lineEnd == end) {
            mLastUnended = true;
            break;
        }
        from = lineEnd + LineEndLength(lineEnd, end);
    }
}

const std::string& TextReader::Next() {
    if (AtEnd())
        RaiseFileFormat(mFile, std::max<int32_t>(LineNumber(), 1), "the file ends too early");
    return mLines[mNext++];
}

void TextReader::RequireLineEnd() const {
    if (mLastUnended && mNext == mLines.size())
        RaiseFileFormat(mFile, LineNumber(), "the line is incomplete: the file ends inside it");
}

void TextReader::Fail(std::string_view what) const {
    RequireLineEnd();
    RaiseFileFormat(mFile, std::max<int32_t>(LineNumber(), 1), what);
}

std::vector<std::string> TextReader::TakeRest() {
    const auto first = static_cast<std::ptrdiff_t>(mNext);
    mNext = mLines.size();
    return {std::make_move_iterator(mLines.begin() + first), std::make_move_iterator(mLines.end())};
}

TextWriter::TextWriter(std::filesystem::path file) : mFile(std::move(file)) {
    mTemporary = mFile;
    mTemporary += kTemporaryEnding;
    mDescriptor = CreateTemporary(mTemporary);
    // The open tells of a missing folder: a save of thousands of files does not look at it before each.
    if (mDescriptor < 0 && (errno == ENOENT || errno == ENOTDIR))
        RaiseFileError(vb::kPathNotFound, mFile);
    if (mDescriptor < 0 && errno == EEXIST) {
        // A leftover of a stopped save, or a link a backup tool made: removed, never written through. What
        // else stands there is someone's.
        struct stat status {};
        if (::lstat(mTemporary.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode))
            RaiseTemporaryInTheWay(mTemporary);
        ::unlink(mTemporary.c_str());
        mDescriptor = CreateTemporary(mTemporary);
    }
    if (mDescriptor < 0)
        throw FileSystemError(vb::kPathFileAccess, mFile, errno);
}

TextWriter::~TextWriter() {
    if (mDescriptor >= 0)
        ::close(mDescriptor);
    if (!mSaved)
        ::unlink(mTemporary.c_str());
}

void TextWriter::Line(std::string_view text) {
    if (vb::IsAscii(text))
        EncodedLine(text);
    else
        EncodedLine(vb::Utf8ToWindows1252(text));
}

void TextWriter::EncodedLine(std::string_view text) {
    mBuffer.append(text);
    mBuffer.append("\r\n");
    ++mLinesWritten;
    if (mBuffer.size() >= kBufferSize)
        Flush();
}

void TextWriter::Flush() {
    std::string_view rest = mBuffer;
    while (!rest.empty()) {
        const ssize_t written = ::write(mDescriptor, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw FileSystemError(vb::kPathFileAccess, mFile, errno);
        rest.remove_prefix(static_cast<size_t>(written));
    }
    mBuffer.clear();
}

void TextWriter::Finish() {
    Complete(true);
}

void TextWriter::Close() {
    Complete(false);
}

void TextWriter::Complete(bool durable) {
    if (mDescriptor < 0)
        return;
    Flush();
    // A batch keeps its writers until it commits: their buffers go now.
    std::string().swap(mBuffer);
    const bool synced = !durable || ::fsync(mDescriptor) == 0;
    const int syncError = errno;
    const bool closed = ::close(mDescriptor) == 0;
    mDescriptor = -1;
    if (!synced || !closed)
        throw FileSystemError(vb::kPathFileAccess, mFile, synced ? errno : syncError);
}

void TextWriter::Save() {
    Finish();
    if (::rename(mTemporary.c_str(), mFile.c_str()) != 0)
        throw FileSystemError(vb::kPathFileAccess, mFile, errno);
    mSaved = true;
    SyncFolder(mFile.parent_path());
}

void SyncFileSystems(const std::vector<std::filesystem::path>& folders) {
    std::set<dev_t> synced;
    for (const auto& folder : folders) {
        const std::filesystem::path path = folder.empty() ? std::filesystem::path(".") : folder;
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat status {};
        bool done = descriptor >= 0 && ::fstat(descriptor, &status) == 0;
        if (done && synced.insert(status.st_dev).second)
            done = ::syncfs(descriptor) == 0;
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        if (!done)
            throw FileSystemError(vb::kPathFileAccess, path, error);
    }
}

void SyncFolder(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder.empty() ? std::filesystem::path(".") : folder;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    const int error = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    if (!synced)
        throw FileSystemError(vb::kPathFileAccess, path, error);
}

}  // namespace vbide
