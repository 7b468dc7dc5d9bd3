#include "builder/ModelViews.h"

#include <string_view>

#include "core/qelAssociation.h"
#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "platform/vb/Text.h"

namespace builder {

namespace {

std::vector<ListColumn> Captions(std::initializer_list<const char*> captions) {
    std::vector<ListColumn> columns;
    for (const char* caption : captions)
        columns.push_back({"", caption});
    return columns;
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

std::string NameOf(const std::shared_ptr<core::qelBusinessObject>& businessObject) {
    return businessObject ? businessObject->Name() : std::string();
}

}  // namespace

std::string FirstSegment(const std::string& key) {
    return key.substr(0, key.find('.'));
}

std::optional<RelationshipKeyParts> ParseRelationshipKey(const std::string& key) {
    const size_t dot = key.find('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    const std::string_view rest = std::string_view(key).substr(dot);
    for (const bool recursive : {false, true}) {
        const std::string group = std::string(recursive ? kRelationshipsRecursive : kRelationships) + ".";
        if (rest.size() > group.size() && rest.substr(0, group.size()) == group)
            return RelationshipKeyParts{key.substr(0, dot), recursive,
                                        std::string(rest.substr(group.size()))};
    }
    return std::nullopt;
}

bool IsLabelEditable(const TreeNode& node) {
    if (node.Key.find('.') == std::string::npos)
        return true;
    const bool isGroup = node.Parent && node.Parent->Key.find('.') == std::string::npos;
    return !isGroup && !ParseRelationshipKey(node.Key);
}

ModelViews::ModelViews()
    : PropertyListView(Captions({"Class Name", "Property Name", "Data Type", "Access", "Label", "Length",
                                 "Key", "Field Name", "Mandatory", "Control Type", "Table Name"}),
                       SortOrder::Descending),
      MethodListView(Captions({"Class Name", "Method Name", "Type", "Return Data Type"}),
                     SortOrder::Descending),
      RelationshipListView({{"Source", "Source BusObj"},
                            {"IsOptional", "Optionality"},
                            {"Description", "Description"},
                            {"Cardinality", "Cardinality"},
                            {"Target", "Target BusObj"}},
                           SortOrder::Descending) {}

void ModelViews::Clear() {
    BusObjTreeView.Clear();
    PropertyListView.Clear();
    MethodListView.Clear();
    RelationshipListView.Clear();
}

std::vector<std::string> PropertySubItems(const core::qelBusObjProperty& property) {
    const auto& field = property.Field();
    const auto table = field ? field->Table() : nullptr;
    return {property.Name(),
            field ? property.DataType() : std::string(),
            property.Access(),
            property.Label(),
            field ? std::to_string(property.Length()) : std::string("0"),
            TrueFalse(property.IsKey()),
            field ? field->Name() : std::string(),
            TrueFalse(property.IsMandatory()),
            property.ControlType(),
            table ? table->Name() : std::string()};
}

std::vector<std::string> MethodSubItems(const core::qelBusObjMethod& method) {
    return {method.Name(), method.MethodType(), method.ReturnDataType()};
}

std::vector<std::string> RelationshipSubItems(const core::qelAssociation& association) {
    return {association.IsOptional() ? "sometimes" : "always", association.Description(),
            association.Cardinality(), NameOf(association.TargetBusObj())};
}

std::string RelationshipNodeText(const core::qelAssociation& association) {
    return association.Description() + " " + association.Cardinality() + " " +
           NameOf(association.TargetBusObj());
}

}  // namespace builder
