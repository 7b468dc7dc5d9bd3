#pragma once
// An engine that passes every call on to the real one and notes the controls that SetVBControl created.
// A pattern hands it to the layout procedures, then writes code only for the controls that exist: a
// control refused, cut for room or never asked for gets no line.

#include <string>
#include <string_view>
#include <unordered_set>

#include "typelib/IConstructor.h"

namespace patternkit {

// Names of the controls placed on one form, compared ignoring case as VB compares them.
class PlacedControls {
  public:
    void Note(std::string_view controlName);
    bool Has(std::string_view controlName) const;

  private:
    std::unordered_set<std::string> mNames;
};

class NotingConstructor : public typelib::IConstructor {
  public:
    explicit NotingConstructor(typelib::IConstructor& engine) : mEngine(engine) {}

    const PlacedControls& Placed() const { return mPlaced; }
    // The names noted, for whoever writes the code once the layout is done.
    PlacedControls TakePlaced() { return std::move(mPlaced); }

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
    int32_t SetVBControl(const std::string& controlName, const std::string& guiId) override;
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
    void FinishCoding() override { mEngine.FinishCoding(); }
    std::string CreateTokenStr(std::string_view line) override { return mEngine.CreateTokenStr(line); }
    void AddTokens(std::string& tokens) override { mEngine.AddTokens(tokens); }

  private:
    typelib::IConstructor& mEngine;
    PlacedControls mPlaced;
};

}  // namespace patternkit
