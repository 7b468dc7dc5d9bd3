// The persistence class of the sample's Product (two text keys) and Order (a table name with a blank, an
// OLE Object, a further method "Ship") against hand-written expected text, in each database type, with and
// without the transaction server, and with stored procedures.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/PersistModel.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::AddKey;
using testing_support::AddPersistProperty;
using testing_support::FakeBusinessObject;

// The choices of the application and of the model that change the generated class.
struct Variant {
    const char* dbType;
    bool isMTS;
    bool shipByStoredProcedure;
    bool readByStoredProcedure;
};

// The lines from `first` to the first `last` after it, both included; to the end when `last` is empty.
Lines Section(const Lines& lines, const std::string& first, const std::string& last) {
    const auto begin = std::find(lines.begin(), lines.end(), first);
    if (begin == lines.end())
        return {};
    if (last.empty())
        return Lines(begin, lines.end());
    const auto end = std::find(begin + 1, lines.end(), last);
    return end == lines.end() ? Lines{} : Lines(begin, end + 1);
}

class PersistVariantsGolden : public ::testing::Test {
  protected:
    void SetUp() override { vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56})); }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    Lines Generate(const std::string& busObjName, const Variant& variant) {
        testing_support::FakeModel model;
        auto application = std::make_shared<testing_support::PersistApplication>();
        application->dbType = variant.dbType;
        application->isMTS = variant.isMTS;
        auto methods = testing_support::StandardMethods();
        std::static_pointer_cast<testing_support::SampleMethod>(methods->items[3])->isStoredProcedure =
            variant.readByStoredProcedure;
        auto busObj = model.AddBusinessObject(busObjName);
        if (busObjName == "Product") {
            AddProductProperties(*busObj);
        } else {
            AddOrderProperties(*busObj);
            auto ship = testing_support::AddSampleMethod(*methods, "Ship", 41);
            ship->isStoredProcedure = variant.shipByStoredProcedure;
            ship->storedProcedureName = "spShipOrder";
        }
        return testing_support::GeneratePersist(busObj, application, methods);
    }

    // Product: two text keys, a text, a currency and a Boolean.
    static void AddProductProperties(FakeBusinessObject& product) {
        AddKey(product, "SupplierCode", "String", 1, 10);
        AddKey(product, "ProductCode", "String", 2, 10);
        AddPersistProperty(product, "Description", "String", 40);
        AddPersistProperty(product, "UnitPrice", "Currency", 8);
        AddPersistProperty(product, "Discontinued", "Boolean", 2);
    }

    // Order: stored in "Order Header"; a date kept in a field whose name holds a blank, a customer and a
    // signature held as an OLE Object.
    static void AddOrderProperties(FakeBusinessObject& order) {
        order.table->name = "Order Header";
        AddKey(order, "OrderID", "Long", 1, 4);
        AddPersistProperty(order, "OrderDate", "Date", 8, "Order Date");
        AddPersistProperty(order, "CustomerID", "Long", 4);
        AddPersistProperty(order, "Signature", "OLE Object")->dbid = 30;
    }
};

TEST_F(PersistVariantsGolden, ProceduresThatDifferByVariant) {
    const Variant access{"Access", false, false, false};
    const Variant sql{"SQL", false, false, false};
    const Variant oracle{"Oracle", false, false, false};
    const Variant accessMTS{"Access", true, false, false};
    const Variant sqlStoredProcedures{"SQL", false, true, true};
    const struct {
        const char* busObj;
        Variant variant;
        const char* first;
        const char* last;
        const char* golden;
    } cases[] = {
        {"Product", access, "Private Sub Class_Initialize()", "End Sub",
         "ProductPersist_Initialize_Access.txt"},
        {"Product", sql, "Private Sub Class_Initialize()", "End Sub", "ProductPersist_Initialize_SQL.txt"},
        {"Product", oracle, "Private Sub Class_Initialize()", "End Sub",
         "ProductPersist_Initialize_Oracle.txt"},
        {"Product", oracle, "Private Function CreateObjectID() As String", "Private Sub Class_Initialize()",
         "ProductPersist_Keys.txt"},
        {"Order", accessMTS, "'Operation Codes for Order", "Public Property Get DBMSType() As Integer",
         "OrderPersist_Declarations_MTS.txt"},
        {"Order", accessMTS, "Public Sub Add( Optional SignatureVarString As String)", "Public Sub Delete()",
         "OrderPersist_AddUpdate_MTS.txt"},
        {"Order", accessMTS, "Public Sub Delete()", "End Sub", "OrderPersist_Delete_MTS.txt"},
        {"Order", accessMTS, "Public Sub Read (ByVal ObjectID As String)", "End Function",
         "OrderPersist_Read_MTS.txt"},
        {"Order", accessMTS, "Public Sub Ship( Optional SignatureVarString As String)", "End Sub",
         "OrderPersist_Ship_MTS.txt"},
        {"Order", sql, "Public Sub Ship( Optional SignatureVarString As String)", "End Sub",
         "OrderPersist_Ship.txt"},
        {"Order", sqlStoredProcedures, "Public Sub Ship( Optional SignatureVarString As String)", "End Sub",
         "OrderPersist_Ship.txt"},
        {"Order", accessMTS, "Public Sub Post(rsOrderBatch As ADOR.Recordset)", "End Function",
         "OrderPersist_PostState_MTS.txt"},
        {"Order", accessMTS, "Private Sub Class_Initialize()", "", "OrderPersist_End_MTS.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        testing_support::ExpectMatchesGolden(Section(Generate(c.busObj, c.variant), c.first, c.last),
                                             c.golden);
    }
}

}  // namespace
