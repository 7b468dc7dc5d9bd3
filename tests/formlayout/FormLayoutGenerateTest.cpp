// Forms of imported tables from one column to 255, of every control type, built by `ostrel generate`'s own
// call: on each search, detail, list and look-up form no control lies over another of its container or
// past its frame or form. A child whose key holds a column named as its parent's key shows both labels.

#include <gtest/gtest.h>

#include <QPixmap>

#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "host/qt/FormView.h"
#include "platform/ide/FormDesigner.h"
#include "tests/host/QtTestApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportGenerate.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/FileTree.h"
#include "tests/support/FormGeometryCheck.h"

namespace schemaimport {
namespace {

namespace fs = std::filesystem;

// The columns after the keys and the look-up: a text box, a combo box, a list box and an option group of
// listed values, a check box, a rich text box, in turn.
const char* const kColumnTypes[] = {"VARCHAR(40)", "VARCHAR(20)", "VARCHAR(20)",
                                    "VARCHAR(10)", "BOOLEAN",     "TEXT"};
const char* const kControlTypes[] = {"TextBox",      "ComboBox", "ListBox",
                                     "OptionButton", "CheckBox", "RichTextBox"};

std::string TableName(int properties) {
    return "wide_" + std::to_string(properties);
}

// One column, or a child of `schedules` whose key holds its parent's, with a look-up of `kinds`.
std::string Table(int properties) {
    std::string table = "CREATE TABLE " + TableName(properties) + " (id INTEGER NOT NULL";
    if (properties > 1)
        table +=
            ", schedule_id INTEGER NOT NULL REFERENCES schedules (id), kind INTEGER REFERENCES kinds (code)";
    for (int column = 4; column <= properties; ++column)
        table += ", column_" + std::to_string(column) + "_of_the_row " + kColumnTypes[column % 6];
    return table + (properties > 1 ? ", PRIMARY KEY (id, schedule_id))" : ", PRIMARY KEY (id))");
}

// Long labels beside up to 24 rows, short ones beside more; option groups only where the check finds them
// room (up to 60 rows), combo boxes in their place beyond.
void MixControls(core::qelApplication& application, int properties) {
    const auto& businessObject = application.BusinessObjects()->Item(TableName(properties));
    businessObject->Properties()->Item(TableName(properties) + ".Properties.kind")->SetIsPVFKey(true);
    businessObject->Properties()
        ->Item(TableName(properties) + ".Properties.kind")
        ->SetPVFKeyDisplayedProp(
            application.BusinessObjects()->Item("kinds")->Properties()->Item("kinds.Properties.name"));
    for (int column = 4; column <= properties; ++column) {
        const std::string name = "column_" + std::to_string(column) + "_of_the_row";
        const auto& property =
            businessObject->Properties()->Item(TableName(properties) + ".Properties." + name);
        const int turn = column % 6;
        property->SetLabel(properties <= 24 ? name : "Column " + std::to_string(column));
        property->SetControlType(turn == 3 && properties > 60 ? "ComboBox" : kControlTypes[turn]);
        if (turn >= 1 && turn <= 3) {
            auto values = std::make_shared<core::TextCollection>();
            for (const char* value : {"Lo", "Mid", "Hi"})
                values->Add(value, value);
            property->SetPermittedValues(values);
            property->SetIsPVList(true);
        }
    }
}

TEST(FormLayout, EveryFormOfOneToTwoHundredFiftyFiveColumnsDrawsEachControlApart) {
    const int kSizes[] = {1, 11, 12, 16, 24, 60, 120, 255};
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    std::vector<std::string> statements = {
        "CREATE TABLE schedules (id INTEGER PRIMARY KEY, title VARCHAR(40))",
        "CREATE TABLE kinds (code INTEGER PRIMARY KEY, name VARCHAR(20))"};
    for (const int size : kSizes)
        statements.push_back(Table(size));
    const auto application = import_test::NewDatabase(catalog_test::Kind::Sqlite, statements, folder.Path());
    import_test::ImportEveryTable(application);
    for (const int size : kSizes) {
        if (size > 1)
            MixControls(*application, size);
    }
    const auto run = import_test::SaveAndGenerate(*application, folder.Path(), "Rows");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, folder.Path() / "out" / "Rows.vbg");
    std::shared_ptr<vbide::VBProject> forms;
    for (const auto& project : vbe->VBProjects())
        forms = project->Name() == "RowsUI" ? project : forms;
    const fs::path pictures = fs::path(OSTREL_BINARY_DIR_AT_BUILD) / "screenshots";
    fs::create_directories(pictures);
    for (const int size : kSizes) {
        for (const std::string form : {"Search", "Detail", "List", "LookUp"}) {
            const std::string name = "frm" + TableName(size) + form;
            SCOPED_TRACE(name);
            const fs::path frm = folder.Path() / "out" / "RowsUI" / (name + ".frm");
            ASSERT_TRUE(fs::exists(frm));
            EXPECT_EQ(testing_support::CheckFormGeometry(testing_support::Contents(frm)),
                      std::vector<std::string>{});
            if ((size == 16 || size == 120) && (form == "Search" || form == "Detail")) {
                host::FormView view(forms->VBComponents().Item(name)->Designer());
                view.resize(view.sizeHint());
                EXPECT_TRUE(view.grab().save(QString::fromStdString((pictures / (name + ".png")).string())));
            }
        }
    }
}

// The parent's key and the child's own key property are both named "id": the context frame's label is
// numbered, the child's keeps its name, and the code names the child's label and the frame's text box.
TEST(FormLayout, AChildsKeyNamedAsItsParentsShowsBothLabelsEachNamedOnce) {
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    const auto application =
        import_test::NewDatabase(catalog_test::Kind::Sqlite,
                                 {"CREATE TABLE schedules (id INTEGER PRIMARY KEY)",
                                  "CREATE TABLE activities (id INTEGER NOT NULL, schedule_id INTEGER NOT "
                                  "NULL REFERENCES schedules (id), "
                                  "PRIMARY KEY (id, schedule_id))"},
                                 folder.Path());
    import_test::ImportEveryTable(application);
    import_test::ExpectBuiltClean(*application, folder.Path(), "Plans", {"schedules", "activities"});
    const struct {
        const char* form;
        std::vector<std::string> lines;  // each once
    } cases[] = {
        {"frmactivitiesDetail",
         {"      Begin VB.Label lblid_2 ", "   Begin VB.Label lblid ",
          "            lblid.Visible = myactivities.PropertyIsViewable(\"id\")",
          "    txtschedules_id.Text = myschedules.id"}},
        {"frmactivitiesSearch",
         {"      Begin VB.Label lblid_2 ", "   Begin VB.Label lblid ",
          "   txtschedules_id.Text = myschedules.id"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        const std::string text = "\n" + testing_support::Contents(folder.Path() / "out" / "PlansUI" /
                                                                  (std::string(c.form) + ".frm"));
        for (const std::string& line : c.lines) {
            const auto at = text.find("\n" + line + "\r\n");
            EXPECT_TRUE(at != std::string::npos &&
                        text.find("\n" + line + "\r\n", at + 1) == std::string::npos)
                << line;
        }
    }
}

}  // namespace
}  // namespace schemaimport
