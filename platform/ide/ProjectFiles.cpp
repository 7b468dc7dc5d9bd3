#include "platform/ide/ProjectFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <unordered_set>
#include <vector>

#include "platform/ide/ComponentFiles.h"
#include "platform/ide/FileBatch.h"
#include "platform/ide/FileSystemError.h"
#include "platform/ide/IdeErrors.h"
#include "platform/ide/TextFile.h"
#include "platform/vb/Error.h"
#include "platform/vb/FileStamp.h"
#include "platform/vb/Text.h"

namespace vbide {
namespace {

struct ProjectTypeName {
    vbext_ProjectType type;
    std::string_view name;
};
constexpr ProjectTypeName kProjectTypes[] = {
    {vbext_pt_StandardExe, "Exe"}, {vbext_pt_ActiveXExe, "OleExe"}, {vbext_pt_ActiveXDll, "OleDll"}};

struct ComponentLine {
    std::string_view key;
    vbext_ComponentType type;
};
constexpr ComponentLine kComponentLines[] = {
    {"Form", vbext_ct_VBForm}, {"Module", vbext_ct_StdModule}, {"Class", vbext_ct_ClassModule}};

std::string_view KeyOf(vbext_ComponentType type) {
    for (const ComponentLine& line : kComponentLines) {
        if (line.type == type)
            return line.key;
    }
    return {};
}

std::string_view TypeName(vbext_ProjectType type) {
    for (const ProjectTypeName& entry : kProjectTypes) {
        if (entry.type == type)
            return entry.name;
    }
    return kProjectTypes[0].name;
}

// A path as the project file writes it (Windows separators) made a path of this system.
std::filesystem::path PathFromFile(const std::filesystem::path& folder, std::string_view text) {
    return folder / vb::Replace(text, "\\", "/");
}

std::string StartupOf(const VBProject& project) {
    if (!project.Startup().empty())
        return project.Startup();
    if (project.Type() != vbext_pt_StandardExe)
        return "(None)";
    for (const auto& component : project.VBComponents()) {
        if (component->Type() == vbext_ct_VBForm)
            return component->Name();
    }
    return "Sub Main";
}

// The project's libraries, then those of its forms that it does not list yet.
std::vector<ObjectLibrary> LibrariesOf(const VBProject& project) {
    std::vector<ObjectLibrary> libraries = project.ObjectLibraries();
    for (const auto& component : project.VBComponents()) {
        if (!component->Designer())
            continue;
        for (const ObjectLibrary& library : component->Designer()->ObjectLibraries()) {
            if (std::find(libraries.begin(), libraries.end(), library) == libraries.end()) {
                libraries.push_back(library);
            }
        }
    }
    return libraries;
}

void CreateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // A file where a folder of the path goes: the path is not found, as for a file's own save.
    if (error)
        throw FileSystemError(error.value() == ENOTDIR ? vb::kPathNotFound : vb::kPathFileAccess, folder,
                              error.value());
}

// Where a group's files go: the group file, then per project its folder, its project file and one file
// per component named after it (made when needed: a large application has thousands).
struct ProjectLayout {
    std::shared_ptr<VBProject> project;
    std::filesystem::path folder;
    std::filesystem::path file;
};

std::string ComponentFileName(const VBComponent& component) {
    return component.Name() + std::string(FileExtensionOf(component.Type()));
}

std::filesystem::path ComponentFile(const ProjectLayout& project, const VBComponent& component) {
    return PathInside(project.folder, ComponentFileName(component));
}

std::vector<ProjectLayout> LayOut(const VBE& vbe, const std::filesystem::path& folder) {
    std::vector<ProjectLayout> layout;
    for (const auto& project : vbe.VBProjects()) {
        ProjectLayout& entry = layout.emplace_back();
        entry.project = project;
        entry.folder = PathInside(folder, project->Name());
        entry.file = PathInside(entry.folder, project->Name() + ".vbp");
    }
    return layout;
}

// A file on disk that the open group does not list is someone's work that a save must not write over, and
// one made read-only is kept from being written, as the VB IDE refuses to save over it; a link would be
// replaced by the file, its target left behind.
void RequireSavable(const VBE& vbe, FileKeys& keys, const std::filesystem::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0)
        return;
    if (!vbe.ListsFile(keys.Of(file, S_ISLNK(status.st_mode)))) {
        throw vb::Error(vb::kFileAlreadyExists,
                        file.string() +
                            " is not part of the project group, and saving would write over it. Nothing has "
                            "been saved; move the file away or open the group that lists it.",
                        "vbide");
    }
    if (S_ISLNK(status.st_mode)) {
        std::error_code error;
        throw vb::Error(
            vb::kPathFileAccess,
            file.string() + " is a link to " + std::filesystem::read_symlink(file, error).string() +
                ", and saving would put a file in its place. Nothing has been saved; put the file "
                "itself there, or move the link away.",
            "vbide");
    }
    // Root may write any file: the file's own write bits tell what its owner meant. A file system mounted
    // read-only is no file's doing.
    const bool writable = ::access(file.c_str(), W_OK) == 0;
    if (!writable && errno == EROFS)
        throw FileSystemError(vb::kPermissionDenied, file, EROFS);
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || !writable) {
        throw vb::Error(vb::kPermissionDenied,
                        file.string() +
                            " is read-only, and saving would write over it. Nothing has been saved; make the "
                            "file writable to let it be saved, or move it away.",
                        "vbide");
    }
}

void WriteProjectFile(TextWriter& out, const VBProject& project) {
    out.Line("Type=" + std::string(TypeName(project.Type())));
    for (const Reference& reference : project.References())
        out.Line("Reference=" + reference.Text());
    for (const ObjectLibrary& library : LibrariesOf(project)) {
        out.Line("Object=" + library.typeLibrary + "; " + library.fileName);
    }
    for (const auto& component : project.VBComponents()) {
        const std::string fileName = ComponentFileName(*component);
        const std::string key(KeyOf(component->Type()));
        out.Line(component->Type() == vbext_ct_VBForm ? key + "=" + fileName
                                                      : key + "=" + component->Name() + "; " + fileName);
    }
    out.Line("Startup=" + QuotedText(StartupOf(project)));
    out.Line("Name=" + QuotedText(project.Name()));
    for (const std::string& line : project.OtherLines())
        out.Line(line);
}

// The file that the line last read names (a path as the project file writes it, relative to its folder),
// which must exist (a link to a file will do), noted in `listed` with its stamp, taken before it is read:
// a save keeps a file changed since. 53 naming it and the line, or 321 when the file ends inside that line.
std::filesystem::path ListedFileNamed(const TextReader& in, std::string_view text,
                                      std::vector<ListedFile>& listed) {
    const std::filesystem::path file = PathFromFile(in.File().parent_path(), text);
    const std::optional<vb::FileStamp> stamp = vb::OwnStampOf(file);
    std::error_code error;
    if (stamp && (stamp->regular || (stamp->link && std::filesystem::is_regular_file(file, error)))) {
        listed.push_back({file.native(), stamp});
        return file;
    }
    in.RequireLineEnd();
    throw vb::Error(vb::kFileNotFound,
                    "File not found: " + file.string() + " (" + in.File().string() + ", line " +
                        std::to_string(in.LineNumber()) + ")",
                    "vbide");
}

std::shared_ptr<VBComponent> ReadProjectComponent(const TextReader& in, vbext_ComponentType type,
                                                  std::string_view value, const ChangeCounterPtr& changes,
                                                  std::vector<ListedFile>& listed) {
    const size_t separator = value.find(';');
    const std::string_view fileText = TrimBlanks(
        type == vbext_ct_VBForm || separator == std::string_view::npos ? value : value.substr(separator + 1));
    auto component = ReadComponentFile(ListedFileNamed(in, fileText, listed), changes);
    if (component->Type() != type)
        RaiseFileFormat(in.File(), in.LineNumber(), "the file is not a " + std::string(KeyOf(type)));
    return component;
}

std::shared_ptr<VBProject> ReadProject(const std::filesystem::path& file, const ChangeCounterPtr& changes,
                                       std::vector<ListedFile>& listed) {
    TextReader in(file);
    auto project = std::make_shared<VBProject>(vbext_pt_StandardExe, "", changes);
    std::vector<std::shared_ptr<VBComponent>> components;
    // The folded names of `components`, for the duplicate check.
    std::unordered_set<std::string> names;
    bool typed = false;
    bool named = false;
    bool inSection = false;
    while (!in.AtEnd()) {
        const std::string line = in.Next();
        if (TrimBlanks(line).empty())
            continue;
        inSection = inSection || line.starts_with("[");
        const size_t equals = line.find('=');
        if (inSection) {
            project->OtherLines().push_back(line);
            continue;
        }
        if (equals == std::string::npos)
            in.Fail("expected key=value");
        const std::string key(TrimBlanks(std::string_view(line).substr(0, equals)));
        const std::string value(TrimBlanks(std::string_view(line).substr(equals + 1)));
        const auto component = std::find_if(std::begin(kComponentLines), std::end(kComponentLines),
                                            [&](const ComponentLine& entry) { return entry.key == key; });
        if (key == "Type") {
            const auto type = std::find_if(std::begin(kProjectTypes), std::end(kProjectTypes),
                                           [&](const ProjectTypeName& entry) { return entry.name == value; });
            if (type == std::end(kProjectTypes))
                in.Fail("unknown project type " + value);
            project = std::make_shared<VBProject>(type->type, project->Name(), changes);
            typed = true;
        } else if (!typed) {
            in.Fail("the project file does not begin with Type=");
        } else if (key == "Reference") {
            project->References().AddAsRead(value);
        } else if (key == "Object") {
            const size_t separator = value.find(';');
            if (separator == std::string::npos)
                in.Fail("expected Object=library; file");
            project->ObjectLibraries().push_back(
                {std::string(TrimBlanks(std::string_view(value).substr(0, separator))),
                 std::string(TrimBlanks(std::string_view(value).substr(separator + 1)))});
        } else if (component != std::end(kComponentLines)) {
            auto read = ReadProjectComponent(in, component->type, value, changes, listed);
            if (!names.insert(vb::FoldCase(read->Name())).second)
                RaiseFileFormat(file, in.LineNumber(), "two components named " + read->Name());
            components.push_back(std::move(read));
        } else if (key == "Startup") {
            std::string startup;
            project->SetStartup(UnquoteText(value, startup) ? startup : value);
        } else if (key == "Name") {
            std::string name;
            if (!UnquoteText(value, name) || !IsValidName(name))
                in.Fail("invalid project name");
            project->SetName(name);
            named = true;
        } else {
            project->OtherLines().push_back(line);
        }
    }
    if (!typed || !named)
        RaiseFileFormat(file, std::max(in.LineNumber(), 1), "no Type or Name line");
    for (auto& component : components)
        project->VBComponents().Append(std::move(component));
    project->SetFileName(file);
    return project;
}

// Writes every file of the group into `batch`: per project its components, then its project file, and last
// the group file. Returns the lines above the code of each component in turn.
std::vector<int32_t> AddGroupFiles(FileBatch& batch, const VBE& vbe, FileKeys& keys,
                                   const std::vector<ProjectLayout>& layout,
                                   const std::filesystem::path& groupFile) {
    // A file there now was found no link by RequireSavable, or a recovery put a file in its place. One that
    // changed after it was read is kept beside again where the last save kept it, while that is as it left
    // it.
    const auto asRead = [&](const std::filesystem::path& file) {
        const FileKey key = keys.Of(file, false);
        if (const auto kept = vbe.ListedKeptBeside(key); kept && vb::OwnStampOf(kept->place) == kept->stamp)
            batch.KeepBesideAt(file, kept->place);
        return vbe.ListedStamp(key);
    };
    std::vector<int32_t> linesBeforeCode;
    for (const ProjectLayout& project : layout) {
        CreateFolder(project.folder);
        for (const auto& component : project.project->VBComponents()) {
            const std::filesystem::path file = ComponentFile(project, *component);
            batch.Add(file, asRead(file), [&](TextWriter& out) {
                linesBeforeCode.push_back(WriteComponentText(*component, out));
            });
        }
        batch.Add(project.file, asRead(project.file),
                  [&](TextWriter& out) { WriteProjectFile(out, *project.project); });
    }
    const std::shared_ptr<VBProject> start = vbe.VBProjects().StartProject();
    batch.Add(groupFile, asRead(groupFile), [&](TextWriter& out) {
        out.Line("VBGROUP 5.0");
        for (const ProjectLayout& project : layout) {
            const std::string& name = project.project->Name();
            out.Line((project.project == start ? "StartupProject=" : "Project=") + name + "\\" + name +
                     ".vbp");
        }
    });
    return linesBeforeCode;
}

// Reads the group file and what it names into the IDE.
void ReadGroup(VBE& vbe, const std::filesystem::path& groupFile) {
    std::vector<ListedFile> listed = {{groupFile.native(), vb::OwnStampOf(groupFile)}};
    TextReader in(groupFile);
    if (!in.Next().starts_with("VBGROUP "))
        in.Fail("not a project group file");
    std::vector<std::shared_ptr<VBProject>> projects;
    std::shared_ptr<VBProject> start;
    while (!in.AtEnd()) {
        const std::string line(TrimBlanks(in.Next()));
        if (line.empty())
            continue;
        const size_t equals = line.find('=');
        const std::string key = line.substr(0, equals == std::string::npos ? 0 : equals);
        if (key != "Project" && key != "StartupProject")
            in.Fail("expected Project= or StartupProject=");
        auto project =
            ReadProject(ListedFileNamed(in, line.substr(equals + 1), listed), vbe.Changes(), listed);
        for (const auto& other : projects) {
            if (vb::TextEquals(other->Name(), project->Name()))
                RaiseFileFormat(groupFile, in.LineNumber(), "two projects named " + project->Name());
        }
        if (key == "StartupProject")
            start = project;
        projects.push_back(std::move(project));
    }
    vbe.VBProjects().ReplaceAll(std::move(projects), std::move(start));
    vbe.SetListedFiles(listed);
}

}  // namespace

std::filesystem::path PathInside(const std::filesystem::path& folder, const std::string& name) {
    const std::filesystem::path path = folder / name;
    const std::filesystem::path inside =
        path.lexically_normal().lexically_relative(folder.lexically_normal());
    const bool plain =
        !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
    if (!plain || inside.empty() || inside.is_absolute() || *inside.begin() == "..") {
        throw vb::Error(vb::kBadFileNameOrNumber,
                        "\"" + name + "\" cannot name a file or folder in " + folder.string() +
                            ": it would lead out of the folder. Nothing has been written.",
                        "vbide");
    }
    return path;
}

std::vector<std::string> SaveProjectGroup(VBE& vbe, const std::filesystem::path& groupFile) {
    const std::filesystem::path folder =
        groupFile.parent_path().empty() ? std::filesystem::path(".") : groupFile.parent_path();
    const std::vector<ProjectLayout> layout = LayOut(vbe, folder);

    FileKeys keys;
    RequireSavable(vbe, keys, groupFile);
    for (const ProjectLayout& project : layout) {
        RequireSavable(vbe, keys, project.file);
        for (const auto& component : project.project->VBComponents())
            RequireSavable(vbe, keys, ComponentFile(project, *component));
    }

    CreateFolder(folder);
    FileBatch batch(folder);
    // What the recovery put in place or kept (and told of) is what this save follows: it writes over those
    // files, a kept one only when saved again.
    for (const std::filesystem::path& file : batch.RecoveredFiles())
        vbe.RestampListedFile(file);
    const std::vector<int32_t> linesBeforeCode = WithKeptMessages(batch.Kept(), [&] {
        std::vector<int32_t> lines = AddGroupFiles(batch, vbe, keys, layout, groupFile);
        batch.Commit();
        return lines;
    });

    auto lines = linesBeforeCode.begin();
    for (const ProjectLayout& project : layout) {
        for (const auto& component : project.project->VBComponents())
            component->SetFileName(ComponentFile(project, *component), *lines++);
        project.project->SetFileName(project.file);
    }
    // A file kept as the developer changed it stays as it was read: every later save keeps it too.
    std::vector<ListedFile> saved;
    saved.reserve(batch.Files().size());
    for (const std::string& file : batch.Files()) {
        const std::filesystem::path place = batch.KeptBesideAt(file);
        if (place.empty())
            saved.push_back({file, vb::OwnStampOf(file)});
        else
            saved.push_back(
                {file, vbe.ListedStamp(keys.Of(file, false)), KeptBeside{place, vb::OwnStampOf(place)}});
    }
    vbe.SetListedFiles(saved);
    return batch.Kept();
}

std::vector<std::string> OpenProjectGroup(VBE& vbe, const std::filesystem::path& groupFile) {
    std::vector<std::string> kept = RecoverInterruptedSave(
        groupFile.parent_path().empty() ? std::filesystem::path(".") : groupFile.parent_path());
    WithKeptMessages(kept, [&] { ReadGroup(vbe, groupFile); });
    return kept;
}

}  // namespace vbide
