#include "platform/ide/TextFile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/ide/IdeErrors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

[[noreturn]] void RaiseFileError(int32_t number, const std::filesystem::path& file) {
    throw vb::Error(number, vb::StandardDescription(number) + ": " + file.string(), "vbide");
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TextReader::TextReader(std::filesystem::path file) : mFile(std::move(file)) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(mFile, error))
        RaiseFileError(vb::kFileNotFound, mFile);
    const auto size = std::filesystem::file_size(mFile, error);
    std::ifstream in(mFile, std::ios::binary);
    std::string bytes(error ? 0 : size, '\0');
    if (error || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        RaiseFileError(vb::kPathFileAccess, mFile);
    }
    const std::string text = IsAscii(bytes) ? std::move(bytes) : vb::Windows1252ToUtf8(bytes);
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        size_t lineEnd = end;
        if (lineEnd > from && text[lineEnd - 1] == '\r')
            --lineEnd;
        mLines.emplace_back(text, from, lineEnd - from);
        from = end + 1;
    }
}

const std::string& TextReader::Next() {
    if (AtEnd())
        Fail("the file ends too early");
    return mLines[mNext++];
}

void TextReader::Fail(std::string_view what) const {
    RaiseFileFormat(mFile, std::max<int32_t>(LineNumber(), 1), what);
}

std::vector<std::string> TextReader::TakeRest() {
    std::vector<std::string> rest(
        std::make_move_iterator(mLines.begin() + static_cast<std::ptrdiff_t>(mNext)),
        std::make_move_iterator(mLines.end()));
    mNext = mLines.size();
    return rest;
}

void TextWriter::Line(std::string_view text) {
    if (IsAscii(text)) {
        mBytes.append(text);
    } else {
        mBytes.append(vb::Utf8ToWindows1252(text));
    }
    mBytes.append("\r\n");
}

void TextWriter::Save(const std::filesystem::path& file) const {
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error))
        RaiseFileError(vb::kPathNotFound, file);
    std::filesystem::path temporary = file;
    temporary += ".~tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(mBytes.data(), static_cast<std::streamsize>(mBytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            RaiseFileError(vb::kPathFileAccess, file);
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        RaiseFileError(vb::kPathFileAccess, file);
    }
}

}  // namespace vbide
