#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/Properties.h"
#include "platform/ide/TextFile.h"
#include "platform/vb/Error.h"

namespace vbide {
namespace {

constexpr size_t kIndentWidth = 3;
constexpr size_t kNameColumnWidth = 16;

std::string Indent(int depth) {
    return std::string(static_cast<size_t>(depth) * kIndentWidth, ' ');
}

void WritePropertyLine(TextWriter& out, int depth, std::string_view name, std::string_view text) {
    std::string line = Indent(depth);
    line += name;
    if (name.size() < kNameColumnWidth)
        line.append(kNameColumnWidth - name.size(), ' ');
    line += "=   ";
    line += text;
    out.Line(line);
}

void WriteNode(TextWriter& out, int depth, const PropertyNode& node) {
    if (!node.isGroup) {
        WritePropertyLine(out, depth, node.name, node.text);
        return;
    }
    out.Line(Indent(depth) + "BeginProperty " + node.name + (node.text.empty() ? "" : " " + node.text));
    for (const PropertyNode& child : node.children)
        WriteNode(out, depth + 1, child);
    out.Line(Indent(depth) + "EndProperty");
}

void WriteBag(TextWriter& out, int depth, const PropertyBag& bag) {
    const auto& groups = bag.Groups();
    size_t nextGroup = 0;
    const auto writeGroupsAt = [&](size_t position) {
        while (nextGroup < groups.size() && groups[nextGroup].position <= position) {
            WriteNode(out, depth, groups[nextGroup++].group);
        }
    };
    for (size_t i = 0; i < bag.Entries().size(); ++i) {
        writeGroupsAt(i);
        WritePropertyLine(out, depth, bag.Entries()[i].name, PropertyText(bag.Entries()[i]));
    }
    writeGroupsAt(bag.Entries().size());
}

using ChildMap = std::unordered_map<const VBControl*, std::vector<const VBControl*>>;

// Each container's controls in form order, the top level under null (also for a control whose container
// is not on this form, so that no control is left out).
ChildMap ChildrenOf(const FormDesigner& designer) {
    std::unordered_set<const VBControl*> onForm;
    for (const auto& control : designer.VBControls())
        onForm.insert(control.get());
    ChildMap children;
    for (const auto& control : designer.VBControls()) {
        const VBControl* container = control->Container().get();
        children[onForm.contains(container) ? container : nullptr].push_back(control.get());
    }
    return children;
}

void WriteBlock(TextWriter& out, int depth, std::string_view className, std::string_view name,
                const PropertyBag& bag, const VBControl* self, const ChildMap& children) {
    out.Line(Indent(depth) + "Begin " + std::string(className) + " " + std::string(name) + " ");
    WriteBag(out, depth + 1, bag);
    const auto held = children.find(self);
    if (held != children.end()) {
        // Menus follow the other controls, as the IDE lists them.
        for (const bool menus : {false, true}) {
            for (const VBControl* child : held->second) {
                if (child->IsMenu() != menus)
                    continue;
                WriteBlock(out, depth + 1, child->ClassName(), child->Name(), child->Bag(), child, children);
            }
        }
    }
    out.Line(Indent(depth) + "End");
}

void WriteForm(TextWriter& out, const VBComponent& component) {
    const FormDesigner& designer = *component.Designer();
    out.Line("VERSION 5.00");
    for (const ObjectLibrary& library : designer.ObjectLibraries()) {
        out.Line("Object = " + QuotedText(library.typeLibrary) + "; " + QuotedText(library.fileName));
    }
    WriteBlock(out, 0, kFormClass, component.Name(), designer.FormProperties(), nullptr,
               ChildrenOf(designer));
}

void WriteClassHeader(TextWriter& out, const VBComponent& component) {
    out.Line("VERSION 1.0 CLASS");
    out.Line("BEGIN");
    for (const PropertyEntry& entry : component.ClassHeader().Entries()) {
        out.Line("  " + entry.name + " = " + PropertyText(entry));
    }
    out.Line("END");
}

}  // namespace

std::string_view FileExtensionOf(vbext_ComponentType type) {
    switch (type) {
        case vbext_ct_VBForm:
            return ".frm";
        case vbext_ct_ClassModule:
            return ".cls";
        case vbext_ct_StdModule:
            return ".bas";
    }
    return ".bas";
}

int32_t WriteComponentFile(const VBComponent& component, const std::filesystem::path& file) {
    TextWriter out(file);
    const int32_t linesBeforeCode = WriteComponentText(component, out);
    out.Save();
    return linesBeforeCode;
}

int32_t WriteComponentText(const VBComponent& component, TextWriter& out) {
    const int32_t first = out.LinesWritten();
    if (component.Type() == vbext_ct_VBForm)
        WriteForm(out, component);
    if (component.Type() == vbext_ct_ClassModule)
        WriteClassHeader(out, component);
    out.Line("Attribute VB_Name = " + QuotedText(component.Name()));
    for (const ComponentAttribute& attribute : component.Attributes()) {
        out.Line("Attribute " + attribute.name + " = " + attribute.text);
    }
    const int32_t linesBeforeCode = out.LinesWritten() - first;
    const vbide::CodeModule& code = *component.CodeModule();
    // One look at the whole code instead of one per line: generated code is ASCII.
    const bool ascii = code.IsAscii();
    for (int32_t number = 1; number <= code.CountOfLines(); ++number) {
        if (ascii)
            out.EncodedLine(code.Line(number));
        else
            out.Line(code.Line(number));
    }
    return linesBeforeCode;
}

}  // namespace vbide
