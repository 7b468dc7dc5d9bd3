#pragma once
// The state of a dialog's controls as its logic class holds it: what the form shows, and what a person
// changed on it. The Qt forms mirror these and forward each edit.

#include <cstdint>
#include <string>
#include <vector>

namespace builder {

struct TextBox {
    std::string Text;
    bool Enabled = true;
    bool Visible = true;
};

struct CheckBox {
    int16_t Value = 0;  // 0 cleared, 1 ticked
    bool Enabled = true;
};

// One option button of a frame; the frame's Enabled is each button's.
struct OptionButton {
    bool Value = false;
    bool Enabled = true;
};

// A combo box whose text is one of its entries, or any text that code put there (ListIndex -1 then).
struct ComboBox {
    std::vector<std::string> Items;
    int32_t ListIndex = -1;
    bool Enabled = true;
    bool Visible = true;

    std::string Text() const { return mText; }
    // Selects the entry equal to `text` (exactly), else keeps the text with no entry selected.
    void SetText(const std::string& text);
    void SetListIndex(int32_t index);
    void AddItem(std::string item) { Items.push_back(std::move(item)); }
    void Clear();

  private:
    std::string mText;
};

// A list box: its entries and the selected one (-1 for none).
struct ListBox {
    std::vector<std::string> Items;
    int32_t ListIndex = -1;
    bool Visible = true;
};

// The Yes/No combos: "No" is entry 0 and "Yes" entry 1.
inline constexpr const char* kNo = "No";
inline constexpr const char* kYes = "Yes";
void FillYesNo(ComboBox& combo);
inline const char* YesNo(bool value) {
    return value ? kYes : kNo;
}

}  // namespace builder
