#pragma once
// The setup tool's string splitter.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace OstrlReg_Mods {

// Splits `text` at every occurrence of `delimiter` (";" when empty), compared exactly, and returns the number
// of pieces. Empty pieces at the start and in the middle count; a delimiter at the very end adds none; an
// empty text gives no pieces. More pieces than an Integer counts raise error 6.
int16_t SplitString(std::vector<std::string>& pieces, std::string_view text, std::string_view delimiter);

}  // namespace OstrlReg_Mods
