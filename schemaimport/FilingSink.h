#pragma once
// The import without a window: items are filed into the model only, relationships deleted from it only,
// and the window's steps written down in order.

#include <memory>
#include <string>
#include <vector>

#include "core/qelApplication.h"
#include "schemaimport/ModelSink.h"
#include "schemaimport/frmImportSelection.h"

namespace schemaimport {

class FilingSink final : public ModelSink {
  public:
    FilingSink();

    void BusinessObjectAdded(core::qelApplication& application,
                             const std::shared_ptr<core::qelBusinessObject>& businessObject) override;
    void PropertyAdded(core::qelApplication& application,
                       const std::shared_ptr<core::qelBusObjProperty>& property) override;
    void MethodAdded(core::qelApplication& application,
                     const std::shared_ptr<core::qelBusObjMethod>& method) override;
    void RelationshipAdded(core::qelApplication& application,
                           const std::shared_ptr<core::qelRelationship>& relationship) override;
    // The property must be filed in its business object already (9 otherwise).
    void PropertyUpdated(core::qelApplication& application,
                         const std::shared_ptr<core::qelBusObjProperty>& property) override;
    void DeleteRelationship(core::qelApplication& application,
                            const std::shared_ptr<core::qelRelationship>& relationship) override;
    void DeleteBusObj(core::qelApplication& application,
                      const std::shared_ptr<core::qelBusinessObject>& businessObject) override;
    void DeleteBusObjProperty(core::qelApplication& application,
                              const std::shared_ptr<core::qelBusObjProperty>& property) override;

    const std::shared_ptr<core::qelApplication>& Application() const override { return mApplication; }
    void SetApplication(std::shared_ptr<core::qelApplication> application) override {
        mApplication = std::move(application);
    }
    bool IsAppOpened() const override { return mIsAppOpened; }
    void SetIsAppOpened(bool value) override { mIsAppOpened = value; }
    bool IsImported() const override { return mIsImported; }
    void SetIsImported(bool value) override { mIsImported = value; }
    bool IsDataChanged() const override { return mIsDataChanged; }
    void SetIsDataChanged(bool value) override { mIsDataChanged = value; }
    std::shared_ptr<frmImportSelection> ImportSelectionForm() const override { return mImportSelectionForm; }
    void SetImportSelectionForm(std::shared_ptr<frmImportSelection> form) override {
        mImportSelectionForm = std::move(form);
    }
    // Whether the calling command used the application information dialog.
    void SetHasAppInfoForm(bool value) { mHasAppInfoForm = value; }

    // "lock", "unlock", "new application", "clear views", "caption <text>", "enable stored application
    // commands", "hide application information", "unload application information".
    const std::vector<std::string>& Steps() const { return mSteps; }
    const std::string& Caption() const { return mCaption; }

    void LockWindowUpdate(bool locked) override { mSteps.push_back(locked ? "lock" : "unlock"); }
    void StartNewApplication() override { mSteps.push_back("new application"); }
    void ClearViews() override { mSteps.push_back("clear views"); }
    void SetCaption(const std::string& caption) override;
    void EnableStoredApplicationCommands() override {
        mSteps.push_back("enable stored application commands");
    }
    void HideAppInfoForm() override;
    void UnloadAppInfoForm() override;

  private:
    std::shared_ptr<core::qelApplication> mApplication;
    std::shared_ptr<frmImportSelection> mImportSelectionForm;
    bool mIsAppOpened = false;
    bool mIsImported = false;
    bool mIsDataChanged = false;
    bool mHasAppInfoForm = false;
    std::string mCaption;
    std::vector<std::string> mSteps;
};

}  // namespace schemaimport
