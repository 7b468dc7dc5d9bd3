#pragma once
// What the project explorer shows: the group, its projects, and each project's components in folders by
// kind ("Forms", "Modules", "Class Modules"), sorted by name as the IDE lists them.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ide/VBE.h"

namespace host {

struct ExplorerNode {
    std::string caption;
    std::weak_ptr<vbide::VBComponent> component;  // set on a component's node only
    std::vector<ExplorerNode> children;
};

// The group's node: "<group> (<file>)" once it has a file, else "Project Group".
ExplorerNode BuildExplorerTree(const vbide::VBE& vbe, const std::optional<std::filesystem::path>& groupFile);

}  // namespace host
