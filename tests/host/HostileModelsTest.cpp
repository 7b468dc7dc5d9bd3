// `ostrel generate` on hostile models, each a copy of the sample's repository changed by a few SQL
// statements: either the run is refused, with the whole message compared and nothing written, or every
// generated module passes the VB text checker (no unterminated literal, no code after a procedure's end),
// keeps within what VB loads, and each form draws its controls apart and within it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/GenerateCommand.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ide/FormDesigner.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/support/FileTree.h"
#include "tests/support/FormGeometryCheck.h"
#include "tests/support/VbLimitsCheck.h"
#include "tests/support/VbTextChecker.h"
#include "tests/support/WidePropertiesSql.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// What the command prints for a build that the check before a build refuses.
std::string Refusal(const Lines& faults) {
    std::string message =
        "ostrel generate: These names and values cannot become VB code.  Generation aborted!";
    for (const std::string& fault : faults)
        message += "\n" + fault;
    return message + " (error 5, BuildDriver.Generate)\n";
}

class HostileModels : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(mFolder / "parent"); }

    // A copy of the sample's repository with `sql` run on it.
    fs::path Repository(const std::string& sql) const {
        const fs::path file = mFolder / "vbostrel.mdb";
        fs::copy_file(fs::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb", file,
                      fs::copy_options::overwrite_existing);
        const auto database = dao::SqliteDatabase::Open(file, dao::OpenMode::ReadWrite);
        std::istringstream statements(sql);
        for (std::string statement; std::getline(statements, statement, ';');)
            database->Execute(statement);
        return file;
    }

    int Generate(const fs::path& repository, const std::string& application) {
        host::GenerateCommand command;
        command.request.repository = repository;
        command.request.application = application;
        command.out = Out();
        std::ostringstream out;
        mErr.str("");
        return host::RunGenerateCommand(command, out, mErr);
    }

    fs::path Out() const { return mFolder / "parent" / "out"; }

    // The problems of every generated module, each behind its component's name, VB's limits it passes, and
    // the controls of each form that overlap or pass their container; `lines` gets every line.
    Lines Problems(Lines& lines) const {
        auto vbe = std::make_shared<vbide::VBE>();
        vbide::OpenProjectGroup(*vbe, Out() / "OrderEntry.vbg");
        int modules = 0;
        Lines problems = testing_support::CheckVbLimits(Out() / "OrderEntry.vbg", modules);
        for (const auto& form : fs::recursive_directory_iterator(Out())) {
            if (form.path().extension() == ".frm") {
                for (const std::string& fault :
                     testing_support::CheckFormGeometry(testing_support::Contents(form.path())))
                    problems.push_back(form.path().stem().string() + " " + fault);
            }
        }
        for (const auto& project : vbe->VBProjects()) {
            for (const auto& component : project->VBComponents()) {
                const Lines code = component->CodeModule()->AllLines();
                lines.insert(lines.end(), code.begin(), code.end());
                std::set<std::string> controls;
                if (component->Designer()) {
                    for (const auto& control : component->Designer()->VBControls())
                        controls.insert(control->Name());
                }
                for (const std::string& problem : component->Designer()
                                                      ? testing_support::CheckVbForm(code, controls)
                                                      : testing_support::CheckVbModule(code))
                    problems.push_back(component->Name() + " " + problem);
            }
        }
        return problems;
    }

    dao_test::TestFolder mFolder;
    std::ostringstream mErr;
};

// A refused model has the whole message of its refusal; a model that generates has none, and the lines
// that must stand in its code.
struct HostileCase {
    const char* what;
    std::string sql;
    std::string refusal;
    std::string application = "OrderEntry";
    Lines written = {};
};

TEST_F(HostileModels, EachIsRefusedWithItsFaultsOrGeneratesCodeThatCompiles) {
    const std::string nl = "' || char(10) || '";
    const HostileCase
        cases[] =
            {
                {"the sample itself", "", ""},
                {"a quote in a business object's name",
                 R"(UPDATE BusinessObject SET Name = 'Cust"omer' WHERE ID = 1)",
                 Refusal({R"(Business object "Cust"omer": There can be no puctuation in a name!)"})},
                {"a blank in a business object's name",
                 "UPDATE BusinessObject SET Name = 'Cust omer' WHERE ID = 1",
                 Refusal({R"(Business object "Cust omer": A name can hold only letters, digits and "_"!)"})},
                {"an ampersand in a method's name", "UPDATE Method SET Name = 'Sh&ip' WHERE ID = 13",
                 Refusal({R"(Method "Order.Sh&ip": There can be no puctuation in a name!)"})},
                {"a Latin-1 letter in a name", "UPDATE Property SET Name = 'Téléphone' WHERE ID = 10", ""},
                {"Latin-1 letters in a business object's name whose class names hold more bytes than VB's "
                 "characters",
                 "UPDATE BusinessObject SET Name = 'KundenGrößenÜbersichtÄnderung' WHERE ID = 1", ""},
                {"letters outside Latin-1", "UPDATE BusinessObject SET Name = 'Клиент' WHERE ID = 1",
                 Refusal({R"(Business object "Клиент": Name must begin with a letter!)"})},
                {"reserved words",
                 "UPDATE BusinessObject SET Name = 'Select' WHERE ID = 2;"
                 "UPDATE Property SET Name = 'Next' WHERE ID = 10; UPDATE Method SET Name = 'Sub' WHERE ID = "
                 "13",
                 Refusal({R"(Business object "Select": "Select" is a word VB reserves!)",
                          R"(Property "Customer.Next": "Next" is a word VB reserves!)",
                          R"(Method "Order.Sub": "Sub" is a word VB reserves!)"})},
                {"a name of 255 characters",
                 "UPDATE Property SET Name = '" + std::string(255, 'P') + "' WHERE ID = 10",
                 Refusal({R"(Property "Customer.)" + std::string(255, 'P') + R"(": Name too long!)"})},
                {"names that differ only in letter case", "UPDATE Property SET Name = 'SHIP' WHERE ID = 20",
                 Refusal(
                     {R"(Method "Order.Ship": the name "Ship" is also the name of property "Order.SHIP", letter case aside)"})},
                {"a property named as a member every class has",
                 "UPDATE Property SET Name = 'IsNew' WHERE ID = 10; UPDATE Method SET Name = 'Reset' WHERE "
                 "ID = "
                 "13",
                 Refusal(
                     {R"(Property "Customer.IsNew": the name "IsNew" is also the name of a member of every generated class, letter case aside)",
                      R"(Method "Order.Reset": the name "Reset" is also the name of a member of every generated class, letter case aside)"})},
                {"a property named as the validation function of another",
                 "UPDATE Property SET Name = 'NotesIsValid' WHERE ID = 10",
                 Refusal(
                     {R"(Property "Customer.NotesIsValid": the name "NotesIsValid" is also the name of the validation function of property "Customer.Notes", letter case aside)"})},
                {"a property named as a child business object",
                 "UPDATE Property SET Name = 'OrderLine' WHERE ID = 21",
                 Refusal(
                     {R"(Business object "Order": its member for the child "OrderLine" is also the name of property "Order.OrderLine", letter case aside)"})},
                {"a business object named as a generated module",
                 "UPDATE BusinessObject SET Name = 'Common' WHERE ID = 2",
                 Refusal(
                     {R"(Business object "Common": its class "Common" is also the name of the module "Common", letter case aside)",
                      R"(Business object "Common": its persistence class "CommonPersist" is also the name of the module "CommonPersist", letter case aside)"})},
                {"an application name that makes a form name too long",
                 "UPDATE Application SET Name = 'OrderEntryForTheWholesalerHere'",
                 Refusal(
                     {R"(Application "OrderEntryForTheWholesalerHere": its startup form "frmOrderEntryForTheWholesalerHere_Startup" is longer than the 40 characters of a VB class or module name)"}),
                 "OrderEntryForTheWholesalerHere"},
                {"a project name with a slash", "UPDATE Application SET L3ProjectName = 'Order/Data'",
                 Refusal({R"(Project "Order/Data": A name can hold only letters, digits and "_"!)"})},
                {"no properties",
                 "DELETE FROM Field WHERE TableID = 2; DELETE FROM Property WHERE BusObjID = 2",
                 Refusal(
                     {R"(Business object "Product": it has no Primary Key: set Primary Key to Yes on one of its properties)"})},
                // The context frame's text box is numbered; the row's keeps its name.
                {"a text box named as one of the context frame's",
                 "UPDATE Property SET Name = 'Order_OrderID' WHERE ID = 26",
                 "",
                 "OrderEntry",
                 {"   txtOrder_OrderID_2.Text = myOrder.OrderID",
                  "    txtOrder_OrderID_2.Text = myOrder.OrderID",
                  "        txtOrder_OrderID.Text = .Order_OrderID"}},
                {"a business object that refers to itself",
                 "INSERT INTO Relationship VALUES (5, 1, 'Reference');"
                 "INSERT INTO Association VALUES (9, 5, 1, 1, 'One', 1, 'refers to'), (10, 5, 1, 1, 'Many', "
                 "1, "
                 "'is "
                 "referred by')",
                 ""},
                {"a business object that is a part of itself",
                 "INSERT INTO Relationship VALUES (5, 1, 'Identifying');"
                 "INSERT INTO Association VALUES (9, 5, 1, 1, 'One', 0, 'is part of'), (10, 5, 1, 1, 'Many', "
                 "1, "
                 "'contains')",
                 Refusal(
                     {R"(Business object "Customer": an identifying relationship makes it a part of itself)"})},
                {"a permitted value with a quote and a line break in a combo box",
                 "UPDATE Property SET ControlType = 'ComboBox' WHERE ID = 7;"
                 "UPDATE PermittedValues SET PermittedValue = 'Net \"30\"" +
                     nl +
                     "days' WHERE PermittedValue = 'Net 30';"
                     "INSERT INTO PermittedValues VALUES (7, 'R&PropName')",
                 "",
                 "OrderEntry",
                 {R"(    rsPermittedValues.Fields("DisplayedValue") = "Net ""30""" & vbCrLf & "days")",
                  R"(    rsPermittedValues.Fields("StoredValue") = "R&" & "PropName")"}},
                {"a line break in an option button's caption",
                 "UPDATE PermittedValues SET PermittedValue = 'Net" + nl +
                     "30' WHERE PermittedValue = 'Net 30'",
                 Refusal(
                     {R"(Property "Customer.PaymentTerms": the permitted value (an option button's caption) "Net<10>30" holds a control character, and it stands on one line)"})},
                {"option buttons whose values are alike as names, or too long for one",
                 "INSERT INTO PermittedValues VALUES (7, 'Net-30'), (7, 'Payment on delivery within 30 "
                 "days')",
                 "",
                 "OrderEntry",
                 {"                optPaymentTerms_Net_30_2.Value = True",
                  "                optPaymentTerms_Payment_on_delivery_with.Value = True"}},
                {"a record larger than VB lets a procedure hold",
                 "UPDATE Field SET Length = 8000 WHERE BusObjPropID IN (2, 10)",
                 Refusal(
                     {R"(Business object "Customer": its record takes 32272 bytes, more than the 32000 that VB lets a record hold here: make long String properties Memo, or shorten them)"})},
                {"a record of exactly the bytes VB lets a procedure hold",
                 "UPDATE Field SET Length = 8000 WHERE BusObjPropID = 2;"
                 "UPDATE Field SET Length = 7864 WHERE BusObjPropID = 10",
                 ""},
                {"a record of one byte more, its last member a Byte",
                 "UPDATE Field SET Length = 8000 WHERE BusObjPropID = 2;"
                 "UPDATE Field SET Length = 7869 WHERE BusObjPropID = 10;"
                 "UPDATE Property SET DataType = 'Byte', IsPVRange = 0 WHERE ID = 12;"
                 "UPDATE Field SET DataType = 'Byte' WHERE ID = 12",
                 Refusal(
                     {"Business object \"Customer\": its record takes 32001 bytes, more than the 32000 that "
                      "VB lets a record hold here: make long String properties Memo, or shorten them"})},
                {"range bounds that are no values of their type",
                 "UPDATE Property SET LowerBound = 'a\"b', UpperBound = '0x10' WHERE ID = 8;"
                 "UPDATE Property SET IsPVRange = 1, LowerBound = 'soon', UpperBound = '1/1/2030' WHERE ID = "
                 "6;"
                 "UPDATE Property SET IsPVRange = 1, LowerBound = '0', UpperBound = '1' WHERE ID = 5",
                 Refusal(
                     {R"(Property "Customer.IsActive": a Boolean property has no range)",
                      R"(Property "Customer.FirstOrderDate": the lower bound "soon" is no value of the type Date)",
                      R"(Property "Customer.DiscountPercent": the lower bound "a"b" is no value of the type Integer)",
                      R"(Property "Customer.DiscountPercent": the upper bound "0x10" is not written as VB writes a number: 16)"})},
                {"a text range with a quote and a line break",
                 "UPDATE Property SET IsPVRange = 1, LowerBound = 'A\"', UpperBound = 'Z" + nl +
                     "' WHERE ID = 10",
                 "",
                 "OrderEntry",
                 {R"(    If strValue >= "A"""  And _)", R"(            strValue <= "Z" & vbCrLf & "" Then)"}},
                {"a table and a field with quotes, a data source with a quote and a line break",
                 "UPDATE \"Table\" SET Name = 'Order \"Header''s' WHERE ID = 3;"
                 "UPDATE Field SET Name = 'Bill \"To\"' WHERE ID = 19;"
                 "UPDATE Application SET DSN = 'Order\"Entry" +
                     nl +
                     "';"
                     "UPDATE Method SET IsStoredProcedure = 1, StoredProcedureName = 'sp\"Add' WHERE ID = 9",
                 "",
                 "OrderEntry",
                 {R"(   strSQL = "DELETE FROM [Order ""Header's] " & strSQL)",
                  R"(        If Not IsNull(.Fields("Bill ""To""")) Then)",
                  R"(    strDSN = "Order""Entry" & vbCrLf & "")",
                  R"(    cmdStoredProc.CommandText = "sp""Add")"}},
                {"line breaks in a table, a field, a label and a stored procedure",
                 "UPDATE \"Table\" SET Name = 'Order" + nl +
                     "Header' WHERE ID = 3;"
                     "UPDATE Field SET Name = 'Bill" +
                     nl +
                     "To' WHERE ID = 19;"
                     "UPDATE Property SET Label = 'Order" +
                     nl +
                     "Date' WHERE ID = 20;"
                     "UPDATE Method SET StoredProcedureName = 'sp" +
                     nl + "Ship' WHERE ID = 13",
                 Refusal(
                     {R"(Business object "Order": the name of its table "Order<10>Header" holds a control character, and it stands on one line)",
                      R"(Property "Order.BillToCustomerID": the name of its field "Bill<10>To" holds a control character, and it stands on one line)",
                      R"(Property "Order.OrderDate": its label "Order<10>Date" holds a control character, and it stands on one line)",
                      R"(Method "Order.Ship": its stored procedure "sp<10>Ship" holds a control character, and it stands on one line)"})},
                {"model texts whose literals are too long for a line",
                 "UPDATE PermittedValues SET PermittedValue = replace(hex(zeroblob(400)), '00', 'a\"') "
                 "WHERE PermittedValue = 'Net 30';"
                 "UPDATE Property SET IsPVRange = 1, LowerBound = 'A', UpperBound = "
                 "replace(hex(zeroblob(1000)), "
                 "'00', "
                 "'z') WHERE ID = 10;"
                 "UPDATE Method SET IsStoredProcedure = 1, StoredProcedureName = "
                 "replace(hex(zeroblob(1000)), "
                 "'00', "
                 "'s') WHERE ID = 13",
                 Refusal(
                     {R"(Property "Customer.PaymentTerms": the permitted value (an option button's caption) "a"a"a"a"a"a"a"a"a"a"..." has 800 characters, more than the 100 that a form's layout takes)",
                      R"(Property "Customer.Phone": the upper bound "zzzzzzzzzzzzzzzzzzzz..." makes a literal of 1002 characters, longer than the 900 that fit on a line of VB code)",
                      R"(Method "Order.Ship": its stored procedure "ssssssssssssssssssss..." makes a literal of 1002 characters, longer than the 900 that fit on a line of VB code)"})},
                {"String lengths no fixed-length string has",
                 "UPDATE Field SET Length = 0 WHERE ID = 10; UPDATE Field SET Length = 65527 WHERE ID = 11;"
                 "UPDATE Field SET Length = -1 WHERE ID = 15",
                 Refusal(
                     {R"(Property "Customer.Phone": the length 0 is outside the 1 to 65526 characters of a VB fixed-length string)",
                      R"(Property "Customer.Email": the length 65527 is outside the 1 to 65526 characters of a VB fixed-length string)",
                      R"(Property "Product.Description": the length -1 is outside the 1 to 65526 characters of a VB fixed-length string)"})},
                {"projects named as modules they hold",
                 "UPDATE Application SET L1ProjectName = 'Common', L2ProjectName = 'CommonLogical'",
                 Refusal(
                     {R"(Project "Common": the name "Common" is also the name of the module "Common", letter case aside)",
                      R"(Project "CommonLogical": the name "CommonLogical" is also the name of the module "CommonLogical", letter case aside)"})},
                {"an application without business objects",
                 "DELETE FROM Association; DELETE FROM Relationship; DELETE FROM Method; DELETE FROM "
                 "PermittedValues;"
                 "DELETE FROM Field; DELETE FROM Property; DELETE FROM \"Table\"; DELETE FROM BusinessObject",
                 Refusal({R"(Application "OrderEntry": it has no business objects to build)"})},
                {"labels and listed values too long for a form",
                 "UPDATE Property SET Label = '" + std::string(35, 'L') +
                     "' WHERE ID = 10;"
                     "UPDATE Property SET Label = '" +
                     std::string(234, 'M') +
                     "' WHERE ID = 15;"
                     "UPDATE Property SET ControlType = 'ComboBox', IsPVList = 1 WHERE ID = 14;"
                     "INSERT INTO PermittedValues VALUES (14, '" +
                     std::string(342, 'v') + "'), (7, 'Payment on delivery within 30 days & more')",
                 Refusal(
                     {R"(Property "Customer.Phone": its label "LLLLLLLLLLLLLLLLLLLL..." has 35 characters, more than the 20 that leave the option buttons of "Customer.PaymentTerms" room on its form)",
                      R"(Property "Product.ProductCode": the permitted value "vvvvvvvvvvvvvvvvvvvv..." has 342 characters, more than the 100 that a form's layout takes)", R"(Property "Product.Description": its label "MMMMMMMMMMMMMMMMMMMM..." has 234 characters, more than the 100 that a form's layout takes)"})},
                {"a listed value too long for a form in a list box",
                 "UPDATE Property SET ControlType = 'ListBox', IsPVList = 1 WHERE ID = 14;"
                 "INSERT INTO PermittedValues VALUES (14, '" +
                     std::string(342, 'v') + "')",
                 Refusal(
                     {R"(Property "Product.ProductCode": the permitted value "vvvvvvvvvvvvvvvvvvvv..." has 342 characters, more than the 100 that a form's layout takes)"})},
                {"names, a label and listed values at their limits",
                 "UPDATE \"Table\" SET Name = '" + std::string(128, 't') +
                     "' WHERE ID = 2;"
                     "UPDATE Field SET Name = '" +
                     std::string(128, 'f') +
                     "' WHERE ID = 15;"
                     "UPDATE Property SET Label = '" +
                     std::string(100, 'M') +
                     "' WHERE ID = 15;"
                     "UPDATE Property SET ControlType = 'ComboBox', IsPVList = 1 WHERE ID = 14;"
                     "UPDATE Property SET ControlType = 'ListBox', IsPVList = 1 WHERE ID = 13;"
                     "INSERT INTO PermittedValues VALUES (14, '" +
                     std::string(100, 'c') + "'), (13, '" + std::string(100, 'l') + "')",
                 ""},
                {"a label that leaves the option buttons of another property no room",
                 "UPDATE Property SET Label = '" + std::string(35, 'L') + "' WHERE ID = 10",
                 Refusal(
                     {R"(Property "Customer.Phone": its label "LLLLLLLLLLLLLLLLLLLL..." has 35 characters, more than the 33 that leave the option buttons of "Customer.PaymentTerms" room on its form)"})},
                {"a long label beside option buttons on a form of one column",
                 "UPDATE Property SET Label = '" + std::string(25, 'L') +
                     "' WHERE ID = 16;"
                     "UPDATE Property SET ControlType = 'OptionButton', IsPVList = 1 WHERE ID = 15;"
                     "INSERT INTO PermittedValues VALUES (15, 'Short'), (15, 'Long')",
                 "",
                 "OrderEntry",
                 {"                optDescription_Short.Value = True"}},
                {"an option button's caption too long for a button beside any label",
                 "UPDATE PermittedValues SET PermittedValue = '" + std::string(90, 'c') +
                     "' WHERE PermittedValue = 'Net 30'",
                 Refusal(
                     {R"(Property "Customer.PaymentTerms": the permitted value (an option button's caption) "cccccccccccccccccccc..." has 90 characters, more than the 54 that leave a button room on its form)"})},
                {"model texts longer than a line or a database name",
                 "UPDATE Application SET DSN = '" + std::string(1010, 'd') + "', LocalDBName = '" +
                     std::string(950, 'l') +
                     "';"
                     "UPDATE \"Table\" SET Name = '" +
                     std::string(129, 't') +
                     "' WHERE ID = 2;"
                     "UPDATE Field SET Name = '" +
                     std::string(200, 'f') + "' WHERE ID = 15",
                 Refusal(
                     {R"(Application "OrderEntry": its data source "dddddddddddddddddddd..." makes a literal of 1012 characters, longer than the 900 that fit on a line of VB code)",
                      R"(Application "OrderEntry": its local database "llllllllllllllllllll..." makes a literal of 952 characters, longer than the 900 that fit on a line of VB code)",
                      R"(Business object "Product": the name of its table "tttttttttttttttttttt..." has 129 characters, more than the 128 that a database takes in a name)",
                      R"(Property "Product.Description": the name of its field "ffffffffffffffffffff..." has 200 characters, more than the 128 that a database takes in a name)"})},
                {"characters Windows-1252 cannot hold",
                 "UPDATE Application SET DSN = 'Заказы';"
                 "UPDATE \"Table\" SET Name = 'Товар' WHERE ID = 2;"
                 "UPDATE Field SET Name = '价格' WHERE ID = 16;"
                 "UPDATE Property SET Label = 'Телефон' WHERE ID = 10;"
                 "UPDATE PermittedValues SET PermittedValue = 'Net 30 – 天' WHERE PermittedValue = 'Net 30';"
                 "UPDATE Property SET IsPVRange = 1, LowerBound = 'A', UpperBound = 'Я' WHERE ID = 11;"
                 "UPDATE Method SET IsStoredProcedure = 1, StoredProcedureName = 'spОтгрузка' WHERE ID = 13",
                 Refusal(
                     {R"(Application "OrderEntry": its data source "Заказы" holds "З", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Property "Customer.PaymentTerms": the permitted value "Net 30 – 天" holds "天", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Property "Customer.Phone": its label "Телефон" holds "Т", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Property "Customer.Email": the upper bound "Я" holds "Я", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Business object "Product": the name of its table "Товар" holds "Т", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Property "Product.UnitPrice": the name of its field "价格" holds "价", a character that the Windows-1252 text of VB files cannot hold)",
                      R"(Method "Order.Ship": its stored procedure "spОтгрузка" holds "О", a character that the Windows-1252 text of VB files cannot hold)"})},
                {"table and field names that SQL must read between brackets",
                 "UPDATE \"Table\" SET Name = 'Order]Header' WHERE ID = 3;"
                 "UPDATE Field SET Name = 'Sig[n''a\"ture' WHERE ID = 21",
                 "",
                 "OrderEntry",
                 {R"(   strSQL = "DELETE FROM [Order]]Header] " & strSQL)",
                  R"(    strSQL = "Select * From [Order]]Header] " & GenSQLFromProperties())",
                  R"(    rsOrder.Open "[Order]]Header]", cnnDataBase, , , adCmdTable)",
                  R"(  strSQL = "SELECT [Sig[n'a""ture] FROM [Order]]Header] " & strSQL)"}},
                {"virtual properties whose association does not exist",
                 "UPDATE Property SET IsVirtual = 1 WHERE ID = 10;"
                 "UPDATE Property SET IsVirtual = 1, AssociationID = 99 WHERE ID = 19",
                 Refusal(
                     {R"(Property "Customer.Phone": it is virtual, but no association gives it the business object it takes its value from)",
                      R"(Property "Order.BillToCustomerID": it is virtual, but no association gives it the business object it takes its value from)"})},
                // The statements of the builder's Delete of Customer.Name, which two Foreign Key Lookups
                // display.
                {"a Foreign Key Lookup's displayed property deleted",
                 "DELETE FROM Field WHERE BusObjPropID = 2; DELETE FROM PermittedValues WHERE PropID = 2;"
                 "UPDATE Property SET ForeignKeyFldID = NULL WHERE ForeignKeyFldID = 2;"
                 "UPDATE Property SET PVFKeyDisplayedPropID = NULL WHERE PVFKeyDisplayedPropID = 2;"
                 "DELETE FROM Property WHERE ID = 2",
                 Refusal(
                     {R"(Property "Order.CustomerID": its permitted values are a Foreign Key Lookup whose displayed property is gone: choose another displayed property, or other permitted values)", R"(Property "Order.BillToCustomerID": its permitted values are a Foreign Key Lookup whose displayed property is gone: choose another displayed property, or other permitted values)"})},
                // Every fault of every business object, in one refusal.
                {"business objects without a key, with a Memo or OLE Object key, or without some of Add, "
                 "Update, Read and Delete",
                 "UPDATE Property SET IsKey = 0 WHERE BusObjID IN (2, 4); UPDATE Field SET IsPrimaryKey = "
                 "0 "
                 "WHERE TableID IN (2, 4);"
                 "UPDATE Property SET IsKey = 1 WHERE ID IN (4, 21); UPDATE Field SET IsPrimaryKey = 1 "
                 "WHERE "
                 "ID IN (4, 21);"
                 "UPDATE BusinessObject SET Name = 'order_line' WHERE ID = 4; DELETE FROM Method WHERE ID "
                 "IN "
                 "(7, 14)",
                 Refusal(
                     {R"(Property "Customer.Notes": a key of DataType Memo has no value in the record and cannot identify a row: give it another data type, or set Primary Key to No)",
                      R"(Business object "Product": it has no Primary Key: set Primary Key to Yes on one of its properties)",
                      R"(Business object "Product": it has no method "Read", which every business object has: add a method of that name)",
                      R"(Property "Order.Signature": a key of DataType OLE Object has no value in the record and cannot identify a row: give it another data type, or set Primary Key to No)",
                      R"(Business object "order_line": it has no Primary Key: set Primary Key to Yes on one of its properties)",
                      R"(Business object "order_line": it has no method "Add", which every business object has: add a method of that name)"})},
                // "txt" & parent & "_" & key passes 40 characters on the child's detail, list and search
                // forms.
                {"a parent and key whose context text box name is cut",
                 "UPDATE BusinessObject SET Name = 'OrderHeaderRecord' WHERE ID = 3;"
                 "UPDATE Property SET Name = 'OrderNumberOnTheInvoice' WHERE ID IN (17, 22)",
                 "",
                 "OrderEntry",
                 {"   txtOrderHeaderRecord_OrderNumberOnTheInv.Text = "
                  "myOrderHeaderRecord.OrderNumberOnTheInvoice"}},
                // The later group's button is numbered past the names of all groups; the others keep theirs.
                {"option buttons that two groups name alike",
                 "UPDATE Property SET Name = 'PaymentTerms_Net', ControlType = 'OptionButton', IsPVList = 1 "
                 "WHERE ID = 8; INSERT INTO PermittedValues VALUES (8, '30');"
                 "UPDATE Property SET Name = 'PaymentTerms_Net_30', ControlType = 'OptionButton', "
                 "IsPVList = 1 WHERE ID = 9; INSERT INTO PermittedValues VALUES (9, '2')",
                 "",
                 "OrderEntry",
                 {"Private Sub optPaymentTerms_Net_30_Click()",
                  "Private Sub optPaymentTerms_Net_30_3_Click()",
                  "'<<<Start Edit Point:  Property  8-30_3_Click",
                  "                optPaymentTerms_Net_30_3.Value = True",
                  "'<<<Start Edit Point:  Property  9-2_Click",
                  "Private Sub optPaymentTerms_Net_30_2_Click()"}},
                // Both of the Boolean's buttons are numbered, each shown and protected under its name.
                {"a Boolean option button named as another group's",
                 "UPDATE Property SET Name = 'Pay', ControlType = 'OptionButton', IsPVList = 1 WHERE ID = 2;"
                 "INSERT INTO PermittedValues VALUES (2, 'Net True'), (2, 'Net False');"
                 "UPDATE Property SET Name = 'Pay_Net', ControlType = 'OptionButton' WHERE ID = 5",
                 "",
                 "OrderEntry",
                 {"Private Sub optPay_Net_True_Click()", "Private Sub optPay_Net_True_2_Click()",
                  "            optPay_Net_True_2.Value = True", "            optPay_Net_False_2.Value = True",
                  "                optPay_Net_False.Value = True", "    optPay_Net_False.Enabled = False",
                  "    optPay_Net_False_2.Enabled = False"}},
                // "opt" & name & "_" & name, its one button's, passes 40 characters: it is cut.
                {"a lone option button of a long name",
                 "UPDATE Property SET Name = 'CustomerCategoryOfTheAccount', ControlType = 'OptionButton' "
                 "WHERE ID = 9",
                 ""},
                // 255 names with both buttons (35 frames of 6 buttons and 10 others): the labels make an
                // array.
                {"option buttons named alike on a form at the names' limit",
                 testing_support::WideProperties(2, 35, "'String'", "'OptionButton'", 6) +
                     "; UPDATE Property SET Name = 'A' WHERE ID = 1001;"
                     "UPDATE Property SET Name = 'A_B' WHERE ID = 1002;"
                     "UPDATE PermittedValues SET PermittedValue = 'B_v1' WHERE PropID = 1001 AND "
                     "PermittedValue = 'v1'",
                 "",
                 "OrderEntry",
                 {"Private Sub optA_B_v1_Click()", "Private Sub optA_B_v1_2_Click()"}},
                {"option groups whose frames alone pass the control names a form holds",
                 testing_support::WideProperties(2, 251, "'Memo'", "'OptionButton'"),
                 Refusal(
                     {R"(Business object "Product": its detail form "frmProductDetail" would hold 255 control names, more than the 254 that VB loads on a form: its 251 properties shown as option buttons take a frame each; give some of them another ControlType)"})},
                {"so many rows that no option button has room",
                 testing_support::WideProperties(1, 150, "'Long'", "'TextBox'"),
                 Refusal(
                     {R"(Property "Customer.PaymentTerms": its option buttons find no room on the detail form, whose 162 rows leave too narrow a column for any button: give it another ControlType, such as ComboBox)"})},
                // 240 rows beside a label of 100 characters take four columns of 8200 twips and more.
                {"rows too wide for a form at any depth",
                 testing_support::WideProperties(2, 240, "'Long'", "'TextBox'") +
                     "; UPDATE Property SET Label = substr(replace(hex(zeroblob(100)), '00', 'L'), 1, 100) "
                     "WHERE ID = 1001",
                 Refusal(
                     {R"(Business object "Product": its search form "frmProductSearch" cannot hold its 244 rows within the 32767 twips a form measures each way, however deep its columns: shorten its longest labels and permitted values, or move some of its properties to a business object of their own)", R"(Business object "Product": its detail form "frmProductDetail" cannot hold its 244 rows within the 32767 twips a form measures each way, however deep its columns: shorten its longest labels and permitted values, or move some of its properties to a business object of their own)"})},
                // OrderLine is a child of Order: its forms show Order's key in a context frame above the
                // rows. The option group, wider than the context frame, reaches past where its column ends.
                {"a child's option group wider than its context frame",
                 testing_support::WideProperties(4, 1, "'String'", "'OptionButton'", 9) +
                     "; UPDATE Property SET Label = 'Delivery by' WHERE ID = 1001",
                 ""},
                // Its rows, its buttons and the context frame's three controls make 255 names: the labels
                // join an array.
                {"a child's detail form whose labels join an array for its context frame",
                 testing_support::WideProperties(4, 121, "'String'", "'TextBox'"), ""},
                // Without the context frame's rows above them the same rows would fit.
                {"a child's rows too wide for a form below its context frame",
                 testing_support::WideProperties(4, 204, "'Long'", "'TextBox'") +
                     "; UPDATE Property SET Label = substr(replace(hex(zeroblob(100)), '00', 'L'), 1, 100) "
                     "WHERE ID = 1001",
                 Refusal(
                     {R"(Business object "OrderLine": its search form "frmOrderLineSearch" cannot hold its 208 rows within the 32767 twips a form measures each way, however deep its columns: shorten its longest labels and permitted values, or move some of its properties to a business object of their own)",
                      R"(Business object "OrderLine": its detail form "frmOrderLineDetail" cannot hold its 208 rows within the 32767 twips a form measures each way, however deep its columns: shorten its longest labels and permitted values, or move some of its properties to a business object of their own)"})},
                {"a data type no code is written for",
                 "UPDATE Property SET DataType = 'VarBinary' WHERE ID = 11; UPDATE Field SET DataType = "
                 "'VarBinary' "
                 "WHERE ID = 11",
                 Refusal(
                     {R"(Property "Customer.Email": the data type "VarBinary" is none that VB code is written for)"})},
            };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path repository = Repository(c.sql);
        fs::remove_all(Out());
        const testing_support::FileTree before = testing_support::TreeOf(mFolder.Path());
        const int exitCode = Generate(repository, c.application);
        if (!c.refusal.empty()) {
            EXPECT_EQ(exitCode, 1);
            EXPECT_EQ(mErr.str(), c.refusal);
            EXPECT_EQ(testing_support::TreeOf(mFolder.Path()), before);
            continue;
        }
        ASSERT_EQ(exitCode, 0) << mErr.str();
        Lines lines;
        EXPECT_EQ(Problems(lines), Lines{});
        for (const std::string& line : c.written)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

// Random texts in every model text: each run is refused, naming the item the text is in and writing
// nothing, or its code passes the VB text checker.
TEST_F(HostileModels, RandomModelTextsAreRefusedByItemOrCompile) {
    const struct {
        const char* sql;    // "{}" stands for the text, as an SQL literal
        const char* named;  // what the refusal names
    } slots[] = {
        {"UPDATE Application SET DSN = {}", R"(Application "OrderEntry")"},
        {"UPDATE Application SET DSN = '', LocalDBName = {}", R"(Application "OrderEntry")"},
        {"UPDATE Application SET L3ProjectName = {}", R"(Project ")"},
        {"UPDATE BusinessObject SET Name = {} WHERE ID = 2", R"(Business object ")"},
        {R"(UPDATE "Table" SET Name = {} WHERE ID = 2)", R"(Business object "Product")"},
        {"UPDATE Field SET Name = {} WHERE ID = 16", R"(Property "Product.UnitPrice")"},
        {"UPDATE Property SET Name = {} WHERE ID = 10", R"(Property "Customer.)"},
        {"UPDATE Property SET Label = {} WHERE ID = 10", R"(Property "Customer.Phone")"},
        {"UPDATE Property SET Label = {} WHERE ID = 15", R"(Property "Product.Description")"},
        {"UPDATE PermittedValues SET PermittedValue = {} WHERE PermittedValue = 'Net 30'",
         R"(Property "Customer.PaymentTerms")"},
        {"UPDATE Property SET ControlType = 'ComboBox', IsPVList = 1 WHERE ID = 15;"
         "INSERT INTO PermittedValues VALUES (15, {})",
         R"(Property "Product.Description")"},
        {"UPDATE Property SET IsPVRange = 1, LowerBound = 'A', UpperBound = {} WHERE ID = 10",
         R"(Property "Customer.Phone")"},
        {"UPDATE Method SET Name = {} WHERE ID = 13", R"(Method "Order.)"},
        {"UPDATE Method SET IsStoredProcedure = 1, StoredProcedureName = {} WHERE ID = 13",
         R"(Method "Order.Ship")"},
    };
    const std::string pieces[] = {"\"", "'", "\n", "\r\n", "\t", "&", "&Prop", "]", "[", "Ж",
                                  "中", "é", "€",  "a",    "Z",  "7", " ",     "_", "x", "Net"};
    std::mt19937 random(46);
    const auto pick = [&](size_t count) {
        return std::uniform_int_distribution<size_t>(0, count - 1)(random);
    };
    const auto text = [&] {
        std::string made;
        for (size_t count = pick(6) + 1; count > 0; --count) {
            const std::string& piece = pieces[pick(std::size(pieces))];
            // Now and then a long run, up to past what a line of VB holds.
            const size_t repeats = pick(5) == 0 ? pick(1200) + 1 : 1;
            for (size_t i = 0; i < repeats; ++i)
                made += piece;
        }
        return made;
    };
    int refused = 0, generated = 0;
    for (int run = 0; run < 120; ++run) {
        const auto& slot = slots[pick(std::size(slots))];
        const std::string value = text();
        std::string sql = slot.sql;
        sql.replace(sql.find("{}"), 2, "'" + vb::Replace(value, "'", "''") + "'");
        SCOPED_TRACE(sql.substr(0, 300));
        const fs::path repository = Repository(sql);
        fs::remove_all(Out());
        const testing_support::FileTree before = testing_support::TreeOf(mFolder.Path());
        if (Generate(repository, "OrderEntry") != 0) {
            ++refused;
            EXPECT_NE(mErr.str().find(slot.named), std::string::npos) << mErr.str().substr(0, 2000);
            EXPECT_EQ(testing_support::TreeOf(mFolder.Path()), before);
            continue;
        }
        ++generated;
        Lines lines;
        EXPECT_EQ(Problems(lines), Lines{});
    }
    // Both ways are taken.
    EXPECT_GT(refused, 0);
    EXPECT_GT(generated, 0);
}

// A name that would lead out of the output folder is refused before anything is written, inside the folder
// or beside it.
TEST_F(HostileModels, NamesThatWouldLeaveTheOutputFolderAreRefused) {
    // Short enough for the length rule: the path's own fault is the one named.
    const std::string absolute = "/tmp/escaped";
    const struct {
        std::string application;
        std::string fault;
    } cases[] = {
        {"../escaped", "There can be no puctuation in a name!"},
        {absolute, "Name must begin with a letter!"},
        {"Order/Entry", R"(A name can hold only letters, digits and "_"!)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.application);
        const fs::path repository = Repository("UPDATE Application SET Name = '" + c.application + "'");
        const testing_support::FileTree before = testing_support::TreeOf(mFolder.Path());
        EXPECT_EQ(Generate(repository, c.application), 1);
        EXPECT_EQ(mErr.str(), Refusal({"Application \"" + c.application + "\": " + c.fault}));
        EXPECT_EQ(testing_support::TreeOf(mFolder.Path()), before);
        EXPECT_FALSE(fs::exists(absolute + ".vbg"));
    }
    EXPECT_THROW(vbide::PathInside(Out(), ".."), vb::Error);
    EXPECT_THROW(vbide::PathInside(Out(), "a\\b"), vb::Error);
    EXPECT_EQ(vbide::PathInside(Out(), "OrderEntry.vbg"), Out() / "OrderEntry.vbg");
}

}  // namespace
