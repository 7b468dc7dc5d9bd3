#include "tests/core/TestPatterns.h"

#include "platform/automation/ClassTable.h"

namespace testpatterns {
namespace {

Script& NextScript() {
    static Script script;
    return script;
}

}  // namespace

void SetScript(Script script) {
    NextScript() = std::move(script);
}

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

std::weak_ptr<BarePattern>& LastPattern() {
    static std::weak_ptr<BarePattern> last;
    return last;
}

void BarePattern::SetApplication(std::shared_ptr<typelib::IApplication> value) {
    CallLog().push_back("Application");
    application = std::move(value);
}
void BarePattern::SetBusinessObject(std::shared_ptr<typelib::IBusinessObject> value) {
    CallLog().push_back("BusinessObject");
    businessObject = std::move(value);
}
void BarePattern::SetProperties(std::shared_ptr<typelib::PropertyList> value) {
    CallLog().push_back("Properties");
    properties = std::move(value);
}
void BarePattern::SetMethods(std::shared_ptr<typelib::MethodList> value) {
    CallLog().push_back("Methods");
    methods = std::move(value);
}
void BarePattern::SetConstructor(std::shared_ptr<typelib::IConstructor> value) {
    CallLog().push_back("Constructor");
    engine = std::move(value);
}

std::optional<int16_t> BarePattern::Build() {
    CallLog().push_back("Build");
    LastPattern() = weak_from_this();
    return NextScript() ? NextScript()(*this) : std::nullopt;
}

}  // namespace testpatterns

OSTREL_EXPORT_CLASSES(automation::ClassOf<testpatterns::ScriptedPattern>("TestPatterns.Scripted"),
                      automation::ClassOf<testpatterns::BarePattern>("TestPatterns.Bare"))
