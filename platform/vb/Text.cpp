#include "platform/vb/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <array>
#include <optional>

#include "platform/vb/Error.h"

namespace vb {
namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte offset of character `index` (0-based); the text's size when the text is shorter.
size_t ByteOffset(std::string_view text, int32_t index) {
    size_t offset = 0;
    for (int32_t i = 0; i < index && offset < text.size(); ++i) {
        ++offset;
        while (offset < text.size() && IsContinuationByte(static_cast<unsigned char>(text[offset])))
            ++offset;
    }
    return offset;
}

void RequireNonNegative(int32_t value) {
    if (value < 0)
        Raise(kInvalidProcedureCall);
}

// Decodes one UTF-8 character at `offset`, advancing it; malformed bytes decode as themselves.
char32_t DecodeAt(std::string_view text, size_t& offset) {
    const auto lead = static_cast<unsigned char>(text[offset++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : extra == 1 ? lead & 0x1F : lead;
    for (; extra > 0 && offset < text.size() && IsContinuationByte(static_cast<unsigned char>(text[offset]));
         --extra) {
        code = (code << 6) | (static_cast<unsigned char>(text[offset++]) & 0x3F);
    }
    return code;
}

void Encode(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

char32_t Upper(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    return c;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Generated code and nearly every name are ASCII: those are mapped a byte at a time.
template <typename Map, typename AsciiMap>
std::string MapCharacters(std::string_view text, Map map, AsciiMap asciiMap) {
    std::string out;
    if (IsAscii(text)) {
        out.resize(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            out[i] = asciiMap(text[i]);
        return out;
    }
    out.reserve(text.size());
    for (size_t offset = 0; offset < text.size();) {
        const size_t start = offset;
        const char32_t code = DecodeAt(text, offset);
        const char32_t mapped = map(code);
        if (mapped == code) {
            out.append(text.substr(start, offset - start));
        } else {
            Encode(mapped, out);
        }
    }
    return out;
}

// Windows-1252's characters 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character's byte in Windows-1252, or nothing where the code page has none.
std::optional<char> Windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

int32_t Len(std::string_view text) {
    // Eight bytes at a time: every generated line is measured. A continuation byte is one whose top bit is
    // set and whose next bit is not; the multiplication adds up the marks of the eight bytes.
    constexpr uint64_t kTopBits = 0x8080808080808080;
    constexpr uint64_t kEveryByte = 0x0101010101010101;
    size_t continuations = 0;
    size_t at = 0;
    for (; at + sizeof(uint64_t) <= text.size(); at += sizeof(uint64_t)) {
        uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        continuations += static_cast<size_t>((((word & ~(word << 1) & kTopBits) >> 7) * kEveryByte) >> 56);
    }
    for (; at < text.size(); ++at)
        continuations += IsContinuationByte(static_cast<unsigned char>(text[at])) ? 1 : 0;
    return static_cast<int32_t>(text.size() - continuations);
}

std::string Left(std::string_view text, int32_t length) {
    RequireNonNegative(length);
    return std::string(text.substr(0, ByteOffset(text, length)));
}

std::string Right(std::string_view text, int32_t length) {
    RequireNonNegative(length);
    const int32_t total = Len(text);
    if (length >= total)
        return std::string(text);
    return std::string(text.substr(ByteOffset(text, total - length)));
}

std::string Mid(std::string_view text, int32_t start, int32_t length) {
    if (start < 1 || length < -1)
        Raise(kInvalidProcedureCall);
    const size_t from = ByteOffset(text, start - 1);
    if (length == -1)
        return std::string(text.substr(from));
    const std::string_view rest = text.substr(from);
    return std::string(rest.substr(0, ByteOffset(rest, length)));
}

std::string LTrim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return LTrim(RTrim(text));
}

std::string UCase(std::string_view text) {
    return MapCharacters(text, Upper, AsciiUpper);
}
std::string LCase(std::string_view text) {
    return MapCharacters(text, Lower, AsciiLower);
}
std::string FoldCase(std::string_view text) {
    return LCase(text);
}

bool TextEquals(std::string_view a, std::string_view b) {
    // The ASCII prefix is compared in place; folding maps each character alone, so the rest, from the
    // first character that is not ASCII, compares folded on its own.
    size_t at = 0;
    for (; at < a.size() && at < b.size(); ++at) {
        const auto x = static_cast<unsigned char>(a[at]);
        const auto y = static_cast<unsigned char>(b[at]);
        if (x >= 0x80 || y >= 0x80)
            return FoldCase(a.substr(at)) == FoldCase(b.substr(at));
        if (x != y && AsciiLower(static_cast<char>(x)) != AsciiLower(static_cast<char>(y)))
            return false;
    }
    return a.size() == b.size();
}

bool IsAscii(std::string_view text) {
    unsigned char any = 0;
    for (const char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

std::string Space(int32_t count) {
    RequireNonNegative(count);
    return std::string(static_cast<size_t>(count), ' ');
}

int32_t InStr(int32_t start, std::string_view text, std::string_view find, Compare compare) {
    if (start < 1)
        Raise(kInvalidProcedureCall);
    if (text.empty())
        return 0;
    if (find.empty())
        return start;
    if (start > Len(text))
        return 0;
    size_t at;
    if (compare == Compare::Text) {
        const std::string foldedText = FoldCase(text);
        const std::string foldedFind = FoldCase(find);
        at = foldedText.find(foldedFind, ByteOffset(foldedText, start - 1));
        if (at == std::string::npos)
            return 0;
        return Len(std::string_view(foldedText).substr(0, at)) + 1;
    }
    at = text.find(find, ByteOffset(text, start - 1));
    if (at == std::string_view::npos)
        return 0;
    return Len(text.substr(0, at)) + 1;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + find.size();
    }
    out.append(text.substr(from));
    return out;
}

bool IsControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsNameLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

bool IsIdentifier(std::string_view text) {
    // A character outside Windows-1252 comes back as "?", which is no name character.
    const std::string bytes = Utf8ToWindows1252(text);
    if (bytes.empty() || !IsNameLetter(static_cast<unsigned char>(bytes.front())))
        return false;
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return IsNameLetter(byte) || (byte >= '0' && byte <= '9') || byte == '_';
    });
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t offset = 0; offset < utf8.size();)
        out += Windows1252Byte(DecodeAt(utf8, offset)).value_or('?');
    return out;
}

std::string FirstOutsideWindows1252(std::string_view utf8) {
    for (size_t offset = 0; offset < utf8.size();) {
        const size_t start = offset;
        if (!Windows1252Byte(DecodeAt(utf8, offset)))
            return std::string(utf8.substr(start, offset - start));
    }
    return {};
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else if (byte < 0xA0) {
            const char32_t code = kHighControls[byte - 0x80];
            Encode(code == 0 ? byte : code, out);
        } else {
            Encode(byte, out);
        }
    }
    return out;
}

}  // namespace vb
