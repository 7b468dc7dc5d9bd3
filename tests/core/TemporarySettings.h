#pragma once
// Points the per-user settings store at a fresh folder of its own while it lives, then back.

#include "tests/support/ScopedFolderVariable.h"

class TemporarySettings : public testing_support::ScopedFolderVariable {
  public:
    TemporarySettings() : ScopedFolderVariable("XDG_CONFIG_HOME") {}
};
