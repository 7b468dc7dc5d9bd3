// The persistence class of the sample's Product (two text keys), a Shipment (a Date and a Boolean key) and
// Order (a table name with a blank, an OLE Object, a further method "Ship") against hand-written expected
// text, in each database type, with and without the transaction server, and with stored procedures.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/PersistModel.h"
#include "tests/support/ProcedureLines.h"

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
    bool writeByStoredProcedure;
};

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
        for (size_t writer = 0; writer < 3; ++writer) {
            auto method = std::static_pointer_cast<testing_support::SampleMethod>(methods->items[writer]);
            method->isStoredProcedure = variant.writeByStoredProcedure;
            method->storedProcedureName = "sp" + busObjName + method->name;
        }
        auto busObj = model.AddBusinessObject(busObjName);
        if (busObjName == "Product") {
            AddProductProperties(*busObj);
        } else if (busObjName == "Shipment") {
            AddShipmentProperties(*busObj);
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

    // Shipment: a Date key and a Boolean key whose key order is the reverse of their property order, so each
    // WHERE builder puts a different one first.
    static void AddShipmentProperties(FakeBusinessObject& shipment) {
        AddKey(shipment, "ShipDate", "Date", 2, 8);
        AddKey(shipment, "Express", "Boolean", 1, 2);
        AddPersistProperty(shipment, "Carrier", "String", 20);
    }

    // Order: stored in "Order Header" under a key the database assigns; a date kept in a field whose name
    // holds a blank, a customer and a signature held as an OLE Object.
    static void AddOrderProperties(FakeBusinessObject& order) {
        order.table->name = "Order Header";
        AddKey(order, "OrderID", "Long", 1, 4)->access = "Read Only";
        AddPersistProperty(order, "OrderDate", "Date", 8, "Order Date");
        AddPersistProperty(order, "CustomerID", "Long", 4);
        AddPersistProperty(order, "Signature", "OLE Object")->dbid = 30;
    }
};

TEST_F(PersistVariantsGolden, ProceduresThatDifferByVariant) {
    const Variant access{"Access", false, false, false, false};
    const Variant sql{"SQL", false, false, false, false};
    const Variant oracle{"Oracle", false, false, false, false};
    const Variant accessMTS{"Access", true, false, false, false};
    const Variant sqlStoredProcedures{"SQL", false, true, true, false};
    const Variant sqlStoredWriters{"SQL", false, false, false, true};
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
        {"Shipment", access, "Private Function GenSQLFromObjectID(ByVal ObjectID As String) As String",
         "Private Sub Class_Initialize()", "ShipmentPersist_DateBooleanKeys.txt"},
        {"Shipment", sql, "Private Function GenSQLFromObjectID(ByVal ObjectID As String) As String",
         "Private Sub Class_Initialize()", "ShipmentPersist_DateBooleanKeys.txt"},
        {"Shipment", oracle, "Private Function GenSQLFromObjectID(ByVal ObjectID As String) As String",
         "Private Sub Class_Initialize()", "ShipmentPersist_DateBooleanKeys.txt"},
        {"Order", accessMTS, "'Operation Codes for Order", "Public Property Get DBMSType() As Integer",
         "OrderPersist_Declarations_MTS.txt"},
        {"Product", sqlStoredWriters, "Public Sub Add()", "    End Sub", "ProductPersist_Add_StoredProc.txt"},
        {"Product", sqlStoredWriters, "Public Sub Update()", "End Sub",
         "ProductPersist_Update_StoredProc.txt"},
        {"Product", sqlStoredWriters, "Public Sub Delete()", "End Sub",
         "ProductPersist_Delete_StoredProc.txt"},
        {"Order", accessMTS, "Public Sub Add( Optional SignatureVarString As String)", "Public Sub Delete()",
         "OrderPersist_AddUpdate_MTS.txt"},
        {"Order", accessMTS, "Public Sub Delete()", "End Sub", "OrderPersist_Delete_MTS.txt"},
        {"Order", accessMTS, "Public Sub Read (ByVal ObjectID As String)", "End Function",
         "OrderPersist_Read_MTS.txt"},
        {"Order", accessMTS, "Public Function Search(ByVal strSearch As String) As ADOR.Recordset",
         "End Function", "OrderPersist_Search_MTS.txt"},
        {"Order", accessMTS, "Public Function CreateRecordset() As ADOR.Recordset", "End Function",
         "OrderPersist_CreateRecordset_MTS.txt"},
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
        testing_support::ExpectMatchesGolden(
            testing_support::Slice(Generate(c.busObj, c.variant), c.first, c.last), c.golden);
    }
}

}  // namespace
