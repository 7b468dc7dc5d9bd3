#pragma once
// A property with the members the layout reads: its control type, its business object and its listed
// values.

#include <memory>
#include <string>
#include <vector>

#include "tests/patternkit/ModelDoubles.h"

namespace testing_support {

class LayoutProperty : public FakeProperty {
  public:
    std::string controlType = "TextBox", businessObjectName = "Orders";
    bool isPVList = false;
    std::shared_ptr<FakeList<std::string>> permittedValues = std::make_shared<FakeList<std::string>>();

    std::string ControlType() const override { return controlType; }
    std::string BusinessObjectName() const override { return businessObjectName; }
    bool IsPVList() const override { return isPVList; }

  protected:
    std::shared_ptr<typelib::TextList> GetPermittedValues() const override { return permittedValues; }
};

inline std::shared_ptr<LayoutProperty> MakeProperty(const std::string& name, const std::string& label,
                                                    const std::string& dataType = "Long",
                                                    const std::string& controlType = "TextBox") {
    auto property = std::make_shared<LayoutProperty>();
    property->name = name;
    property->label = label;
    property->dataType = dataType;
    property->controlType = controlType;
    return property;
}

inline std::shared_ptr<LayoutProperty> WithValues(std::shared_ptr<LayoutProperty> property,
                                                  std::vector<std::string> values) {
    property->isPVList = true;
    property->permittedValues->items = std::move(values);
    return property;
}

}  // namespace testing_support
