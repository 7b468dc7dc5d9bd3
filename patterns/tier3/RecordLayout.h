#pragma once
// The byte layout of a business object's record type, as the type module declares it: one value member
// per property (none for Memo and OLE Object), a two-byte change flag per property, then the key text.

#include <cstdint>
#include <optional>
#include <string>

#include "patternkit/ModelSets.h"
#include "typelib/IProperty.h"

namespace tier3 {

struct RecordLayout {
    int32_t byteCount = 0;     // the whole record, key text included
    int32_t keyLength = 0;     // characters of ObjectID
    int32_t bufferLength = 0;  // characters of the string that holds the record's bytes
};

// Bytes a record may take: a procedure's variable of a record type holds at most 32K, and a class keeps
// two records beside its other data within the 64K of a module's fixed data.
constexpr int32_t kMaxRecordBytes = 32000;

// The member line of a property ("   &PropName As Long"), or none for a type without a value member.
std::optional<std::string> MemberLine(const typelib::IProperty& property);

// Counts in Long arithmetic (6 on overflow). The buffer is rounded up, so it holds every byte.
RecordLayout MeasureRecord(const patternkit::PropertySet& properties);

}  // namespace tier3
