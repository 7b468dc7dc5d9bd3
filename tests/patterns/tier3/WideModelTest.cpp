// Business objects as wide as a table can be, built by the pattern: every procedure stays under the safe
// size, and a procedure split into parts keeps what it does.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

#include "patternkit/ConstructorErrors.h"
#include "tests/patterns/tier3/PersistModel.h"
#include "tests/support/ProcedureLines.h"
#include "tests/support/VbLimitsCheck.h"
#include "tests/support/VbTextChecker.h"

namespace {

using testing_support::Lines;

std::string Padded(std::string text, size_t length, char filler) {
    text.resize(std::max(text.size(), length), filler);
    return text;
}

struct WideModel;

// "W": `count` properties of every type by turns, names of 30 characters stored in fields of `field`
// characters; every third mandatory, every seventeenth read-only, the first the key. `type` chooses
// another type for all but the key; `change` changes the model further.
struct WideModelShape {
    const char* type = nullptr;
    int count = 255;
    size_t field = 128;
    void (*change)(WideModel&) = nullptr;
};

struct WideModel {
    testing_support::FakeModel model;
    std::shared_ptr<testing_support::FakeBusinessObject> w = model.AddBusinessObject("W");
    std::shared_ptr<testing_support::SampleMethods> methods = testing_support::StandardMethods();
    std::map<std::string, Lines> built;  // by "project/component"

    explicit WideModel(const WideModelShape& shape) {
        const auto& [type, count, field, change] = shape;
        static const std::pair<const char*, int32_t> kTypes[] = {
            {"String", 50}, {"Long", 4}, {"Integer", 2}, {"Double", 8}, {"Currency", 8}, {"Date", 8},
            {"Boolean", 1}, {"Memo", 0}, {"Byte", 1},    {"Single", 4}, {"Decimal", 16}, {"OLE Object", 0}};
        for (int i = 0; i < count; ++i) {
            const auto [kindOf, length] = i == 0 ? kTypes[1] : type ? std::pair{type, 50} : kTypes[i % 12];
            const std::string number = (i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
            auto property = testing_support::AddPersistProperty(*w, Padded("P" + number, 30, 'x'), kindOf,
                                                                length, Padded("f" + number, field, 'y'));
            property->isKey = i == 0;
            property->keyIndex = i == 0 ? 1 : 0;
            property->isMandatory = i % 3 == 0;
            property->access = i % 17 == 16 ? "Read Only" : "Read/Write";
        }
        if (change)
            change(*this);
        built = testing_support::BuildThreeTier(std::make_shared<testing_support::PersistApplication>(), w,
                                                methods);
    }
};

void ListEightValues(WideModel& wide) {
    for (const auto& property : wide.w->properties->items) {
        auto& listed = static_cast<testing_support::PersistProperty&>(*property);
        listed.isPVList = !listed.isKey;
        for (int value = 0; value < 8; ++value)
            listed.permittedValues->items.push_back(Padded("Value " + std::to_string(value), 50, 'v'));
    }
}

// A property named as a part of a split procedure would be named.
void NameAPropertyAsAPart(WideModel& wide) {
    std::static_pointer_cast<testing_support::PersistProperty>(wide.w->properties->items[5])->name =
        "CheckMandatoryValues_1";
}

void RunByStoredProcedures(WideModel& wide) {
    for (const auto& method : wide.methods->items)
        std::static_pointer_cast<testing_support::SampleMethod>(method)->isStoredProcedure = true;
    testing_support::AddSampleMethod(*wide.methods, "Approve", 99);
}

// The models the tests read, each built once; the rows below name them by their place.
const std::pair<const char*, WideModelShape> kShapes[] = {
    {"every type", {}},
    {"stored procedures and a further method", {nullptr, 255, 128, RunByStoredProcedures}},
    {"permitted values", {"String", 255, 128, ListEightValues}},
    {"330 numbers", {"Long", 330}},
    {"a property named as a part", {nullptr, 255, 128, NameAPropertyAsAPart}},
    {"long texts", {"Memo", 255, 20}},
};

class WideModels : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        patternkit::Common::ResetContinueAnswerForTesting();
        for (const auto& shape : kShapes)
            sModels.push_back(std::make_unique<WideModel>(shape.second));
    }
    static void TearDownTestSuite() { sModels.clear(); }

    static inline std::vector<std::unique_ptr<WideModel>> sModels;
};

TEST_F(WideModels, EveryModuleStaysWithinWhatVBLoads) {
    for (size_t model = 0; model < sModels.size(); ++model) {
        for (const auto& [component, lines] : sModels[model]->built) {
            SCOPED_TRACE(std::string(kShapes[model].first) + ": " + component);
            // Saved as the engine saves it: its blanks at line ends dropped, its long lines continued.
            std::string file;
            for (const std::string& line : lines)
                file += line.substr(0, line.find_last_not_of(' ') + 1) + "\r\n";
            for (const std::string& breach : testing_support::CheckComponentLimits(file))
                EXPECT_TRUE(breach.ends_with("more than 1023")) << breach;
            for (const std::string& problem : testing_support::CheckVbModule(lines))
                EXPECT_NE(problem.find("line longer than"), std::string::npos) << problem;
        }
    }
}

bool IsMarker(const std::string& line) {
    return line.starts_with("'<<<") || line.starts_with("'>>>");
}

// A split procedure calls each part once, in order, handing it what its items use; its edit points stay
// in it, and no call stands in one, where regenerating would keep it beyond the parts it names.
TEST_F(WideModels, SplitProcedureCallsItsPartsWithWhatTheirItemsUse) {
    const struct {
        size_t model;
        const char* component;
        std::string procedure;  // the start of its first line
        std::string call;       // where a part "{Part}" is called, each line's start, "\n" between
        std::string partHead;   // the first lines of the part, each line's start
    } rows[] = {
        {0, "SampleBusiness/W", "Private Sub CheckMandatoryValues()",
         "    {Part}\n    If Not mcolBusinessRules(\"AllMandatoryValuesExist\") Then Exit Sub",
         "Private Sub {Part}()"},
        {0, "SampleBusiness/WBatch", "Private Sub SetFields()", "    {Part}", "Private Sub {Part}()"},
        {0, "SampleData/WPersist", "Public Sub Update(", "        {Part} rsW, P",
         "Private Sub {Part}(rsW As ADOR.Recordset, Optional P\nDim dtmDefaultDate As Date\n    With rsW"},
        {0, "SampleData/WPersist", "Public Sub Read (", "        {Part} rsW",
         "Private Sub {Part}(rsW As ADOR.Recordset)\n    With rsW"},
        {0, "SampleData/WPersist", "Public Sub Post(", "        {Part} rsWBatch",
         "Private Sub {Part}(rsWBatch As ADOR.Recordset)"},
        {1, "SampleData/WPersist", "Public Sub Update(", "    {Part} cmdStoredProc",
         "Private Sub {Part}(cmdStoredProc As ADODB.Command"},
        {2, "SampleData/WPersist", "Public Function GetPermittedValues", "    {Part} rsPermittedValues",
         "Private Sub {Part}(rsPermittedValues As ADOR.Recordset)"},
        {3, "SampleData/WPersist", "Public Sub Add(", "        {Part} rsW",
         "Private Sub {Part}(rsW As ADOR.Recordset)\nDim dtmDefaultDate As Date\n    With rsW"},
        {3, "SampleData/WPersist", "Private Function GetSQLSelectString", "    {Part} strSQL",
         "Private Sub {Part}(strSQL As String)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.component) + " " + row.procedure);
        Lines& lines = sModels[row.model]->built[row.component];
        const Lines procedure = testing_support::Procedure(lines, row.procedure);
        const size_t nameAt = row.procedure.find(' ', row.procedure.find(' ') + 1) + 1;  // the name declared
        const std::string name =
            row.procedure.substr(nameAt, row.procedure.find_first_of(" (", nameAt) - nameAt);
        auto call = procedure.begin();
        int parts = 0;
        for (;; ++parts) {
            const std::string part = name + "_" + std::to_string(parts + 1);
            const auto at = [&](const std::string& start) {
                return patternkit::Common::ReplaceString(start, "{Part}", part);
            };
            auto head = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
                return line.starts_with("Private Sub " + part + "(");
            });
            if (head == lines.end())
                break;
            std::istringstream heads(row.partHead);
            for (std::string start; std::getline(heads, start);)
                EXPECT_TRUE((head++)->starts_with(at(start))) << at(start);
            // Edit points stay where the developer knows them, in the procedure itself.
            for (; *head != "End Sub"; ++head)
                EXPECT_FALSE(IsMarker(*head)) << part << ": " << *head;
            call = std::find_if(call, procedure.end(), [&](const std::string& line) {
                return line.starts_with(at(row.call.substr(0, row.call.find('\n'))));
            });
            const auto marker = std::find_if(std::make_reverse_iterator(call), procedure.rend(), IsMarker);
            EXPECT_FALSE(marker != procedure.rend() && marker->starts_with("'<<<"))
                << part << " called in an edit point";
            std::istringstream calls(row.call);
            for (std::string start; std::getline(calls, start);)
                EXPECT_TRUE(call != procedure.end() && (call++)->starts_with(at(start))) << at(start);
        }
        EXPECT_GE(parts, 2);
    }
}

// The parts of CheckMandatoryValues check the properties in their order, each leaving at a missing value.
TEST_F(WideModels, SplitCheckMandatoryValuesChecksEveryPropertyInOrder) {
    const Lines& lines = sModels[0]->built["SampleBusiness/W"];
    Lines checked, expected;
    const std::string check = "    If mcolPropMandatory(\"";
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        if (line->starts_with(check)) {
            checked.push_back(line->substr(check.size(), line->find('"', check.size()) - check.size()));
            EXPECT_EQ(lines.end() - line > 5 ? line[5] : "", "        Exit Sub") << *line;
        }
    }
    for (const auto& property : sModels[0]->w->properties->items)
        expected.push_back(property->Name());
    EXPECT_EQ(checked, expected);
}

}  // namespace
