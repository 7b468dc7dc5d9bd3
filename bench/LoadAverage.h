#pragma once
// The machine's load average over 1, 5 and 15 minutes, printed beside every figure: a time taken while
// other work runs reads differently from one taken on an idle machine.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

inline std::string LoadAverage() {
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        return "load average unknown";
    char text[64];
    std::snprintf(text, sizeof text, "load average %.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

}  // namespace bench
