// The look-up form pattern through a recording engine: the layout of its controls, the property sets it
// asks for, its code against the hand-written files of tests/golden/, and its engine failures.

#include <gtest/gtest.h>

#include "patterns/forms/StdLookupForm.h"
#include "tests/patternkit/Golden.h"
#include "tests/patterns/forms/FormsModel.h"
#include "tests/support/ErrorNumber.h"

namespace forms_test {
namespace {

using Lines = std::vector<std::string>;

class LookupForm : public FormPatternTest {
  protected:
    LookupForm() : mCustomer(AddLookupCustomer(mSample)) {}

    std::optional<int16_t> Build() { return BuildPattern(mPattern, mSample.application, mCustomer); }

    // The procedures from the line `first` to the "End Sub" of the procedure whose error handler's edit
    // point is named `lastLabel`.
    Lines Slice(const std::string& first, const std::string& lastLabel) const {
        const Lines& lines = mEngine->lines;
        const auto from = std::find(lines.begin(), lines.end(), first);
        const auto handler =
            std::find(from, lines.end(), "'>>>End Edit Point: " + lastLabel + " - Error Processing");
        const auto to = std::find(handler, lines.end(), "End Sub");
        return to == lines.end() ? Lines{} : Lines(from, to + 1);
    }

    void AnswerPicker(Lines names, bool cancel = false) {
        forms_test::AnswerPicker(mScript, mPickers, names, cancel);
    }

    static Lines NamesOf(const patternkit::PropertySet& properties) {
        Lines names;
        for (const auto& property : properties)
            names.push_back(property->Name());
        return names;
    }

    FormsModel mSample;
    std::shared_ptr<FakeBusinessObject> mCustomer;
    forms::StdLookupForm mPattern;
    Lines mPickers;
};

TEST_F(LookupForm, PlacesItsControlsAsTheStandardSizesGive) {
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(mEngine->calls, (Lines{
                                  "SetVBProject(OrderEntryUI, 0)",
                                  "SetVBStartUpProject()",
                                  "SetVBComponent(OrderEntryUI, frmCustomerLookUp, 3, frmStd_Lookup.frm)",
                                  "SetVBControl(SearchFrame, Frame)",
                                  "SetVBControlProperty(Height, 950)",
                                  "SetVBControlProperty(Width, 7795)",
                                  "SetVBControlProperty(Caption, Find)",
                                  "SetVBControlProperty(Top, 300)",
                                  "SetVBControlProperty(Left, 300)",
                                  "SetVBControl(lblSearch, Label)",
                                  "AddVBControlToFrame(lblSearch, SearchFrame)",
                                  "SetVBControlProperty(Height, 350)",
                                  "SetVBControlProperty(Width, 1500)",
                                  "SetVBControlProperty(Top, 300)",
                                  "SetVBControlProperty(Left, 300)",
                                  "SetVBControlProperty(Caption, Search Criteria)",
                                  "SetVBControlProperty(Alignment, 1)",
                                  "SetVBControl(cmbSearch, ComboBox)",
                                  "AddVBControlToFrame(cmbSearch, SearchFrame)",
                                  "SetVBControlProperty(Top, 300)",
                                  "SetVBControlProperty(Left, 2100)",
                                  "SetVBControlProperty(Style, 2)",
                                  "SetVBControlProperty(Width, 700)",
                                  "SetVBControl(txtSearch, TextBox)",
                                  "AddVBControlToFrame(txtSearch, SearchFrame)",
                                  "SetVBControlProperty(Height, 350)",
                                  "SetVBControlProperty(Width, 3000)",
                                  "SetVBControlProperty(Top, 300)",
                                  "SetVBControlProperty(Left, 3100)",
                                  "SetVBControlProperty(Text, )",
                                  "SetVBControl(cmdFind, CommandButton)",
                                  "SetVBControlProperty(Caption, Find)",
                                  "AddVBControlToFrame(cmdFind, SearchFrame)",
                                  "SetVBControlProperty(Height, 350)",
                                  "SetVBControlProperty(Width, 1095)",
                                  "SetVBControlProperty(Default, True)",
                                  "SetVBControlProperty(Top, 300)",
                                  "SetVBControlProperty(Left, 6400)",
                                  "SetVBControl(lvwItems, ComctlLib.ListView)",
                                  "SetVBControlProperty(Height, 3000)",
                                  "SetVBControlProperty(Width, 7795)",
                                  "SetVBControlProperty(Top, 1550)",
                                  "SetVBControlProperty(Left, 300)",
                                  "SetVBControlProperty(View, 3)",
                                  "SetVBControl(cmdSelect, CommandButton)",
                                  "SetVBControlProperty(Caption, Select)",
                                  "SetVBControlProperty(Height, 350)",
                                  "SetVBControlProperty(Width, 1095)",
                                  "SetVBControlProperty(Top, 4850)",
                                  "SetVBControlProperty(Left, 2952)",
                                  "SetVBControl(cmdCancel, CommandButton)",
                                  "SetVBControlProperty(Caption, Cancel)",
                                  "SetVBControlProperty(Height, 350)",
                                  "SetVBControlProperty(Width, 1095)",
                                  "SetVBControlProperty(Top, 4850)",
                                  "SetVBControlProperty(Left, 4347)",
                                  "SetVBProject(OrderEntryUI, 0)",
                                  "SetVBStartUpProject()",
                                  "StartCoding()",
                                  "FinishCoding()",
                              }));
    EXPECT_TRUE(mScript.DialogsShown().empty());
}

TEST_F(LookupForm, CodeMatchesItsGoldenFile) {
    ASSERT_EQ(Build(), 0);
    testing_support::ExpectMatchesGolden(mEngine->lines, "LookupForm_Customer.txt");
}

TEST_F(LookupForm, PickedPropertySetsChangeTheirProcedures) {
    struct Case {
        const char* what;
        Lines listPicks;
        Lines searchPicks;
        const char* first;
        const char* lastLabel;
        const char* golden;
    };
    const Case cases[] = {
        {"no search property",
         {"CustomerID", "Name", "Since", "Active", "Balance"},
         {},
         "Private Sub cmdFind_Click()",
         "cmdFind_Click",
         "LookupForm_Customer_EmptySearch.txt"},
        {"a Memo among the list properties",
         {"CustomerID", "Name", "Notes", "Since"},
         {"Name"},
         "Private Sub Form_Load()",
         "LoadListbox",
         "LookupForm_Customer_MemoList.txt"},
        {"only a Memo to list",
         {"Notes"},
         {"Name"},
         "Private Sub Load_Listbox()",
         "LoadListbox",
         "LookupForm_Customer_NoListColumn.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mSample.application->isPromptDuringBuild = true;
        mEngine = std::make_shared<testing_support::TokenEngine>();
        AnswerPicker(c.listPicks);
        AnswerPicker(c.searchPicks);
        ASSERT_EQ(Build(), 0);
        testing_support::ExpectMatchesGolden(Slice(c.first, c.lastLabel), c.golden);
    }
}

TEST_F(LookupForm, BothPickersAreShownListFirstAndCancelGivesTheDefaultSet) {
    mSample.application->isPromptDuringBuild = true;
    AnswerPicker({}, true);
    AnswerPicker({"Since", "Name"});
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(
        mPickers,
        (Lines{"Select List Properties|Select properties displayed on the Customer LookUp Form.\r"
               "Properties will appear as columns in the list view ordered from left to right.",
               "Select Search Properties|Select properties that can be passed to the Customer LookUp form\r"
               "as a search criteria.  These properties do not appear on the form."}));
    EXPECT_EQ(NamesOf(mPattern.ListProperties()),
              (Lines{"CustomerID", "Name", "Since", "Active", "Balance"}));
    EXPECT_EQ(NamesOf(mPattern.SearchProperties()), (Lines{"Since", "Name"}));
}

TEST_F(LookupForm, ARefusedListViewAnsweredYesStillCodesTheForm) {
    mEngine->results["SetVBControl"] = {0, 0, 0, 0, 0, 6};
    mScript.AnswerMsgBox(ui::vbYes);
    ASSERT_EQ(Build(), 0);
    const auto listView =
        std::find(mEngine->calls.begin(), mEngine->calls.end(), "SetVBControl(lvwItems, ComctlLib.ListView)");
    ASSERT_NE(listView, mEngine->calls.end());
    EXPECT_EQ(*(listView + 1), "SetVBControl(cmdSelect, CommandButton)");
    // The row of buttons stands where it would under the list view.
    EXPECT_NE(std::find(listView, mEngine->calls.end(), "SetVBControlProperty(Top, 4850)"),
              mEngine->calls.end());
    EXPECT_EQ(mEngine->calls.back(), "FinishCoding()");
    EXPECT_FALSE(mEngine->lines.empty());
}

TEST_F(LookupForm, EngineFailuresEndTheBuild) {
    struct Case {
        const char* what;
        const char* member;
        std::vector<int32_t> results;
        int32_t answer;  // 0: no question expected
        const char* lastCall;
    };
    const Case cases[] = {
        {"project missing", "SetVBProject", {2}, 0, "SetVBProject(OrderEntryUI, 0)"},
        {"form refused, Yes",
         "SetVBComponent",
         {4},
         ui::vbYes,
         "SetVBComponent(OrderEntryUI, frmCustomerLookUp, 3, frmStd_Lookup.frm)"},
        {"list view refused, No",
         "SetVBControl",
         {0, 0, 0, 0, 0, 6},
         ui::vbNo,
         "SetVBControl(lvwItems, ComctlLib.ListView)"},
        {"list view without a project",
         "SetVBControl",
         {0, 0, 0, 0, 0, 3},
         0,
         "SetVBControl(lvwItems, ComctlLib.ListView)"},
        {"project lost before coding", "SetVBProject", {0, 1}, 0, "SetVBProject(OrderEntryUI, 0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mScript = ui::ScriptedInteraction();
        mEngine->results[c.member] = c.results;
        if (c.answer != 0)
            mScript.AnswerMsgBox(c.answer);
        EXPECT_EQ(Build(), 10);
        EXPECT_EQ(mEngine->calls.back(), c.lastCall);
        EXPECT_TRUE(mEngine->lines.empty());
        EXPECT_EQ(mScript.Prompts().size(), 1u);
    }
}

TEST_F(LookupForm, AnErrorWhileCodingCarriesBothProceduresInItsSource) {
    const auto failing = std::make_shared<FailingEngine>();
    failing->failOn = "Load_Listbox";
    failing->error = vb::Error(91, "Object variable not set", "Model");
    mEngine = failing;
    const vb::Error error = testing_support::ErrorOf([&] { Build(); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Source(), "StdLookupForm.Build->StdLookupForm.GenerateCode->Model");
    EXPECT_EQ(mPattern.LastError().number, 91);
    EXPECT_EQ(mPattern.LastError().source, "StdLookupForm.Build->StdLookupForm.GenerateCode->Model");
}

}  // namespace
}  // namespace forms_test
