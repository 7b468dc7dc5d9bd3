#pragma once
// Design-time properties of forms, controls and class headers, each held with its VB type.
//
// A property the IDE knows (a control class's table) converts every value written to its type: "Default"
// given the string "True" holds the Boolean True. A property read from a file that the IDE does not know
// keeps its text as written there (a colour, a picture in the form's binary file), so nothing is lost.
// Members used by the add-in: Properties(name) on components and controls, and a property's Value.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Object.h"
#include "platform/vb/Variant.h"

namespace vbide {

enum class PropertyType { String, Boolean, Integer, Long, Single, Literal };

struct PropertySpec {
    std::string_view name;
    PropertyType type;
};

struct PropertyEntry {
    std::string name;
    PropertyType type;
    vb::Variant value;  // for Literal, the text after "=" in the file
};

// A "BeginProperty" group of a form file (a font, a toolbar's buttons), kept as written. A node is either
// a property line (name and the text after "=") or a group (name, the text after it, and its nodes).
struct PropertyNode {
    std::string name;
    std::string text;
    bool isGroup = false;
    std::vector<PropertyNode> children;
};

// The ordered properties of one block, with the groups placed among them.
class PropertyBag {
  public:
    explicit PropertyBag(std::span<const PropertySpec> known = {});

    bool Has(std::string_view name) const;
    // A known property that was never set has its type's empty value; anything else unknown raises 438.
    vb::Variant Value(std::string_view name) const;
    // Converts to the property's type (380 when it cannot); appends a property not yet held.
    void SetValue(std::string_view name, const vb::Variant& value);
    // A property line from a file; false when the text does not fit the property's type.
    bool SetFromFile(std::string_view name, std::string_view text);
    // Forgets a property's value, so that the file writes no line for it.
    void Remove(std::string_view name);

    struct PlacedGroup {
        size_t position;  // the number of properties written before it
        PropertyNode group;
    };
    void AddGroup(PropertyNode group);

    const std::vector<PropertyEntry>& Entries() const { return mEntries; }
    const std::vector<PlacedGroup>& Groups() const { return mGroups; }

  private:
    const PropertySpec* KnownProperty(std::string_view name) const;
    PropertyEntry* Find(std::string_view name);
    const PropertyEntry* Find(std::string_view name) const;

    std::span<const PropertySpec> mKnown;
    std::vector<PropertyEntry> mEntries;
    std::vector<PlacedGroup> mGroups;
};

// The text of a property's value as a form file holds it, and back.
std::string PropertyText(const PropertyEntry& entry);
// A VB string literal ("" doubled inside quotes), and back (false when `text` is not one).
std::string QuotedText(std::string_view value);
bool UnquoteText(std::string_view text, std::string& value);

// What owns properties: a form, a control, a class header.
class PropertyOwner {
  public:
    virtual ~PropertyOwner() = default;
    virtual bool HasProperty(std::string_view name) const = 0;
    virtual vb::Variant PropertyValue(std::string_view name) const = 0;
    virtual void SetPropertyValue(std::string_view name, const vb::Variant& value) = 0;
};

// One property of an owner, as Properties(name) hands it out; reading and writing go to the owner, so a
// property object stays valid while the owner lives (91 after).
class Property : public vb::Object {
  public:
    Property(std::weak_ptr<PropertyOwner> owner, std::string name);

    const std::string& Name() const { return mName; }
    vb::Variant Value() const;
    void SetValue(const vb::Variant& value);

  private:
    std::shared_ptr<PropertyOwner> Owner() const;

    std::weak_ptr<PropertyOwner> mOwner;
    std::string mName;
};

// Properties(name) of an owner: 438 for a name it does not have.
std::shared_ptr<Property> PropertyOf(const std::shared_ptr<PropertyOwner>& owner, std::string_view name);

}  // namespace vbide
