#include "core/frmConstructionMonitor.h"

#include "platform/vb/Numbers.h"

namespace core {

frmConstructionMonitor::~frmConstructionMonitor() = default;

void frmConstructionMonitor::Load() {
    if (mLoaded)
        return;
    mLoaded = true;
    mRows.clear();
    mRowByKey.clear();
    mTotalText.clear();
    mCaption = "Building Application";
}

void frmConstructionMonitor::Changed() {
    if (mView)
        mView->Refresh();
}

void frmConstructionMonitor::Show() {
    Load();
    ui::CurrentInteraction().ShowModeless(*this);
}

void frmConstructionMonitor::BeginConstruction(const std::string& application, const std::string& busObject,
                                               const std::string& vbComponent, const std::string& vbProject) {
    Load();
    mApplication = application;
    mBusinessObject = busObject;
    mComponent = vbComponent;
    mProject = vbProject;
    Row row{vbComponent, busObject, vbProject, "In progress...", ""};
    // A component written twice in one run keeps its one row.
    const auto [found, added] = mRowByKey.try_emplace({vbProject, vbComponent}, mRows.size());
    if (added) {
        mRows.push_back(std::move(row));
    } else {
        mRows[found->second] = std::move(row);
    }
    mCaption = "Building Application: " + application;
    Changed();
}

void frmConstructionMonitor::EndConstruction(const std::string& /*vbComponent*/, int32_t linesOfCode) {
    Load();
    mTotalLines = vb::LongAdd(mTotalLines, linesOfCode);
    if (const auto found = mRowByKey.find({mProject, mComponent}); found != mRowByKey.end()) {
        Row& row = mRows[found->second];
        row.status = "Finished";
        row.linesOfCode = std::to_string(linesOfCode);
    }
    mTotalText = std::to_string(mTotalLines);
    Changed();
}

void frmConstructionMonitor::Finished() {
    ui::MsgBox("Generation finished!");
    Show();
    ui::CurrentInteraction().Beep();
}

void frmConstructionMonitor::Shutdown() {
    if (!mLoaded)
        return;
    ui::CurrentInteraction().CloseModeless(*this);
    mLoaded = false;
    mRows.clear();
    mRowByKey.clear();
    mTotalText.clear();
}

}  // namespace core
