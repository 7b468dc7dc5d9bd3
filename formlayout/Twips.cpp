#include "formlayout/Twips.h"

#include "platform/vb/Error.h"

namespace formlayout {

Twips RoundedQuotient(Twips dividend, Twips divisor) {
    if (divisor.value() == 0)
        vb::Raise(dividend.value() == 0 ? vb::kOverflow : vb::kDivisionByZero);
    const float quotient = static_cast<float>(dividend.value()) / static_cast<float>(divisor.value());
    return vb::CInt(quotient);
}

Twips CountOf(std::size_t count) {
    if (count > static_cast<std::size_t>(INT16_MAX))
        vb::Raise(vb::kOverflow);
    return static_cast<int16_t>(count);
}

}  // namespace formlayout
