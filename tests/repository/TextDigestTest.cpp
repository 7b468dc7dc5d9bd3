#include "repository/TextDigest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

uint64_t DigestOf(const std::vector<std::string>& texts) {
    repository::TextDigest digest;
    for (const std::string& text : texts)
        digest.Add(text);
    return digest.Value();
}

// Runs of texts that differ, however they are cut into texts, give digests that differ.
TEST(TextDigest, TellsRunsApartWhereverTheirTextsEnd) {
    const struct {
        std::vector<std::string> left, right;
        bool same;
    } cases[] = {
        {{"ab", "c"}, {"ab", "c"}, true}, {{"ab", "c"}, {"a", "bc"}, false},
        {{"a"}, {"a", ""}, false},        {{""}, {}, false},
        {{"ab"}, {"ba"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DigestOf(c.left) == DigestOf(c.right), c.same) << ::testing::PrintToString(c.left);
}

}  // namespace
