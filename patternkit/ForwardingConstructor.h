#pragma once
// An engine that passes every call on to another one: the base of the engines that a pattern puts between
// itself and the real one to note or hold back some of the calls (NotingConstructor, ProcedureSplitter).

#include <memory>
#include <string>
#include <string_view>

#include "typelib/IConstructor.h"

namespace patternkit {

class ForwardingConstructor : public typelib::IConstructor {
  public:
    explicit ForwardingConstructor(typelib::IConstructor& engine) : mEngine(engine) {}

    std::shared_ptr<typelib::IBusinessObject> myBusObj() const override { return mEngine.myBusObj(); }
    void SetmyBusObj(std::shared_ptr<typelib::IBusinessObject> businessObject) override {
        mEngine.SetmyBusObj(std::move(businessObject));
    }
    void GenerationComplete() override { mEngine.GenerationComplete(); }
    int16_t SetVBProject(const std::string& projectName, const std::string& projectType) override {
        return mEngine.SetVBProject(projectName, projectType);
    }
    int16_t SetVBStartUpProject() override { return mEngine.SetVBStartUpProject(); }
    bool VBComponentExists(const std::string& projectName, const std::string& componentName,
                           int32_t componentType) override {
        return mEngine.VBComponentExists(projectName, componentName, componentType);
    }
    int16_t SetVBComponent(const std::string& projectName, const std::string& componentName,
                           int32_t componentType, const std::string& formTemplateFile) override {
        return mEngine.SetVBComponent(projectName, componentName, componentType, formTemplateFile);
    }
    bool FailureTold() const override { return mEngine.FailureTold(); }
    int16_t SetVBComponentProperty(const std::string& propertyName,
                                   const vb::Variant& propertyValue) override {
        return mEngine.SetVBComponentProperty(propertyName, propertyValue);
    }
    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override {
        return mEngine.SetVBControl(controlName, guiId);
    }
    int16_t SetVBControlProperty(const std::string& propertyName, const vb::Variant& propertyValue) override {
        return mEngine.SetVBControlProperty(propertyName, propertyValue);
    }
    void AddVBControlToFrame(const std::string& controlName, const std::string& frameName) override {
        mEngine.AddVBControlToFrame(controlName, frameName);
    }
    vb::Variant GetVBControlProperty(const std::string& propertyName) override {
        return mEngine.GetVBControlProperty(propertyName);
    }
    void StartCoding() override { mEngine.StartCoding(); }
    void Code(std::string_view line) override { mEngine.Code(line); }
    void CodeResolved(std::string_view text) override { mEngine.CodeResolved(text); }
    void FinishCoding() override { mEngine.FinishCoding(); }
    std::string CreateTokenStr(std::string_view line) override { return mEngine.CreateTokenStr(line); }
    void AddTokens(std::string& tokens) override { mEngine.AddTokens(tokens); }

  private:
    typelib::IConstructor& mEngine;
};

}  // namespace patternkit
