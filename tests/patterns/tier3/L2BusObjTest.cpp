// The layer-2 business-object class of the sample's Customer, Product, Order and OrderLine: its
// procedures against hand-written expected text, and the variants the model chooses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "patternkit/ConstructorErrors.h"
#include "patterns/tier3/T3BusinessObject.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/tier3/L2Model.h"
#include "tests/support/ProcedureLines.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::L2BusinessObject;
using testing_support::L2Sample;

Lines Generate(const std::shared_ptr<L2BusinessObject>& businessObject) {
    auto application = std::make_shared<testing_support::SampleApplication>();
    auto engine = std::make_shared<testing_support::TokenEngine>();
    tier3::Generators generators;
    generators.GenerateL2BusObj = tier3::GenerateL2BusObj;
    tier3::T3BusinessObject pattern(generators);
    engine->pattern = &pattern;
    engine->application = application;
    pattern.SetApplication(application);
    pattern.SetBusinessObject(businessObject);
    pattern.SetProperties(businessObject->properties);
    pattern.SetMethods(businessObject->methods);
    pattern.SetConstructor(engine);
    EXPECT_EQ(pattern.Build(), std::optional<int16_t>(0));
    return engine->componentLines["SampleBusiness/" + businessObject->name];
}

// The line up to its comment: an apostrophe outside a string literal.
std::string CodeOf(const std::string& line) {
    bool inString = false;
    for (size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '"')
            inString = !inString;
        else if (line[at] == '\'' && !inString)
            return line.substr(0, at);
    }
    return line;
}

size_t CountOf(const Lines& lines, const std::string& line) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

class L2BusObj : public ::testing::Test {
  protected:
    void SetUp() override {
        patternkit::Common::ResetContinueAnswerForTesting();
        vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
    }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    testing_support::L2Sample mSample;
};

TEST_F(L2BusObj, ProceduresMatchTheirExpectedText) {
    const struct {
        std::shared_ptr<L2BusinessObject> L2Sample::*businessObject;
        const char* first;
        const char* last;
        const char* golden;
    } cases[] = {
        {&testing_support::L2Sample::customer, "Option Explicit",
         "'PROPERTIES OF THE Customer BUSINESS OBJECT", "L2_Customer_Declarations.txt"},
        {&testing_support::L2Sample::customer, "Property Get CustomerID() As String", "End Property",
         "L2_Customer_GetCustomerID.txt"},
        {&testing_support::L2Sample::customer, "Property Get Notes() As String", "End Property",
         "L2_Customer_GetNotes.txt"},
        {&testing_support::L2Sample::customer, "Property Let Name(ByVal strValue As String)", "End Property",
         "L2_Customer_LetName.txt"},
        {&testing_support::L2Sample::customer, "Property Let CreditLimit(ByVal strValue As String)",
         "End Property", "L2_Customer_LetCreditLimit.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Add(Optional objCustomerBatch As Variant)",
         "End Sub", "L2_Customer_Add.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Approve(Optional objCustomerBatch As Variant)",
         "End Sub", "L2_Customer_Approve.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function CreditLimitIsValid (strValue As String) As Boolean", "End Function",
         "L2_Customer_CreditLimitIsValid.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Reset()", "End Sub", "L2_Customer_Reset.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Delete(Optional objCustomerBatch As Variant)",
         "End Sub", "L2_Customer_Delete.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Read(ByVal ObjectID As String)", "End Sub",
         "L2_Customer_Read.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Update(Optional objCustomerBatch As Variant)",
         "End Sub", "L2_Customer_Update.txt"},
        {&testing_support::L2Sample::customer, "Public Sub Save()", "End Sub", "L2_Customer_Save.txt"},
        {&testing_support::L2Sample::customer, "Private Sub Class_Initialize()", "End Sub",
         "L2_Customer_ClassInitialize.txt"},
        {&testing_support::L2Sample::customer, "Private Sub Class_Terminate()", "End Sub",
         "L2_Customer_ClassTerminate.txt"},
        {&testing_support::L2Sample::customer, "Private Function GetState() As String", "End Function",
         "L2_Customer_GetState.txt"},
        {&testing_support::L2Sample::customer, "Private Sub SetState(Buffer As String)", "End Sub",
         "L2_Customer_SetState.txt"},
        {&testing_support::L2Sample::customer, "Private Sub SetDefaultValues(Optional vOperation As Variant)",
         "End Sub", "L2_Customer_SetDefaultValues.txt"},
        {&testing_support::L2Sample::customer, "Private Sub InitMandatoryPropertyCol()", "End Sub",
         "L2_Customer_InitMandatoryPropertyCol.txt"},
        {&testing_support::L2Sample::customer, "Private Sub InitPropertyPVCol()", "End Sub",
         "L2_Customer_InitPropertyPVCol.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function IsValidNumber(ByVal strValue As String) As Boolean", "End Function",
         "L2_Customer_IsValidNumber.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function IsValidDate(ByVal strValue As String) As Boolean", "End Function",
         "L2_Customer_IsValidDate.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function IsValidBoolean(ByVal strValue As String) As Boolean", "End Function",
         "L2_Customer_IsValidBoolean.txt"},
        {&testing_support::L2Sample::customer, "Private Sub Read_Notes()", "End Sub",
         "L2_Customer_ReadNotes.txt"},
        {&testing_support::L2Sample::customer, "Private Function NameIsValid (strValue As String) As Boolean",
         "End Function", "L2_Customer_NameIsValid.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function NotesIsValid (strValue As String) As Boolean", "End Function",
         "L2_Customer_NotesIsValid.txt"},
        {&testing_support::L2Sample::customer,
         "Private Function SinceIsValid (strValue As String) As Boolean", "End Function",
         "L2_Customer_SinceIsValid.txt"},
        {&testing_support::L2Sample::customer, "Private Sub InitBusinessRulesCol()", "End Sub",
         "L2_Customer_InitBusinessRulesCol.txt"},
        {&testing_support::L2Sample::customer, "Private Sub CheckBusinessRules()", "End Sub",
         "L2_Customer_CheckBusinessRules.txt"},
        {&testing_support::L2Sample::customer, "Private Sub CheckMandatoryValues() ", "End Sub",
         "L2_Customer_CheckMandatoryValues.txt"},
        {&testing_support::L2Sample::customer, "Private Sub InitRestrictions()", "End Sub",
         "L2_Customer_InitRestrictions.txt"},
        {&testing_support::L2Sample::product,
         "Private Function ProductCodeIsValid (strValue As String) As Boolean", "End Function",
         "L2_Product_ProductCodeIsValid.txt"},
        {&testing_support::L2Sample::orderLine, "'PROPERTIES REFERRING TO THE PARENT BUSINESS OBJECT",
         "'PROPERTIES OF THE OrderLine BUSINESS OBJECT", "L2_OrderLine_Parent.txt"},
        {&testing_support::L2Sample::orderLine,
         "Public Function MethodIsExecutable(ByVal strMethodName As String) As Boolean", "End Function",
         "L2_OrderLine_MethodIsExecutable.txt"},
        {&testing_support::L2Sample::orderLine,
         "Private Function ProductCodeIsValid (strValue As String) As Boolean", "End Function",
         "L2_OrderLine_ProductCodeIsValid.txt"},
        {&testing_support::L2Sample::customer, "Property Get Region() As String", "End Property",
         "L2_Customer_GetRegion.txt"},
        {&testing_support::L2Sample::customer, "Property Get Balance() As String", "End Property",
         "L2_Customer_GetBalance.txt"},
        {&testing_support::L2Sample::customer, "Property Get Since() As String", "End Property",
         "L2_Customer_GetSince.txt"},
        {&testing_support::L2Sample::customer, "Property Let Since(ByVal strValue As String)", "End Property",
         "L2_Customer_LetSince.txt"},
        {&testing_support::L2Sample::customer, "Property Let Notes(ByVal strValue As String)", "End Property",
         "L2_Customer_LetNotes.txt"},
        {&testing_support::L2Sample::customer,
         "'****************  DESIGNER PROPERTIES   **********************",
         "'****************     BUSINESS OPERATIONS    ******************",
         "L2_Customer_DesignerProperties.txt"},
        {&testing_support::L2Sample::product, "Property Get Discontinued() As String", "End Property",
         "L2_Product_GetDiscontinued.txt"},
        {&testing_support::L2Sample::product, "Property Let Discontinued(ByVal strValue As String)",
         "End Property", "L2_Product_LetDiscontinued.txt"},
        {&testing_support::L2Sample::product,
         "Private Function DiscontinuedIsValid (strValue As String) As Boolean", "End Function",
         "L2_Product_DiscontinuedIsValid.txt"},
        {&testing_support::L2Sample::product, "Private Sub SetDefaultValues(Optional vOperation As Variant)",
         "End Sub", "L2_Product_SetDefaultValues.txt"},
        {&testing_support::L2Sample::product, "Public Sub Save()", "End Sub", "L2_Product_Save.txt"},
        {&testing_support::L2Sample::product, "Public Sub Update(Optional objProductBatch As Variant)",
         "End Sub", "L2_Product_Update.txt"},
        {&testing_support::L2Sample::order,
         "Private mcolPropPermittedValues As Collection  'True: Property has permitted values",
         "'|||Add additional variable declarations here", "L2_Order_Relationships.txt"},
        {&testing_support::L2Sample::order, "'PROPERTIES EXPOSING CONTAINED BUSINESS OBJECTS",
         "'PROPERTIES OF THE Order BUSINESS OBJECT", "L2_Order_Children.txt"},
        {&testing_support::L2Sample::order, "Private Sub CheckBusinessRules()", "End Sub",
         "L2_Order_CheckBusinessRules.txt"},
        // Add leaves the key's rule valid: the database has filled the Read Only key.
        {&testing_support::L2Sample::order, "Public Sub Add(Optional objOrderBatch As Variant)", "End Sub",
         "L2_Order_Add.txt"},
        {&testing_support::L2Sample::order, "Private Sub InitRestrictions()", "End Sub",
         "L2_Order_InitRestrictions.txt"},
        {&testing_support::L2Sample::orderLine,
         "Private mcolPropPermittedValues As Collection  'True: Property has permitted values",
         "'|||Add additional variable declarations here", "L2_OrderLine_Relationships.txt"},
        {&testing_support::L2Sample::orderLine, "Private Sub CheckBusinessRules()", "End Sub",
         "L2_OrderLine_CheckBusinessRules.txt"},
        {&testing_support::L2Sample::order, "Property Get Total() As String", "End Property",
         "L2_Order_GetTotal.txt"},
        {&testing_support::L2Sample::order,
         "Private Function OrderDateIsValid (strValue As String) As Boolean", "End Function",
         "L2_Order_OrderDateIsValid.txt"},
        {&testing_support::L2Sample::order, "Private Function TotalIsValid (strValue As String) As Boolean",
         "End Function", "L2_Order_TotalIsValid.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        testing_support::ExpectMatchesGolden(
            testing_support::Slice(Generate(mSample.*c.businessObject), c.first, c.last), c.golden);
    }
}

TEST_F(L2BusObj, VariantsTheModelChooses) {
    const Lines customer = Generate(mSample.customer);
    const Lines product = Generate(mSample.product);
    const Lines order = Generate(mSample.order);
    const Lines orderLine = Generate(mSample.orderLine);
    const struct {
        const char* what;
        const Lines& lines;
        std::string line;
        size_t count;
    } cases[] = {
        {"a Read Only property has no Let", customer, "Property Let Balance(ByVal strValue As String)", 0},
        {"a Read/Write property has one", customer, "Property Let Since(ByVal strValue As String)", 1},
        {"one code-table object for the class", customer, "Private myCodeTable As qelCodeTable", 1},
        {"no code table, no object", product, "Private myCodeTable As qelCodeTable", 0},
        {"list of three values", customer, "Private mvntRegionPV( 3) As Variant", 1},
        {"Memo read on demand", customer, "Private Sub Read_Notes()", 1},
        {"no Memo, no read", product, "Private Sub Read_Notes()", 0},
        {"Memo values passed to Add", customer, "                .Add mstrNotesVarString", 1},
        {"no Memo, nothing passed", product, "                .Add", 1},
        {"a further method goes to the persistence class", customer,
         "               .Approve mstrNotesVarString", 1},
        {"never to the batch", customer, "            objCustomerBatch.Approve  mstrNotesVarString", 0},
        {"without parent, no Select Case", customer, "    Select Case strMethodName", 0},
        {"with one parent, Select Case", orderLine, "    Select Case strMethodName", 1},
        {"without parent, Add rule on one line", customer,
         "    blnTemp = mcolBusinessRules(\"AllMandatoryValuesExist\")And Not mblnDeleted ", 1},
        {"with parent, Add rule asks the parent", orderLine,
         "        And myOrder.MethodIsExecutable(\"OrderLine_Add\") ", 1},
        {"a container declares its children", order, "Private WithEvents myOrderLine As OrderLine", 1},
        {"child methods start not executable", order,
         "    mcolMethodIsExecutable.Add False, \"OrderLine_Read\"", 1},
        {"child accessor edit point", order, "'<<<Start Edit Point: PropertyGet_ 6 - Error Processing", 1},
        {"a reference list is declared", orderLine, "Private myProductList As ProductList", 1},
        {"the parent list is declared", orderLine, "Private myOrderList As OrderList", 1},
        {"rule edit point of DBID 1", customer, "'<<<Start Edit Point: Property Let -  1", 1},
        {"rule edit point of DBID 12", customer, "'<<<Start Edit Point: Property Let -  12", 1},
        {"further method rule edit point", customer, "'<<<Start Edit Point:  CheckBusinessRules: 25", 1},
        {"further method pre edit point", customer, "'<<<Start Edit Point:  25 - Pre", 1},
        {"a String starts empty", customer, "    mudtProps.Name = \"\" ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CountOf(c.lines, c.line), c.count) << c.line;
    }
}

// The business rules as the generated class keeps them: every rule starts False (InitBusinessRulesCol), a
// property's rule turns True when its Let stores a valid value, and Add then sets what its lines set. After
// Add no mandatory key may be left False: CheckMandatoryValues tests it once the object is not new, and
// Update would then refuse every later change.
TEST_F(L2BusObj, AfterAddNoMandatoryRuleOfAKeyStaysFalse) {
    for (const auto& businessObject : {mSample.customer, mSample.product, mSample.order, mSample.orderLine}) {
        SCOPED_TRACE(businessObject->name);
        const Lines lines = Generate(businessObject);
        std::map<std::string, bool> rules;
        for (const std::string& line :
             testing_support::Procedure(lines, "Private Sub InitBusinessRulesCol()")) {
            if (line.starts_with("    mcolBusinessRules.Add False, \""))
                rules[line.substr(line.find('"'))] = false;
        }
        for (const auto& item : businessObject->properties->items) {
            const std::string rule = "\"" + item->Name() + "IsValid\"";
            ASSERT_TRUE(rules.contains(rule)) << rule;
            const bool hasLet =
                CountOf(lines, "Property Let " + item->Name() + "(ByVal strValue As String)") == 1;
            const Lines valid =
                testing_support::Procedure(lines, "Private Function " + item->Name() + "IsValid (");
            if (hasLet && CountOf(valid, "        mcolBusinessRules.Add True, " + rule) == 1)
                rules[rule] = true;
        }
        for (const std::string& line :
             testing_support::Procedure(lines, "Public Sub Add(Optional obj" + businessObject->name)) {
            if (line.starts_with("        mcolBusinessRules.Add True, \""))
                rules[line.substr(line.find('"'))] = true;
        }
        for (const auto& item : businessObject->properties->items) {
            if (item->IsKey() && item->IsMandatory()) {
                EXPECT_TRUE(rules["\"" + item->Name() + "IsValid\""]) << item->Name();
            }
        }
    }
}

// Compiles under Option Explicit and Option Base 1: an empty permitted-value list is declared as a
// dynamic array, a text range is quoted, and every string literal is closed.
TEST_F(L2BusObj, GeneratedTextCompiles) {
    auto& region =
        *std::static_pointer_cast<testing_support::L2Property>(mSample.customer->properties->items[3]);
    region.permittedValues->items.clear();
    region.isPVRange = true;
    // A bound holding a quote has it doubled inside the literal.
    region.lowerBound = "A";
    region.upperBound = "M\"";
    const Lines customer = Generate(mSample.customer);
    EXPECT_EQ(CountOf(customer, "Private mvntRegionPV() As Variant"), 1U);
    EXPECT_EQ(CountOf(customer, "    If strValue >= \"A\"  And _ "), 1U);
    EXPECT_EQ(CountOf(customer, "            strValue <= \"M\"\"\" Then"), 1U);
    for (const auto& businessObject : {mSample.customer, mSample.product, mSample.order, mSample.orderLine}) {
        for (const auto& line : businessObject == mSample.customer ? customer : Generate(businessObject)) {
            const std::string code = CodeOf(line);
            EXPECT_EQ(code.size() == line.size() && std::count(line.begin(), line.end(), '"') % 2, 0)
                << "unterminated string in " << businessObject->name << ": " << line;
            for (size_t at = code.find('&'); at != std::string::npos; at = code.find('&', at + 1))
                EXPECT_FALSE(at + 1 < code.size() && std::isupper(static_cast<unsigned char>(code[at + 1])))
                    << "unresolved token in " << businessObject->name << ": " << line;
        }
    }
}

}  // namespace
