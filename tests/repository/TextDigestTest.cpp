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

// Runs of texts that differ give digests that differ, wherever their texts end.
TEST(TextDigest, TellsRunsApartWhereverTheirTextsEnd) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(DigestOf({"ab", "c"}), DigestOf({"ab", "c"}));
    for (const auto& [left, right] : {std::pair<Texts, Texts>{{"ab", "c"}, {"a", "bc"}},
                                      {{"a"}, {"a", ""}},
                                      {{""}, {}},
                                      {{"ab"}, {"ba"}}})
        EXPECT_NE(DigestOf(left), DigestOf(right)) << ::testing::PrintToString(left);
}

}  // namespace
