#pragma once
// Project groups on disk as the VB IDE keeps them: a group file (.vbg) naming its projects, each project
// file (.vbp) naming its type, name, start-up object, references, ActiveX libraries and component files.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ide/VBE.h"

namespace vbide {

// `folder` / `name`: the only way a file or folder name taken from a model or a project joins a path. The
// name must be one plain name (not empty, not "." or "..", no "/" or "\\") and the path must lie inside
// `folder`; otherwise 52, naming both, before anything is written.
std::filesystem::path PathInside(const std::filesystem::path& folder, const std::string& name);

// Lays the group out as <folder>/<group>.vbg with one folder <folder>/<project> per project, holding
// <project>.vbp and one file per component named after it. A file on disk that the open group does not
// list is never written over: 58 naming it, before anything is written; nor is a read-only file: 70. The
// files are saved as one (FileBatch): a failure leaves the old files. Saved projects and components take
// their new file names. Returns what the FileBatch's recovery of a stopped save kept (its Kept()).
std::vector<std::string> SaveProjectGroup(VBE& vbe, const std::filesystem::path& groupFile);

// Reads a group file with its projects and components; they replace the IDE's projects. A missing file
// raises 53, malformed or truncated text 321, naming the file and the line; the IDE is unchanged then. A
// save of the group's folder that was interrupted is finished first; returns RecoverInterruptedSave's
// messages.
std::vector<std::string> OpenProjectGroup(VBE& vbe, const std::filesystem::path& groupFile);

}  // namespace vbide
