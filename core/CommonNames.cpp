#include "core/CommonNames.h"

#include <string_view>

#include "platform/vb/Text.h"

namespace core::Common {
namespace {

constexpr int32_t kMaxNameLength = 30;
// A double quote too: it would end a generated string literal.
constexpr std::string_view kPunctuation = "!-=+~\\|@';:<>%$^&()#*?.{},`\"";

}  // namespace

bool ValidateName(std::string& name, std::string& message) {
    if (vb::Len(name) > kMaxNameLength) {
        message = "Name too long!";
        return false;
    }
    if (name.empty() || (name.front() >= '0' && name.front() <= '9')) {
        message = "Name must begin with a letter!";
        return false;
    }
    if (name.find_first_of(kPunctuation) != std::string::npos) {
        message = "There can be no puctuation in a name!";
        return false;
    }
    name = ReplaceText(name, " ", "_");
    return true;
}

std::string AddBackslash(const std::string& path) {
    const std::string trimmed = vb::Trim(path);
    if (trimmed.empty())
        return trimmed;
    if (trimmed.back() == '/')
        return path;
    return trimmed + '/';
}

std::string ReplaceText(const std::string& text, const std::string& find, const std::string& replacement) {
    return vb::Replace(text, find, replacement);
}

}  // namespace core::Common
