#pragma once
// Re-keying model items and their view entries. A rename keeps an item's position in its collection, so
// the order in which the model is saved and generated does not change.

#include <cstdint>
#include <string>

#include "builder/ModelTree.h"
#include "builder/ReportList.h"
#include "platform/vb/Rekey.h"
#include "platform/vb/Text.h"

namespace builder {

using vb::IndexOf;
using vb::Rekey;

// A property or method leaf filed under `oldKey`: is `newKey` held by another item, in its collection
// or in the views? Keys compare ignoring case.
template <typename Items>
bool LeafKeyTaken(const Items& items, const ModelTree& tree, const ReportList& list,
                  const std::string& oldKey, const std::string& newKey) {
    return !vb::TextEquals(oldKey, newKey) &&
           (items.Exists(newKey) || tree.Contains(newKey) || list.Find(newKey));
}

// Moves the leaf to `newKey` and its `name`: the collection entry (at `index`), the tree node's key and
// text, and the row's key and name column.
template <typename Items>
void RekeyLeaf(Items& items, int32_t index, ModelTree& tree, ReportList& list, const std::string& oldKey,
               const std::string& newKey, const std::string& name) {
    TreeNode& node = tree.Node(oldKey);
    ListRow& row = list.Row(oldKey);
    Rekey(items, index, newKey);
    node.Text = name;
    tree.SetKey(oldKey, newKey);
    row.SubItems[0] = name;
    list.SetKey(oldKey, newKey);
    list.Changed();
}

}  // namespace builder
