#include "tests/support/VbTextChecker.h"

#include <gtest/gtest.h>

namespace testing_support {
namespace {

const std::set<std::string> kControls = {"txtSearch", "cmdFind", "lvwItems", "mnuViewChild", "Toolbar"};

// A form module that uses every kind of block, declaration and control the checker reads.
std::vector<std::string> SoundForm() {
    return {
        "Option Explicit",
        "Private mstrName As String, mlngCount(1 To 3) As Long, Ärger As Long, Öl As Long",
        "Private Type udtRow",
        "    strKey As String * 10",
        "End Type",
        "Public Sub Display(ByVal PropertyName As String, Optional ByVal objList As Variant)",
        "Dim strSearch As String    'what the user typed, \"quoted\"",
        "Dim itmlist As ListItem",
        "    strSearch = Trim(txtSearch.Text) & \"'it''s'\"",
        "    If strSearch <> \"\" Then",
        "        Select Case mstrName",
        "            Case \"A\"",
        "                mlngCount(1) = 1",
        "            Case Else",
        "        End Select",
        "    ElseIf mstrName = \"&x\" Then",
        "        cmdFind.Enabled = False",
        "    Else",
        "        If strSearch = \"\" Then Exit Sub",
        "    End If",
        "    For Each itmlist In lvwItems.ListItems",
        "        With itmlist",
        "            .Text = mstrName & strSearch",
        "        End With",
        "    Next itmlist",
        "    While Not EOF(1)",
        "        Set itmlist = lvwItems.ListItems.Add(Text:= strSearch, _ ",
        "            Key:= \"K\" & strSearch)",
        "    Wend",
        "    mnuViewChild(0).Visible = True",
        "    Toolbar.Buttons(\"New\").Enabled = True",
        "End Sub",
        "Private Sub cmdMissing_Click()",
        "End Sub",
        // A call of a procedure declared further down.
        "Private Sub myList_Refresh()",
        "    myList_Refresh_1",
        "End Sub",
        "Private Sub myList_Refresh_1()",
        "End Sub",
    };
}

TEST(VbTextCheckerTest, SoundTextHasNoProblem) {
    EXPECT_EQ(CheckVbForm(SoundForm(), kControls), std::vector<std::string>{});
    EXPECT_EQ(CheckVbModule(SoundForm()), std::vector<std::string>{});
}

// Each row spoils the sound form in one way, at one line, and names the problem expected there.
TEST(VbTextCheckerTest, EachFaultIsFound) {
    const std::string kLongLine = "                mlngCount(1) = 1 '" + std::string(1010, 'x');
    enum Edit { Replace, Remove, InsertBefore };
    struct Case {
        const char* what;
        Edit edit;
        size_t line;  // 1-based line of SoundForm()
        const char* text;
        const char* problem;
    };
    const Case cases[] = {
        {"(a) End If closing a For", Replace, 25, "    End If", "line 25: End If closes For"},
        {"(a) Sub never closed", Remove, 32, "", "line 6: Sub never closed"},
        {"(a) End Select missing", Remove, 15, "", "line 11: Select never closed"},
        {"(a) Wend without While", Remove, 26, "", "line 28: Wend closes Sub"},
        {"(a) Case outside Select", Remove, 11, "", "Case outside a Select block"},
        {"(b) quote left open", Replace, 9, "    strSearch = \"abc", "line 9: unpaired quote"},
        {"(c) token left in a string", Replace, 16, "    ElseIf mstrName = \"&BusObjName\" Then",
         "line 16: engine token left"},
        {"(c) token left in a comment", Replace, 7, "Dim strSearch As String 'the &PropName",
         "line 7: engine token left"},
        {"(d) undeclared module variable", Replace, 13, "                mlngTotal = 1",
         "line 13: variable not declared: mlngTotal"},
        {"(d) local of another procedure", InsertBefore, 34, "    strSearch = \"\"",
         "line 34: variable not declared: strSearch"},
        {"(e) control not on the form", Replace, 17, "        cmdSelect.Enabled = False",
         "line 17: no such control on the form: cmdSelect"},
        {"(e) menu array not on the form", Replace, 30, "    mnuFileNew(0).Visible = True",
         "no such control on the form: mnuFileNew"},
        {"(e) array of row controls not on the form", Replace, 17, "        txt(3).Enabled = False",
         "line 17: no such control on the form: txt"},
        {"(f) code after a procedure", InsertBefore, 33, "Dim mstrLate As String",
         "line 33: code after the end of a procedure"},
        {"(f) a value left after the last one", InsertBefore, 35, "30\"", "line 35: code after the end"},
        {"(g) a procedure twice", Replace, 33, "Private Sub display()", "line 33: declared twice: display"},
        {"(g) a variable named as a procedure", InsertBefore, 3, "Private cmdMissing_Click As Long",
         "declared twice: cmdmissing_click"},
        {"(g) a field twice", InsertBefore, 5, "    STRKEY As Long", "line 5: field declared twice: strkey"},
        {"(h) a line VB cannot take", Replace, 13, kLongLine.c_str(),
         "line 13: line longer than 1023 characters"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = SoundForm();
        const auto at = lines.begin() + static_cast<std::ptrdiff_t>(c.line - 1);
        if (c.edit == Remove)
            lines.erase(at);
        else if (c.edit == InsertBefore)
            lines.insert(at, c.text);
        else
            *at = c.text;
        const std::vector<std::string> problems = CheckVbForm(lines, kControls);
        bool found = false;
        for (const std::string& problem : problems)
            found = found || problem.find(c.problem) != std::string::npos;
        EXPECT_TRUE(found) << c.what << "; got " << ::testing::PrintToString(problems);
    }
}

TEST(VbTextCheckerTest, DeclarationRulesApplyOnlyUnderOptionExplicitAndControlsOnlyOnForms) {
    const std::vector<std::string> lines = {"Public Sub Go()", "    mstrName = txtName.Text", "End Sub"};
    EXPECT_EQ(CheckVbModule(lines), std::vector<std::string>{});
    std::vector<std::string> withExplicit = lines;
    withExplicit.insert(withExplicit.begin(), "Option Explicit");
    EXPECT_EQ(CheckVbModule(withExplicit),
              std::vector<std::string>{"line 3: variable not declared: mstrName"});
}

}  // namespace
}  // namespace testing_support
