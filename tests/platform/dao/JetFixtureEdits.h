#pragma once
// Copies of the Jet 4 and ACE fixtures changed in place, as no tool here writes Access files (both keep
// their table definitions in pages of the same layout).

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/platform/dao/TestFiles.h"

namespace jet_test {

inline constexpr std::size_t kPage = 4096;
// In a column's 25-byte entry on its table's definition page: its type, its precision and scale, its flags.
inline constexpr std::size_t kType = 0, kPrecision = 11, kFlags = 15;
// Column types.
inline constexpr char kCurrency = 0x05, kLargeNumber = 0x13;

// The text as Jet 4 keeps a name uncompressed: two bytes a character.
inline std::string Wide(const std::string& ascii) {
    std::string wide;
    for (char c : ascii)
        wide += {c, '\0'};
    return wide;
}

// `edit` called with each table definition page and each column entry on it.
inline void ForEachColumn(std::string& bytes, const std::function<void(std::string_view, char*)>& edit) {
    constexpr std::size_t kColumnsStart = 63, kIndexEntry = 12, kColumnEntry = 25;
    constexpr char kTableDefinition = 2;
    for (std::size_t page = 0; page + kPage <= bytes.size(); page += kPage) {
        const auto word = [&](std::size_t at) {
            return static_cast<std::size_t>(static_cast<unsigned char>(bytes[page + at]) |
                                            static_cast<unsigned char>(bytes[page + at + 1]) << 8);
        };
        if (bytes[page] != kTableDefinition)
            continue;
        const std::string_view definition(bytes.data() + page, kPage);
        for (std::size_t column = 0, entry = page + kColumnsStart + word(51) * kIndexEntry;
             column < word(45) && entry + kColumnEntry <= page + kPage; ++column, entry += kColumnEntry)
            edit(definition, bytes.data() + entry);
    }
}

// `folder`/`name`: the fixture with `edit` applied to its bytes.
inline std::filesystem::path EditedFixture(const std::filesystem::path& folder, const std::string& name,
                                           const std::function<void(std::string&)>& edit,
                                           const std::string& fixture = "import_access.mdb") {
    std::ifstream in(dao_test::Fixture(fixture), std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    edit(bytes);
    const auto file = folder / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

// calcFieldTestV2010.accdb with its Currency columns (Salary, and the calculated SalaryTest) made Large
// Numbers, as no fixture holds one: Salary's values, 10,000ths of its amounts, read as whole numbers.
inline std::filesystem::path FixtureWithLargeNumbers(const std::filesystem::path& folder) {
    return EditedFixture(
        folder, "large.accdb",
        [](std::string& bytes) {
            ForEachColumn(bytes, [](std::string_view, char* entry) {
                if (entry[kType] == kCurrency)
                    entry[kType] = kLargeNumber;
            });
        },
        "calcFieldTestV2010.accdb");
}

}  // namespace jet_test
