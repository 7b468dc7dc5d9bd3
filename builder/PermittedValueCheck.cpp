#include "builder/PermittedValueCheck.h"

#include <cmath>
#include <optional>

#include "platform/vb/DateTime.h"
#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Variant.h"

namespace builder {
namespace {

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
    const bool isNumberType = dataType == "Byte" || dataType == "Integer" || dataType == "Long" ||
                              dataType == "Single" || dataType == "Double" || dataType == "Currency";
    if (!isNumberType || !value.IsNumeric())
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

}  // namespace builder
