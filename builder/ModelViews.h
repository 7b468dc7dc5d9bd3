#pragma once
// The main window's four views of the open model, as plain structures: the tree of business objects and
// the property, method and relationship lists, with the keys, texts and columns every handler writes.

#include <optional>
#include <string>
#include <vector>

#include "builder/ModelTree.h"
#include "builder/ReportList.h"

namespace core {
class qelAssociation;
class qelBusObjMethod;
class qelBusObjProperty;
}  // namespace core

namespace builder {

// Key parts. A property's key is BO & ".Properties." & name, and so on; a group node's key has no last dot.
inline constexpr const char* kProperties = ".Properties";
inline constexpr const char* kMethods = ".Methods";
inline constexpr const char* kRelationships = ".Relationships";
inline constexpr const char* kRelationshipsRecursive = ".RelationshipsRecursive";

inline std::string PropertyKey(const std::string& businessObject, const std::string& name) {
    return businessObject + kProperties + "." + name;
}
inline std::string MethodKey(const std::string& businessObject, const std::string& name) {
    return businessObject + kMethods + "." + name;
}
// The key of a relationship end: the second end of a relationship from a business object to itself
// takes the "Recursive" form, so that the two ends differ.
inline std::string RelationshipKey(const std::string& source, const std::string& relationship,
                                   bool recursive) {
    return source + (recursive ? kRelationshipsRecursive : kRelationships) + "." + relationship;
}
// The text of a key before its first "." (the business object's name); the whole key when it has none.
std::string FirstSegment(const std::string& key);
// A relationship end's key taken apart: the business object before the first ".", then exactly
// ".Relationships." or ".RelationshipsRecursive.", then the relationship's name (not empty). Every
// command that acts on a relationship by its key goes through this one parser, so that a name is compared
// whole ("Relationship1" never matches "Relationship10").
struct RelationshipKeyParts {
    std::string BusinessObject;
    bool Recursive = false;
    std::string Name;
};
std::optional<RelationshipKeyParts> ParseRelationshipKey(const std::string& key);

// A business object, property or method node: the nodes whose label a rename may edit.
bool IsLabelEditable(const TreeNode& node);

struct ModelViews {
    ModelViews();

    ModelTree BusObjTreeView;
    ReportList PropertyListView;
    ReportList MethodListView;
    ReportList RelationshipListView;

    void Clear();
};

// What a row shows, sub-item 1 on.
std::vector<std::string> PropertySubItems(const core::qelBusObjProperty& property);
std::vector<std::string> MethodSubItems(const core::qelBusObjMethod& method);
std::vector<std::string> RelationshipSubItems(const core::qelAssociation& association);
// A relationship end's node: description, cardinality and the target's name.
std::string RelationshipNodeText(const core::qelAssociation& association);

}  // namespace builder
