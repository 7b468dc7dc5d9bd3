#pragma once
// The byte layout of a business object's record type, as the type module declares it: one value member
// per property (none for Memo and OLE Object), a two-byte change flag per property, then the key text.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "typelib/IProperty.h"

namespace recordlayout {

struct RecordLayout {
    int32_t byteCount = 0;     // the whole record, key text included
    int32_t keyLength = 0;     // characters of ObjectID
    int32_t bufferLength = 0;  // characters of the string that holds the record's bytes
};

// Bytes a record may take: a procedure's variable of a record type holds at most 32K, and a class keeps
// two records beside its other data within the 64K of a module's fixed data.
constexpr int32_t kMaxRecordBytes = 32000;

// Why a record of `bytes` (a count, in words) is refused: "takes <bytes> bytes, more than the 32000 ...",
// with what to do.
std::string RecordSizeFault(const std::string& bytes);

// The member line of a property ("   &PropName As Long"), or none for a type without a value member.
std::optional<std::string> MemberLine(const typelib::IProperty& property);

// Counts in Long arithmetic (6 on overflow; 91 for a property not set). The buffer is rounded up, so it
// holds every byte.
RecordLayout MeasureRecord(const std::vector<std::shared_ptr<typelib::IProperty>>& properties);

// The bytes that bring `byteCount` up to a multiple of 4 (the remainder keeps the count's sign, so -1
// gives 5).
int32_t PaddingTo4(int32_t byteCount);

}  // namespace recordlayout
