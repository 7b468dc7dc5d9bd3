#include <gtest/gtest.h>

#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"

#include "tests/support/ErrorNumber.h"

namespace {

using testing_support::ErrorNumberOf;

TEST(Numbers, StrPutsABlankBeforeNonNegativeNumbers) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5, " 5"},         {-5, "-5"},
        {0, " 0"},         {0.5, " .5"},
        {-0.25, "-.25"},   {2.5, " 2.5"},
        {1e20, " 1E+20"},  {1.5e-7, " 1.5E-07"},
        {32767, " 32767"}, {123456789012345, " 123456789012345"},
        {1e15, " 1E+15"},  {-999999999999999, "-999999999999999"},
        {-0.0, " 0"},      {4294967296, " 4294967296"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Str(c.value), c.text) << c.value;
}

TEST(Numbers, CIntRoundsHalfToEvenAndOverflowsAsVbDoes) {
    const struct {
        double value;
        int expected;  // 0 with error 6 when `overflows`
        bool overflows;
    } cases[] = {
        {2.5, 2, false},   {3.5, 4, false},         {-2.5, -2, false},         {0.5, 0, false},
        {1.5, 2, false},   {32767.4, 32767, false}, {-32768.5, -32768, false}, {32767.5, 0, true},
        {-32769, 0, true}, {1e10, 0, true},
    };
    for (const auto& c : cases) {
        if (c.overflows) {
            EXPECT_EQ(ErrorNumberOf([&] { vb::CInt(c.value); }), vb::kOverflow) << c.value;
        } else {
            EXPECT_EQ(vb::CInt(c.value), c.expected) << c.value;
        }
    }
    EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
    EXPECT_EQ(ErrorNumberOf([] { vb::CLng(2147483647.5); }), vb::kOverflow);
}

TEST(Numbers, IntegerArithmeticRaisesOverflow) {
    EXPECT_EQ(ErrorNumberOf([] { vb::IntegerAdd(32767, 1); }), vb::kOverflow);
    EXPECT_EQ(ErrorNumberOf([] { vb::IntegerSubtract(-32768, 1); }), vb::kOverflow);
    EXPECT_EQ(ErrorNumberOf([] { vb::IntegerMultiply(200, 200); }), vb::kOverflow);
    EXPECT_EQ(ErrorNumberOf([] { vb::IntegerDivide(-32768, -1); }), vb::kOverflow);
    EXPECT_EQ(ErrorNumberOf([] { vb::IntegerDivide(1, 0); }), vb::kDivisionByZero);
    EXPECT_EQ(vb::IntegerAdd(32766, 1), 32767);
    EXPECT_EQ(vb::IntegerDivide(-7, 2), -3);
    EXPECT_EQ(ErrorNumberOf([] { vb::LongAdd(2147483647, 1); }), vb::kOverflow);
}

TEST(Numbers, IntFloorsAndFixTruncates) {
    EXPECT_EQ(vb::Int(-2.5), -3);
    EXPECT_EQ(vb::Fix(-2.5), -2);
    EXPECT_EQ(vb::Int(2.9), 2);
}

}  // namespace
