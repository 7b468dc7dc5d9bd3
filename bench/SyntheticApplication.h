#pragma once
// The synthetic application the build benchmarks run: `businessObjects` business objects of `properties`
// properties each (a Long key first, then a mix of types), in three projects over a data source.

#include <memory>
#include <string>

#include "core/qelApplication.h"
#include "tests/repository/TestModels.h"

namespace bench {

inline std::shared_ptr<core::qelApplication> SyntheticApplication(int businessObjects, int properties) {
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("Synthetic");
    application->SetArchitecture(3);
    application->SetL1ProjectName("SyntheticUI");
    application->SetL2ProjectName("SyntheticBus");
    application->SetL3ProjectName("SyntheticData");
    application->SetDBType("SQL");
    application->SetDSN("Synthetic");
    const char* types[] = {"String", "Long", "Currency", "Date", "Boolean", "Memo", "Double"};
    for (int b = 1; b <= businessObjects; ++b) {
        const std::string name = "Thing" + std::to_string(b);
        const auto businessObject = repository_test::AddBusinessObject(*application, name, name + " Table");
        for (int p = 1; p <= properties; ++p) {
            repository_test::PropertySpec shape{"Field" + std::to_string(p), p == 1 ? "Long" : types[p % 7]};
            shape.IsKey = p == 1;
            repository_test::AddProperty(*application, businessObject, shape);
        }
    }
    return application;
}

}  // namespace bench
