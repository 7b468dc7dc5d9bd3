#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/AddInFolders.h"
#include "platform/dao/Errors.h"
#include "runtime/qelCodeTable.h"
#include "runtime/qelSecurity.h"
#include "tests/runtime/SecurityFiles.h"

namespace runtime_test {
namespace {

using Names = std::vector<std::string>;

Names Listed(const typelib::TextList& list) {
    return Names(list.begin(), list.end());
}

struct RestrictionCase {
    vb::Variant user;
    vb::Variant businessObject;
    vb::Variant objectType;
    Names methods;
    Names edits;
    Names views;
};

class SecurityTest : public BothFormatsTest {};

TEST_P(SecurityTest, ReadsTheUsersRestrictionsOnTheBusinessObject) {
    const std::vector<RestrictionCase> cases = {
        // A method row counts whatever its Restriction (Null included); "Other" counts for neither list;
        // "BOB" is the same user as "bob".
        {"bob", "Customer", "Customer", {"Delete", "Purge"}, {"Balance"}, {"Salary", "Rating"}},
        {"BOB", "CUSTOMER", vb::Variant::Null(), {"Delete", "Purge"}, {"Balance"}, {"Salary", "Rating"}},
        {"O'Neil", "Customer", 3, {}, {}, {"Salary"}},
        {"alice", "Order", "", {}, {"Total"}, {}},
        {"alice", "Customer", "", {}, {}, {}},
        {"bo", "Customer", "", {}, {}, {}},
        {"nobody", "Customer", "", {}, {}, {}},
        {vb::Variant::Null(), vb::Variant::Null(), vb::Variant::Null(), {}, {}, {}},
        {"bob' OR '1'='1", "Customer", "", {}, {}, {}},
        {"bob", "x' OR UserID <> '", "", {}, {}, {}},
    };
    for (const RestrictionCase& c : cases) {
        SCOPED_TRACE(c.user.IsNull() ? std::string("Null") : c.user.ToString());
        runtime::qelSecurity security;
        security.GetRestrictions(c.user, c.businessObject, c.objectType);
        EXPECT_EQ(Listed(*security.MethodRestrictions()), c.methods);
        EXPECT_EQ(Listed(*security.EditRestrictions()), c.edits);
        EXPECT_EQ(Listed(*security.ViewRestrictions()), c.views);
    }
}

TEST_P(SecurityTest, ASecondCallAddsToTheSameLists) {
    runtime::qelSecurity security;
    const auto views = security.ViewRestrictions();
    EXPECT_EQ(views->Count(), 0);
    security.GetRestrictions("O'Neil", "Customer", "");
    security.GetRestrictions("bob", "Customer", "");
    security.GetRestrictions("bob", "Customer", "");
    EXPECT_EQ(security.ViewRestrictions(), views);
    EXPECT_EQ(Listed(*views), (Names{"Salary", "Salary", "Rating", "Salary", "Rating"}));
    EXPECT_EQ(Listed(*security.MethodRestrictions()), (Names{"Delete", "Purge", "Delete", "Purge"}));
}

TEST_P(SecurityTest, VerifyMatchesWholeValuesOfOneCodeTable) {
    struct VerifyCase {
        vb::Variant code;
        vb::Variant value;
        bool expected;
    };
    const std::vector<VerifyCase> cases = {
        {"State", "NY", true},           {"State", "NYC", true},
        {"state", "ca", true},           {"Owner's", "X", true},
        {"Color", "Red", true},          {"State", "N", false},
        {"State", "NYCX", false},        {"State", "Red", false},
        {"Nowhere", "NY", false},        {"State", "x' OR '1'='1", false},
        {"x' OR '1'='1", "NY", false},   {vb::Variant::Null(), vb::Variant::Null(), false},
        {"State", vb::Variant(), false},
    };
    runtime::qelCodeTable codes;
    for (const VerifyCase& c : cases) {
        SCOPED_TRACE(c.code.IsNull() ? std::string("Null") : c.code.ToString() + " / " + c.value.ToString());
        EXPECT_EQ(codes.Verify(c.code, c.value), c.expected);
    }
}

TEST_P(SecurityTest, ClientsMayReplaceTheDatabase) {
    const std::filesystem::path other = mFolder / "other.db";
    WriteSqliteSecurityDatabase(other, {{"eve", "Customer", "Method", "", "Close"}}, {{"State", "TX"}});
    runtime::qelSecurity security;
    runtime::qelCodeTable codes;
    std::shared_ptr<dao::Database> replacement = dao::OpenDatabase(other);
    security.SetdbSecurity(replacement);
    codes.SetdbSecurity(replacement);
    EXPECT_EQ(security.dbSecurity(), replacement);
    security.GetRestrictions("eve", "Customer", "");
    EXPECT_EQ(Listed(*security.MethodRestrictions()), Names{"Close"});
    EXPECT_TRUE(codes.Verify("State", "TX"));
    EXPECT_FALSE(codes.Verify("State", "NY"));

    security.SetdbSecurity(nullptr);
    try {
        security.GetRestrictions("eve", "Customer", "");
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kObjectNotSet);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SecurityTest, ::testing::Values(FileKind::Access, FileKind::Sqlite),
                         FileKindName);

class SecurityFileTest : public ::testing::Test {
  protected:
    dao_test::TestFolder mFolder;
};

template <typename Class>
void ExpectCreationFails(const std::filesystem::path& file, int32_t number) {
    try {
        Class created;
        FAIL() << "created";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), number);
        EXPECT_NE(error.Description().find(file.string()), std::string::npos) << error.Description();
    }
}

TEST_F(SecurityFileTest, AMissingFileFailsCreationNamingThePath) {
    const std::filesystem::path missing = mFolder / "security.mdb";
    {
        ScopedSecurityDatabase use(missing);
        ExpectCreationFails<runtime::qelSecurity>(missing, dao::kCouldNotFindFile);
        ExpectCreationFails<runtime::qelCodeTable>(missing, dao::kCouldNotFindFile);
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
    const std::filesystem::path besideTheLibrary = core::AddInFolder() / "security.mdb";
    ScopedSecurityDatabase useDefault({});
    EXPECT_EQ(runtime::SecurityDatabasePath(), besideTheLibrary);
    if (!std::filesystem::exists(besideTheLibrary))
        ExpectCreationFails<runtime::qelSecurity>(besideTheLibrary, dao::kCouldNotFindFile);
}

TEST_F(SecurityFileTest, AFileOfNoDatabaseFailsCreation) {
    const std::filesystem::path file = mFolder / "security.mdb";
    std::ofstream(file) << "not a database at all";
    ScopedSecurityDatabase use(file);
    ExpectCreationFails<runtime::qelSecurity>(file, dao::kUnrecognizedDatabaseFormat);
}

TEST_F(SecurityFileTest, ANullComponentNameFailsKeepingTheNamesBefore) {
    const std::filesystem::path file = mFolder / "security.mdb";
    WriteSqliteSecurityDatabase(file, {{"bob", "Customer", "Method", "", "Open"},
                                       {"bob", "Customer", "Method", "", vb::Variant::Null()},
                                       {"bob", "Customer", "Method", "", "Close"}});
    ScopedSecurityDatabase use(file);
    runtime::qelSecurity security;
    try {
        security.GetRestrictions("bob", "Customer", "");
        FAIL() << "no error";
    } catch (const vb::Error& error) {
        EXPECT_EQ(error.Number(), vb::kInvalidUseOfNull);
    }
    EXPECT_EQ(Listed(*security.MethodRestrictions()), Names{"Open"});
}

}  // namespace
}  // namespace runtime_test
