#pragma once
// An engine that records what a pattern asks of it: every call as a line of text ("SetVBProject(Orders, 2)")
// and every generated line as it was handed over (tokens unresolved). Results can be scripted per member.

#include <map>
#include <string>
#include <vector>

#include "typelib/IConstructor.h"

namespace testing_support {

class RecordingConstructor : public typelib::IConstructor {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> lines;
    // Scripted results by member name, taken in order; 0 (success) once a member's queue is empty.
    std::map<std::string, std::vector<int32_t>> results;
    // Components that VBComponentExists reports, as "project/component".
    std::vector<std::string> existingComponents;

    std::shared_ptr<typelib::IBusinessObject> myBusObj() const override { return mBusObj; }
    void SetmyBusObj(std::shared_ptr<typelib::IBusinessObject> businessObject) override {
        mBusObj = std::move(businessObject);
    }
    void GenerationComplete() override { calls.push_back("GenerationComplete()"); }

    int16_t SetVBProject(const std::string& projectName, const std::string& projectType) override {
        return static_cast<int16_t>(Record("SetVBProject", projectName + ", " + projectType));
    }
    int16_t SetVBStartUpProject() override { return static_cast<int16_t>(Record("SetVBStartUpProject", "")); }
    bool VBComponentExists(const std::string& projectName, const std::string& componentName,
                           int32_t componentType) override {
        calls.push_back("VBComponentExists(" + projectName + ", " + componentName + ", " +
                        std::to_string(componentType) + ")");
        for (const auto& existing : existingComponents) {
            if (existing == projectName + "/" + componentName)
                return true;
        }
        return false;
    }
    int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                           int32_t componentType, const std::string& formTemplateFile) override {
        return static_cast<int16_t>(Record("SetVBComponent", projectName + ", " + componentName + ", " +
                                                                 std::to_string(componentType) + ", " +
                                                                 formTemplateFile));
    }
    int16_t SetVBComponentProperty(const std::string& propertyName,
                                   const vb::Variant& propertyValue) override {
        return static_cast<int16_t>(
            Record("SetVBComponentProperty", propertyName + ", " + Text(propertyValue)));
    }
    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override {
        return Record("SetVBControl", controlName + ", " + guiId);
    }
    int16_t SetVBControlProperty(const std::string& propertyName, const vb::Variant& propertyValue) override {
        return static_cast<int16_t>(
            Record("SetVBControlProperty", propertyName + ", " + Text(propertyValue)));
    }
    void AddVBControlToFrame(const std::string& controlName, const std::string& frameName) override {
        calls.push_back("AddVBControlToFrame(" + controlName + ", " + frameName + ")");
    }
    vb::Variant GetVBControlProperty(const std::string& propertyName) override {
        return vb::Variant(static_cast<int16_t>(Record("GetVBControlProperty", propertyName)));
    }
    void StartCoding() override { calls.push_back("StartCoding()"); }
    void Code(std::string_view line) override { lines.emplace_back(line); }
    // As a line handed to Code: a recording engine resolves nothing, or resolves what it finds again.
    void CodeResolved(std::string_view text) override { Code(text); }
    void FinishCoding() override { calls.push_back("FinishCoding()"); }
    std::string CreateTokenStr(std::string_view line) override { return std::string(line); }
    void AddTokens(std::string& /*tokens*/) override {}

  private:
    static std::string Text(const vb::Variant& value) {
        return value.IsObject() ? "<object>" : value.ToString();
    }

    int32_t Record(const std::string& member, const std::string& arguments) {
        calls.push_back(member + "(" + arguments + ")");
        auto& queue = results[member];
        if (queue.empty())
            return 0;
        const int32_t result = queue.front();
        queue.erase(queue.begin());
        return result;
    }

    std::shared_ptr<typelib::IBusinessObject> mBusObj;
};

}  // namespace testing_support
