#pragma once
// The designer of a form component: its controls, its menus, its own properties and the ActiveX
// libraries its controls come from.
//
// Members used by the add-in: VBControls.Add(progId) for the classes of ControlClasses.h (429 for any
// other ProgID), VBControls.Item(name) (9 when missing).

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/ControlClasses.h"
#include "platform/ide/Properties.h"
#include "platform/ide/VBControl.h"

namespace vbide {

class FormDesigner;

// The controls of a form in their order on it (a container before what it holds, as in the form file).
class VBControls {
  public:
    explicit VBControls(FormDesigner& designer) : mDesigner(designer) {}

    // Places a control of the ProgID at the form's top level, named after its class ("Text1", "Text2").
    std::shared_ptr<VBControl> Add(std::string_view progId);
    std::shared_ptr<VBControl> Item(std::string_view name) const;
    std::shared_ptr<VBControl> Item(int32_t index) const;  // from 1
    int32_t Count() const { return static_cast<int32_t>(mControls.size()); }

    auto begin() const { return mControls.begin(); }
    auto end() const { return mControls.end(); }

    // The file reader's way in: a control read from a form file, its name and index already checked.
    void Append(std::shared_ptr<VBControl> control);

  private:
    FormDesigner& mDesigner;
    std::vector<std::shared_ptr<VBControl>> mControls;
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

  private:
    ChangeCounterPtr mChanges;
    PropertyBag mFormProperties;
    vbide::VBControls mControls{*this};
    std::vector<ObjectLibrary> mLibraries;
};

}  // namespace vbide
