#pragma once
// VB's Date: days since 30 December 1899 as a double, the time of day as its fraction.

#include <optional>
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

// CDate of a text, as IsDate accepts it: a date in month/day/year order ("12/8/2026", "12-8-26", and "8/12"
// in the current year), year first with four digits ("2026-12-08"), or with the month's name or its first
// three letters ("Dec 8, 2026", "8 December 2026"); a time ("14:30", "2:30:15 PM", "2 PM"); or a date and
// a time. Two-digit years 0 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999. Nothing for any other text.
std::optional<double> DateFromText(std::string_view text);

// Format with a date pattern: d dd mmm mmmm m mm yy yyyy h hh n nn s ss; other characters are kept.
std::string FormatDate(double date, std::string_view pattern);

}  // namespace vb
