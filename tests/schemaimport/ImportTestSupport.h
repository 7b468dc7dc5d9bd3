#pragma once
// Running an import as File > New does: a FilingSink holding a new application of the given database,
// the table selection answered by a script.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ScriptedInteraction.h"
#include "schemaimport/FilingSink.h"
#include "schemaimport/ImportData.h"
#include "schemaimport/frmImportSelection.h"

namespace import_test {

// Moves the named tables to the chosen list in this order (all of them with ">>" when empty) and presses
// OK.
inline ui::ScriptedInteraction::DialogHandler Choose(std::vector<std::string> tables = {}) {
    return [tables](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<schemaimport::frmImportSelection&>(dialog);
        if (tables.empty())
            form.cmdMoveTables_Click(1);
        for (const std::string& table : tables) {
            const auto& list = form.lstAllTables.List;
            form.lstAllTables.ListIndex =
                static_cast<int32_t>(std::find(list.begin(), list.end(), table) - list.begin());
            form.cmdMoveTables_Click(0);
        }
        form.cmdOK_Click();
    };
}

// An application of the database: `dsn` with DSNDBName `database`, or the local file when `dsn` is empty.
inline std::shared_ptr<core::qelApplication> NewApplication(const std::string& dbType, const std::string& dsn,
                                                            const std::string& localFile = "") {
    auto application = std::make_shared<core::qelApplication>();
    application->SetName("Imported");
    application->SetDBType(dbType);
    application->SetDSN(dsn);
    application->SetLocalDBName(localFile);
    return application;
}

// File > New's call: the previous application and flags are those of an empty window.
inline void ImportInto(schemaimport::FilingSink& sink,
                       const std::shared_ptr<core::qelApplication>& application) {
    schemaimport::PreviousApplication previous{sink.Application(), sink.IsAppOpened(), sink.IsImported()};
    sink.SetApplication(application);
    sink.SetIsAppOpened(false);
    sink.SetIsImported(false);
    sink.SetImportSelectionForm(std::make_shared<schemaimport::frmImportSelection>());
    schemaimport::ImportData(sink, previous);
}

}  // namespace import_test
