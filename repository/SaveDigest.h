#pragma once
// A digest of what a save of an application model would write: every row with its ID (0 for a row it
// would add) and columns, in the order the save writes them. Two models with the same digest leave the
// repository the same; a command compares the digests before and after to know whether it changed
// anything. A digest, not the rows' text, so that a large model costs no copy of it.

#include <cstdint>

namespace core {
class qelApplication;
}

namespace repository {

uint64_t SaveDigest(const core::qelApplication& application);

}  // namespace repository
