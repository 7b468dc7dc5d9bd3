#pragma once
// The models the form-pattern tests build: the sample's four business objects (OrderLine the identifying
// child of Order), a Customer with one property of each kind the look-up form tells apart, and an engine
// whose Code fails on a chosen line.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "patternkit/ConstructorErrors.h"
#include "patternkit/frmImportSelection.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/vb/DateTime.h"
#include "tests/patterns/tier3/SampleModel.h"
#include "typelib/IPattern.h"

namespace forms_test {

using testing_support::FakeBusinessObject;

class FormsApplication : public testing_support::SampleApplication {
  public:
    bool isPromptDuringBuild = false;

    FormsApplication() {
        name = "OrderEntry";
        l1ProjectName = "OrderEntryUI";
    }
    bool IsPromptDuringBuild() const override { return isPromptDuringBuild; }
};

struct FormsModel {
    testing_support::FakeModel model;
    std::shared_ptr<FormsApplication> application = std::make_shared<FormsApplication>();

    std::shared_ptr<FakeBusinessObject> Add(const std::string& name, int32_t dbid) {
        auto businessObject = model.AddBusinessObject(name);
        businessObject->dbid = dbid;
        application->businessObjects->items.push_back(businessObject);
        return businessObject;
    }
};

// Customer (1), Product (2), Order (3) and OrderLine (4), the identifying child of Order.
inline FormsModel OrderEntryModel() {
    FormsModel sample;
    sample.Add("Customer", 1);
    sample.Add("Product", 2);
    const auto order = sample.Add("Order", 3);
    const auto orderLine = sample.Add("OrderLine", 4);
    sample.model.Relate(orderLine, order, "Identifying");
    return sample;
}

// Customer: a Long key, a String, a Memo, a Date, a Boolean and a Currency, in that order.
inline std::shared_ptr<FakeBusinessObject> AddLookupCustomer(FormsModel& sample) {
    const auto customer = sample.Add("Customer", 1);
    testing_support::AddSampleProperty(*customer, "CustomerID", "Long", 4)->isKey = true;
    testing_support::AddSampleProperty(*customer, "Name", "String", 50);
    testing_support::AddSampleProperty(*customer, "Notes", "Memo");
    testing_support::AddSampleProperty(*customer, "Since", "Date", 8);
    testing_support::AddSampleProperty(*customer, "Active", "Boolean", 2);
    testing_support::AddSampleProperty(*customer, "Balance", "Currency", 8);
    return customer;
}

// What every form-pattern test starts from: the banner's clock fixed, no answer recorded yet, a recording
// engine that resolves tokens, and a script that answers for the developer.
class FormPatternTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vb::SetFixedClockForTesting(vb::DateSerial({2026, 12, 8, 19, 38, 56}));
        patternkit::Common::ResetContinueAnswerForTesting();
    }
    void TearDown() override { vb::ClearFixedClockForTesting(); }

    // Hands `pattern` the application, the business object with its properties and the engine, and builds
    // with the script answering.
    std::optional<int16_t> BuildPattern(typelib::IPattern& pattern,
                                        const std::shared_ptr<FormsApplication>& application,
                                        const std::shared_ptr<FakeBusinessObject>& businessObject) {
        ui::ScopedInteraction installed(mScript);
        mEngine->pattern = &pattern;
        mEngine->application = application;
        pattern.SetApplication(application);
        pattern.SetBusinessObject(businessObject);
        pattern.SetProperties(businessObject->properties);
        pattern.SetConstructor(mEngine);
        return pattern.Build();
    }

    std::shared_ptr<testing_support::TokenEngine> mEngine = std::make_shared<testing_support::TokenEngine>();
    ui::ScriptedInteraction mScript;
};

// Answers the next property picker: records "caption|message" in `seen`, then OK with the named
// properties moved over in that order, or Cancel when `cancel`.
inline void AnswerPicker(ui::ScriptedInteraction& script, std::vector<std::string>& seen,
                         std::vector<std::string> names, bool cancel = false) {
    script.AnswerDialog([&seen, names, cancel](ui::ModalDialog& dialog) {
        auto& picker = dynamic_cast<patternkit::frmImportSelection&>(dialog);
        seen.push_back(picker.Caption() + "|" + picker.MessageText());
        if (cancel) {
            picker.cmdCancel_Click();
            return;
        }
        for (const std::string& name : names) {
            const std::vector<std::string> rows = picker.AvailableRows();
            picker.SetAvailableListIndex(
                static_cast<int32_t>(std::find(rows.begin(), rows.end(), name) - rows.begin()));
            picker.cmdMoveTables_Click(patternkit::frmImportSelection::MoveOneRight);
        }
        picker.cmdOK_Click();
    });
}

// A recording engine whose Code raises `error` for the first line that holds `failOn`.
class FailingEngine : public testing_support::TokenEngine {
  public:
    std::string failOn;
    vb::Error error{5};

    void Code(std::string_view line) override {
        if (!failOn.empty() && line.find(failOn) != std::string_view::npos)
            throw error;
        TokenEngine::Code(line);
    }
};

}  // namespace forms_test
