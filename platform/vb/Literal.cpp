#include "platform/vb/Literal.h"

#include <cctype>

#include "platform/vb/Text.h"

namespace vb {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Whether the text is written between the quotes as it stands.
bool IsPlain(std::string_view text) {
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"' || IsControlCharacter(c) || (c == '&' && at + 1 < text.size() && IsLetter(text[at + 1])))
            return false;
    }
    return true;
}

}  // namespace

std::string LiteralBody(std::string_view text) {
    if (IsPlain(text))
        return std::string(text);
    std::string body;
    body.reserve(text.size() + 16);
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            body += "\"\"";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
            body += "\" & vbCrLf & \"";
        } else if (IsControlCharacter(c)) {
            body += "\" & Chr(" + std::to_string(static_cast<unsigned char>(c)) + ") & \"";
        } else if (c == '&' && at + 1 < text.size() && IsLetter(text[at + 1])) {
            body += "&\" & \"";
        } else {
            body += c;
        }
    }
    return body;
}

std::string StringLiteral(std::string_view text) {
    return "\"" + LiteralBody(text) + "\"";
}

}  // namespace vb
