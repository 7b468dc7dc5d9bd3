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

namespace {

TEST(DateTime, DateFromTextReadsWhatIsDateAccepts) {
    vb::SetFixedClockForTesting(vb::DateSerial({2026, 6, 1}));
    const struct {
        const char* text;
        const char* date;  // nullptr: no date
    } cases[] = {
        {"12/8/2026", "12/8/2026"},
        {" 12-08-26 ", "12/8/2026"},
        {"1/2/45", "1/2/1945"},
        {"2026-12-08", "12/8/2026"},
        {"8/12", "8/12/2026"},
        {"Dec 8, 2026", "12/8/2026"},
        {"8 december 2026", "12/8/2026"},
        {"12/8/2026 14:30", "12/8/2026 2:30:00 PM"},
        {"2:30:15 pm", "2:30:15 PM"},
        {"12 AM", "12:00:00 AM"},
        {"2/29/2024", "2/29/2024"},
        {"2/29/2026", nullptr},
        {"13/1/2026", nullptr},
        {"12/8/2026 25:00", nullptr},
        {"13 PM", nullptr},
        {"Decem 8 2026", nullptr},
        {"12/8/2026/1", nullptr},
        {"12345", nullptr},
        {"", nullptr},
        {"soon", nullptr},
        {"12:30:", nullptr},
    };
    for (const auto& c : cases) {
        const auto date = vb::DateFromText(c.text);
        ASSERT_EQ(date.has_value(), c.date != nullptr) << c.text;
        if (date) {
            EXPECT_EQ(vb::DateText(*date), c.date) << c.text;
        }
    }
    vb::ClearFixedClockForTesting();
}

}  // namespace
