#pragma once
// A control on a form designer: a placed control, a frame holding others, or a menu.
//
// Members used by the add-in: Properties(name) (including "Name" and "Index"), Container and its
// assignment (a frame on the same form; positions inside a frame are measured from the frame, so the
// numbers set stay as they are). Members of a control array share a name and differ in Index.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/Properties.h"
#include "platform/vb/Object.h"

namespace vbide {

class FormDesigner;

class VBControl : public vb::Object, public PropertyOwner, public std::enable_shared_from_this<VBControl> {
  public:
    VBControl(std::string className, std::string name, std::weak_ptr<FormDesigner> designer,
              ChangeCounterPtr changes);
    // A control of a class whose properties are known already.
    VBControl(std::string className, std::string name, std::weak_ptr<FormDesigner> designer,
              ChangeCounterPtr changes, std::span<const PropertySpec> properties);

    const std::string& ClassName() const { return mClassName; }
    bool IsMenu() const;
    // A combo box of Style 2: it shows no text of its own at design time, and its Text is read-only (383).
    bool IsDropDownList() const;

    const std::string& Name() const { return mName; }
    // 380 for a name that is no VB identifier, 457 for one another control of the form has (unless both
    // are members of one control array of the same class with different indexes).
    void SetName(std::string_view name);
    std::optional<int16_t> Index() const;

    std::shared_ptr<Property> Properties(std::string_view name);

    // The frame (or, for a menu, the menu) that holds this control; null at the form's top level.
    std::shared_ptr<VBControl> Container() const { return mContainer.lock(); }
    // Moves the control into a frame of the same form, or to the top level with null; 5 for anything else
    // (a control that is no frame, a frame inside this control, a menu).
    void SetContainer(const std::shared_ptr<VBControl>& frame);
    // The file reader's way: a form file may nest controls in any container.
    void PlaceIn(const std::shared_ptr<VBControl>& parent) { mContainer = parent; }

    const PropertyBag& Bag() const { return mProperties; }
    PropertyBag& Bag() { return mProperties; }

    bool HasProperty(std::string_view name) const override;
    vb::Variant PropertyValue(std::string_view name) const override;
    void SetPropertyValue(std::string_view name, const vb::Variant& value) override;

  private:
    std::shared_ptr<FormDesigner> Designer() const;

    std::string mClassName;
    std::string mName;
    std::weak_ptr<FormDesigner> mDesigner;
    std::weak_ptr<VBControl> mContainer;
    ChangeCounterPtr mChanges;
    PropertyBag mProperties;
};

}  // namespace vbide
