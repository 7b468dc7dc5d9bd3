#pragma once
// The construction engine as a pattern sees it: the calls through which a pattern writes projects,
// components, controls and code lines into the IDE. Members that can fail for a known cause return a
// ConstructorReturnCode and never raise; AddVBControlToFrame, StartCoding, Code and FinishCoding let
// run-time errors reach the pattern.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/vb/Object.h"
#include "platform/vb/Variant.h"

namespace typelib {

class IBusinessObject;

enum ConstructorReturnCode : int16_t {
    Success = 0,
    Project_Not_Found = 1,
    Project_Not_Created = 2,
    Project_Not_Specified = 3,
    Component_Not_Created = 4,
    Component_Not_Specified = 5,
    Control_Not_Created = 6,
    Control_Not_Specified = 7,
    StartUpProj_Not_Set = 8,
    Project_Not_Saved = 9,
    Cancel_Construction = 10,
};

// The engine's component types (not the IDE's kinds).
enum ComponentType : int32_t { ClassModule = 1, StandardModule = 2, Form = 3 };

class IConstructor : public vb::Object {
  public:
    // The business object of the running build.
    virtual std::shared_ptr<IBusinessObject> myBusObj() const = 0;
    virtual void SetmyBusObj(std::shared_ptr<IBusinessObject> businessObject) = 0;

    // Tells the monitor that the run is finished.
    virtual void GenerationComplete() = 0;

    // `projectType` holds the IDE's project type as a number: "0" standard executable, "2" ActiveX library.
    virtual int16_t SetVBProject(const std::string& projectName, const std::string& projectType) = 0;
    virtual int16_t SetVBStartUpProject() = 0;
    virtual bool VBComponentExists(const std::string& projectName, const std::string& componentName,
                                   int32_t componentType) = 0;
    virtual int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                                   int32_t componentType, const std::string& formTemplateFile) = 0;
    // Whether the engine has itself told the developer why the last SetVBComponent failed (a broken
    // edit-point marker, an unusable temporary folder, a file the system refused), so that the pattern's
    // report guesses no cause.
    virtual bool FailureTold() const { return false; }
    virtual int16_t SetVBComponentProperty(const std::string& propertyName,
                                           const vb::Variant& propertyValue) = 0;

    virtual int32_t SetVBControl(const std::string& controlName, const std::string& guiId) = 0;
    virtual int16_t SetVBControlProperty(const std::string& propertyName,
                                         const vb::Variant& propertyValue) = 0;
    virtual void AddVBControlToFrame(const std::string& controlName, const std::string& frameName) = 0;
    // The value of a property of the current control, or the Integer 3, 5 or 6 when it cannot be read.
    virtual vb::Variant GetVBControlProperty(const std::string& propertyName) = 0;

    virtual void StartCoding() = 0;
    // Replaces the tokens of `line` and writes it as the next line of the current component; text holding
    // line breaks (CR, LF or CRLF) is written, and counted, as the lines it holds.
    virtual void Code(std::string_view line) = 0;
    // Writes `text` as Code writes a line whose tokens are already replaced (what CreateTokenStr gave for
    // it): for a pattern that measures its lines before it writes them, so that no line is resolved twice.
    virtual void CodeResolved(std::string_view text) = 0;
    virtual void FinishCoding() = 0;

    virtual std::string CreateTokenStr(std::string_view line) = 0;
    // Adds every comma-terminated token of `tokens`; what follows the last comma stays in `tokens`.
    virtual void AddTokens(std::string& tokens) = 0;
};

}  // namespace typelib
