#pragma once
// The generators of the three-tier pattern, one per kind of component it writes. Build writes a
// component only when its generator is set here; a later generator plugs in by declaring its function
// below and setting its slot in StandardGenerators() (Generators.cpp). See GeneratorContext.h for what
// a generator receives and may rely on.

#include <functional>

#include "patterns/tier3/GeneratorContext.h"

namespace tier3 {

using Generator = std::function<void(GeneratorContext&)>;

struct Generators {
    Generator GenerateL2BusObj;      // class Name, layer 2
    Generator GenerateL2Batch;       // class Name & "Batch", layer 2
    Generator GenerateL2List;        // class Name & "List", layer 2
    Generator GenerateUDT;           // modules Name & "UDT" (layer 2) and Name & "PersistUDT" (layer 3)
    Generator GenerateL3BusObj;      // class Name & "Persist", layer 3
    Generator GenerateCommonLayer3;  // module CommonPersist, once per layer-3 project
    Generator GenerateCommonLayer2;  // module CommonLogical, once per layer-2 project
};

// The generators that exist.
Generators StandardGenerators();

// The record types of a business object (TypeModule.cpp).
void GenerateUDT(GeneratorContext& context);
// The layer-3 shared module CommonPersist (CommonPersist.cpp).
void GenerateCommonLayer3(GeneratorContext& context);
// The layer-2 business-object class (L2BusObj.cpp).
void GenerateL2BusObj(GeneratorContext& context);
// The layer-2 shared module CommonLogical (CommonLogical.cpp).
void GenerateCommonLayer2(GeneratorContext& context);
// The layer-2 batch class (BatchClass.cpp) and list class (ListClass.cpp).
void GenerateL2Batch(GeneratorContext& context);
void GenerateL2List(GeneratorContext& context);
// The layer-3 class Name & "Persist" (PersistWriter.cpp).
void GenerateL3BusObj(GeneratorContext& context);

}  // namespace tier3
