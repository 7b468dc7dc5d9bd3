// The add-in as a developer meets it in the IDE, on its real widgets offscreen: the IDE starts with the
// add-in listed, "VB Ostrel..." opens the main window over the per-user data folder holding a copy of the
// sample repository, File > Open "OrderEntry", a new business object with a relationship to Order is
// entered, saved and opened again, and Build > Business Object (No Forms) writes its classes into the
// IDE's project group.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "host/AddInManager.h"
#include "host/IdeSession.h"
#include "host/qt/MainWindow.h"
#include "platform/dao/SqliteDatabase.h"
#include "platform/ide/VBE.h"
#include "tests/builder/ShipmentFlow.h"
#include "tests/host/QtTestApplication.h"
#include "tests/support/OffscreenInteraction.h"

namespace {

using builder_test::Settle;

template <typename Widget>
Widget* TopLevel(const std::function<bool(Widget&)>& match) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* typed = qobject_cast<Widget*>(widget);
        if (typed && typed->isVisible() && match(*typed))
            return typed;
    }
    return nullptr;
}

class BuilderSession : public ::testing::Test {
  protected:
    BuilderSession()
        : mFolder(std::filesystem::temp_directory_path() / ("ostrel-session-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder / "data" / "ostrel");
        std::filesystem::copy_file(
            std::filesystem::path(OSTREL_BINARY_DIR_AT_BUILD) / "samples" / "vbostrel.mdb",
            mFolder / "data" / "ostrel" / "vbostrel.mdb");
        ::setenv("XDG_DATA_HOME", (mFolder / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", mFolder.c_str(), 1);
        std::ofstream(mFolder / "vbaddin.ini", std::ios::binary) << "[Add-Ins32]\r\nVBOSTREL.Connect=1\r\n";
    }
    ~BuilderSession() override {
        mSession.reset();
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(mFolder);
    }

    // Add-Ins > VB Ostrel... of the session's IDE: its builder window, another than `other`.
    static QMainWindow* OpenBuilder(host::IdeSession& session, const QMainWindow* other = nullptr) {
        session.VBE().CommandBars().Item("Add-Ins")->Controls().Item(1)->Execute();
        Settle();
        return TopLevel<QMainWindow>(
            [other](QMainWindow& w) { return w.objectName() == "frmBuilderMain" && &w != other; });
    }
    std::string BusinessObjectsStored() const {
        return dao::SqliteDatabase::Open(mFolder / "data" / "ostrel" / "vbostrel.mdb",
                                         dao::OpenMode::ReadOnly)
            ->Query(R"sql(SELECT group_concat("Name") AS "Names" FROM "BusinessObject")sql")[0]["Names"]
            .ToString();
    }

    std::filesystem::path mFolder;
    testing_support::OffscreenInteraction mInteraction;
    ui::ScopedInteraction mUseIt{mInteraction};
    std::unique_ptr<host::IdeSession> mSession;
};

TEST_F(BuilderSession, AShipmentIsEnteredStoredAndBuiltIntoTheProjectGroup) {
    mSession = std::make_unique<host::IdeSession>(mFolder / "vbaddin.ini");
    mSession->StartUp({});
    const auto bar = mSession->VBE().CommandBars().Item("Add-Ins");
    ASSERT_EQ(bar->Controls().Count(), 1);
    ASSERT_EQ(bar->Controls().Item(1)->Caption(), "VB Ostrel...");
    QMainWindow* window = OpenBuilder(*mSession);
    ASSERT_NE(window, nullptr);
    // Asked for 900 by 600, it opens within the screen.
    EXPECT_EQ(window->screen()->availableGeometry(), QRect(0, 0, 800, 600));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    builder_test::SaveScreenshot(*window, "frmBuilderMain-800x600.png");

    builder_test::OpenFirstApplication(*window, Settle);
    EXPECT_EQ(window->windowTitle(), "VBOstrel - OrderEntry");
    builder_test::EnterShipment(*window, Settle);
    window->findChild<QAction*>("mnuFileSave")->trigger();
    Settle();
    builder_test::OpenFirstApplication(*window, Settle);
    auto* relationships = window->findChild<QTreeView*>("RelationshipListView");
    ASSERT_EQ(relationships->model()->rowCount(), 10);
    bool shipmentRow = false;
    for (int row = 0; row < 10; ++row)
        shipmentRow = shipmentRow || relationships->model()->index(row, 0).data().toString() == "Shipment";
    EXPECT_TRUE(shipmentRow);

    // Build > Business Object: only Shipment, no forms.
    window->findChild<QAction*>("mnuBuildBusObj")->trigger();
    Settle();
    QWidget* generate = TopLevel<QWidget>([](QWidget& w) { return w.windowTitle() == "Generate Code"; });
    ASSERT_NE(generate, nullptr);
    auto* grid = generate->findChild<QTableWidget*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(generate->focusWidget(), grid);
    int shipment = -1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, 0) && grid->item(row, 0)->text() == "Shipment")
            shipment = row;
    }
    ASSERT_GE(shipment, 0);
    for (int row = 0; row < grid->rowCount(); ++row) {
        if ((grid->item(row, 1)->checkState() == Qt::Checked) != (row == shipment))
            emit grid->cellClicked(row, 1);
    }
    for (auto* option : generate->findChildren<QRadioButton*>()) {
        if (option->text() == "No Forms")
            option->click();
    }
    // Whatever asks something on the way is recorded and answered with OK; a window past the screen's
    // area (the progress window among them) is recorded too.
    const testing_support::AwaitingEveryModal answeringAll;
    std::vector<std::string> asked;
    std::set<std::string> offScreen;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&asked, &offScreen] {
        for (const QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && !shown->screen()->availableGeometry().contains(shown->frameGeometry()))
                offScreen.insert(shown->windowTitle().toStdString());
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        asked.push_back(modal->windowTitle().toStdString());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked.back() += ": " + box->text().toStdString();
            box->defaultButton() ? box->defaultButton()->click() : box->button(QMessageBox::Ok)->click();
        } else if (auto* buttons = modal->findChild<QDialogButtonBox*>()) {
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        }
    });
    answer.start();
    QPushButton* start = nullptr;
    for (auto* button : generate->findChildren<QPushButton*>()) {
        if (button->text() == "&Generate")
            start = button;
    }
    ASSERT_NE(start, nullptr);
    // The window goes when the run is over.
    const QPointer<QWidget> running(generate);
    start->click();
    QDeadlineTimer deadline(60000);
    while (running && running->isVisible() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    answer.stop();
    EXPECT_TRUE(!running || !running->isVisible());
    // Order, which Shipment refers to, is not built in this run: its warning, answered with OK, then the
    // end of the run.
    EXPECT_EQ(asked, (std::vector<std::string>{"Generation Warnings", "VB Ostrel: Generation finished!"}));
    EXPECT_TRUE(offScreen.empty()) << ::testing::PrintToString(offScreen);
    std::set<std::string> components;
    for (const auto& project : mSession->VBE().VBProjects())
        for (const auto& component : project->VBComponents())
            components.insert(component->Name());
    EXPECT_TRUE(components.contains("Shipment")) << ::testing::PrintToString(components);
    EXPECT_TRUE(components.contains("ShipmentPersist")) << ::testing::PrintToString(components);
    window->findChild<QAction*>("mnuFileExit")->trigger();
    Settle();

    // The repository in the per-user data folder holds Shipment's foreign key to Order's key.
    const auto repository =
        dao::SqliteDatabase::Open(mFolder / "data" / "ostrel" / "vbostrel.mdb", dao::OpenMode::ReadOnly);
    const auto rows = repository->Query(R"sql(
        SELECT p."ForeignKeyFldID", r."RelType" FROM "Property" p
        JOIN "BusinessObject" b ON b."ID" = p."BusObjID"
        JOIN "Association" a ON a."ID" = p."AssociationID"
        JOIN "Relationship" r ON r."ID" = a."RelationshipID"
        WHERE b."Name" = 'Shipment' AND p."Name" = 'OrderID')sql");
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows[0]["ForeignKeyFldID"].ToString(), "17");
    EXPECT_EQ(rows[0]["RelType"].ToString(), "Reference");
}

// Two IDEs on one repository: A saves the application after B opened it, and B holds a change of its own.
// Closing B's IDE (File > Exit, then its close box), or unloading its add-in in the Add-In Manager, asks to
// save the change; Yes, and the save is refused as the application changed: the IDE and the add-in stay,
// the change in its builder's window, the repository as A left it.
TEST_F(BuilderSession, ClosingTheIdeAfterARefusedSaveKeepsItOpenWithTheChange) {
    host::IdeSession first(mFolder / "vbaddin.ini");
    mSession = std::make_unique<host::IdeSession>(mFolder / "vbaddin.ini");
    first.StartUp({});
    mSession->StartUp({});
    QMainWindow* builderA = OpenBuilder(first);
    const QPointer<QMainWindow> builderB = OpenBuilder(*mSession, builderA);
    ASSERT_TRUE(builderA && builderB);
    builder_test::OpenFirstApplication(*builderA, Settle);
    builder_test::OpenFirstApplication(*builderB, Settle);
    builder_test::NewBusinessObject(*builderA, Settle, "Shipment");
    builderA->findChild<QAction*>("mnuFileSave")->trigger();
    builder_test::NewBusinessObject(*builderB, Settle, "Crate");
    const std::string storedByA = BusinessObjectsStored();
    ASSERT_NE(storedByA.find("Shipment"), std::string::npos);

    host::MainWindow ide(*mSession);
    ide.show();
    EXPECT_TRUE(ide.screen()->availableGeometry().contains(ide.frameGeometry()));
    const testing_support::AwaitingEveryModal answeringAll;
    std::vector<std::string> asked;
    QMessageBox::StandardButton toSave = QMessageBox::Yes;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box && box->isVisible()) {
            asked.push_back(box->windowTitle().toStdString());
            (box->button(toSave) ? box->button(toSave) : box->button(QMessageBox::Ok))->click();
        }
    });
    answer.start();
    const QList<QAction*> file = ide.menuBar()->actions().front()->menu()->actions();
    const auto unload = [&] {
        host::AddInManager manager(mSession->AddIns(), mFolder / "vbaddin.ini");
        for (std::size_t row = 0; row < manager.Rows().size(); ++row)
            manager.SetLoaded(row, false);
        manager.cmdOK_Click();
        EXPECT_TRUE(manager.Rows().front().loaded);
    };
    for (const auto& close :
         std::vector<std::function<void()>>{[&] { file.back()->trigger(); }, [&] { ide.close(); }, unload}) {
        asked.clear();
        close();
        Settle();
        EXPECT_EQ(asked, (std::vector<std::string>{"VB Ostrel", "Error - Application Changed"}));
        ASSERT_TRUE(ide.isVisible() && builderB && builderB->isVisible());
        const QAbstractItemModel& tree = *builderB->findChild<QTreeView*>("BusObjTreeView")->model();
        EXPECT_EQ(tree.match(tree.index(0, 0), Qt::DisplayRole, "Crate", 1, Qt::MatchRecursive).size(), 1);
    }
    // No drops the change, and the IDE closes.
    toSave = QMessageBox::No;
    ide.close();
    Settle();
    answer.stop();
    EXPECT_FALSE(ide.isVisible());
    EXPECT_EQ(BusinessObjectsStored(), storedByA);
}

}  // namespace
