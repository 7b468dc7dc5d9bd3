#include "patterns/tier3/Generators.h"

namespace tier3 {

Generators StandardGenerators() {
    Generators generators;
    generators.GenerateL2BusObj = GenerateL2BusObj;
    generators.GenerateUDT = GenerateUDT;
    generators.GenerateCommonLayer3 = GenerateCommonLayer3;
    generators.GenerateCommonLayer2 = GenerateCommonLayer2;
    return generators;
}

}  // namespace tier3
