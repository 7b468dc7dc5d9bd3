// The startup and look-up form patterns as the add-in runs them: created by ProgID from the pattern
// library, driven by the real engine on the sample application, saved as a project group and read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "core/BuildCheck.h"
#include "core/qelApplication.h"
#include "core/qelBusinessObject.h"
#include "core/qelConstructor.h"
#include "core/qelToolProperties.h"
#include "host/qt/FormView.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ide/FormDesigner.h"
#include "platform/ide/ProjectFiles.h"
#include "platform/ide/VBE.h"
#include "platform/ui/ScriptedInteraction.h"
#include "repository/ApplicationList.h"
#include "repository/ApplicationLoad.h"
#include "repository/RepositoryFile.h"
#include "tests/host/QtTestApplication.h"
#include "tests/patternkit/Golden.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/support/ControlDescription.h"
#include "tests/support/DialogPictures.h"
#include "tests/support/VbGroupCheck.h"
#include "tests/support/VbLimitsCheck.h"
#include "tests/support/VbTextChecker.h"
#include "tests/support/WidePropertiesSql.h"

namespace forms_test {
namespace {

using Lines = std::vector<std::string>;
using testing_support::WideProperties;

std::filesystem::path SampleRepository() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return std::filesystem::path(binary ? binary : ".") / "samples" / "vbostrel.mdb";
}

class FormsEndToEnd : public ::testing::Test {
  protected:
    FormsEndToEnd() { Load(""); }

    // The sample's application, with `sql` run on a copy of its repository first, and every business
    // object marked built.
    void Load(const std::string& sql) {
        std::filesystem::copy_file(SampleRepository(), mFolder / "vbostrel.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        std::istringstream statements(sql);
        for (std::string statement; std::getline(statements, statement, ';');)
            dao::SqliteDatabase::Open(mFolder / "vbostrel.mdb", dao::OpenMode::ReadWrite)->Execute(statement);
        const auto repository = repository::OpenRepository(mFolder.Path());
        const auto list = repository::ReadStoredApplications(*repository);
        mApplication = repository::LoadApplication(*repository, *list.Item("K1"));
        for (const auto& businessObject : *mApplication->BusinessObjects())
            businessObject->SetIsBuilt(true);
    }

    int16_t Run(const std::string& progId, const std::shared_ptr<core::qelBusinessObject>& businessObject) {
        ui::ScopedInteraction installed(mScript);
        auto engine = std::make_shared<core::qelConstructor>();
        return engine->BuildPattern(mVbe, mApplication, businessObject, progId,
                                    std::make_shared<core::qelToolProperties>());
    }

    // The look-up form of every business object, its list and search forms, its detail form, then the
    // startup form.
    void BuildForms() {
        for (const auto& businessObject : *mApplication->BusinessObjects())
            ASSERT_EQ(Run("Brisolet.StdLookupForm", businessObject), 0) << businessObject->Name();
        for (const auto& businessObject : *mApplication->BusinessObjects())
            ASSERT_EQ(Run("Brisolet.StdListForm", businessObject), 0) << businessObject->Name();
        for (const auto& businessObject : *mApplication->BusinessObjects())
            ASSERT_EQ(Run("Brisolet.StdDetailForm", businessObject), 0) << businessObject->Name();
        ASSERT_EQ(Run("Brisolet.StdStartupForm", mApplication->BusinessObjects()->Item(1)), 0);
    }

    std::shared_ptr<vbide::VBProject> Ui(const vbide::VBE& vbe) const {
        for (const auto& project : vbe.VBProjects()) {
            if (project->Name() == "OrderEntryUI")
                return project;
        }
        return nullptr;
    }
    std::shared_ptr<vbide::VBComponent> Component(const std::string& name) const {
        return Ui(*mVbe)->VBComponents().Item(name);
    }

    // The form `name` as the IDE's form window draws it, saved under the build folder as `file`.png for a
    // person to look at.
    void Picture(const std::string& name, const std::string& file) {
        host::FormView view(Component(name)->Designer());
        view.resize(view.sizeHint());
        EXPECT_GT(view.width(), 0) << name;
        testing_support::SavePicture(view, file);
    }

    void Save(const std::string& folder = "out") {
        vbide::SaveProjectGroup(*mVbe, mFolder / folder / "OrderEntry.vbg");
    }

    // A developer's line right below the first (or `nth`) start line of `editPoint` in `component`.
    void AddBelow(const std::string& component, const std::string& editPoint, const std::string& line,
                  int nth = 1) {
        Lines code = Component(component)->CodeModule()->AllLines();
        auto at = code.begin();
        for (int i = 0; i < nth; ++i)
            at = std::find(i == 0 ? code.begin() : at + 1, code.end(), "'<<<Start Edit Point: " + editPoint);
        ASSERT_NE(at, code.end()) << editPoint;
        code.insert(at + 1, line);
        Component(component)->CodeModule()->SetAllLines(code);
    }

    // The line below the `nth` start line of `editPoint`, after regeneration, and how often `line` stands.
    void ExpectKept(const std::string& component, const std::string& editPoint, const std::string& line,
                    int nth = 1) {
        const Lines& code = Component(component)->CodeModule()->AllLines();
        EXPECT_EQ(std::count(code.begin(), code.end(), line), 1) << line;
        auto at = code.begin();
        for (int i = 0; i < nth; ++i)
            at = std::find(i == 0 ? code.begin() : at + 1, code.end(), "'<<<Start Edit Point: " + editPoint);
        ASSERT_NE(at, code.end());
        EXPECT_EQ(*(at + 1), line) << editPoint;
    }

    dao_test::TestFolder mFolder;
    std::shared_ptr<core::qelApplication> mApplication;
    std::shared_ptr<vbide::VBE> mVbe = std::make_shared<vbide::VBE>();
    ui::ScriptedInteraction mScript;
};

TEST_F(FormsEndToEnd, SampleFormsReadBackUnchangedAndPassTheChecker) {
    BuildForms();
    Save();
    const auto readBack = std::make_shared<vbide::VBE>();
    vbide::OpenProjectGroup(*readBack, mFolder / "out" / "OrderEntry.vbg");

    Lines written;
    for (const auto& component : Ui(*mVbe)->VBComponents())
        written.push_back(component->Name());
    EXPECT_EQ(written, (Lines{"frmCustomerLookUp", "frmProductLookUp", "frmOrderLookUp", "frmOrderLineLookUp",
                              "frmCustomerList", "frmCustomerSearch", "frmProductList", "frmProductSearch",
                              "frmOrderList", "frmOrderSearch", "frmOrderLineList", "frmOrderLineSearch",
                              "frmCustomerDetail", "frmProductDetail", "frmOrderDetail", "frmOrderLineDetail",
                              "frmOrderEntry_Startup", "frmOrderEntry_Logon", "Common"}));
    for (const auto& component : Ui(*mVbe)->VBComponents()) {
        SCOPED_TRACE(component->Name());
        const auto again = Ui(*readBack)->VBComponents().Item(component->Name());
        EXPECT_EQ(again->CodeModule()->AllLines(), component->CodeModule()->AllLines());
        const Lines& code = component->CodeModule()->AllLines();
        if (!component->Designer()) {
            EXPECT_EQ(testing_support::CheckVbModule(code), Lines{});
            continue;
        }
        Lines controls, controlsAgain;
        std::set<std::string> names;
        for (const auto& control : component->Designer()->VBControls()) {
            controls.push_back(testing_support::DescribeControl(*control));
            names.insert(control->Name());
        }
        for (const auto& control : again->Designer()->VBControls())
            controlsAgain.push_back(testing_support::DescribeControl(*control));
        // A form file holds the menus after the controls; the order of the collection is no property.
        std::sort(controls.begin(), controls.end());
        std::sort(controlsAgain.begin(), controlsAgain.end());
        EXPECT_EQ(controlsAgain, controls);
        EXPECT_EQ(testing_support::CheckVbForm(code, names), Lines{});
    }
    const auto frame = Component("frmCustomerLookUp")->Designer()->VBControls().Item("cmdFind");
    EXPECT_EQ(frame->Container()->Name(), "SearchFrame");
    EXPECT_EQ(Component("frmOrderEntry_Startup")->Designer()->VBControls().Count(), 3);
    // The parent's context on both forms of the child.
    for (const char* form : {"frmOrderLineList", "frmOrderLineSearch"})
        EXPECT_EQ(Component(form)->Designer()->VBControls().Item("txtOrder_OrderID")->Container()->Name(),
                  "Frame")
            << form;
}

// The sample's detail forms below the banner: twelve properties in the average set (read-only stubs, an
// option list whose values make no names as they stand, a Boolean check box, a combo box, a Memo), a
// reference with foreign combo boxes and an OLE Object left out, and one parent with a look-up text box.
TEST_F(FormsEndToEnd, SampleDetailFormsMatchTheirGoldenFiles) {
    BuildForms();
    const std::pair<const char*, const char*> forms[] = {{"Customer", "DetailForm_Customer.txt"},
                                                         {"Order", "DetailForm_Order.txt"},
                                                         {"OrderLine", "DetailForm_OrderLine.txt"}};
    for (const auto& [businessObject, golden] : forms) {
        const Lines& code =
            Component("frm" + std::string(businessObject) + "Detail")->CodeModule()->AllLines();
        const auto banner =
            std::find(code.begin(), code.end(),
                      "'Layer 1: (User Interface) - " + std::string(businessObject) + " Detail Form");
        ASSERT_NE(banner, code.begin()) << businessObject;
        ASSERT_NE(banner, code.end()) << businessObject;
        testing_support::ExpectMatchesGoldenAsListed(Lines(banner - 1, code.end()), golden);
    }
}

// The generated forms as the IDE's form window draws them, saved under the build folder for a person to look
// at.
TEST_F(FormsEndToEnd, GeneratedFormsArePicturedInTheFormWindow) {
    BuildForms();
    for (const char* name : {"frmCustomerLookUp", "frmOrderEntry_Startup", "frmOrderEntry_Logon",
                             "frmOrderLineList", "frmOrderLineSearch"})
        Picture(name, name);
}

// Every module of a run with the form patterns built so far, the three-tier classes and the utility class
// included.
TEST_F(FormsEndToEnd, EveryGeneratedModulePassesTheChecker) {
    for (const auto& businessObject : *mApplication->BusinessObjects())
        ASSERT_EQ(Run("Brisolet.T3BusinessObject", businessObject), 0) << businessObject->Name();
    BuildForms();
    ASSERT_EQ(Run("Brisolet.StdUtilities", mApplication->BusinessObjects()->Item(1)), 0);
    int modules = 0;
    for (const auto& project : mVbe->VBProjects()) {
        for (const auto& component : project->VBComponents()) {
            SCOPED_TRACE(project->Name() + "/" + component->Name());
            const Lines& code = component->CodeModule()->AllLines();
            ++modules;
            if (!component->Designer()) {
                EXPECT_EQ(testing_support::CheckVbModule(code), Lines{});
                continue;
            }
            std::set<std::string> names;
            for (const auto& control : component->Designer()->VBControls())
                names.insert(control->Name());
            EXPECT_EQ(testing_support::CheckVbForm(code, names), Lines{});
        }
    }
    EXPECT_GT(modules, 20);
}

// A business object widened passes the check before a build, and its forms keep within what VB loads: the
// controls of their rows in control arrays only where the names would not fit otherwise, the procedures that
// grow with the properties split into parts that keep what the whole would do.
TEST_F(FormsEndToEnd, WideFormsKeepWithinWhatVBLoads) {
    const std::string types =
        "CASE i % 7 WHEN 0 THEN 'String' WHEN 1 THEN 'Long' WHEN 2 THEN 'Date' WHEN 3 THEN 'Boolean' WHEN 4 "
        "THEN 'Memo' WHEN 5 THEN 'Double' ELSE 'Currency' END";
    // A Memo in a rich text box: a list box shows none.
    const std::string controls =
        "CASE WHEN i % 7 = 4 THEN 'RichTextBox' ELSE CASE i % 5 WHEN 0 THEN 'TextBox' WHEN 1 THEN 'ComboBox' "
        "WHEN 2 THEN 'ListBox' WHEN 3 THEN 'RichTextBox' ELSE 'CheckBox' END END";
    const struct {
        const char* what;
        std::string sql;
        std::string businessObject;
        Lines searchArrays, detailArrays;
        std::vector<Lines> written = {};  // runs of lines among the business object's forms' lines
        Lines checkFaults = {};           // what the check before a build refuses; the forms are built anyway
    } rows[] = {
        // The context frame's three names, three a row and OK and Cancel.
        {"a search form of 254 names", WideProperties(4, 79, "'Integer'", "'TextBox'"), "OrderLine", {}, {}},
        {"a search form of 257 names",
         WideProperties(4, 80, "'Integer'", "'TextBox'"),
         "OrderLine",
         {"lbl"},
         {}},
        {"a detail form that the labels' array keeps within the names",
         WideProperties(2, 150, "'Long'", "'TextBox'"),
         "Product",
         {"cmb", "lbl", "txt"},
         {"lbl"},
         {{R"(            lbl(4).Visible = myProduct.PropertyIsViewable("W1"))"},
          {"    strValue = Trim(txt(4).Text)"}}},
        {"every kind of row with a parent and a look-up",
         WideProperties(4, 250, types, controls),
         "OrderLine",
         {"cmb", "lbl", "txt"},
         {"ckb", "cmb", "lbl", "lstbx", "rtxt", "txt"},
         {{"Private Sub txt_LostFocus(Index As Integer)",
           "'Hands the event to the procedure of the control it happened to", "    Select Case Index",
           "        Case 0", "            txtLineNo_LostFocus", "        Case 1",
           "            txtSupplierCode_LostFocus"},
          {"                txt(1).Text = .SelectedProduct.SupplierCode"},
          {"        Case 0", "            txtLineNo_LostFocus", "        Case 3",
           "            txtQuantity_LostFocus"},
          {"   txtOrder_OrderID.Text = myOrder.OrderID"}}},
        {"option groups",
         WideProperties(2, 30, "'String'", "'OptionButton'", 8),
         "Product",
         {},
         {"lbl", "opt", "txt"},
         {{"        Case 0", "            optW1_v1_Click"},
          {"            Case \"v1\"", "                opt(0).Value = True"}}},
        {"option groups' frames at the limit",
         WideProperties(2, 250, "'Memo'", "'OptionButton'"),
         "Product",
         {},
         {"lbl", "txt"},
         {{R"(            FrameW250.Visible = myProduct.PropertyIsViewable("W250"))"}}},
        // Wider than Jet holds, as other databases do, with names as long as the check lets them be: the
        // check refuses the business class and the search form, whose rows no form holds apart, yet the
        // forms' code is as sound.
        {"procedures of many parts",
         WideProperties(4, 950, "'Long'", "'ComboBox'", 0,
                        "substr('W' || i || '" + std::string(30, 'x') + "', 1, 30)"),
         "OrderLine",
         {"cmb", "lbl", "txt"},
         {"cmb", "lbl", "txt"},
         {{"    Select Case strPropName", "        Case Else",
           "            myOrderLine_PropertyRestrictionChanged_1 strPropName"},
          {"Private Sub myOrderLine_PropertyRestrictionChanged_1(ByVal strPropName As String)",
           "    Select Case strPropName"},
          {"Private Sub RefreshDisplay_1()", "Dim strTemp As String", "    With myOrderLine"},
          {"Private Sub Form_Load_1()", "Dim colPermittedValues As Collection"},
          {"        Case 0 To 798", "            cmb_LostFocus_1 Index", "        Case 799 To 950",
           "            cmb_LostFocus_2 Index"},
          {"Private Sub cmb_LostFocus_1(Index As Integer)", "    Select Case Index"},
          {"Private Sub cmdOK_Click_1()", "Dim strValue As String"},
          {"           Case Else",
           "               cmdFind_Click_1 strSearch, strSQL, blnInvalidData, strRequiredDataType"},
          {"Private Sub cmdFind_Click_1(strSearch As String, strSQL As String, blnInvalidData As Boolean, "
           "strRequiredDataType As String)",
           "       Select Case Trim(mstrPropertyName)"},
          {"       With itmlist", "           'Add a Subitem for each of the remaining properties",
           "           Load_Listbox_1 itmlist"},
          {"Private Sub Load_Listbox_1(itmlist As ListItem)", "       With itmlist"},
          {"        With itmlist", "        'Add a Subitem for each of the remaining properties",
           "            Load_Listbox_1 itmlist"},
          {"Private Sub Load_Listbox_1(itmlist As ListItem)", "        With itmlist"}},
         {"Business object \"OrderLine\": it has 955 properties, more than the 255 that a build takes (as "
          "many columns as an Access table holds), so that its generated class keeps within the 65,534 lines "
          "VB loads in a module: move some of its properties to a business object of their own",
          "Business object \"OrderLine\": its search form \"frmOrderLineSearch\" cannot hold its 954 rows "
          "within "
          "the 32767 twips a form measures each way, however deep its columns: shorten its longest labels "
          "and "
          "permitted values, or move some of its properties to a business object of their own"}},
    };
    int folder = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Load(row.sql);
        mVbe = std::make_shared<vbide::VBE>();
        const std::vector chosen(mApplication->BusinessObjects()->begin(),
                                 mApplication->BusinessObjects()->end());
        ASSERT_EQ(core::CheckBeforeBuild(*mApplication, chosen, true), row.checkFaults);
        BuildForms();
        const std::string out = "wide" + std::to_string(++folder);
        Save(out);
        int modules = 0;
        EXPECT_EQ(testing_support::CheckVbLimits(mFolder / out / "OrderEntry.vbg", modules), Lines{});
        EXPECT_EQ(testing_support::CheckVbGroup(*mVbe, modules), Lines{});
        Lines written;
        std::map<std::string, std::set<std::string>> arrays;
        for (const char* form : {"List", "Search", "LookUp", "Detail"}) {
            const auto component = Component("frm" + row.businessObject + form);
            for (const auto& control : component->Designer()->VBControls()) {
                if (control->Index())
                    arrays[form].insert(control->Name());
            }
            const Lines& code = component->CodeModule()->AllLines();
            written.insert(written.end(), code.begin(), code.end());
        }
        EXPECT_EQ(Lines(arrays["Search"].begin(), arrays["Search"].end()), row.searchArrays);
        EXPECT_EQ(Lines(arrays["Detail"].begin(), arrays["Detail"].end()), row.detailArrays);
        for (const char* form : {"Search", "Detail"})
            Picture("frm" + row.businessObject + form, out + form);
        for (const Lines& run : row.written)
            EXPECT_FALSE(std::ranges::search(written, run).empty()) << run.front();
    }
}

TEST_F(FormsEndToEnd, RegeneratingKeepsTheDevelopersLines) {
    BuildForms();
    Save();
    mApplication->SetIsRestoreAll(true);
    AddBelow("frmOrderEntry_Startup", "StartUp CmdButton Click -  1", "  frmCustomerList.Search strSearch");
    AddBelow("frmCustomerLookUp", "cmdFind_Click", "    txtSearch.SetFocus");
    AddBelow("Common", "Additional Functions and/or Subs", "Public Sub Mine()");
    const std::tuple<const char*, const char*, const char*> listLines[] = {
        {"frmCustomerList", " File\\New Click", "    mintDetailFormModality = 1"},
        {"frmOrderList", "View Object", "    myChildListForm.Caption = \"Lines\""},
        {"frmOrderLineList", "InvokingForm", "    Me.Caption = \"Lines\""},
        {"frmOrderLineList", " Form_Unload", "    Set myOrder = Nothing"},
        {"frmCustomerSearch", "txtCustomerID_LostFocus", "    txtCustomerID.SelStart = 0"},
    };
    for (const auto& [form, editPoint, line] : listLines)
        AddBelow(form, editPoint, line);
    BuildForms();
    for (const auto& [form, editPoint, line] : listLines)
        ExpectKept(form, editPoint, line);
    ExpectKept("frmOrderEntry_Startup", "StartUp CmdButton Click -  1", "  frmCustomerList.Search strSearch");
    ExpectKept("frmCustomerLookUp", "cmdFind_Click", "    txtSearch.SetFocus");
    ExpectKept("Common", "Additional Functions and/or Subs", "Public Sub Mine()");
    // Blocks that start with generated lines stand once, not once generated and once kept.
    ExpectKept("frmOrderEntry_Startup", "StartUp Form Load", "  With frmOrderEntry_Logon");
    ExpectKept("frmOrderEntry_Startup", "Additional Functions and/or Subs",
               "'|||Insert new functions or subs between these edit points.");
}

TEST_F(FormsEndToEnd, OneProjectKeepsItsConnectionCode) {
    mApplication->SetArchitecture(1);
    ASSERT_EQ(Run("Brisolet.StdStartupForm", mApplication->BusinessObjects()->Item(1)), 0);
    Save();
    mApplication->SetIsRestoreAll(true);
    AddBelow("Common", "DB Connect", "    cnnDataBase.CursorLocation = adUseClient");
    ASSERT_EQ(Run("Brisolet.StdStartupForm", mApplication->BusinessObjects()->Item(1)), 0);
    ExpectKept("Common", "DB Connect", "    cnnDataBase.CursorLocation = adUseClient");
}

TEST_F(FormsEndToEnd, TwoObjectsNeverStoredKeepTheirOwnClickCode) {
    mApplication->BusinessObjects()->Item(1)->SetDBID(0);
    mApplication->BusinessObjects()->Item(2)->SetDBID(0);
    ASSERT_EQ(Run("Brisolet.StdStartupForm", mApplication->BusinessObjects()->Item(1)), 0);
    Save();
    mApplication->SetIsRestoreAll(true);
    AddBelow("frmOrderEntry_Startup", "StartUp CmdButton Click -  0", "  ' for customers", 1);
    AddBelow("frmOrderEntry_Startup", "StartUp CmdButton Click -  0", "  ' for products", 2);
    ASSERT_EQ(Run("Brisolet.StdStartupForm", mApplication->BusinessObjects()->Item(1)), 0);
    ExpectKept("frmOrderEntry_Startup", "StartUp CmdButton Click -  0", "  ' for customers", 1);
    ExpectKept("frmOrderEntry_Startup", "StartUp CmdButton Click -  0", "  ' for products", 2);
}

}  // namespace
}  // namespace forms_test
