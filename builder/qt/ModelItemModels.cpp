#include "builder/qt/ModelItemModels.h"

#include <algorithm>

#include "builder/ModelViews.h"

namespace builder {

namespace {

int RowIn(const std::vector<TreeNode*>& siblings, const TreeNode* node) {
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
}

}  // namespace

const std::vector<TreeNode*>& TreeItemModel::ChildrenOf(const QModelIndex& parent) const {
    return parent.isValid() ? NodeOf(parent)->Children : mTree().Roots();
}

QModelIndex TreeItemModel::IndexOf(const TreeNode* node) const {
    if (!node)
        return {};
    const auto& siblings = node->Parent ? node->Parent->Children : mTree().Roots();
    return createIndex(RowIn(siblings, node), 0, const_cast<TreeNode*>(node));
}

QModelIndex TreeItemModel::index(int row, int column, const QModelIndex& parent) const {
    const auto& children = ChildrenOf(parent);
    if (row < 0 || column != 0 || row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, 0, children[static_cast<size_t>(row)]);
}

QModelIndex TreeItemModel::parent(const QModelIndex& child) const {
    return child.isValid() ? IndexOf(NodeOf(child)->Parent) : QModelIndex();
}

int TreeItemModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(ChildrenOf(parent).size());
}

QVariant TreeItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(NodeOf(index)->Text);
}

Qt::ItemFlags TreeItemModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsLabelEditable(*NodeOf(index)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TreeItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    std::string label = value.toString().toStdString();
    if (!mRename(*NodeOf(index), label))
        return false;
    emit dataChanged(index, index);
    return true;
}

const ListRow* ListItemModel::RowOf(const QModelIndex& index) const {
    const auto& rows = mList().Rows();
    if (!index.isValid() || index.row() >= static_cast<int>(rows.size()))
        return nullptr;
    return rows[static_cast<size_t>(index.row())];
}

int ListItemModel::RowIndexOf(const ListRow* row) const {
    const auto& rows = mList().Rows();
    const auto found = std::find(rows.begin(), rows.end(), row);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

int ListItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : mList().Count();
}

int ListItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mList().Columns().size());
}

QVariant ListItemModel::data(const QModelIndex& index, int role) const {
    const ListRow* row = RowOf(index);
    if (!row || role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(row->Column(static_cast<size_t>(index.column())));
}

QVariant ListItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const auto& columns = mList().Columns();
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
        section >= static_cast<int>(columns.size()))
        return {};
    return QString::fromStdString(columns[static_cast<size_t>(section)].Caption);
}

}  // namespace builder
