#include "repository/ModelRowValues.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "repository/ApplicationRow.h"
#include "repository/RepositorySchema.h"
#include "tests/repository/TestModels.h"

namespace repository_test {
namespace {

// A column of the repository that no row's values write is lost at every save: each table's columns are
// written by its rows' values, the ID aside, and the look-up's displayed property that a later step writes.
TEST(ModelRowValues, WriteEveryColumnOfTheirTable) {
    core::qelApplication application;
    OrdersOfCustomers(application);
    const auto& order = *application.BusinessObjects()->Item("Order");
    const auto& foreignKey = *order.Properties()->Item("Order.Properties.CustomerID");
    const auto& relationship = *application.Relationships()->Item(1);
    const std::map<std::string, std::vector<dao::ColumnValues>> written = {
        {"Application", {repository::ApplicationRowValues(application)}},
        {"BusinessObject", {repository::BusinessObjectRowValues(order, 1)}},
        {"Table", {repository::TableRowValues(*order.Table(), 1)}},
        {"Property",
         {repository::PropertyRowValues(foreignKey, 1),
          repository::ForeignPropertyRowValues(foreignKey, 1),
          {{"PVFKeyDisplayedPropID", 1}}}},
        {"Field", {repository::FieldRowValues(*foreignKey.Field(), 1, 1)}},
        {"Method", {repository::MethodRowValues(*order.Methods()->Item(1), 1)}},
        {"Relationship", {repository::RelationshipRowValues(relationship, 1)}},
        {"Association", {repository::AssociationRowValues(*relationship.Associations()->Item(1), 1)}},
    };
    for (const auto& table : repository::RepositoryTables()) {
        const auto rows = written.find(table.Name);
        if (rows == written.end())
            continue;  // PermittedValues: a value per row, no object's
        std::set<std::string> columns = {"ID"};
        for (const auto& values : rows->second) {
            for (const auto& value : values)
                columns.insert(value.Column);
        }
        std::set<std::string> expected;
        for (const auto& column : table.Columns)
            expected.insert(column.Name);
        EXPECT_EQ(columns, expected) << table.Name;
    }
}

}  // namespace
}  // namespace repository_test
