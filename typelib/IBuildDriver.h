#pragma once
// The build driver without a window: what the IDE's command line runs for an unattended build. It loads an
// application from a repository file and runs the generate-code dialog's build for the chosen business
// objects into the IDE's project group, answering every question itself.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/vb/Object.h"

namespace vbide {
class VBE;
}

namespace typelib {

struct GenerateRequest {
    std::filesystem::path repository;  // the repository file
    std::string application;           // the application's name
    std::vector<std::string> objects;  // the business objects to build; empty for all
    bool forms = true;                 // run the form patterns too (off with --no-forms)
    bool discardEdits = false;         // regenerated components lose the code between their edit points
};

struct GeneratedComponent {
    std::string project;
    std::string component;
    std::string businessObject;
    std::string linesOfCode;
};

struct GenerateResult {
    std::vector<GeneratedComponent> components;  // as the construction monitor lists them
    int32_t totalLines = 0;
    std::vector<std::string> warnings;  // the generation warnings, accepted
};

class IBuildDriver : public vb::Object {
  public:
    // Raises vb::Error with a message that says what failed: a repository that cannot be opened, an
    // unknown application or business object, a model check that stops the run, a pattern that fails.
    virtual GenerateResult Generate(const std::shared_ptr<vbide::VBE>& vbe,
                                    const GenerateRequest& request) = 0;
};

}  // namespace typelib
