// CDate of a text: tokens read into a date part and a time part, each checked for its range.

#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/DateTime.h"
#include "platform/vb/Text.h"

namespace vb {
namespace {

struct Token {
    enum Kind { Number, Word, Separator } kind;
    std::string text;
    int value = 0;
};

std::optional<std::vector<Token>> Tokens(std::string_view text) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t end = i + 1;
        if (std::isdigit(c)) {
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            if (end - i > 4)
                return std::nullopt;
            const std::string digits(text.substr(i, end - i));
            tokens.push_back({Token::Number, digits, std::stoi(digits)});
        } else if (std::isalpha(c)) {
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
                ++end;
            tokens.push_back({Token::Word, FoldCase(text.substr(i, end - i))});
        } else if (c == '/' || c == '-' || c == '.' || c == ':') {
            tokens.push_back({Token::Separator, std::string(1, static_cast<char>(c))});
        } else if (c != ' ' && c != ',' && c != '\t') {
            return std::nullopt;
        }
        i = end;
    }
    return tokens;
}

// 1 to 12 for a month's name or its first three letters, else 0.
int MonthOfWord(const std::string& word) {
    static constexpr const char* kNames[] = {"january",   "february", "march",    "april",
                                             "may",       "june",     "july",     "august",
                                             "september", "october",  "november", "december"};
    for (int month = 0; month < 12; ++month) {
        const std::string_view name = kNames[month];
        if (word == name || (word.size() == 3 && name.substr(0, 3) == word))
            return month + 1;
    }
    return 0;
}

bool IsHalfDay(const Token& token) {
    return token.kind == Token::Word && (token.text == "am" || token.text == "pm");
}

// Takes "h:mm[:ss] [AM|PM]" or "h AM|PM" out of `tokens`; false when a time is there but wrong.
bool TakeTime(std::vector<Token>& tokens, DateParts& parts, bool& hasTime) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Number)
            continue;
        size_t end = i + 1;
        std::vector<int> values = {tokens[i].value};
        while (end + 1 < tokens.size() && tokens[end].text == ":" && tokens[end + 1].kind == Token::Number &&
               values.size() < 3) {
            values.push_back(tokens[end + 1].value);
            end += 2;
        }
        const bool halfDay = end < tokens.size() && IsHalfDay(tokens[end]);
        if (values.size() == 1 && !halfDay)
            continue;
        int hour = values[0];
        if (halfDay) {
            if (hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (tokens[end].text == "pm" ? 12 : 0);
            ++end;
        }
        parts.hour = hour;
        parts.minute = values.size() > 1 ? values[1] : 0;
        parts.second = values.size() > 2 ? values[2] : 0;
        if (parts.hour > 23 || parts.minute > 59 || parts.second > 59)
            return false;
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                     tokens.begin() + static_cast<std::ptrdiff_t>(end));
        hasTime = true;
        return true;
    }
    return true;
}

int FullYear(const Token& year) {
    if (year.text.size() > 2)
        return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

// The date part: what is left once the time is taken out.
bool ReadDate(const std::vector<Token>& tokens, DateParts& parts, bool& hasDate) {
    std::vector<Token> items;
    for (const Token& token : tokens) {
        if (token.kind != Token::Separator || token.text == ":")
            items.push_back(token);
    }
    for (const Token& token : items) {
        if (token.kind == Token::Separator || (token.kind == Token::Word && MonthOfWord(token.text) == 0))
            return false;
    }
    hasDate = !items.empty();
    if (!hasDate)
        return true;
    const int thisYear = SplitDate(Now()).year;
    const auto isNumber = [&](size_t i) { return items[i].kind == Token::Number; };
    if (items.size() == 3 && isNumber(0) && isNumber(1) && isNumber(2)) {
        if (items[0].text.size() > 2) {
            parts = {items[0].value, items[1].value, items[2].value, parts.hour, parts.minute, parts.second};
        } else {
            parts = {FullYear(items[2]), items[0].value, items[1].value,
                     parts.hour,         parts.minute,   parts.second};
        }
    } else if (items.size() == 2 && isNumber(0) && isNumber(1)) {
        parts = {thisYear, items[0].value, items[1].value, parts.hour, parts.minute, parts.second};
    } else if (items.size() == 3 && !isNumber(0) && isNumber(1) && isNumber(2)) {
        parts = {FullYear(items[2]), MonthOfWord(items[0].text), items[1].value, parts.hour, parts.minute,
                 parts.second};
    } else if (items.size() == 3 && isNumber(0) && !isNumber(1) && isNumber(2)) {
        parts = {FullYear(items[2]), MonthOfWord(items[1].text), items[0].value, parts.hour, parts.minute,
                 parts.second};
    } else {
        return false;
    }
    if (parts.year < 100 || parts.year > 9999 || parts.month < 1 || parts.month > 12 || parts.day < 1)
        return false;
    // A day past the month's end comes back as another date.
    const DateParts check = SplitDate(DateSerial({parts.year, parts.month, parts.day}));
    return check.month == parts.month && check.day == parts.day;
}

}  // namespace

std::optional<double> DateFromText(std::string_view text) {
    auto tokens = Tokens(text);
    if (!tokens || tokens->empty())
        return std::nullopt;
    DateParts parts;
    bool hasTime = false;
    bool hasDate = false;
    if (!TakeTime(*tokens, parts, hasTime) || !ReadDate(*tokens, parts, hasDate))
        return std::nullopt;
    if (!hasDate && !hasTime)
        return std::nullopt;
    if (!hasDate)
        return (parts.hour * 3600 + parts.minute * 60 + parts.second) / 86400.0;
    return DateSerial(parts);
}

}  // namespace vb
