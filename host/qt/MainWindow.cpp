#include "host/qt/MainWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <exception>
#include <functional>

#include "host/ExplorerTree.h"
#include "host/IdeWindows.h"
#include "host/qt/CodeEditor.h"
#include "host/qt/FormView.h"
#include "platform/ui/Interaction.h"
#include "platform/vb/Error.h"
#include "platform/vb/Text.h"

namespace host {
namespace {

constexpr int kRefreshMilliseconds = 250;
constexpr int kComponentRole = Qt::UserRole;
constexpr QSize kCodeWindowSize(496, 360);

// A window of the window area; closing it closes the IDE's window it shows.
class IdeSubWindow : public QMdiSubWindow {
  public:
    explicit IdeSubWindow(std::function<void()> closeIdeWindow) : mCloseIdeWindow(std::move(closeIdeWindow)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        mCloseIdeWindow();
        QMdiSubWindow::closeEvent(event);
    }

  private:
    std::function<void()> mCloseIdeWindow;
};

// A form asks for its whole size; the scroll bars show only when the window area is smaller than it.
class FormScrollArea : public QScrollArea {
  public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

// A window inside the visible part of the area, no larger than it; one that cannot shrink that far (its
// minimum size) stands at the area's top left corner.
void KeepInside(QMdiSubWindow& window, const QSize& area) {
    window.resize(window.size().boundedTo(area));
    const int left = std::clamp(window.x(), 0, std::max(0, area.width() - window.width()));
    const int top = std::clamp(window.y(), 0, std::max(0, area.height() - window.height()));
    window.move(left, top);
}

QTreeWidgetItem* TreeItem(const ExplorerNode& node,
                          std::vector<std::weak_ptr<vbide::VBComponent>>& components) {
    auto* item = new QTreeWidgetItem({QString::fromStdString(node.caption)});
    if (!node.component.expired()) {
        item->setData(0, kComponentRole, static_cast<qulonglong>(components.size()));
        components.push_back(node.component);
    }
    for (const ExplorerNode& child : node.children)
        item->addChild(TreeItem(child, components));
    return item;
}

}  // namespace

MainWindow::MainWindow(IdeSession& session, QWidget* parent)
    : QMainWindow(parent),
      mSession(session),
      mExplorer(new QTreeWidget),
      mWindowArea(new QMdiArea),
      mAddInsMenu(nullptr),
      mWindowMenu(nullptr),
      mRefreshTimer(new QTimer(this)) {
    mExplorer->setHeaderLabel("Project");
    connect(mExplorer, &QTreeWidget::itemActivated, this, &MainWindow::ExplorerItemActivated);
    mWindowArea->setBackground(QColor(128, 128, 128));
    auto* splitter = new QSplitter;
    splitter->addWidget(mExplorer);
    splitter->addWidget(mWindowArea);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    setCentralWidget(splitter);

    BuildFileMenu();
    mAddInsMenu = menuBar()->addMenu("&Add-Ins");
    mWindowMenu = menuBar()->addMenu("&Window");
    resize(1000, 680);

    connect(mRefreshTimer, &QTimer::timeout, this, &MainWindow::RefreshIfChanged);
    mRefreshTimer->start(kRefreshMilliseconds);
    RefreshIfChanged();
}

MainWindow::~MainWindow() = default;

template <typename Command>
void MainWindow::Run(Command&& command) {
    try {
        command();
    } catch (const vb::Error& error) {
        ui::MsgBox(error.Description(), ui::vbOKOnly | ui::vbCritical, kHostTitle);
    } catch (const std::exception& failure) {
        ui::MsgBox(failure.what(), ui::vbOKOnly | ui::vbCritical, kHostTitle);
    }
    RefreshIfChanged();
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    ProjectGroupDocument& document = mSession.Document();
    QMenu* newProject = file->addMenu("&New Project");
    newProject->addAction("Standard EXE", [this, &document] {
        Run([&] { document.NewProject(vbide::vbext_pt_StandardExe); });
    });
    newProject->addAction(
        "ActiveX DLL", [this, &document] { Run([&] { document.NewProject(vbide::vbext_pt_ActiveXDll); }); });
    file->addAction("&Open Project Group...", [this, &document] { Run([&] { document.OpenGroup(); }); });
    file->addSeparator();
    file->addAction("&Save Project Group", [this, &document] { Run([&] { document.Save(); }); });
    file->addAction("Save Project Group &As...", [this, &document] { Run([&] { document.SaveAs(); }); });
    file->addSeparator();
    file->addAction("E&xit", this, &QWidget::close);
}

void MainWindow::RefreshIfChanged() {
    // A save changes no revision, but the group's file, the files' names and the mark of changes.
    const ProjectGroupDocument& document = mSession.Document();
    const uint64_t revision = mSession.VBE().Revision();
    if (revision == mShownRevision && document.IsDirty() == mShownDirty &&
        document.GroupFile() == mShownGroupFile)
        return;
    mShownRevision = revision;
    mShownDirty = document.IsDirty();
    mShownGroupFile = document.GroupFile();
    RebuildExplorer();
    RebuildAddInsMenu();
    RebuildWindowMenu();
    SynchroniseSubWindows();
    UpdateTitle();
}

void MainWindow::RebuildExplorer() {
    mExplorer->clear();
    mExplorerComponents.clear();
    const ExplorerNode group = BuildExplorerTree(mSession.VBE(), mSession.Document().GroupFile());
    mExplorer->addTopLevelItem(TreeItem(group, mExplorerComponents));
    mExplorer->expandAll();
}

void MainWindow::RebuildAddInsMenu() {
    mAddInsMenu->clear();
    mAddInsMenu->addAction("Add-In &Manager...", [this] { Run([this] { mSession.ShowAddInManager(); }); });
    std::shared_ptr<vbide::CommandBar> bar;
    for (const auto& held : mSession.VBE().CommandBars()) {
        if (vb::TextEquals(held->Name(), "Add-Ins"))
            bar = held;
    }
    if (!bar || bar->Controls().Count() == 0)
        return;
    mAddInsMenu->addSeparator();
    for (const auto& control : bar->Controls()) {
        const std::weak_ptr<vbide::CommandBarControl> button = control;
        mAddInsMenu->addAction(QString::fromStdString(control->Caption()), [this, button] {
            Run([&] {
                if (const auto clicked = button.lock())
                    clicked->Execute();
            });
        });
    }
}

void MainWindow::RebuildWindowMenu() {
    mWindowMenu->clear();
    for (const auto& window : mSession.VBE().Windows()) {
        const std::weak_ptr<vbide::Window> listed = window;
        mWindowMenu->addAction(QString::fromStdString(window->Caption()), [this, listed] {
            if (const auto chosen = listed.lock())
                ShowWindow(chosen);
        });
    }
    mWindowMenu->setEnabled(!mWindowMenu->isEmpty());
}

void MainWindow::SynchroniseSubWindows() {
    std::erase_if(mShownWindows, [](const ShownWindow& shown) {
        const auto window = shown.window.lock();
        const auto component = window ? window->Component() : nullptr;
        if (window && component && component->Project() && shown.subWindow)
            return false;
        if (shown.subWindow)
            shown.subWindow->deleteLater();
        return true;
    });
    for (const ShownWindow& shown : mShownWindows) {
        const auto window = shown.window.lock();
        shown.subWindow->setWindowTitle(QString::fromStdString(window->Caption()));
        if (auto* editor = shown.subWindow->findChild<CodeEditor*>()) {
            editor->Synchronise();
        } else if (auto* form = shown.subWindow->findChild<FormView*>()) {
            form->resize(form->sizeHint());
            form->update();
        }
    }
}

void MainWindow::UpdateTitle() {
    const auto& groupFile = mSession.Document().GroupFile();
    const QString group = groupFile ? QString::fromStdString(groupFile->stem().string()) : "Project Group";
    setWindowTitle(group + (mSession.Document().IsDirty() ? "* - ostrel" : " - ostrel"));
}

void MainWindow::OpenComponent(const std::shared_ptr<vbide::VBComponent>& component) {
    const auto kind = component->Designer() ? vbide::WindowKind::Designer : vbide::WindowKind::Code;
    std::shared_ptr<vbide::Window> window;
    mSession.Document().Untracked([&] { window = EnsureWindow(mSession.VBE(), component, kind); });
    if (window)
        ShowWindow(window);
    RefreshIfChanged();
}

void MainWindow::ShowWindow(const std::shared_ptr<vbide::Window>& window) {
    for (const ShownWindow& shown : mShownWindows) {
        if (shown.window.lock() == window && shown.subWindow) {
            mWindowArea->setActiveSubWindow(shown.subWindow);
            return;
        }
    }
    const auto component = window->Component();
    if (!component)
        return;
    const std::weak_ptr<vbide::Window> closing = window;
    auto* subWindow = new IdeSubWindow([this, closing] {
        mSession.Document().Untracked([&] {
            if (const auto ideWindow = closing.lock())
                ideWindow->Close();
        });
    });
    const bool isForm = window->Kind() == vbide::WindowKind::Designer && component->Designer();
    FormScrollArea* scroll = nullptr;
    if (isForm) {
        // The form keeps its own size: a form larger than the window scrolls instead of being cut.
        scroll = new FormScrollArea;
        auto* form = new FormView(component->Designer());
        form->resize(form->sizeHint());
        scroll->setWidget(form);
        scroll->setBackgroundRole(QPalette::Dark);
        subWindow->setWidget(scroll);
    } else {
        subWindow->setWidget(new CodeEditor(component));
    }
    subWindow->setWindowTitle(QString::fromStdString(window->Caption()));
    mWindowArea->addSubWindow(subWindow);
    // A form's window is the size of the form; a code window has room for some lines of code.
    subWindow->resize(isForm ? subWindow->sizeHint() : subWindow->sizeHint().expandedTo(kCodeWindowSize));
    subWindow->show();
    if (mWindowArea->isVisible()) {
        const QSize area = mWindowArea->viewport()->size();
        // A form taller than the area scrolls up and down: its window keeps room for the scroll bar.
        if (scroll != nullptr && subWindow->height() > area.height())
            subWindow->resize(subWindow->width() + scroll->verticalScrollBar()->sizeHint().width(),
                              subWindow->height());
        KeepInside(*subWindow, area);
    }
    mShownWindows.push_back({window, subWindow});
}

void MainWindow::ExplorerItemActivated(QTreeWidgetItem* item) {
    const QVariant index = item->data(0, kComponentRole);
    if (!index.isValid())
        return;
    if (const auto component = mExplorerComponents.at(index.toULongLong()).lock())
        OpenComponent(component);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (mSession.Close())
        event->accept();
    else
        event->ignore();
}

}  // namespace host
