// A small library of classes, as the add-in and the pattern library are.

#include "platform/automation/ClassTable.h"
#include "tests/platform/automation/Greeter.h"

namespace {

class EnglishGreeter : public Greeter {
  public:
    std::string Greet(const std::string& name) const override { return "Hello, " + name; }
};

class Unrelated : public vb::Object {};

}  // namespace

OSTREL_EXPORT_CLASSES(automation::ClassOf<EnglishGreeter>("TestLib.Greeter"),
                      automation::ClassOf<Unrelated>("TestLib.Unrelated"))
