#pragma once
// The IDE's main window: the project explorer, the code and form windows, and the File, Add-Ins and
// Window menus. It shows the session's IDE and redraws what changed whenever the IDE's revision moves.

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "host/IdeSession.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace host {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(IdeSession& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the component's form window (a form) or code window (anything else) and brings it forward.
    void OpenComponent(const std::shared_ptr<vbide::VBComponent>& component);
    // Brings the IDE's window forward in the window area, opening it there when needed.
    void ShowWindow(const std::shared_ptr<vbide::Window>& window);
    // Redraws what shows the IDE when it changed since the last time.
    void RefreshIfChanged();

    QMenu* AddInsMenu() const { return mAddInsMenu; }
    QMenu* WindowMenu() const { return mWindowMenu; }
    QTreeWidget* Explorer() const { return mExplorer; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildFileMenu();
    void RebuildExplorer();
    void RebuildAddInsMenu();
    void RebuildWindowMenu();
    void SynchroniseSubWindows();
    void UpdateTitle();
    void ExplorerItemActivated(QTreeWidgetItem* item);
    // Runs a command, then shows what it changed.
    template <typename Command>
    void Run(Command&& command);

    IdeSession& mSession;
    QTreeWidget* mExplorer;
    QMdiArea* mWindowArea;
    QMenu* mAddInsMenu;
    QMenu* mWindowMenu;
    QTimer* mRefreshTimer;
    // What the window shows was drawn for this revision of the group, with and without changes to save,
    // saved in this file.
    uint64_t mShownRevision = UINT64_MAX;
    bool mShownDirty = false;
    std::optional<std::filesystem::path> mShownGroupFile;
    std::vector<std::weak_ptr<vbide::VBComponent>> mExplorerComponents;
    struct ShownWindow {
        std::weak_ptr<vbide::Window> window;
        QPointer<QMdiSubWindow> subWindow;
    };
    std::vector<ShownWindow> mShownWindows;
};

}  // namespace host
