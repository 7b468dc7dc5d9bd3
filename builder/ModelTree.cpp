#include "builder/ModelTree.h"

#include <algorithm>
#include <iterator>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace builder {

TreeNode& ModelTree::Add(std::string_view parentKey, std::string key, std::string text, std::string image) {
    TreeNode* parent = parentKey.empty() ? nullptr : &Node(parentKey);
    std::string folded = vb::FoldCase(key);
    if (mIndex.contains(folded))
        vb::Raise(vb::kDuplicateKey, "BusObjTreeView");
    auto node = std::make_unique<TreeNode>();
    node->Key = std::move(key);
    node->Text = std::move(text);
    node->Image = std::move(image);
    node->Parent = parent;
    TreeNode& added = *node;
    (parent ? parent->Children : mRoots).push_back(&added);
    mIndex.emplace(std::move(folded), &added);
    mStorage.push_back(std::move(node));
    return added;
}

TreeNode* ModelTree::Find(std::string_view key) const {
    const auto found = mIndex.find(vb::FoldCase(key));
    return found == mIndex.end() ? nullptr : found->second;
}

TreeNode& ModelTree::Node(std::string_view key) const {
    TreeNode* node = Find(key);
    if (!node)
        vb::Raise(vb::kSubscriptOutOfRange, "BusObjTreeView");
    return *node;
}

void ModelTree::SetKey(std::string_view key, std::string newKey) {
    TreeNode& node = Node(key);
    std::string folded = vb::FoldCase(newKey);
    const auto taken = mIndex.find(folded);
    if (taken != mIndex.end() && taken->second != &node)
        vb::Raise(vb::kDuplicateKey, "BusObjTreeView");
    mIndex.erase(vb::FoldCase(node.Key));
    mIndex.emplace(std::move(folded), &node);
    node.Key = std::move(newKey);
}

void ModelTree::EnsureVisible(std::string_view key) {
    for (TreeNode* above = Node(key).Parent; above; above = above->Parent)
        above->Expanded = true;
}

void ModelTree::Unindex(TreeNode& node) {
    for (TreeNode* child : node.Children)
        Unindex(*child);
    if (mSelected == &node)
        mSelected = nullptr;
    mIndex.erase(vb::FoldCase(node.Key));
}

void ModelTree::Remove(std::string_view key) {
    TreeNode& node = Node(key);
    Unindex(node);
    auto& siblings = node.Parent ? node.Parent->Children : mRoots;
    siblings.erase(std::find(siblings.begin(), siblings.end(), &node));
    const auto kept = std::partition(mStorage.begin(), mStorage.end(), [this](const auto& stored) {
        return Find(stored->Key) == stored.get();
    });
    std::move(kept, mStorage.end(), std::back_inserter(mDetached));
    mStorage.erase(kept, mStorage.end());
}

void ModelTree::Clear() {
    std::move(mStorage.begin(), mStorage.end(), std::back_inserter(mDetached));
    mStorage.clear();
    mIndex.clear();
    mRoots.clear();
    mSelected = nullptr;
}

}  // namespace builder
