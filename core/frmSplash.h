#pragma once
// The about box: the version of the add-in library that is loaded.

#include <string>

namespace core {

class frmSplash {
  public:
    // "Version " and the library's major, minor and revision numbers.
    static std::string VersionText();
    // Shows the about box without waiting; its OK button, a key or a click on it closes it.
    static void Show();
};

}  // namespace core
