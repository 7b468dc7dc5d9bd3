#include "patterns/tier3/Generators.h"

namespace tier3 {

Generators StandardGenerators() {
    Generators generators;
    generators.GenerateL2BusObj = GenerateL2BusObj;
    generators.GenerateUDT = GenerateUDT;
    generators.GenerateCommonLayer3 = GenerateCommonLayer3;
    generators.GenerateCommonLayer2 = GenerateCommonLayer2;
    generators.GenerateL2Batch = GenerateL2Batch;
    generators.GenerateL2List = GenerateL2List;
    generators.GenerateL3BusObj = GenerateL3BusObj;
    return generators;
}

}  // namespace tier3
