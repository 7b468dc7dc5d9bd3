// ostrel: the IDE window that hosts add-ins.

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: ostrel [GROUP.vbg]\n"
    "       ostrel --addin PROGID\n"
    "       ostrel --help\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
