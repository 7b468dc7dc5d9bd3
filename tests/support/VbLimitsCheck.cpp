#include "tests/support/VbLimitsCheck.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "platform/vb/Text.h"
#include "tests/support/FileTree.h"
#include "tests/support/VbTextChecker.h"

namespace testing_support {
namespace {

constexpr size_t kLineBytes = 1023;
constexpr size_t kContinuations = 24;
constexpr size_t kProcedureBytes = 64 * 1024;  // a procedure's source stays below
constexpr size_t kModuleLines = 65534;
constexpr size_t kControlNames = 254;
constexpr size_t kComponentNameLength = 40;
constexpr size_t kIdentifierLength = 255;
constexpr size_t kProjectModules = 400;

struct Line {
    std::string_view text;
    size_t endBytes;  // of its line end: 2 for CR LF, 1 for LF, 0 at the end of the file
};

std::vector<Line> SplitLines(std::string_view file) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < file.size()) {
        const size_t lf = file.find('\n', at);
        if (lf == std::string_view::npos) {
            lines.push_back({file.substr(at), 0});
            break;
        }
        const bool cr = lf > at && file[lf - 1] == '\r';
        lines.push_back({file.substr(at, lf - at - (cr ? 1 : 0)), cr ? 2u : 1u});
        at = lf + 1;
    }
    return lines;
}

std::string_view TrimEnd(std::string_view text) {
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

std::string_view TrimStart(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
}

bool Continues(std::string_view line) {
    const std::string_view code = TrimEnd(line);
    return code.ends_with(" _") || code.ends_with("\t_");
}

std::vector<std::string> Words(std::string_view code) {
    std::vector<std::string> words;
    for (size_t i = 0; i < code.size(); ++i) {  // a byte after a word, or no word's, is passed over
        const size_t start = i;
        while (i < code.size() && IsWordChar(code[i]))
            ++i;
        if (i > start)
            words.emplace_back(code.substr(start, i - start));
    }
    return words;
}

std::string Excerpt(std::string_view name) {
    return name.size() <= 20 ? std::string(name) : std::string(name.substr(0, 20)) + "...";
}

// The name a procedure's first line declares, or "" when the line declares none.
std::string ProcedureDeclared(const std::vector<std::string>& words) {
    size_t i = 0;
    while (i < words.size() &&
           (words[i] == "Public" || words[i] == "Private" || words[i] == "Friend" || words[i] == "Static"))
        ++i;
    if (i + 1 < words.size() && (words[i] == "Sub" || words[i] == "Function"))
        return words[i + 1];
    if (i + 2 < words.size() && words[i] == "Property" &&
        (words[i + 1] == "Get" || words[i + 1] == "Let" || words[i + 1] == "Set"))
        return words[i + 2];
    return {};
}

bool EndsProcedure(const std::vector<std::string>& words) {
    return words.size() >= 2 && words[0] == "End" &&
           (words[1] == "Sub" || words[1] == "Function" || words[1] == "Property");
}

class ComponentCheck {
  public:
    explicit ComponentCheck(std::string_view file) : mLines(SplitLines(file)) {}

    std::vector<std::string> Run() {
        const size_t code = CodeStart();
        for (size_t i = 0; i < mLines.size(); ++i) {
            if (mLines[i].text.size() > kLineBytes)
                Breach(i, std::to_string(mLines[i].text.size()) + " bytes, more than " +
                              std::to_string(kLineBytes));
        }
        Designer(code);
        if (mLines.size() - code > kModuleLines)
            mBreaches.push_back(std::to_string(mLines.size() - code) + " lines of code, more than " +
                                std::to_string(kModuleLines));
        CheckCode(code);
        return mBreaches;
    }

  private:
    void Breach(size_t line, const std::string& what) {
        mBreaches.push_back("line " + std::to_string(line + 1) + ": " + what);
    }

    void Name(const char* what, std::string_view name, size_t limit) {
        if (name.size() > limit)
            mBreaches.push_back(std::string(what) + " " + Excerpt(name) + " has " +
                                std::to_string(name.size()) + " characters, more than " +
                                std::to_string(limit));
    }

    // The first line of code, after the header and the attributes; names the component on the way.
    size_t CodeStart() {
        const std::string_view attribute = "Attribute VB_Name = \"";
        size_t i = 0;
        while (i < mLines.size() && !mLines[i].text.starts_with(attribute))
            ++i;
        if (i == mLines.size())
            return 0;
        const std::string_view name = mLines[i].text.substr(attribute.size());
        Name("the name", name.substr(0, name.find('"')), kComponentNameLength);
        mHeaderEnd = i;
        while (i < mLines.size() && mLines[i].text.starts_with("Attribute "))
            ++i;
        return i;
    }

    // A form's controls: each "Begin <class> <name>" inside the form's own.
    void Designer(size_t code) {
        std::set<std::string> names;
        bool form = false;
        for (size_t i = 0; i < mHeaderEnd && i < code; ++i) {
            const std::string_view text = TrimStart(mLines[i].text);
            if (!text.starts_with("Begin "))
                continue;
            const std::vector<std::string> words = Words(text.substr(text.find(' ', 6) + 1));
            if (!form) {
                form = true;  // the form itself
                continue;
            }
            if (words.empty())
                continue;
            if (names.insert(Lower(words[0])).second)
                Name("the control name", words[0], kComponentNameLength);
        }
        if (names.size() > kControlNames)
            mBreaches.push_back(std::to_string(names.size()) + " control names, more than " +
                                std::to_string(kControlNames));
    }

    void CheckCode(size_t start) {
        size_t continuations = 0;
        size_t logicalStart = start;
        bool comment = false;  // a comment continued onto this line
        std::string procedure;
        size_t procedureBytes = 0;
        for (size_t i = start; i < mLines.size(); ++i) {
            const std::string_view text = mLines[i].text;
            const bool continues = Continues(text);
            if (continues && (TrimEnd(text).size() != text.size() || i + 1 == mLines.size() ||
                              TrimEnd(mLines[i + 1].text).empty()))
                Breach(i, "blank after a line continuation");
            const SplitLine code = comment ? SplitLine{{}, true, true} : Split(text);
            comment = continues && code.comment;  // a comment goes on over a continuation
            const std::vector<std::string> words = Words(code.code);
            for (const std::string& word : words) {
                if (!std::isdigit(static_cast<unsigned char>(word[0])))
                    Name("the identifier", word, kIdentifierLength);
            }
            if (i == logicalStart && procedure.empty())
                procedure = ProcedureDeclared(words);
            if (!procedure.empty()) {
                procedureBytes += text.size() + mLines[i].endBytes;
                if (i == logicalStart && EndsProcedure(words)) {
                    if (procedureBytes >= kProcedureBytes)
                        Breach(i, "procedure " + procedure + " of " + std::to_string(procedureBytes) +
                                      " bytes, 64 KB or more");
                    procedure.clear();
                    procedureBytes = 0;
                }
            }
            if (continues) {
                ++continuations;
                continue;
            }
            if (continuations > kContinuations)
                Breach(logicalStart, std::to_string(continuations) + " line continuations, more than " +
                                         std::to_string(kContinuations));
            continuations = 0;
            logicalStart = i + 1;
        }
    }

    std::vector<Line> mLines;
    size_t mHeaderEnd = 0;
    std::vector<std::string> mBreaches;
};

// A path as VB project files write it (in Windows-1252), relative to `folder`.
std::filesystem::path Listed(const std::filesystem::path& folder, std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return folder / vb::Windows1252ToUtf8(path);
}

// The value after "key=" in `line`, or nothing.
bool Value(std::string_view line, std::string_view key, std::string& value) {
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != '=')
        return false;
    value = std::string(line.substr(key.size() + 1));
    return true;
}

void CheckProject(const std::filesystem::path& project, std::vector<std::string>& breaches, int& modules) {
    const std::string text = Contents(project);
    std::string name = project.stem().string();
    std::vector<std::filesystem::path> files;
    for (const Line& line : SplitLines(text)) {
        std::string value;
        if (Value(line.text, "Name", value))
            name = value.size() >= 2 && value.front() == '"' ? value.substr(1, value.size() - 2) : value;
        else if (Value(line.text, "Form", value))
            files.push_back(Listed(project.parent_path(), value));
        else if (Value(line.text, "Module", value) || Value(line.text, "Class", value))
            files.push_back(Listed(project.parent_path(), value.substr(value.find("; ") + 2)));
    }
    if (files.size() > kProjectModules)
        breaches.push_back(name + ": " + std::to_string(files.size()) + " modules, more than " +
                           std::to_string(kProjectModules));
    for (const std::filesystem::path& file : files) {
        if (!std::filesystem::is_regular_file(file)) {
            breaches.push_back(name + "/" + file.filename().string() + ": no such file");
            continue;
        }
        ++modules;
        const std::string component = file.stem().string();
        for (const std::string& breach : CheckComponentLimits(Contents(file)))
            breaches.push_back(name + "/" + component + ": " + breach);
    }
}

}  // namespace

std::vector<std::string> CheckComponentLimits(std::string_view file) {
    return ComponentCheck(file).Run();
}

std::vector<std::string> CheckVbLimits(const std::filesystem::path& group, int& modules) {
    modules = 0;
    std::vector<std::string> breaches;
    if (!std::filesystem::is_regular_file(group))
        return {group.string() + ": no such file"};
    const std::string text = Contents(group);
    for (const Line& line : SplitLines(text)) {
        std::string project;
        if (Value(line.text, "Project", project) || Value(line.text, "StartupProject", project))
            CheckProject(Listed(group.parent_path(), project), breaches, modules);
    }
    return breaches;
}

}  // namespace testing_support
