#pragma once
// VB's Date: days since 30 December 1899 as a double, the time of day as its fraction.

#include <string>
#include <string_view>

namespace vb {

struct DateParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

double DateSerial(const DateParts& parts);
DateParts SplitDate(double date);

// The local date and time now; tests may fix the clock.
double Now();
void SetFixedClockForTesting(double date);
void ClearFixedClockForTesting();

// The runtime's default text of a date ("12/8/2026 7:38:56 PM"; no time part at midnight, no date
// part on the zero day).
std::string DateText(double date);

// Format with a date pattern: d dd mmm mmmm m mm yy yyyy h hh n nn s ss; other characters are kept.
std::string FormatDate(double date, std::string_view pattern);

}  // namespace vb
