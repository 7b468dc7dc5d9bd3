#pragma once
// What every pattern class of the library shares: the five build inputs the engine sets, the identity
// strings fixed at construction, and the slots of the current objects. A pattern derives from it,
// overrides Build, and overrides exactly the current-object getters whose tokens it writes (returning
// the slot); the others raise 438 for the engine. A pattern that has all six getters derives from
// CurrentObjectsPattern below instead.
//
//   class StdUtilities : public PatternBase {
//     public:
//       StdUtilities() : PatternBase(SkeletonIdentity()) {}
//       std::optional<int16_t> Build() override;
//       std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return mCurrent.busObj; }
//   };
//
// and is listed in libraries/Brisolet/Classes.cpp as
// automation::ClassOf<StdUtilities>("Brisolet.StdUtilities").

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "patternkit/CurrentObjects.h"

#include "patternkit/ModelSets.h"
#include "typelib/IApplication.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IConstructor.h"
#include "typelib/IMethod.h"
#include "typelib/IPattern.h"
#include "typelib/IProperty.h"

namespace patternkit {

struct PatternIdentity {
    std::string patternName;
    std::string developerName;
    std::string version;
    std::string revision;
    std::string componentName;
    // Empty for a pattern without the member FormTemplate (reading it raises 438).
    std::optional<std::string> formTemplate;
};

// The placeholders of the skeleton pattern, which patterns written from it keep until given their own.
PatternIdentity SkeletonIdentity();

class PatternBase : public typelib::IPattern {
  public:
    void SetApplication(std::shared_ptr<typelib::IApplication> application) override {
        mApplication = std::move(application);
    }
    void SetBusinessObject(std::shared_ptr<typelib::IBusinessObject> businessObject) override {
        mBusinessObject = std::move(businessObject);
    }
    void SetProperties(std::shared_ptr<typelib::PropertyList> properties) override {
        mProperties = std::move(properties);
    }
    void SetMethods(std::shared_ptr<typelib::MethodList> methods) override { mMethods = std::move(methods); }
    void SetConstructor(std::shared_ptr<typelib::IConstructor> constructor) override {
        mConstructor = std::move(constructor);
    }

    std::string PatternName() const override { return mIdentity.patternName; }
    std::string DeveloperName() const override { return mIdentity.developerName; }
    std::string Version() const override { return mIdentity.version; }
    std::string Revision() const override { return mIdentity.revision; }
    std::string ComponentName() const override { return mIdentity.componentName; }
    std::string FormTemplate() const override;

  protected:
    explicit PatternBase(PatternIdentity identity) : mIdentity(std::move(identity)) {}

    // The inputs; 91 when the engine has not set them.
    typelib::IApplication& Application() const { return Required(mApplication); }
    typelib::IBusinessObject& BusinessObject() const { return Required(mBusinessObject); }
    typelib::IConstructor& Constructor() const { return Required(mConstructor); }

    std::shared_ptr<typelib::IApplication> mApplication;
    std::shared_ptr<typelib::IBusinessObject> mBusinessObject;
    std::shared_ptr<typelib::PropertyList> mProperties;
    std::shared_ptr<typelib::MethodList> mMethods;
    std::shared_ptr<typelib::IConstructor> mConstructor;

    // Assigned by Build before it writes a line whose tokens name them; never reset during a build.
    CurrentObjects mCurrent;

  private:
    PatternIdentity mIdentity;
};

// A pattern whose lines may carry the tokens of every current object: the six getters read the slots.
class CurrentObjectsPattern : public PatternBase {
  public:
    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return mCurrent.busObj; }
    std::shared_ptr<typelib::IBusinessObject> CurrentParentBusObj() const override {
        return mCurrent.parentBusObj;
    }
    std::shared_ptr<typelib::IBusinessObject> CurrentChildBusObj() const override {
        return mCurrent.childBusObj;
    }
    std::shared_ptr<typelib::IBusinessObject> CurrentReferenceBusObj() const override {
        return mCurrent.referenceBusObj;
    }
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override { return mCurrent.property; }
    std::shared_ptr<typelib::IMethod> CurrentMethod() const override { return mCurrent.method; }

  protected:
    using PatternBase::PatternBase;
};

}  // namespace patternkit
