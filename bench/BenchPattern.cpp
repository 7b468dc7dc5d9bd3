#include "bench/BenchPattern.h"

#include <memory>
#include <optional>
#include <string>

#include "core/qelBusObjProperty.h"
#include "platform/automation/ClassTable.h"
#include "typelib/IPattern.h"

namespace benchpatterns {
namespace {

std::function<void(typelib::IConstructor&)>& Body() {
    static std::function<void(typelib::IConstructor&)> body;
    return body;
}

class BenchPattern : public typelib::IPattern {
  public:
    void SetApplication(std::shared_ptr<typelib::IApplication>) override {}
    void SetBusinessObject(std::shared_ptr<typelib::IBusinessObject> value) override { mBusObj = value; }
    void SetProperties(std::shared_ptr<typelib::PropertyList>) override {}
    void SetMethods(std::shared_ptr<typelib::MethodList>) override {}
    void SetConstructor(std::shared_ptr<typelib::IConstructor> value) override { mEngine = value; }
    std::optional<int16_t> Build() override {
        Body()(*mEngine);
        return 0;
    }
    std::shared_ptr<typelib::IBusinessObject> CurrentBusObj() const override { return mBusObj; }
    std::shared_ptr<typelib::IProperty> CurrentProperty() const override { return mProperty; }
    std::string PatternName() const override { return "Bench"; }
    std::string DeveloperName() const override { return {}; }
    std::string Version() const override { return {}; }
    std::string Revision() const override { return {}; }
    std::string ComponentName() const override { return {}; }

  private:
    std::shared_ptr<typelib::IBusinessObject> mBusObj;
    std::shared_ptr<typelib::IProperty> mProperty = [] {
        auto property = std::make_shared<core::qelBusObjProperty>();
        property->SetName("Amount");
        property->SetDataType("Currency");
        return property;
    }();
    std::shared_ptr<typelib::IConstructor> mEngine;
};

}  // namespace

void SetBody(std::function<void(typelib::IConstructor&)> body) {
    Body() = std::move(body);
}

}  // namespace benchpatterns

OSTREL_EXPORT_CLASSES(automation::ClassOf<benchpatterns::BenchPattern>("Bench.Pattern"))
