#include "tests/support/VbTextChecker.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>

#include "platform/vb/Limits.h"
#include "platform/vb/Text.h"

namespace testing_support {

SplitLine Split(std::string_view line) {
    SplitLine out;
    bool inString = false;
    for (char c : line) {
        if (c == '"') {
            inString = !inString;
            out.code += c;
        } else if (inString) {
            out.code += ' ';
        } else if (c == '\'') {
            out.comment = true;
            break;
        } else {
            out.code += c;
        }
    }
    out.quotesPaired = !inString;
    const size_t first = out.code.find_first_not_of(" \t");
    if (first == std::string::npos)
        out.code.clear();
    else
        out.code = out.code.substr(first, out.code.find_last_not_of(" \t") - first + 1);
    if (out.code == "Rem" || out.code.starts_with("Rem "))
        out = {{}, out.quotesPaired, true};
    return out;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

namespace {

bool IsWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

std::vector<std::string> Words(std::string_view code) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < code.size()) {
        while (i < code.size() && code[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < code.size() && code[i] != ' ')
            ++i;
        if (i > start)
            words.emplace_back(code.substr(start, i - start));
    }
    return words;
}

// The words with the leading access and storage keywords removed.
std::vector<std::string> WithoutModifiers(std::vector<std::string> words) {
    static const std::set<std::string> modifiers = {"Private", "Public", "Friend", "Static", "Global"};
    size_t skip = 0;
    while (skip < words.size() && modifiers.contains(words[skip]))
        ++skip;
    words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(skip));
    return words;
}

// The identifier that begins `text` after blanks, or "".
std::string LeadingIdentifier(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos || !IsWordStart(text[i]))
        return {};
    const size_t start = i;
    while (i < text.size() && IsWordChar(text[i]))
        ++i;
    return std::string(text.substr(start, i - start));
}

// `text` split at the commas outside parentheses.
std::vector<std::string> TopLevelParts(std::string_view text) {
    std::vector<std::string> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (text[i] == ',' && depth == 0) {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

// The name a declarator or parameter declares: "ByVal strValue As String" gives "strValue".
std::string DeclaredName(std::string_view part) {
    static const std::set<std::string> keywords = {"Optional", "ByVal", "ByRef", "ParamArray", "WithEvents"};
    for (;;) {
        const std::string word = LeadingIdentifier(part);
        if (!keywords.contains(word))
            return word;
        part.remove_prefix(part.find(word) + word.size());
    }
}

bool IsUpper(char c) {
    return std::isupper(static_cast<unsigned char>(c));
}

bool IsLower(char c) {
    return std::islower(static_cast<unsigned char>(c));
}

// `name` is one of `prefixes` followed by a capital letter.
bool HasPrefixBeforeCapital(const std::string& name, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (name.size() > prefix.size() && name.starts_with(prefix) && IsUpper(name[prefix.size()]))
            return true;
    }
    return false;
}

// "strName", "myForm", "itmlist", and module members as "mstrName" or "mrsValues" (but no "mnu" menu).
bool IsHouseVariable(const std::string& name) {
    if (HasPrefixBeforeCapital(name, {"my", "str", "int", "lng", "bln", "vnt", "col"}))
        return true;
    if (name.size() > 3 && name.starts_with("itm") && std::isalpha(static_cast<unsigned char>(name[3])))
        return true;
    if (name.size() < 3 || name[0] != 'm' || name.starts_with("mnu"))
        return false;
    size_t i = 1;
    while (i < name.size() && i <= 4 && IsLower(name[i]))
        ++i;
    return i > 1 && i < name.size() && IsUpper(name[i]);
}

// A control of its own ("txtName") or a control array named by its prefix alone ("txt(3)").
bool IsControlName(const std::string& name) {
    static const std::set<std::string> arrays = {"txt", "cmb", "lstbx", "ckb", "opt", "rtxt", "lbl"};
    return HasPrefixBeforeCapital(
               name, {"txt", "cmb", "lstbx", "ckb", "opt", "rtxt", "lbl", "cmd", "lvw", "mnu"}) ||
           name.starts_with("Frame") || name == "Toolbar" || arrays.contains(name);
}

// The engine's tokens; none of them is the beginning of another.
constexpr std::string_view kTokens[] = {"&AppName",
                                        "&AppDSN",
                                        "&AppLocalDBName",
                                        "&BusObjName",
                                        "&BusObjTable",
                                        "&BusObjSQLTable",
                                        "&ParentBusObjName",
                                        "&ChildBusObjName",
                                        "&ReferenceBusObjName",
                                        "&PropName",
                                        "&PropDataType",
                                        "&PropFieldName",
                                        "&PropSQLFieldName",
                                        "&PropConvertFunction",
                                        "&SQLDelimiter",
                                        "&VirtPropOwnerBusObj",
                                        "&VirtPropOrigName",
                                        "&PVFkeyDisplayedProp",
                                        "&MethodName"};

bool HoldsToken(std::string_view line) {
    for (std::string_view token : kTokens) {
        if (line.find(token) != std::string_view::npos)
            return true;
    }
    return false;
}

struct Use {
    std::string name;
    bool asObject;  // followed by "." or "("
};

// The identifiers of a line of code that are not members ("x.Name"), named arguments ("Key:=") or
// labels.
std::vector<Use> IdentifiersUsed(std::string_view code) {
    std::vector<Use> uses;
    size_t i = 0;
    while (i < code.size()) {
        if (!IsWordStart(code[i]) || (i > 0 && IsWordChar(code[i - 1]))) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < code.size() && IsWordChar(code[i]))
            ++i;
        const bool member = start > 0 && code[start - 1] == '.';
        const bool named = code.substr(i, 2) == ":=";
        if (!member && !named)
            uses.push_back({std::string(code.substr(start, i - start)),
                            i < code.size() && (code[i] == '.' || code[i] == '(')});
    }
    return uses;
}

// The name, in lower case, of the procedure that `words` (modifiers left out) declare; none for any other
// statement.
std::optional<std::string> DeclaredProcedure(const std::vector<std::string>& words) {
    const std::string first = words.empty() ? "" : words[0];
    const std::string second = words.size() > 1 ? words[1] : "";
    const bool property = first == "Property" && (second == "Get" || second == "Let" || second == "Set");
    if (first != "Sub" && first != "Function" && !property)
        return std::nullopt;
    const size_t nameAt = property ? 2 : 1;
    return words.size() > nameAt ? Lower(LeadingIdentifier(words[nameAt])) : "";
}

class Checker {
  public:
    Checker(const std::vector<std::string>& lines, const std::set<std::string>* controls)
        : mLines(lines), mControls(controls) {
        for (const std::string& line : lines) {
            const std::string code = Split(line).code;
            if (code == "Option Explicit")
                mExplicit = true;
            // A procedure may be called above the lines that declare it.
            if (const auto name = DeclaredProcedure(WithoutModifiers(Words(code))))
                mProcedureNames.insert(*name);
        }
        if (controls) {
            for (const std::string& name : *controls)
                mControlNames.insert(Lower(name));
        }
    }

    std::vector<std::string> Run() {
        std::string logical;
        int logicalStart = 0;
        for (size_t i = 0; i < mLines.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            mNumber = number;
            if (HoldsToken(mLines[i]))
                Problem("engine token left: " + mLines[i]);
            if (vb::Len(mLines[i]) > vb::kMaxLineLength)
                Problem("line longer than " + std::to_string(vb::kMaxLineLength) + " characters");
            const SplitLine split = Split(mLines[i]);
            if (!split.quotesPaired)
                Problem("unpaired quote: " + mLines[i]);
            if (logical.empty())
                logicalStart = number;
            std::string code = split.code;
            if (code == "_" || code.ends_with(" _")) {
                code.pop_back();
                logical += code + " ";
                continue;
            }
            logical += code;
            mNumber = logicalStart;
            Statement(logical);
            logical.clear();
        }
        for (auto it = mBlocks.rbegin(); it != mBlocks.rend(); ++it)
            mProblems.push_back("line " + std::to_string(it->line) + ": " + it->kind + " never closed");
        return mProblems;
    }

  private:
    struct Block {
        std::string kind;
        int line;
    };

    void Problem(const std::string& what) {
        mProblems.push_back("line " + std::to_string(mNumber) + ": " + what);
    }

    void Open(const std::string& kind) { mBlocks.push_back({kind, mNumber}); }

    void Close(const std::string& kind, const std::string& closing) {
        if (mBlocks.empty() || mBlocks.back().kind != kind) {
            Problem(closing + " closes " + (mBlocks.empty() ? "nothing" : mBlocks.back().kind));
            return;
        }
        mBlocks.pop_back();
    }

    bool Inside(const std::string& kind) const { return !mBlocks.empty() && mBlocks.back().kind == kind; }

    void Statement(const std::string& code) {
        if (code.empty())
            return;
        const std::vector<std::string> all = Words(code);
        const std::vector<std::string> words = WithoutModifiers(all);
        const std::string first = words.empty() ? "" : words[0];
        const std::string second = words.size() > 1 ? words[1] : "";

        if (Inside("Type") || Inside("Enum")) {
            if (first == "End" && (second == "Type" || second == "Enum")) {
                Close(second, code);
                mFields.clear();
            } else {
                const std::string name = Lower(LeadingIdentifier(code));
                if (Inside("Type") && !mFields.insert(name).second)
                    Problem("field declared twice: " + name);
                mModuleNames.insert(name);
            }
            return;
        }
        const std::optional<std::string> procedure = DeclaredProcedure(words);
        if (mBlocks.empty() && mAfterProcedure && !procedure)
            Problem("code after the end of a procedure: " + code);
        if (procedure) {
            const std::string& name = *procedure;
            const std::string kind = first == "Property" ? second : "";
            // A Property Get may share its name with its Let and Set; anything else names one thing.
            auto& kinds = mProcedures[name];
            const bool again = !kinds.insert(kind).second;
            if (again || (kinds.contains("") && kinds.size() > 1) || mModuleVariables.contains(name))
                Problem("declared twice: " + name);
            Open(first);
            mLocalNames.clear();
            const size_t open = code.find('(');
            const size_t close = code.rfind(')');
            if (open != std::string::npos && close != std::string::npos && close > open) {
                for (const std::string& part :
                     TopLevelParts(std::string_view(code).substr(open + 1, close - open - 1)))
                    mLocalNames.insert(Lower(DeclaredName(part)));
            }
            mLocalNames.insert(name);
            return;
        }
        if (first == "End" && (second == "Sub" || second == "Function" || second == "Property")) {
            Close(second, code);
            mLocalNames.clear();
            mAfterProcedure = mAfterProcedure || mBlocks.empty();
            return;
        }
        if (first == "Type" || first == "Enum") {
            Open(first);
            return;
        }
        if (IsDeclaration(all))
            Declare(code, all);
        CheckUses(code);
        Blocks(code, all);
    }

    static bool IsDeclaration(const std::vector<std::string>& words) {
        static const std::set<std::string> starts = {"Dim",    "Private", "Public", "Global",
                                                     "Static", "ReDim",   "Const"};
        if (words.empty() || !starts.contains(words[0]))
            return false;
        const std::vector<std::string> rest = WithoutModifiers(words);
        static const std::set<std::string> notVariables = {"Declare", "Event",    "Enum",    "Type",
                                                           "Sub",     "Function", "Property"};
        return rest.empty() || !notVariables.contains(rest[0]);
    }

    void Declare(const std::string& code, const std::vector<std::string>& words) {
        std::string_view rest(code);
        for (const std::string& word : words) {
            if (word != "Dim" && word != "Private" && word != "Public" && word != "Global" &&
                word != "Static" && word != "ReDim" && word != "Const" && word != "WithEvents" &&
                word != "Preserve")
                break;
            rest.remove_prefix(rest.find(word) + word.size());
        }
        std::set<std::string>& names = mBlocks.empty() ? mModuleNames : mLocalNames;
        for (const std::string& part : TopLevelParts(rest)) {
            const std::string name = Lower(DeclaredName(part));
            if (mBlocks.empty() && (!mModuleVariables.insert(name).second || mProcedures.contains(name)))
                Problem("declared twice: " + name);
            names.insert(name);
        }
    }

    void CheckUses(const std::string& code) {
        for (const Use& use : IdentifiersUsed(code)) {
            const std::string lower = Lower(use.name);
            const bool declared = mLocalNames.contains(lower) || mModuleNames.contains(lower) ||
                                  mProcedureNames.contains(lower);
            if (mExplicit && IsHouseVariable(use.name) && !declared)
                Problem("variable not declared: " + use.name);
            if (mControls && use.asObject && IsControlName(use.name) && !declared &&
                !mControlNames.contains(lower))
                Problem("no such control on the form: " + use.name);
        }
    }

    void Blocks(const std::string& code, const std::vector<std::string>& words) {
        const std::string first = words[0];
        const std::string second = words.size() > 1 ? words[1] : "";
        if (first == "If") {
            if (words.back() == "Then")
                Open("If");
        } else if (first == "ElseIf" || first == "Else") {
            if (!Inside("If"))
                Problem(first + " outside an If block");
        } else if (first == "End" && second == "If") {
            Close("If", code);
        } else if (first == "Select" && second == "Case") {
            Open("Select");
        } else if (first == "Case") {
            if (!Inside("Select"))
                Problem("Case outside a Select block");
        } else if (first == "End" && second == "Select") {
            Close("Select", code);
        } else if (first == "With") {
            Open("With");
        } else if (first == "End" && second == "With") {
            Close("With", code);
        } else if (first == "For") {
            Open("For");
        } else if (first == "Next") {
            Close("For", code);
        } else if (first == "While") {
            Open("While");
        } else if (first == "Wend") {
            Close("While", code);
        } else if (first == "Do") {
            Open("Do");
        } else if (first == "Loop") {
            Close("Do", code);
        }
    }

    const std::vector<std::string>& mLines;
    const std::set<std::string>* mControls;
    std::set<std::string> mControlNames;
    bool mExplicit = false;
    int mNumber = 0;
    std::vector<Block> mBlocks;
    std::set<std::string> mModuleNames;
    std::set<std::string> mLocalNames;
    std::set<std::string> mModuleVariables;
    std::set<std::string> mFields;                             // of the Type being read
    std::map<std::string, std::set<std::string>> mProcedures;  // name -> "" or the Property kinds
    std::set<std::string> mProcedureNames;                     // of the whole module
    bool mAfterProcedure = false;
    std::vector<std::string> mProblems;
};

}  // namespace

std::vector<std::string> CheckVbModule(const std::vector<std::string>& lines) {
    return Checker(lines, nullptr).Run();
}

std::vector<std::string> CheckVbForm(const std::vector<std::string>& lines,
                                     const std::set<std::string>& controls) {
    return Checker(lines, &controls).Run();
}

}  // namespace testing_support
