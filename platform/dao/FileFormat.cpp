#include "platform/dao/FileFormat.h"

#include <array>
#include <fstream>
#include <string_view>

#include "platform/dao/Errors.h"

namespace dao {

namespace {

constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
// Jet 3/4 (.mdb) and ACE (.accdb) files name their engine from the fifth byte on.
constexpr std::size_t kAccessMagicOffset = 4;
constexpr std::string_view kJetMagic{"Standard Jet DB\0", 16};
constexpr std::string_view kAceMagic{"Standard ACE DB\0", 16};

}  // namespace

FileFormat DetectFileFormat(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return FileFormat::Missing;
    if (!std::filesystem::is_regular_file(file, error))
        return FileFormat::Unknown;
    std::ifstream in(file, std::ios::binary);
    std::array<char, kAccessMagicOffset + 16> header{};
    in.read(header.data(), header.size());
    const auto length = static_cast<std::size_t>(in.gcount());
    const std::string_view bytes(header.data(), length);
    if (length == 0 && in.eof())
        return FileFormat::Sqlite;
    if (bytes.starts_with(kSqliteMagic))
        return FileFormat::Sqlite;
    if (length == header.size()) {
        const std::string_view engine = bytes.substr(kAccessMagicOffset);
        if (engine == kJetMagic || engine == kAceMagic)
            return FileFormat::Access;
    }
    return FileFormat::Unknown;
}

void RaiseFileNotFound(const std::filesystem::path& file, const char* source) {
    RaiseEngineError({kCouldNotFindFile, "Could not find file '" + file.string() + "'.", source});
}

}  // namespace dao
