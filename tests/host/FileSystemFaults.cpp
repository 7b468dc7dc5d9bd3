// Preloaded into a program: OSTREL_FAULT "<call> <errno> <text>" makes each read, write, fsync or syncfs
// (by the path of its descriptor), rename (by its new name) or access named <call> on a path holding <text>
// (ending with it, for a <text> that ends with "$") fail with <errno>, as a failing disk does.

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

static bool Fails(const char* call, const std::string& path) {
    static char named[16], text[4096];
    static int error = 0;
    static const char* fault = std::getenv("OSTREL_FAULT");
    static const bool set =
        fault != nullptr && std::sscanf(fault, "%15s %d %4095[^\n]", named, &error, text) == 3;
    static const std::string wanted = text;
    const bool held = wanted.ends_with('$') ? path.ends_with(wanted.substr(0, wanted.size() - 1))
                                            : path.find(wanted) != std::string::npos;
    return set && std::strcmp(named, call) == 0 && held && (errno = error) != 0;
}

static std::string PathOf(int descriptor) {
    std::error_code ignored;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descriptor), ignored).string();
}

#define FAULTY(type, call, parameters, arguments, path)                                                      \
    extern "C" type call parameters {                                                                        \
        return Fails(#call, path) ? -1                                                                       \
                                  : reinterpret_cast<type(*) parameters>(dlsym(RTLD_NEXT, #call)) arguments; \
    }
FAULTY(ssize_t, read, (int descriptor, void* data, size_t size), (descriptor, data, size), PathOf(descriptor))
FAULTY(ssize_t, write, (int descriptor, const void* data, size_t size), (descriptor, data, size),
       PathOf(descriptor))
FAULTY(int, fsync, (int descriptor), (descriptor), PathOf(descriptor))
FAULTY(int, syncfs, (int descriptor), (descriptor), PathOf(descriptor))
FAULTY(int, rename, (const char* from, const char* to), (from, to), to)
FAULTY(int, access, (const char* path, int mode), (path, mode), path)
