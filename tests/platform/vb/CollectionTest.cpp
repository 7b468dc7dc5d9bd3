#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
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

TEST(Collection, TheKeyIndexFollowsAddsAndRemovals) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> added;  // item, key
        std::vector<const char*> removed;                        // keys, after the adds
        const char* lookFor;
        const char* found;      // null: not there
        const char* duplicate;  // a key that must now be refused; null for none
    } cases[] = {
        {"another case", {{"a", "Order"}}, {}, "oRDER", "a", "ORDER"},
        {"a Latin-1 capital is its small letter",
         {{"a", "\xC3\x84pfel"}},
         {},
         "\xC3\xA4PFEL",
         "a",
         "\xC3\xA4pfel"},
        {"a Latin-1 letter is not its neighbour",
         {{"a", "\xC3\x84pfel"}},
         {},
         "\xC3\xA5pfel",
         nullptr,
         nullptr},
        {"removed", {{"a", "Order"}, {"b", "Line"}}, {"ORDER"}, "order", nullptr, nullptr},
        {"the others stay after a removal",
         {{"a", "Order"}, {"b", "Line"}, {"c", "x"}},
         {"order"},
         "Line",
         "b",
         "LINE"},
        {"the rest keeps its keys after a removal before it",
         {{"a", "x"}, {"b", "Order"}},
         {"X"},
         "ORDER",
         "b",
         "order"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        vb::Collection<std::string> collection;
        for (const auto& [item, key] : c.added)
            collection.Add(item, key);
        for (const char* key : c.removed)
            collection.Remove(std::string_view(key));
        if (c.found) {
            EXPECT_EQ(collection.Item(std::string_view(c.lookFor)), c.found);
        } else {
            // What is not there can be added again under its key.
            EXPECT_FALSE(collection.Exists(c.lookFor));
            collection.Add("again", c.lookFor);
            EXPECT_EQ(collection.Item(std::string_view(c.lookFor)), "again");
        }
        if (c.duplicate) {
            EXPECT_EQ(ErrorNumberOf([&] { collection.Add("new", c.duplicate); }), vb::kDuplicateKey);
        }
    }
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
