// The construction monitor as a Qt window.

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/frmConstructionMonitor.h"

namespace core {
namespace {

class ConstructionMonitorWidget : public ui::ModelessView {
  public:
    explicit ConstructionMonitorWidget(frmConstructionMonitor& monitor) : mMonitor(monitor) {
        auto* layout = new QVBoxLayout(&mWindow);
        mProgress = new QTreeWidget;
        mProgress->setRootIsDecorated(false);
        mProgress->setHeaderLabels(
            {"VB Component", "Business Object", "VB Project", "Status", "Lines of Code"});
        layout->addWidget(mProgress);
        auto* totals = new QHBoxLayout;
        totals->addWidget(new QLabel("Total Lines of Code"));
        mTotal = new QLineEdit;
        mTotal->setReadOnly(true);
        totals->addWidget(mTotal);
        totals->addStretch();
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
        totals->addWidget(buttons);
        layout->addLayout(totals);
        QObject::connect(buttons, &QDialogButtonBox::accepted, [this] { mMonitor.cmdOK_Click(); });
        mWindow.resize(640, 360);
        Refresh();
    }

    void SetVisible(bool visible) override {
        mWindow.setVisible(visible);
        if (visible)
            mWindow.raise();
    }

    void Refresh() override {
        mWindow.setWindowTitle(QString::fromStdString(mMonitor.Caption()));
        mProgress->clear();
        for (const auto& row : mMonitor.Rows()) {
            mProgress->addTopLevelItem(new QTreeWidgetItem(
                QStringList{QString::fromStdString(row.component), QString::fromStdString(row.businessObject),
                            QString::fromStdString(row.project), QString::fromStdString(row.status),
                            QString::fromStdString(row.linesOfCode)}));
        }
        mTotal->setText(QString::fromStdString(mMonitor.TotalLinesOfCodeText()));
    }

  private:
    frmConstructionMonitor& mMonitor;
    QDialog mWindow;
    QTreeWidget* mProgress;
    QLineEdit* mTotal;
};

}  // namespace

void frmConstructionMonitor::ShowWidget() {
    if (!mView)
        mView = std::make_unique<ConstructionMonitorWidget>(*this);
    mView->SetVisible(true);
}

void frmConstructionMonitor::CloseWidget() {
    mView.reset();
}

}  // namespace core
