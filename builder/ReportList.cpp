#include "builder/ReportList.h"

#include <algorithm>

#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace builder {

ListRow& ReportList::Add(std::string key, std::string text, std::vector<std::string> subItems) {
    std::string folded = vb::FoldCase(key);
    if (mIndex.contains(folded))
        vb::Raise(vb::kDuplicateKey, "ListItems");
    subItems.resize(mColumns.empty() ? 0 : mColumns.size() - 1);
    auto row = std::make_unique<ListRow>(ListRow{std::move(key), std::move(text), std::move(subItems)});
    ListRow& added = *row;
    mIndex.emplace(std::move(folded), &added);
    mRows.push_back(std::move(row));
    mOrderValid = false;
    return added;
}

ListRow* ReportList::Find(std::string_view key) const {
    const auto found = mIndex.find(vb::FoldCase(key));
    return found == mIndex.end() ? nullptr : found->second;
}

ListRow& ReportList::Row(std::string_view key) const {
    ListRow* row = Find(key);
    if (!row)
        vb::Raise(vb::kSubscriptOutOfRange, "ListItems");
    return *row;
}

void ReportList::SetKey(std::string_view key, std::string newKey) {
    ListRow& row = Row(key);
    std::string folded = vb::FoldCase(newKey);
    const auto taken = mIndex.find(folded);
    if (taken != mIndex.end() && taken->second != &row)
        vb::Raise(vb::kDuplicateKey, "ListItems");
    mIndex.erase(vb::FoldCase(row.Key));
    mIndex.emplace(std::move(folded), &row);
    row.Key = std::move(newKey);
}

void ReportList::Remove(std::string_view key) {
    ListRow& row = Row(key);
    if (mSelected == &row)
        mSelected = nullptr;
    mIndex.erase(vb::FoldCase(row.Key));
    std::erase_if(mRows, [&row](const std::unique_ptr<ListRow>& stored) { return stored.get() == &row; });
    mOrderValid = false;
}

void ReportList::Clear() {
    mRows.clear();
    mIndex.clear();
    mSelected = nullptr;
    mOrderValid = false;
}

const std::vector<ListRow*>& ReportList::Rows() const {
    if (!mOrderValid) {
        mOrder.clear();
        mOrder.reserve(mRows.size());
        for (const auto& row : mRows)
            mOrder.push_back(row.get());
        if (mSorted) {
            const size_t column = static_cast<size_t>(mSortKey);
            const bool descending = mSortOrder == SortOrder::Descending;
            std::stable_sort(mOrder.begin(), mOrder.end(), [column, descending](ListRow* a, ListRow* b) {
                const std::string left = vb::FoldCase(a->Column(column));
                const std::string right = vb::FoldCase(b->Column(column));
                return descending ? right < left : left < right;
            });
        }
        mOrderValid = true;
    }
    return mOrder;
}

void ReportList::ColumnClick(int32_t columnIndex) {
    if (columnIndex < 1 || columnIndex > static_cast<int32_t>(mColumns.size()))
        vb::Raise(vb::kSubscriptOutOfRange, "ColumnHeaders");
    mSortKey = columnIndex - 1;
    mSortOrder = mSortOrder == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
    mSorted = true;
    mOrderValid = false;
}

}  // namespace builder
