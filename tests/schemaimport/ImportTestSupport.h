#pragma once
// Running an import as File > New does: a FilingSink holding a new application of the given database,
// the table selection answered by a script.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/StatusSink.h"
#include "platform/ui/ScriptedInteraction.h"
#include "schemaimport/FilingSink.h"
#include "schemaimport/ImportData.h"
#include "schemaimport/frmImportSelection.h"
#include "tests/schemaimport/CatalogDatabases.h"
#include "tests/support/OdbcSandbox.h"

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

// The status bar's texts, in order.
class StatusRecorder : public core::StatusSink {
  public:
    void ShowStatusText(const std::string& text) override { Texts.push_back(text); }
    std::vector<std::string> Texts;
};

// Every prompt as "text | style | title".
inline std::vector<std::string> PromptTexts(const ui::ScriptedInteraction& script) {
    std::vector<std::string> texts;
    for (const auto& prompt : script.Prompts())
        texts.push_back(prompt.prompt + " | " + std::to_string(prompt.buttons) + " | " + prompt.title);
    return texts;
}

// The closing word of a synchronisation that ran to its end.
inline std::string Synchronized(int32_t relationships) {
    return "The application is synchronized with its database and has " + std::to_string(relationships) +
           (relationships == 1 ? " relationship" : " relationships") + ". Save it to keep the changes.";
}

// The closing word of one that changed nothing.
inline constexpr const char* kSynchronizedUnchanged =
    "The application is synchronized with its database; nothing changed.";

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

// A new database of `kind` holding `statements`, registered as a data source (one name per driver, as
// unixODBC keeps what it read of a source), and a new application of it with DBType "SQL".
inline std::shared_ptr<core::qelApplication> NewDatabase(catalog_test::Kind kind,
                                                         const std::vector<std::string>& statements,
                                                         const std::filesystem::path& folder) {
    using testing_support::OdbcSandbox;
    static int count = 0;
    const std::string source = "App" + std::to_string(++count);
    if (kind == catalog_test::Kind::Postgres) {
        auto& cluster = testing_support::PostgresCluster::Get();
        const std::string name = testing_support::PostgresCluster::NewDatabaseName("import");
        catalog_test::Run(cluster.ConnectString("postgres"), {"CREATE DATABASE " + name});
        catalog_test::Run(cluster.ConnectString(name), statements);
        OdbcSandbox::Get().AddUserSource(
            source, OdbcSandbox::kPostgresDriver,
            {{"Servername", "127.0.0.1"}, {"Port", std::to_string(cluster.Port())}, {"Database", name}});
    } else {
        const auto file = folder / (source + ".db");
        catalog_test::Run("Driver=SQLite3;Database=" + file.string(), statements);
        OdbcSandbox::Get().AddUserSource(source, OdbcSandbox::kSqliteDriver, {{"Database", file.string()}});
    }
    auto application = NewApplication("SQL", source);
    application->SetUserName("postgres");
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

// Every table of the application's database imported as File > New does; the text of each prompt shown.
inline std::vector<std::string> ImportEveryTable(const std::shared_ptr<core::qelApplication>& application) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog(Choose());
    schemaimport::FilingSink sink;
    ImportInto(sink, application);
    std::vector<std::string> prompts;
    for (const auto& prompt : script.Prompts())
        prompts.push_back(prompt.prompt);
    return prompts;
}

}  // namespace import_test
