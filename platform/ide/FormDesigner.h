#pragma once
// The designer of a form component: its controls, its menus, its own properties and the ActiveX
// libraries its controls come from.
//
// Members used by the add-in: VBControls.Add(progId) for the classes of ControlClasses.h (429 for any
// other ProgID), VBControls.Item(name) (9 when missing).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/ControlClasses.h"
#include "platform/ide/Properties.h"
#include "platform/ide/VBControl.h"

namespace vbide {

class FormDesigner;

// The controls of a form in their order on it (a container before what it holds, as in the form file),
// found by name through their folded names.
class VBControls {
  public:
    explicit VBControls(FormDesigner& designer) : mDesigner(designer) {}

    // Places a control of the ProgID at the form's top level, named after its class ("Text1", "Text2").
    std::shared_ptr<VBControl> Add(std::string_view progId);
    // Add(progId) and the new control renamed `name`, in one step: its text property keeps the name Add
    // gave it. A name the control cannot take raises 380 or 457 after the control was placed under that
    // name, as a refused rename leaves it.
    std::shared_ptr<VBControl> Add(std::string_view progId, std::string_view name);
    std::shared_ptr<VBControl> Item(std::string_view name) const;
    std::shared_ptr<VBControl> Item(int32_t index) const;  // from 1
    int32_t Count() const { return static_cast<int32_t>(mControls.size()); }

    auto begin() const { return mControls.begin(); }
    auto end() const { return mControls.end(); }

    // The file reader's way in: a control read from a form file, its name and index already checked.
    void Append(std::shared_ptr<VBControl> control);
    // A control of the form has taken its new name in place of `oldName`.
    void Renamed(const VBControl& control, std::string_view oldName);

  private:
    friend class FormDesigner;
    // A control and its place among the form's controls (controls are only ever added at the end).
    struct Placed {
        size_t place;
        std::shared_ptr<VBControl> control;
    };
    // The controls of that name in any letter case, in their order on the form; null when there is none.
    const std::vector<Placed>* Named(std::string_view name) const;
    void Index(Placed placed);
    // The class's base name and the first number that makes it a name no control has.
    std::string FreeName(const ControlClass& controlClass) const;
    // Puts a new control of the class on the form; its text property, if the class has one, holds `text`.
    std::shared_ptr<VBControl> Place(const ControlClass& controlClass, std::string name,
                                     const std::string& text);

    FormDesigner& mDesigner;
    std::vector<std::shared_ptr<VBControl>> mControls;
    // A control array's members share one name.
    std::unordered_map<std::string, std::vector<Placed>> mByName;
};

class FormDesigner : public vb::Object, public std::enable_shared_from_this<FormDesigner> {
  public:
    explicit FormDesigner(ChangeCounterPtr changes);

    vbide::VBControls& VBControls() { return mControls; }
    const vbide::VBControls& VBControls() const { return mControls; }

    // The properties of the form itself ("Caption", "StartUpPosition", ...).
    const PropertyBag& FormProperties() const { return mFormProperties; }
    PropertyBag& FormProperties() { return mFormProperties; }

    const std::vector<ObjectLibrary>& ObjectLibraries() const { return mLibraries; }
    void AddObjectLibrary(const ObjectLibrary& library);

    // 457 unless `name` is free for `control` (null for a new control) with `index` and `className`.
    void CheckNameFree(const VBControl* control, std::string_view name, std::optional<int16_t> index,
                       std::string_view className) const;

    const ChangeCounterPtr& Changes() const { return mChanges; }

    // Takes copies of the properties, libraries and controls of `other` into this empty designer, each
    // control in a copy of its container.
    void CopyFrom(const FormDesigner& other);

  private:
    ChangeCounterPtr mChanges;
    PropertyBag mFormProperties;
    vbide::VBControls mControls{*this};
    std::vector<ObjectLibrary> mLibraries;
};

}  // namespace vbide
