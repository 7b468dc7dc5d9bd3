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
std::filesystem::path ResolvedPath(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::filesystem::path key = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : key;
}

}  // namespace

FileKey FileKeys::Of(const std::filesystem::path& file, bool link) {
    const std::filesystem::path name = file.filename();
    if (link || name.empty() || name == "." || name == "..")
        return {ResolvedPath(file).native()};
    const std::filesystem::path folder = file.parent_path();
    auto found = mFolderKeys.find(folder.native());
    if (found == mFolderKeys.end())
        found = mFolderKeys.emplace(folder.native(), ResolvedPath(folder.empty() ? "." : folder)).first;
    return {(found->second / name).native()};
}

bool VBE::ListsFile(const FileKey& file) const {
    return mListedFiles.contains(file.text);
}

std::optional<vb::FileStamp> VBE::ListedStamp(const FileKey& file) const {
    const auto found = mListedFiles.find(file.text);
    return found == mListedFiles.end() ? std::nullopt : found->second.stamp;
}

std::optional<KeptBeside> VBE::ListedKeptBeside(const FileKey& file) const {
    const auto found = mListedFiles.find(file.text);
    return found == mListedFiles.end() ? std::nullopt : found->second.kept;
}

void VBE::SetListedFiles(const std::vector<ListedFile>& files) {
    mListedFiles.clear();
    FileKeys keys;
    for (const ListedFile& listed : files)
        mListedFiles.insert_or_assign(keys.Of(listed.path, listed.stamp && listed.stamp->link).text,
                                      ListedState{listed.stamp, listed.kept});
    mKeptBesideCount =
        static_cast<size_t>(std::count_if(mListedFiles.begin(), mListedFiles.end(),
                                          [](const auto& listed) { return listed.second.kept.has_value(); }));
}

void VBE::RestampListedFile(const std::filesystem::path& file) {
    const std::optional<vb::FileStamp> stamp = vb::OwnStampOf(file);
    const auto found = mListedFiles.find(FileKeys().Of(file, stamp && stamp->link).text);
    if (found == mListedFiles.end())
        return;
    mKeptBesideCount -= found->second.kept ? 1 : 0;
    found->second = {stamp, std::nullopt};
}

}  // namespace vbide
