#include "core/PermittedValueCheck.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/vb/DateTime.h"
#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Variant.h"

namespace core {
namespace {

bool IsNumberType(const std::string& dataType) {
    return dataType == "Byte" || dataType == "Integer" || dataType == "Long" || dataType == "Single" ||
           dataType == "Double" || dataType == "Currency" || dataType == "Decimal";
}

// A number as VB code writes one: digits with one decimal point at most, an exponent, a sign before them;
// blanks around it.
bool IsWrittenAsNumber(std::string_view text) {
    size_t at = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ') + 1;
    if (at == std::string_view::npos)
        return false;
    const auto digits = [&] {
        const size_t from = at;
        while (at < end && std::isdigit(static_cast<unsigned char>(text[at])) != 0)
            ++at;
        return at - from;
    };
    if (text[at] == '-' || text[at] == '+')
        ++at;
    size_t mantissa = digits();
    if (at < end && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < end && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < end && (text[at] == '-' || text[at] == '+'))
            ++at;
        if (digits() == 0)
            return false;
    }
    return at == end;
}

// The largest Currency, 922,337,203,685,477.5807, as far as a double holds it.
constexpr double kCurrencyLimit = 922337203685477.5807;

std::optional<std::string> Converted(const std::string& dataType, const std::string& text) {
    const vb::Variant value(text);
    if (dataType == "String")
        return text;
    if (dataType == "Boolean")
        return value.ToBoolean() ? "True" : "False";
    if (dataType == "Date") {
        const auto date = vb::DateFromText(text);
        return date ? std::optional(vb::DateText(*date)) : std::nullopt;
    }
    if (!IsNumberType(dataType) || !value.IsNumeric())
        return std::nullopt;
    const double number = value.ToDouble();
    if (!std::isfinite(number))
        return std::nullopt;
    if (dataType == "Byte") {
        const int32_t whole = vb::CLng(number);
        return whole < 0 || whole > 255 ? std::nullopt : std::optional(std::to_string(whole));
    }
    if (dataType == "Integer")
        return std::to_string(vb::CInt(number));
    if (dataType == "Long")
        return std::to_string(vb::CLng(number));
    if (dataType == "Single")
        return vb::NumberText(vb::CSng(number));
    if (dataType == "Currency") {
        const double rounded = std::nearbyint(number * 10000) / 10000;
        return std::fabs(rounded) > kCurrencyLimit ? std::nullopt : std::optional(vb::NumberText(rounded));
    }
    return vb::NumberText(number);
}

}  // namespace

bool CheckPermittedValue(const std::string& dataType, std::string& value) {
    try {
        const auto converted = Converted(dataType, value);
        if (!converted)
            return false;
        value = *converted;
        return true;
    } catch (const vb::Error&) {
        return false;
    }
}

std::string ValueFault(const std::string& dataType, const std::string& value) {
    std::string converted = value;
    if (!CheckPermittedValue(dataType, converted))
        return dataType.empty() ? "is no value of a data type" : "is no value of the type " + dataType;
    if (IsNumberType(dataType) && !IsWrittenAsNumber(value))
        return "is not written as VB writes a number: " + converted;
    return {};
}

}  // namespace core
