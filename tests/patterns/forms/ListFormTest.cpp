// The list form pattern through a recording engine: both forms' controls, the property sets it asks for,
// and its engine failures.

#include <gtest/gtest.h>

#include "patterns/forms/StdListForm.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/forms/FormsModel.h"
#include "tests/support/ErrorNumber.h"

namespace forms_test {
namespace {

using Lines = std::vector<std::string>;

// Order (OrderID, OrderDate) and its identifying child OrderLine (OrderID, LineNo, Quantity); Customer
// as the look-up tests have it, with an Integer Visits last.
struct ListFormModel {
    FormsModel sample;
    std::shared_ptr<FakeBusinessObject> customer = AddLookupCustomer(sample);
    std::shared_ptr<FakeBusinessObject> order = sample.Add("Order", 3);
    std::shared_ptr<FakeBusinessObject> orderLine = sample.Add("OrderLine", 4);

    ListFormModel() {
        testing_support::AddSampleProperty(*customer, "Visits", "Integer", 2);
        testing_support::AddSampleProperty(*order, "OrderID", "Long", 4)->isKey = true;
        testing_support::AddSampleProperty(*order, "OrderDate", "Date", 8);
        testing_support::AddSampleProperty(*orderLine, "OrderID", "Long", 4)->isKey = true;
        testing_support::AddSampleProperty(*orderLine, "LineNo", "Integer", 2)->isKey = true;
        testing_support::AddSampleProperty(*orderLine, "Quantity", "Integer", 2);
        sample.model.Relate(orderLine, order, "Identifying");
    }
};

class ListForm : public FormPatternTest {
  protected:
    std::optional<int16_t> Build(const std::shared_ptr<FakeBusinessObject>& businessObject) {
        return BuildPattern(mPattern, mModel.sample.application, businessObject);
    }

    // The calls from the first that starts with `from` up to the one before the first starting with `to`.
    Lines CallsBetween(const std::string& from, const std::string& to) const {
        const Lines& calls = mEngine->calls;
        auto startsWith = [](const std::string& prefix) {
            return [prefix](const std::string& call) { return call.rfind(prefix, 0) == 0; };
        };
        const auto first = std::find_if(calls.begin(), calls.end(), startsWith(from));
        return Lines(first, std::find_if(first, calls.end(), startsWith(to)));
    }

    // A picker answer that keeps the default set.
    void RecordPicker() { AnswerPicker(mScript, mPickers, {}, true); }

    const Lines& CodeOf(const std::string& form) { return mEngine->componentLines["OrderEntryUI/" + form]; }

    ListFormModel mModel;
    forms::StdListForm mPattern;
    Lines mPickers;
};

TEST_F(ListForm, WithoutParentTheListViewStandsBelowTheMenuMargin) {
    ASSERT_EQ(Build(mModel.customer), 0);
    EXPECT_EQ(CallsBetween("SetVBProject", "SetVBComponent(OrderEntryUI, frmCustomerSearch"),
              (Lines{
                  "SetVBProject(OrderEntryUI, 0)",
                  "SetVBStartUpProject()",
                  "SetVBComponent(OrderEntryUI, frmCustomerList, 3, frmStd_List.frm)",
                  "SetVBControl(lvwItems, ComctlLib.ListView)",
                  "SetVBControlProperty(Height, 3000)",
                  "SetVBControlProperty(Width, 6000)",
                  "SetVBControlProperty(Top, 720)",
                  "SetVBControlProperty(Left, 300)",
                  "SetVBControlProperty(View, 3)",
                  "SetVBControlProperty(LabelEdit, 1)",
                  "SetVBProject(OrderEntryUI, 0)",
                  "SetVBStartUpProject()",
                  "StartCoding()",
                  "FinishCoding()",
              }));
    // The search form starts from a fresh layout: its first field at the standard top, without the 420.
    const Lines search = CallsBetween("SetVBComponent(OrderEntryUI, frmCustomerSearch", "StartCoding");
    ASSERT_GE(search.size(), 3u);
    EXPECT_EQ(search[0], "SetVBComponent(OrderEntryUI, frmCustomerSearch, 3, frmStd_Search.frm)");
    EXPECT_EQ(search[1], "SetVBComponentProperty(StartUpPosition, 1)");
    EXPECT_EQ(
        *std::find_if(search.begin(), search.end(),
                      [](const std::string& call) { return call.rfind("SetVBControlProperty(Top", 0) == 0; }),
        "SetVBControlProperty(Top, 300)");
    EXPECT_NE(std::find(search.begin(), search.end(), "SetVBControl(cmdOK, CommandButton)"), search.end());
    EXPECT_NE(std::find(search.begin(), search.end(), "SetVBControl(cmdCancel, CommandButton)"),
              search.end());
    EXPECT_EQ(std::count(search.begin(), search.end(), "SetVBControl(Frame, Frame)"), 0);
    EXPECT_EQ(mEngine->calls.back(), "FinishCoding()");
    EXPECT_EQ(std::count(mEngine->calls.begin(), mEngine->calls.end(), "StartCoding()"), 2);
    EXPECT_TRUE(mScript.DialogsShown().empty());
    EXPECT_EQ(mPattern.CurrentParentBusObj(), nullptr);
    EXPECT_EQ(mPattern.CurrentBusObj(), mModel.customer);
}

TEST_F(ListForm, OneParentsContextFrameMovesTheListViewDownOnBothForms) {
    ASSERT_EQ(Build(mModel.orderLine), 0);
    EXPECT_EQ(mPattern.CurrentParentBusObj(), mModel.order);
    ASSERT_EQ(mPattern.ContextProperties().size(), 1u);
    EXPECT_EQ(mPattern.ContextProperties().front()->Name(), "OrderID");
    const Lines list = CallsBetween("SetVBComponent(OrderEntryUI, frmOrderLineList", "StartCoding");
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[1], "SetVBControl(Frame, Frame)");
    EXPECT_EQ(CallsBetween("SetVBControl(lvwItems", "SetVBProject"),
              (Lines{
                  "SetVBControl(lvwItems, ComctlLib.ListView)",
                  "SetVBControlProperty(Height, 3000)",
                  "SetVBControlProperty(Width, 6000)",
                  // 720, then a frame of one row: 350 + 300 + 300 high and 300 below it.
                  "SetVBControlProperty(Top, 1970)",
                  "SetVBControlProperty(Left, 300)",
                  "SetVBControlProperty(View, 3)",
                  "SetVBControlProperty(LabelEdit, 1)",
              }));
    const Lines search = CallsBetween("SetVBComponent(OrderEntryUI, frmOrderLineSearch", "StartCoding");
    ASSERT_GE(search.size(), 6u);
    EXPECT_EQ(search[2], "SetVBControl(Frame, Frame)");
    EXPECT_EQ(search[6], "SetVBControlProperty(Top, 300)");
}

TEST_F(ListForm, TwoIdentifyingParentsCountAsNone) {
    mModel.sample.model.Relate(mModel.orderLine, mModel.customer, "Identifying");
    mModel.sample.application->isPromptDuringBuild = true;
    RecordPicker();
    RecordPicker();
    ASSERT_EQ(Build(mModel.orderLine), 0);
    EXPECT_EQ(mPickers.size(), 2u);
    EXPECT_EQ(mPattern.CurrentParentBusObj(), nullptr);
    EXPECT_TRUE(mPattern.ContextProperties().empty());
    EXPECT_EQ(std::count(mEngine->calls.begin(), mEngine->calls.end(), "SetVBControl(Frame, Frame)"), 0);
    EXPECT_NE(std::find(mEngine->calls.begin(), mEngine->calls.end(), "SetVBControlProperty(Top, 720)"),
              mEngine->calls.end());
}

TEST_F(ListForm, PickersComeListSearchContextWithTheirMessages) {
    mModel.sample.application->isPromptDuringBuild = true;
    RecordPicker();
    RecordPicker();
    RecordPicker();
    ASSERT_EQ(Build(mModel.orderLine), 0);
    EXPECT_EQ(mPickers,
              (Lines{"Select List Properties|Select properties displayed on the OrderLine List Form.\r"
                     "Properties will appear as columns in the list view ordered from left to right.",
                     "Select Search Properties|Select properties displayed on the OrderLine Search form.\r"
                     "Properties will appear in order from top to bottom.",
                     "Select Context Properties|Select one or more properties of a Order\r"
                     "to be displayed as context for the OrderLineList Form.\r"
                     "Properties will appear in order selected from top to bottom."}));
    // Cancelled pickers give the default sets.
    EXPECT_EQ(mPattern.ContextProperties().size(), 1u);
    EXPECT_FALSE(mPattern.ListProperties().empty());
}

TEST_F(ListForm, ARefusedListViewAnsweredYesStillCodesBothForms) {
    mEngine->results["SetVBControl"] = {6};
    mScript.AnswerMsgBox(ui::vbYes);
    ASSERT_EQ(Build(mModel.customer), 0);
    const Lines list = CallsBetween("SetVBControl(lvwItems", "StartCoding");
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[1], "SetVBProject(OrderEntryUI, 0)");
    EXPECT_EQ(std::count(mEngine->calls.begin(), mEngine->calls.end(), "StartCoding()"), 2);
    EXPECT_EQ(mEngine->calls.back(), "FinishCoding()");
}

TEST_F(ListForm, EngineFailuresEndTheBuild) {
    struct Case {
        const char* what;
        const char* member;
        std::vector<int32_t> results;
        int32_t answer;  // 0: no question expected
        const char* lastCall;
    };
    const Case cases[] = {
        {"project missing", "SetVBProject", {2}, 0, "SetVBProject(OrderEntryUI, 0)"},
        {"list form refused, Yes",
         "SetVBComponent",
         {4},
         ui::vbYes,
         "SetVBComponent(OrderEntryUI, frmCustomerList, 3, frmStd_List.frm)"},
        {"list view refused, No",
         "SetVBControl",
         {6},
         ui::vbNo,
         "SetVBControl(lvwItems, ComctlLib.ListView)"},
        {"project lost before the list code", "SetVBProject", {0, 1}, 0, "SetVBProject(OrderEntryUI, 0)"},
        {"search form refused, Yes",
         "SetVBComponent",
         {0, 5},
         ui::vbYes,
         "SetVBComponent(OrderEntryUI, frmCustomerSearch, 3, frmStd_Search.frm)"},
        {"project lost before the search code",
         "SetVBProject",
         {0, 0, 3},
         0,
         "SetVBProject(OrderEntryUI, 0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mScript = ui::ScriptedInteraction();
        patternkit::Common::ResetContinueAnswerForTesting();
        mEngine->results[c.member] = c.results;
        if (c.answer != 0)
            mScript.AnswerMsgBox(c.answer);
        EXPECT_EQ(Build(mModel.customer), 10);
        EXPECT_EQ(mEngine->calls.back(), c.lastCall);
        EXPECT_EQ(mScript.Prompts().size(), 1u);
    }
}

TEST_F(ListForm, SearchFormCodeMatchesItsGoldenFiles) {
    ASSERT_EQ(Build(mModel.customer), 0);
    testing_support::ExpectMatchesGolden(CodeOf("frmCustomerSearch"), "SearchForm_Customer.txt");
    ASSERT_EQ(Build(mModel.orderLine), 0);
    testing_support::ExpectMatchesGolden(CodeOf("frmOrderLineSearch"), "SearchForm_OrderLine.txt");
}

TEST_F(ListForm, APickedPropertyThatIsNoSearchPropertyIsACriterionWithoutOperators) {
    mModel.sample.application->isPromptDuringBuild = true;
    AnswerPicker(mScript, mPickers, {}, true);
    AnswerPicker(mScript, mPickers, {"Notes", "Name"});
    ASSERT_EQ(Build(mModel.customer), 0);
    const Lines& code = CodeOf("frmCustomerSearch");
    auto has = [&code](const std::string& line) {
        return std::find(code.begin(), code.end(), line) != code.end();
    };
    EXPECT_TRUE(has("    strValue = Trim(txtNotes.Text)"));
    EXPECT_TRUE(
        has(R"(            mstrSearchCriteria = " Notes " & cmbNotes.Text & "" & Trim(txtNotes.Text) & "")"));
    EXPECT_FALSE(has("'Load Combobox for Notes"));
    EXPECT_TRUE(has("'Load Combobox for Name"));
    // A Memo's entry is not checked.
    EXPECT_FALSE(has("Private Sub txtNotes_LostFocus()"));
}

TEST_F(ListForm, ContextLinesStopWhereTheFrameStops) {
    for (const char* name : {"Region", "Code", "Ref", "Extra"})
        testing_support::AddSampleProperty(*mModel.order, name, "String", 10)->isUnique = true;
    ASSERT_EQ(Build(mModel.orderLine), 0);
    ASSERT_EQ(mPattern.ContextProperties().size(), 5u);
    const Lines& code = CodeOf("frmOrderLineSearch");
    Lines context;
    std::copy_if(code.begin(), code.end(), std::back_inserter(context),
                 [](const std::string& line) { return line.rfind("   txtOrder_", 0) == 0; });
    EXPECT_EQ(context,
              (Lines{"   txtOrder_OrderID.Text = myOrder.OrderID", "   txtOrder_Region.Text = myOrder.Region",
                     "   txtOrder_Code.Text = myOrder.Code"}));
}

TEST_F(ListForm, ListFormCodeMatchesItsGoldenFiles) {
    struct Case {
        std::shared_ptr<FakeBusinessObject> businessObject;
        const char* form;
        const char* golden;
    };
    const Case cases[] = {
        {mModel.customer, "frmCustomerList", "ListForm_Customer.txt"},
        {mModel.order, "frmOrderList", "ListForm_Order.txt"},
        {mModel.orderLine, "frmOrderLineList", "ListForm_OrderLine.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        ASSERT_EQ(Build(c.businessObject), 0);
        testing_support::ExpectMatchesGolden(CodeOf(c.form), c.golden);
    }
}

// The lines of `code` from the first that starts with `from` up to the first "End Sub" after it.
Lines Procedure(const Lines& code, const std::string& from) {
    const auto first = std::find_if(code.begin(), code.end(),
                                    [&](const std::string& line) { return line.rfind(from, 0) == 0; });
    const auto last = std::find(first, code.end(), "End Sub");
    return last == code.end() ? Lines{} : Lines(first, last + 1);
}

Lines Matching(const Lines& code, const std::string& part) {
    Lines found;
    std::copy_if(code.begin(), code.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.find(part) != std::string::npos; });
    return found;
}

TEST_F(ListForm, TheViewMenuServesTheFirstThreeChildrenAndEveryChildIsDeclared) {
    for (const char* name : {"Shipment", "Invoice", "Note"})
        mModel.sample.model.Relate(mModel.sample.Add(name, 9), mModel.order, "Identifying");
    ASSERT_EQ(Build(mModel.order), 0);
    const Lines& code = CodeOf("frmOrderList");
    EXPECT_EQ(Matching(code, "ListForm As frm").size(), 4u);
    EXPECT_EQ(Matching(Procedure(code, "Private Sub mnuViewChild_Click"), "        Case  "),
              (Lines{"        Case  0", "        Case  1", "        Case  2"}));
    EXPECT_EQ(
        Matching(Procedure(code, "Private Sub Form_Load"), "mnuViewChild("),
        (Lines{"    mnuViewChild(0).Caption = \"OrderLine\" ", "    mnuViewChild(1).Caption = \"Shipment\" ",
               "    mnuViewChild(2).Caption = \"Invoice\" "}));
    EXPECT_EQ(Matching(Procedure(code, "Private Sub CheckControls"), "mnuViewChild(").size(), 6u);
    EXPECT_EQ(Matching(code, "mnuViewChild(3)"), Lines{});
}

TEST_F(ListForm, TwoIdentifyingParentsWriteNoParentLines) {
    mModel.sample.model.Relate(mModel.orderLine, mModel.customer, "Identifying");
    ASSERT_EQ(Build(mModel.orderLine), 0);
    for (const char* form : {"frmOrderLineList", "frmOrderLineSearch"}) {
        SCOPED_TRACE(form);
        for (const char* part :
             {"myOrder ", "myOrder.", "myOrderObjID", "Sub Order", "Set Order", "txtOrder_"})
            EXPECT_EQ(Matching(CodeOf(form), part), Lines{}) << part;
    }
}

TEST_F(ListForm, AnEmptyListSetAddsRowsByKeyWithoutAWithBlock) {
    mModel.sample.application->isPromptDuringBuild = true;
    AnswerPicker(mScript, mPickers, {});
    RecordPicker();
    ASSERT_EQ(Build(mModel.customer), 0);
    ASSERT_TRUE(mPattern.ListProperties().empty());
    const Lines listbox = Procedure(CodeOf("frmCustomerList"), "Private Sub Load_Listbox");
    const Lines rows(std::find(listbox.begin(), listbox.end(), "    While Not myCustomerList.EOF") + 8,
                     std::find(listbox.begin(), listbox.end(), "    Wend"));
    EXPECT_EQ(rows,
              (Lines{"       Set itmlist = lvwItems.ListItems.Add(Key:= \"K\" & myCustomerList.ObjectID)",
                     "    myCustomerList.MoveNext"}));
    EXPECT_EQ(Matching(CodeOf("frmCustomerList"), "ColumnHeaders.Add"), Lines{});
}

TEST_F(ListForm, AnErrorWhileCodingCarriesBothProceduresInItsSource) {
    const auto failing = std::make_shared<FailingEngine>();
    failing->error = vb::Error(91, "Object variable not set", "Model");
    mEngine = failing;
    struct Case {
        const char* line;
        const char* generator;
    };
    for (const Case c :
         {Case{"Load_Listbox()", "GenerateListFormCode"}, Case{"cmdOK_Click", "GenerateSearchFormCode"}}) {
        failing->failOn = c.line;
        const std::string source = std::string("StdListForm.Build->StdListForm.") + c.generator + "->Model";
        const vb::Error error = testing_support::ErrorOf([&] { Build(mModel.customer); });
        EXPECT_EQ(error.Number(), 91);
        EXPECT_EQ(error.Source(), source);
        EXPECT_EQ(mPattern.LastError().source, source);
    }
}

}  // namespace
}  // namespace forms_test
