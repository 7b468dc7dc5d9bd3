#pragma once
// VB's number conversions and its checked 16-bit Integer arithmetic.

#include <cstdint>
#include <string>

namespace vb {

// The text of a number as VB's CStr writes it: up to 15 significant digits, no leading zero before
// the decimal point (".5"), exponents as "1E+20".
std::string NumberText(double value);

// Str: NumberText with a blank in front of a non-negative number.
std::string Str(double value);

// Round half to even, then raise 6 (Overflow) outside the type's range.
int16_t CInt(double value);
int32_t CLng(double value);
float CSng(double value);

// Int floors, Fix truncates toward zero.
double Int(double value);
double Fix(double value);

// Integer (16-bit) arithmetic that raises 6 on overflow, as VB's Integer operators do.
int16_t IntegerAdd(int16_t a, int16_t b);
int16_t IntegerSubtract(int16_t a, int16_t b);
int16_t IntegerMultiply(int16_t a, int16_t b);
// VB's "\": both operands rounded to integers, the quotient truncated; 11 on a zero divisor.
int16_t IntegerDivide(int16_t a, int16_t b);

// Long (32-bit) arithmetic that raises 6 on overflow.
int32_t LongAdd(int32_t a, int32_t b);
int32_t LongMultiply(int32_t a, int32_t b);

}  // namespace vb
