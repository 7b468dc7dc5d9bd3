// Preloaded into a program, makes one kind of call on files fail as a failing disk does: OSTREL_FAULT holds
// "<call> <errno> <text>", and every <call> (read, write, rename, fsync, syncfs or access) on a path
// holding <text> fails with <errno>. Reads, writes and syncs are matched by the path of their descriptor,
// renames by the new name.

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Fault {
    char call[16] = {};
    int error = 0;
    char text[4096] = {};
    bool set = false;
};

const Fault& TheFault() {
    static const Fault fault = [] {
        Fault read;
        const char* value = std::getenv("OSTREL_FAULT");
        read.set = value != nullptr &&
                   std::sscanf(value, "%15s %d %4095[^\n]", read.call, &read.error, read.text) == 3;
        return read;
    }();
    return fault;
}

// Whether `call` on `path` fails; errno is set when it does.
bool Fails(const char* call, const char* path) {
    const Fault& fault = TheFault();
    if (!fault.set || std::strcmp(fault.call, call) != 0 || path == nullptr ||
        std::strstr(path, fault.text) == nullptr)
        return false;
    errno = fault.error;
    return true;
}

bool FailsOn(const char* call, int descriptor) {
    if (!TheFault().set || std::strcmp(TheFault().call, call) != 0)
        return false;
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length < 0)
        return false;
    path[length] = '\0';
    return Fails(call, path);
}

template <typename Function>
Function* Next(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t read(int descriptor, void* data, size_t size) {
    return FailsOn("read", descriptor) ? -1
                                       : Next<ssize_t(int, void*, size_t)>("read")(descriptor, data, size);
}

ssize_t write(int descriptor, const void* data, size_t size) {
    return FailsOn("write", descriptor)
               ? -1
               : Next<ssize_t(int, const void*, size_t)>("write")(descriptor, data, size);
}

int rename(const char* from, const char* to) {
    return Fails("rename", to) ? -1 : Next<int(const char*, const char*)>("rename")(from, to);
}

int fsync(int descriptor) {
    return FailsOn("fsync", descriptor) ? -1 : Next<int(int)>("fsync")(descriptor);
}

int syncfs(int descriptor) {
    return FailsOn("syncfs", descriptor) ? -1 : Next<int(int)>("syncfs")(descriptor);
}

int access(const char* path, int mode) {
    return Fails("access", path) ? -1 : Next<int(const char*, int)>("access")(path, mode);
}
}
