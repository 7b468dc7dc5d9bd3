#pragma once
// How many control names a form of property rows holds, counted as VB counts them against the
// vb::kMaxControlNames it loads on one form: each name once, letter case aside, a control array once. The
// form patterns choose their control arrays by this count, and the check before a build refuses a form
// that no choice keeps within the limit.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Limits.h"
#include "typelib/IProperty.h"

namespace formlayout {

// Which controls of the property rows are members of control arrays, one array per prefix of the control
// table, named by the prefix alone: none, as every form within the limit is written; the labels; or every
// control of a row but an option group's frame, whose buttons the layout puts in it by its name.
enum class ControlArrays { None, Labels, RowControls };

// The prefixes whose controls are arrays at that choice. No control of a form is named by a bare prefix:
// the others append a name.
std::vector<std::string_view> ArrayPrefixes(ControlArrays arrays);

using Properties = std::vector<std::shared_ptr<typelib::IProperty>>;

// The names of the search form's and the detail form's property rows at that choice, in the order placed.
// At None, the names each row's controls are created under, which the context frame's must not take.
std::vector<std::string> SearchRowNames(const Properties& search, ControlArrays arrays);
std::vector<std::string> DetailRowNames(const Properties& detail, ControlArrays arrays);

// The search form: the context frame of the parent's `context` properties (the rows it shows), per
// search property a label, an operator combo box and a text box, and the OK and Cancel buttons.
std::size_t SearchFormControlNames(const Properties& search, const Properties& context, ControlArrays arrays);

// The detail form: the context frame, per detail property the controls of its ControlType (an option
// group: its frame and a button per value, before any is cut for room), and the OK and Cancel buttons.
std::size_t DetailFormControlNames(const Properties& detail, const Properties& context, ControlArrays arrays);

// The first choice, from None on, whose `count` is within vb::kMaxControlNames; RowControls when none is.
template <typename Count>
ControlArrays FewestArrays(Count count) {
    for (const ControlArrays arrays : {ControlArrays::None, ControlArrays::Labels}) {
        if (count(arrays) <= vb::kMaxControlNames)
            return arrays;
    }
    return ControlArrays::RowControls;
}

}  // namespace formlayout
