#pragma once
// A project of the IDE's group and its components.
//
// Members used by the add-in: Name (read and write), Type, FileName, References, the start-up object,
// VBComponents with Item(name) (9 when
// missing; found through the folded name, not a scan), enumeration, Add(kind) (1 standard module, 2 class
// module, 5 form; 5 for other kinds), Import(file) (a .frm, .cls or .bas file; 457 when its name is taken)
// and Remove.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/ControlClasses.h"
#include "platform/ide/References.h"
#include "platform/ide/VBComponent.h"
#include "platform/vb/Object.h"

namespace vbide {

// The IDE's project types.
enum vbext_ProjectType : int32_t {
    vbext_pt_StandardExe = 0,
    vbext_pt_ActiveXExe = 1,
    vbext_pt_ActiveXDll = 2,
};

class VBE;
class VBProject;

class VBComponents {
  public:
    explicit VBComponents(VBProject& project) : mProject(project) {}

    std::shared_ptr<VBComponent> Item(std::string_view name) const;
    std::shared_ptr<VBComponent> Item(int32_t index) const;  // from 1
    // The component of that name in any letter case; null when there is none.
    std::shared_ptr<VBComponent> Find(std::string_view name) const;
    int32_t Count() const { return static_cast<int32_t>(mComponents.size()); }
    auto begin() const { return mComponents.begin(); }
    auto end() const { return mComponents.end(); }

    // A new component named after its kind ("Module1", "Class1", "Form1"), with its windows opened.
    std::shared_ptr<VBComponent> Add(int32_t kind);
    // Reads a component file into the project and opens its windows.
    std::shared_ptr<VBComponent> Import(const std::filesystem::path& file);
    // The same for a component already read from its file (by ReadComponentFile with this project's
    // change counter).
    std::shared_ptr<VBComponent> Import(std::shared_ptr<VBComponent> read);
    // 5 for a component of another project.
    void Remove(const std::shared_ptr<VBComponent>& component);

    // 457 unless `name` is free for `component` (null for a new one).
    void CheckNameFree(const VBComponent* component, std::string_view name) const;
    // The file reader's way in: a component whose name has been checked, without windows.
    void Append(std::shared_ptr<VBComponent> component);
    // A component of the project has taken `name` in place of `oldName`.
    void Renamed(const VBComponent& component, std::string_view oldName);

  private:
    std::shared_ptr<VBComponent> Adopt(std::shared_ptr<VBComponent> component);

    VBProject& mProject;
    std::vector<std::shared_ptr<VBComponent>> mComponents;
    // Every component by its folded name (names are unique ignoring case).
    std::unordered_map<std::string, std::shared_ptr<VBComponent>> mByName;
};

class VBProject : public vb::Object, public std::enable_shared_from_this<VBProject> {
  public:
    VBProject(vbext_ProjectType type, std::string name, ChangeCounterPtr changes);

    const std::string& Name() const { return mName; }
    // 380 for a name that is no VB identifier, 457 for one another project of the group has.
    void SetName(std::string_view name);
    vbext_ProjectType Type() const { return mType; }
    // The project file it was last saved to or read from; empty before.
    const std::filesystem::path& FileName() const { return mFileName; }

    vbide::VBComponents& VBComponents() { return mComponents; }
    const vbide::VBComponents& VBComponents() const { return mComponents; }

    // Null while the project belongs to no IDE (being read from files).
    std::shared_ptr<vbide::VBE> VBE() const { return mVBE.lock(); }
    const ChangeCounterPtr& Changes() const { return mChanges; }

    // The file side: the start-up object ("Sub Main", a form's name, "(None)"; empty for the IDE's
    // default), library and project references and ActiveX libraries as the project file names them, and the
    // project file's other lines, kept as read.
    const std::string& Startup() const { return mStartup; }
    vbide::References& References() { return mReferences; }
    const vbide::References& References() const { return mReferences; }
    std::vector<ObjectLibrary>& ObjectLibraries() { return mObjectLibraries; }
    const std::vector<ObjectLibrary>& ObjectLibraries() const { return mObjectLibraries; }
    std::vector<std::string>& OtherLines() { return mOtherLines; }
    const std::vector<std::string>& OtherLines() const { return mOtherLines; }
    void SetStartup(std::string startup) { mStartup = std::move(startup); }
    void SetFileName(std::filesystem::path file) { mFileName = std::move(file); }
    void SetVBE(std::weak_ptr<vbide::VBE> vbe) { mVBE = std::move(vbe); }

  private:
    vbext_ProjectType mType;
    std::string mName;
    ChangeCounterPtr mChanges;
    vbide::VBComponents mComponents{*this};
    std::filesystem::path mFileName;
    std::weak_ptr<vbide::VBE> mVBE;
    std::string mStartup;
    vbide::References mReferences;
    std::vector<ObjectLibrary> mObjectLibraries;
    std::vector<std::string> mOtherLines;
};

}  // namespace vbide
