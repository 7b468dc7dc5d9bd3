#include "platform/ide/KnownLibraries.h"

#include <algorithm>

#include "platform/vb/Text.h"

namespace vbide {
namespace {

constexpr std::string_view kRunTimeClasses[] = {"qelSecurity", "qelCodeTable"};

// ADO 2.0 in its two type libraries: ADODB (connections, commands, recordsets) and ADOR (recordsets
// only), as the generated code declares them. VBOstrel is the add-in's own library, whose run-time
// classes (qelSecurity, qelCodeTable) generated applications create.
constexpr KnownLibrary kLibraries[] = {
    {"stdole",
     "{00020430-0000-0000-C000-000000000046}",
     2,
     0,
     "C:\\WINDOWS\\SYSTEM\\STDOLE2.TLB",
     "OLE Automation",
     {}},
    {"ADODB",
     "{00000200-0000-0010-8000-00AA006D2EA4}",
     2,
     0,
     "C:\\Program Files\\Common Files\\System\\ado\\msado20.tlb",
     "Microsoft ActiveX Data Objects 2.0 Library",
     {}},
    {"ADOR",
     "{00000300-0000-0010-8000-00AA006D2EA4}",
     2,
     0,
     "C:\\Program Files\\Common Files\\System\\ado\\msador15.dll",
     "Microsoft ActiveX Data Objects Recordset 2.0 Library",
     {}},
    {"VBOstrel", "{B7F05D24-0569-4013-8077-F1C7F4A0D42E}", 1, 0, "C:\\Program Files\\VB Ostrel\\VBOstrel.dll",
     "VB Ostrel Run-time Services", kRunTimeClasses},
};

template <typename Field>
const KnownLibrary* Find(std::string_view value, Field field) {
    const auto found =
        std::find_if(std::begin(kLibraries), std::end(kLibraries),
                     [&](const KnownLibrary& library) { return vb::TextEquals(library.*field, value); });
    return found == std::end(kLibraries) ? nullptr : found;
}

}  // namespace

std::span<const KnownLibrary> KnownLibraries() {
    return kLibraries;
}

const KnownLibrary* KnownLibraryNamed(std::string_view name) {
    return Find(name, &KnownLibrary::name);
}

const KnownLibrary* KnownLibraryWithGuid(std::string_view guid) {
    return Find(guid, &KnownLibrary::guid);
}

}  // namespace vbide
