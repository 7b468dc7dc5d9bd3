#include "schemaimport/ModelMarks.h"

#include <algorithm>
#include <cstdint>

#include "core/qelBusObjProperty.h"
#include "core/qelField.h"
#include "core/qelTable.h"

namespace schemaimport {

std::shared_ptr<core::qelBusObjProperty> PropertyOfColumn(const core::qelBusinessObject& businessObject,
                                                          const std::string& column) {
    const auto field = businessObject.Table()->FieldNamed(column);
    return field ? field->BusObjProperty() : nullptr;
}

void MarkPrimaryKey(ModelSink& sink, core::qelApplication& application,
                    const std::shared_ptr<core::qelBusinessObject>& businessObject,
                    const std::vector<std::string>& columns) {
    std::vector<std::shared_ptr<core::qelBusObjProperty>> marked;
    for (const std::string& column : columns) {
        if (auto property = PropertyOfColumn(*businessObject, column)) {
            property->SetIsKey(true);
            property->Field()->SetIsPrimaryKey(true);
            property->Field()->SetIsNullable(false);
            marked.push_back(std::move(property));
        }
    }
    if (marked.empty())
        return;
    auto& keys = *businessObject->KeyProperties();
    const auto isKey = [&](const std::shared_ptr<core::qelBusObjProperty>& property) {
        if (std::find(marked.begin(), marked.end(), property) != marked.end())
            return true;
        for (const auto& key : keys) {
            if (key == property)
                return true;
        }
        return false;
    };
    std::vector<std::shared_ptr<core::qelBusObjProperty>> ordered;
    for (const auto& property : *businessObject->Properties()) {
        if (isKey(property))
            ordered.push_back(property);
    }
    keys.Clear();
    for (const auto& property : ordered) {
        keys.Add(property, property->Name());
        property->SetKeyIndex(static_cast<int16_t>(keys.Count()));
    }
    for (const auto& property : marked)
        sink.PropertyUpdated(application, property);
}

}  // namespace schemaimport
