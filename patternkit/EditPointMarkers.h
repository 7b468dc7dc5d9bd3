#pragma once
// The comment lines between which the developer's code survives regeneration; a pattern writes one of
// them followed by the edit point's name.

#include <string_view>

namespace patternkit {

inline constexpr std::string_view kStartEditPoint = "'<<<Start Edit Point: ";
inline constexpr std::string_view kEndEditPoint = "'>>>End Edit Point: ";

}  // namespace patternkit
