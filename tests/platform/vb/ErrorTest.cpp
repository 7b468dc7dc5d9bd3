#include <gtest/gtest.h>

#include "platform/vb/Error.h"

namespace {

TEST(Error, CarriesVbStandardTexts) {
    const struct {
        int number;
        const char* text;
    } cases[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {55, "File already open"},
        {56, "Bad file length"},
        {91, "Object variable or With block variable not set"},
        {424, "Object required"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
        {457, "This key is already associated with an element of this collection"},
        {1234, "Application-defined or object-defined error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::Error(c.number).Description(), c.text);
        EXPECT_STREQ(vb::Error(c.number).what(), c.text);
    }
    EXPECT_EQ(vb::Error(5, "own text").Description(), "own text");
}

TEST(Error, WithSourcePrefixesTheSourceAndRaisesAgain) {
    try {
        vb::WithSource("Outer.Build->",
                       [] { vb::WithSource("Inner.Step->", [] { vb::Raise(91, "Engine"); }); });
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), 91);
        EXPECT_EQ(error.Source(), "Outer.Build->Inner.Step->Engine");
    }
    EXPECT_EQ(vb::WithSource("X", [] { return 7; }), 7);
}

}  // namespace
