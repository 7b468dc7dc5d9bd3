#pragma once
// VB's Variant: a value of one of the runtime's types, with VB's conversions between them.
// Conversions that VB refuses raise 13 (Type mismatch), 94 (Invalid use of Null) or 6 (Overflow).

#include <cstdint>
#include <string>
#include <variant>

#include "platform/vb/Object.h"

namespace vb {

enum class VarType { Empty, Null, Boolean, Integer, Long, Single, Double, Currency, Date, String, Object };

constexpr int32_t kInvalidUseOfNull = 94;

class Variant {
  public:
    Variant() = default;
    Variant(bool value) : mValue(value) {}
    Variant(int16_t value) : mValue(value) {}
    Variant(int32_t value) : mValue(value) {}
    Variant(float value) : mValue(value) {}
    Variant(double value) : mValue(value) {}
    Variant(std::string value) : mValue(std::move(value)) {}
    Variant(const char* value) : mValue(std::string(value)) {}
    Variant(ObjectPtr value) : mValue(std::move(value)) {}

    static Variant Null();
    // Currency is held scaled by 10,000, as VB holds it.
    static Variant Currency(int64_t scaled);
    static Variant Date(double date);

    VarType Type() const;
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsNull() const { return Type() == VarType::Null; }
    bool IsObject() const { return Type() == VarType::Object; }
    bool IsNumeric() const;

    // CStr, CBool, CInt, CLng, CDbl.
    std::string ToString() const;
    bool ToBoolean() const;
    int16_t ToInteger() const;
    int32_t ToLong() const;
    double ToDouble() const;
    ObjectPtr ToObject() const;  // 13 unless an object (or Nothing)

    friend bool operator==(const Variant& a, const Variant& b);

  private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct CurrencyValue {
        int64_t scaled;
        bool operator==(const CurrencyValue&) const = default;
    };
    struct DateValue {
        double date;
        bool operator==(const DateValue&) const = default;
    };
    using Storage = std::variant<std::monostate, NullTag, bool, int16_t, int32_t, float, double,
                                 CurrencyValue, DateValue, std::string, ObjectPtr>;
    Storage mValue;
};

}  // namespace vb
