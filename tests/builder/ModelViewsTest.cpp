// The plain views: keys ignoring case, re-keying, the sort toggle, and the keys' segments.

#include <gtest/gtest.h>

#include <optional>

#include "builder/ModelViews.h"
#include "platform/vb/Error.h"
#include "tests/support/ErrorNumber.h"

namespace builder {
namespace {

std::vector<std::string> Texts(const ReportList& list) {
    std::vector<std::string> texts;
    for (const ListRow* row : list.Rows())
        texts.push_back(row->Text + "/" + row->SubItems[0]);
    return texts;
}

TEST(ReportList, AColumnClickSortsByItsColumnInTheToggledOrder) {
    // The main window's lists start descending, so that the first click sorts ascending.
    ReportList list({{"", "A"}, {"", "B"}}, SortOrder::Descending);
    list.Add("k1", "beta", {"2"});
    list.Add("k2", "Alpha", {"3"});
    list.Add("k3", "gamma", {"1"});
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"beta/2", "Alpha/3", "gamma/1"}));
    struct Click {
        int32_t column;
        std::vector<std::string> expected;
    };
    const std::vector<Click> clicks = {
        {1, {"Alpha/3", "beta/2", "gamma/1"}},
        {1, {"gamma/1", "beta/2", "Alpha/3"}},
        {2, {"gamma/1", "beta/2", "Alpha/3"}},  // ascending again, by the second column
        {2, {"Alpha/3", "beta/2", "gamma/1"}},
    };
    for (const Click& click : clicks) {
        list.ColumnClick(click.column);
        EXPECT_EQ(list.SortKey(), click.column - 1);
        EXPECT_EQ(Texts(list), click.expected);
    }
    // A row added later takes its sorted place.
    list.Add("k4", "delta", {"0"});
    EXPECT_EQ(Texts(list).back(), "delta/0");
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { list.ColumnClick(3); }), vb::kSubscriptOutOfRange);
}

TEST(ReportList, KeysAreUniqueIgnoringCase) {
    ReportList list({{"", "A"}}, SortOrder::Ascending);
    list.Add("Order.Methods.Add", "Order", {});
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { list.Add("ORDER.methods.add", "x", {}); }),
              vb::kDuplicateKey);
    list.Select("order.methods.ADD");
    list.SetKey("Order.Methods.Add", "Order.Methods.Insert");
    EXPECT_EQ(list.SelectedItem()->Key, "Order.Methods.Insert");
    EXPECT_EQ(list.Find("Order.Methods.Add"), nullptr);
    list.Remove("order.methods.insert");
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ModelTree, KeysParentsAndVisibility) {
    ModelTree tree;
    tree.Add("", "Order", "Order");
    tree.Add("Order", "Order.Methods", "Methods");
    tree.Add("order.methods", "Order.Methods.Add", "Add");
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { tree.Add("", "ORDER", "x"); }), vb::kDuplicateKey);
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { tree.Add("Invoice", "Invoice.Methods", "x"); }),
              vb::kSubscriptOutOfRange);
    tree.EnsureVisible("Order.Methods.Add");
    EXPECT_TRUE(tree.Node("Order").Expanded);
    EXPECT_TRUE(tree.Node("Order.Methods").Expanded);
    EXPECT_FALSE(tree.Node("Order.Methods.Add").Expanded);
    tree.Select("Order.Methods.Add");
    tree.SetKey("Order.Methods.Add", "Order.Methods.add");
    EXPECT_EQ(tree.SelectedItem()->Key, "Order.Methods.add");
    tree.Remove("Order.Methods");
    EXPECT_EQ(tree.Count(), 1);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    EXPECT_TRUE(tree.Node("Order").Children.empty());
}

TEST(ModelViews, RelationshipKeysParseWhole) {
    struct Case {
        const char* key;
        std::optional<RelationshipKeyParts> expected;
    };
    const Case cases[] = {
        {"Order.Relationships.Relationship1", RelationshipKeyParts{"Order", false, "Relationship1"}},
        {"Order.Relationships.Relationship10", RelationshipKeyParts{"Order", false, "Relationship10"}},
        {"Order.RelationshipsRecursive.Relationship12",
         RelationshipKeyParts{"Order", true, "Relationship12"}},
        // A business object named like the group, and a name holding the group's text.
        {"Relationships.Relationships.Relationships.Relationship2",
         RelationshipKeyParts{"Relationships", false, "Relationships.Relationship2"}},
        {"Order.Relationships", std::nullopt},
        {"Order.Relationships.", std::nullopt},
        {"Order.RelationshipsRecursive", std::nullopt},
        {"order.relationships.Relationship3", std::nullopt},
        {"Order.Properties.Relationships.Relationship1", std::nullopt},
        {"Order.Methods.Relationship1", std::nullopt},
        {".Relationships.Relationship1", std::nullopt},
        {"Order", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const auto parts = ParseRelationshipKey(c.key);
        ASSERT_EQ(parts.has_value(), c.expected.has_value());
        if (!parts)
            continue;
        EXPECT_EQ(parts->BusinessObject, c.expected->BusinessObject);
        EXPECT_EQ(parts->Recursive, c.expected->Recursive);
        EXPECT_EQ(parts->Name, c.expected->Name);
        EXPECT_EQ(RelationshipKey(parts->BusinessObject, parts->Name, parts->Recursive), c.key);
    }
}

TEST(ModelViews, KeySegmentsAndEditableNodes) {
    EXPECT_EQ(FirstSegment("Rel.Relationships.Relationship1"), "Rel");
    EXPECT_EQ(FirstSegment("Order"), "Order");
    EXPECT_EQ(RelationshipKey("Order", "Relationship2", true), "Order.RelationshipsRecursive.Relationship2");

    ModelViews views;
    auto& tree = views.BusObjTreeView;
    tree.Add("", "Order", "Order");
    tree.Add("Order", "Order.Properties", "Properties");
    tree.Add("Order.Properties", "Order.Properties.Total", "Total");
    tree.Add("Order", "Order.Relationships", "Relationships");
    tree.Add("Order.Relationships", "Order.Relationships.Relationship1", "belongs to One Customer");
    EXPECT_TRUE(IsLabelEditable(tree.Node("Order")));
    EXPECT_TRUE(IsLabelEditable(tree.Node("Order.Properties.Total")));
    EXPECT_FALSE(IsLabelEditable(tree.Node("Order.Properties")));
    EXPECT_FALSE(IsLabelEditable(tree.Node("Order.Relationships")));
    EXPECT_FALSE(IsLabelEditable(tree.Node("Order.Relationships.Relationship1")));
    EXPECT_EQ(views.PropertyListView.Columns().size(), 11u);
    EXPECT_EQ(views.RelationshipListView.Columns()[4].Key, "Target");
}

}  // namespace
}  // namespace builder
