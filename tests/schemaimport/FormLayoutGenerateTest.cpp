// Forms of imported tables from one column to 255, of every control type, built by `ostrel generate`'s own
// call: on each search, detail, list and look-up form no control lies over another of its container or
// past its frame or form. A child whose key holds a column named as its parent's key shows both labels.

#include <gtest/gtest.h>

#include <QPixmap>

#include <cstdio>

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
using Names = std::vector<std::string>;

// Columns after the keys and the look-up take these in turn: a text box, a combo box, a list box and an
// option group of listed values, a check box, a rich text box.
const char* const kColumnTypes[] = {"VARCHAR(40)", "VARCHAR(20)", "VARCHAR(20)",
                                    "VARCHAR(10)", "BOOLEAN",     "TEXT"};
const char* const kControlTypes[] = {"TextBox",      "ComboBox", "ListBox",
                                     "OptionButton", "CheckBox", "RichTextBox"};

std::string TableName(int properties) {
    return "wide_" + std::to_string(properties);
}

// One column alone, or a child of `schedules` whose key holds its parent's, a look-up of `kinds` and
// columns of long names.
std::string Table(int properties) {
    if (properties == 1)
        return "CREATE TABLE " + TableName(1) + " (id INTEGER PRIMARY KEY)";
    std::string table = "CREATE TABLE " + TableName(properties) +
                        " (id INTEGER NOT NULL, schedule_id INTEGER NOT NULL REFERENCES schedules (id), "
                        "kind INTEGER REFERENCES kinds (code)";
    for (int column = 4; column <= properties; ++column) {
        char name[32];
        std::snprintf(name, sizeof name, "column_%03d_of_the_row", column);
        table += std::string(", ") + name + " " + kColumnTypes[column % 6];
    }
    return table + ", PRIMARY KEY (id, schedule_id))";
}

// The columns shown as their types say, the look-up showing the kind's name. Option groups find room
// beside the labels of up to 24 rows and beside short ones of up to 60; not beside more.
void MixControls(core::qelApplication& application, int properties) {
    const std::string table = TableName(properties);
    const auto& businessObject = application.BusinessObjects()->Item(table);
    const auto kindName =
        application.BusinessObjects()->Item("kinds")->Properties()->Item("kinds.Properties.name");
    int column = 0;
    for (const auto& property : *businessObject->Properties()) {
        if (property->Name() == "kind") {
            property->SetIsPVFKey(true);
            property->SetPVFKeyDisplayedProp(kindName);
        }
        if (!property->Name().starts_with("column_"))
            continue;
        const int number = 4 + column++;
        const int turn = number % 6;
        property->SetLabel(properties <= 24 ? property->Name() : "Column " + std::to_string(number));
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

// The form as ostrel draws it, for a person to look at.
void Picture(const vbide::VBE& vbe, const std::string& name) {
    std::shared_ptr<vbide::FormDesigner> designer;
    for (const auto& project : vbe.VBProjects()) {
        if (project->Name() == "RowsUI")
            designer = project->VBComponents().Item(name)->Designer();
    }
    ASSERT_TRUE(designer);
    host::FormView view(designer);
    view.resize(view.sizeHint());
    const fs::path folder = fs::path(OSTREL_BINARY_DIR_AT_BUILD) / "screenshots";
    fs::create_directories(folder);
    EXPECT_TRUE(view.grab().save(QString::fromStdString((folder / (name + ".png")).string())));
}

TEST(FormLayout, EveryFormOfOneToTwoHundredFiftyFiveColumnsDrawsEachControlApart) {
    const int kSizes[] = {1, 11, 12, 16, 24, 60, 120, 255};
    const char* const kForms[] = {"Search", "Detail", "List", "LookUp"};
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

    const fs::path forms = folder.Path() / "out" / "RowsUI";
    auto vbe = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*vbe, folder.Path() / "out" / "Rows.vbg");
    for (const int size : kSizes) {
        for (const char* form : kForms) {
            const std::string name = "frm" + TableName(size) + form;
            SCOPED_TRACE(name);
            const fs::path frm = forms / (name + ".frm");
            ASSERT_TRUE(fs::exists(frm));
            EXPECT_EQ(testing_support::CheckFormGeometry(testing_support::Contents(frm)), Names{});
            if ((size == 16 || size == 120) && (form == kForms[0] || form == kForms[1]))
                Picture(*vbe, name);
        }
    }
}

}  // namespace
}  // namespace schemaimport

// How many lines of `text` are `line`.
std::size_t CountOf(const std::string& text, const std::string& line) {
    std::size_t count = 0;
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        count += text.compare(at, line.size() + 2, line + "\r\n") == 0 ? 1 : 0;
    return count;
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
        const std::string text =
            testing_support::Contents(folder.Path() / "out" / "PlansUI" / (std::string(c.form) + ".frm"));
        for (const std::string& line : c.lines)
            EXPECT_EQ(CountOf(text, line), 1u) << line;
    }
}
