#include "setuptool/SplitString.h"

#include <limits>

#include "platform/vb/Error.h"

namespace OstrlReg_Mods {

namespace {

void AddPiece(std::vector<std::string>& pieces, std::string_view piece) {
    if (pieces.size() == static_cast<size_t>(std::numeric_limits<int16_t>::max())) {
        pieces.clear();
        vb::Raise(vb::kOverflow, "SplitString");
    }
    pieces.emplace_back(piece);
}

}  // namespace

int16_t SplitString(std::vector<std::string>& pieces, std::string_view text, std::string_view delimiter) {
    if (delimiter.empty())
        delimiter = ";";
    pieces.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) {
            AddPiece(pieces, text.substr(start));
            break;
        }
        AddPiece(pieces, text.substr(start, at - start));
        start = at + delimiter.size();
    }
    return static_cast<int16_t>(pieces.size());
}

}  // namespace OstrlReg_Mods
