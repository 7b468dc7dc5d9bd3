#include <gtest/gtest.h>

#include "platform/ini/ProfileText.h"
#include "platform/vb/Error.h"

namespace {

TEST(WithEntry, WritesEntriesAndKeepsEveryOtherLine) {
    const struct {
        const char* name;
        const char* content;
        const char* section;
        const char* key;
        const char* value;
        const char* expected;
    } cases[] = {
        {"new file", "", "Sect", "Key", "Val", "[Sect]\nKey=Val\n"},
        {"new section after a last line without line end", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
        {"new section in a CRLF file", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"new key after the last entry, before blank and comment lines", "[A]\nx=1\n\n; about B\n[B]\ny=2\n",
         "A", "k", "v", "[A]\nx=1\nk=v\n\n; about B\n[B]\ny=2\n"},
        {"new key in a CRLF file", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "k", "v",
         "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\n"},
        {"new key in a section without entries", "[S]\n[T]\nk=1\n", "S", "k", "v", "[S]\nk=v\n[T]\nk=1\n"},
        {"new key after a header without line end", "[S]", "S", "k", "v", "[S]\nk=v\n"},
        {"the same key in another section is not the one", "[T]\nk=1\n[S]\nj=2\n", "S", "k", "v",
         "[T]\nk=1\n[S]\nj=2\nk=v\n"},
        {"replaced key in another letter case keeps its spelling",
         "[Add-Ins32]\r\nvbostrel.connect=0\r\nOther=0\r\n", "ADD-INS32", "VBOSTREL.Connect", "1",
         "[Add-Ins32]\r\nvbostrel.connect=1\r\nOther=0\r\n"},
        {"comments and blank lines are kept, a commented key is no entry",
         "; top\n\n[S]\n;Key=old\n  \nKey = old value\n\n", "S", "Key", "new",
         "; top\n\n[S]\n;Key=old\n  \nKey=new\n\n"},
        {"only the first matching key changes", "[S]\nk=1\nK=2\n", "S", "k", "9", "[S]\nk=9\nK=2\n"},
        {"blanks around names are ignored", "  [ S ]  \n\tk =1\n", " S", " k ", "2", "  [ S ]  \nk=2\n"},
        {"a replaced last line keeps having no line end", "[S]\nk=1", "S", "k", "2", "[S]\nk=2"},
        {"an empty value", "[S]\nk=1\n", "S", "k", "", "[S]\nk=\n"},
        {"a line without = is a key without a value", "[S]\nk\nj\n\n[T]\n", "S", "j", "v",
         "[S]\nk\nj=v\n\n[T]\n"},
        {"a new key goes after a line without =", "[S]\nk\n\n[T]\n", "S", "j", "v", "[S]\nk\nj=v\n\n[T]\n"},
        {"lines before the first section are kept", "junk line\r\n[S]\r\n", "S", "k", "v",
         "junk line\r\n[S]\r\nk=v\r\n"},
        {"bytes outside ASCII pass through", "[S]\n\xe9t\xe9=1\n", "S", "k", "\xff",
         "[S]\n\xe9t\xe9=1\nk=\xff\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini::WithEntry(c.content, c.section, c.key, c.value), c.expected) << c.name;
    }
}

TEST(WithEntry, RefusesEntriesThatWouldNotReadBack) {
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"", "k", "v"},    {"S", "", "v"},    {"  ", "k", "v"}, {"S", " ", "v"},   {"S]", "k", "v"},
        {"S\n", "k", "v"}, {"S", "k=j", "v"}, {"S", ";k", "v"}, {"S", "[k]", "v"}, {"S", "k", "v\r\nx=1"},
    };
    for (const auto& c : cases) {
        try {
            ini::WithEntry("[S]\nk=1\n", c.section, c.key, c.value);
            ADD_FAILURE() << "accepted [" << c.section << "] " << c.key << "=" << c.value;
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), vb::kInvalidProcedureCall);
        }
    }
}

}  // namespace
