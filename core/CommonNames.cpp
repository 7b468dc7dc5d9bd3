#include "core/CommonNames.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/vb/Text.h"

namespace core::Common {
namespace {

constexpr int32_t kMaxNameLength = 30;
// A double quote too: it would end a generated string literal.
constexpr std::string_view kPunctuation = "!-=+~\\|@';:<>%$^&()#*?.{},`\"";

// VB5's reserved words, sorted as FoldCase sorts them, for a binary search.
constexpr std::array<std::string_view, 129> kKeywords = {
    "addressof", "and",        "any",      "as",         "attribute",  "boolean",  "byref",      "byte",
    "byval",     "call",       "case",     "cbool",      "cbyte",      "ccur",     "cdate",      "cdbl",
    "cdec",      "cint",       "clng",     "close",      "const",      "csng",     "cstr",       "currency",
    "cvar",      "cverr",      "date",     "decimal",    "declare",    "defbool",  "defbyte",    "defcur",
    "defdate",   "defdbl",     "defdec",   "defint",     "deflng",     "defobj",   "defsng",     "defstr",
    "defvar",    "dim",        "do",       "double",     "each",       "else",     "elseif",     "empty",
    "end",       "enum",       "eqv",      "erase",      "error",      "event",    "exit",       "false",
    "for",       "friend",     "function", "get",        "global",     "gosub",    "goto",       "if",
    "imp",       "implements", "in",       "input",      "integer",    "is",       "len",        "let",
    "like",      "line",       "lock",     "long",       "loop",       "lset",     "me",         "mid",
    "mod",       "new",        "next",     "not",        "nothing",    "null",     "object",     "on",
    "open",      "option",     "optional", "or",         "paramarray", "preserve", "print",      "private",
    "property",  "public",     "put",      "raiseevent", "redim",      "rem",      "resume",     "return",
    "rset",      "seek",       "select",   "set",        "single",     "static",   "step",       "stop",
    "string",    "sub",        "then",     "to",         "true",       "type",     "typeof",     "unlock",
    "until",     "variant",    "wend",     "while",      "width",      "with",     "withevents", "write",
    "xor",
};

static_assert(std::ranges::is_sorted(kKeywords));

}  // namespace

bool IsVbKeyword(std::string_view name) {
    return std::binary_search(kKeywords.begin(), kKeywords.end(), vb::FoldCase(name));
}

std::string VbNameFault(const std::string& name) {
    std::string rewritten = name;
    std::string message;
    if (!ValidateName(rewritten, message))
        return message;
    if (!vb::IsIdentifier(name)) {
        if (!vb::IsNameLetter(static_cast<unsigned char>(vb::Utf8ToWindows1252(name).front())))
            return "Name must begin with a letter!";
        return "A name can hold only letters, digits and \"_\"!";
    }
    if (IsVbKeyword(name))
        return "\"" + name + "\" is a word VB reserves!";
    return {};
}

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
