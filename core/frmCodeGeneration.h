#pragma once
// The generate-code dialog: the developer picks the business objects to build and whether forms are
// generated; Generate checks the model, shows the warnings and runs the patterns through one engine.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/BuildEngine.h"
#include "platform/ui/Interaction.h"

namespace core {

class frmCodeGeneration : public ui::ModelessWindow {
  public:
    static constexpr int32_t kHelpContext = 5;
    static constexpr const char* kSelectionColumn = "3-Tier Business Object";

    // One row of the selection table: a business object's name and whether it is built.
    struct Selection {
        std::string name;
        int16_t selected = 1;
    };

    explicit frmCodeGeneration(BuildEngineFactory createEngine);
    ~frmCodeGeneration() override;

    std::shared_ptr<vbide::VBE> VBInstance() const { return mVBInstance; }
    void SetVBInstance(std::shared_ptr<vbide::VBE> vbi) { mVBInstance = std::move(vbi); }
    std::shared_ptr<qelApplication> Application() const { return mApplication; }
    void SetApplication(std::shared_ptr<qelApplication> application) {
        mApplication = std::move(application);
    }
    std::shared_ptr<qelToolProperties> ToolProperties() const { return mToolProperties; }
    void SetToolProperties(std::shared_ptr<qelToolProperties> tools) { mToolProperties = std::move(tools); }

    // Loads the dialog and shows it modeless.
    void Show();

    // What the form shows and what a person does on it.
    const std::vector<Selection>& SelectionTable() const { return mSelection; }
    const std::string& StatusText() const { return mStatus; }
    bool AllForms() const { return mAllForms; }
    void SetAllForms(bool allForms) { mAllForms = allForms; }
    bool PromptChecked() const { return mPrompt; }
    bool IsVisible() const { return mVisible; }
    bool IsUnloaded() const { return mUnloaded; }

    void chkPrompt_Click(bool ticked);
    // A click on a cell of the grid: flips the flag when the column is the selection column.
    void grdBuildBusObj_Click(int32_t row, const std::string& columnCaption);
    void cmdGenerate_Click();
    void cmdCancel_Click() { Unload(); }
    void cmdHelp_Click() const;

    std::string WindowName() const override { return "frmCodeGeneration"; }
    void ShowWidget() override;
    void CloseWidget() override;

  private:
    void Form_Load();
    // The business objects ticked for the build, in the table's order.
    std::vector<std::shared_ptr<qelBusinessObject>> Chosen() const;
    // The check before a build of the chosen business objects; false (after its message, the dialog shown
    // again) when a name or value cannot become VB code.
    bool CheckNamesAndValues();
    // Runs the model check; false (after its message) when the run must stop.
    bool CheckModel(std::vector<std::string>& warnings);
    bool ConfirmWarnings(std::vector<std::string> warnings);
    void NumberKeyProperties();
    void Build();
    void SetStatus(std::string text);
    void SetVisible(bool visible);
    void Unload();

    BuildEngineFactory mCreateEngine;
    std::shared_ptr<vbide::VBE> mVBInstance;
    std::shared_ptr<qelApplication> mApplication;
    std::shared_ptr<qelToolProperties> mToolProperties;

    std::vector<Selection> mSelection;
    std::string mStatus = "Ready...";
    bool mAllForms = true;
    bool mPrompt = false;
    bool mVisible = false;
    bool mUnloaded = false;

    std::unique_ptr<ui::ModelessView> mView;
};

// "ORDER line" → "Order Line": the first letter of each word upper case, the others lower case.
std::string ProperCase(const std::string& text);

}  // namespace core
