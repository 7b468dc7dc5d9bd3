#include <gtest/gtest.h>

#include "platform/vb/DateTime.h"

namespace {

TEST(DateTime, SerialNumbersMatchVb) {
    EXPECT_EQ(vb::DateSerial({1899, 12, 30}), 0);
    EXPECT_EQ(vb::DateSerial({1900, 1, 1}), 2);
    EXPECT_EQ(vb::DateSerial({2000, 1, 1}), 36526);
    EXPECT_DOUBLE_EQ(vb::DateSerial({2000, 1, 1, 12, 0, 0}), 36526.5);
    const vb::DateParts parts = vb::SplitDate(vb::DateSerial({2026, 2, 28, 23, 59, 59}));
    EXPECT_EQ(parts.year, 2026);
    EXPECT_EQ(parts.month, 2);
    EXPECT_EQ(parts.day, 28);
    EXPECT_EQ(parts.second, 59);
}

TEST(DateTime, DefaultTextAndFormats) {
    EXPECT_EQ(vb::DateText(vb::DateSerial({2026, 1, 5})), "1/5/2026");
    EXPECT_EQ(vb::DateText(vb::DateSerial({2026, 1, 5, 0, 5, 0})), "1/5/2026 12:05:00 AM");
    EXPECT_EQ(vb::DateText(0.75), "6:00:00 PM");
    EXPECT_EQ(vb::FormatDate(vb::DateSerial({2026, 12, 8}), "mmm_dd_yyyy"), "Dec_08_2026");
    EXPECT_EQ(vb::FormatDate(vb::DateSerial({2026, 3, 1, 9, 7, 5}), "yyyy-mm-dd hh:nn:ss"),
              "2026-03-01 09:07:05");
}

TEST(DateTime, FixedClockForTests) {
    vb::SetFixedClockForTesting(36526.5);
    EXPECT_EQ(vb::Now(), 36526.5);
    vb::ClearFixedClockForTesting();
    EXPECT_GT(vb::Now(), vb::DateSerial({2020, 1, 1}));
}

}  // namespace
