#pragma once
// The business-object tree as plain nodes, without a widget: keys (unique, letter case ignored), texts,
// images, parents, expanded state, the selected node and the node whose label is being edited. The Qt
// window shows it; the commands work on it and tests read it.
// Errors: 457 for a key that is taken, 9 for a key or parent that is not there.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace builder {

struct TreeNode {
    std::string Key;
    std::string Text;
    std::string Image;
    TreeNode* Parent = nullptr;
    std::vector<TreeNode*> Children;
    bool Expanded = false;
};

class ModelTree {
  public:
    ModelTree() = default;
    ModelTree(const ModelTree&) = delete;
    ModelTree& operator=(const ModelTree&) = delete;

    // A child of the node `parentKey` (a top-level node for an empty parent key), added last.
    TreeNode& Add(std::string_view parentKey, std::string key, std::string text, std::string image = {});
    TreeNode* Find(std::string_view key) const;
    // Find, raising 9 when there is no such node.
    TreeNode& Node(std::string_view key) const;
    bool Contains(std::string_view key) const { return Find(key) != nullptr; }

    void SetKey(std::string_view key, std::string newKey);
    void SetText(std::string_view key, std::string text) { Node(key).Text = std::move(text); }
    // Expands every node above it.
    void EnsureVisible(std::string_view key);
    // With all its children. Remove and Clear detach the nodes but free them at ReleaseDetached only: a
    // widget may still draw them until it reads the tree again (a dialog of the command lets it paint).
    void Remove(std::string_view key);
    void Clear();
    void ReleaseDetached() { mDetached.clear(); }

    int32_t Count() const { return static_cast<int32_t>(mIndex.size()); }
    const std::vector<TreeNode*>& Roots() const { return mRoots; }

    TreeNode* SelectedItem() const { return mSelected; }
    void Select(std::string_view key) { mSelected = &Node(key); }

  private:
    void Unindex(TreeNode& node);

    std::vector<std::unique_ptr<TreeNode>> mStorage;
    std::vector<std::unique_ptr<TreeNode>> mDetached;
    std::unordered_map<std::string, TreeNode*> mIndex;
    std::vector<TreeNode*> mRoots;
    TreeNode* mSelected = nullptr;
};

}  // namespace builder
