#include <gtest/gtest.h>

#include <vector>

#include "platform/vb/Error.h"
#include "setuptool/SplitString.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(SplitString, SplitsAtEveryDelimiter) {
    const struct {
        const char* text;
        const char* delimiter;
        Pieces expected;
    } cases[] = {
        {"a;;b", ";", {"a", "", "b"}},
        {"a;", ";", {"a"}},
        {";a", ";", {"", "a"}},
        {";", ";", {""}},
        {";;", ";", {"", ""}},
        {"", ";", {}},
        {"abc", ";", {"abc"}},
        {"a;b", "", {"a", "b"}},
        {"a<>b<>", "<>", {"a", "b"}},
        {"aaa", "aa", {"", "a"}},
        {"aXbxc", "x", {"aXb", "c"}},
        {" a ; b ", ";", {" a ", " b "}},
        {"INI=C:\\x.ini;Sect;Key;Val", "=", {"INI", "C:\\x.ini;Sect;Key;Val"}},
        {"C:\\x.ini;Sect;Key;Val", ";", {"C:\\x.ini", "Sect", "Key", "Val"}},
        {"C:\\x.ini;Sect;Key;", ";", {"C:\\x.ini", "Sect", "Key"}},
        {"INI=x;S;K;a=b", "=", {"INI", "x;S;K;a", "b"}},
    };
    for (const auto& c : cases) {
        Pieces pieces = {"left", "over"};
        EXPECT_EQ(OstrlReg_Mods::SplitString(pieces, c.text, c.delimiter),
                  static_cast<int16_t>(c.expected.size()))
            << c.text;
        EXPECT_EQ(pieces, c.expected) << c.text;
    }
}

TEST(SplitString, CountsUpToTheIntegerLimit) {
    Pieces pieces;
    const std::string mostPieces(32766, ';');
    EXPECT_EQ(OstrlReg_Mods::SplitString(pieces, mostPieces + "a", ";"), 32767);
    try {
        OstrlReg_Mods::SplitString(pieces, mostPieces + ";a", ";");
        ADD_FAILURE() << "32768 pieces were counted";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kOverflow);
    }
}

}  // namespace
