#include "platform/odbc/ConnectString.h"

#include "platform/vb/Text.h"

namespace odbc {
namespace {

bool IsPasswordKey(const std::string& key) {
    const std::string trimmed = vb::Trim(key);
    return vb::TextEquals(trimmed, "PWD") || vb::TextEquals(trimmed, "PASSWORD");
}

std::string Join(const std::vector<std::pair<std::string, std::string>>& pairs, bool keepEmpty) {
    std::string text;
    for (const auto& [key, value] : pairs) {
        if (value.empty() && !keepEmpty)
            continue;
        if (!text.empty())
            text += ';';
        text += key + "=" + ConnectValue(value);
    }
    return text;
}

}  // namespace

std::string ConnectValue(const std::string& value) {
    const bool needsBraces = value.find_first_of(";{}=") != std::string::npos ||
                             (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!needsBraces)
        return value;
    return "{" + vb::Replace(value, "}", "}}") + "}";
}

std::string JoinConnectString(const std::vector<std::pair<std::string, std::string>>& pairs) {
    return Join(pairs, false);
}

std::vector<std::pair<std::string, std::string>> SplitConnectString(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t equals = text.find('=', at);
        const std::size_t semicolon = text.find(';', at);
        if (equals == std::string::npos || (semicolon != std::string::npos && semicolon < equals)) {
            at = semicolon == std::string::npos ? text.size() : semicolon + 1;
            continue;
        }
        std::string key = text.substr(at, equals - at);
        std::string value;
        at = equals + 1;
        if (at < text.size() && text[at] == '{') {
            for (++at; at < text.size(); ++at) {
                if (text[at] == '}') {
                    if (at + 1 < text.size() && text[at + 1] == '}') {
                        value += '}';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                value += text[at];
            }
            const std::size_t end = text.find(';', at);
            at = end == std::string::npos ? text.size() : end + 1;
        } else {
            const std::size_t end = text.find(';', at);
            value = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
            at = end == std::string::npos ? text.size() : end + 1;
        }
        pairs.emplace_back(std::move(key), std::move(value));
    }
    return pairs;
}

std::string PasswordOf(const std::string& connectString) {
    for (const auto& [key, value] : SplitConnectString(connectString)) {
        if (IsPasswordKey(key))
            return value;
    }
    return {};
}

std::string MaskPassword(const std::string& connectString) {
    auto pairs = SplitConnectString(connectString);
    bool masked = false;
    for (auto& [key, value] : pairs) {
        if (IsPasswordKey(key) && !value.empty()) {
            value = "****";
            masked = true;
        }
    }
    return masked ? Join(pairs, true) : connectString;
}

}  // namespace odbc
