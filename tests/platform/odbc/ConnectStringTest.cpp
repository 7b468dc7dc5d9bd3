// Connect-string values: bracing, reading back and hiding the password.

#include "platform/odbc/ConnectString.h"

#include <gtest/gtest.h>

namespace odbc {
namespace {

TEST(ConnectValue, BracesOnlyWhatWouldEndOrSplitTheValue) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"orders", "orders"},   {"", ""},
        {"a b", "a b"},         {"u;DATABASE=other", "{u;DATABASE=other}"},
        {"p=w", "{p=w}"},       {"{x}", "{{x}}}"},
        {"a}b", "{a}}b}"},      {" lead", "{ lead}"},
        {"trail ", "{trail }"},
    };
    for (const auto& [value, written] : cases) {
        EXPECT_EQ(ConnectValue(value), written) << value;
        const auto pairs = SplitConnectString("K=" + ConnectValue(value) + ";DSN=x");
        ASSERT_EQ(pairs.size(), 2u) << value;
        EXPECT_EQ(pairs[0].second, value);
        EXPECT_EQ(pairs[1], (std::pair<std::string, std::string>{"DSN", "x"}));
    }
}

TEST(ConnectString, JoinLeavesOutEmptyValuesAndMaskHidesPasswords) {
    EXPECT_EQ(JoinConnectString({{"DATABASE", ""}, {"UID", "u;DATABASE=x"}, {"PWD", ""}, {"DSN", "Sales"}}),
              "UID={u;DATABASE=x};DSN=Sales");
    const std::vector<std::pair<std::string, std::string>> masks = {
        {"DATABASE=db;UID=u;PWD=secret;DSN=Sales", "DATABASE=db;UID=u;PWD=****;DSN=Sales"},
        {"uid=u;pwd={se;cr}}et}", "uid=u;pwd=****"},
        {"Password=x;DSN=a", "Password=****;DSN=a"},
        {"DSN=a;UID=u", "DSN=a;UID=u"},
        {"localmdb", "localmdb"},
    };
    for (const auto& [text, masked] : masks)
        EXPECT_EQ(MaskPassword(text), masked) << text;
    EXPECT_EQ(PasswordOf("uid=u;pwd={se;cr}}et}"), "se;cr}et");
}

}  // namespace
}  // namespace odbc
