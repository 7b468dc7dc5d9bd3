#pragma once
// The construction engine: creates a pattern by its ProgID, hands it the model and itself, runs its Build,
// and serves the pattern's calls that write projects, components, controls and code lines into the IDE.
//
// Create it as a shared_ptr (it hands itself to the pattern). One engine serves one build run; the current
// project, component, designer and control persist from one BuildPattern to the next.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AddInFolders.h"
#include "core/BuildEngine.h"
#include "core/EditPoints.h"
#include "core/TokenTable.h"
#include "core/frmConstructionMonitor.h"
#include "platform/ide/ComponentFileCache.h"
#include "platform/vb/Variant.h"
#include "typelib/IConstructor.h"
#include "typelib/IPattern.h"

namespace vbide {
class VBE;
class VBProject;
class VBComponent;
class FormDesigner;
class VBControl;
}  // namespace vbide

namespace core {

class qelApplication;
class qelBusinessObject;
class qelToolProperties;

class qelConstructor : public typelib::IConstructor,
                       public BuildEngine,
                       public std::enable_shared_from_this<qelConstructor> {
  public:
    qelConstructor();
    ~qelConstructor() override;
    qelConstructor(const qelConstructor&) = delete;
    qelConstructor& operator=(const qelConstructor&) = delete;

    // Runs the pattern of ProgID `codePattern` on `businessObject`; its Build result (0 when it has none).
    // Errors of creation and of Build reach the caller.
    int16_t BuildPattern(std::shared_ptr<vbide::VBE> VBI, std::shared_ptr<qelApplication> application,
                         std::shared_ptr<qelBusinessObject> businessObject, const std::string& codePattern,
                         std::shared_ptr<qelToolProperties> toolProperty) override;

    std::shared_ptr<typelib::IBusinessObject> myBusObj() const override { return mBusObj; }
    void SetmyBusObj(std::shared_ptr<typelib::IBusinessObject> businessObject) override {
        mBusObj = std::move(businessObject);
    }

    void GenerationComplete() override;
    int16_t SetVBProject(const std::string& projectName, const std::string& projectType) override;
    int16_t SetVBStartUpProject() override;
    bool VBComponentExists(const std::string& projectName, const std::string& componentName,
                           int32_t componentType) override;
    int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                           int32_t componentType, const std::string& formTemplateFile) override;
    bool FailureTold() const override { return mFailureTold; }
    int16_t SetVBComponentProperty(const std::string& propertyName,
                                   const vb::Variant& propertyValue) override;

    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override;
    int16_t SetVBControlProperty(const std::string& propertyName, const vb::Variant& propertyValue) override;
    void AddVBControlToFrame(const std::string& controlName, const std::string& frameName) override;
    vb::Variant GetVBControlProperty(const std::string& propertyName) override;

    void StartCoding() override;
    void Code(std::string_view line) override;
    void CodeResolved(std::string_view text) override;
    void FinishCoding() override;

    std::string CreateTokenStr(std::string_view line) override;
    void AddTokens(std::string& tokens) override;

    const frmConstructionMonitor& Monitor() const { return mMonitor; }

  private:
    // Tokens.
    void RegisterTokens();
    // Valid until the next call.
    std::string_view TokenValue(size_t token) const;
    // `line` with its tokens replaced: the line itself when it holds none, otherwise mLine.
    std::string_view SubstituteTokens(std::string_view line);
    // Code's writing, once the tokens are replaced.
    void Insert(std::string_view text);
    // Only ASCII letters, digits and "_", blanks around aside: SQL takes such a name as it stands, any other
    // between brackets.
    static bool IsPlainName(std::string_view name);
    static std::string SqlName(const std::string& name);
    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const;
    std::shared_ptr<typelib::IBusinessObject> CurrentParentBusObj() const;
    std::shared_ptr<typelib::IBusinessObject> CurrentChildBusObj() const;
    std::shared_ptr<typelib::IBusinessObject> CurrentReferenceBusObj() const;
    std::shared_ptr<typelib::IProperty> CurrentProperty() const;
    std::shared_ptr<typelib::IMethod> CurrentMethod() const;

    // Components.
    std::shared_ptr<vbide::VBProject> FindProject(const std::string& projectName) const;
    // The answer of the duplicate-component question: true to keep the old component's edit-point code.
    bool KeepsEditPoints(const std::string& componentName);
    std::shared_ptr<vbide::VBComponent> CreateComponent(int32_t componentType,
                                                        const std::string& componentName,
                                                        std::shared_ptr<vbide::VBComponent> formTemplate);

    // Project set-up: the start-up object and the references the generated code needs.
    void SetUpNewProject();
    void ReferToLowerLayer();
    void ReferToWhatTheCodeNames();

    // Edit points.
    void SaveEditPoints(const std::shared_ptr<vbide::VBComponent>& existing);
    // Where the restored code stands in the regenerated component.
    std::vector<KeptCode> RestoreEditPoints();
    void AddScratchComponent(const vbide::VBComponent& existing);
    void DropScratchIfEmpty();

    std::shared_ptr<vbide::VBE> mVBI;
    std::shared_ptr<qelApplication> mApplication;
    std::shared_ptr<typelib::IBusinessObject> mBusObj;
    std::shared_ptr<typelib::PropertyList> mProperties;
    std::shared_ptr<typelib::MethodList> mMethods;
    std::shared_ptr<qelToolProperties> mToolProperties;
    std::shared_ptr<typelib::IPattern> mPattern;
    frmConstructionMonitor mMonitor;

    std::shared_ptr<vbide::VBProject> mCurProject;
    bool mProjectSet = false;
    std::shared_ptr<vbide::VBComponent> mCurComponent;
    bool mComponentSet = false;
    std::shared_ptr<vbide::FormDesigner> mCurDesigner;
    bool mDesignerSet = false;
    std::shared_ptr<vbide::VBControl> mCurControl;
    bool mControlSet = false;
    int32_t mLinesInComponent = 0;
    bool mEditPointsSaved = false;
    bool mFailureTold = false;  // by the last SetVBComponent

    TokenTable mTokens;
    std::string mLine;                            // the line Code writes, kept to save an allocation per line
    mutable std::string mValue;                   // a token value made rather than read from the model
    std::optional<ScratchFolder> mScratchFolder;  // made at the first save, removed with the engine
    std::shared_ptr<vbide::VBComponent> mScratchComponent;
    std::filesystem::path mScratchFile;
    vbide::ComponentFileCache mFormTemplates;  // every form of a pattern starts from the same template
};

}  // namespace core
