#pragma once
// Values of an Access file as libmdb gives them (text in a bound buffer), made into Variants.

#include <string_view>

#include "platform/dao/Schema.h"
#include "platform/vb/Variant.h"

namespace dao {

// libmdb writes dates in this form.
inline constexpr const char* kAccessDateFormat = "%Y-%m-%d %H:%M:%S";

// `text` is libmdb's text of a non-Null value of a column of `type`.
vb::Variant AccessValue(FieldType type, std::string_view text);

// The stored value meets the wanted one: text ignoring letter case, other values by number; Null meets
// nothing.
bool ValueMeets(const vb::Variant& stored, const vb::Variant& wanted);

}  // namespace dao
