#pragma once
// The three-tier business-object pattern ("Brisolet.T3BusinessObject"): per business object, the layer-2
// classes and record module in the layer-2 project, the persistence class (and, with three projects, its
// record module) in the layer-3 project, and once per project the shared modules CommonPersist and
// CommonLogical. The components come from the generators of Generators.h; those not written yet are
// left out.

#include <string>

#include "patternkit/PatternBase.h"
#include "patterns/tier3/GeneratorContext.h"
#include "patterns/tier3/Generators.h"

namespace tier3 {

// The generators set the current objects through their context while lines are written.
class T3BusinessObject : public patternkit::CurrentObjectsPattern {
  public:
    T3BusinessObject();
    // With other generators, as tests plug them in.
    explicit T3BusinessObject(Generators generators);

    // 0, or 10 when an engine failure ended the build. Errors go on with "T3BusinessObjects.Build->" in
    // front of their source (after the generator's own prefix).
    std::optional<int16_t> Build() override;

    const GeneratorContext& Context() const { return mContext; }

  private:
    int16_t BuildComponents();
    void Prepare();
    // False when the build must end: the project could not be opened (or the architecture is unknown).
    bool OpenProject(const std::string& projectName, int32_t architecture);
    // False when the build must end; a missing generator skips the component.
    bool BuildComponent(const std::string& projectName, const std::string& componentName,
                        typelib::ComponentType type, const Generator& generator, const char* procedure);
    // The same for a module written once per project: nothing happens while the project holds it.
    bool BuildSharedModule(const std::string& projectName, const std::string& moduleName,
                           const Generator& generator, const char* procedure);

    Generators mGenerators;
    GeneratorContext mContext;
    // Handed to the continue question: the component last asked for, and a control name that this
    // pattern never sets.
    std::string mComponentName;
    std::string mControlName;
};

}  // namespace tier3
