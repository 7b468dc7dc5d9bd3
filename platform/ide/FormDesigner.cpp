#include "platform/ide/FormDesigner.h"

#include <algorithm>
#include <string>

#include "platform/ide/IdeErrors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {

std::shared_ptr<VBControl> VBControls::Add(std::string_view progId) {
    const ControlClass* controlClass = ControlClassForProgId(progId);
    if (controlClass == nullptr) {
        throw vb::Error(vb::kCannotCreateObject, "Invalid class string: " + std::string(progId), "vbide");
    }
    std::string name;
    for (int number = 1;; ++number) {
        name = std::string(controlClass->baseName) + std::to_string(number);
        if (std::none_of(mControls.begin(), mControls.end(),
                         [&](const auto& control) { return vb::TextEquals(control->Name(), name); })) {
            break;
        }
    }
    auto control = std::make_shared<VBControl>(std::string(controlClass->className), name,
                                               mDesigner.weak_from_this(), mDesigner.Changes());
    if (!controlClass->textProperty.empty())
        control->Bag().SetValue(controlClass->textProperty, name);
    if (controlClass->library != nullptr)
        mDesigner.AddObjectLibrary(*controlClass->library);
    mControls.push_back(control);
    mDesigner.Changes()->Bump();
    return control;
}

std::shared_ptr<VBControl> VBControls::Item(std::string_view name) const {
    for (const auto& control : mControls) {
        if (vb::TextEquals(control->Name(), name))
            return control;
    }
    vb::Raise(vb::kSubscriptOutOfRange);
}

std::shared_ptr<VBControl> VBControls::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mControls[static_cast<size_t>(index - 1)];
}

void VBControls::Append(std::shared_ptr<VBControl> control) {
    mControls.push_back(std::move(control));
}

FormDesigner::FormDesigner(ChangeCounterPtr changes)
    : mChanges(std::move(changes)), mFormProperties(PropertiesOfClass(kFormClass)) {}

void FormDesigner::AddObjectLibrary(const ObjectLibrary& library) {
    if (std::find(mLibraries.begin(), mLibraries.end(), library) == mLibraries.end())
        mLibraries.push_back(library);
}

void FormDesigner::CheckNameFree(const VBControl* control, std::string_view name,
                                 std::optional<int16_t> index, std::string_view className) const {
    for (const auto& other : mControls) {
        if (other.get() == control || !vb::TextEquals(other->Name(), name))
            continue;
        const bool arrayMembers = index && other->Index() && *index != *other->Index() &&
                                  vb::TextEquals(other->ClassName(), className);
        if (!arrayMembers)
            RaiseNameTaken(name);
    }
}

}  // namespace vbide
