#include "platform/ide/VBControl.h"

#include <algorithm>
#include <utility>

#include "platform/ide/ControlClasses.h"
#include "platform/ide/FormDesigner.h"
#include "platform/ide/IdeErrors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr std::string_view kName = "Name";
constexpr std::string_view kIndex = "Index";
constexpr std::string_view kText = "Text";
constexpr std::string_view kStyle = "Style";
constexpr std::string_view kComboBoxClass = "VB.ComboBox";
constexpr int16_t kDropDownList = 2;

}  // namespace

VBControl::VBControl(std::string className, std::string name, std::weak_ptr<FormDesigner> designer,
                     ChangeCounterPtr changes)
    : VBControl(className, std::move(name), std::move(designer), std::move(changes),
                PropertiesOfClass(className)) {}

VBControl::VBControl(std::string className, std::string name, std::weak_ptr<FormDesigner> designer,
                     ChangeCounterPtr changes, std::span<const PropertySpec> properties)
    : mClassName(std::move(className)),
      mName(std::move(name)),
      mDesigner(std::move(designer)),
      mChanges(std::move(changes)),
      mProperties(properties) {}

bool VBControl::IsMenu() const {
    return vb::TextEquals(mClassName, kMenuClass);
}

bool VBControl::IsDropDownList() const {
    if (!vb::TextEquals(mClassName, kComboBoxClass))
        return false;
    try {
        return mProperties.Value(kStyle).ToInteger() == kDropDownList;
    } catch (const vb::Error&) {
        return false;
    }
}

std::shared_ptr<FormDesigner> VBControl::Designer() const {
    auto designer = mDesigner.lock();
    if (!designer)
        vb::Raise(vb::kObjectNotSet);
    return designer;
}

void VBControl::SetName(std::string_view name) {
    CheckName(name);
    const auto designer = Designer();
    designer->CheckNameFree(this, name, Index(), mClassName);
    const std::string oldName = std::exchange(mName, std::string(name));
    designer->VBControls().Renamed(*this, oldName);
    mChanges->Bump();
}

std::optional<int16_t> VBControl::Index() const {
    const auto found =
        std::find_if(mProperties.Entries().begin(), mProperties.Entries().end(),
                     [](const PropertyEntry& entry) { return vb::TextEquals(entry.name, kIndex); });
    if (found == mProperties.Entries().end())
        return std::nullopt;
    return found->value.ToInteger();
}

std::shared_ptr<Property> VBControl::Properties(std::string_view name) {
    return PropertyOf(shared_from_this(), name);
}

void VBControl::SetContainer(const std::shared_ptr<VBControl>& frame) {
    if (IsMenu())
        vb::Raise(vb::kInvalidProcedureCall);
    if (frame) {
        if (frame->mDesigner.lock() != Designer() || !vb::TextEquals(frame->ClassName(), kFrameClass)) {
            vb::Raise(vb::kInvalidProcedureCall);
        }
        for (auto holder = frame; holder; holder = holder->Container()) {
            if (holder.get() == this)
                vb::Raise(vb::kInvalidProcedureCall);
        }
    }
    mContainer = frame;
    mChanges->Bump();
}

bool VBControl::HasProperty(std::string_view name) const {
    return vb::TextEquals(name, kName) || mProperties.Has(name);
}

vb::Variant VBControl::PropertyValue(std::string_view name) const {
    if (vb::TextEquals(name, kName))
        return mName;
    return mProperties.Value(name);
}

void VBControl::SetPropertyValue(std::string_view name, const vb::Variant& value) {
    if (vb::TextEquals(name, kName)) {
        SetName(value.ToString());
        return;
    }
    if (vb::TextEquals(name, kIndex)) {
        int16_t index = 0;
        try {
            index = value.ToInteger();
        } catch (const vb::Error&) {
            vb::Raise(kInvalidPropertyValue);
        }
        if (index < 0)
            vb::Raise(kInvalidPropertyValue);
        Designer()->CheckNameFree(this, mName, index, mClassName);
    }
    if (vb::TextEquals(name, kText) && IsDropDownList())
        throw vb::Error(kPropertyReadOnly, "'Text' property is read-only", "vbide");
    mProperties.SetValue(name, value);
    // The new control's name that Add put into Text goes once the box becomes a drop-down list.
    if (IsDropDownList())
        mProperties.Remove(kText);
    mChanges->Bump();
}

}  // namespace vbide
