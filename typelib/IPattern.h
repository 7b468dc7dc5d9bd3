#pragma once
// The members every code pattern exposes. The engine sets the five inputs in the order Application,
// BusinessObject, Properties, Methods, Constructor, then calls Build once. While Build runs, the engine
// reads the current-object getters to resolve tokens (the objects they give are kept by the pattern or the
// model: the engine reads their names in place); a pattern that has no use for one of them does not
// override it, and reading it then raises 438, as calling a member an object lacks does.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/vb/Error.h"
#include "typelib/IConstructor.h"
#include "typelib/ModelTypes.h"

namespace typelib {

class IPattern : public vb::Object {
  public:
    virtual void SetApplication(std::shared_ptr<IApplication> application) = 0;
    virtual void SetBusinessObject(std::shared_ptr<IBusinessObject> businessObject) = 0;
    virtual void SetProperties(std::shared_ptr<PropertyList> properties) = 0;
    virtual void SetMethods(std::shared_ptr<MethodList> methods) = 0;
    virtual void SetConstructor(std::shared_ptr<IConstructor> constructor) = 0;

    // 0 success, 10 cancelled; no value for a pattern whose Build has no result.
    virtual std::optional<int16_t> Build() = 0;

    virtual std::shared_ptr<IBusinessObject> CurrentBusObj() const { vb::Raise(vb::kNoSuchMember); }
    virtual std::shared_ptr<IBusinessObject> CurrentParentBusObj() const { vb::Raise(vb::kNoSuchMember); }
    virtual std::shared_ptr<IBusinessObject> CurrentChildBusObj() const { vb::Raise(vb::kNoSuchMember); }
    virtual std::shared_ptr<IBusinessObject> CurrentReferenceBusObj() const { vb::Raise(vb::kNoSuchMember); }
    virtual std::shared_ptr<IProperty> CurrentProperty() const { vb::Raise(vb::kNoSuchMember); }
    virtual std::shared_ptr<IMethod> CurrentMethod() const { vb::Raise(vb::kNoSuchMember); }

    virtual std::string PatternName() const = 0;
    virtual std::string DeveloperName() const = 0;
    virtual std::string Version() const = 0;
    virtual std::string Revision() const = 0;
    virtual std::string ComponentName() const = 0;
    virtual std::string FormTemplate() const { vb::Raise(vb::kNoSuchMember); }

    virtual std::string Eval(const std::string& /*value*/) { return {}; }
    virtual void SetBusObjRole(std::shared_ptr<IBusinessObject> /*businessObject*/,
                               const std::string& /*roleName*/) {}
};

}  // namespace typelib
