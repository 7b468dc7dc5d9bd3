#include "builder/Controls.h"

namespace builder {

void ComboBox::SetText(const std::string& text) {
    ListIndex = -1;
    for (size_t i = 0; i < Items.size(); ++i) {
        if (Items[i] == text) {
            ListIndex = static_cast<int32_t>(i);
            break;
        }
    }
    mText = text;
}

void ComboBox::SetListIndex(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(Items.size())) {
        ListIndex = -1;
        mText.clear();
        return;
    }
    ListIndex = index;
    mText = Items[static_cast<size_t>(index)];
}

void ComboBox::Clear() {
    Items.clear();
    ListIndex = -1;
    mText.clear();
}

void FillYesNo(ComboBox& combo) {
    combo.Clear();
    combo.AddItem(kNo);
    combo.AddItem(kYes);
}

}  // namespace builder
