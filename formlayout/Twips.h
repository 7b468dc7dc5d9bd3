#pragma once
// Layout arithmetic as VB does it on Integer twips: every sum, difference and product raises 6 (Overflow)
// outside the 16-bit range, so a form that does not fit fails instead of wrapping round.

#include <compare>
#include <cstddef>
#include <cstdint>

#include "platform/vb/Numbers.h"
#include "platform/vb/Variant.h"

namespace formlayout {

class Twips {
  public:
    constexpr Twips(int16_t value = 0) : mValue(value) {}

    int16_t value() const { return mValue; }
    // As an engine property value: an Integer.
    operator vb::Variant() const { return vb::Variant(mValue); }

    friend Twips operator+(Twips a, Twips b) { return vb::IntegerAdd(a.mValue, b.mValue); }
    friend Twips operator-(Twips a, Twips b) { return vb::IntegerSubtract(a.mValue, b.mValue); }
    friend Twips operator*(Twips a, Twips b) { return vb::IntegerMultiply(a.mValue, b.mValue); }
    friend auto operator<=>(Twips a, Twips b) = default;

  private:
    int16_t mValue;
};

// a / b in single precision, rounded half to even (CInt); 11 when b is 0, 6 for 0 / 0.
Twips RoundedQuotient(Twips dividend, Twips divisor);

// A count as an Integer; 6 beyond INT16_MAX.
Twips CountOf(std::size_t count);

}  // namespace formlayout
