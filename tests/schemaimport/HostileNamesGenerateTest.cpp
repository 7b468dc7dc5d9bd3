// A database whose table and column names break every rule of VB names, imported, saved to a repository
// and built by `ostrel generate`'s own call: every imported name is one VB accepts, and every generated
// module passes the VB text checker.

#include <gtest/gtest.h>

#include "core/CommonNames.h"
#include "core/GeneratedNames.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportGenerate.h"
#include "tests/schemaimport/ImportTestSupport.h"

namespace schemaimport {
namespace {

using catalog_test::Kind;
using Names = std::vector<std::string>;

// Longer than a VB name may be, and alike in their first 30 characters.
const std::string kLong = "Customer_Account_Balance_History";

Names HostileSchema() {
    return {
        R"sql(CREATE TABLE "2nd Table" ("ID" INTEGER PRIMARY KEY, "2nd col" INTEGER, "0x" INTEGER,
            "Größe" INTEGER))sql",
        R"sql(CREATE TABLE "Quote's Table" ("ID" INTEGER PRIMARY KEY,
            "Parent ID" INTEGER REFERENCES "2nd Table" ("ID"), "a'b" VARCHAR(10)))sql",
        R"sql(CREATE TABLE "Quote""Table" ("ID" INTEGER PRIMARY KEY,
            "Parent""ID" INTEGER REFERENCES "2nd Table" ("ID"), "a""b" VARCHAR(10)))sql",
        R"sql(CREATE TABLE "名前" ("名前" INTEGER PRIMARY KEY, "住所" VARCHAR(20)))sql",
        R"sql(CREATE TABLE "Dim" ("Dim" INTEGER PRIMARY KEY, "End" INTEGER, "Select" VARCHAR(5), "Type" INTEGER))sql",
        R"sql(CREATE TABLE "End" ("ID" INTEGER PRIMARY KEY, "Dim" INTEGER REFERENCES "Dim" ("Dim")))sql",
        R"sql(CREATE TABLE "Select" ("_under" INTEGER PRIMARY KEY))sql",
        R"sql(CREATE TABLE "0Orders" ("ID" INTEGER PRIMARY KEY))sql",
        R"sql(CREATE TABLE "Messages" ("ID" INTEGER PRIMARY KEY, "Read" INTEGER, "Save" VARCHAR(5)))sql",
        "CREATE TABLE \"" + kLong + "_Entries_For_Reporting_Year_1\" (\"" + kLong +
            "_Entry_Identifier_Number_1\" INTEGER PRIMARY KEY, \"" + kLong +
            "_Entry_Identifier_Number_2\" INTEGER)",
        "CREATE TABLE \"" + kLong + "_Entries_For_Reporting_Year_2\" (\"ID\" INTEGER PRIMARY KEY)",
    };
}

class HostileNames : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override { testing_support::OdbcSandbox::Get().Clear(); }

    dao_test::TestFolder mFolder;
};

TEST_P(HostileNames, ImportIntoNamesVbAcceptsAndCodeThatPassesTheChecker) {
    const auto application = import_test::NewDatabase(GetParam(), HostileSchema(), mFolder.Path());
    import_test::ImportEveryTable(application);
    ASSERT_EQ(application->BusinessObjects()->Count(), 11);
    EXPECT_EQ(application->Relationships()->Count(), 3);
    for (const auto& businessObject : *application->BusinessObjects()) {
        EXPECT_EQ(core::BusinessObjectNameFault(businessObject->Name()), "") << businessObject->Name();
        for (const auto& property : *businessObject->Properties())
            EXPECT_EQ(core::Common::VbNameFault(property->Name()), "") << property->Name();
    }
    // Cut to what a VB name holds, not shorter; named as no member of every generated class.
    for (const std::string name : {"Customer_Account_Balance_Histo", "Customer_Account_Balance_Hist2"})
        EXPECT_TRUE(application->BusinessObjects()->Exists(name)) << name;
    const auto messages = application->BusinessObjects()->Item("Messages");
    for (const std::string name : {"Messages.Properties.Messages_Read", "Messages.Properties.Messages_Save"})
        EXPECT_TRUE(messages->Properties()->Exists(name)) << name;

    // Windows-1252, the text of VB files, has no character of the table 名前's name: its business object
    // is refused, the others are built.
    const auto refused = import_test::SaveAndGenerate(*application, mFolder.Path(), "Hostile", {"T"});
    ASSERT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find(R"(Business object "T": the name of its table "名前" holds "名")"),
              std::string::npos)
        << refused.err;
    std::vector<std::string> others;
    for (const auto& businessObject : *application->BusinessObjects()) {
        if (businessObject->Name() != "T")
            others.push_back(businessObject->Name());
    }
    std::filesystem::remove(mFolder.Path() / "vbostrel.mdb");
    import_test::ExpectBuiltClean(*application, mFolder.Path(), "Hostile", others);
}

INSTANTIATE_TEST_SUITE_P(Databases, HostileNames, ::testing::Values(Kind::Sqlite, Kind::Postgres),
                         [](const auto& info) { return info.param == Kind::Sqlite ? "Sqlite" : "Postgres"; });

}  // namespace
}  // namespace schemaimport
