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

class BuilderMainWidget : public frmBuilderMain::View {
  public:
    explicit BuilderMainWidget(const frmBuilderMain& form) {
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
        ShowStatusText(form.StatusText());
        mWindow.resize(720, 480);
    }

    void Show() {
        mWindow.show();
        mWindow.raise();
    }

    void ShowStatusText(const std::string& text) override {
        mStatusPanel->setText(QString::fromStdString(text));
        mStatusPanel->repaint();
    }

  private:
    QMainWindow mWindow;
    QLabel* mStatusPanel;
};

}  // namespace

void frmBuilderMain::ShowWidget() {
    if (!mView)
        mView = std::make_unique<BuilderMainWidget>(*this);
    static_cast<BuilderMainWidget&>(*mView).Show();
}

void frmBuilderMain::CloseWidget() {
    mView.reset();
}

}  // namespace builder
