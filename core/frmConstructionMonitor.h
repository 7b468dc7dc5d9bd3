#pragma once
// The progress window of a build run: one row per component written, and the run's total of lines.
// The rows and the window go when it closes; the total stays for the engine's lifetime.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Interaction.h"

namespace core {

class frmConstructionMonitor : public ui::ModelessWindow {
  public:
    struct Row {
        std::string component;
        std::string businessObject;
        std::string project;
        std::string status;       // "In progress..." or "Finished"
        std::string linesOfCode;  // empty while in progress
    };

    frmConstructionMonitor() = default;
    ~frmConstructionMonitor() override;

    // Shows the window modeless; a closed window comes back with headers only and an empty total box.
    void Show();
    void BeginConstruction(const std::string& application, const std::string& busObject,
                           const std::string& vbComponent, const std::string& vbProject);
    void EndConstruction(const std::string& vbComponent, int32_t linesOfCode);
    void Finished();
    void Shutdown();
    void cmdOK_Click() { Shutdown(); }

    bool IsLoaded() const { return mLoaded; }
    const std::string& Caption() const { return mCaption; }
    const std::vector<Row>& Rows() const { return mRows; }
    const std::string& TotalLinesOfCodeText() const { return mTotalText; }
    int32_t TotalLines() const { return mTotalLines; }

    std::string WindowName() const override { return "frmConstructionMonitor"; }
    void ShowWidget() override;
    void CloseWidget() override;

  private:
    void Load();
    void Changed();

    bool mLoaded = false;
    std::string mCaption = "Building Application";
    std::vector<Row> mRows;
    // Rows by project and component, kept apart so that no two pairs share a key.
    std::map<std::pair<std::string, std::string>, size_t> mRowByKey;
    std::string mTotalText;

    std::string mApplication, mBusinessObject, mComponent, mProject;
    int32_t mTotalLines = 0;

    std::unique_ptr<ui::ModelessView> mView;
};

}  // namespace core
