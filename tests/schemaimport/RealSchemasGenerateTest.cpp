// Schemas like those of public sample databases (a film rental, a music store, a trading company),
// imported as they are and built by `ostrel generate` with forms: link tables of two and three parents,
// decimals, bigint and uuid columns, a nullable self-referencing key, a table without a key, a partitioned
// table and a parent whose name makes a control name longer than VB takes.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportGenerate.h"
#include "tests/schemaimport/ImportTestSupport.h"

namespace schemaimport {
namespace {

using catalog_test::Kind;
using Names = std::vector<std::string>;

Names SharedTables() {
    return {
        "CREATE TABLE actor (actor_id INTEGER PRIMARY KEY, name VARCHAR(45) NOT NULL)",
        R"sql(CREATE TABLE film (film_id INTEGER PRIMARY KEY, title VARCHAR(255) NOT NULL,
            rental_rate NUMERIC(4,2), replacement_cost NUMERIC(19,4), ratio NUMERIC(30,10), loose NUMERIC,
            views BIGINT, code NUMERIC(12,0), small NUMERIC(9,0), guid UUID))sql",
        R"sql(CREATE TABLE film_actor (actor_id INTEGER NOT NULL REFERENCES actor (actor_id),
            film_id INTEGER NOT NULL REFERENCES film (film_id), PRIMARY KEY (actor_id, film_id)))sql",
        "CREATE TABLE playlist (playlist_id INTEGER PRIMARY KEY, name VARCHAR(120))",
        "CREATE TABLE track (track_id INTEGER PRIMARY KEY, name VARCHAR(200) NOT NULL)",
        // Its key declared in another order than its columns: the model numbers key properties in column
        // order, and the parent of the first keeps its relationship identifying.
        R"sql(CREATE TABLE playlist_track (track_id INTEGER NOT NULL REFERENCES track (track_id),
            playlist_id INTEGER NOT NULL REFERENCES playlist (playlist_id),
            actor_id INTEGER NOT NULL REFERENCES actor (actor_id),
            PRIMARY KEY (playlist_id, track_id, actor_id)))sql",
        R"sql(CREATE TABLE employees (employee_id INTEGER PRIMARY KEY, last_name VARCHAR(20) NOT NULL,
            reports_to INTEGER REFERENCES employees (employee_id)))sql",
        "CREATE TABLE customer_demographics (customer_type_id VARCHAR(10) PRIMARY KEY, customer_desc TEXT)",
        R"sql(CREATE TABLE demographic_notes (
            customer_type_id VARCHAR(10) NOT NULL REFERENCES customer_demographics (customer_type_id),
            note_no INTEGER NOT NULL, body TEXT, PRIMARY KEY (customer_type_id, note_no)))sql",
        "CREATE TABLE audit_log (logged_at TIMESTAMP, what VARCHAR(100))",
    };
}

Names PostgresTables() {
    Names tables = SharedTables();
    tables.insert(tables.end(),
                  {
                      R"sql(CREATE TABLE payment (payment_id INTEGER NOT NULL, payment_date DATE NOT NULL,
            amount NUMERIC(5,2) NOT NULL, PRIMARY KEY (payment_id, payment_date)) PARTITION BY RANGE (payment_date))sql",
                      "CREATE TABLE payment_p2022 PARTITION OF payment FOR VALUES FROM ('2022-01-01') TO "
                      "('2023-01-01')",
                      "CREATE TABLE payment_p2023 PARTITION OF payment FOR VALUES FROM ('2023-01-01') TO "
                      "('2024-01-01')",
                      "CREATE TABLE city (city_id INTEGER PRIMARY KEY, name VARCHAR(50))",
                      "CREATE TABLE capital (country VARCHAR(50)) INHERITS (city)",
                  });
    return tables;
}

// Every relationship as "parent -> child RelType always|sometimes", and each business object's
// properties as "object.property Type(Length)", " mandatory" when it is.
Names Relationships(const core::qelApplication& application) {
    Names lines;
    for (const auto& relationship : *application.Relationships()) {
        const auto& toParent = relationship->Associations()->Item(2);
        lines.push_back(toParent->TargetBusObj()->Name() + " -> " + toParent->SourceBusObj()->Name() + " " +
                        relationship->RelType() + (toParent->IsOptional() ? " sometimes" : " always"));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string PropertyLine(const core::qelApplication& application, const std::string& item) {
    const std::string object = item.substr(0, item.find('.'));
    const std::string key =
        object + ".Properties." + item.substr(object.size() + 1, item.find(' ') - object.size() - 1);
    if (!application.BusinessObjects()->Exists(object) ||
        !application.BusinessObjects()->Item(object)->Properties()->Exists(key))
        return item + " missing";
    const auto property = application.BusinessObjects()->Item(object)->Properties()->Item(key);
    return item.substr(0, item.find(' ')) + " " + property->DataType() + "(" +
           std::to_string(property->Length()) + ")" + (property->IsMandatory() ? " mandatory" : "");
}

// The text of the generated file of that name.
std::string GeneratedText(const std::filesystem::path& folder, const std::string& name) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder / "out")) {
        if (entry.path().filename() == name) {
            std::ifstream file(entry.path());
            return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        }
    }
    return {};
}

const char* const kRounded = "These columns became Double properties, which may round their values:";
const char* const kBounded =
    "These columns became Currency properties, which hold values from -922,337,203,685,477 to "
    "922,337,203,685,477 only:";
const char* const kWithoutKey =
    "These tables have no primary key; set a key property on each before it can be built:";
const char* const kFurtherParents =
    "These tables hold the keys of more than one parent in their own key. Each keeps its first parent; the "
    "relationships to the others were made Reference, their columns staying part of the key:";

TEST(RealSchemas, ImportAsTheyAreAndGenerateWithForms) {
    const Names properties = {
        "film.rental_rate Currency(8)",
        "film.replacement_cost Currency(8)",
        "film.ratio Double(8)",
        "film.loose Double(8)",
        "film.views Currency(8)",
        "film.code Currency(8)",
        "film.small Long(4)",
        "film.guid String(36)",
        "employees.reports_to Long(4)",
        "film_actor.film_id Long(4) mandatory",
        "playlist_track.actor_id Long(4) mandatory",
        "demographic_notes.customer_type_id String(10) mandatory",
    };
    const Names relationships = {
        "actor -> film_actor Identifying always",
        "actor -> playlist_track Reference always",
        "customer_demographics -> demographic_notes Identifying always",
        "employees -> employees Reference sometimes",
        "film -> film_actor Reference always",
        "playlist -> playlist_track Reference always",
        "track -> playlist_track Identifying always",
    };
    const struct {
        Kind kind;
        Names statements;
        std::string message;
        Names offered, notOffered;  // tables partitioned, their partitions
    } cases[] = {
        {Kind::Sqlite,
         SharedTables(),
         std::string(kRounded) + "\r\nfilm.ratio\r\nfilm.loose\r\n\r\n" + kBounded +
             "\r\nfilm.views\r\n\r\n" + kWithoutKey + "\r\naudit_log\r\n\r\n" + kFurtherParents +
             "\r\nplaylist_track: Relationship2 to actor\r\nfilm_actor: Relationship3 to film"
             "\r\nplaylist_track: Relationship4 to playlist",
         {},
         {}},
        {Kind::Postgres,
         PostgresTables(),
         std::string(kRounded) + "\r\nfilm.ratio\r\nfilm.loose\r\n\r\n" + kBounded +
             "\r\nfilm.views\r\n\r\n" + kWithoutKey + "\r\naudit_log\r\ncapital\r\n\r\n" + kFurtherParents +
             "\r\nplaylist_track: Relationship2 to actor\r\nfilm_actor: Relationship5 to film"
             "\r\nplaylist_track: Relationship6 to playlist",
         {"payment"},
         {"payment_p2022", "payment_p2023"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind == Kind::Sqlite ? "SQLite" : "PostgreSQL");
        testing_support::OdbcSandbox::Get().Clear();
        dao_test::TestFolder folder;
        const auto application = import_test::NewDatabase(c.kind, c.statements, folder.Path());
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose());
        FilingSink sink;
        import_test::ImportInto(sink, application);

        Names found;
        for (const std::string& item : properties)
            found.push_back(PropertyLine(*application, item));
        EXPECT_EQ(found, properties);
        EXPECT_EQ(Relationships(*application), relationships);
        ASSERT_EQ(script.Prompts().size(), 1u);
        EXPECT_EQ(script.Prompts()[0].prompt, c.message);
        Names withKey;
        for (const auto& businessObject : *application->BusinessObjects()) {
            if (businessObject->KeyProperties()->Count() > 0)
                withKey.push_back(businessObject->Name());
        }
        for (const std::string& partitioned : c.offered)
            EXPECT_TRUE(application->BusinessObjects()->Exists(partitioned)) << partitioned;
        for (const std::string& partition : c.notOffered)
            EXPECT_FALSE(application->BusinessObjects()->Exists(partition)) << partition;

        const auto run = import_test::SaveAndGenerate(*application, folder.Path(), "Rental", withKey);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        int modules = 0;
        EXPECT_EQ(import_test::CheckGenerated(folder.Path(), "Rental", modules), Names{});
        EXPECT_GT(modules, static_cast<int>(withKey.size()) * 4);
        // The parent's key in the context frame: "txt" & parent & "_" & key is 41 characters, cut to 40. The
        // link table's row is found by its whole key, the further parents' columns too.
        EXPECT_NE(GeneratedText(folder.Path(), "frmdemographic_notesDetail.frm")
                      .find("    txtcustomer_demographics_customer_type_i.Text = "),
                  std::string::npos);
        const std::string persist = GeneratedText(folder.Path(), "playlist_trackPersist.cls");
        for (const char* column : {" AND playlist_id  = ", " AND actor_id  = "})
            EXPECT_NE(persist.find(column), std::string::npos) << column;
    }
}

// The Access fixture holds what Access can of such a schema: an 18-digit Decimal, a Replication ID, a table
// without a key.
TEST(RealSchemas, TheAccessFixtureImportedAsItIsGeneratesWithForms) {
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    const auto file = folder.Path() / "import_access.mdb";
    std::filesystem::copy_file(dao_test::Fixture("import_access.mdb"), file);
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog(import_test::Choose());
    const auto application = import_test::NewApplication("Access", "", file.string());
    FilingSink sink;
    import_test::ImportInto(sink, application);
    EXPECT_EQ(PropertyLine(*application, "Orders.Num"), "Orders.Num Double(8)");
    EXPECT_EQ(PropertyLine(*application, "Orders.Guid"), "Orders.Guid String(38)");
    Names withKey;
    for (const auto& businessObject : *application->BusinessObjects()) {
        if (businessObject->KeyProperties()->Count() > 0)
            withKey.push_back(businessObject->Name());
    }
    EXPECT_EQ(withKey, (Names{"Orders", "Order_Lines", "Products", "Emp"}));

    const auto run = import_test::SaveAndGenerate(*application, folder.Path(), "Jet", withKey);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int modules = 0;
    EXPECT_EQ(import_test::CheckGenerated(folder.Path(), "Jet", modules), Names{});
    EXPECT_GT(modules, static_cast<int>(withKey.size()) * 4);
}

}  // namespace
}  // namespace schemaimport
