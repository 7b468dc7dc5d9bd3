// The detail form pattern through a recording engine: the columns its controls are placed in, the
// pickers, its procedures for the kinds of control against the hand-written files of tests/golden/, the
// lines it leaves out for controls that were never placed, and its engine failures.

#include <gtest/gtest.h>

#include "patterns/forms/StdDetailForm.h"
#include "tests/patternkit/Golden.h"
#include "tests/patternkit/LayoutTestSupport.h"
#include "tests/patterns/forms/FormsModel.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/VbTextChecker.h"

namespace forms_test {
namespace {

using Lines = std::vector<std::string>;

// The field a foreign property refers to, owned by a property of another business object.
class SourceField : public testing_support::FakeField {
  public:
    std::shared_ptr<typelib::IProperty> source;

  protected:
    std::shared_ptr<typelib::IProperty> GetBusObjProperty() const override { return source; }
};

class DetailProperty : public testing_support::LayoutProperty {
  public:
    std::string access = "Read/Write";
    int32_t dbid = 0;
    std::shared_ptr<typelib::IField> foreignKeyField;

    std::string Access() const override { return access; }
    int32_t DBID() const override { return dbid; }

  protected:
    std::shared_ptr<typelib::IField> GetForeignKeyField() const override { return foreignKeyField; }
};

class DetailForm : public FormPatternTest {
  protected:
    DetailForm() : mItem(mSample.Add("Item", 1)) {}

    std::shared_ptr<DetailProperty> Add(FakeBusinessObject& owner, const std::string& name,
                                        const std::string& dataType, const std::string& controlType,
                                        int32_t dbid = 0, std::vector<std::string> values = {}) {
        auto property = std::make_shared<DetailProperty>();
        property->name = name;
        property->label = name;
        property->dataType = dataType;
        property->controlType = controlType;
        property->businessObjectName = owner.name;
        property->field = std::make_shared<testing_support::FakeField>();
        property->field->name = name;
        property->field->table = owner.table;
        property->dbid = dbid;
        property->isPVList = !values.empty();
        property->permittedValues->items = std::move(values);
        owner.properties->items.push_back(property);
        return property;
    }
    std::shared_ptr<DetailProperty> Add(const std::string& name, const std::string& dataType,
                                        const std::string& controlType, int32_t dbid = 0,
                                        std::vector<std::string> values = {}) {
        return Add(*mItem, name, dataType, controlType, dbid, std::move(values));
    }
    // `count` text boxes "P1"... labelled "Property01"... (ten characters).
    void AddTextBoxes(int count) {
        for (int i = 1; i <= count; ++i)
            Add("P" + std::to_string(i), "Long", "TextBox", i)->label =
                (i < 10 ? "Property0" : "Property") + std::to_string(i);
    }
    // A foreign text box whose value comes from `owner`'s property `sourceName`.
    std::shared_ptr<DetailProperty> AddForeign(const std::string& name, const std::string& owner,
                                               const std::string& sourceName) {
        auto source = std::make_shared<DetailProperty>();
        source->name = sourceName;
        source->businessObjectName = owner;
        auto field = std::make_shared<SourceField>();
        field->source = source;
        auto property = Add(name, "String", "TextBox", 7);
        property->isForeign = true;
        property->foreignKeyField = field;
        return property;
    }

    std::optional<int16_t> Build() { return BuildPattern(mPattern, mSample.application, mItem); }

    // From the line `first` up to the line before `stop`.
    Lines Between(const std::string& first, const std::string& stop) const {
        const Lines& lines = mEngine->lines;
        const auto from = std::find(lines.begin(), lines.end(), first);
        const auto to = std::find(from, lines.end(), stop);
        EXPECT_NE(to, lines.end()) << first << " .. " << stop;
        return Lines(from, to);
    }
    // The calls from the one that creates `control`, `count` of them.
    Lines CallsFrom(const std::string& control, std::size_t count) const {
        const Lines& calls = mEngine->calls;
        const auto from = std::find_if(calls.begin(), calls.end(), [&](const std::string& call) {
            return call.starts_with("SetVBControl(" + control + ",");
        });
        if (static_cast<std::size_t>(calls.end() - from) < count)
            return {};
        return Lines(from, from + static_cast<std::ptrdiff_t>(count));
    }
    // The names of the controls the engine created.
    std::set<std::string> PlacedNames(const std::vector<std::size_t>& refused = {}) const {
        std::set<std::string> names;
        const Lines asked = testing_support::ControlNames(*mEngine);
        for (std::size_t i = 0; i < asked.size(); ++i) {
            if (std::find(refused.begin(), refused.end(), i + 1) == refused.end())
                names.insert(asked[i]);
        }
        return names;
    }
    bool Holds(const std::string& text) const {
        return std::any_of(mEngine->lines.begin(), mEngine->lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
    long CountOf(const std::string& line) const {
        return std::count(mEngine->lines.begin(), mEngine->lines.end(), line);
    }

    FormsModel mSample;
    std::shared_ptr<FakeBusinessObject> mItem;
    forms::StdDetailForm mPattern;
};

TEST_F(DetailForm, ColumnsFollowThePropertyCountAndTheFormIsAsHighAsItsButtonsPlus300) {
    const struct {
        int count;
        int lastTop, lastLeft;  // the last property's label
        int okTop, okLeft, okWidth;
        const char* height;
        const char* width;
    } cases[] = {
        // One column of the standard set; the eleventh row fills it.
        {11, 6800, 300, 7450, 1305, 1095, "    Me.Height =  8400", "    Me.Width =  5100"},
        // Two columns of 4700 in the average set, all in the first.
        {12, 5800, 300, 6300, 825, 850, "    Me.Height =  7100", "    Me.Width =  3500"},
        // The fifteenth property opens the second column at the top; the buttons stand below the first.
        {15, 300, 4700, 7300, 3025, 850, "    Me.Height =  8100", "    Me.Width =  7900"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        mItem->properties->items.clear();
        mEngine = std::make_shared<testing_support::TokenEngine>();
        AddTextBoxes(c.count);
        ASSERT_EQ(Build(), 0);
        const std::string last = "P" + std::to_string(c.count);
        const Lines label = CallsFrom("lbl" + last, 3);
        EXPECT_EQ(label, (Lines{"SetVBControl(lbl" + last + ", Label)",
                                "SetVBControlProperty(Top, " + std::to_string(c.lastTop) + ")",
                                "SetVBControlProperty(Left, " + std::to_string(c.lastLeft) + ")"}));
        EXPECT_EQ(CallsFrom("cmdOK", 7),
                  (Lines{"SetVBControl(cmdOK, CommandButton)", "SetVBControlProperty(Caption, OK)",
                         "SetVBControlProperty(Height, 350)",
                         "SetVBControlProperty(Width, " + std::to_string(c.okWidth) + ")",
                         "SetVBControlProperty(Default, True)",
                         "SetVBControlProperty(Top, " + std::to_string(c.okTop) + ")",
                         "SetVBControlProperty(Left, " + std::to_string(c.okLeft) + ")"}));
        EXPECT_EQ(CountOf(c.height), 1);
        EXPECT_EQ(CountOf(c.width), 1);
    }
}

TEST_F(DetailForm, BuildsTheFormCentredOnItsOwnerAndCodesIt) {
    AddTextBoxes(1);
    ASSERT_EQ(Build(), 0);
    const Lines& calls = mEngine->calls;
    EXPECT_EQ(Lines(calls.begin(), calls.begin() + 4),
              (Lines{"SetVBProject(OrderEntryUI, 0)", "SetVBStartUpProject()",
                     "SetVBComponent(OrderEntryUI, frmItemDetail, 3, frmSTD_Detail.frm)",
                     "SetVBComponentProperty(StartUpPosition, 1)"}));
    EXPECT_EQ(Lines(calls.end() - 2, calls.end()), (Lines{"StartCoding()", "FinishCoding()"}));
    EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames()), Lines{});
}

TEST_F(DetailForm, ThePickersAskForTheDetailAndTheContextPropertiesAndCancelGivesTheDefaults) {
    const auto parent = mSample.Add("Order", 2);
    Add(*parent, "OrderID", "Long", "TextBox")->isKey = true;
    Add(*parent, "Reference", "String", "TextBox")->isUnique = true;
    Add(*parent, "Notes", "Memo", "TextBox");
    mSample.model.Relate(mItem, parent, "Identifying");
    Add("Quantity", "Integer", "TextBox");
    Add("Price", "Currency", "TextBox");
    mSample.application->isPromptDuringBuild = true;
    Lines pickers;
    AnswerPicker(mScript, pickers, {}, true);
    AnswerPicker(mScript, pickers, {"Reference"});
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(pickers,
              (Lines{"Select Detail Form Properties|Select properties displayed on the Item Detail form.\r"
                     "Properties will appear in order from top to bottom.",
                     "Select Context Properties|Select one or more properties of a Order\r"
                     "to be displayed as context for the ItemDetail Form.\r"
                     "Properties will appear in order selected from top to bottom."}));
    EXPECT_EQ(mPattern.DetailProperties().size(), 2u);
    ASSERT_EQ(mPattern.ContextProperties().size(), 1u);
    EXPECT_EQ(CountOf("    txtOrder_Reference.Text = myOrder.Reference"), 1);
    EXPECT_EQ(CountOf("    Set myOrder = myItem.Order"), 1);
    EXPECT_EQ(CountOf("    Set myOrder = Nothing"), 1);
    EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames()), Lines{});
}

TEST_F(DetailForm, ProceduresOfEachKindOfControlMatchTheirGoldenFiles) {
    struct Case {
        const char* what;
        std::function<void()> model;
        const char* first;
        const char* stop;
        const char* golden;
    };
    const auto optionValues = [this] {
        Add("Due", "Date", "OptionButton", 1, {"1/15/1999"});
        Add("Rate", "Double", "OptionButton", 2, {"-1.5"});
        Add("Size", "Single", "OptionButton", 3, {"+2"})->isKey = true;
    };
    const auto otherControls = [this] {
        Add("Count", "Long", "CheckBox", 1)->isKey = true;
        Add("Flag", "Boolean", "ListBox", 2);
        Add("Code", "String", "ComboBox", 3)->access = "Read Only";
    };
    const Case cases[] = {
        {"option values of Date, Double and Single", optionValues, "Private Sub RefreshDisplay()",
         "Private Sub myItem_BusinessRuleChange(ByVal ObjName As String)", "DetailForm_OptionValues.txt"},
        {"their click procedures", optionValues, "Private Sub optDue_Jan_15_1999_Click()",
         "Public Sub ReturnControl()", "DetailForm_OptionClicks.txt"},
        {"a Boolean list box and a read-only combo box loading", otherControls, "    mblnLoading = True",
         "    RefreshDisplay", "DetailForm_ListLoad.txt"},
        {"a non-Boolean check box key", otherControls, "Private Sub RefreshDisplay()",
         "Private Sub myItem_BusinessRuleChange(ByVal ObjName As String)", "DetailForm_CheckBoxDisplay.txt"},
        {"their events", otherControls, "Private Sub ckbCount_Click()", "Public Sub ReturnControl()",
         "DetailForm_CheckBoxEvents.txt"},
        {"no detail property", [] {}, "Private Sub RefreshDisplay()", "Private Sub CheckControls()",
         "DetailForm_NoProperty.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mItem->properties->items.clear();
        mEngine = std::make_shared<testing_support::TokenEngine>();
        c.model();
        ASSERT_EQ(Build(), 0);
        testing_support::ExpectMatchesGolden(Between(c.first, c.stop), c.golden);
        EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames()), Lines{});
    }
}

TEST_F(DetailForm, NoLineNamesAControlTheLayoutDidNotPlace) {
    struct Case {
        const char* what;
        std::function<void()> model;
        std::vector<std::size_t> refused;  // the n-th control asked for, answered Yes
        Lines picked;                      // through the picker when not empty
        Lines absent;
        Lines present;
    };
    const Case cases[] = {
        {"a refused text box",
         [this] {
             Add("Name", "String", "TextBox", 1);
             Add("Phone", "String", "TextBox", 2);
         },
         {2},
         {},
         {"txtName", "lblName", "Property  1"},
         {"Private Sub txtPhone_GotFocus()",
          "            lblPhone.Visible = myItem.PropertyIsViewable(\"Phone\") "}},
        {"a refused label keeps its text box",
         [this] { Add("Name", "String", "TextBox", 1); },
         {1},
         {},
         {"lblName"},
         {"Private Sub txtName_LostFocus()"}},
        {"a Memo list box and an OLE Object rich text box picked",
         [this] {
             Add("Notes", "Memo", "ListBox", 1);
             Add("Photo", "OLE Object", "RichTextBox", 2);
             Add("Size", "Long", "TextBox", 3);
         },
         {},
         {"Notes", "Photo", "Size"},
         {"lstbxNotes", "rtxtPhoto", "Photo"},
         {"Private Sub txtSize_LostFocus()"}},
        {"a rich text box hands its text over",
         [this] { Add("Memo", "String", "RichTextBox", 4); },
         {},
         {},
         {},
         {"        rtxtMemo.Text = .Memo", "Private Sub rtxtMemo_LostFocus()",
          "    myItem.Memo = rtxtMemo.Text", "'<<<Start Edit Point:  Property  4_LostFocus",
          "    rtxtMemo.Enabled = False"}},
        {"a refused option button",
         [this] {
             Add("Terms", "String", "OptionButton", 5, {"Cash", "Net 30"});
         },
         {2},
         {},
         {"optTerms_Cash"},
         {"Private Sub optTerms_Net_30_Click()", "        myItem.Terms = \"Net 30\"",
          "            Case \"Net 30\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mItem->properties->items.clear();
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mScript = ui::ScriptedInteraction();
        c.model();
        for (std::size_t i = 0; i < c.refused.size(); ++i)
            mScript.AnswerMsgBox(ui::vbYes);
        if (!c.refused.empty()) {
            auto& queue = mEngine->results["SetVBControl"];
            queue.assign(c.refused.back(), 0);
            for (const std::size_t n : c.refused)
                queue[n - 1] = typelib::Control_Not_Created;
        }
        Lines pickers;
        mSample.application->isPromptDuringBuild = !c.picked.empty();
        if (!c.picked.empty())
            AnswerPicker(mScript, pickers, c.picked);
        ASSERT_EQ(Build(), 0);
        for (const std::string& text : c.absent)
            EXPECT_FALSE(Holds(text)) << text;
        for (const std::string& line : c.present)
            EXPECT_EQ(CountOf(line), 1) << line;
        EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames(c.refused)), Lines{});
    }
}

TEST_F(DetailForm, OptionButtonsCutForRoomGetNoProcedures) {
    std::vector<std::string> values;
    for (int i = 1; i <= 60; ++i)
        values.push_back("A rather long payment term " + std::to_string(i));
    Add("Terms", "String", "OptionButton", 5, values);
    mScript.AnswerMsgBox(ui::vbOK);
    ASSERT_EQ(Build(), 0);
    std::size_t buttons = 0;
    for (const std::string& name : PlacedNames())
        buttons += name.starts_with("optTerms_") ? 1 : 0;
    ASSERT_GT(buttons, 0u);
    ASSERT_LT(buttons, values.size());
    const auto clicks =
        std::count_if(mEngine->lines.begin(), mEngine->lines.end(),
                      [](const std::string& line) { return line.starts_with("Private Sub optTerms_"); });
    EXPECT_EQ(static_cast<std::size_t>(clicks), buttons);
    EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames()), Lines{});
}

TEST_F(DetailForm, LookUpFormsForOwnersThatAreNeitherReferenceNorParent) {
    AddForeign("SupplierCode", "Supplier", "Code");
    AddForeign("SupplierName", "Supplier", "Name");
    Add("Nickname", "String", "TextBox", 8)->isVirtual = true;
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(CountOf("Private mySupplierLookUpForm As frmSupplierLookUp"), 1);
    EXPECT_EQ(CountOf("            Set mySupplierLookUpForm = New frmSupplierLookUp"), 2);
    EXPECT_EQ(CountOf("            .Display \"Name\" "), 1);
    // A virtual property without an owner is handled as any text box.
    EXPECT_EQ(CountOf("    mstrCtlWithErr = \"txtNickname\" "), 1);
    EXPECT_EQ(CountOf("        MsgBox \"Please select a Nickname\",vbOKOnly"), 0);
    const auto declaration = std::find(mEngine->lines.begin(), mEngine->lines.end(),
                                       "Private mySupplierLookUpForm As frmSupplierLookUp");
    const auto item =
        std::find(mEngine->lines.begin(), mEngine->lines.end(), "Private WithEvents myItem As Item");
    EXPECT_LT(declaration, item);
}

TEST_F(DetailForm, TheContextLinesAreThoseOfTheFrame) {
    const auto parent = mSample.Add("Order", 2);
    for (const char* name : {"OrderID", "Branch", "Reference", "Serial"})
        Add(*parent, name, "Long", "TextBox")->isKey = true;
    mSample.model.Relate(mItem, parent, "Identifying");
    Add("Quantity", "Integer", "TextBox", 3);
    ASSERT_EQ(Build(), 0);
    EXPECT_EQ(CountOf("    txtOrder_Reference.Text = myOrder.Reference"), 1);
    EXPECT_EQ(CountOf("    txtOrder_Serial.Text = myOrder.Serial"), 0);
    EXPECT_EQ(CountOf("Private WithEvents myOrder As Order"), 1);
    EXPECT_EQ(CountOf("Const mstrItem = \"key\" "), 1);
    EXPECT_EQ(testing_support::CheckVbForm(mEngine->lines, PlacedNames()), Lines{});
}

TEST_F(DetailForm, EngineFailuresEndTheBuildWithCancel) {
    struct Case {
        const char* what;
        const char* member;
        int32_t result;
        int32_t answer;  // 0: no question expected
        const char* lastCall;
    };
    const Case cases[] = {
        {"project missing", "SetVBProject", 2, 0, "SetVBProject(OrderEntryUI, 0)"},
        {"form refused, Yes", "SetVBComponent", 4, ui::vbYes,
         "SetVBComponent(OrderEntryUI, frmItemDetail, 3, frmSTD_Detail.frm)"},
        {"form not specified, No", "SetVBComponent", 5, ui::vbNo,
         "SetVBComponent(OrderEntryUI, frmItemDetail, 3, frmSTD_Detail.frm)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mEngine = std::make_shared<testing_support::TokenEngine>();
        mScript = ui::ScriptedInteraction();
        mEngine->results[c.member] = {c.result};
        if (c.answer != 0)
            mScript.AnswerMsgBox(c.answer);
        EXPECT_EQ(Build(), 10);
        EXPECT_EQ(mEngine->calls.back(), c.lastCall);
        EXPECT_TRUE(mEngine->lines.empty());
        EXPECT_EQ(mScript.Prompts().size(), 1u);
    }
}

TEST_F(DetailForm, AnErrorWhileCodingCarriesBothProceduresInItsSource) {
    AddTextBoxes(2);
    const auto failing = std::make_shared<FailingEngine>();
    failing->failOn = "RefreshDisplay";
    failing->error = vb::Error(91, "Object variable not set", "Model");
    mEngine = failing;
    const vb::Error error = testing_support::ErrorOf([&] { Build(); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Source(), "StdDetailForm.Build->StdDetailForm.GenerateCode->Model");
    EXPECT_EQ(mPattern.LastError().source, "StdDetailForm.Build->StdDetailForm.GenerateCode->Model");
}

}  // namespace
}  // namespace forms_test
