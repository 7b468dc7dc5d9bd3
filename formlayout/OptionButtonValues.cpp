#include "formlayout/OptionButtonValues.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

#include "formlayout/ControlNames.h"
#include "formlayout/FormControls.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace formlayout {
namespace {

constexpr std::array<std::string_view, 9> kValueTypes = {"Byte",    "Integer",  "Long",   "Single", "Double",
                                                         "Decimal", "Currency", "String", "Date"};
constexpr std::array<std::string_view, 12> kMonths = {"january",   "february", "march",    "april",
                                                      "may",       "june",     "july",     "august",
                                                      "september", "october",  "november", "december"};

struct DateToken {
    std::string text;
    bool isNumber;
};

std::vector<DateToken> SplitDateText(std::string_view text) {
    std::vector<DateToken> tokens;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool digit = std::isdigit(c) != 0;
        if (!digit && std::isalpha(c) == 0) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && (digit ? std::isdigit(static_cast<unsigned char>(text[end])) != 0
                                           : std::isalpha(static_cast<unsigned char>(text[end])) != 0))
            ++end;
        tokens.push_back({vb::LCase(text.substr(i, end - i)), digit});
        i = end;
    }
    return tokens;
}

// 1 to 12 for a month's name or its first three letters or more; 0 otherwise.
int MonthOfName(const std::string& word) {
    for (std::size_t month = 0; month < kMonths.size(); ++month) {
        if (word.size() >= 3 && kMonths[month].starts_with(word))
            return static_cast<int>(month) + 1;
    }
    return 0;
}

bool LooksLikeYear(const DateToken& token) {
    return token.text.size() >= 3 || std::stoi(token.text) > 31;
}

int FullYear(const DateToken& token) {
    const int year = std::stoi(token.text);
    if (token.text.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

// Month/day/year or year-month-day in digits, or day, month's name and year in either order.
std::optional<vb::DateParts> ReadDate(std::string_view text) {
    const auto tokens = SplitDateText(text);
    if (tokens.size() != 3 || std::any_of(tokens.begin(), tokens.end(), [](const DateToken& token) {
            return token.isNumber && token.text.size() > 4;
        }))
        return std::nullopt;
    std::vector<DateToken> numbers;
    int month = 0;
    for (const auto& token : tokens) {
        if (token.isNumber) {
            numbers.push_back(token);
            continue;
        }
        if (month != 0)
            return std::nullopt;
        month = MonthOfName(token.text);
        if (month == 0)
            return std::nullopt;
    }
    vb::DateParts parts;
    if (month != 0) {
        const bool yearFirst = LooksLikeYear(numbers[0]);
        parts.year = FullYear(numbers[yearFirst ? 0 : 1]);
        parts.day = std::stoi(numbers[yearFirst ? 1 : 0].text);
        parts.month = month;
    } else if (numbers[0].text.size() >= 3) {
        parts = {.year = FullYear(numbers[0]),
                 .month = std::stoi(numbers[1].text),
                 .day = std::stoi(numbers[2].text)};
    } else {
        parts = {.year = FullYear(numbers[2]),
                 .month = std::stoi(numbers[0].text),
                 .day = std::stoi(numbers[1].text)};
    }
    // A day past the month's end would roll into the next month: such a text is no date.
    const vb::DateParts check = vb::SplitDate(vb::DateSerial(parts));
    if (parts.month < 1 || parts.month > 12 || check.year != parts.year || check.month != parts.month ||
        check.day != parts.day)
        return std::nullopt;
    return parts;
}

std::string ValueText(const std::string& dataType, const std::string& value) {
    if (dataType == "Date")
        return DateValueText(value);
    if (dataType == "Single" || dataType == "Double" || dataType == "Currency")
        return vb::Replace(vb::Replace(vb::Replace(value, ".", "D"), "-", "M"), "+", "P");
    return value;
}

// Letters, digits and "_" only: a suffix that VB reads as part of the button's name.
std::string NameSafe(std::string text) {
    for (char& c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0)
            c = '_';
    }
    return text;
}

OptionButtonValue ButtonOf(const std::string& value) {
    std::string caption = vb::Trim(value);
    std::string suffix = NameSafe(caption);
    return {std::move(caption), std::move(suffix)};
}

// Each button of a group needs a name of its own that VB takes: the suffixes as FittedControlNames
// leaves them after the buttons' name head.
void FitSuffixes(std::vector<OptionButtonValue>& values, const std::string& propertyName) {
    const std::string head = OptionButtonHead(propertyName);
    std::vector<std::string> suffixes;
    suffixes.reserve(values.size());
    for (const OptionButtonValue& value : values)
        suffixes.push_back(value.suffix);
    const std::vector<std::string> names = FittedControlNames(head, suffixes);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i].suffix = names[i].substr(std::min(head.size(), names[i].size()));
}

}  // namespace

std::string DateValueText(const std::string& value) {
    const auto date = ReadDate(value);
    return date ? vb::FormatDate(vb::DateSerial(*date), "mmm_dd_yyyy") : value;
}

std::vector<OptionButtonValue> OptionButtonValues(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    if (dataType == "Boolean")
        return {ButtonOf("True"), ButtonOf("False")};
    if (std::find(kValueTypes.begin(), kValueTypes.end(), dataType) == kValueTypes.end())
        return {};
    if (!property.IsPVList())
        return {ButtonOf(property.Name())};
    const auto permitted = property.PermittedValues();
    if (!permitted)
        vb::Raise(vb::kObjectNotSet);
    std::vector<OptionButtonValue> values;
    for (const auto& value : *permitted)
        values.push_back(ButtonOf(ValueText(dataType, value)));
    FitSuffixes(values, property.Name());
    return values;
}

}  // namespace formlayout
