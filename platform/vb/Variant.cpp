#include "platform/vb/Variant.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/vb/DateTime.h"
#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace vb {
namespace {

// A number written as text, as CDbl reads it; 13 when the text is no number.
double ParseNumber(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        Raise(kTypeMismatch);
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE)
        Raise(kTypeMismatch);
    return value;
}

}  // namespace

Variant Variant::Null() {
    Variant value;
    value.mValue.emplace<NullTag>();
    return value;
}

Variant Variant::Currency(int64_t scaled) {
    Variant value;
    value.mValue.emplace<CurrencyValue>(scaled);
    return value;
}

Variant Variant::Date(double date) {
    Variant value;
    value.mValue.emplace<DateValue>(date);
    return value;
}

VarType Variant::Type() const {
    return static_cast<VarType>(mValue.index());
}

bool Variant::IsNumeric() const {
    switch (Type()) {
        case VarType::Empty:
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
        case VarType::Currency:
            return true;
        case VarType::String:
            try {
                ParseNumber(std::get<std::string>(mValue));
                return true;
            } catch (const Error&) {
                return false;
            }
        default:
            return false;
    }
}

std::string Variant::ToString() const {
    switch (Type()) {
        case VarType::Empty:
            return "";
        case VarType::Null:
            Raise(kInvalidUseOfNull);
        case VarType::Boolean:
            return std::get<bool>(mValue) ? "True" : "False";
        case VarType::Integer:
            return std::to_string(std::get<int16_t>(mValue));
        case VarType::Long:
            return std::to_string(std::get<int32_t>(mValue));
        case VarType::Single:
            return NumberText(std::get<float>(mValue));
        case VarType::Double:
            return NumberText(std::get<double>(mValue));
        case VarType::Currency:
            return NumberText(static_cast<double>(std::get<CurrencyValue>(mValue).scaled) / 10000);
        case VarType::Date:
            return DateText(std::get<DateValue>(mValue).date);
        case VarType::String:
            return std::get<std::string>(mValue);
        case VarType::Object:
            Raise(kTypeMismatch);
    }
    Raise(kTypeMismatch);
}

double Variant::ToDouble() const {
    switch (Type()) {
        case VarType::Empty:
            return 0;
        case VarType::Null:
            Raise(kInvalidUseOfNull);
        case VarType::Boolean:
            return std::get<bool>(mValue) ? -1 : 0;
        case VarType::Integer:
            return std::get<int16_t>(mValue);
        case VarType::Long:
            return std::get<int32_t>(mValue);
        case VarType::Single:
            return std::get<float>(mValue);
        case VarType::Double:
            return std::get<double>(mValue);
        case VarType::Currency:
            return static_cast<double>(std::get<CurrencyValue>(mValue).scaled) / 10000;
        case VarType::Date:
            return std::get<DateValue>(mValue).date;
        case VarType::String: {
            const std::string& text = std::get<std::string>(mValue);
            if (TextEquals(Trim(text), "True"))
                return -1;
            if (TextEquals(Trim(text), "False"))
                return 0;
            return ParseNumber(text);
        }
        case VarType::Object:
            Raise(kTypeMismatch);
    }
    Raise(kTypeMismatch);
}

bool Variant::ToBoolean() const {
    return ToDouble() != 0;
}
int16_t Variant::ToInteger() const {
    return CInt(ToDouble());
}
int32_t Variant::ToLong() const {
    return CLng(ToDouble());
}

ObjectPtr Variant::ToObject() const {
    if (Type() != VarType::Object)
        Raise(kTypeMismatch);
    return std::get<ObjectPtr>(mValue);
}

bool operator==(const Variant& a, const Variant& b) {
    return a.mValue == b.mValue;
}

}  // namespace vb
