#include "platform/ide/Properties.h"

#include <algorithm>

#include "platform/ide/IdeErrors.h"
#include "platform/ide/TextFile.h"
#include "platform/vb/Error.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr size_t kFirstRoom = 6;

// A property's name, letter case ignored. Controls are given dozens of properties each, looked up in
// lists of dozens: two ASCII first letters that differ settle most comparisons before the full one.
bool SameName(std::string_view a, std::string_view b) {
    if (!a.empty() && !b.empty()) {
        const auto x = static_cast<unsigned char>(a[0]);
        const auto y = static_cast<unsigned char>(b[0]);
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c | 0x20 : c; };
        if (x < 0x80 && y < 0x80 && lower(x) != lower(y))
            return false;
    }
    return vb::TextEquals(a, b);
}

vb::Variant EmptyValueOf(PropertyType type) {
    switch (type) {
        case PropertyType::Boolean:
            return false;
        case PropertyType::Integer:
            return int16_t{0};
        case PropertyType::Long:
            return int32_t{0};
        case PropertyType::Single:
            return 0.0F;
        case PropertyType::String:
        case PropertyType::Literal:
            return std::string();
    }
    return {};
}

PropertyType TypeOfValue(const vb::Variant& value) {
    switch (value.Type()) {
        case vb::VarType::Boolean:
            return PropertyType::Boolean;
        case vb::VarType::Integer:
            return PropertyType::Integer;
        case vb::VarType::Long:
            return PropertyType::Long;
        case vb::VarType::Single:
        case vb::VarType::Double:
            return PropertyType::Single;
        default:
            return PropertyType::String;
    }
}

// The value converted to `type`; 380 when VB's conversion refuses it. Text with a line break is refused
// too: a form file holds such text only in its binary companion file, which this IDE does not write.
vb::Variant Convert(PropertyType type, const vb::Variant& value) {
    try {
        switch (type) {
            case PropertyType::Boolean:
                return value.ToBoolean();
            case PropertyType::Integer:
                return value.ToInteger();
            case PropertyType::Long:
                return value.ToLong();
            case PropertyType::Single:
                return vb::CSng(value.ToDouble());
            case PropertyType::String:
            case PropertyType::Literal: {
                std::string text = value.ToString();
                if (text.find_first_of("\r\n") == std::string::npos)
                    return text;
                break;
            }
        }
    } catch (const vb::Error&) {
    }
    throw vb::Error(kInvalidPropertyValue, "Invalid property value", "vbide");
}

bool IsComment(std::string_view rest) {
    rest = TrimBlanks(rest);
    return rest.empty() || rest.front() == '\'';
}

}  // namespace

std::string QuotedText(std::string_view value) {
    return '"' + vb::Replace(value, "\"", "\"\"") + '"';
}

bool UnquoteText(std::string_view text, std::string& value) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() != '"')
        return false;
    std::string out;
    for (size_t at = 1; at < text.size(); ++at) {
        if (text[at] != '"') {
            out += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
            out += '"';
            ++at;
        } else {
            if (!IsComment(text.substr(at + 1)))
                return false;
            value = std::move(out);
            return true;
        }
    }
    return false;
}

std::string PropertyText(const PropertyEntry& entry) {
    switch (entry.type) {
        case PropertyType::String:
            return QuotedText(entry.value.ToString());
        case PropertyType::Boolean:
            return entry.value.ToBoolean() ? "-1  'True" : "0   'False";
        case PropertyType::Integer:
        case PropertyType::Long:
            return std::to_string(entry.value.ToLong());
        case PropertyType::Single:
            return vb::NumberText(entry.value.ToDouble());
        case PropertyType::Literal:
            break;
    }
    return entry.value.ToString();
}

PropertyBag::PropertyBag(std::span<const PropertySpec> known) : mKnown(known) {}

const PropertySpec* PropertyBag::KnownProperty(std::string_view name) const {
    const auto found = std::find_if(mKnown.begin(), mKnown.end(),
                                    [&](const PropertySpec& known) { return SameName(known.name, name); });
    return found == mKnown.end() ? nullptr : &*found;
}

PropertyEntry* PropertyBag::Find(std::string_view name) {
    const auto found = std::find_if(mEntries.begin(), mEntries.end(),
                                    [&](const PropertyEntry& entry) { return SameName(entry.name, name); });
    return found == mEntries.end() ? nullptr : &*found;
}

const PropertyEntry* PropertyBag::Find(std::string_view name) const {
    return const_cast<PropertyBag*>(this)->Find(name);
}

bool PropertyBag::Has(std::string_view name) const {
    return Find(name) != nullptr || KnownProperty(name) != nullptr;
}

vb::Variant PropertyBag::Value(std::string_view name) const {
    if (const PropertyEntry* entry = Find(name)) {
        if (entry->type != PropertyType::Literal)
            return entry->value;
        const std::string literal = entry->value.ToString();
        std::string text;
        return UnquoteText(literal, text) ? text : literal;
    }
    if (const PropertySpec* known = KnownProperty(name))
        return EmptyValueOf(known->type);
    vb::Raise(vb::kNoSuchMember);
}

void PropertyBag::SetValue(std::string_view name, const vb::Variant& value) {
    PropertyEntry* entry = Find(name);
    if (entry == nullptr) {
        const PropertySpec* known = KnownProperty(name);
        if (known == nullptr)
            vb::Raise(vb::kNoSuchMember);
        vb::Variant converted = Convert(known->type, value);
        // A control is given a handful of properties, one at a time.
        if (mEntries.empty())
            mEntries.reserve(kFirstRoom);
        mEntries.push_back({std::string(known->name), known->type, std::move(converted)});
        return;
    }
    if (entry->type == PropertyType::Literal) {
        vb::Variant converted = Convert(TypeOfValue(value), value);
        entry->type = TypeOfValue(value);
        entry->value = std::move(converted);
        return;
    }
    entry->value = Convert(entry->type, value);
}

bool PropertyBag::SetFromFile(std::string_view name, std::string_view text) {
    text = TrimBlanks(text);
    const PropertySpec* known = KnownProperty(name);
    PropertyEntry parsed{std::string(known ? known->name : name), PropertyType::Literal, std::string(text)};
    if (known != nullptr && known->type == PropertyType::String) {
        std::string value;
        if (UnquoteText(text, value)) {
            parsed.type = PropertyType::String;
            parsed.value = std::move(value);
        } else if (text.empty() || (text.front() != '"' && !text.starts_with("$\""))) {
            return false;  // neither a string nor a reference into the binary companion file
        }
    } else if (known != nullptr) {
        try {
            const std::string number(TrimBlanks(text.substr(0, text.find('\''))));
            parsed.value = Convert(known->type, vb::Variant(number));
            parsed.type = known->type;
        } catch (const vb::Error&) {
            return false;
        }
    }
    if (PropertyEntry* entry = Find(name)) {
        *entry = std::move(parsed);
    } else {
        mEntries.push_back(std::move(parsed));
    }
    return true;
}

void PropertyBag::Remove(std::string_view name) {
    const PropertyEntry* entry = Find(name);
    if (entry == nullptr)
        return;
    const auto index = static_cast<size_t>(entry - mEntries.data());
    mEntries.erase(mEntries.begin() + static_cast<std::ptrdiff_t>(index));
    for (PlacedGroup& placed : mGroups) {
        if (placed.position > index)
            --placed.position;
    }
}

void PropertyBag::AddGroup(PropertyNode group) {
    mGroups.push_back({mEntries.size(), std::move(group)});
}

Property::Property(std::weak_ptr<PropertyOwner> owner, std::string name)
    : mOwner(std::move(owner)), mName(std::move(name)) {}

std::shared_ptr<PropertyOwner> Property::Owner() const {
    auto owner = mOwner.lock();
    if (!owner)
        vb::Raise(vb::kObjectNotSet);
    return owner;
}

vb::Variant Property::Value() const {
    return Owner()->PropertyValue(mName);
}
void Property::SetValue(const vb::Variant& value) {
    Owner()->SetPropertyValue(mName, value);
}

std::shared_ptr<Property> PropertyOf(const std::shared_ptr<PropertyOwner>& owner, std::string_view name) {
    if (!owner->HasProperty(name))
        vb::Raise(vb::kNoSuchMember);
    return std::make_shared<Property>(owner, std::string(name));
}

}  // namespace vbide
