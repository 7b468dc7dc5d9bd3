// The schema import of a large database through the filing sink: 1,000 tables of 10 columns, each
// referring to the one before, from SQLite and from PostgreSQL through their ODBC drivers; then the
// synchronisation of the imported model with the unchanged database. Each figure stands beside its old
// target of 2 s and the machine's load average, for reading (only a fast machine meets it); the program
// exits 1 when a model comes out wrong or the synchronisation asks something.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/LoadAverage.h"
#include "core/qelApplication.h"
#include "platform/odbc/Odbc.h"
#include "platform/ui/ScriptedInteraction.h"
#include "schemaimport/FilingSink.h"
#include "schemaimport/ImportData.h"
#include "schemaimport/Synchronize.h"
#include "schemaimport/frmImportSelection.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/PostgresCluster.h"

namespace {

constexpr int kTables = 1000;
constexpr double kOldTargetSeconds = 2.0;

std::string TableName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "T%04d", i);
    return name;
}

std::vector<std::string> Schema() {
    std::vector<std::string> statements;
    for (int i = 0; i < kTables; ++i) {
        std::string sql =
            "CREATE TABLE \"" + TableName(i) + "\" (\"ID\" INTEGER PRIMARY KEY, \"Prev\" INTEGER";
        if (i > 0)
            sql += " REFERENCES \"" + TableName(i - 1) + "\" (\"ID\")";
        for (int c = 3; c <= 10; ++c)
            sql += ", \"Col" + std::to_string(c) + "\" VARCHAR(20)";
        statements.push_back(sql + ")");
    }
    return statements;
}

void Run(const std::string& connectString, const std::vector<std::string>& statements) {
    odbc::Connection connection;
    connection.Open(connectString);
    odbc::Statement statement(connection);
    for (const std::string& sql : statements)
        statement.Execute(sql);
}

struct Seconds {
    double import = 0;
    double synchronize = 0;
};

void CheckModel(const std::string& dsn, const char* after, const core::qelApplication& application) {
    if (application.BusinessObjects()->Count() != kTables ||
        application.Relationships()->Count() != kTables - 1) {
        std::fprintf(stderr, "%s: %s %d tables and %d relationships\n", dsn.c_str(), after,
                     application.BusinessObjects()->Count(), application.Relationships()->Count());
        std::exit(1);
    }
}

// Seconds that ImportData takes to import every table of the data source `dsn` with relationships, and
// that SynchronizeApplication then takes; the synchronisation must ask nothing.
Seconds MeasureSeconds(const std::string& dsn) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog([](ui::ModalDialog& dialog) {
        auto& form = dynamic_cast<schemaimport::frmImportSelection&>(dialog);
        form.cmdMoveTables_Click(1);
        form.cmdOK_Click();
    });
    schemaimport::FilingSink sink;
    auto application = std::make_shared<core::qelApplication>();
    application->SetDBType("SQL");
    application->SetDSN(dsn);
    application->SetUserName("postgres");
    sink.SetApplication(application);
    Seconds seconds;
    auto start = std::chrono::steady_clock::now();
    schemaimport::ImportData(sink, {nullptr, false, false});
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    seconds.import = elapsed.count();
    CheckModel(dsn, "imported", *application);

    start = std::chrono::steady_clock::now();
    schemaimport::SynchronizeApplication(sink);
    elapsed = std::chrono::steady_clock::now() - start;
    seconds.synchronize = elapsed.count();
    CheckModel(dsn, "synchronised", *application);
    if (!script.Prompts().empty() || script.DialogsShown().size() != 1) {
        std::fprintf(stderr, "%s: the synchronisation asked \"%s\"\n", dsn.c_str(),
                     script.Prompts().empty() ? "" : script.Prompts().front().prompt.c_str());
        std::exit(1);
    }
    return seconds;
}

void Report(const char* step, const char* what, double seconds) {
    std::printf("%-15s of %d tables from %-10s %.3f s (old target %.1f s, for reading); %s\n", step, kTables,
                what, seconds, kOldTargetSeconds, bench::LoadAverage().c_str());
}

void Report(const char* what, const Seconds& seconds) {
    Report("import", what, seconds.import);
    Report("synchronisation", what, seconds.synchronize);
}

}  // namespace

int main() {
    ::setenv("OSTREL_SOURCE_DIR", OSTREL_SOURCE_DIR, 0);
    auto& sandbox = testing_support::OdbcSandbox::Get();
    const auto file = sandbox.Folder() / "bench.db";
    std::filesystem::remove(file);
    std::vector<std::string> sqlite = {"PRAGMA journal_mode=MEMORY", "PRAGMA synchronous=OFF"};
    for (std::string& sql : Schema())
        sqlite.push_back(std::move(sql));
    Run("Driver=SQLite3;Database=" + file.string(), sqlite);
    sandbox.AddUserSource("BenchLite", testing_support::OdbcSandbox::kSqliteDriver,
                          {{"Database", file.string()}});

    auto& cluster = testing_support::PostgresCluster::Get();
    const std::string database = testing_support::PostgresCluster::NewDatabaseName("bench");
    Run(cluster.ConnectString("postgres"), {"CREATE DATABASE " + database});
    Run(cluster.ConnectString(database), Schema());
    sandbox.AddUserSource(
        "BenchPg", testing_support::OdbcSandbox::kPostgresDriver,
        {{"Servername", "127.0.0.1"}, {"Port", std::to_string(cluster.Port())}, {"Database", database}});

    Report("SQLite", MeasureSeconds("BenchLite"));
    Report("PostgreSQL", MeasureSeconds("BenchPg"));
    return 0;
}
