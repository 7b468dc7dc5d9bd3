#include "platform/ide/References.h"

#include <algorithm>

#include "platform/ide/KnownLibraries.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr std::string_view kLibraryPrefix = "*\\G";
constexpr std::string_view kProjectPrefix = "*\\A";

std::string IdentityOf(std::string_view text) {
    if (text.starts_with(kLibraryPrefix))
        return vb::FoldCase(text.substr(kLibraryPrefix.size(), text.find('#') - kLibraryPrefix.size()));
    return vb::FoldCase(text);
}

std::string ProjectReferenceText(std::string_view projectName) {
    return std::string(kProjectPrefix) + "..\\" + std::string(projectName) + "\\" + std::string(projectName) +
           ".vbp";
}

std::string LibraryReferenceText(std::string_view guid) {
    return std::string(kLibraryPrefix) + std::string(guid);
}

}  // namespace

Reference::Reference(std::string text) : mText(std::move(text)), mIdentity(IdentityOf(mText)) {}

void References::AddFromGuid(std::string_view guid, int16_t major, int16_t minor) {
    const KnownLibrary* library = KnownLibraryWithGuid(guid);
    if (!library)
        vb::Raise(vb::kInvalidProcedureCall);
    Add(Reference(LibraryReferenceText(library->guid) + "#" + std::to_string(major) + "." +
                  std::to_string(minor) + "#0#" + std::string(library->path) + "#" +
                  std::string(library->description)));
}

void References::AddFromProject(std::string_view projectName) {
    Add(Reference(ProjectReferenceText(projectName)));
}

bool References::ContainsLibrary(std::string_view guid) const {
    return Contains(Reference(LibraryReferenceText(guid)));
}

bool References::ContainsProject(std::string_view projectName) const {
    return Contains(Reference(ProjectReferenceText(projectName)));
}

void References::AddAsRead(std::string text) {
    mItems.emplace_back(std::move(text));
}

void References::Add(Reference reference) {
    if (Contains(reference)) {
        throw vb::Error(kReferenceConflict, "Name conflicts with existing module, project, or object library",
                        "vbide");
    }
    mItems.push_back(std::move(reference));
}

bool References::Contains(const Reference& reference) const {
    return std::any_of(mItems.begin(), mItems.end(),
                       [&](const Reference& item) { return item.Identity() == reference.Identity(); });
}

}  // namespace vbide
