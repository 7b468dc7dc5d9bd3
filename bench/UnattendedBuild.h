#pragma once
// A build of a whole application without a window: the generate-code dialog's build of every object, with
// or without the forms, through the real engine and the patterns created by ProgID from the pattern library.

#include <memory>
#include <string>
#include <vector>

#include "builder/UnattendedInteraction.h"
#include "core/frmCodeGeneration.h"
#include "core/qelApplication.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/ide/VBE.h"

namespace bench {

// The messages that stopped the build; none when it went through.
inline std::vector<std::string> BuildUnattended(
    const std::shared_ptr<vbide::VBE>& vbe, const std::shared_ptr<core::qelApplication>& application,
    bool forms, core::BuildEngineFactory engines = [] { return std::make_shared<core::qelConstructor>(); }) {
    builder::UnattendedInteraction interaction(false);
    ui::ScopedInteraction installed(interaction);
    core::frmCodeGeneration form(std::move(engines));
    form.SetVBInstance(vbe);
    form.SetApplication(application);
    form.SetToolProperties(std::make_shared<core::qelToolProperties>());
    form.Show();
    form.SetAllForms(forms);
    form.cmdGenerate_Click();
    return interaction.Failures();
}

}  // namespace bench
