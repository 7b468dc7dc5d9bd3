// The construction monitor as a Qt window.

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/frmConstructionMonitor.h"
#include "platform/ui/WindowFit.h"

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
        mTotal->setFocusPolicy(Qt::NoFocus);
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
        FitColumns();
    }

  private:
    // Every column as wide as its widest cell, and the window as wide as the columns and its title, as far
    // as the screen allows.
    void FitColumns() {
        mProgress->header()->resizeSections(QHeaderView::ResizeToContents);
        const int columns = mProgress->header()->length() + 2 * mProgress->frameWidth() +
                            mProgress->verticalScrollBar()->sizeHint().width();
        const int screen = QGuiApplication::primaryScreen()->availableSize().width() * 3 / 4;
        mProgress->setMinimumWidth(std::min(columns, screen));
        mWindow.layout()->activate();
        mWindow.setMinimumWidth(
            std::max(mWindow.layout()->minimumSize().width(), ui::TitleBarWidth(mWindow)));
    }

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
