#pragma once
// How a library of automation classes makes them creatable by ProgID: it exports one class table,
// `OstrelClasses`, an array of ProgIDs and creators that ends with an empty entry.
//
//   OSTREL_EXPORT_CLASSES(automation::ClassOf<Connect>("VBOSTREL.Connect"),
//                         automation::ClassOf<qelConstructor>("VBOSTREL.qelConstructor"))

#include <memory>

#include "platform/vb/Object.h"

namespace automation {

using Creator = vb::ObjectPtr (*)();

struct ClassEntry {
    const char* progId;
    Creator create;
};

template <typename T>
constexpr ClassEntry ClassOf(const char* progId) {
    return {progId, []() -> vb::ObjectPtr { return std::make_shared<T>(); }};
}

inline constexpr const char* kClassTableSymbol = "OstrelClasses";
using ClassTableFunction = const ClassEntry* (*)();

}  // namespace automation

#define OSTREL_EXPORT_CLASSES(...)                                                                    \
    extern "C" __attribute__((visibility("default"))) const automation::ClassEntry* OstrelClasses() { \
        static const automation::ClassEntry table[] = {__VA_ARGS__ __VA_OPT__(, ){nullptr, nullptr}}; \
        return table;                                                                                 \
    }
