// ostrel-regclasses LIBRARY [REGISTRY-FOLDER]: registers the classes a library exports, as the build's
// last step for each library of classes.

#include <cstdio>

#include "platform/automation/CreateObject.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: ostrel-regclasses LIBRARY [REGISTRY-FOLDER]\n");
        return 2;
    }
    try {
        automation::RegisterLibrary(argv[1], argc == 3 ? argv[2] : automation::ClassRegistryFolder());
    } catch (const vb::Error& error) {
        std::fprintf(stderr, "ostrel-regclasses: %s: %s (error %d)\n", error.Source().c_str(),
                     error.Description().c_str(), error.Number());
        return 1;
    }
    return 0;
}
