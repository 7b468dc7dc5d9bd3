#include "platform/dao/AccessValues.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/vb/DateTime.h"
#include "platform/vb/Text.h"

namespace dao {

namespace {

template <typename Number>
Number ParseNumber(std::string_view text) {
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "-123.4500" into 10,000ths, without passing through a double.
vb::Variant CurrencyValue(std::string_view text) {
    const bool isNegative = text.starts_with('-');
    if (isNegative)
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string fraction(point == std::string_view::npos ? std::string_view() : text.substr(point + 1));
    fraction.resize(4, '0');
    int64_t scaled = ParseNumber<int64_t>(whole);
    if (scaled > std::numeric_limits<int64_t>::max() / 10000)
        return vb::Variant(ParseNumber<double>(text));
    scaled = scaled * 10000 + ParseNumber<int64_t>(fraction);
    return vb::Variant::Currency(isNegative ? -scaled : scaled);
}

vb::Variant DateValue(std::string_view text) {
    vb::DateParts parts;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%d-%d-%d %d:%d:%d", &parts.year, &parts.month, &parts.day, &parts.hour,
                    &parts.minute, &parts.second) != 6) {
        return vb::Variant::Null();
    }
    return vb::Variant::Date(vb::DateSerial(parts));
}

}  // namespace

vb::Variant AccessValue(FieldType type, std::string_view text) {
    switch (type) {
        case FieldType::Boolean:
            return vb::Variant(text == "1");
        case FieldType::Byte:
        case FieldType::Integer:
            return vb::Variant(ParseNumber<int16_t>(text));
        case FieldType::Long:
            return vb::Variant(ParseNumber<int32_t>(text));
        case FieldType::Currency:
            return CurrencyValue(text);
        case FieldType::Single:
            return vb::Variant(ParseNumber<float>(text));
        case FieldType::Double:
        case FieldType::Decimal:
            return vb::Variant(ParseNumber<double>(text));
        case FieldType::Date:
            return DateValue(text);
        default:
            return vb::Variant(std::string(text));
    }
}

bool ValueMeets(const vb::Variant& stored, const vb::Variant& wanted) {
    if (stored.IsNull() || wanted.IsNull())
        return false;
    if (stored.Type() == vb::VarType::String)
        return vb::TextEquals(stored.ToString(), wanted.ToString());
    return stored.ToDouble() == wanted.ToDouble();
}

}  // namespace dao
