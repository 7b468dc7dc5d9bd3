// The main window as a Qt window: menus, toolbar and popup built from the window's tables, the tree and
// the three lists shown through item models over the window's plain views, the tabs and the status bar.
// Every user action goes to the logic class; the widget only shows what it holds.

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <map>
#include <memory>
#include <string>

#include "builder/MainMenus.h"
#include "builder/frmBuilderMain.h"
#include "builder/qt/ModelItemModels.h"

namespace builder {
namespace {

using ListTab = frmBuilderMain::ListTab;

constexpr int kTwipsPerPixel = 15;

QIcon ImageOf(std::string_view image) {
    static const std::map<std::string_view, QStyle::StandardPixmap> pictures = {
        {"Import", QStyle::SP_ArrowDown},
        {"Open", QStyle::SP_DialogOpenButton},
        {"New", QStyle::SP_FileIcon},
        {"BusinessObject", QStyle::SP_DirIcon},
        {"Property", QStyle::SP_FileDialogDetailedView},
        {"Method", QStyle::SP_CommandLink},
        {"Window", QStyle::SP_TitleBarNormalButton},
        {"Relationship", QStyle::SP_FileLinkIcon},
        {"Save", QStyle::SP_DialogSaveButton},
    };
    const auto found = pictures.find(image);
    return found == pictures.end() ? QIcon() : QApplication::style()->standardIcon(found->second);
}

// The menu items that show a picture beside their caption.
const std::map<std::string_view, std::string_view>& MenuPictures() {
    static const std::map<std::string_view, std::string_view> pictures = {
        {"mnuBusObjNew", "BusinessObject"},
        {"mnuBusObjAddProperty", "Property"},
        {"mnuBusObjAddMethod", "Method"},
        {"mnuBusObjAddRelationship", "Relationship"},
        {"mnuFileNew", "New"},
        {"mnuFileOpen", "Open"},
        {"mnuFileImport", "Import"},
        {"mnuFileSave", "Save"},
    };
    return pictures;
}

class BuilderWindow : public QMainWindow {
  public:
    explicit BuilderWindow(frmBuilderMain& form) : mForm(&form) {}
    void Detach() { mForm = nullptr; }
    frmBuilderMain* Form() const { return mForm; }

  protected:
    // The close box unloads the window, as File > Exit does.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (mForm)
            QTimer::singleShot(0, this, [this] {
                if (mForm)
                    mForm->mnuFileExit_Click();
            });
    }

  private:
    frmBuilderMain* mForm;
};

class BuilderMainWidget : public frmBuilderMain::View {
  public:
    explicit BuilderMainWidget(frmBuilderMain& form) : mForm(form), mWindow(new BuilderWindow(form)) {
        mWindow->setObjectName("frmBuilderMain");
        BuildMenus();
        BuildToolbar();
        BuildViews();
        auto* statusBar = new QStatusBar;
        statusBar->setObjectName("stsStatusBar");
        mStatusPanel = new QLabel;
        mStatusPanel->setObjectName("stsStatusBarPanel1");
        statusBar->addWidget(mStatusPanel, 1);
        mWindow->setStatusBar(statusBar);
        mWindow->resize(900, 600);
        ShowStatusText(form.StatusText());
        RefreshNow();
    }

    ~BuilderMainWidget() override {
        // The window goes later (this may run inside one of its own events); its models go now.
        mTree->setModel(nullptr);
        delete mTreeModel;
        for (auto [view, model] : mLists) {
            view->setModel(nullptr);
            delete model;
        }
        mWindow->Detach();
        mWindow->hide();
        mWindow->deleteLater();
    }

    void SetVisible(bool visible) override {
        mWindow->setVisible(visible);
        if (visible)
            mWindow->raise();
    }

    void ShowStatusText(const std::string& text) override {
        mStatusPanel->setText(QString::fromStdString(text));
        mStatusPanel->repaint();
    }

    // Commands may refresh from inside an edit or a modal dialog: the widgets follow once control is back.
    void Refresh() override {
        if (mRefreshPending)
            return;
        mRefreshPending = true;
        QTimer::singleShot(0, mAlive.get(), [this] { RefreshNow(); });
    }

    void ShowPopup() override {
        QMenu popup(mWindow);
        popup.setObjectName(QString::fromStdString(std::string(kPopupMenu)));
        for (const MenuItem& item : PopupMenuItems()) {
            if (item.Parent.empty())
                continue;
            QAction* action = popup.addAction(QString::fromStdString(std::string(item.Caption)));
            action->setObjectName(QString::fromStdString(std::string(item.Name)));
            action->setVisible(mForm.MenuVisible(item.Name));
            action->setEnabled(mForm.MenuEnabled(item.Name));
        }
        std::string chosen;
        for (QAction* action : popup.actions())
            QObject::connect(action, &QAction::triggered, &popup,
                             [&chosen, action] { chosen = action->objectName().toStdString(); });
        popup.exec(QCursor::pos());
        if (!chosen.empty())
            mForm.RunMenuCommand(chosen);
    }

    // The edit starts after the command's refresh, which would close its editor.
    void StartLabelEdit(const std::string& nodeKey) override {
        mPendingLabelEdit = nodeKey;
        Refresh();
    }

  private:
    void BuildMenus() {
        std::map<std::string_view, QMenu*> menus;
        for (const MenuItem& item : MenuBarItems()) {
            const QString caption = QString::fromStdString(std::string(item.Caption));
            const QString name = QString::fromStdString(std::string(item.Name));
            const bool opensMenu =
                std::any_of(MenuBarItems().begin(), MenuBarItems().end(),
                            [&item](const MenuItem& other) { return other.Parent == item.Name; });
            QAction* action = nullptr;
            if (opensMenu) {
                QMenu* menu = item.Parent.empty() ? mWindow->menuBar()->addMenu(caption)
                                                  : menus.at(item.Parent)->addMenu(caption);
                menu->setObjectName(name);
                menus[item.Name] = menu;
                action = menu->menuAction();
            } else if (item.Caption == "-") {
                action = menus.at(item.Parent)->addSeparator();
            } else {
                action = menus.at(item.Parent)->addAction(caption);
                const std::string command(item.Name);
                QObject::connect(action, &QAction::triggered, mWindow, [this, command] { Run(command); });
            }
            action->setObjectName(name);
            const auto picture = MenuPictures().find(item.Name);
            if (picture != MenuPictures().end())
                action->setIcon(ImageOf(picture->second));
            mActions[std::string(item.Name)] = action;
        }
    }

    void BuildToolbar() {
        auto* toolbar = mWindow->addToolBar("Toolbar");
        toolbar->setObjectName("tlbToolBar");
        toolbar->setMovable(false);
        for (const ToolbarButton& button : ToolbarButtons()) {
            QAction* action =
                toolbar->addAction(ImageOf(button.Image), QString::fromStdString(std::string(button.Key)));
            action->setObjectName(QString::fromStdString(std::string(button.Key)));
            action->setToolTip(QString::fromStdString(std::string(button.ToolTip)));
            const std::string key(button.Key);
            QObject::connect(action, &QAction::triggered, mWindow, [this, key] {
                if (mWindow->Form())
                    mForm.tlbToolBar_ButtonClick(key);
            });
            mButtons[key] = action;
        }
    }

    void BuildViews() {
        auto* splitter = new QSplitter;
        mTree = new QTreeView;
        mTree->setObjectName("BusObjTreeView");
        mTree->setHeaderHidden(true);
        mTree->setUniformRowHeights(true);
        mTree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
        mTree->setContextMenuPolicy(Qt::CustomContextMenu);
        mTreeModel = new TreeItemModel([this]() -> ModelTree& { return mForm.Views().BusObjTreeView; },
                                       [this](TreeNode& node, std::string& label) {
                                           mForm.Views().BusObjTreeView.Select(node.Key);
                                           return !mForm.BusObjTreeView_AfterLabelEdit(label);
                                       });
        mTreeModel->setParent(mTree);
        mTree->setModel(mTreeModel);
        QObject::connect(mTree, &QTreeView::expanded, mTree,
                         [](const QModelIndex& index) { TreeItemModel::NodeOf(index)->Expanded = true; });
        QObject::connect(mTree, &QTreeView::collapsed, mTree,
                         [](const QModelIndex& index) { TreeItemModel::NodeOf(index)->Expanded = false; });
        QObject::connect(mTree->selectionModel(), &QItemSelectionModel::currentChanged, mTree,
                         [this](const QModelIndex& current) { SelectNode(current); });
        QObject::connect(mTree, &QWidget::customContextMenuRequested, mTree, [this](const QPoint& at) {
            SelectNode(mTree->indexAt(at));
            Run([this] { mForm.BusObjTreeView_MouseDown(2); });
        });
        splitter->addWidget(mTree);

        mTabs = new QTabWidget;
        mTabs->setObjectName("SSTab1");
        AddList(ListTab::Properties, "PropertyListView", "Properties");
        AddList(ListTab::Methods, "MethodListView", "Methods");
        AddList(ListTab::Relationships, "RelationshipListView", "Relationships");
        QObject::connect(mTabs, &QTabWidget::currentChanged, mTabs,
                         [this](int tab) { mForm.SetSSTab1(static_cast<ListTab>(tab)); });
        splitter->addWidget(mTabs);
        splitter->setStretchFactor(1, 3);
        mWindow->setCentralWidget(splitter);
    }

    void AddList(ListTab tab, const char* name, const char* caption) {
        auto* view = new QTreeView;
        view->setObjectName(name);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setAllColumnsShowFocus(true);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->header()->setSectionsClickable(true);
        view->header()->setDefaultSectionSize(ReportList::kColumnWidthTwips / kTwipsPerPixel);
        view->header()->setStretchLastSection(false);
        auto* model = new ListItemModel([this, tab]() -> ReportList& { return ListOf(tab); });
        model->setParent(view);
        view->setModel(model);
        QObject::connect(
            view->selectionModel(), &QItemSelectionModel::currentChanged, view,
            [this, tab, model](const QModelIndex& current) { SelectRow(tab, model->RowOf(current)); });
        QObject::connect(view->header(), &QHeaderView::sectionClicked, view, [this, tab](int section) {
            Run([=, this] { mForm.ListView_ColumnClick(tab, section + 1); });
        });
        QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                         [this, tab, model](const QModelIndex& index) {
                             SelectRow(tab, model->RowOf(index));
                             Run([=, this] { mForm.ListView_DblClick(tab); });
                         });
        QObject::connect(view, &QWidget::customContextMenuRequested, view,
                         [this, tab, view, model](const QPoint& at) {
                             SelectRow(tab, model->RowOf(view->indexAt(at)));
                             Run([=, this] { mForm.ListView_MouseDown(tab, 2); });
                         });
        mTabs->addTab(view, caption);
        mLists[static_cast<int>(tab)] = {view, model};
    }

    ReportList& ListOf(ListTab tab) {
        auto& views = mForm.Views();
        switch (tab) {
            case ListTab::Properties:
                return views.PropertyListView;
            case ListTab::Methods:
                return views.MethodListView;
            case ListTab::Relationships:
                break;
        }
        return views.RelationshipListView;
    }

    void SelectNode(const QModelIndex& index) {
        if (!mRefreshing && index.isValid())
            mForm.Views().BusObjTreeView.Select(TreeItemModel::NodeOf(index)->Key);
    }

    void SelectRow(ListTab tab, const ListRow* row) {
        if (!mRefreshing && row)
            ListOf(tab).Select(row->Key);
    }

    void Run(const std::string& command) {
        Run([this, command] { mForm.RunMenuCommand(command); });
    }
    template <typename Body>
    void Run(Body body) {
        if (mWindow->Form())
            body();
    }

    void RefreshNow() {
        mRefreshPending = false;
        if (!mWindow->Form())
            return;
        mRefreshing = true;
        mWindow->setWindowTitle(QString::fromStdString(mForm.Caption()));
        for (const auto& [name, action] : mActions) {
            action->setEnabled(mForm.MenuEnabled(name));
            action->setVisible(mForm.MenuVisible(name));
        }
        mButtons.at("Import")->setEnabled(mForm.MenuEnabled("mnuFileImport"));

        mWindow->setUpdatesEnabled(false);
        mTreeModel->Reset();
        mForm.Views().BusObjTreeView.ReleaseDetached();
        RestoreExpanded(QModelIndex());
        const ModelTree& tree = mForm.Views().BusObjTreeView;
        if (tree.SelectedItem()) {
            const QModelIndex selected = mTreeModel->IndexOf(tree.SelectedItem());
            mTree->setCurrentIndex(selected);
            mTree->scrollTo(selected);
        }
        for (int tab = 0; tab < 3; ++tab) {
            auto [view, model] = mLists[tab];
            model->Reset();
            const ReportList& list = ListOf(static_cast<ListTab>(tab));
            if (list.Sorted())
                view->header()->setSortIndicator(list.SortKey(), list.Order() == SortOrder::Ascending
                                                                     ? Qt::AscendingOrder
                                                                     : Qt::DescendingOrder);
            view->header()->setSortIndicatorShown(list.Sorted());
            if (const int row = model->RowIndexOf(list.SelectedItem()); row >= 0)
                view->setCurrentIndex(model->index(row, 0));
        }
        mTabs->setCurrentIndex(static_cast<int>(mForm.SSTab1()));
        mWindow->setUpdatesEnabled(true);
        mRefreshing = false;
        if (const TreeNode* node = tree.Find(mPendingLabelEdit)) {
            const QModelIndex index = mTreeModel->IndexOf(node);
            mTree->setCurrentIndex(index);
            mTree->edit(index);
        }
        mPendingLabelEdit.clear();
    }

    void RestoreExpanded(const QModelIndex& parent) {
        for (int row = 0; row < mTreeModel->rowCount(parent); ++row) {
            const QModelIndex index = mTreeModel->index(row, 0, parent);
            if (TreeItemModel::NodeOf(index)->Expanded) {
                mTree->setExpanded(index, true);
                RestoreExpanded(index);
            }
        }
    }

    frmBuilderMain& mForm;
    BuilderWindow* mWindow;
    // Gone with this widget, so that a refresh it scheduled never runs after it.
    std::unique_ptr<QObject> mAlive = std::make_unique<QObject>();
    QLabel* mStatusPanel = nullptr;
    QTreeView* mTree = nullptr;
    TreeItemModel* mTreeModel = nullptr;
    QTabWidget* mTabs = nullptr;
    std::pair<QTreeView*, ListItemModel*> mLists[3] = {};
    std::map<std::string, QAction*> mActions;
    std::map<std::string, QAction*> mButtons;
    std::string mPendingLabelEdit;
    bool mRefreshPending = false;
    bool mRefreshing = false;
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
