#include "platform/vb/DateTime.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>

namespace vb {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

std::optional<double> gFixedClock;

// Days from 1970-01-01 to a civil date (Howard Hinnant's algorithm).
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

const long kEpochOffset = DaysFromCivil(1899, 12, 30);

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

double DateSerial(const DateParts& parts) {
    const double days = static_cast<double>(DaysFromCivil(parts.year, parts.month, parts.day) - kEpochOffset);
    const double time = (parts.hour * 3600 + parts.minute * 60 + parts.second) / 86400.0;
    // Before the zero day the fraction still counts forward in time, as VB stores it.
    return days >= 0 ? days + time : days - time;
}

DateParts SplitDate(double date) {
    DateParts parts;
    const double wholeDays = std::trunc(date);
    long seconds = std::lround(std::fabs(date - wholeDays) * 86400.0);
    long days = static_cast<long>(wholeDays);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += date >= 0 ? 1 : -1;
    }
    CivilFromDays(days + kEpochOffset, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

double Now() {
    if (gFixedClock)
        return *gFixedClock;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return DateSerial(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

void SetFixedClockForTesting(double date) {
    gFixedClock = date;
}
void ClearFixedClockForTesting() {
    gFixedClock.reset();
}

std::string DateText(double date) {
    const DateParts p = SplitDate(date);
    std::string text;
    if (std::trunc(date) != 0) {
        text = std::to_string(p.month) + "/" + std::to_string(p.day) + "/" + std::to_string(p.year);
    }
    if (p.hour != 0 || p.minute != 0 || p.second != 0 || text.empty()) {
        const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        if (!text.empty())
            text += ' ';
        text += std::to_string(hour12) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second) +
                (p.hour < 12 ? " AM" : " PM");
    }
    return text;
}

std::string FormatDate(double date, std::string_view pattern) {
    const DateParts p = SplitDate(date);
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        const std::string_view token = pattern.substr(i, run);
        i += run;
        if (token == "d")
            out += std::to_string(p.day);
        else if (token == "dd")
            out += TwoDigits(p.day);
        else if (token == "m")
            out += std::to_string(p.month);
        else if (token == "mm")
            out += TwoDigits(p.month);
        else if (token == "mmm")
            out += std::string(kMonthNames[p.month - 1]).substr(0, 3);
        else if (token == "mmmm")
            out += kMonthNames[p.month - 1];
        else if (token == "yy")
            out += TwoDigits(p.year % 100);
        else if (token == "yyyy")
            out += std::to_string(p.year);
        else if (token == "h")
            out += std::to_string(p.hour);
        else if (token == "hh")
            out += TwoDigits(p.hour);
        else if (token == "n")
            out += std::to_string(p.minute);
        else if (token == "nn")
            out += TwoDigits(p.minute);
        else if (token == "s")
            out += std::to_string(p.second);
        else if (token == "ss")
            out += TwoDigits(p.second);
        else
            out += token;
    }
    return out;
}

}  // namespace vb
