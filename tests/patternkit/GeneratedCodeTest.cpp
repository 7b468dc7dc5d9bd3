// The generated blocks of the pattern kit against the hand-written files of tests/golden/.

#include <gtest/gtest.h>

#include "patternkit/Common.h"
#include "patternkit/Emitter.h"
#include "patternkit/QuoteDoubling.h"
#include "platform/vb/DateTime.h"
#include "tests/patternkit/Golden.h"
#include "tests/patternkit/ModelDoubles.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace {

using testing_support::ExpectMatchesGolden;

class FixedClock : public ::testing::Test {
  protected:
    void SetUp() override { vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56})); }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    testing_support::RecordingConstructor mEngine;
};

TEST_F(FixedClock, BannerDatesTheComponent) {
    patternkit::Common::WriteCodeHeader(mEngine);
    ExpectMatchesGolden(mEngine.lines, "Banner.txt");
}

TEST(ErrorHandlers, WriteTheirBlocks) {
    testing_support::RecordingConstructor plain, transaction, form;
    patternkit::Common::GenerateErrorHandler(plain, "clsCustomer", "Save", "Save", "SaveExit");
    patternkit::Common::GenerateTxErrorHandler(transaction, "pCustomerPersist", "Fetch", "Fetch",
                                               "FetchExit");
    patternkit::Common::GenerateFormErrorHandler(form, "frmCustomerDetail", "cmdOK_Click", "cmdOK_Click");
    ExpectMatchesGolden(plain.lines, "ErrorHandler.txt");
    ExpectMatchesGolden(transaction.lines, "TxErrorHandler.txt");
    ExpectMatchesGolden(form.lines, "FormErrorHandler.txt");
}

TEST(QuoteDoubling, WritesItsFunctionWithVB5sOwnFunctions) {
    testing_support::RecordingConstructor engine;
    patternkit::WriteDoubleQuotesFunction(patternkit::Emitter(engine));
    ExpectMatchesGolden(engine.lines, "DoubleQuotes.txt");
}

// OrderLine: two keys, a Memo between them, and a String of length 40.
class StoredProcCall : public ::testing::Test {
  protected:
    void SetUp() override {
        mOrderLine = mModel.AddBusinessObject("OrderLine");
        mModel.AddProperty(*mOrderLine, "OrderID")->field->name = "ord_id";
        mModel.AddProperty(*mOrderLine, "Notes", "Memo");
        auto lineNo = mModel.AddProperty(*mOrderLine, "LineNo", "Integer");
        lineNo->field->name = "line_no";
        mModel.AddProperty(*mOrderLine, "Qty", "Integer");
        mModel.AddProperty(*mOrderLine, "Descr", "String")->length = 40;
        for (const auto& property : mOrderLine->properties->items) {
            if (property->Name() == "OrderID" || property->Name() == "LineNo")
                std::static_pointer_cast<testing_support::FakeProperty>(property)->isKey = true;
        }
    }

    std::vector<std::string> Generate(const std::string& method) {
        testing_support::RecordingConstructor engine;
        patternkit::ProcedureSplitter splitter(engine);
        const std::string storedProcName = "spOrderLine" + method;
        patternkit::Common::GenerateStoredProcCall(
            splitter, {method, storedProcName, "OrderLine",
                       patternkit::Common::GetMethodInputProperties(*mOrderLine, method),
                       patternkit::Common::GetMethodOutputProperties(*mOrderLine, method)});
        return engine.lines;
    }

    static std::vector<std::string> FromLine(const std::vector<std::string>& lines,
                                             const std::string& first) {
        const auto start = std::find(lines.begin(), lines.end(), first);
        return {start, lines.end()};
    }

    testing_support::FakeModel mModel;
    std::shared_ptr<testing_support::FakeBusinessObject> mOrderLine;
};

TEST_F(StoredProcCall, ReadPassesKeysInAndTakesTheRestOut) {
    ExpectMatchesGolden(Generate("Read"), "StoredProcRead.txt");
}

TEST_F(StoredProcCall, AddPassesEverythingInAndTakesNothingOut) {
    ExpectMatchesGolden(Generate("Add"), "StoredProcAdd.txt");
}

TEST_F(StoredProcCall, UpdateAndDeleteSketchTheirStatements) {
    ExpectMatchesGolden(FromLine(Generate("Update"), "'BEGIN TRAN"), "StoredProcUpdateSketch.txt");
    ExpectMatchesGolden(FromLine(Generate("Delete"), "'BEGIN TRAN"), "StoredProcDeleteSketch.txt");
}

TEST_F(StoredProcCall, OtherMethodsGetNoStatement) {
    const auto lines = FromLine(Generate("Recalculate"), "'BEGIN TRAN");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "RecalculateExit:");
}

}  // namespace
