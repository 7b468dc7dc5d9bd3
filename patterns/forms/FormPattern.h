#pragma once
// What the four form patterns (startup, look-up, list, detail) share: the identity fixed at construction,
// the role list, the names of the project, component and control being built (what an engine failure is
// reported with), the error last trapped, and the layout of the form being placed.
//
// A form pattern derives from FormPattern, gives its class name ("StdLookupForm") and identity, and writes
// Build as
//
//   std::optional<int16_t> StdLookupForm::Build() {
//       return Trap("Build", [this] { return BuildForm(); });
//   }
//
// with each private generator run as Trap("GenerateCode", [&] { GenerateCode(); }), so an error reaches
// the engine with "StdLookupForm.Build->StdLookupForm.GenerateCode->" in front of its first source.
// After an engine member that did not succeed, GoOnAfter(result) reports it (the continue question) and
// says whether the build may go on.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "patternkit/ModelSets.h"
#include "patternkit/PatternBase.h"
#include "patternkit/form_ctl_defaults.h"
#include "platform/vb/Error.h"

namespace forms {

// The current objects a form pattern exposes to the engine; reading one it lacks raises 438.
enum CurrentObject : unsigned {
    kBusObj = 1,
    kParentBusObj = 2,
    kChildBusObj = 4,
    kReferenceBusObj = 8,
    kProperty = 16,
    kMethod = 32,
    kAllCurrentObjects = 63,
};

struct TrappedError {
    int32_t number = 0;
    std::string description;
    std::string source;
};

class FormPattern : public patternkit::PatternBase {
  public:
    // A slot that Build never filled gives an empty reference.
    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override;
    std::shared_ptr<typelib::IBusinessObject> CurrentParentBusObj() const override;
    std::shared_ptr<typelib::IBusinessObject> CurrentChildBusObj() const override;
    std::shared_ptr<typelib::IBusinessObject> CurrentReferenceBusObj() const override;
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override;
    std::shared_ptr<typelib::IMethod> CurrentMethod() const override;

    // "FirstRole;Description of first role": the one role every form pattern offers.
    const std::vector<std::string>& Roles() const { return mRoles; }
    const TrappedError& LastError() const { return mLastError; }

  protected:
    // `exposed`: the CurrentObject flags of the getters the class has.
    FormPattern(std::string className, patternkit::PatternIdentity identity, unsigned exposed);

    // Runs `body`; an error escaping it is kept as the last error and raised again with
    // "<Class>.<procedure>->" in front of its source.
    template <typename Body>
    decltype(auto) Trap(std::string_view procedure, Body&& body) {
        try {
            return vb::WithSource(mClassName + "." + std::string(procedure) + "->", std::forward<Body>(body));
        } catch (const vb::Error& error) {
            mLastError = {error.Number(), error.Description(), error.Source()};
            throw;
        }
    }

    // Reports a result other than 0 with the project, component and control names as they stand. True
    // when the build may go on: not after a project failure (1 to 3), and only when the developer's
    // recorded answer is Yes.
    bool GoOnAfter(int16_t result) const;
    // Reports `result` and ends: the Build result after a failure that always ends the build.
    int16_t Cancel(int16_t result) const;

    // Selects the application's layer-1 project and makes it the start-up project. False, after the
    // failure was reported, when it cannot be selected: the build ends with Cancel_Construction.
    bool SelectLayer1Project();

    // The engine's StartCoding, `generator` trapped as `procedure`, FinishCoding.
    template <typename Generator>
    void Code(std::string_view procedure, Generator&& generator) {
        Constructor().StartCoding();
        Trap(procedure, std::forward<Generator>(generator));
        Constructor().FinishCoding();
    }

    // What the context frame shows of the current parent on the form "<BusObj>" & `formKind` & " Form":
    // the properties the developer picks when asked during the build, else the parent's key and unique
    // properties.
    patternkit::PropertySet PickContextProperties(std::string_view formKind) const;

    // The names the model gives members of a form's module (the application's business objects and this
    // one's properties): no part of a split procedure ends in one.
    std::vector<std::string> ModelNames() const;

    // A new layout in the standard size set, for the form about to be placed.
    patternkit::form_ctl_defaults& NewLayout();
    patternkit::form_ctl_defaults& Layout() { return mLayout; }
    const patternkit::form_ctl_defaults& Layout() const { return mLayout; }

    std::string mProjectName;
    std::string mComponentName;
    std::string mControlName;

  private:
    // The slot, when the class exposes it; 438 otherwise.
    template <typename T>
    const std::shared_ptr<T>& Slot(CurrentObject which, const std::shared_ptr<T>& slot) const {
        if ((mExposed & which) == 0)
            vb::Raise(vb::kNoSuchMember);
        return slot;
    }

    std::string mClassName;
    unsigned mExposed;
    std::vector<std::string> mRoles;
    TrappedError mLastError;
    patternkit::form_ctl_defaults mLayout;
};

}  // namespace forms
