#include <iostream>

#include "setuptool/OstrlReg_Mods.h"

int main() {
    return OstrlReg_Mods::Main(std::cerr);
}
