#include "patternkit/PropertySets.h"

#include <algorithm>
#include <string>

#include "formlayout/FormRows.h"
#include "platform/vb/Text.h"
#include "typelib/IField.h"

namespace patternkit::Common {
namespace {

template <typename Test>
PropertySet PropertiesWhere(const typelib::IBusinessObject& businessObject, Test test) {
    PropertySet result;
    for (const auto& property : Required(businessObject.Properties())) {
        if (test(Required(property)))
            result.push_back(property);
    }
    return result;
}

bool IsKey(const typelib::IProperty& property) {
    return property.IsKey();
}

bool IsNotKey(const typelib::IProperty& property) {
    return !property.IsKey();
}

}  // namespace

bool IsMemoOrOLE(const typelib::IProperty& property) {
    const std::string dataType = property.DataType();
    return dataType == "Memo" || dataType == "OLE Object";
}

bool IsListProperty(const typelib::IProperty& property) {
    return !IsMemoOrOLE(property);
}

int16_t GetMaxLabelLength(const PropertySet& properties) {
    return formlayout::LongestLabel(properties).value();
}

PropertySet GetContextProperties(const typelib::IBusinessObject& businessObject) {
    return PropertiesWhere(businessObject, [](const typelib::IProperty& property) {
        return property.IsKey() || property.IsUnique();
    });
}

PropertySet GetDetailProperties(const typelib::IBusinessObject& businessObject) {
    return PropertiesWhere(businessObject, IsDetailProperty);
}

PropertySet GetListProperties(const typelib::IBusinessObject& businessObject) {
    return PropertiesWhere(businessObject, IsListProperty);
}

PropertySet GetSearchProperties(const typelib::IBusinessObject& businessObject) {
    return PropertiesWhere(businessObject, IsSearchProperty);
}

PropertySet GetPVForeignKeyProperties(const typelib::IBusinessObject& businessObject) {
    return PropertiesWhere(businessObject, [](const typelib::IProperty& property) {
        return property.IsForeignProperty() && property.IsPVFKey();
    });
}

PropertySet GetMethodInputProperties(const typelib::IBusinessObject& businessObject,
                                     std::string_view methodName) {
    if (methodName == "Read" || methodName == "Delete")
        return PropertiesWhere(businessObject, IsKey);
    return AllOf(Required(businessObject.Properties()));
}

PropertySet GetMethodOutputProperties(const typelib::IBusinessObject& businessObject,
                                      std::string_view methodName) {
    if (methodName == "Add" || methodName == "Update" || methodName == "Delete")
        return {};
    if (methodName == "Read")
        return PropertiesWhere(businessObject, IsNotKey);
    return AllOf(Required(businessObject.Properties()));
}

PropertySet GetForeignKeyProperties(const typelib::IProperty& property) {
    const auto association = GetForeignAssociation(property);
    if (!association)
        return {};
    return AllOf(Required(association->SourceForeignProperties()));
}

}  // namespace patternkit::Common
