// The layer-3 persistence class against hand-written expected text, and the SQL it writes for keys,
// quotes, batches and stored procedures.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/vb/ContinuedLine.h"
#include "platform/vb/DateTime.h"
#include "platform/vb/Limits.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/PersistModel.h"
#include "tests/support/ProcedureLines.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::AddKey;
using testing_support::AddPersistProperty;
using testing_support::Procedure;

using testing_support::PersistApplication;

bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class PersistClass : public ::testing::Test {
  protected:
    void SetUp() override { vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56})); }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    Lines Generate(const std::shared_ptr<testing_support::FakeBusinessObject>& busObj) {
        return testing_support::GeneratePersist(busObj, mApplication, mMethods, mReferences);
    }

    std::shared_ptr<testing_support::FakeBusinessObject> Customer() {
        auto customer = mModel.AddBusinessObject("Customer");
        AddKey(*customer, "CustomerID", "Long", 1, 4);
        AddPersistProperty(*customer, "Balance", "Currency", 8);
        AddPersistProperty(*customer, "Name", "String", 50, "CustName");
        AddPersistProperty(*customer, "Notes", "Memo")->dbid = 12;
        AddPersistProperty(*customer, "Active", "Boolean", 2);
        AddPersistProperty(*customer, "Since", "Date", 8);
        return customer;
    }

    testing_support::FakeModel mModel;
    std::shared_ptr<PersistApplication> mApplication = std::make_shared<PersistApplication>();
    std::shared_ptr<testing_support::SampleMethods> mMethods = testing_support::StandardMethods();
    patternkit::BusinessObjectSet mReferences;
};

TEST_F(PersistClass, CustomerForSqlServerWithoutTheTransactionServer) {
    testing_support::ExpectMatchesGolden(Generate(Customer()), "CustomerPersist_SQL.txt");
}

// Whether `block` stands in `lines` as consecutive lines, blanks at the ends of lines aside.
bool HasBlock(const Lines& lines, const Lines& block) {
    const auto trimmed = [](const std::string& a, const std::string& b) {
        return a.substr(0, a.find_last_not_of(' ') + 1) == b.substr(0, b.find_last_not_of(' ') + 1);
    };
    return std::search(lines.begin(), lines.end(), block.begin(), block.end(), trimmed) != lines.end();
}

// An optional relationship's foreign key of each kind is stored as Null when the record holds no value, in
// Add and in Update; the same key kinds of a mandatory relationship store the record's value.
TEST_F(PersistClass, NullableForeignKeysStoreNullWhenTheRecordHoldsNoValue) {
    auto order = mModel.AddBusinessObject("Order");
    AddKey(*order, "OrderID", "Long", 1, 4);
    const struct {
        const char* name;
        const char* dataType;
        const char* test;
        const char* value;
    } cases[] = {
        {"SalesRep", "String", "Len(Trim(mudtProps.SalesRep)) = 0", "Trim(mudtProps.SalesRep)"},
        {"ShipperID", "Long", "mudtProps.ShipperID = 0", "mudtProps.ShipperID"},
        {"PromisedOn", "Date", "mudtProps.PromisedOn = dtmDefaultDate", "mudtProps.PromisedOn"},
    };
    for (const auto& c : cases) {
        for (const bool nullable : {true, false}) {
            auto key =
                AddPersistProperty(*order, std::string(c.name) + (nullable ? "" : "Kept"), c.dataType, 8);
            key->isForeign = true;
            std::static_pointer_cast<testing_support::NullableField>(key->field)->isNullable = nullable;
        }
    }
    const Lines lines = Generate(order);
    const Lines add = testing_support::Slice(lines, "Public Sub Add(", "    End Sub");
    const Lines update = testing_support::Slice(lines, "Public Sub Update(", "End Sub");
    for (const auto& c : cases) {
        const std::string field = std::string(".Fields(\"") + c.name + "\") = ";
        EXPECT_TRUE(
            HasBlock(add, {"        'Foreign key implementing an optional relationship is nullable",
                           std::string("        If ") + c.test + " Then", "            " + field + "Null",
                           "        Else", "            " + field + c.value, "         End If"}))
            << c.name;
        EXPECT_TRUE(
            HasBlock(update, {std::string("        If mudtProps.") + c.name + "IsChanged Then",
                              std::string("           If ") + c.test + " Then",
                              "                " + field + "Null", "            Else",
                              "                " + field + c.value, "            End If", "        End If"}))
            << c.name;
        const std::string kept = std::string(".Fields(\"") + c.name + "Kept\") = ";
        const std::string keptValue =
            patternkit::Common::ReplaceString(c.value, c.name, std::string(c.name) + "Kept");
        EXPECT_TRUE(HasBlock(add, {"        " + kept + keptValue})) << c.name;
        EXPECT_TRUE(HasBlock(update, {"           " + kept + keptValue})) << c.name;
    }
}

// Product: a two-column key listed as KeyIndex 2, 1. Every key is in the WHERE clause, text values have
// their quotes doubled, a Boolean key in first place has no " AND ".
TEST_F(PersistClass, EveryKeyTakesPartInTheWhereClause) {
    auto product = mModel.AddBusinessObject("Product");
    AddKey(*product, "Code", "String", 2, 10);
    AddKey(*product, "Current", "Boolean", 1);
    AddKey(*product, "Since", "Date", 3);
    AddKey(*product, "Weight", "Decimal", 4);
    mApplication->dbType = "Oracle";
    const Lines lines = Generate(product);
    const Lines where = Procedure(lines, "Private Function GenSQLFromProperties() As String");
    EXPECT_TRUE(
        Has(where, R"(    strSQL = strSQL & "Code  = '"& DoubleQuotes(Trim(mudtProps.Code)) & "' " )"));
    EXPECT_TRUE(Has(where, R"(     strSQL = strSQL & " AND Current  = " & strBlnValue & " " )"));
    EXPECT_TRUE(Has(where, R"(     strSQL = strSQL & " AND Weight  = " & mudtProps.Weight & " " )"));
    EXPECT_TRUE(Has(
        where,
        R"(            strSQL = strSQL & " AND Since  = TO_DATE('" & Format(mudtProps.Since, "yyyy-mm-dd hh:nn:ss") & "', 'YYYY-MM-DD HH24:MI:SS') " )"));
    const Lines fromID =
        Procedure(lines, "Private Function GenSQLFromObjectID(ByVal ObjectID As String) As String");
    EXPECT_TRUE(Has(fromID, "    mudtProps.Current = CBool(strNextKey)"));
    EXPECT_TRUE(Has(fromID, R"(    strSQL = strSQL & "Current  = " & strBlnValue & " " )"));
    EXPECT_TRUE(Has(fromID, "    mudtProps.Weight = CDec(strNextKey)"));
    EXPECT_TRUE(Has(lines, "    mintDBMSType = dbDBMS_Type_Oracle"));
}

TEST_F(PersistClass, KeysThatCannotIdentifyARowAreRefused) {
    const struct {
        const char* dataType;
        int16_t secondIndex;
        int32_t error;
    } cases[] = {{"Long", 1, vb::kDuplicateKey},
                 {"Long", 3, vb::kSubscriptOutOfRange},
                 {"Memo", 2, vb::kInvalidProcedureCall}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataType);
        auto item = mModel.AddBusinessObject("Item");
        AddKey(*item, "First", "Long", 1);
        AddKey(*item, "Second", c.dataType, c.secondIndex);
        try {
            Generate(item);
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& error) {
            EXPECT_EQ(error.Number(), c.error);
        }
    }
}

TEST_F(PersistClass, StoredProcedureReadDecodesTheObjectIDItIsGiven) {
    mMethods->items[3] = nullptr;
    mMethods->items[3] = testing_support::AddSampleMethod(*mMethods, "Read");
    mMethods->items.pop_back();
    std::static_pointer_cast<testing_support::SampleMethod>(mMethods->items[3])->isStoredProcedure = true;
    const Lines read = Procedure(Generate(Customer()), "Public Sub Read (ByVal ObjectID As String)");
    ASSERT_GT(read.size(), 5u);
    EXPECT_EQ(read[3], "    GenSQLFromObjectID ObjectID");
    EXPECT_EQ(read[4], "    mudtProps.ObjectID = CreateObjectID()");
    EXPECT_TRUE(Has(read, "    cmdStoredProc.CommandText = \"spRead\""));
}

TEST_F(PersistClass, TransactionServerVariant) {
    mApplication->isMTS = true;
    mApplication->dbType = "Access";
    const Lines lines = Generate(Customer());
    EXPECT_TRUE(Has(lines, "Implements ObjectControl"));
    EXPECT_TRUE(Has(Procedure(lines, "Public Sub Delete()"), "    myContext.SetComplete"));
    EXPECT_TRUE(Has(Procedure(lines, "Public Function GetState() As String"), "    myContext.SetComplete"));
    EXPECT_TRUE(Has(Procedure(lines, "Public Sub Post(rsCustomerBatch As ADOR.Recordset)"),
                    "    myContext.SetAbort"));
    EXPECT_FALSE(Has(Procedure(lines, "Public Function CreateRecordset() As ADOR.Recordset"),
                     "    myContext.SetAbort"));
    EXPECT_TRUE(Has(lines, "    mintDBMSType = dbDBMS_Type_MSAccess"));
    EXPECT_EQ(lines.back(), "'>>>End Edit Point: ");
    EXPECT_TRUE(Has(lines, "Private Function ObjectControl_CanBePooled() As Boolean"));
}

// Post hands Add and Update the Memo values straight from the row while such a call, continued, fits in one
// statement; past that, through an array filled field by field (in Post's parts, once it is split). Every
// line fits VB's continuations.
TEST_F(PersistClass, PostPassesMemoValuesThroughAnArrayWhenACallNamingTheirFieldsWouldNotFit) {
    for (const auto& [memos, arrayed] : {std::pair{150, false}, {151, true}, {254, true}}) {
        auto order = mModel.AddBusinessObject("Order");
        AddKey(*order, "OrderID", "Long", 1, 4);
        std::vector<std::string> fields;
        for (int i = 1; i <= memos; ++i) {
            fields.push_back("f" + std::to_string(1000 + i) + std::string(123, 'y'));
            AddPersistProperty(*order, "Note" + std::to_string(i), "Memo", 0, fields.back());
        }
        const Lines lines = Generate(order);
        for (const std::string& line : lines)
            ASSERT_LE(vb::ContinuedLine(line).size(), 1u + vb::kMaxContinuations) << memos << ": " << line;
        const Lines post = Procedure(lines, "Public Sub Post(");
        std::string items;
        for (int i = 1; i <= memos; ++i) {
            items += (i == 1 ? " " : ", ") + std::string("mstrVarStrings(") + std::to_string(i) + ")";
            const std::string fill = "        mstrVarStrings(" + std::to_string(i) +
                                     ") = \"\" & rsOrderBatch.Fields(\"" + fields[i - 1] + "\")";
            EXPECT_EQ(Has(lines, fill), arrayed) << memos << ": " << fill;
        }
        EXPECT_EQ(Has(post, "                Update" + items), arrayed) << memos;
        EXPECT_EQ(Has(post, "                Add" + items), arrayed) << memos;
        EXPECT_EQ(Has(lines, "Private mstrVarStrings(1 To " + std::to_string(memos) + ") As String"), arrayed)
            << memos;
        const std::string direct =
            "                Update \"\" & rsOrderBatch.Fields(\"" + fields[0] + "\"), ";
        EXPECT_EQ(
            std::any_of(post.begin(), post.end(), [&](const auto& line) { return line.starts_with(direct); }),
            !arrayed)
            << memos;
    }
}

}  // namespace
