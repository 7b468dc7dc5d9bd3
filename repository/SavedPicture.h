#pragma once
// What a save of an application model would write, as one text: every row with its ID (0 for a row it
// would add) and columns, in the order the save writes them. Two models with the same picture leave the
// repository the same; a command compares the pictures before and after to know whether it changed
// anything.

#include <string>

namespace core {
class qelApplication;
}

namespace repository {

std::string SavedPicture(const core::qelApplication& application);

}  // namespace repository
