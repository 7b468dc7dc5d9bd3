// The shared modules and the record-type modules against hand-written expected text, built for a Customer
// like the sample's in each architecture.

#include <gtest/gtest.h>

#include "patternkit/ConstructorErrors.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/SampleModel.h"

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
        auto engine = std::make_shared<testing_support::TokenEngine>();
        tier3::T3BusinessObject pattern;
        engine->pattern = &pattern;
        engine->application = mApplication;
        pattern.SetApplication(mApplication);
        pattern.SetBusinessObject(mCustomer);
        pattern.SetProperties(mCustomer->properties);
        pattern.SetMethods(testing_support::StandardMethods());
        pattern.SetConstructor(engine);
        EXPECT_EQ(pattern.Build(), std::optional<int16_t>(0));
        return engine->componentLines;
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
