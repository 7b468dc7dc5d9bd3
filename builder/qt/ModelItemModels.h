#pragma once
// Qt item models over the main window's plain views: the tree and the three report lists are read in
// place, so a refresh is a model reset, however large the application.

#include <QAbstractItemModel>
#include <QAbstractTableModel>

#include <functional>

#include "builder/ModelTree.h"
#include "builder/ReportList.h"

namespace builder {

class TreeItemModel : public QAbstractItemModel {
  public:
    // `tree` gives the tree in force (a load replaces it); `rename` applies an edited label and tells
    // whether it was accepted.
    TreeItemModel(std::function<ModelTree&()> tree, std::function<bool(TreeNode&, std::string&)> rename)
        : mTree(std::move(tree)), mRename(std::move(rename)) {}

    void Reset() {
        beginResetModel();
        endResetModel();
    }
    QModelIndex IndexOf(const TreeNode* node) const;
    static TreeNode* NodeOf(const QModelIndex& index) {
        return static_cast<TreeNode*>(index.internalPointer());
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& /*parent*/ = {}) const override { return 1; }
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    const std::vector<TreeNode*>& ChildrenOf(const QModelIndex& parent) const;

    std::function<ModelTree&()> mTree;
    std::function<bool(TreeNode&, std::string&)> mRename;
};

class ListItemModel : public QAbstractTableModel {
  public:
    explicit ListItemModel(std::function<ReportList&()> list) : mList(std::move(list)) {}

    void Reset() {
        beginResetModel();
        endResetModel();
    }
    const ListRow* RowOf(const QModelIndex& index) const;
    int RowIndexOf(const ListRow* row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::function<ReportList&()> mList;
};

}  // namespace builder
