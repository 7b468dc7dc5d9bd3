#include "setuptool/OstrlReg_Mods.h"

int main() {
    OstrlReg_Mods::Main();
    return 0;
}
