#include "patternkit/Emitter.h"

#include <stdexcept>

namespace patternkit {
namespace {

constexpr std::string_view kEndMark = "\xC2\xB6";  // "¶"

std::string_view ValueOf(std::string_view name, std::initializer_list<Substitution> values) {
    for (const auto& [key, value] : values) {
        if (key == name)
            return value;
    }
    throw std::logic_error("No value for {{" + std::string(name) + "}} in a generated block");
}

std::string Expand(std::string_view text, std::initializer_list<Substitution> values) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t open = text.find("{{"); open != std::string_view::npos; open = text.find("{{", from)) {
        const size_t close = text.find("}}", open + 2);
        if (close == std::string_view::npos)
            break;
        out.append(text.substr(from, open - from));
        out.append(ValueOf(text.substr(open + 2, close - open - 2), values));
        from = close + 2;
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

void Emit(typelib::IConstructor& engine, std::string_view block, std::initializer_list<Substitution> values) {
    while (!block.empty()) {
        const size_t end = block.find('\n');
        std::string_view line = block.substr(0, end);
        block = end == std::string_view::npos ? std::string_view() : block.substr(end + 1);

        const size_t margin = line.find_first_not_of(" \t");
        if (margin == std::string_view::npos)
            continue;
        if (line[margin] != '|')
            throw std::logic_error("A generated line lacks its margin: " + std::string(line));
        line.remove_prefix(margin + 1);
        if (line.ends_with(kEndMark))
            line.remove_suffix(kEndMark.size());
        if (values.size() == 0 || line.find("{{") == std::string_view::npos) {
            engine.Code(line);
        } else {
            engine.Code(Expand(line, values));
        }
    }
}

}  // namespace patternkit
