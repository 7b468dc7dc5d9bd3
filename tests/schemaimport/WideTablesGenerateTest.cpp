// Wide tables built with forms by `ostrel generate`'s own call: every module of the group it saves keeps
// within what VB loads, or the check before a build refuses with its whole message and nothing is written.

#include <gtest/gtest.h>

#include <fstream>

#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportGenerate.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/FileTree.h"
#include "tests/support/VbLimitsCheck.h"

namespace schemaimport {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A table of SQLite whose columns after its key are of `types` in turn, every third NOT NULL.
std::shared_ptr<core::qelApplication> SqliteTable(const fs::path& folder, int columns, const Names& types) {
    std::string table = "CREATE TABLE wide (id INTEGER PRIMARY KEY";
    for (int i = 1; i <= columns; ++i)
        table +=
            ", c" + std::to_string(i) + " " + types[(i - 1) % types.size()] + (i % 3 == 0 ? " NOT NULL" : "");
    const auto application = import_test::NewDatabase(catalog_test::Kind::Sqlite, {table + ")"}, folder);
    import_test::ImportEveryTable(application);
    return application;
}

// A business object of a key and `count` - 1 properties of `types` in turn (Strings of `length`): every
// name as long as the check takes (30 characters, fields 128), every third mandatory.
std::shared_ptr<core::qelApplication> WideModel(const Names& types, int32_t length = 50, int count = 255) {
    auto application = import_test::NewApplication("SQL", "WideData");
    const std::string name = "WideBusinessObjectOfAllColumns";
    const auto businessObject = core::NewBusinessObject(name, "Wide");
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(1000 + i);
        const std::string dataType = i == 0 ? "Long" : types[(i - 1) % types.size()];
        auto field = std::make_shared<core::qelField>();
        field->SetName(number + std::string(124, 'f'));
        field->SetDataType(dataType);
        field->SetLength(dataType == "String" ? length : 0);
        field->SetIsPrimaryKey(i == 0);
        field->SetTable(businessObject->Table());
        auto property = std::make_shared<core::qelBusObjProperty>();
        property->SetName("P" + number + std::string(25, 'p'));
        property->SetField(field);
        property->SetLabel(property->Name());
        property->SetControlType(dataType == "Boolean" ? "CheckBox" : "TextBox");
        property->SetIsKey(i == 0);
        property->SetIsMandatory(i % 3 == 0);
        field->SetBusObjProperty(property);
        businessObject->Table()->Fields()->Add(field, field->Name());
        businessObject->Properties()->Add(property, name + ".Properties." + property->Name());
    }
    application->BusinessObjects()->Add(businessObject, name);
    return application;
}

TEST(WideTables, EachBuildsModulesVbLoadsOrIsRefusedWithNothingWritten) {
    const Names kEveryType = {"String",  "Long", "Integer", "Double", "Currency", "Date",
                              "Boolean", "Memo", "Byte",    "Single", "Decimal",  "OLE Object"};
    const Names kSqliteTypes = {"INTEGER", "VARCHAR(40)", "REAL",    "DOUBLE",   "NUMERIC(10,2)",
                                "DATE",    "TIMESTAMP",   "BOOLEAN", "SMALLINT", "TINYINT"};
    const Names kText = {"TEXT"}, kMemo = {"Memo"}, kString = {"String"}, kLong = {"Long"};
    const std::string refused =
        "ostrel generate: These names and values cannot become VB code.  Generation "
        "aborted!\nBusiness object \"WideBusinessObjectOfAllColumns\": ";
    const struct {
        const char* what;
        bool sqlite;  // a table of SQLite imported, else a model of a key and `columns` - 1 properties
        int columns;
        Names types;               // in turn
        int32_t length = 50;       // of a model's Strings
        std::string refusal = {};  // the whole message of `ostrel generate`; empty for a build
    } cases[] = {
        {"32 text columns of SQLite", true, 32, kText},
        {"89 columns of SQLite's types, each one a search takes", true, 89, kSqliteTypes},
        {"255 columns of every data type", false, 255, kEveryType},
        {"255 Memo columns", false, 255, kMemo},
        {"255 String columns of 255 characters", false, 255, kString, 255,
         refused + "its record takes 130104 bytes, more than the 32000 that VB lets a record hold here: make "
                   "long String properties Memo, or shorten them (error 5, BuildDriver.Generate)\n"},
        {"256 Long columns", false, 256, kLong, 0,
         refused +
             "it has 256 properties, more than the 255 that a build takes (as many columns as an Access "
             "table holds), so that its generated class keeps within the 65,534 lines VB loads in a "
             "module: move some of its properties to a business object of their own (error 5, "
             "BuildDriver.Generate)\n"},
    };
    testing_support::OdbcSandbox::Get().Clear();
    dao_test::TestFolder folder;
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path at = folder.Path() / std::to_string(++row);
        fs::create_directories(at / "out");
        std::ofstream(at / "out" / "kept.txt") << "mine";
        const testing_support::FileTree before = testing_support::TreeOf(at / "out");
        const auto application =
            c.sqlite ? SqliteTable(at, c.columns, c.types) : WideModel(c.types, c.length, c.columns);
        const auto run = import_test::SaveAndGenerate(*application, at, "Wide");
        if (!c.refusal.empty()) {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, c.refusal);
            EXPECT_EQ(testing_support::TreeOf(at / "out"), before);
            continue;
        }
        EXPECT_EQ(run.exitCode, 0) << run.err;
        if (run.exitCode != 0)
            continue;
        int modules = 0;
        EXPECT_EQ(testing_support::CheckVbLimits(at / "out" / "Wide.vbg", modules), Names{});
        EXPECT_EQ(import_test::CheckGenerated(at, "Wide", modules), Names{});
        EXPECT_EQ(modules, 16);
    }
}

}  // namespace
}  // namespace schemaimport
