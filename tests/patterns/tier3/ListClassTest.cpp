// Variants of the list class: the parent's criteria run against a parent ObjectID, the parent members by
// the number of identifying parents, the ObjectId's key order and key types, and bad key numbering.

#include <gtest/gtest.h>

#include "tests/patterns/tier3/ListBatchModel.h"
#include "tests/support/ProcedureLines.h"

namespace {

using testing_support::AddKeyedProperty;
using testing_support::FakeBusinessObject;
using testing_support::MakeForeign;
using testing_support::MakeKey;
using Lines = std::vector<std::string>;

// Runs the body of the generated GenSQLFromOrderObjId for a parent whose ObjectId is `objectId`: the
// only statements it may hold are the ones below, each run as VB would. (Each condition ends in a
// blank and the next one begins with " AND ", hence the two blanks between conditions.)
std::string RunParentQuery(const Lines& function, const std::string& objectId) {
    constexpr std::string_view kConditionStart = R"(    strSQL = strSQL & ")";
    constexpr std::string_view kValue = R"(" & DoubleQuotes(strID) & ")";
    std::string tempObjID, id, sql;
    size_t i = 0;
    const auto body = std::find(function.begin(), function.end(), "    strTempObjID = myOrder.ObjectId");
    EXPECT_NE(body, function.end());
    for (auto line = body; line != function.end() && *line != "    GenSQLFromOrderObjId = strSQL"; ++line) {
        if (line->empty() || line->starts_with("    '")) {
            continue;
        } else if (*line == "    strTempObjID = myOrder.ObjectId") {
            tempObjID = objectId;
        } else if (*line == "    strID = myOrder.ObjectId") {
            id = objectId;
        } else if (*line == R"(    i = InStr(strTempObjID, ";"))") {
            i = tempObjID.find(';') + 1;  // 0 when not found, as InStr
        } else if (*line == "    strID = Left(strTempObjID, i - 1)") {
            EXPECT_GT(i, 0U) << "Left with a negative length";
            id = tempObjID.substr(0, i - 1);
        } else if (*line == "    strTempObjID = Mid(strTempObjID, i + 1)") {
            tempObjID = tempObjID.substr(std::min(i, tempObjID.size()));
        } else if (*line == "    strID = strTempObjID") {
            id = tempObjID;
        } else if (line->starts_with(kConditionStart) && line->ends_with('"') &&
                   line->find(kValue) != std::string::npos) {
            // The literal before the value, the value with its quotes doubled, the literal after it.
            const size_t value = line->find(kValue);
            sql += line->substr(kConditionStart.size(), value - kConditionStart.size()) +
                   patternkit::Common::ReplaceString(id, "'", "''") +
                   line->substr(value + kValue.size(), line->size() - 1 - value - kValue.size());
        } else {
            ADD_FAILURE() << "unexpected line: " << *line;
        }
    }
    return sql;
}

struct ParentKey {
    const char* name;
    int16_t keyIndex;
    const char* dataType;
    // The child's foreign properties that refer to this key ("" for none).
    std::vector<const char*> foreignProperties;
};

// A child "Line" of "Order" whose keys stand in the given order, with the given foreign properties; one
// more foreign property refers to a field of the same name in another table, and must match nothing.
Lines ParentQueryOf(const std::vector<ParentKey>& keys) {
    testing_support::FakeModel model;
    const auto order = model.AddBusinessObject("Order");
    const auto other = model.AddBusinessObject("Other");
    const auto line = model.AddBusinessObject("Line");
    MakeKey(*AddKeyedProperty(*line, "LineNo", "Integer", 1), 1);
    for (const auto& key : keys) {
        const auto parentKey = AddKeyedProperty(*order, key.name, key.dataType, 2);
        MakeKey(*parentKey, key.keyIndex);
        for (const char* foreignName : key.foreignProperties)
            MakeForeign(*AddKeyedProperty(*line, foreignName, key.dataType, 3), *parentKey);
        MakeForeign(*AddKeyedProperty(*line, std::string("Other") + key.name, "Long", 4),
                    *AddKeyedProperty(*other, key.name, "Long", 5));
    }
    model.Relate(line, order, "Identifying");
    return testing_support::Slice(testing_support::BuildThreeTier(line)["OrdersBusiness/LineList"],
                                  "Private Function GenSQLFromOrderObjId", "End Function");
}

TEST(ListParentQuery, PairsEachParentKeyWithItsOwnForeignPropertyInKeyIndexOrder) {
    const struct {
        const char* what;
        std::vector<ParentKey> keys;
        std::string objectId;
        std::string criteria;
    } cases[] = {
        {"one Long key", {{"OrderID", 1, "Long", {"OrderRef"}}}, "5", "OrderRef  = 5 "},
        {"one String key, its quotes doubled",
         {{"Code", 1, "String", {"OrderCode"}}},
         "O'Brien",
         "OrderCode  = 'O''Brien' "},
        {"keys against their KeyIndex order",
         {{"Year", 2, "Integer", {"OrderYear"}}, {"Branch", 1, "String", {"OrderBranch"}}},
         "North;2026",
         "OrderBranch  = 'North'  AND OrderYear = 2026 "},
        {"first key without a foreign property",
         {{"K1", 1, "Long", {}}, {"K2", 2, "Long", {"F2"}}, {"K3", 3, "String", {"F3"}}},
         "1;2;c'3",
         "F2  = 2  AND F3 = 'c''3' "},
        {"middle key without a foreign property",
         {{"K1", 1, "Long", {"F1"}}, {"K2", 2, "Long", {}}, {"K3", 3, "Long", {"F3"}}},
         "1;2;3",
         "F1  = 1  AND F3 = 3 "},
        {"last key without a foreign property",
         {{"K1", 1, "Long", {"F1"}}, {"K2", 2, "Long", {"F2"}}, {"K3", 3, "Long", {}}},
         "1;2;3",
         "F1  = 1  AND F2 = 2 "},
        {"one key referred to twice",
         {{"K1", 1, "Long", {"F1", "G1"}}, {"K2", 2, "Long", {"F2"}}},
         "1;2",
         "F1  = 1  AND G1 = 1  AND F2 = 2 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RunParentQuery(ParentQueryOf(c.keys), c.objectId), c.criteria);
    }
}

TEST(ListParentQuery, ParentMembersOnlyWithExactlyOneIdentifyingParent) {
    for (const int parentCount : {0, 1, 2}) {
        SCOPED_TRACE(parentCount);
        testing_support::OrderModel sample;
        const auto line = sample.orderLine;
        line->sourceAssociations->items.clear();
        for (int parent = 0; parent < parentCount; ++parent)
            sample.model.Relate(line, parent == 0 ? sample.order : sample.product, "Identifying");
        const Lines lines = testing_support::BuildThreeTier(line)["OrdersBusiness/OrderLineList"];
        const bool hasOne = parentCount == 1;
        const auto contains = [&](const std::string& text) {
            return std::find(lines.begin(), lines.end(), text) != lines.end();
        };
        EXPECT_EQ(contains("Private myOrder As Order"), hasOne);
        EXPECT_EQ(contains("Property Set Order(OrderBusObj As Order)"), hasOne);
        EXPECT_EQ(contains("Property Let OrderObjId(ObjId As String)"), hasOne);
        EXPECT_EQ(contains(" strSearch = GenSQLFromOrderObjId ()"), hasOne);
        EXPECT_EQ(contains("Private Function GenSQLFromOrderObjId () As String"), hasOne);
        EXPECT_FALSE(contains("Private myProduct As Product"));
        // Without the qualification the criteria go to the persistence class untouched.
        const Lines search = testing_support::Slice(lines, "Public Sub Search(", "End Sub");
        const auto call =
            std::find(search.begin(), search.end(), "    Set mrsOrderLine = objPersist.Search(strSearch)");
        ASSERT_NE(call, search.end());
        EXPECT_EQ(
            std::count_if(search.begin(), call,
                          [](const std::string& l) { return l.find("strSearch") != std::string::npos; }),
            hasOne ? 4 : 1);
    }
}

TEST(ListObjectId, KeysInKeyIndexOrderFromTheStoredValues) {
    struct Key {
        const char* name;
        const char* dataType;
        int16_t keyIndex;
    };
    const struct {
        const char* what;
        std::vector<Key> keys;
        Lines expected;
    } cases[] = {
        {"B before A in the collection, A first by KeyIndex",
         {{"B", "Long", 2}, {"A", "Date", 1}},
         {R"(    CreateObjectID = CreateObjectID & ";" & CStr(mrsThing("A")))",
          R"(    CreateObjectID = CreateObjectID & ";" & CStr(mrsThing("B")))"}},
        {"a String key is taken as it stands",
         {{"Code", "String", 1}},
         {R"(    CreateObjectID = CreateObjectID & ";" & mrsThing("Code"))"}},
        {"Memo and OLE Object keys are left out",
         {{"Text", "Memo", 1}, {"Id", "Boolean", 2}, {"Picture", "OLE Object", 3}},
         {R"(    CreateObjectID = CreateObjectID & ";" & CStr(mrsThing("Id")))"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::FakeModel model;
        const auto thing = model.AddBusinessObject("Thing");
        for (const auto& key : c.keys)
            MakeKey(*AddKeyedProperty(*thing, key.name, key.dataType, 1), key.keyIndex);
        const Lines function =
            testing_support::Slice(testing_support::BuildThreeTier(thing)["OrdersBusiness/ThingList"],
                                   "Private Function CreateObjectId", "End Function");
        ASSERT_GT(function.size(), 6U + c.expected.size());
        EXPECT_EQ(Lines(function.begin() + 6, function.begin() + 6 + static_cast<long>(c.expected.size())),
                  c.expected);
        EXPECT_EQ(function[6 + c.expected.size()], "");
    }
}

TEST(ListObjectId, DuplicateOrMissingKeyIndexEndsTheListClass) {
    const struct {
        int16_t first, second;
        int32_t error;
    } cases[] = {{1, 1, vb::kDuplicateKey}, {1, 3, vb::kSubscriptOutOfRange}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        testing_support::FakeModel model;
        const auto thing = model.AddBusinessObject("Thing");
        MakeKey(*AddKeyedProperty(*thing, "A", "Long", 1), c.first);
        MakeKey(*AddKeyedProperty(*thing, "B", "Long", 2), c.second);
        try {
            testing_support::BuildThreeTier(thing);
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), c.error);
            EXPECT_TRUE(
                error.Source().starts_with("T3BusinessObjects.Build->T3BusinessObjects.GenerateL2List->"))
                << error.Source();
        }
    }
}

}  // namespace
