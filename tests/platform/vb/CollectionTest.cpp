#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vb/Collection.h"

#include "tests/support/ErrorNumber.h"

namespace {

using testing_support::ErrorNumberOf;

std::vector<std::string> Items(const vb::Collection<std::string>& collection) {
    return {collection.begin(), collection.end()};
}

TEST(Collection, KeysIgnoreLetterCase) {
    vb::Collection<std::string> collection;
    collection.Add("first", "abc");
    EXPECT_EQ(collection.Item("ABC"), "first");
    EXPECT_TRUE(collection.Exists("aBc"));
    EXPECT_EQ(ErrorNumberOf([&] { collection.Add("second", "Abc"); }), vb::kDuplicateKey);
    EXPECT_EQ(collection.Count(), 1);
}

TEST(Collection, BadIndexOrKeyIsSubscriptOutOfRange) {
    vb::Collection<std::string> collection;
    collection.Add("a");
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(0); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(2); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item("missing"); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Remove("missing"); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Add("b", "", vb::Collection<std::string>::At(5)); }),
              vb::kInvalidProcedureCall);
}

TEST(Collection, AddBeforeAndAfterKeepKeysFindable) {
    using C = vb::Collection<std::string>;
    C collection;
    collection.Add("b", "kb");
    collection.Add("d", "kd");
    collection.Add("a", "ka", C::At(1));
    collection.Add("c", "kc", std::nullopt, C::AtKey("KB"));
    EXPECT_EQ(Items(collection), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(collection.Item("kd"), "d");
    EXPECT_EQ(collection.Item("kb"), "b");
    EXPECT_EQ(collection.KeyOf(3), "kc");

    collection.Remove("kb");
    EXPECT_EQ(Items(collection), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(collection.Item("kd"), "d");
    EXPECT_FALSE(collection.Exists("kb"));
    collection.Add("b2", "kb");  // a removed key is free again
    collection.Remove(1);
    EXPECT_EQ(collection.Item(1), "c");
    EXPECT_EQ(collection.Item("KC"), "c");
}

}  // namespace
