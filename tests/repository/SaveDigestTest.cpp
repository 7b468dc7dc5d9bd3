#include "repository/SaveDigest.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/repository/TestModels.h"

namespace repository_test {
namespace {

// OrdersOfCustomers, and the parts of it the changes reach.
struct Orders {
    Orders() { OrdersOfCustomers(application); }
    core::qelBusinessObject& Order() { return *application.BusinessObjects()->Item("Order"); }
    core::qelBusObjProperty& Property(const std::string& businessObject, const std::string& name) {
        return *application.BusinessObjects()
                    ->Item(businessObject)
                    ->Properties()
                    ->Item(businessObject + ".Properties." + name);
    }
    core::qelAssociation& Association() {
        return *application.Relationships()->Item(1)->Associations()->Item(1);
    }
    core::qelApplication application;
};

uint64_t DigestOf(const std::function<void(Orders&)>& change) {
    Orders orders;
    change(orders);
    return repository::SaveDigest(orders.application);
}

// A command that changed nothing a save writes leaves the unsaved-changes state alone: each value a save
// writes must change the digest, and the same model must give the same digest.
TEST(SaveDigest, ChangesWithEachValueASaveWrites) {
    const std::pair<const char*, std::function<void(Orders&)>> changes[] = {
        {"application", [](Orders& o) { o.application.SetDescription("Other"); }},
        {"business object", [](Orders& o) { o.Order().SetL2ListClass("X"); }},
        {"table", [](Orders& o) { o.Order().Table()->SetName("X"); }},
        {"property", [](Orders& o) { o.Property("Order", "OrderID").SetLabel("No."); }},
        {"field", [](Orders& o) { o.Property("Order", "OrderID").Field()->SetIsNullable(true); }},
        {"permitted value",
         [](Orders& o) { o.Property("Customer", "Name").PermittedValues()->Add("A", "A"); }},
        {"look-up shown",
         [](Orders& o) {
             o.Property("Order", "CustomerID").SetPVFKeyDisplayedProp(o.Order().Properties()->Item(1));
         }},
        {"method", [](Orders& o) { o.Order().Methods()->Item(1)->SetStoredProcedureName("X"); }},
        {"relationship",
         [](Orders& o) { o.application.Relationships()->Item(1)->SetRelType("Identifying"); }},
        {"association's ends",
         [](Orders& o) {
             o.Association().SetSourceBusObj(o.application.BusinessObjects()->Item("Customer"));
         }},
        {"foreign property", [](Orders& o) { o.Association().SourceForeignProperties()->Remove(1); }},
    };
    const auto unchanged = [](Orders&) {};
    EXPECT_EQ(DigestOf(unchanged), DigestOf(unchanged));
    for (const auto& [what, change] : changes)
        EXPECT_NE(DigestOf(change), DigestOf(unchanged)) << what;
}

}  // namespace
}  // namespace repository_test
