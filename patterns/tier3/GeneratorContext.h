#pragma once
// What a generator of the three-tier pattern is handed: everything it may read or set while it writes
// one component. The pattern's Build owns the context for the pattern's lifetime and fills it before the
// first generator runs; a generator only reads it, except for the current objects and the error context.
//
// A generator is a free function of its own file, `void GenerateX(GeneratorContext& context)`, listed in
// Generators.h (declaration, and its slot in StandardGenerators()). Build calls it between the engine's
// StartCoding and FinishCoding, with the component already created; the generator writes that
// component's lines and nothing else (no SetVBProject, no SetVBComponent, no StartCoding/FinishCoding).
//
// A generator may rely on:
// - Engine(), Application(), BusinessObject(): the objects the add-in handed over (91 if one is missing);
//   Engine() passes every call on to the add-in's engine through Splitter().
// - WritePerProperty(procedure, item): a procedure with a part per property, written whole or split into
//   procedures it calls (patternkit/ProcedureSplitter.h), the current property set to each in turn.
// - Properties(), Methods(): the business object's properties and methods in model order (possibly
//   empty, never missing). Properties() is never empty when a generator runs: Build fails before.
// - Children(), Parents(), References(): the identifying children, identifying parents and referenced
//   business objects (Common::GetChildBusObjs, GetParentBusObjs, GetReferenceBusObjs).
// - HasOneParent(): true exactly when Parents() holds one item; Current().parentBusObj is that parent.
// - Components(): the component names of this business object (its name, then with "Batch", "List",
//   "Persist" appended).
// - Current(): on entry busObj is the business object and property its first property; the other slots
//   hold what an earlier generator left. The engine resolves "&PropName", "&MethodName",
//   "&ChildBusObjName", ... from these slots at the moment of each Code call, so set the slot before
//   writing a line that carries its tokens, e.g. `context.Current().property = property;`.
// - Out(): the emitter on the engine, whose "{{Start}}" and "{{End}}" are the edit-point markers; an edit
//   point is written "{{Start}}name" and "{{End}}name" (the closing edit point of a module: "{{End}}" alone).
// - SetErrorSourceClass(name) first, then WriteErrorHandler(procedure, exitLabel) (or the transaction
//   variant) at the end of each generated procedure: the class error handler of the pattern kit, whose
//   edit point is named after the procedure. ErrorContext() shows the class and procedure last used.
// Errors: a generator needs no handler of its own. Build runs it inside Trap("GenerateX", ...), which
// records the error in LastError() and raises it again with "T3BusinessObjects.GenerateX->" in front of
// its source; Build's own trap then puts "T3BusinessObjects.Build->" in front of that.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "patternkit/CurrentObjects.h"
#include "patternkit/Emitter.h"
#include "patternkit/ModelSets.h"
#include "patternkit/ProcedureSplitter.h"
#include "platform/vb/Error.h"
#include "typelib/IApplication.h"
#include "typelib/IBusinessObject.h"
#include "typelib/IConstructor.h"
#include "typelib/IMethod.h"
#include "typelib/IProperty.h"

namespace tier3 {

using MethodSet = std::vector<std::shared_ptr<typelib::IMethod>>;

using patternkit::CurrentObjects;

struct ComponentNames {
    std::string busObj;   // Name
    std::string batch;    // Name & "Batch"
    std::string list;     // Name & "List"
    std::string persist;  // Name & "Persist"
};

// The error last trapped, and the names the generated error handlers were given last.
struct ErrorContext {
    int32_t number = 0;
    std::string description;
    std::string source;
    std::string errorSourceClass;
    std::string procedureLabel;
};

// What the add-in hands the pattern before Build.
struct BuildInputs {
    std::shared_ptr<typelib::IConstructor> engine;
    std::shared_ptr<typelib::IApplication> application;
    std::shared_ptr<typelib::IBusinessObject> businessObject;
    patternkit::PropertySet properties;
    MethodSet methods;
};

class GeneratorContext {
  public:
    // Everything starts empty. The current objects are the pattern's own slots, which the engine reads.
    explicit GeneratorContext(CurrentObjects& current) : mCurrent(current) {}

    typelib::IConstructor& Engine() const { return Splitter(); }
    patternkit::ProcedureSplitter& Splitter() const;
    typelib::IApplication& Application() const { return patternkit::Required(mInputs.application); }
    typelib::IBusinessObject& BusinessObject() const { return patternkit::Required(mInputs.businessObject); }
    const patternkit::PropertySet& Properties() const { return mInputs.properties; }
    const MethodSet& Methods() const { return mInputs.methods; }

    const patternkit::BusinessObjectSet& Children() const { return mChildren; }
    const patternkit::BusinessObjectSet& Parents() const { return mParents; }
    const patternkit::BusinessObjectSet& References() const { return mReferences; }
    bool HasOneParent() const { return mHasOneParent; }
    const ComponentNames& Components() const { return mComponents; }

    CurrentObjects& Current() { return mCurrent; }
    const CurrentObjects& Current() const { return mCurrent; }

    // 91 until the inputs name an engine.
    const patternkit::Emitter& Out() const;

    // `procedure` with one item per property: `item` writes it once the current property is set to it.
    void WritePerProperty(patternkit::GrowingProcedure procedure,
                          const std::function<void(const typelib::IProperty&)>& item);
    // The properties whose items a part of such a procedure holds.
    patternkit::PropertySet PropertiesOf(const patternkit::ProcedurePart& part) const;

    void SetErrorSourceClass(std::string className) { mError.errorSourceClass = std::move(className); }
    void WriteErrorHandler(std::string_view procedure, std::string_view exitLabel);
    void WriteTxErrorHandler(std::string_view procedure, std::string_view exitLabel);
    const ErrorContext& LastError() const { return mError; }

    // --- Filled by Build (and by tests that drive a generator alone) ---
    void SetInputs(BuildInputs inputs);
    // Takes the related business objects of the business object; with exactly one parent, that parent
    // becomes the current parent (otherwise the slot keeps what it held). Their names, like those of the
    // inputs, end no name of a part of a split procedure.
    void SetRelated(patternkit::BusinessObjectSet children, patternkit::BusinessObjectSet parents,
                    patternkit::BusinessObjectSet references);
    // The component names from the business object's name.
    void NameComponents(const std::string& busObjName);

    // Runs `body`; an error escaping it is recorded and raised again with "T3BusinessObjects." &
    // procedure & "->" in front of its source.
    template <typename Body>
    decltype(auto) Trap(std::string_view procedure, Body&& body) {
        try {
            return vb::WithSource("T3BusinessObjects." + std::string(procedure) + "->",
                                  std::forward<Body>(body));
        } catch (const vb::Error& error) {
            mError.number = error.Number();
            mError.description = error.Description();
            mError.source = error.Source();
            throw;
        }
    }

  private:
    BuildInputs mInputs;
    patternkit::BusinessObjectSet mChildren;
    patternkit::BusinessObjectSet mParents;
    patternkit::BusinessObjectSet mReferences;
    bool mHasOneParent = false;
    ComponentNames mComponents;
    CurrentObjects& mCurrent;
    std::unique_ptr<patternkit::ProcedureSplitter> mSplitter;
    std::optional<patternkit::Emitter> mOut;
    ErrorContext mError;
};

}  // namespace tier3
