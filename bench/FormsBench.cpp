// The form patterns over the synthetic application of 200 business objects with 15 properties each,
// through the real engine and the patterns created by ProgID from the pattern library, as a run with forms
// builds them: every look-up form then the startup form; and every list form with its search form. Each
// time is printed beside its old target of 0.5 s and the machine's load average, for reading (only a fast
// machine meets it; how forms keep up with the rest is judged by bench_generate's ratio); the program fails
// when a build fails or asks something.

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/LoadAverage.h"
#include "bench/SyntheticApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"

int main() {
    constexpr double kOldTargetSeconds = 0.5;
    const auto application = bench::SyntheticApplication(200, 15);
    for (const auto& businessObject : *application->BusinessObjects())
        businessObject->SetIsBuilt(true);
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    const auto vbe = std::make_shared<vbide::VBE>();
    const auto tools = std::make_shared<core::qelToolProperties>();

    int failures = 0;
    auto build = [&](const std::shared_ptr<core::qelBusinessObject>& businessObject,
                     const std::string& progId) {
        failures += std::make_shared<core::qelConstructor>()->BuildPattern(vbe, application, businessObject,
                                                                           progId, tools) != 0;
    };
    auto seconds = [](std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };

    auto start = std::chrono::steady_clock::now();
    for (const auto& businessObject : *application->BusinessObjects())
        build(businessObject, "Brisolet.StdLookupForm");
    build(application->BusinessObjects()->Item(1), "Brisolet.StdStartupForm");
    const double lookup = seconds(start);

    start = std::chrono::steady_clock::now();
    for (const auto& businessObject : *application->BusinessObjects())
        build(businessObject, "Brisolet.StdListForm");
    const double list = seconds(start);

    std::printf("startup and look-up forms of 200 x 15: %.3f s (old target %.1f s, for reading); %s\n",
                lookup, kOldTargetSeconds, bench::LoadAverage().c_str());
    std::printf("list and search forms of 200 x 15: %.3f s (old target %.1f s, for reading); %s\n", list,
                kOldTargetSeconds, bench::LoadAverage().c_str());
    std::printf("%d failed builds, %zu questions asked\n", failures, script.Prompts().size());
    return failures == 0 && script.Prompts().empty() ? 0 : 1;
}
