#include <gtest/gtest.h>

#include "setuptool/FileDeletion.h"

namespace {

TEST(MatchesWildcard, MatchesStarsAndQuestionMarks) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"VB Ostrel.lnk", "*.lnk", true},
        {"a.lnk.bak", "*.lnk", false},
        {"a.LNK", "*.lnk", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"abbc", "a?c", false},
        {"", "*", true},
        {"abc", "*", true},
        {"abc", "abc*", true},
        {"ab", "abc*", false},
        {"mississippi", "m*iss*ppi", true},
        {"mississippi", "m*iss*pi?", false},
        {"a.b.c", "*.*", true},
        {"abc", "*?*?*?", true},
        {"ab", "*?*?*?", false},
        {"[x].lnk", "[x]*", true},
        {"x.lnk", "[x]*", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OstrlReg_Mods::MatchesWildcard(c.name, c.pattern), c.matches)
            << c.name << " ~ " << c.pattern;
    }
}

}  // namespace
