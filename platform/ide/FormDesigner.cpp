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
        if (Named(name) == nullptr)
            break;
    }
    auto control = std::make_shared<VBControl>(std::string(controlClass->className), name,
                                               mDesigner.weak_from_this(), mDesigner.Changes());
    if (!controlClass->textProperty.empty())
        control->Bag().SetValue(controlClass->textProperty, name);
    if (controlClass->library != nullptr)
        mDesigner.AddObjectLibrary(*controlClass->library);
    Append(control);
    mDesigner.Changes()->Bump();
    return control;
}

std::shared_ptr<VBControl> VBControls::Item(std::string_view name) const {
    const auto* named = Named(name);
    if (named == nullptr)
        vb::Raise(vb::kSubscriptOutOfRange);
    return named->front().control;
}

std::shared_ptr<VBControl> VBControls::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mControls[static_cast<size_t>(index - 1)];
}

void VBControls::Append(std::shared_ptr<VBControl> control) {
    Index({mControls.size(), control});
    mControls.push_back(std::move(control));
}

void VBControls::Renamed(const VBControl& control, std::string_view oldName) {
    const auto found = mByName.find(vb::FoldCase(oldName));
    if (found == mByName.end())
        return;
    auto& named = found->second;
    const auto entry = std::find_if(named.begin(), named.end(),
                                    [&](const Placed& placed) { return placed.control.get() == &control; });
    if (entry == named.end())
        return;
    Placed placed = std::move(*entry);
    named.erase(entry);
    if (named.empty())
        mByName.erase(found);
    Index(std::move(placed));
}

const std::vector<VBControls::Placed>* VBControls::Named(std::string_view name) const {
    const auto found = mByName.find(vb::FoldCase(name));
    return found == mByName.end() ? nullptr : &found->second;
}

void VBControls::Index(Placed placed) {
    auto& named = mByName[vb::FoldCase(placed.control->Name())];
    const auto at = std::upper_bound(named.begin(), named.end(), placed.place,
                                     [](size_t place, const Placed& other) { return place < other.place; });
    named.insert(at, std::move(placed));
}

FormDesigner::FormDesigner(ChangeCounterPtr changes)
    : mChanges(std::move(changes)), mFormProperties(PropertiesOfClass(kFormClass)) {}

void FormDesigner::AddObjectLibrary(const ObjectLibrary& library) {
    if (std::find(mLibraries.begin(), mLibraries.end(), library) == mLibraries.end())
        mLibraries.push_back(library);
}

void FormDesigner::CheckNameFree(const VBControl* control, std::string_view name,
                                 std::optional<int16_t> index, std::string_view className) const {
    const auto* named = mControls.Named(name);
    if (named == nullptr)
        return;
    for (const VBControls::Placed& placed : *named) {
        const auto& other = placed.control;
        if (other.get() == control)
            continue;
        const bool arrayMembers = index && other->Index() && *index != *other->Index() &&
                                  vb::TextEquals(other->ClassName(), className);
        if (!arrayMembers)
            RaiseNameTaken(name);
    }
}

}  // namespace vbide
