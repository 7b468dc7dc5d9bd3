#include "repository/SaveDigest.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/repository/TestModels.h"

namespace repository_test {
namespace {

PropertyPtr PropertyOf(core::qelApplication& application, const std::string& businessObject,
                       const std::string& name) {
    return application.BusinessObjects()
        ->Item(businessObject)
        ->Properties()
        ->Item(businessObject + ".Properties." + name);
}

uint64_t DigestOf(const std::function<void(core::qelApplication&)>& change) {
    core::qelApplication application;
    OrdersOfCustomers(application);
    change(application);
    return repository::SaveDigest(application);
}

// A command that changed nothing a save writes leaves the unsaved-changes state alone: each value a save
// writes must change the digest, and the same model must give the same digest.
TEST(SaveDigest, ChangesWithEachValueASaveWrites) {
    using core::qelApplication;
    const std::pair<const char*, std::function<void(qelApplication&)>> changes[] = {
        {"the application's description", [](qelApplication& a) { a.SetDescription("Other"); }},
        {"a class name", [](qelApplication& a) { a.BusinessObjects()->Item("Order")->SetL2ListClass("X"); }},
        {"a table's name",
         [](qelApplication& a) { a.BusinessObjects()->Item("Order")->Table()->SetName("X"); }},
        {"a property's label", [](qelApplication& a) { PropertyOf(a, "Order", "OrderID")->SetLabel("No."); }},
        {"a field's nullability",
         [](qelApplication& a) { PropertyOf(a, "Order", "OrderID")->Field()->SetIsNullable(true); }},
        {"a permitted value",
         [](qelApplication& a) {
             PropertyOf(a, "Customer", "Name")->PermittedValues()->Add("Smith", "Smith");
         }},
        {"the property a look-up shows",
         [](qelApplication& a) {
             PropertyOf(a, "Order", "CustomerID")
                 ->SetPVFKeyDisplayedProp(PropertyOf(a, "Customer", "CustomerID"));
         }},
        {"a method's stored procedure",
         [](qelApplication& a) {
             a.BusinessObjects()->Item("Order")->Methods()->Item(1)->SetStoredProcedureName("X");
         }},
        {"a relationship's type",
         [](qelApplication& a) { a.Relationships()->Item(1)->SetRelType("Identifying"); }},
        {"an association's ends",
         [](qelApplication& a) {
             a.Relationships()->Item(1)->Associations()->Item(1)->SetSourceBusObj(
                 a.BusinessObjects()->Item("Customer"));
         }},
        {"an association's foreign properties",
         [](qelApplication& a) {
             a.Relationships()->Item(1)->Associations()->Item(1)->SourceForeignProperties()->Remove(1);
         }},
    };
    const auto unchanged = [](qelApplication&) {};
    EXPECT_EQ(DigestOf(unchanged), DigestOf(unchanged));
    for (const auto& [what, change] : changes)
        EXPECT_NE(DigestOf(change), DigestOf(unchanged)) << what;
}

}  // namespace
}  // namespace repository_test
