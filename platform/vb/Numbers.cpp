#include "platform/vb/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "platform/vb/Error.h"

namespace vb {
namespace {

double RoundHalfToEven(double value) {
    return std::nearbyint(value);
}  // default rounding mode is to even

template <typename Target>
Target CheckedRound(double value) {
    if (std::isnan(value))
        Raise(kOverflow);
    const double rounded = RoundHalfToEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Target>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Target>::max())) {
        Raise(kOverflow);
    }
    return static_cast<Target>(rounded);
}

template <typename Target>
Target CheckedResult(int64_t value) {
    if (value < std::numeric_limits<Target>::min() || value > std::numeric_limits<Target>::max())
        Raise(kOverflow);
    return static_cast<Target>(value);
}

}  // namespace

std::string NumberText(double value) {
    if (value == 0)
        return "0";
    // Whole numbers that "%.15G" writes in full, which is nearly every number generated code holds.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(value));
        return std::string(digits, written.ptr);
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // VB writes no zero before the decimal point.
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text;
}

std::string Str(double value) {
    return value >= 0 ? " " + NumberText(value) : NumberText(value);
}

int16_t CInt(double value) {
    return CheckedRound<int16_t>(value);
}
int32_t CLng(double value) {
    return CheckedRound<int32_t>(value);
}

float CSng(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        Raise(kOverflow);
    return static_cast<float>(value);
}

double Int(double value) {
    return std::floor(value);
}
double Fix(double value) {
    return std::trunc(value);
}

int16_t IntegerAdd(int16_t a, int16_t b) {
    return CheckedResult<int16_t>(int64_t{a} + b);
}
int16_t IntegerSubtract(int16_t a, int16_t b) {
    return CheckedResult<int16_t>(int64_t{a} - b);
}
int16_t IntegerMultiply(int16_t a, int16_t b) {
    return CheckedResult<int16_t>(int64_t{a} * b);
}

int16_t IntegerDivide(int16_t a, int16_t b) {
    if (b == 0)
        Raise(kDivisionByZero);
    return CheckedResult<int16_t>(int64_t{a} / b);
}

int32_t LongAdd(int32_t a, int32_t b) {
    return CheckedResult<int32_t>(int64_t{a} + b);
}
int32_t LongMultiply(int32_t a, int32_t b) {
    return CheckedResult<int32_t>(int64_t{a} * b);
}

}  // namespace vb
