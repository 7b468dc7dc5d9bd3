#pragma once
// The models the form-pattern tests build: the sample's four business objects (OrderLine the identifying
// child of Order), a Customer with one property of each kind the look-up form tells apart, and an engine
// that records the pattern's calls and resolves the tokens of the form patterns' lines as the real
// engine does when a line is coded.

#include <memory>
#include <string>
#include <vector>

#include "patternkit/CodeText.h"
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

// Records like RecordingConstructor and resolves the application's and the current objects' tokens.
class FormTokenEngine : public testing_support::RecordingConstructor {
  public:
    const typelib::IPattern* pattern = nullptr;
    std::shared_ptr<typelib::IApplication> application;
    // The lines of each component in the order written, keyed by the component's name.
    std::map<std::string, std::vector<std::string>> componentLines;

    int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                           int32_t componentType, const std::string& formTemplateFile) override {
        mComponent = componentName;
        return RecordingConstructor::SetVBComponent(projectName, componentName, componentType,
                                                    formTemplateFile);
    }

    void Code(std::string_view line) override {
        using patternkit::Common::ReplaceString;
        std::string text(line);
        text = ReplaceString(text, "&AppName", application->Name());
        text = ReplaceString(text, "&AppDSN", application->DSN());
        text = ReplaceString(text, "&AppLocalDBName", application->LocalDBName());
        if (text.find("&BusObjName") != std::string::npos)
            text = ReplaceString(text, "&BusObjName", pattern->CurrentBusObj()->Name());
        if (text.find("&Prop") != std::string::npos || text.find("&SQLDelimiter") != std::string::npos) {
            const auto property = pattern->CurrentProperty();
            text = ReplaceString(text, "&PropName", property->Name());
            text = ReplaceString(text, "&PropConvertFunction", ConvertFunction(property->DataType()));
            text = ReplaceString(text, "&SQLDelimiter", property->DataType() == "String" ? "'" : "");
        }
        lines.push_back(text);
        componentLines[mComponent].push_back(text);
    }

  private:
    static std::string ConvertFunction(const std::string& dataType) {
        static const std::map<std::string, std::string> functions = {
            {"String", "CStr"},  {"Date", "CDate"},    {"Long", "CLng"},
            {"Double", "CDbl"},  {"Currency", "CCur"}, {"Single", "CSng"},
            {"Integer", "CInt"}, {"Decimal", "CDec"},  {"Boolean", "CBool"}};
        const auto found = functions.find(dataType);
        return found == functions.end() ? "" : found->second;
    }

    std::string mComponent;
};

}  // namespace forms_test
