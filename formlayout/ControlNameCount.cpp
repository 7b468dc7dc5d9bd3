#include "formlayout/ControlNameCount.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "formlayout/DetailRows.h"
#include "formlayout/FormControls.h"
#include "formlayout/FormOptionButtons.h"
#include "formlayout/SizeSets.h"
#include "platform/vb/Object.h"
#include "platform/vb/Text.h"

namespace formlayout {

using vb::Required;
namespace {

// The names of a form's property rows, as placed at one choice of control arrays: an array once.
class RowNames {
  public:
    explicit RowNames(ControlArrays arrays) : mArrayPrefixes(ArrayPrefixes(arrays)) {}

    // A control of a property row: its array, or its own name.
    void AddRow(std::string_view prefix, const typelib::IProperty& property, std::string_view suffix = {}) {
        if (std::ranges::find(mArrayPrefixes, prefix) != mArrayPrefixes.end())
            Add(std::string(prefix));
        else
            Add(RowControlName(prefix, property, suffix));
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

// The row's controls in the order placed: label, operator combo box, the control that stands for the
// property, and an option group's buttons.
void AddRow(RowNames& names, const FormControl& control, const typelib::IProperty& property,
            const FormOptionButtons& buttons) {
    for (const std::string_view prefix : {control.label, control.operatorCombo, control.prefix}) {
        if (!prefix.empty())
            names.AddRow(prefix, property);
    }
    if (control.buttons.empty())
        return;
    for (const OptionButtonValue& value : buttons.Of(property))
        names.AddRow(control.buttons, property, "_" + value.suffix);
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
            return {kLabelPrefix};
        case ControlArrays::RowControls:
            break;
    }
    return RowControlPrefixes();
}

std::vector<std::string> SearchRowNames(const Properties& search, ControlArrays arrays) {
    RowNames names(arrays);
    for (const auto& property : search)
        AddRow(names, kSearchRow, Required(property), FormOptionButtons());
    return names.Take();
}

std::vector<std::string> DetailRowNames(const Properties& detail, ControlArrays arrays) {
    RowNames names(arrays);
    const FormOptionButtons buttons(detail);
    for (const auto& property : detail) {
        const typelib::IProperty& row = Required(property);
        if (const FormControl* control = DetailFormControl(row))
            AddRow(names, *control, row, buttons);
    }
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
