// Variants of the batch class by its Memo and OLE Object properties: parameters, text variables and
// their comments, what Add, Update and Delete keep, and what SetFields writes.

#include <gtest/gtest.h>

#include "tests/patterns/tier3/ListBatchModel.h"
#include "tests/support/ProcedureLines.h"

namespace {

using Lines = std::vector<std::string>;

// The lines after "On Error" of the procedure whose signature starts `signature`, up to `last`.
Lines BodyOf(const Lines& lines, std::string_view signature, std::string_view last) {
    const Lines procedure = testing_support::Slice(lines, signature, last);
    const auto begin = std::find(procedure.begin(), procedure.end(), "    On Error GoTo HandleError");
    return begin == procedure.end() ? Lines{} : Lines(begin + 1, procedure.end() - 1);
}

Lines Matching(const Lines& lines, std::string_view part) {
    Lines found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.find(part) != std::string::npos; });
    return found;
}

TEST(BatchTextValues, ParametersVariablesAndFieldsFollowTheMemoAndOLEProperties) {
    const std::string memoComment =
        "'Variable length text fields in the database (also called Comment or Memo "
        "fields) are stored";
    const std::string oleComment =
        "'OLE Objects are stored in the business object as variable length strings.";
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> properties;  // name, DataType
        std::string signature;
        Lines kept;  // the text lines of Add and of Update
        Lines setFields;
        int memoComments, oleComments;
    } cases[] = {
        {"no text properties",
         {{"ID", "Long"}, {"When", "Date"}},
         "Public Sub Add()",
         {},
         {R"(    rsThingBatch.Fields("fID") = mudtProps.ID)",
          R"(    rsThingBatch.Fields("fIDIsChanged") = mudtProps.IDIsChanged)",
          R"(    rsThingBatch.Fields("fWhen") = mudtProps.When)",
          R"(    rsThingBatch.Fields("fWhenIsChanged") = mudtProps.WhenIsChanged)"},
         0,
         0},
        {"two Memo properties",
         {{"Notes", "Memo"}, {"ID", "Long"}, {"Remarks", "Memo"}},
         "Public Sub Add( Optional NotesVarString As String, Optional RemarksVarString As String)",
         {"    mstrNotesVarString = NotesVarString", "    mstrRemarksVarString = RemarksVarString"},
         {R"(    rsThingBatch.Fields("fNotesIsChanged") = mudtProps.NotesIsChanged)",
          R"(    rsThingBatch.Fields("fNotes") = mstrNotesVarString)",
          R"(    rsThingBatch.Fields("fID") = mudtProps.ID)",
          R"(    rsThingBatch.Fields("fIDIsChanged") = mudtProps.IDIsChanged)",
          R"(    rsThingBatch.Fields("fRemarksIsChanged") = mudtProps.RemarksIsChanged)",
          R"(    rsThingBatch.Fields("fRemarks") = mstrRemarksVarString)"},
         1,
         0},
        {"an OLE Object and a Memo",
         {{"Picture", "OLE Object"}, {"Notes", "Memo"}},
         "Public Sub Add( Optional PictureVarString As String, Optional NotesVarString As String)",
         {"    mstrPictureOLE_Object = PictureVarString", "    mstrNotesVarString = NotesVarString"},
         {R"(    rsThingBatch.Fields("fPictureIsChanged") = mudtProps.PictureIsChanged)",
          R"(    rsThingBatch.Fields("fPicture") = mstrPictureOLE_Object)",
          R"(    rsThingBatch.Fields("fNotesIsChanged") = mudtProps.NotesIsChanged)",
          R"(    rsThingBatch.Fields("fNotes") = mstrNotesVarString)"},
         1,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::FakeModel model;
        const auto thing = model.AddBusinessObject("Thing");
        for (const auto& [name, dataType] : c.properties)
            testing_support::AddKeyedProperty(*thing, name, dataType, 1, std::string("f") + name);
        const Lines lines = testing_support::BuildThreeTier(thing)["OrdersBusiness/ThingBatch"];

        EXPECT_EQ(Matching(lines, "Public Sub Add(").front(), c.signature);
        EXPECT_EQ(Matching(lines, "Public Sub Update(").front(),
                  "Public Sub Update(" + c.signature.substr(15));
        EXPECT_EQ(Matching(lines, "Public Sub Delete(").front(), "Public Sub Delete()");
        EXPECT_EQ(std::count(lines.begin(), lines.end(), memoComment), c.memoComments);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), oleComment), c.oleComments);

        // One text variable per text property, beside the three error variables.
        EXPECT_EQ(Matching(lines, "Private mstr").size(), c.kept.size() + 2);
        for (const char* operation : {"Add", "Update"}) {
            const Lines body = BodyOf(lines, std::string("Public Sub ") + operation + "(",
                                      std::string("    mlngOperationCode = ocThing_") + operation);
            ASSERT_FALSE(body.empty()) << operation;
            EXPECT_EQ(Lines(body.begin() + 1, body.end()), c.kept) << operation;
        }
        const Lines deleteBody = BodyOf(lines, "Public Sub Delete(", "End Sub");
        EXPECT_TRUE(Matching(deleteBody, "VarString").empty());
        EXPECT_TRUE(Matching(deleteBody, "OLE_Object").empty());
        EXPECT_EQ(BodyOf(lines, "Private Sub SetFields(", "    rsThingBatch.Update"), c.setFields);
    }
}

}  // namespace
