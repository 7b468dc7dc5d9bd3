#pragma once
// Shared by the files that write the layer-2 business-object class: the engine, the class name its error
// handlers name, and the small recurring shapes (edit points, walks that set the current object).

#include <string>
#include <string_view>

#include "patternkit/Emitter.h"
#include "patterns/tier3/GeneratorContext.h"

namespace tier3::l2busobj {

class Writer : public patternkit::Emitter {
  public:
    explicit Writer(GeneratorContext& context);

    GeneratorContext& Context() { return mContext; }

    // Start and end marker, each followed by the name.
    void EditPoint(std::string_view name);
    // Start marker followed by the name, then the end marker alone.
    void OpenEditPoint(std::string_view name);
    // The class error handler at the end of a generated procedure.
    void ErrorHandler(std::string_view procName, std::string_view editPointName, std::string_view exitLabel);

    // Runs `body` for each property (methods, children) with the current slot set to it.
    template <typename Body>
    void ForEachProperty(Body&& body) {
        for (const auto& property : mContext.Properties()) {
            mContext.Current().property = property;
            body(patternkit::Required(property));
        }
    }
    template <typename Body>
    void ForEachMethod(const MethodSet& methods, Body&& body) {
        for (const auto& method : methods) {
            mContext.Current().method = method;
            body(patternkit::Required(method));
        }
    }
    template <typename Body>
    void ForEachChild(Body&& body) {
        for (const auto& child : mContext.Children()) {
            mContext.Current().childBusObj = child;
            body(patternkit::Required(child));
        }
    }

  private:
    GeneratorContext& mContext;
    std::string mClassName;
};

// Add, Delete, Update and Read have procedures of their own; every other method is a further method.
bool IsStandardOperation(std::string_view methodName);
bool IsNumericType(std::string_view dataType);
// The methods of a business object, in model order (none when it has no collection).
MethodSet MethodsOf(const typelib::IBusinessObject& businessObject);

// The parts of the class, in the order they are written.
void WriteDeclarations(Writer& writer);
void WriteRelationshipMembers(Writer& writer);
void WritePropertyProcedures(Writer& writer);
void WriteStateAndOperations(Writer& writer);
void WriteResetAndSave(Writer& writer);
void WriteValidationHelpers(Writer& writer);
void WriteClassInitialize(Writer& writer);
void WritePropertyValidation(Writer& writer);
void WriteStateBuffer(Writer& writer);
void WriteRulesAndRestrictions(Writer& writer);

}  // namespace tier3::l2busobj
