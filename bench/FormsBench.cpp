// The startup and look-up form patterns over the synthetic application of 200 business objects with 15
// properties each: every look-up form, then the startup form, through the real engine and the patterns
// created by ProgID from the pattern library, as a run with forms builds them.

#include <chrono>
#include <cstdio>
#include <memory>

#include "bench/SyntheticApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"

int main() {
    constexpr double kTargetSeconds = 0.5;
    const auto application = bench::SyntheticApplication(200, 15);
    for (const auto& businessObject : *application->BusinessObjects())
        businessObject->SetIsBuilt(true);
    ui::ScriptedInteraction script;
    ui::ScopedInteraction installed(script);
    const auto vbe = std::make_shared<vbide::VBE>();
    const auto tools = std::make_shared<core::qelToolProperties>();

    const auto start = std::chrono::steady_clock::now();
    int failures = 0;
    for (const auto& businessObject : *application->BusinessObjects()) {
        failures += std::make_shared<core::qelConstructor>()->BuildPattern(
                        vbe, application, businessObject, "Brisolet.StdLookupForm", tools) != 0;
    }
    failures +=
        std::make_shared<core::qelConstructor>()->BuildPattern(
            vbe, application, application->BusinessObjects()->Item(1), "Brisolet.StdStartupForm", tools) != 0;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("startup and look-up forms of 200 x 15: %.3f s (target %.1f s), %d failed builds\n", seconds,
                kTargetSeconds, failures);
    return seconds <= kTargetSeconds && failures == 0 && script.Prompts().empty() ? 0 : 1;
}
