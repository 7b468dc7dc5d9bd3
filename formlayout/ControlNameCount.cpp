#include "formlayout/ControlNameCount.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "formlayout/ControlNames.h"
#include "formlayout/DetailRows.h"
#include "formlayout/OptionButtonValues.h"
#include "formlayout/SizeSets.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {

using vb::Required;
namespace {

constexpr std::string_view kRowPrefixes[] = {"lbl", "txt", "cmb", "lstbx", "rtxt", "ckb", "opt"};

class NameCount {
  public:
    explicit NameCount(ControlArrays arrays) : mArrayPrefixes(ArrayPrefixes(arrays)) {}

    void Add(const std::string& name) { mNames.insert(vb::FoldCase(name)); }
    // A control of a property row: its array, or its own name.
    void AddRow(std::string_view prefix, const typelib::IProperty& property, std::string_view suffix = {}) {
        if (std::ranges::find(mArrayPrefixes, prefix) != mArrayPrefixes.end())
            Add(std::string(prefix));
        else
            Add(std::string(prefix) + vb::Trim(property.Name()) + std::string(suffix));
    }

    // The frame "Frame", and a label and a read-only text box for each row it shows.
    void AddContextFrame(const Properties& context) {
        if (context.empty())
            return;
        Add("Frame");
        const std::size_t rows =
            std::min(context.size(), static_cast<std::size_t>(kStandardSizes.maxCntxProps));
        std::vector<std::string> names;
        for (const auto& property : context)
            names.push_back(vb::Trim(Required(property).Name()));
        const std::vector<std::string> textBoxes =
            FittedControlNames("txt" + vb::Trim(Required(context.front()).BusinessObjectName()) + "_", names);
        for (std::size_t row = 0; row < rows; ++row) {
            Add("lbl" + names[row]);
            Add(textBoxes[row]);
        }
    }

    std::size_t Count() const { return mNames.size(); }

  private:
    std::vector<std::string_view> mArrayPrefixes;
    std::unordered_set<std::string> mNames;
};

void AddDetailRow(NameCount& names, const typelib::IProperty& property) {
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
        for (const OptionButtonValue& value : OptionButtonValues(property))
            names.AddRow("opt", property, "_" + value.suffix);
    }
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

std::size_t SearchFormControlNames(const Properties& search, const Properties& context,
                                   ControlArrays arrays) {
    NameCount names(arrays);
    names.AddContextFrame(context);
    for (const auto& property : search) {
        for (const std::string_view prefix : {"lbl", "cmb", "txt"})
            names.AddRow(prefix, Required(property));
    }
    names.Add("cmdOK");
    names.Add("cmdCancel");
    return names.Count();
}

std::size_t DetailFormControlNames(const Properties& detail, const Properties& context,
                                   ControlArrays arrays) {
    NameCount names(arrays);
    names.AddContextFrame(context);
    for (const auto& property : detail)
        AddDetailRow(names, Required(property));
    names.Add("cmdOK");
    names.Add("cmdCancel");
    return names.Count();
}

}  // namespace formlayout
