#include "platform/ide/VBComponent.h"

#include <utility>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/VBProject.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr std::string_view kName = "Name";

}  // namespace

VBComponent::VBComponent(vbext_ComponentType type, std::string name, ChangeCounterPtr changes)
    : mType(type),
      mName(std::move(name)),
      mChanges(std::move(changes)),
      mCode(std::make_shared<vbide::CodeModule>(mChanges)),
      mClassHeader(ClassHeaderProperties()) {
    if (type == vbext_ct_VBForm)
        mDesigner = std::make_shared<FormDesigner>(mChanges);
}

void VBComponent::SetName(std::string_view name) {
    CheckName(name);
    const auto project = Project();
    if (project)
        project->VBComponents().CheckNameFree(this, name);
    const std::string oldName = std::exchange(mName, std::string(name));
    if (project)
        project->VBComponents().Renamed(*this, oldName);
    mChanges->Bump();
}

std::string VBComponent::FileNames(int16_t index) const {
    if (index != 1)
        vb::Raise(vb::kSubscriptOutOfRange);
    return mFileName;
}

void VBComponent::SaveAs(const std::filesystem::path& path) {
    SetFileName(path, WriteComponentFile(*this, path));
    mChanges->Bump();
}

std::shared_ptr<VBComponent> VBComponent::Copy(ChangeCounterPtr changes) const {
    auto copy = std::make_shared<VBComponent>(mType, mName, std::move(changes));
    copy->mCode->SetAllLines(mCode->AllLines());
    if (mDesigner)
        copy->mDesigner->CopyFrom(*mDesigner);
    copy->mClassHeader = mClassHeader;
    copy->mAttributes = mAttributes;
    copy->mFileName = mFileName;
    copy->mLinesBeforeCode = mLinesBeforeCode;
    return copy;
}

std::shared_ptr<Property> VBComponent::Properties(std::string_view name) {
    return PropertyOf(shared_from_this(), name);
}

PropertyBag* VBComponent::OwnProperties() {
    if (mDesigner)
        return &mDesigner->FormProperties();
    if (mType == vbext_ct_ClassModule)
        return &mClassHeader;
    return nullptr;
}

const PropertyBag* VBComponent::OwnProperties() const {
    return const_cast<VBComponent*>(this)->OwnProperties();
}

bool VBComponent::HasProperty(std::string_view name) const {
    const PropertyBag* own = OwnProperties();
    return vb::TextEquals(name, kName) || (own != nullptr && own->Has(name));
}

vb::Variant VBComponent::PropertyValue(std::string_view name) const {
    if (vb::TextEquals(name, kName))
        return mName;
    const PropertyBag* own = OwnProperties();
    if (own == nullptr)
        vb::Raise(vb::kNoSuchMember);
    return own->Value(name);
}

void VBComponent::SetPropertyValue(std::string_view name, const vb::Variant& value) {
    if (vb::TextEquals(name, kName)) {
        SetName(value.ToString());
        return;
    }
    PropertyBag* own = OwnProperties();
    if (own == nullptr)
        vb::Raise(vb::kNoSuchMember);
    own->SetValue(name, value);
    mChanges->Bump();
}

}  // namespace vbide
