#include <string>
#include <vector>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/ControlClasses.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/Properties.h"
#include "platform/ide/TextFile.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

// Deeper nesting than any form needs is refused rather than followed down the stack.
constexpr int kMaxDepth = 64;
constexpr std::string_view kAttributePrefix = "Attribute ";

struct NameAndText {
    std::string name;
    std::string text;
};

// "name = text"; false without "=" or a name.
bool SplitAssignment(std::string_view line, NameAndText& parts) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    parts.name = TrimBlanks(line.substr(0, equals));
    parts.text = TrimBlanks(line.substr(equals + 1));
    return !parts.name.empty();
}

// The words after a block's keyword: "Begin VB.TextBox txtName" gives "VB.TextBox" and "txtName".
NameAndText SplitWords(std::string_view rest) {
    rest = TrimBlanks(rest);
    const size_t blank = rest.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {std::string(rest), {}};
    return {std::string(rest.substr(0, blank)), std::string(TrimBlanks(rest.substr(blank)))};
}

std::string NextTrimmed(TextReader& in) {
    return std::string(TrimBlanks(in.Next()));
}

PropertyNode ReadGroup(TextReader& in, std::string_view header, int depth) {
    if (depth > kMaxDepth)
        in.Fail("property groups nested too deeply");
    const NameAndText words = SplitWords(header);
    if (words.name.empty())
        in.Fail("BeginProperty without a name");
    PropertyNode group{words.name, words.text, true, {}};
    for (;;) {
        const std::string line = NextTrimmed(in);
        if (line.empty())
            continue;
        if (line == "EndProperty")
            return group;
        if (line.starts_with("BeginProperty")) {
            group.children.push_back(ReadGroup(in, std::string_view(line).substr(13), depth + 1));
            continue;
        }
        NameAndText property;
        if (!SplitAssignment(line, property))
            in.Fail("expected a property, BeginProperty or EndProperty");
        group.children.push_back({property.name, property.text, false, {}});
    }
}

class FormReader {
  public:
    FormReader(TextReader& in, FormDesigner& designer) : mIn(in), mDesigner(designer) {}

    // The lines of a block up to its "End": properties, groups and nested controls.
    void ReadBlock(PropertyBag& bag, const std::shared_ptr<VBControl>& container, int depth) {
        if (depth > kMaxDepth)
            mIn.Fail("controls nested too deeply");
        for (;;) {
            const std::string line = NextTrimmed(mIn);
            if (line.empty())
                continue;
            if (line == "End")
                return;
            if (line.starts_with("BeginProperty")) {
                bag.AddGroup(ReadGroup(mIn, std::string_view(line).substr(13), 0));
            } else if (line.starts_with("Begin ")) {
                ReadControl(std::string_view(line).substr(6), container, depth);
            } else {
                NameAndText property;
                if (!SplitAssignment(line, property))
                    mIn.Fail("expected a property, Begin or End");
                if (vb::TextEquals(property.name, "Name"))
                    mIn.Fail("a block names itself on its Begin line");
                if (!bag.SetFromFile(property.name, property.text))
                    mIn.Fail("invalid value of " + property.name);
            }
        }
    }

  private:
    void ReadControl(std::string_view header, const std::shared_ptr<VBControl>& container, int depth) {
        const int32_t beginLine = mIn.LineNumber();
        const NameAndText words = SplitWords(header);
        if (words.name.find('.') == std::string::npos || !IsValidName(words.text)) {
            mIn.Fail("expected Begin, a control class and a control name");
        }
        if (container && container->IsMenu() != vb::TextEquals(words.name, kMenuClass)) {
            mIn.Fail("menus hold only menus");
        }
        auto control = std::make_shared<VBControl>(words.name, words.text, mDesigner.weak_from_this(),
                                                   mDesigner.Changes());
        control->PlaceIn(container);
        mDesigner.VBControls().Append(control);
        ReadBlock(control->Bag(), control, depth + 1);
        try {
            mDesigner.CheckNameFree(control.get(), control->Name(), control->Index(), control->ClassName());
        } catch (const vb::Error& error) {
            RaiseFileFormat(mIn.File(), beginLine, error.Description());
        }
    }

    TextReader& mIn;
    FormDesigner& mDesigner;
};

ObjectLibrary ReadObjectLine(TextReader& in, std::string_view text) {
    const size_t separator = text.find(';');
    ObjectLibrary library;
    if (separator == std::string_view::npos || !UnquoteText(text.substr(0, separator), library.typeLibrary) ||
        !UnquoteText(text.substr(separator + 1), library.fileName)) {
        in.Fail("expected Object = \"library\"; \"file\"");
    }
    return library;
}

void ReadFormHeaderAndBlock(TextReader& in, VBComponent& component) {
    FormDesigner& designer = *component.Designer();
    for (;;) {
        const std::string line = NextTrimmed(in);
        if (line.empty())
            continue;
        NameAndText assignment;
        if (line.starts_with("Object") && SplitAssignment(line, assignment) && assignment.name == "Object") {
            designer.AddObjectLibrary(ReadObjectLine(in, assignment.text));
            continue;
        }
        if (!line.starts_with("Begin ") || !vb::TextEquals(SplitWords(line.substr(6)).name, kFormClass)) {
            in.Fail("expected Object or Begin VB.Form");
        }
        FormReader(in, designer).ReadBlock(designer.FormProperties(), nullptr, 0);
        return;
    }
}

void ReadClassHeader(TextReader& in, VBComponent& component) {
    if (NextTrimmed(in) != "BEGIN")
        in.Fail("expected BEGIN");
    for (;;) {
        const std::string line = NextTrimmed(in);
        if (line == "END")
            return;
        NameAndText property;
        if (!SplitAssignment(line, property))
            in.Fail("expected a class property or END");
        if (!component.ClassHeader().SetFromFile(property.name, property.text)) {
            in.Fail("invalid value of " + property.name);
        }
    }
}

// The "Attribute" lines of the header, VB_Name among them, then the code.
void ReadAttributesAndCode(TextReader& in, VBComponent& component) {
    bool named = false;
    while (!in.AtEnd()) {
        const std::string& line = in.Next();
        if (!line.starts_with(kAttributePrefix)) {
            in.Unread();
            break;
        }
        NameAndText attribute;
        if (!SplitAssignment(std::string_view(line).substr(kAttributePrefix.size()), attribute)) {
            in.Fail("expected Attribute name = value");
        }
        if (attribute.name != "VB_Name") {
            component.Attributes().push_back({attribute.name, attribute.text});
            continue;
        }
        std::string name;
        if (!UnquoteText(attribute.text, name) || !IsValidName(name))
            in.Fail("invalid VB_Name");
        component.SetName(name);
        named = true;
    }
    if (!named)
        RaiseFileFormat(in.File(), in.LineNumber() + 1, "no Attribute VB_Name");
    component.SetFileName(in.File(), in.LineNumber());
    component.CodeModule()->SetAllLines(in.TakeRest());
}

}  // namespace

std::shared_ptr<VBComponent> ReadComponentFile(const std::filesystem::path& file, ChangeCounterPtr changes) {
    TextReader in(file);
    const std::string first = NextTrimmed(in);
    std::shared_ptr<VBComponent> component;
    if (first.starts_with("VERSION ") && first.ends_with(" CLASS")) {
        component = std::make_shared<VBComponent>(vbext_ct_ClassModule, "", changes);
        ReadClassHeader(in, *component);
    } else if (first.starts_with("VERSION ")) {
        component = std::make_shared<VBComponent>(vbext_ct_VBForm, "", changes);
        ReadFormHeaderAndBlock(in, *component);
    } else if (first.starts_with(kAttributePrefix)) {
        component = std::make_shared<VBComponent>(vbext_ct_StdModule, "", changes);
        in.Unread();
    } else {
        in.Fail("not a form, class or module file");
    }
    ReadAttributesAndCode(in, *component);
    return component;
}

}  // namespace vbide
