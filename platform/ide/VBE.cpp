#include "platform/ide/VBE.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/ide/KnownLibraries.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace vbide {

std::shared_ptr<VBProject> VBProjects::Item(int32_t index) const {
    if (index < 1 || index > Count())
        vb::Raise(vb::kSubscriptOutOfRange);
    return mProjects[static_cast<size_t>(index - 1)];
}

std::shared_ptr<VBProject> VBProjects::Add(int32_t type) {
    if (type < vbext_pt_StandardExe || type > vbext_pt_ActiveXDll)
        vb::Raise(vb::kInvalidProcedureCall);
    std::string name;
    for (int number = 1;; ++number) {
        name = "Project" + std::to_string(number);
        if (std::none_of(mProjects.begin(), mProjects.end(),
                         [&](const auto& project) { return vb::TextEquals(project->Name(), name); })) {
            break;
        }
    }
    auto project = std::make_shared<VBProject>(static_cast<vbext_ProjectType>(type), name, mVBE.Changes());
    project->SetVBE(mVBE.weak_from_this());
    // Every new project refers to OLE Automation.
    const KnownLibrary& standardOle = *KnownLibraryNamed("stdole");
    project->References().AddFromGuid(standardOle.guid, standardOle.major, standardOle.minor);
    mProjects.push_back(project);
    project->VBComponents().Add(type == vbext_pt_StandardExe ? vbext_ct_VBForm : vbext_ct_ClassModule);
    return project;
}

std::shared_ptr<VBProject> VBProjects::StartProject() const {
    if (auto start = mStart.lock())
        return start;
    return mProjects.empty() ? nullptr : mProjects.front();
}

void VBProjects::SetStartProject(const std::shared_ptr<VBProject>& project) {
    if (std::find(mProjects.begin(), mProjects.end(), project) == mProjects.end()) {
        vb::Raise(vb::kInvalidProcedureCall);
    }
    mStart = project;
    mVBE.Changes()->Bump();
}

void VBProjects::ReplaceAll(std::vector<std::shared_ptr<VBProject>> projects,
                            std::shared_ptr<VBProject> start) {
    for (const auto& project : mProjects) {
        for (const auto& component : project->VBComponents())
            mVBE.Windows().CloseAllOf(component.get());
        project->SetVBE({});
    }
    mProjects = std::move(projects);
    for (const auto& project : mProjects)
        project->SetVBE(mVBE.weak_from_this());
    mStart = start;
    mVBE.SetListedFiles({});
    mVBE.Changes()->Bump();
}

VBE::VBE() = default;

namespace {

// One spelling per file: absolute, links and "." and ".." resolved as far as the path exists.
std::filesystem::path FileKey(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::filesystem::path key = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : key;
}

}  // namespace

bool VBE::ListsFile(const std::filesystem::path& file) const {
    return mListedFiles.contains(FileKey(file));
}

void VBE::SetListedFiles(const std::vector<std::filesystem::path>& files) {
    mListedFiles.clear();
    for (const auto& file : files)
        mListedFiles.insert(FileKey(file));
}

}  // namespace vbide
