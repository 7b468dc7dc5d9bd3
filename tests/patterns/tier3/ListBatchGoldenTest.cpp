// The list and batch classes of the sample's OrderLine (one identifying parent, two keys against their
// KeyIndex order, foreign keys to Order and Product) and Customer (no parent, a Memo) against
// hand-written expected text; further methods give the batch no member.

#include <gtest/gtest.h>

#include "patternkit/ConstructorErrors.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/ListBatchModel.h"

namespace {

using testing_support::FakeBusinessObject;

class ListBatchGolden : public ::testing::Test {
  protected:
    void SetUp() override {
        patternkit::Common::ResetContinueAnswerForTesting();
        vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
    }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    static std::map<std::string, std::vector<std::string>> Build(
        const std::shared_ptr<FakeBusinessObject>& businessObject,
        std::shared_ptr<typelib::MethodList> methods = {}) {
        return testing_support::BuildThreeTier(businessObject, std::move(methods));
    }

    testing_support::OrderModel mModel;
};

TEST_F(ListBatchGolden, ListAndBatchClassesOfOrderLineAndCustomer) {
    const struct {
        std::shared_ptr<FakeBusinessObject> businessObject;
        const char* component;
        const char* golden;
    } cases[] = {
        {mModel.orderLine, "OrdersBusiness/OrderLineList", "OrderLineList.txt"},
        {mModel.orderLine, "OrdersBusiness/OrderLineBatch", "OrderLineBatch.txt"},
        {mModel.customer, "OrdersBusiness/CustomerList", "CustomerList.txt"},
        {mModel.customer, "OrdersBusiness/CustomerBatch", "CustomerBatch.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        testing_support::ExpectMatchesGolden(Build(c.businessObject)[c.component], c.golden);
    }
}

TEST_F(ListBatchGolden, FurtherMethodsGiveTheBatchNoMember) {
    auto methods = std::make_shared<testing_support::FakeList<std::shared_ptr<typelib::IMethod>>>();
    for (const char* name : {"Add", "Ship"}) {
        auto method = std::make_shared<testing_support::FakeMethod>();
        method->name = name;
        methods->items.push_back(method);
    }
    std::vector<std::string> publicMembers;
    auto components = Build(mModel.orderLine, methods);
    for (const auto& line : components["OrdersBusiness/OrderLineBatch"]) {
        EXPECT_EQ(line.find("Ship"), std::string::npos) << line;
        if (line.starts_with("Public Sub "))
            publicMembers.push_back(line);
    }
    EXPECT_EQ(publicMembers,
              (std::vector<std::string>{"Public Sub Add()", "Public Sub Update()", "Public Sub Delete()",
                                        "Public Sub Post()", "Public Sub SetState(ByVal Buffer As String)"}));
}

}  // namespace
