// The engine's tokens: their values from the model and the running pattern's current objects, read at
// the moment each line is written.

#include "core/qelBusObjMethod.h"
#include "core/qelBusObjProperty.h"
#include "core/qelField.h"
#include "core/qelTable.h"
#include "tests/core/EngineFixture.h"

namespace enginetest {
namespace {

using testpatterns::BarePattern;
using typelib::IConstructor;

std::shared_ptr<core::qelBusObjProperty> Property(const std::string& name, const std::string& dataType,
                                                  const std::string& fieldName = "") {
    auto property = std::make_shared<core::qelBusObjProperty>();
    property->SetName(name);
    property->SetDataType(dataType);
    property->Field()->SetName(fieldName.empty() ? name : fieldName);
    return property;
}

class TokenTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        mApplication->SetDSN("SalesDSN");
        mApplication->SetLocalDBName("sales.mdb");
        mBusinessObject->Table()->SetName("Order Lines");
        mBusinessObject->SetBaseErrorNumber(1200);
        mParent->SetName("Customer");
        mParent->Table()->SetName(" Customers ");
        mChild->SetName("OrderLine");
        mReference->SetName("Product");
        mMethod->SetName("Ship");

        mAmount->SetAccess("Read/Write");
        mAmount->SetLabel("Amount due");
        mAmount->SetLength(8);
        mAmount->SetIsKey(true);
        mAmount->SetControlType("TextBox");
        mAmount->SetPVFKeyDisplayedProp(mOrigin);
        mForeign->SetIsForeignProperty(true);
        mForeign->SetForeignKeyField(mOrigin->Field());
        mOrigin->Field()->SetBusObjProperty(mOrigin);
        mOrigin->SetBusinessObjectName("Customer");
    }

    // Runs `body` inside a Build of the given pattern class with the current objects set.
    void Within(const std::function<void(IConstructor&, BarePattern&)>& body,
                const std::string& progId = "TestPatterns.Scripted") {
        Run(
            [&](BarePattern& pattern) -> std::optional<int16_t> {
                pattern.busObj = mBusinessObject;
                pattern.parent = mParent;
                pattern.child = mChild;
                pattern.reference = mReference;
                pattern.property = mAmount;
                pattern.method = mMethod;
                body(*pattern.engine, pattern);
                return 0;
            },
            progId);
    }

    std::shared_ptr<core::qelBusinessObject> mParent = std::make_shared<core::qelBusinessObject>();
    std::shared_ptr<core::qelBusinessObject> mChild = std::make_shared<core::qelBusinessObject>();
    std::shared_ptr<core::qelBusinessObject> mReference = std::make_shared<core::qelBusinessObject>();
    std::shared_ptr<core::qelBusObjMethod> mMethod = std::make_shared<core::qelBusObjMethod>();
    std::shared_ptr<core::qelBusObjProperty> mAmount = Property("Amount", "Currency", "Amount Due");
    std::shared_ptr<core::qelBusObjProperty> mOrigin = Property("CustomerID", "Long");
    std::shared_ptr<core::qelBusObjProperty> mForeign = Property("CustomerName", "String");
};

TEST_F(TokenTest, EveryBuiltInTokenHasItsValue) {
    const struct {
        const char* line;
        const char* expected;
    } cases[] = {
        {"Dim m&PropName As &PropDataType", "Dim mAmount As Currency"},
        {"&AppName|&AppDSN|&AppLocalDBName", "Sales|SalesDSN|sales.mdb"},
        {"&BusObjNameList &BusObjName", "OrderList Order"},
        {"&BusObjTable|&BusObjSQLTable", "Order Lines|[Order Lines]"},
        {"&BusObjBaseErrorNumber", "1200"},
        {"&ParentBusObjName,&ChildBusObjName,&ReferenceBusObjName", "Customer,OrderLine,Product"},
        {"&PropAccess|&PropLabel|&PropLength|&PropIsKey|&PropControlType",
         "Read/Write|Amount due|8|True|TextBox"},
        {"&PropFieldName|&PropSQLFieldName", "Amount Due|[Amount Due]"},
        {"x = &PropConvertFunction(y)", "x = CCur(y)"},
        {"[&SQLDelimiter]", "[]"},
        {"&PVFkeyDisplayedProp", "CustomerID"},
        {"&VirtPropOwnerBusObj.&VirtPropOrigName.", ".."},
        {"&MethodNameExit:", "ShipExit:"},
        {"&ZunVersion &ZunRelease", "Alpha 1"},
        {"&L2BusObjClass&L2DisplayClass&L2ListClass&L3BusObjClass&L3ListClass&BusObjParent&BusObjChild"
         "&DBMS_Access&DBMS_Table&DBMS_DAO_DBName&App_First_Form|",
         "|"},
        {"&propname & &PROPNAME", "&propname & &PROPNAME"},
        {"no ampersand here", "no ampersand here"},
        {"", ""},
    };
    Within([&](IConstructor& engine, BarePattern&) {
        for (const auto& c : cases)
            EXPECT_EQ(engine.CreateTokenStr(c.line), c.expected) << c.line;
    });
}

// SQL takes a name as it stands only when it is ASCII letters, digits and "_"; any other goes between
// brackets, where "]" is written twice.
TEST_F(TokenTest, SqlNamesAreBracketedUnlessPlain) {
    const std::pair<std::string, std::string> cases[] = {
        // name, as SQL takes it
        {"Order_Lines2", "Order_Lines2"},
        {"Order Lines", "[Order Lines]"},
        {"Order]Lines", "[Order]]Lines]"},
        {"[Order", "[[Order]"},
        {"O'Hara", "[O'Hara]"},
        {"Say\"Hi\"", "[Say\"Hi\"]"},
        {"Größe", "[Größe]"},
        {"a-b", "[a-b]"},
        {" Lines ", " Lines "},
        {" Order Lines ", "[ Order Lines ]"},
    };
    for (const auto& [name, sql] : cases) {
        mBusinessObject->Table()->SetName(name);
        mAmount->Field()->SetName(name);
        Within([&](IConstructor& engine, BarePattern&) {
            EXPECT_EQ(engine.CreateTokenStr("&BusObjSQLTable|&PropSQLFieldName|&BusObjTable|&PropFieldName"),
                      sql + "|" + sql + "|" + name + "|" + name)
                << name;
        });
    }
}

TEST_F(TokenTest, ValuesDependOnTheCurrentPropertyAtEachLine) {
    const struct {
        const char* dataType;
        const char* convert;
        const char* delimiter;
    } cases[] = {
        {"String", "CStr", "'"},  {"Date", "CDate", ""},  {"Long", "CLng", ""},    {"Double", "CDbl", ""},
        {"Currency", "CCur", ""}, {"Single", "CSng", ""}, {"Integer", "CInt", ""}, {"Decimal", "CDec", ""},
        {"Boolean", "CBool", ""}, {"Byte", "", ""},       {"Variant", "", ""},     {"string", "", ""},
    };
    Within([&](IConstructor& engine, BarePattern& pattern) {
        for (const auto& c : cases) {
            pattern.property = Property("P", c.dataType);
            EXPECT_EQ(engine.CreateTokenStr("&PropConvertFunction|&SQLDelimiter"),
                      std::string(c.convert) + "|" + c.delimiter)
                << c.dataType;
        }
        pattern.property = mForeign;
        EXPECT_EQ(engine.CreateTokenStr("&VirtPropOwnerBusObj.&VirtPropOrigName"), "Customer.CustomerID");
        pattern.busObj = mParent;  // a name with outer blanks only is no SQL name
        EXPECT_EQ(engine.CreateTokenStr("&BusObjSQLTable"), " Customers ");
        mParent->SetName("&PropName");  // values are never scanned again
        EXPECT_EQ(engine.CreateTokenStr("&BusObjName"), "&PropName");
    });
}

TEST_F(TokenTest, AMissingCurrentObjectFailsTheLineAndWritesNothing) {
    const struct {
        const char* progId;
        bool hasProperty;  // else no current property is set
        const char* line;
        int32_t error;
    } cases[] = {
        {"TestPatterns.Scripted", false, "Dim m&PropName", vb::kObjectNotSet},
        {"TestPatterns.Scripted", true, "&PVFkeyDisplayedProp", vb::kObjectNotSet},
        {"TestPatterns.Bare", true, "&ParentBusObjName", vb::kNoSuchMember},
        {"TestPatterns.Bare", true, "&MethodName", vb::kNoSuchMember},
    };
    for (const auto& c : cases) {
        Within(
            [&](IConstructor& engine, BarePattern& pattern) {
                // mOrigin has no displayed property.
                pattern.property = c.hasProperty ? mOrigin : nullptr;
                ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
                ASSERT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 0);
                engine.StartCoding();
                EXPECT_EQ(ErrorNumberOf([&] { engine.Code(c.line); }), c.error) << c.line;
                engine.Code("next");
                engine.FinishCoding();
            },
            c.progId);
        const auto code = Project("Sales")->VBComponents().Item("Order")->CodeModule();
        EXPECT_EQ(code->AllLines(), std::vector<std::string>{"next"}) << c.line;
        EXPECT_EQ(mEngine->Monitor().Rows().back().linesOfCode, "1");
    }
}

// Text a pattern resolved itself is written as it stands, and continued as Code continues a long line.
TEST_F(TokenTest, ResolvedTextIsWrittenAsItStands) {
    const std::string longLine = "x = " + std::string(600, 'a') + " + " + std::string(600, 'b');
    const struct {
        bool resolved;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {false, "Dim m&PropName", {"Dim mAmount"}},
        {true, "Dim m&PropName", {"Dim m&PropName"}},
        {true, longLine, {"x = " + std::string(600, 'a') + " + _", "    " + std::string(600, 'b')}},
    };
    for (const auto& c : cases) {
        Within([&](IConstructor& engine, BarePattern&) {
            ASSERT_EQ(engine.SetVBProject("Sales", "0"), 0);
            ASSERT_EQ(engine.SetVBComponent("Sales", "Order", 1, ""), 0);
            engine.StartCoding();
            c.resolved ? engine.CodeResolved(c.text) : engine.Code(c.text);
            engine.FinishCoding();
        });
        EXPECT_EQ(Project("Sales")->VBComponents().Item("Order")->CodeModule()->AllLines(), c.lines)
            << c.text;
    }
}

TEST_F(TokenTest, AddedTokensStandForNothingAndTheRestStaysWithTheCaller) {
    Within([&](IConstructor& engine, BarePattern&) {
        std::string tokens = "&One,&Two,&Three";
        engine.AddTokens(tokens);
        EXPECT_EQ(tokens, "&Three");
        EXPECT_EQ(engine.CreateTokenStr("[&One][&Two][&Three]"), "[][][&Three]");
    });
}

}  // namespace
}  // namespace enginetest
