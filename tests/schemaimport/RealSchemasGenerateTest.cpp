// Schemas like those of public sample databases (a film rental, a music store, a trading company),
// imported as they are and built by `ostrel generate` with forms: link tables of two and three parents,
// decimals, bigint and uuid columns, a nullable self-referencing key, a table without a key, a partitioned
// table, a parent whose name makes a control name too long, text keys, unreadable views and tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/qelAssociation.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "schemaimport/Synchronize.h"
#include "tests/platform/dao/JetFixtureEdits.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportGenerate.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/FileTree.h"
#include "tests/support/ModelDump.h"

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
        "CREATE TABLE areas (code VARCHAR PRIMARY KEY, name VARCHAR(30))",
        "CREATE TABLE customers (customer_id TEXT, company VARCHAR(40), PRIMARY KEY (customer_id))",
        R"sql(CREATE TABLE orders (order_id INTEGER PRIMARY KEY,
            customer_id TEXT REFERENCES customers (customer_id), area VARCHAR REFERENCES areas (code),
            remark TEXT))sql",
        // A text key that a foreign key refers to but no primary key holds.
        "CREATE TABLE vendors (vendor_id INTEGER PRIMARY KEY, vendor_code TEXT UNIQUE)",
        "CREATE TABLE wares (ware_id INTEGER PRIMARY KEY, vendor_code TEXT REFERENCES vendors (vendor_code))",
    };
}

const char* const kCustomerSort =
    "CREATE VIEW customer_sort AS SELECT customer_id, title_sort(company) AS sort FROM customers";

// Views of functions and virtual tables of modules only the file's own application has; no column type.
Names SqliteTables() {
    Names tables = SharedTables();
    tables.insert(tables.end(),
                  {kCustomerSort, "PRAGMA writable_schema = ON",
                   "INSERT INTO sqlite_master VALUES ('table', 'book_search', 'book_search', 0, "
                   "'CREATE VIRTUAL TABLE book_search USING book_index (title)')",
                   "CREATE TABLE notes (note_id INTEGER PRIMARY KEY, body)"});
    return tables;
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
                      R"sql(CREATE FUNCTION title_sort(TEXT) RETURNS TEXT LANGUAGE plpgsql
            AS $$ BEGIN RAISE EXCEPTION 'title_sort is the application''s own'; END $$)sql",
                      kCustomerSort,
                      "CREATE TABLE places (place_id INTEGER PRIMARY KEY, spot POINT)",
                  });
    return tables;
}

// Each of `items` ("object.property ...") as the application holds it: "object.property Type(Length)",
// " mandatory" when it is.
Names PropertyLines(const core::qelApplication& application, const Names& items) {
    Names lines;
    for (const std::string& item : items) {
        const std::string object = item.substr(0, item.find('.'));
        const std::string key =
            object + ".Properties." + item.substr(object.size() + 1, item.find(' ') - object.size() - 1);
        if (!application.BusinessObjects()->Exists(object) ||
            !application.BusinessObjects()->Item(object)->Properties()->Exists(key)) {
            lines.push_back(item + " missing");
            continue;
        }
        const auto property = application.BusinessObjects()->Item(object)->Properties()->Item(key);
        lines.push_back(item.substr(0, item.find(' ')) + " " + property->DataType() + "(" +
                        std::to_string(property->Length()) + ")" +
                        (property->IsMandatory() ? " mandatory" : ""));
    }
    return lines;
}

Names WithKey(const core::qelApplication& application) {
    Names names;
    for (const auto& businessObject : *application.BusinessObjects()) {
        if (businessObject->KeyProperties()->Count() > 0)
            names.push_back(businessObject->Name());
    }
    return names;
}

// The text of the generated file of that name.
std::string GeneratedText(const std::filesystem::path& folder, const std::string& name) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder / "out")) {
        if (entry.path().filename() == name)
            return testing_support::Contents(entry.path());
    }
    return {};
}

// The application synchronised at once, which shows no dialog; the text of each prompt.
Names SynchronizedAtOnce(const std::shared_ptr<core::qelApplication>& application) {
    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    FilingSink sink;
    sink.SetApplication(application);
    SynchronizeApplication(sink);
    EXPECT_TRUE(script.DialogsShown().empty());
    return import_test::PromptTexts(script);
}

// The heading of the columns of guessed types, and its end where one of them became String(255).
const std::string kUnknownTypes =
    "These columns are of types the import does not know, or of none; each became the property named after "
    "it";
const std::string kCut =
    ", and where that is String(255) the generated application cuts longer values to 255 characters when it "
    "reads them:\r\n";

// What the import tells of this schema: its paragraphs of tables not read and of columns of guessed types,
// the tables without a key, and the relationships of link tables made Reference.
std::string ImportNotes(const std::string& notRead, const std::string& guessed, const std::string& withoutKey,
                        const std::string& furtherParents) {
    return notRead + guessed +
           "\r\n\r\nThese columns became Double properties, which may round their values:\r\nfilm.ratio"
           "\r\nfilm.loose\r\n\r\nThese columns became Currency properties, which hold values from "
           "-922,337,203,685,477 to 922,337,203,685,477 only:\r\nfilm.views\r\n\r\nThese columns hold text "
           "of any length in a key and became String(255) properties, whose values may be cut to 255 "
           "characters:\r\nareas.code\r\ncustomers.customer_id\r\norders.customer_id\r\norders.area\r\n"
           "vendors.vendor_code\r\nwares.vendor_code\r\n\r\n"
           "These tables have no primary key; set a key property on each before it can be built:\r\n" +
           withoutKey +
           "\r\n\r\nThese tables hold the keys of more than one parent in their own key. Each keeps its "
           "first "
           "parent; the relationships to the others were made Reference, their columns staying part of the "
           "key:\r\n" +
           furtherParents;
}

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
        "areas.code String(255) mandatory",
        "customers.customer_id String(255) mandatory",
        "orders.customer_id String(255)",
        "orders.area String(255)",
        "orders.remark Memo(0)",
        "vendors.vendor_code String(255)",
        "wares.vendor_code String(255)",
    };
    const Names relationships = {
        "actor -> film_actor Identifying always",
        "actor -> playlist_track Reference always",
        "areas -> orders Reference sometimes",
        "customer_demographics -> demographic_notes Identifying always",
        "customers -> orders Reference sometimes",
        "employees -> employees Reference sometimes",
        "film -> film_actor Reference always",
        "playlist -> playlist_track Reference always",
        "track -> playlist_track Identifying always",
        "vendors -> wares Reference sometimes",
    };
    const struct {
        Kind kind;
        Names statements;
        std::string notes;
        Names offered, notOffered;  // tables partitioned; their partitions, views, tables not read
    } cases[] = {
        {Kind::Sqlite,
         SqliteTables(),
         ImportNotes("These tables could not be read and were not imported:\r\nbook_search: [HY000] "
                     "[SQLite]no such module: book_index (1)\r\n\r\n",
                     kUnknownTypes + ":\r\nnotes.body (no declared type): OLE Object", "audit_log",
                     "film_actor: Relationship2 to film\r\nplaylist_track: Relationship4 to playlist\r\n"
                     "playlist_track: Relationship5 to actor"),
         {},
         {"customer_sort", "book_search"}},
        {Kind::Postgres,
         PostgresTables(),
         ImportNotes("", kUnknownTypes + kCut + "places.spot (point): String(255)", "audit_log\r\ncapital",
                     "playlist_track: Relationship2 to actor\r\nfilm_actor: Relationship7 to film\r\n"
                     "playlist_track: Relationship8 to playlist"),
         {"payment"},
         {"payment_p2022", "payment_p2023", "customer_sort"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind == Kind::Sqlite ? "SQLite" : "PostgreSQL");
        testing_support::OdbcSandbox::Get().Clear();
        dao_test::TestFolder folder;
        const auto application = import_test::NewDatabase(c.kind, c.statements, folder.Path());
        application->SetDBType(c.kind == Kind::Sqlite ? "Access" : "SQL");  // SQLite as Browse takes it
        EXPECT_EQ(import_test::ImportEveryTable(application), Names{c.notes});
        EXPECT_EQ(PropertyLines(*application, properties), properties);
        EXPECT_EQ(testing_support::Relationships(*application), relationships);
        for (const std::string& partitioned : c.offered)
            EXPECT_TRUE(application->BusinessObjects()->Exists(partitioned)) << partitioned;
        for (const std::string& partition : c.notOffered)
            EXPECT_FALSE(application->BusinessObjects()->Exists(partition)) << partition;
        // Synchronised at once, it stays as imported, offering nothing (not the table it could not read).
        EXPECT_EQ(SynchronizedAtOnce(application), Names{std::string(import_test::kSynchronizedUnchanged) +
                                                         " | 64 | Database Synchornization"});
        EXPECT_EQ(PropertyLines(*application, properties), properties);

        import_test::ExpectBuiltClean(*application, folder.Path(), "Rental", WithKey(*application));
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
// without a key, foreign keys whose column is not required (and so not mandatory) and one in a key.
TEST(RealSchemas, TheAccessFixtureImportedAsItIsGeneratesWithForms) {
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    const auto file = folder.Path() / "import_access.mdb";
    std::filesystem::copy_file(dao_test::Fixture("import_access.mdb"), file);
    const auto application = import_test::NewApplication("Access", "", file.string());
    import_test::ImportEveryTable(application);
    const Names properties = {"Orders.Num Double(8)", "Orders.Guid String(38)"};
    EXPECT_EQ(PropertyLines(*application, properties), properties);
    EXPECT_EQ(WithKey(*application), (Names{"Orders", "Order_Lines", "Products", "Emp"}));
    import_test::ExpectBuiltClean(*application, folder.Path(), "Jet", WithKey(*application));
    EXPECT_NE(GeneratedText(folder.Path(), "Products.cls")
                  .find("    mcolPropMandatory.Add False, \"AltProductID\""),
              std::string::npos);
}

// Names alike but for letter case, REAL, an untyped key, a 110-character column, generated (virtual and
// stored) and identity columns, the ACE files' calculated, complex, extended-date and AutoNumber columns:
// each imported, named at the end, kept by a synchronisation and built; no Add or Update writes a column the
// database fills.
TEST(RealSchemas, NamesTypesAndColumnsTheDatabaseFillsImportAndGenerate) {
    const std::string wide(110, 'w'), cut(30, 'w');
    const std::string computed =
        "These columns are computed by the database, which refuses values written to them, and were not "
        "imported:\r\n";
    const std::string keys =
        "\r\n\r\nThese columns are numbered by the database and became Read Only properties, "
        "which Add and Update leave unwritten:\r\n";
    const std::string numbered =
        "\r\n\r\nThese tables and columns would take the name of a business object or property made before "
        "them (VB ignores letter case); each took a number and became the one named after it:\r\n";
    const std::string calcShape =
        "Table1(Table1): ID*~ Long(4) FirstName String(255) LastName String(255) City String(255) Salary "
        "Currency(8) Popularity Double(8)";
    const std::string calcNotes =
        computed +
        "Table1.LastFirst\r\nTable1.LastFirstLen\r\nTable1.MonthlySalary\r\nTable1.IsRich\r\nTable1.AllNames"
        "\r\nTable1.WeeklySalary\r\nTable1.SalaryTest\r\nTable1.BoolTest\r\nTable1.DecimalTest\r\n"
        "Table1.FloatTest\r\nTable1.BigNumTest\r\n\r\nThese columns became Double properties, which may "
        "round their values:\r\nTable1.Popularity";
    const struct {
        std::string source;  // "SQLite", "PostgreSQL" or an ACE fixture
        Names shape, prompts, unwritten, statements = {};
        // An edited copy of the fixture, made in the folder given.
        std::function<std::filesystem::path(const std::filesystem::path&)> edited = nullptr;
    } cases[] = {
        {"SQLite",
         {"Über(Über): Ärger* Long(4) ärger2=ärger Double(8) " + cut + "=" + wide + " String(9)",
          "über2(über): id* Long(4) Über+ Long(4)",
          "t_idx(t_idx): segid* String(255) term* String(255) pgno OLE Object(0)"},
         {"The property name " + wide + " breaks a rule of VB names (Name too long!) so the property name " +
              "will be converted to: " + cut + ".",
          computed + "Über.twice\r\nÜber.thrice\r\n\r\n" + kUnknownTypes + kCut +
              "t_idx.segid (no declared type): String(255)\r\n" +
              "t_idx.term (no declared type): String(255)\r\nt_idx.pgno (no declared type): OLE Object\r\n" +
              "\r\nThese columns hold text of any length in a key and became String(255) properties, whose " +
              "values may be cut to 255 characters:\r\nt_idx.segid\r\nt_idx.term" + numbered +
              "Über.ärger: ärger2\r\nüber: über2"},
         {"twice", "thrice"},
         {R"sql(CREATE TABLE "Über" ("Ärger" INTEGER PRIMARY KEY, "ärger" REAL, ")sql" + wide +
              R"sql(" VARCHAR(9), twice INTEGER GENERATED ALWAYS AS ("Ärger" * 2),
              thrice INTEGER GENERATED ALWAYS AS ("Ärger" * 3) STORED))sql",
          R"sql(CREATE TABLE "über" (id INTEGER PRIMARY KEY AUTOINCREMENT, "Über" INTEGER REFERENCES "Über"))sql",
          "CREATE TABLE t_idx (segid, term, pgno, PRIMARY KEY (segid, term)) WITHOUT ROWID"}},
        {"PostgreSQL",
         {"Customer(Customer): id* Long(4) Name String(40) name2=name String(40) NAME3=NAME String(40) "
          "score Single(4)",
          "customer2(customer): id* Long(4) Customer+ Long(4) note Memo(0) CUSTOMER2=CUSTOMER+ Long(4)",
          "ticket(ticket): no*~ Long(4) given Long(4) counter Long(4)"},
         {computed + "Customer.twice\r\n\r\nThese columns are numbered by the database, which refuses " +
          "values written to them, and were not imported:\r\nticket.seq" + keys + "ticket.no" + numbered +
          "Customer.name: name2\r\nCustomer.NAME: NAME3\r\n" +
          "customer: customer2\r\ncustomer.CUSTOMER: CUSTOMER2"},
         {"twice", "no", "seq"},
         {R"sql(CREATE TABLE "Customer" (id integer PRIMARY KEY, "Name" varchar(40) NOT NULL, name varchar(40),
              "NAME" varchar(40), score real, twice integer GENERATED ALWAYS AS (id * 2) STORED))sql",
          R"sql(CREATE TABLE customer (id integer PRIMARY KEY, "Customer" integer REFERENCES "Customer"(id),
              note text, "CUSTOMER" integer REFERENCES "Customer"(id)))sql",
          R"sql(CREATE TABLE ticket (no integer GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
              seq integer GENERATED ALWAYS AS IDENTITY, given integer GENERATED BY DEFAULT AS IDENTITY,
              counter serial))sql"}},
        {"calcFieldTestV2010.accdb",
         {calcShape},
         {calcNotes + keys + "Table1.ID"},
         {"LastFirst", "AllNames", "MonthlySalary", "ID"}},
        // Its Salary a Large Number: a Currency property, as a bigint.
        {"calcFieldTestV2010.accdb",
         {calcShape},
         {calcNotes + "\r\n\r\nThese columns became Currency properties, which hold values from " +
          "-922,337,203,685,477 to 922,337,203,685,477 only:\r\nTable1.Salary" + keys + "Table1.ID"},
         {"LastFirst", "AllNames", "MonthlySalary", "ID"},
         {},
         jet_test::FixtureWithLargeNumbers},
        {"complexDataTestV2010.accdb",
         {"Table1(Table1): id* String(255) memodata=memo-data Memo(0) appendmemodata=append-memo-data "
          "Memo(0)"},
         {"These columns hold attachments, several values or a version history, which generated code can "
          "neither read nor write, and were not imported:\r\n"
          "Table1.VersionHistory_F5F8918F-0A3F-4DA9-AE71-184EE5012880\r\nTable1.multi-value-data\r\n"
          "Table1.attach-data"},
         {"attach-data", "multi-value-data"}},
        {"extDateTestV2019.accdb",
         {"Table1(Table1): ID*~ Long(4) Field1 String(255) DateExt String(255) DateNormal Date(16) "
          "DateExtStr String(255)"},
         {computed + "Table1.DateNormalCalc\r\n\r\nThese columns hold dates and times a Date cannot " +
          "hold (years from 1, fractions of a second to 100 nanoseconds) and became String(255) " +
          "properties:\r\nTable1.DateExt" + keys + "Table1.ID"},
         {"DateNormalCalc", "ID"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        testing_support::OdbcSandbox::Get().Clear();
        dao_test::TestFolder folder;
        auto application = import_test::NewApplication("Access", "", (folder.Path() / "app.accdb").string());
        if (c.edited)
            application->SetLocalDBName(c.edited(folder.Path()).string());
        else if (c.statements.empty())
            std::filesystem::copy_file(dao_test::Fixture(c.source), application->LocalDBName());
        else
            application = import_test::NewDatabase(c.source == "SQLite" ? Kind::Sqlite : Kind::Postgres,
                                                   c.statements, folder.Path());
        EXPECT_EQ(import_test::ImportEveryTable(application), c.prompts);
        EXPECT_EQ(testing_support::Shape(*application), c.shape);
        SynchronizedAtOnce(application);
        EXPECT_EQ(testing_support::Shape(*application), c.shape);
        import_test::ExpectBuiltClean(*application, folder.Path(), "Filled", WithKey(*application));
        for (const auto& businessObject : WithKey(*application)) {
            const std::string persist = GeneratedText(folder.Path(), businessObject + "Persist.cls");
            for (const std::string& column : c.unwritten)
                EXPECT_EQ(persist.find(".Fields(\"" + column + "\") ="), std::string::npos) << column;
        }
    }
}

}  // namespace
}  // namespace schemaimport
