#include "platform/ide/VBProject.h"

#include <algorithm>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

std::string_view BaseNameOf(int32_t kind) {
    switch (kind) {
        case vbext_ct_StdModule:
            return "Module";
        case vbext_ct_ClassModule:
            return "Class";
        case vbext_ct_VBForm:
            return "Form";
        default:
            vb::Raise(vb::kInvalidProcedureCall);
    }
}

// What the IDE puts into a component it creates: its header attributes, a class's instancing and a
// form's size and caption.
void GiveNewComponentDefaults(VBComponent& component, bool publicClasses) {
    switch (component.Type()) {
        case vbext_ct_VBForm: {
            component.Attributes() = {{"VB_GlobalNameSpace", "False"},
                                      {"VB_Creatable", "False"},
                                      {"VB_PredeclaredId", "True"},
                                      {"VB_Exposed", "False"}};
            PropertyBag& form = component.Designer()->FormProperties();
            form.SetValue("Caption", component.Name());
            form.SetValue("ClientHeight", int32_t{3195});
            form.SetValue("ClientLeft", int32_t{60});
            form.SetValue("ClientTop", int32_t{345});
            form.SetValue("ClientWidth", int32_t{4680});
            form.SetValue("LinkTopic", component.Name());
            form.SetValue("ScaleHeight", int32_t{3195});
            form.SetValue("ScaleWidth", int32_t{4680});
            form.SetValue("StartUpPosition", int32_t{3});
            break;
        }
        case vbext_ct_ClassModule:
            component.ClassHeader().SetValue("MultiUse", true);
            component.Attributes() = {{"VB_GlobalNameSpace", "False"},
                                      {"VB_Creatable", "True"},
                                      {"VB_PredeclaredId", "False"},
                                      {"VB_Exposed", publicClasses ? "True" : "False"}};
            break;
        case vbext_ct_StdModule:
            break;
    }
}

}  // namespace

std::shared_ptr<VBComponent> VBComponents::Item(std::string_view name) const {
    auto component = Find(name);
    if (!component)
        vb::Raise(vb::kSubscriptOutOfRange);
    return component;
}

std::shared_ptr<VBComponent> VBComponents::Find(std::string_view name) const {
    const auto found = mByName.find(vb::FoldCase(name));
    return found == mByName.end() ? nullptr : found->second;
}

std::shared_ptr<VBComponent> VBComponents::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mComponents[static_cast<size_t>(index - 1)];
}

std::shared_ptr<VBComponent> VBComponents::Add(int32_t kind) {
    const std::string_view base = BaseNameOf(kind);
    std::string name;
    for (int number = 1;; ++number) {
        name = std::string(base) + std::to_string(number);
        if (!Find(name))
            break;
    }
    auto component =
        std::make_shared<VBComponent>(static_cast<vbext_ComponentType>(kind), name, mProject.Changes());
    GiveNewComponentDefaults(*component, mProject.Type() != vbext_pt_StandardExe);
    return Adopt(std::move(component));
}

std::shared_ptr<VBComponent> VBComponents::Import(const std::filesystem::path& file) {
    return Import(ReadComponentFile(file, mProject.Changes()));
}

std::shared_ptr<VBComponent> VBComponents::Import(std::shared_ptr<VBComponent> component) {
    CheckNameFree(nullptr, component->Name());
    component->SetFileName({});
    return Adopt(std::move(component));
}

void VBComponents::Remove(const std::shared_ptr<VBComponent>& component) {
    const auto found = std::find(mComponents.begin(), mComponents.end(), component);
    if (found == mComponents.end())
        vb::Raise(vb::kInvalidProcedureCall);
    mComponents.erase(found);
    if (const auto indexed = mByName.find(vb::FoldCase(component->Name()));
        indexed != mByName.end() && indexed->second == component) {
        mByName.erase(indexed);
    }
    component->SetProject({});
    if (auto vbe = mProject.VBE())
        vbe->Windows().CloseAllOf(component.get());
    mProject.Changes()->Bump();
}

void VBComponents::CheckNameFree(const VBComponent* component, std::string_view name) const {
    const auto other = Find(name);
    if (other && other.get() != component)
        RaiseNameTaken(name);
}

void VBComponents::Append(std::shared_ptr<VBComponent> component) {
    component->SetProject(mProject.weak_from_this());
    mByName.emplace(vb::FoldCase(component->Name()), component);
    mComponents.push_back(std::move(component));
}

void VBComponents::Renamed(const VBComponent& component, std::string_view oldName) {
    const auto found = mByName.find(vb::FoldCase(oldName));
    if (found == mByName.end() || found->second.get() != &component)
        return;
    auto entry = mByName.extract(found);
    entry.key() = vb::FoldCase(component.Name());
    mByName.insert(std::move(entry));
}

std::shared_ptr<VBComponent> VBComponents::Adopt(std::shared_ptr<VBComponent> component) {
    Append(component);
    if (auto vbe = mProject.VBE())
        vbe->Windows().OpenFor(component);
    mProject.Changes()->Bump();
    return component;
}

VBProject::VBProject(vbext_ProjectType type, std::string name, ChangeCounterPtr changes)
    : mType(type), mName(std::move(name)), mChanges(std::move(changes)) {}

void VBProject::SetName(std::string_view name) {
    CheckName(name);
    if (auto vbe = VBE()) {
        for (const auto& other : vbe->VBProjects()) {
            if (other.get() != this && vb::TextEquals(other->Name(), name))
                RaiseNameTaken(name);
        }
    }
    mName = name;
    mChanges->Bump();
}

}  // namespace vbide
