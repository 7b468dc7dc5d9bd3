#include "builder/BuildDriver.h"

#include <algorithm>

#include "builder/UnattendedInteraction.h"
#include "core/frmCodeGeneration.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/RepositoryFile.h"

namespace builder {
namespace {

constexpr const char* kSource = "BuildDriver.Generate";

[[noreturn]] void Fail(const std::string& message) {
    vb::Raise(vb::kInvalidProcedureCall, kSource, message);
}

std::shared_ptr<core::qelApplication> LoadNamedApplication(const std::filesystem::path& file,
                                                           const std::string& name) {
    // A repository that cannot be used, or would have to be brought up to date, is refused and left as it is.
    const auto repository = repository::OpenRepositoryToRead(file);
    for (const auto& stored : repository::ReadStoredApplications(*repository)) {
        if (stored->Name() == name)
            return repository::LoadApplication(*repository, *stored);
    }
    Fail("The repository " + file.string() + " holds no application named " + name + ".");
}

// Ticks exactly the business objects asked for (all when none is named), their names compared as VB compares
// them, ignoring letter case.
void Select(core::frmCodeGeneration& form, const core::qelApplication& application,
            const std::vector<std::string>& objects) {
    for (const auto& name : objects) {
        if (!application.BusinessObjects()->Exists(name)) {
            Fail("The application " + application.Name() + " has no business object named " + name + ".");
        }
    }
    const auto& table = form.SelectionTable();
    for (size_t row = 0; row < table.size(); ++row) {
        const bool wanted =
            objects.empty() || std::any_of(objects.begin(), objects.end(), [&](const auto& name) {
                return vb::TextEquals(name, table[row].name);
            });
        if (wanted != (table[row].selected == 1)) {
            form.grdBuildBusObj_Click(static_cast<int32_t>(row + 1),
                                      core::frmCodeGeneration::kSelectionColumn);
        }
    }
}

}  // namespace

typelib::GenerateResult BuildDriver::Generate(const std::shared_ptr<vbide::VBE>& vbe,
                                              const typelib::GenerateRequest& request) {
    UnattendedInteraction interaction(request.discardEdits);
    ui::ScopedInteraction installed(interaction);

    const auto application = LoadNamedApplication(request.repository, request.application);
    std::shared_ptr<core::qelConstructor> engine;
    core::frmCodeGeneration form([&engine] {
        engine = std::make_shared<core::qelConstructor>();
        return engine;
    });
    form.SetVBInstance(vbe);
    form.SetApplication(application);
    form.SetToolProperties(std::make_shared<core::qelToolProperties>());
    form.Show();
    Select(form, *application, request.objects);
    form.SetAllForms(request.forms);
    form.cmdGenerate_Click();

    if (!interaction.Failures().empty()) {
        std::string message;
        for (const auto& failure : interaction.Failures())
            message += (message.empty() ? "" : "\n") + failure;
        Fail(message);
    }
    typelib::GenerateResult result;
    result.warnings = interaction.Warnings();
    if (engine) {
        for (const auto& row : engine->Monitor().Rows()) {
            result.components.push_back({row.project, row.component, row.businessObject, row.linesOfCode});
        }
        result.totalLines = engine->Monitor().TotalLines();
    }
    return result;
}

}  // namespace builder
