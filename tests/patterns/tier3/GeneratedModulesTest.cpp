// The shared modules and the record-type modules against hand-written expected text, built for a Customer
// like the sample's in each architecture.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "patternkit/ConstructorErrors.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/PersistModel.h"

namespace {

using ComponentLines = std::map<std::string, std::vector<std::string>>;

class GeneratedModules : public ::testing::Test {
  protected:
    void SetUp() override {
        patternkit::Common::ResetContinueAnswerForTesting();
        vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
        testing_support::AddCustomerProperties(*mCustomer);
    }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    ComponentLines Build(int32_t architecture, const std::string& dsn = {}, bool isMTS = false) {
        mApplication->architecture = architecture;
        mApplication->dsn = dsn;
        mApplication->isMTS = isMTS;
        return testing_support::BuildThreeTier(mApplication, mCustomer, testing_support::StandardMethods());
    }

    testing_support::FakeModel mModel;
    std::shared_ptr<testing_support::FakeBusinessObject> mCustomer = mModel.AddBusinessObject("Customer");
    std::shared_ptr<testing_support::SampleApplication> mApplication =
        std::make_shared<testing_support::SampleApplication>();
};

TEST_F(GeneratedModules, CommonPersistByArchitectureDatabaseAndTransactionServer) {
    const struct {
        int32_t architecture;
        const char* dsn;
        bool isMTS;
        const char* golden;
    } cases[] = {
        {1, "", false, "CommonPersist_1Tier.txt"},
        {1, "SampleDSN", true, "CommonPersist_1Tier.txt"},
        {2, "", false, "CommonPersist_2Tier_Local.txt"},
        {2, "SampleDSN", true, "CommonPersist_2Tier_MTS_DSN.txt"},
        {3, "SampleDSN", false, "CommonPersist_3Tier_DSN.txt"},
        {3, "", true, "CommonPersist_3Tier_MTS_Local.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        testing_support::ExpectMatchesGolden(
            Build(c.architecture, c.dsn, c.isMTS)["SampleData/CommonPersist"], c.golden);
    }
}

TEST_F(GeneratedModules, CommonLogicalDeclaresTheGeneralCodesUnlessTheStartupModuleDoes) {
    const struct {
        int32_t architecture;
        const char* golden;
    } cases[] = {
        {1, "CommonLogical_1Tier.txt"},
        {2, "CommonLogical.txt"},
        {3, "CommonLogical.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.architecture);
        testing_support::ExpectMatchesGolden(Build(c.architecture)["SampleBusiness/CommonLogical"], c.golden);
    }
}

// The look-ups of CommonLogical and the key conditions of the persistence classes call DoubleQuotes: a
// project holds it once, also when both shared modules are in it.
TEST_F(GeneratedModules, EveryProjectHoldsDoubleQuotesOnce) {
    for (const char* dataProject : {"SampleData", "SampleBusiness"}) {
        SCOPED_TRACE(dataProject);
        mApplication->l3ProjectName = dataProject;
        std::map<std::string, int> functions;  // project -> DoubleQuotes functions
        for (const auto& [component, lines] : Build(typelib::ThreeTier)) {
            const std::string project = component.substr(0, component.find('/'));
            functions[project] += static_cast<int>(
                std::count(lines.begin(), lines.end(),
                           "Public Function DoubleQuotes(ByVal strValue As String) As String"));
        }
        for (const auto& [project, count] : functions) {
            if (project == dataProject || project == "SampleBusiness") {
                EXPECT_EQ(count, 1) << project;
            }
        }
    }
}

// The permitted-values recordset holds values of the application's properties.
TEST_F(GeneratedModules, PermittedValueFieldsHoldTheLongestPropertyAndAtLeast255Characters) {
    const struct {
        int32_t longest;
        const char* width;
    } cases[] = {{60, "255"}, {255, "255"}, {400, "400"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longest);
        auto other = mModel.AddBusinessObject("Note" + std::to_string(c.longest));
        testing_support::AddSampleProperty(*other, "Text", "String", c.longest);
        mApplication->businessObjects->items = {mCustomer, other};
        const auto lines = Build(typelib::ThreeTier)["SampleData/CommonPersist"];
        for (const char* field : {"DisplayedValue", "StoredValue"}) {
            const std::string line =
                std::string("    rsPermittedValues.Fields.Append \"") + field + "\", adVarChar, " + c.width;
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        }
    }
}

TEST_F(GeneratedModules, TypeModuleInLayer2AndWithThreeProjectsAlsoInLayer3) {
    for (const int32_t architecture : {1, 2, 3}) {
        SCOPED_TRACE(architecture);
        ComponentLines components = Build(architecture);
        testing_support::ExpectMatchesGolden(components["SampleBusiness/CustomerUDT"], "CustomerUDT.txt");
        if (architecture == typelib::ThreeTier)
            testing_support::ExpectMatchesGolden(components["SampleData/CustomerPersistUDT"],
                                                 "CustomerUDT.txt");
        else
            EXPECT_FALSE(components.contains("SampleData/CustomerPersistUDT"));
    }
}

}  // namespace
