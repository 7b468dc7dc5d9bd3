// The run-time classes as a generated application reaches them: by ProgID from the built add-in library.

#include <gtest/gtest.h>

#include <string>

#include "platform/automation/CreateObject.h"
#include "platform/dao/Database.h"
#include "platform/dao/Errors.h"
#include "tests/runtime/SecurityFiles.h"
#include "typelib/ICodeTable.h"
#include "typelib/ISecurity.h"

namespace runtime_test {
namespace {

TEST(RuntimeProgIdTest, GeneratedApplicationsCreateBothClassesByProgId) {
    ScopedSecurityDatabase use(AccessSecurityDatabase());
    auto security = automation::CreateObjectAs<typelib::ISecurity>("VBOSTREL.qelSecurity");
    security->GetRestrictions("O'Neil", "Customer", vb::Variant());
    ASSERT_EQ(security->ViewRestrictions()->Count(), 1);
    EXPECT_EQ(security->ViewRestrictions()->Item(1), "Salary");
    EXPECT_TRUE(security->dbSecurity()->TableExists("Security"));

    auto codes = automation::CreateObjectAs<typelib::ICodeTable>("VBOSTREL.qelCodeTable");
    EXPECT_TRUE(codes->Verify("State", "NYC"));
    EXPECT_FALSE(codes->Verify("State", "x' OR '1'='1"));
}

TEST(RuntimeProgIdTest, AMissingDatabaseFailsCreationByProgId) {
    dao_test::TestFolder folder;
    const std::filesystem::path missing = folder / "security.mdb";
    ScopedSecurityDatabase use(missing);
    for (const char* progId : {"VBOSTREL.qelSecurity", "VBOSTREL.qelCodeTable"}) {
        try {
            automation::CreateObject(progId);
            FAIL() << progId << " created";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), dao::kCouldNotFindFile);
            EXPECT_NE(error.Description().find(missing.string()), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace runtime_test
