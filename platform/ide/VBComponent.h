#pragma once
// A component of a project: a standard module, a class module or a form, with its code module and, for a
// form, its designer.
//
// Members used by the add-in: Name (writing a name the project has raises 457), Type, FileNames(1) (empty
// until saved or read), SaveAs(path), Properties(name) (a form's own properties such as "StartUpPosition";
// a class's header properties), CodeModule, Designer.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ide/ChangeCounter.h"
#include "platform/ide/CodeModule.h"
#include "platform/ide/FormDesigner.h"
#include "platform/ide/Properties.h"
#include "platform/vb/Object.h"

namespace vbide {

// The IDE's component kinds.
enum vbext_ComponentType : int32_t {
    vbext_ct_StdModule = 1,
    vbext_ct_ClassModule = 2,
    vbext_ct_VBForm = 5,
};

// An "Attribute" line of a component file's header, other than VB_Name: its name and the text after "=".
struct ComponentAttribute {
    std::string name;
    std::string text;
};

class VBProject;

class VBComponent : public vb::Object,
                    public PropertyOwner,
                    public std::enable_shared_from_this<VBComponent> {
  public:
    // An empty component, as a file starts it; VBComponents::Add gives a new one the IDE's defaults.
    VBComponent(vbext_ComponentType type, std::string name, ChangeCounterPtr changes);

    const std::string& Name() const { return mName; }
    // 380 for a name that is no VB identifier, 457 for one another component of the project has.
    void SetName(std::string_view name);
    vbext_ComponentType Type() const { return mType; }

    // Only index 1 exists (9 otherwise): the file the component was last saved to or read from.
    std::string FileNames(int16_t index) const;
    // The line of that file, as an editor numbers it, that holds line `codeLine` of the code.
    int32_t FileLineOf(int32_t codeLine) const { return mLinesBeforeCode + codeLine; }
    // Writes the component's file to `path` and makes it the component's file.
    void SaveAs(const std::filesystem::path& path);

    std::shared_ptr<Property> Properties(std::string_view name);
    std::shared_ptr<vbide::CodeModule> CodeModule() const { return mCode; }
    // A copy that belongs to no project and counts its changes in `changes`; its code, properties and
    // controls are its own.
    std::shared_ptr<VBComponent> Copy(ChangeCounterPtr changes) const;
    // Null unless the component is a form.
    std::shared_ptr<FormDesigner> Designer() const { return mDesigner; }
    // Null once the component has been removed from its project.
    std::shared_ptr<VBProject> Project() const { return mProject.lock(); }

    bool HasProperty(std::string_view name) const override;
    vb::Variant PropertyValue(std::string_view name) const override;
    void SetPropertyValue(std::string_view name, const vb::Variant& value) override;

    // The file side.
    const std::vector<ComponentAttribute>& Attributes() const { return mAttributes; }
    std::vector<ComponentAttribute>& Attributes() { return mAttributes; }
    const PropertyBag& ClassHeader() const { return mClassHeader; }
    PropertyBag& ClassHeader() { return mClassHeader; }
    // `linesBeforeCode`: the lines of the file above the code (header, form, attributes).
    void SetFileName(const std::filesystem::path& file, int32_t linesBeforeCode = 0) {
        mFileName = file.native();
        mLinesBeforeCode = linesBeforeCode;
    }
    void SetProject(std::weak_ptr<VBProject> project) { mProject = std::move(project); }

  private:
    PropertyBag* OwnProperties();
    const PropertyBag* OwnProperties() const;

    vbext_ComponentType mType;
    std::string mName;
    ChangeCounterPtr mChanges;
    std::shared_ptr<vbide::CodeModule> mCode;
    std::shared_ptr<FormDesigner> mDesigner;
    PropertyBag mClassHeader;
    std::vector<ComponentAttribute> mAttributes;
    // A string, not a path: a large application has thousands of components, and a path keeps its parts too.
    std::string mFileName;
    int32_t mLinesBeforeCode = 0;
    std::weak_ptr<VBProject> mProject;
};

}  // namespace vbide
