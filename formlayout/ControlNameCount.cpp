#include "formlayout/ControlNameCount.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "formlayout/DetailRows.h"
#include "formlayout/FormOptionButtons.h"
#include "formlayout/SizeSets.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {

using vb::Required;
namespace {

constexpr std::string_view kRowPrefixes[] = {"lbl", "txt", "cmb", "lstbx", "rtxt", "ckb", "opt"};

// The names of a form's property rows, as placed at one choice of control arrays: an array once.
class RowNames {
  public:
    explicit RowNames(ControlArrays arrays) : mArrayPrefixes(ArrayPrefixes(arrays)) {}

    // A control of a property row: its array, or its own name.
    void AddRow(std::string_view prefix, const typelib::IProperty& property, std::string_view suffix = {}) {
        if (std::ranges::find(mArrayPrefixes, prefix) != mArrayPrefixes.end())
            Add(std::string(prefix));
        else
            Add(std::string(prefix) + vb::Trim(property.Name()) + std::string(suffix));
    }

    std::vector<std::string> Take() { return std::move(mNames); }

  private:
    void Add(std::string name) {
        if (mSeen.insert(vb::FoldCase(name)).second)
            mNames.push_back(std::move(name));
    }

    std::vector<std::string_view> mArrayPrefixes;
    std::unordered_set<std::string> mSeen;
    std::vector<std::string> mNames;
};

void AddDetailRow(RowNames& names, const typelib::IProperty& property, const FormOptionButtons& buttons) {
    if (!IsDetailProperty(property))
        return;
    const std::string controlType = property.ControlType();
    const std::string dataType = property.DataType();
    const bool memo = dataType == "Memo";
    if (controlType == "TextBox" || controlType == "ComboBox" || (controlType == "ListBox" && !memo) ||
        controlType == "RichTextBox") {
        names.AddRow("lbl", property);
        names.AddRow(controlType == "TextBox"    ? "txt"
                     : controlType == "ComboBox" ? "cmb"
                     : controlType == "ListBox"  ? "lstbx"
                                                 : "rtxt",
                     property);
    } else if (controlType == "CheckBox") {
        names.AddRow("ckb", property);
    } else if (controlType == "OptionButton") {
        names.AddRow("Frame", property);
        for (const OptionButtonValue& value : buttons.Of(property))
            names.AddRow("opt", property, "_" + value.suffix);
    }
}

// The rows' names, the OK and Cancel buttons, and the context frame with a label and a text box for each
// row it shows, whose names none of the others take.
std::size_t FormControlNames(const std::vector<std::string>& rows, const Properties& context) {
    std::unordered_set<std::string> names;
    for (const std::string& name : rows)
        names.insert(vb::FoldCase(name));
    names.insert("cmdok");
    names.insert("cmdcancel");
    const std::size_t contextRows =
        std::min(context.size(), static_cast<std::size_t>(kStandardSizes.maxCntxProps));
    return names.size() + (context.empty() ? 0 : 1 + 2 * contextRows);
}

}  // namespace

std::vector<std::string_view> ArrayPrefixes(ControlArrays arrays) {
    switch (arrays) {
        case ControlArrays::None:
            return {};
        case ControlArrays::Labels:
            return {kRowPrefixes[0]};
        case ControlArrays::RowControls:
            break;
    }
    return {std::begin(kRowPrefixes), std::end(kRowPrefixes)};
}

std::vector<std::string> SearchRowNames(const Properties& search, ControlArrays arrays) {
    RowNames names(arrays);
    for (const auto& property : search) {
        for (const std::string_view prefix : {"lbl", "cmb", "txt"})
            names.AddRow(prefix, Required(property));
    }
    return names.Take();
}

std::vector<std::string> DetailRowNames(const Properties& detail, ControlArrays arrays) {
    RowNames names(arrays);
    const FormOptionButtons buttons(detail);
    for (const auto& property : detail)
        AddDetailRow(names, Required(property), buttons);
    return names.Take();
}

std::size_t SearchFormControlNames(const Properties& search, const Properties& context,
                                   ControlArrays arrays) {
    return FormControlNames(SearchRowNames(search, arrays), context);
}

std::size_t DetailFormControlNames(const Properties& detail, const Properties& context,
                                   ControlArrays arrays) {
    return FormControlNames(DetailRowNames(detail, arrays), context);
}

}  // namespace formlayout
