#pragma once
// The build driver that the IDE's command line creates by ProgID ("VBOSTREL.BuildDriver"): the
// generate-code dialog's build, run without a window on an application loaded from a repository file.

#include "typelib/IBuildDriver.h"

namespace builder {

class BuildDriver : public typelib::IBuildDriver {
  public:
    typelib::GenerateResult Generate(const std::shared_ptr<vbide::VBE>& vbe,
                                     const typelib::GenerateRequest& request) override;
};

}  // namespace builder
