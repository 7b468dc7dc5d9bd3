#include "platform/ide/FormDesigner.h"

#include <algorithm>
#include <string>

#include "platform/ide/IdeErrors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {

namespace {

const ControlClass& ClassForProgId(std::string_view progId) {
    const ControlClass* controlClass = ControlClassForProgId(progId);
    if (controlClass == nullptr) {
        throw vb::Error(vb::kCannotCreateObject, "Invalid class string: " + std::string(progId), "vbide");
    }
    return *controlClass;
}

}  // namespace

std::string VBControls::FreeName(const ControlClass& controlClass) const {
    std::string name;
    for (int number = 1;; ++number) {
        name = std::string(controlClass.baseName) + std::to_string(number);
        if (Named(name) == nullptr)
            return name;
    }
}

std::shared_ptr<VBControl> VBControls::Place(const ControlClass& controlClass, std::string name,
                                             const std::string& text) {
    auto control =
        std::make_shared<VBControl>(std::string(controlClass.className), std::move(name),
                                    mDesigner.weak_from_this(), mDesigner.Changes(), controlClass.properties);
    if (!controlClass.textProperty.empty())
        control->Bag().SetValue(controlClass.textProperty, text);
    if (controlClass.library != nullptr)
        mDesigner.AddObjectLibrary(*controlClass.library);
    Append(control);
    mDesigner.Changes()->Bump();
    return control;
}

std::shared_ptr<VBControl> VBControls::Add(std::string_view progId) {
    const ControlClass& controlClass = ClassForProgId(progId);
    const std::string name = FreeName(controlClass);
    return Place(controlClass, name, name);
}

std::shared_ptr<VBControl> VBControls::Add(std::string_view progId, std::string_view name) {
    const ControlClass& controlClass = ClassForProgId(progId);
    const std::string freeName = FreeName(controlClass);
    try {
        CheckName(name);
        mDesigner.CheckNameFree(nullptr, name, std::nullopt, controlClass.className);
    } catch (...) {
        Place(controlClass, freeName, freeName);
        throw;
    }
    return Place(controlClass, std::string(name), freeName);
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

void FormDesigner::CopyFrom(const FormDesigner& other) {
    mFormProperties = other.mFormProperties;
    mLibraries = other.mLibraries;
    std::unordered_map<const VBControl*, std::shared_ptr<VBControl>> copies;
    copies.reserve(other.mControls.Count());
    for (const auto& control : other.mControls) {
        auto copy = std::make_shared<VBControl>(control->ClassName(), control->Name(), weak_from_this(),
                                                mChanges, std::span<const PropertySpec>());
        copy->Bag() = control->Bag();
        copies.emplace(control.get(), copy);
        mControls.Append(std::move(copy));
    }
    // A container may come after what it holds once a control has been moved into a later frame.
    for (const auto& control : other.mControls) {
        if (const auto container = control->Container())
            copies.at(control.get())->PlaceIn(copies.at(container.get()));
    }
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
