#pragma once
// Patterns for the engine's tests, in a library of their own registered by ProgID as the pattern library
// is. "TestPatterns.Scripted" answers the current-object getters from its fields; "TestPatterns.Bare"
// lacks them. Both log their calls and run the script set before BuildPattern.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "typelib/IBusinessObject.h"
#include "typelib/IMethod.h"
#include "typelib/IPattern.h"
#include "typelib/IProperty.h"

namespace testpatterns {

class BarePattern;
using Script = std::function<std::optional<int16_t>(BarePattern&)>;

// The script the next Build runs, and the calls of every pattern in order ("Application", ..., "Build").
void SetScript(Script script);
std::vector<std::string>& CallLog();
// The pattern of the last BuildPattern, held weakly: the engine must let go of it.
std::weak_ptr<BarePattern>& LastPattern();

class BarePattern : public typelib::IPattern, public std::enable_shared_from_this<BarePattern> {
  public:
    void SetApplication(std::shared_ptr<typelib::IApplication> application) override;
    void SetBusinessObject(std::shared_ptr<typelib::IBusinessObject> businessObject) override;
    void SetProperties(std::shared_ptr<typelib::PropertyList> properties) override;
    void SetMethods(std::shared_ptr<typelib::MethodList> methods) override;
    void SetConstructor(std::shared_ptr<typelib::IConstructor> constructor) override;
    std::optional<int16_t> Build() override;

    std::string PatternName() const override { return "Test"; }
    std::string DeveloperName() const override { return "Tests"; }
    std::string Version() const override { return "1"; }
    std::string Revision() const override { return "0"; }
    std::string ComponentName() const override { return {}; }

    std::shared_ptr<typelib::IApplication> application;
    std::shared_ptr<typelib::IBusinessObject> businessObject;
    std::shared_ptr<typelib::PropertyList> properties;
    std::shared_ptr<typelib::MethodList> methods;
    std::shared_ptr<typelib::IConstructor> engine;

    // What ScriptedPattern hands out as its current objects.
    std::shared_ptr<typelib::IBusinessObject> busObj, parent, child, reference;
    std::shared_ptr<typelib::IProperty> property;
    std::shared_ptr<typelib::IMethod> method;
};

class ScriptedPattern : public BarePattern {
  public:
    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return busObj; }
    std::shared_ptr<typelib::IBusinessObject> CurrentParentBusObj() const override { return parent; }
    std::shared_ptr<typelib::IBusinessObject> CurrentChildBusObj() const override { return child; }
    std::shared_ptr<typelib::IBusinessObject> CurrentReferenceBusObj() const override { return reference; }
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override { return property; }
    std::shared_ptr<typelib::IMethod> CurrentMethod() const override { return method; }
};

}  // namespace testpatterns
