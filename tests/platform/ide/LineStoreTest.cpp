#include "platform/ide/LineStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vbide {
namespace {

// Lines of the given lengths, each of its own letter so that a line taken from the wrong place shows.
std::vector<std::string> LinesOf(const std::vector<size_t>& lengths) {
    std::vector<std::string> lines;
    for (const size_t length : lengths)
        lines.emplace_back(length, static_cast<char>('a' + lines.size() % 26));
    return lines;
}

std::vector<size_t> Repeated(size_t count, size_t length) {
    return std::vector<size_t>(count, length);
}

std::vector<size_t> Joined(std::vector<size_t> first, const std::vector<size_t>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

void ExpectHolds(const LineStore& store, const std::vector<std::string>& lines, const std::string& what) {
    ASSERT_EQ(store.Count(), lines.size()) << what;
    size_t bytes = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(store[i], lines[i]) << what << ", line " << i;
        bytes += lines[i].size();
    }
    EXPECT_EQ(store.Bytes(), bytes) << what;
}

void AppendAll(LineStore& store, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        store.Append(line);
}

constexpr size_t k64KiB = size_t{1} << 16;

TEST(LineStoreTest, EveryLineComesBackWhereverItsEndIsKept) {
    const struct {
        const char* name;
        std::vector<size_t> lengths;
    } cases[] = {
        {"empty lines only", Repeated(200, 0)},
        {"ends on both sides of a group's start",
         Joined(Repeated(63, 7), Joined({0, 11, 0}, Repeated(70, 3)))},
        {"a group just short of 64 KiB", Joined(Repeated(63, 1), {k64KiB - 1 - 63, 5, 5})},
        {"a group of exactly 64 KiB", Joined(Repeated(63, 1), {k64KiB - 63, 5})},
        {"a first line longer than 64 KiB", {k64KiB + 1, 3, 0, 4}},
        {"a long line in the middle of a group", Joined(Repeated(10, 20), Joined({100000}, Repeated(80, 9)))},
        {"a long line opening the second group",
         Joined(Repeated(64, 2), Joined({k64KiB * 2}, Repeated(5, 1)))},
        {"many short lines that make a group past 64 KiB", Joined(Repeated(64, 1100), Repeated(3, 2))},
        {"text past a mapping of its own", Repeated(9000, 40)},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = LinesOf(c.lengths);
        LineStore store;
        AppendAll(store, lines);
        ExpectHolds(store, lines, c.name);

        // Given back and then taking more.
        store.Compact();
        ExpectHolds(store, lines, std::string(c.name) + ", compacted");
        std::vector<std::string> more = lines;
        for (const std::string& line : LinesOf(Repeated(70, 5))) {
            more.push_back(line);
            store.Append(line);
        }
        ExpectHolds(store, more, std::string(c.name) + ", compacted then appended to");

        // Filled into reserved room.
        LineStore reserved;
        size_t bytes = 0;
        for (const std::string& line : lines)
            bytes += line.size();
        reserved.Reserve(lines.size(), bytes);
        AppendAll(reserved, lines);
        ExpectHolds(reserved, lines, std::string(c.name) + ", reserved");

        // Emptied and used again: a store that had to widen starts narrow again.
        store.Clear();
        ExpectHolds(store, {}, std::string(c.name) + ", cleared");
        const std::vector<std::string> again = LinesOf(Joined(Repeated(65, 3), {1, 0, 2}));
        AppendAll(store, again);
        ExpectHolds(store, again, std::string(c.name) + ", cleared then reused");
    }
}

TEST(LineStoreTest, AMovedStoreKeepsItsLinesAndLeavesNone) {
    for (const size_t length : {size_t{3}, size_t{1000}, k64KiB + 10}) {
        const std::vector<std::string> lines = LinesOf(Repeated(400, length));
        LineStore store;
        AppendAll(store, lines);
        LineStore moved = std::move(store);
        ExpectHolds(moved, lines, "moved, lines of " + std::to_string(length));
        store = std::move(moved);
        ExpectHolds(store, lines, "moved back, lines of " + std::to_string(length));
    }
}

}  // namespace
}  // namespace vbide
