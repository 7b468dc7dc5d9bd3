#pragma once
// The buttons of every option group of one detail form. A group names its buttons the buttons' prefix &
// property & "_" & suffix, so two groups can make one name: property "A" with the value "B_1" and property
// "A_B" with "1". The later button is then numbered (its name ending "A_B_1_2") past every name the form's
// buttons are made under, which keeps each name that no other button makes. The layout that places the
// buttons, the code that names them and the count of the form's names all take them from here.

#include <memory>
#include <unordered_map>
#include <vector>

#include "formlayout/OptionButtonValues.h"
#include "typelib/IProperty.h"

namespace formlayout {

class FormOptionButtons {
  public:
    FormOptionButtons() = default;
    explicit FormOptionButtons(const std::vector<std::shared_ptr<typelib::IProperty>>& detail);

    // The buttons of the group of `property`, one of the form's: OptionButtonValues, each suffix ending
    // the name that button is made under.
    const std::vector<OptionButtonValue>& Of(const typelib::IProperty& property) const;

  private:
    std::unordered_map<const typelib::IProperty*, std::vector<OptionButtonValue>> mGroups;
};

}  // namespace formlayout
