// The main window as a Qt window: the business-object tree, the Help menu and the status bar. Closing it
// by its frame hides it; the add-in unloads it when it is disconnected.

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeWidget>

#include "builder/frmBuilderMain.h"
#include "core/AddInTitle.h"
#include "core/frmSplash.h"

namespace builder {
namespace {

class BuilderMainWidget : public ui::ModelessView {
  public:
    explicit BuilderMainWidget(const frmBuilderMain& form) : mForm(form) {
        mWindow.setObjectName("frmBuilderMain");
        mWindow.setWindowTitle(core::kAddInTitle);
        auto* tree = new QTreeWidget;
        tree->setObjectName("tvwBusObjects");
        tree->setHeaderHidden(true);
        mWindow.setCentralWidget(tree);

        QMenu* help = mWindow.menuBar()->addMenu("&Help");
        QAction* about = help->addAction("&About VB Ostrel");
        about->setObjectName("mnuHelpAbout");
        QObject::connect(about, &QAction::triggered, [] { core::frmSplash::Show(); });

        auto* statusBar = new QStatusBar;
        statusBar->setObjectName("stsStatusBar");
        mStatusPanel = new QLabel;
        mStatusPanel->setObjectName("stsStatusBarPanel1");
        statusBar->addWidget(mStatusPanel, 1);
        mWindow.setStatusBar(statusBar);
        Refresh();
        mWindow.resize(720, 480);
    }

    void SetVisible(bool visible) override {
        mWindow.setVisible(visible);
        if (visible)
            mWindow.raise();
    }

    void Refresh() override {
        mStatusPanel->setText(QString::fromStdString(mForm.StatusText()));
        mStatusPanel->repaint();
    }

  private:
    const frmBuilderMain& mForm;
    QMainWindow mWindow;
    QLabel* mStatusPanel;
};

}  // namespace

void frmBuilderMain::ShowWidget() {
    if (!mView)
        mView = std::make_unique<BuilderMainWidget>(*this);
    mView->SetVisible(true);
}

void frmBuilderMain::CloseWidget() {
    mView.reset();
}

}  // namespace builder
