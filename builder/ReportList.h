#pragma once
// A report-style list view as plain rows, without a widget: column headers, rows with a key (unique,
// letter case ignored), a text and sub-items, the selected row, and the sort state that a click on a
// column header toggles. Rows keep the order they were added in; Rows() gives them in display order.
// Errors: 457 for a key that is taken, 9 for a key that is not there.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace builder {

struct ListColumn {
    std::string Key;
    std::string Caption;
};

struct ListRow {
    std::string Key;
    std::string Text;
    // Sub-item n is SubItems[n - 1].
    std::vector<std::string> SubItems;

    // Column 0 is the text.
    const std::string& Column(size_t column) const { return column == 0 ? Text : SubItems.at(column - 1); }
};

enum class SortOrder { Ascending = 0, Descending = 1 };

class ReportList {
  public:
    // Every column is this wide (2540 twips).
    static constexpr int32_t kColumnWidthTwips = 2540;

    // `order` is the sort order before the first column click, which toggles it.
    ReportList(std::vector<ListColumn> columns, SortOrder order)
        : mColumns(std::move(columns)), mSortOrder(order) {}
    ReportList(const ReportList&) = delete;
    ReportList& operator=(const ReportList&) = delete;

    const std::vector<ListColumn>& Columns() const { return mColumns; }

    ListRow& Add(std::string key, std::string text, std::vector<std::string> subItems);
    ListRow* Find(std::string_view key) const;
    ListRow& Row(std::string_view key) const;
    void SetKey(std::string_view key, std::string newKey);
    void Remove(std::string_view key);
    void Clear();
    // After a text or sub-item changed: the display order is worked out again.
    void Changed() { mOrderValid = false; }

    int32_t Count() const { return static_cast<int32_t>(mRows.size()); }
    // In display order: sorted by the sort key's column when Sorted, else as added.
    const std::vector<ListRow*>& Rows() const;

    ListRow* SelectedItem() const { return mSelected; }
    void Select(std::string_view key) { mSelected = &Row(key); }

    // A click on a column header (its 1-based index): sorts by that column, the order toggled.
    void ColumnClick(int32_t columnIndex);
    int32_t SortKey() const { return mSortKey; }
    SortOrder Order() const { return mSortOrder; }
    bool Sorted() const { return mSorted; }

  private:
    std::vector<ListColumn> mColumns;
    std::vector<std::unique_ptr<ListRow>> mRows;
    std::unordered_map<std::string, ListRow*> mIndex;
    ListRow* mSelected = nullptr;
    int32_t mSortKey = 0;
    SortOrder mSortOrder;
    bool mSorted = false;
    mutable std::vector<ListRow*> mOrder;
    mutable bool mOrderValid = true;
};

}  // namespace builder
