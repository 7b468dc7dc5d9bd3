// The main window's real widgets offscreen: the open dialog, the views filled from the sample, column
// clicks, the popup, a label edit and a refusal box; screenshots for a person to look at.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "builder/frmAppInfo.h"
#include "builder/frmAppOpen.h"
#include "builder/frmBuilderMain.h"
#include "builder/frmToolOptions.h"
#include "core/qelBusObjProperty.h"
#include "core/qelBusinessObject.h"
#include "core/qelRelationship.h"
#include "core/qelTable.h"
#include "platform/odbc/DataSources.h"
#include "platform/ui/ScriptedInteraction.h"
#include "platform/ui/WindowFit.h"
#include "repository/ApplicationStamp.h"
#include "tests/builder/QtMainWindow.h"
#include "tests/builder/ShipmentFlow.h"
#include "tests/host/QtTestApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/FileAccessAs.h"
#include "tests/support/ModelDump.h"
#include "tests/support/NextModalWidget.h"
#include "tests/support/OdbcSandbox.h"

namespace builder {
namespace {

using builder_test::AnswerBox;
using builder_test::BinaryDir;
using builder_test::Screenshot;
using builder_test::Settle;
using builder_test::Shown;

class BuilderMainQt : public ::testing::Test, protected builder_test::QtMainWindow {
  protected:
    // File > Open through the menu: the dialog's first row chosen and Open pressed.
    void OpenSample(bool screenshot) {
        builder_test::OpenFirstApplication(*mWindow, Settle, [screenshot](QWidget& dialog) {
            if (screenshot)
                Screenshot(dialog, "builder-open.png");
        });
    }
};

TEST_F(BuilderMainQt, MenusToolbarAndControlsCarryTheirNames) {
    ASSERT_NE(mWindow, nullptr);
    EXPECT_EQ(mWindow->windowTitle(), "VBOstrel - New Application");
    for (const char* name : {"BusObjTreeView", "PropertyListView", "MethodListView", "RelationshipListView"})
        EXPECT_NE(Child<QTreeView>(name), nullptr) << name;
    EXPECT_EQ(Child<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(Child<QAction>("mnuFileExit")->text(), "E&xit");
    EXPECT_FALSE(Child<QAction>("mnuStartHere")->isVisible());
    EXPECT_FALSE(Child<QAction>("mnuFilePattern")->isEnabled());
    EXPECT_TRUE(Child<QAction>("mnuFileImport")->isEnabled());
    EXPECT_TRUE(Child<QAction>("Import")->isEnabled());
    EXPECT_TRUE(Child<QAction>("mnuFileSyncApplication")->isEnabled());
    EXPECT_EQ(Child<QAction>("Relationship")->toolTip(), "New Relationship");
    auto* tabs = Child<QTabWidget>("SSTab1");
    EXPECT_EQ(tabs->tabText(2), "Relationships");
    EXPECT_EQ(Child<QTreeView>("PropertyListView")->model()->headerData(10, Qt::Horizontal).toString(),
              "Table Name");
}

TEST_F(BuilderMainQt, OpeningTheSampleFillsTheViews) {
    OpenSample(true);
    EXPECT_EQ(mWindow->windowTitle(), "VBOstrel - OrderEntry");
    auto* tree = Child<QTreeView>("BusObjTreeView");
    ASSERT_EQ(tree->model()->rowCount(), 4);
    const QModelIndex customer = tree->model()->index(0, 0);
    EXPECT_EQ(customer.data().toString(), "Customer");
    EXPECT_TRUE(tree->isExpanded(customer));
    EXPECT_FALSE(tree->isExpanded(tree->model()->index(0, 0, customer)));
    auto* properties = Child<QTreeView>("PropertyListView");
    EXPECT_EQ(properties->model()->rowCount(), 26);
    tree->expand(tree->model()->index(0, 0, customer));
    tree->setCurrentIndex(tree->model()->index(1, 0, tree->model()->index(0, 0, customer)));
    Settle();
    Screenshot(*mWindow, "builder-main.png");

    // Column clicks sort ascending, then descending.
    properties->header()->sectionClicked(1);
    Settle();
    EXPECT_EQ(properties->model()->index(0, 1).data().toString(), "Balance");
    properties->header()->sectionClicked(1);
    Settle();
    EXPECT_EQ(properties->model()->index(0, 1).data().toString(), "UnitPrice");
}

TEST_F(BuilderMainQt, ThePopupAndALabelEditRenameABusinessObject) {
    OpenSample(false);
    auto* tree = Child<QTreeView>("BusObjTreeView");
    const QModelIndex product = tree->model()->index(1, 0);
    tree->setCurrentIndex(product);
    QStringList shown;
    testing_support::OnNextModalWidget([&shown](QWidget& popup) {
        auto* menu = qobject_cast<QMenu*>(&popup);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->isVisible())
                shown << action->objectName();
        }
        Screenshot(popup, "builder-popup.png");
        menu->findChild<QAction*>("mnuPropMethRename")->trigger();
        menu->close();
    });
    emit tree->customContextMenuRequested(tree->visualRect(product).center());
    Settle();
    EXPECT_EQ(shown, (QStringList{"mnuPropertyNew", "mnuMethodNew", "mnuWindowNew", "mnuRelationshipNew",
                                  "mnuPropMethEdit", "mnuPropMethRename"}));
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("Item");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    Settle();
    EXPECT_EQ(tree->model()->index(1, 0).data().toString(), "Item");
    EXPECT_EQ(mForm.Application()->BusinessObjects()->KeyOf(2), "Item");
    EXPECT_EQ(Child<QTreeView>("RelationshipListView")->model()->index(7, 0).data().toString(), "Item");
}

TEST_F(BuilderMainQt, ARefusalShowsAnOkBoxWithTheStopIcon) {
    OpenSample(false);
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    testing_support::OnNextModalWidget([&](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        ASSERT_NE(box, nullptr);
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        Screenshot(*box, "builder-refusal.png");
        box->button(QMessageBox::Ok)->click();
    });
    mForm.Views().BusObjTreeView.Select("Order.Methods.Read");
    std::string label = "Fetch";
    EXPECT_TRUE(mForm.BusObjTreeView_AfterLabelEdit(label));
    EXPECT_EQ(text, "CRUD methods cannot be renamed!");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
}

// File > Build Application with a pattern that is not registered: the error dialog, and afterwards the
// status bar and the pointer are the idle ones again.
TEST_F(BuilderMainQt, AFailedBuildEndsWithTheIdleStatusAndPointer) {
    OpenSample(false);
    QString reported;
    testing_support::OnNextModalWidget([&reported](QWidget& dialog) {
        reported = dialog.windowTitle();
        dialog.close();
    });
    Child<QAction>("mnuFileBuildApplication")->trigger();
    Settle();
    EXPECT_FALSE(reported.isEmpty());
    EXPECT_EQ(Child<QLabel>("stsStatusBarPanel1")->text(), "Ready...");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Screenshot(*mWindow, "builder-failed-build.png");
}

TEST_F(BuilderMainQt, TheCloseBoxAndFileExitUnloadTheWindow) {
    mWindow->close();
    Settle();
    EXPECT_FALSE(mForm.IsLoaded());
    mForm.Show();
    mWindow = qobject_cast<QMainWindow*>(Shown("frmBuilderMain"));
    Child<QAction>("mnuFileExit")->trigger();
    Settle();
    EXPECT_FALSE(mForm.IsLoaded());
}

TEST_F(BuilderMainQt, TheToolbarOpensTheOpenDialog) {
    bool shown = false;
    testing_support::OnNextModalWidget([&shown](QWidget& dialog) {
        shown = dialog.objectName() == "frmAppOpen";
        dialog.findChild<QPushButton*>("cmdCancel")->click();
    });
    Child<QAction>("Open")->trigger();
    Settle();
    EXPECT_TRUE(shown);
    EXPECT_EQ(mWindow->windowTitle(), "VBOstrel - New Application");
}

// The whole flow on the real widgets: a new business object with two properties, a relationship from it to
// Order through the relationship dialog and its picker, saved, and there again when opened again.
TEST_F(BuilderMainQt, AShipmentWithARelationshipToOrderIsEnteredSavedAndOpenedAgain) {
    OpenSample(false);
    builder_test::EnterShipment(*mWindow, Settle);
    const auto& shipmentObject = mForm.Application()->BusinessObjects()->Item("Shipment");
    ASSERT_EQ(shipmentObject->Properties()->Count(), 2);
    ASSERT_EQ(shipmentObject->KeyProperties()->Count(), 1);
    ASSERT_TRUE(mForm.Application()->Relationships()->Exists("Relationship5"));
    Child<QTabWidget>("SSTab1")->setCurrentIndex(2);
    Settle();
    Screenshot(*mWindow, "builder-relationship.png");

    Child<QAction>("mnuFileSave")->trigger();
    Settle();
    EXPECT_FALSE(mForm.IsDataChanged());
    OpenSample(false);
    const auto& reopened = mForm.Application()->BusinessObjects()->Item("Shipment");
    const auto& foreign = reopened->Properties()->Item("Shipment.Properties.OrderID");
    EXPECT_TRUE(foreign->IsForeignProperty());
    EXPECT_EQ(reopened->KeyProperties()->Item(1)->Name(), "ShipmentID");
    ASSERT_TRUE(mForm.Application()->Relationships()->Exists("Relationship5"));
    EXPECT_EQ(mForm.Application()->Relationships()->Item("Relationship5")->RelType(), "Reference");
    auto& db = *mForm.dbZUN();
    const auto rows = db.Query(R"sql(SELECT p."Name", p."ForeignKeyFldID", a."Description"
                                     FROM "Property" p JOIN "Association" a ON a."ID" = p."AssociationID"
                                     WHERE p."BusObjID" = ?1)sql",
                               {reopened->DBID()});
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows[0]["Name"].ToString(), "OrderID");
    EXPECT_EQ(rows[0]["ForeignKeyFldID"].ToString(), "17");
    EXPECT_EQ(rows[0]["Description"].ToString(), "ships");
    EXPECT_EQ(Child<QTreeView>("RelationshipListView")->model()->rowCount(), 10);
}

// File > Synchronize Application on the real window: the question box and the chooser of a renamed
// column, answered by real clicks; the window afterwards.
TEST_F(BuilderMainQt, SynchronizeAsksThroughItsBoxAndChooser) {
    const std::string connectString = ImportContacts({R"sql(CREATE TABLE "Customers"
        ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30), "Phone" VARCHAR(10)))sql"});
    catalog_test::Run(connectString,
                      {R"sql(ALTER TABLE "Customers" RENAME COLUMN "Phone" TO "Telephone")sql"});

    QString question, label, done;
    testing_support::OnNextModalWidget([&](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        ASSERT_NE(box, nullptr);
        question = box->windowTitle() + ": " + box->text();
        Screenshot(*box, "sync-question.png");
        testing_support::OnNextModalWidget([&](QWidget& dialog) {
            label = dialog.findChild<QLabel*>("lblText")->text();
            auto* list = dialog.findChild<QListWidget*>("lstTablesorFields");
            list->setCurrentItem(list->findItems("Telephone", Qt::MatchExactly).value(0));
            Screenshot(dialog, "sync-chooser.png");
            AnswerBox(done, "sync-done.png");
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        box->button(QMessageBox::Yes)->click();
    });
    Child<QAction>("mnuFileSyncApplication")->trigger();
    Settle();
    EXPECT_EQ(question.toStdString(), "Database Synchornization: Was the Phone field re-named?");
    EXPECT_EQ(label.toStdString(),
              "Phone was re-named.  Please select the new name from the list of fields below:");
    EXPECT_TRUE(done.startsWith("The application is synchronized with its database"));
    const auto& fields = *mForm.Application()->BusinessObjects()->Item("Customers")->Table()->Fields();
    EXPECT_TRUE(fields.Exists("Telephone"));
    EXPECT_FALSE(fields.Exists("Phone"));
    auto* properties = Child<QTreeView>("PropertyListView");
    EXPECT_EQ(properties->model()->index(2, 7).data().toString(), "Telephone");
    mWindow->resize(900, 500);
    Settle();
    Screenshot(*mWindow, "builder-synchronized.png");
    mForm.SetIsImported(false);  // the fixture's unload asks nothing
}

// The sample's data source "OrderEntry" is defined nowhere: Synchronize says so and where one is defined,
// and leaves the idle status and pointer.
TEST_F(BuilderMainQt, SynchronizeWithADataSourceThatIsNotDefinedSaysWhereOneIsDefined) {
    auto& sandbox = testing_support::OdbcSandbox::Get();
    sandbox.Clear();
    OpenSample(false);
    const auto tree = Child<QTreeView>("BusObjTreeView")->model()->rowCount();
    QString text;
    AnswerBox(text, "builder-sync-undefined-source.png");
    Child<QAction>("mnuFileSyncApplication")->trigger();
    Settle();
    EXPECT_EQ(text.toStdString(), "The data source \"OrderEntry\" is not defined.\r\nDefine it in " +
                                      sandbox.UserFile().string() +
                                      ", or choose a defined one with Browse in the application's dialog "
                                      "(File > Edit Application...).");
    EXPECT_EQ(Child<QLabel>("stsStatusBarPanel1")->text(), "Ready...");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Child<QTreeView>("BusObjTreeView")->model()->rowCount(), tree);
    EXPECT_FALSE(mForm.IsDataChanged());
}

// Tool > Options with a folder that is missing or holds no repository (or form templates): the box names the
// file looked for, and the dialog stays open with the path typed, selected to be typed over.
TEST_F(BuilderMainQt, ToolOptionsRefusesAFolderWithoutARepositoryAndKeepsThePathTyped) {
    const std::filesystem::path empty = mFolder.Path() / "empty", missing = mFolder.Path() / "missing";
    std::filesystem::create_directories(empty);
    const std::string status = Child<QLabel>("stsStatusBarPanel1")->text().toStdString();
    const std::string noRepository = "The VBOstrel database cannot be found! (";
    for (const auto& [box, folder, picture, says] :
         {std::tuple{"txtAppDatabasePath", missing, "tool-options-missing",
                     noRepository + (missing / "vbostrel.mdb").string() + ")"},
          {"txtAppDatabasePath", empty, "tool-options-empty",
           noRepository + (empty / "vbostrel.mdb").string() + ")"},
          {"txtFormTemplatePath", empty, "tool-options-no-templates",
           "The form template " + (empty / "frmStd_List.frm").string() +
               " does not exist. Put the form templates there, or choose the folder that holds them "
               "as \"Form Template Path:\" in the builder's Tool > Options."}}) {
        SCOPED_TRACE(picture);
        QString text;
        bool stayed = false;
        QString kept, selected;
        testing_support::OnNextModalWidget([&](QWidget& dialog) {
            auto* path = dialog.findChild<QLineEdit*>(box);
            ASSERT_NE(path, nullptr);
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            path->setFocus();
            path->selectAll();
            QTest::keyClicks(path, QString::fromStdString(folder.string()));
            AnswerBox(text, std::string(picture) + "-box.png");
            dialog.findChild<QPushButton*>("cmdOK")->click();
            Settle();
            stayed = dialog.isVisible() && dialog.focusWidget() == path;
            kept = path->text();
            selected = path->selectedText();
            Screenshot(dialog, (std::string(picture) + ".png").c_str());
            dialog.findChild<QPushButton*>("cmdCancel")->click();
        });
        const auto before = mForm.dbZUN();
        mForm.RunMenuCommand("mnuToolOptions");
        Settle();
        EXPECT_EQ(text.toStdString(), says);
        EXPECT_TRUE(stayed);
        EXPECT_EQ(kept.toStdString(), folder.string());
        EXPECT_EQ(selected, kept);
        EXPECT_EQ(mForm.dbZUN(), before);
        EXPECT_EQ(Child<QLabel>("stsStatusBarPanel1")->text().toStdString(), status);
    }
}

// Help > About VB Ostrel: wide enough for its title; OK, Escape and Alt+F4 close it, not the main window.
TEST_F(BuilderMainQt, TheAboutBoxFitsItsTitleAndClosesAlone) {
    const std::pair<const char*, std::function<void(QWidget&)>> closings[] = {
        {"OK", [](QWidget& about) { about.findChild<QPushButton*>("cmdOK")->click(); }},
        {"Escape", [](QWidget& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
        {"Alt+F4", [](QWidget& about) {
             QTest::keyPress(&about, Qt::Key_Alt, Qt::AltModifier);
             EXPECT_TRUE(about.isVisible());  // so the window manager's Alt+F4 reaches it
             QTest::keyClick(&about, Qt::Key_F4, Qt::AltModifier);
         }}};
    for (const auto& [name, close] : closings) {
        Child<QAction>("mnuHelpAbout")->trigger();
        Settle();
        const QPointer<QWidget> about = Shown("frmSplash");
        ASSERT_NE(about, nullptr) << name;
        Screenshot(*about, "about-box.png");
        EXPECT_GE(about->width(), ui::TitleBarWidth(*about));
        close(*about);
        Settle();
        EXPECT_TRUE(about.isNull() || !about->isVisible()) << name;
        EXPECT_NE(Shown("frmBuilderMain"), nullptr) << name;
    }
}

// A repository the builder may read but not write ("nobody" opens it for a root test): the close's question
// is answered neither by Escape nor by its close button; its Yes, and Tool > Options' Yes before it changes
// the repository folder, say which file, why and what to do, and the edit and the folder stay as they were.
TEST_F(BuilderMainQt, AReadOnlyRepositoryKeepsTheEditAndTellsWhy) {
    const std::filesystem::path file = mFolder.Path() / "vbostrel.mdb", other = mFolder.Path() / "other";
    std::filesystem::create_directory(other);
    std::filesystem::copy_file(file, other / "vbostrel.mdb");
    mForm.Unload();
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const testing_support::FileAccessAs person(testing_support::FileAccessAs::Unprivileged());
    mForm.Show();
    mWindow = qobject_cast<QMainWindow*>(Shown("frmBuilderMain"));
    OpenSample(false);
    builder_test::WhenShown("frmAppInfo", [](QWidget& dialog) {
        QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtDescription"), " edited");
        builder_test::Child<QPushButton>(dialog, "cmdOK").click();
    });
    Child<QAction>("mnuFileEditApplication")->trigger();
    QString text;
    bool stayed = false;
    testing_support::OnNextModalWidget([&](QWidget& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        stayed = box.isVisible();
        Screenshot(box, "save-question.png");
        AnswerBox(text, "save-read-only.png");
        qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes)->click();
    });
    mWindow->close();
    Settle();
    const std::string refused =
        "The repository " + file.string() +
        " cannot be written: permission is denied. Nothing has been saved; the window "
        "keeps your changes. Make the file writable, then save again.";
    EXPECT_TRUE(stayed);
    EXPECT_EQ(text.toStdString(), refused);
    ASSERT_TRUE(mForm.IsLoaded());
    EXPECT_EQ(Child<QLabel>("stsStatusBarPanel1")->text(), "Ready...");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(mForm.Application()->Description(), "Order entry for a wholesaler edited");
    EXPECT_EQ(mForm.dbZUN()->Select("Application")[0]["Description"].ToString(),
              "Order entry for a wholesaler");

    ui::ScriptedInteraction script;
    ui::ScopedInteraction scoped(script);
    script.AnswerDialog([&other](ui::ModalDialog& dialog) {
        dynamic_cast<frmToolOptions&>(dialog).txtAppDatabasePath = other.string();
        dynamic_cast<frmToolOptions&>(dialog).cmdOK_Click();
    });
    script.AnswerMsgBox(ui::vbYes);
    mForm.RunMenuCommand("mnuToolOptions");
    ASSERT_EQ(script.Prompts().size(), 3u);
    EXPECT_EQ(script.Prompts()[0].prompt, "Do you wish to save your changes?");
    EXPECT_EQ(script.Prompts()[1].prompt, refused);
    EXPECT_EQ(script.Prompts()[2].prompt,
              "Tool Options changed nothing: the changes to the open application are "
              "not saved, so the repository folder is still " +
                  mFolder.Path().string() +
                  ". Save them, or answer No when asked to save them, then choose " + (other / "").string() +
                  " again.");
    EXPECT_EQ(mForm.dbZUN()->Path(), file);
}

// Two windows on one repository, both with the sample open. A saves twice; then B's save, its Delete of a
// relationship and its Delete Application are each refused, naming the application, and B keeps its model;
// the file holds A's edit.
TEST_F(BuilderMainQt, NoWindowWritesOverWhatAnotherWindowSaved) {
    OpenSample(false);
    const auto label = [](frmBuilderMain& form, int32_t place) -> core::qelBusObjProperty& {
        return *form.Application()->BusinessObjects()->Item(1)->Properties()->Item(place);
    };
    ui::ScriptedInteraction script;
    frmBuilderMain first;
    {
        ui::ScopedInteraction scoped(script);
        first.SetToolDBPath(mFolder.Path());
        first.Show();
        script.AnswerDialog([](ui::ModalDialog& dialog) {
            auto& open = dynamic_cast<frmAppOpen&>(dialog);
            open.ApplicationListView().Select(open.ApplicationListView().Rows().at(0)->Key);
            open.cmdOK_Click();
        });
        first.mnuFileOpen_Click();
        for (const char* text : {"A's label", "A's label again"}) {
            label(first, 1).SetLabel(text);
            first.SetIsDataChanged(true);
            first.mnuFileSave_Click();
        }
        first.Unload();
    }
    EXPECT_EQ(import_test::PromptTexts(script), std::vector<std::string>{});
    const std::string stored = label(mForm, 2).Label();
    label(mForm, 2).SetLabel("B's label");
    mForm.SetIsDataChanged(true);
    QString text;
    AnswerBox(text, "save-changed-elsewhere.png");
    Child<QAction>("mnuFileSave")->trigger();
    Settle();
    const std::string changed =
        "The application OrderEntry was changed in the repository by another window or program after this "
        "window opened or last saved it. ";
    const std::string reopen =
        " Open it again (File > Open Application, answering No when asked to save) to see what is stored, "
        "then ";
    EXPECT_EQ(text.toStdString(), changed + "Nothing has been saved; the window keeps your changes." +
                                      reopen + "make your changes again and save them.");
    EXPECT_TRUE(mForm.IsDataChanged());

    ui::ScriptedInteraction later;
    ui::ScopedInteraction scoped(later);
    later.AnswerMsgBox(ui::vbOK);
    later.AnswerMsgBox(ui::vbYes);
    const auto relationship = mForm.Application()->Relationships()->Item(1);
    mForm.DeleteRelationship(*mForm.Application(), relationship);
    mForm.mnuFileDelete_Click();
    const std::string deleteRefused = changed + "Nothing has been deleted." + reopen +
                                      "delete it again. | 10 | " + repository::kApplicationChangedTitle;
    EXPECT_EQ(import_test::PromptTexts(later),
              (std::vector<std::string>{
                  deleteRefused, "Do you want to delete the current application? | 276 | Delete Application",
                  deleteRefused}));
    EXPECT_TRUE(mForm.Application()->Relationships()->Exists(relationship->Name()));
    EXPECT_EQ(label(mForm, 2).Label(), "B's label");
    EXPECT_EQ(mForm.dbZUN()->Select("Property", {{"ID", label(mForm, 1).DBID()}})[0]["Label"].ToString(),
              "A's label again");
    EXPECT_EQ(mForm.dbZUN()->Select("Property", {{"ID", label(mForm, 2).DBID()}})[0]["Label"].ToString(),
              stored);
    mForm.SetIsDataChanged(false);
}

// Yes to "Was the Orders table re-named?", then Escape in the table chooser: the command ends there, as the
// chooser's Cancel ends it, and the model with its relationship is as it was. Escape in the application
// dialog is its Cancel too.
TEST_F(BuilderMainQt, EscapeInTheTableChooserAndTheApplicationDialogIsTheirCancel) {
    const std::string database = ImportContacts();
    catalog_test::Run(database, {R"sql(ALTER TABLE "Orders" RENAME TO "Sales")sql"});
    const std::string before = testing_support::DumpModel(*mForm.Application());
    ASSERT_EQ(mForm.Application()->Relationships()->Count(), 1);
    testing_support::OnNextModalWidget([](QWidget& box) {
        testing_support::OnNextModalWidget([](QWidget& chooser) {
            Screenshot(chooser, "sync-table-chooser.png");
            QTest::keyClick(&chooser, Qt::Key_Escape);
        });
        qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes)->click();
    });
    Child<QAction>("mnuFileSyncApplication")->trigger();
    Settle();
    EXPECT_EQ(testing_support::DumpModel(*mForm.Application()), before);

    mForm.SetIsImported(false);  // no question before File > New
    mForm.SetIsDataChanged(false);
    const auto application = mForm.Application();
    builder_test::WhenShown("frmAppInfo", [](QWidget& dialog) {
        QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtName"), "Other");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Child<QAction>("mnuFileNew")->trigger();
    Settle();
    EXPECT_EQ(mForm.Application(), application);
    EXPECT_EQ(mWindow->windowTitle(), "VBOstrel - Contacts");
}

// File > New Application without a name, or with a local database to import from that is missing, a folder,
// unreadable or a text file: the box says why; the dialog stays open with what was typed, and nothing is
// registered.
TEST_F(BuilderMainQt, ALocalDatabaseThatCannotBeReadIsNamedWithItsReason) {
    testing_support::OdbcSandbox::Get().Clear();
    const std::filesystem::path missing = mFolder.Path() / "nosuch.mdb",
                                unreadable = mFolder.Path() / "locked.mdb",
                                textFile = mFolder.Path() / "notadb.mdb";
    std::filesystem::copy_file(BinaryDir() + "/samples/vbostrel.mdb", unreadable);
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    std::ofstream(textFile) << "This is a text file, not a db.\n";
    const auto refusal = [](const std::filesystem::path& file, const std::string& reason) {
        return file.string() + " cannot be imported from: " + reason +
               ". Type the path of the Access or SQLite database to import from, or choose it with Browse.";
    };
    const struct {
        const char* name;
        std::filesystem::path file;
        std::string refusal;
    } cases[] = {
        {"", missing, "The Application must have a name!"},
        {"Sales", missing, refusal(missing, "it does not exist")},
        {"Sales", mFolder.Path(), refusal(mFolder.Path(), "it is a folder, not a file")},
        {"Sales", unreadable, refusal(unreadable, "permission is denied")},
        {"Sales", textFile, refusal(textFile, "it is not an Access or SQLite database")},
    };
    const testing_support::FileAccessAs person(testing_support::FileAccessAs::Unprivileged());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        QString text, name, description, path;
        bool open = false;
        builder_test::WhenShown("frmAppInfo", [&](QWidget& dialog) {
            QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtName"), c.name);
            QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtDescription"), "Orders and more");
            QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtDSNorDatabase"),
                             QString::fromStdString(c.file.string()));
            AnswerBox(text, "new-application-unreadable-file.png");
            builder_test::Child<QPushButton>(dialog, "cmdOK").click();
            Settle();
            open = dialog.isVisible();
            name = builder_test::Child<QLineEdit>(dialog, "txtName").text();
            description = builder_test::Child<QLineEdit>(dialog, "txtDescription").text();
            path = builder_test::Child<QLineEdit>(dialog, "txtDSNorDatabase").text();
            Screenshot(dialog, "new-application-refused.png");
            if (open)
                builder_test::Child<QPushButton>(dialog, "cmdCancel").click();
        });
        Child<QAction>("mnuFileNew")->trigger();
        Settle();
        EXPECT_EQ(text.toStdString(), c.refusal);
        EXPECT_TRUE(open);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(description, "Orders and more");
        EXPECT_EQ(path.toStdString(), c.file.string());
        EXPECT_FALSE(odbc::IsUserDataSource("localmdb"));
        EXPECT_EQ(mWindow->windowTitle(), "VBOstrel - New Application");
    }
}

// File > New Application with a local file picked with Browse, which lists Access and SQLite databases: an
// SQLite file is imported whatever its name, a key of binary data named at the end. While the tables are
// chosen another import registers its own file and driver as "localmdb": this one still reads its own file.
TEST_F(BuilderMainQt, ALocalFileIsImportedByWhatItHoldsWhateverItsName) {
    const std::vector<std::string> wide = {"CREATE TABLE wide (id INTEGER PRIMARY KEY, name VARCHAR(20))"};
    const struct {
        const char* file;
        std::vector<std::string> statements;
        QStringList offered;
        std::string closing;  // none when empty
    } cases[] = {
        {"blocks.db",
         {"CREATE TABLE blocks (hash BLOB PRIMARY KEY, height INTEGER)",
          "CREATE TABLE peers (id INTEGER PRIMARY KEY, hash BLOB)"},
         {"blocks", "peers"},
         "These key columns became properties of a data type that has no value in the record and cannot "
         "identify a row; give each another data type, or set its Primary Key to No, before its business "
         "object is built:\r\nblocks.hash (OLE Object)"},
        {"wide.db", wide, {"wide"}, ""},
        {"wide.mdb", wide, {"wide"}, ""},
    };
    const std::string other = dao_test::Fixture("import_access.mdb").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testing_support::OdbcSandbox::Get().Clear();
        const std::filesystem::path file = mFolder.Path() / c.file;
        catalog_test::Run("Driver=SQLite3;Database=" + file.string(), c.statements);
        QStringList filters, offered;
        QString closing;
        builder_test::WhenShown("frmAppInfo", [&](QWidget& dialog) {
            QTest::keyClicks(&builder_test::Child<QLineEdit>(dialog, "txtName"), "Local");
            testing_support::OnNextModalWidget([&](QWidget& shown) {
                auto* files = qobject_cast<QFileDialog*>(&shown);
                ASSERT_NE(files, nullptr);
                filters = files->nameFilters();
                Screenshot(*files, "new-application-browse.png");
                files->selectFile(QString::fromStdString(file.string()));
                QMetaObject::invokeMethod(files, "accept");
            });
            builder_test::Child<QPushButton>(dialog, "cmdBrowse").click();
            testing_support::OnNextModalWidget([&](QWidget& selection) {
                auto* tables = selection.findChild<QListWidget*>("lstAllTables");
                for (int row = 0; row < tables->count(); ++row)
                    offered << tables->item(row)->text();
                odbc::RegisterDataSource("localmdb", "MDBTools", {{"DBQ", other}, {"Database", other}});
                if (!c.closing.empty())
                    AnswerBox(closing, "new-application-binary-key.png");
                builder_test::Child<QPushButton>(selection, "cmdMoveTables1").click();
                selection.findChild<QDialogButtonBox*>()->buttons().front()->click();
            });
            builder_test::Child<QPushButton>(dialog, "cmdOK").click();
        });
        Child<QAction>("mnuFileNew")->trigger();
        Settle();
        EXPECT_EQ(filters, (QStringList{"Access and SQLite Databases (*.mdb *.accdb *.db *.sqlite *.sqlite3)",
                                        "All Files (*)"}));
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(mForm.Application()->BusinessObjects()->Count(), offered.size());
        EXPECT_EQ(closing.toStdString(), c.closing);
        mForm.SetIsImported(false);  // no question before the next File > New
        mForm.SetIsDataChanged(false);
    }
}

// A Synchronize of a saved model whose database did not change: its model, the closing word and no unsaved
// changes.
TEST_F(BuilderMainQt, ASynchronizeThatChangesNothingSaysSo) {
    ImportContacts();
    SaveNew();
    ASSERT_FALSE(mForm.IsDataChanged());
    const std::string before = testing_support::DumpModel(*mForm.Application());
    QString done;
    AnswerBox(done, "sync-nothing-changed.png");
    Child<QAction>("mnuFileSyncApplication")->trigger();
    Settle();
    EXPECT_EQ(done.toStdString(), import_test::kSynchronizedUnchanged);
    EXPECT_EQ(testing_support::DumpModel(*mForm.Application()), before);
    EXPECT_FALSE(mForm.IsDataChanged());
}

}  // namespace
}  // namespace builder
