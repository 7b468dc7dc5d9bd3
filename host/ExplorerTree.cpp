#include "host/ExplorerTree.h"

#include <algorithm>
#include <array>

#include "platform/vb/Text.h"

namespace host {
namespace {

struct ComponentFolder {
    vbide::vbext_ComponentType type;
    const char* caption;
};
constexpr std::array kFolders = {ComponentFolder{vbide::vbext_ct_VBForm, "Forms"},
                                 ComponentFolder{vbide::vbext_ct_StdModule, "Modules"},
                                 ComponentFolder{vbide::vbext_ct_ClassModule, "Class Modules"}};

// "Name (file)" once the item has a file, else the name.
std::string CaptionOf(const std::string& name, const std::filesystem::path& file) {
    return file.empty() ? name : name + " (" + file.filename().string() + ")";
}

ExplorerNode ProjectNode(const vbide::VBProject& project) {
    ExplorerNode node{CaptionOf(project.Name(), project.FileName()), {}, {}};
    for (const ComponentFolder& folder : kFolders) {
        ExplorerNode folderNode{folder.caption, {}, {}};
        for (const auto& component : project.VBComponents()) {
            if (component->Type() == folder.type) {
                folderNode.children.push_back(
                    {CaptionOf(component->Name(), component->FileNames(1)), component, {}});
            }
        }
        if (folderNode.children.empty())
            continue;
        std::sort(folderNode.children.begin(), folderNode.children.end(),
                  [](const ExplorerNode& a, const ExplorerNode& b) {
                      return vb::FoldCase(a.caption) < vb::FoldCase(b.caption);
                  });
        node.children.push_back(std::move(folderNode));
    }
    return node;
}

}  // namespace

ExplorerNode BuildExplorerTree(const vbide::VBE& vbe, const std::optional<std::filesystem::path>& groupFile) {
    ExplorerNode group{
        groupFile ? CaptionOf(groupFile->stem().string(), *groupFile) : "Project Group", {}, {}};
    for (const auto& project : vbe.VBProjects())
        group.children.push_back(ProjectNode(*project));
    return group;
}

}  // namespace host
