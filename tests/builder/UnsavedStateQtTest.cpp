// What a command leaves of the main window's state, on its real widgets offscreen: a Synchronize that
// changes nothing leaves the unsaved mark as it found it (the window drawn behind its dialogs, also after a
// business object was deleted), and the application dialog stays open with what was typed after it refuses
// OK.

#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "builder/frmAppInfo.h"
#include "builder/frmBuilderMain.h"
#include "tests/builder/ModalDriver.h"
#include "tests/host/QtTestApplication.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/NextModalWidget.h"
#include "tests/support/OffscreenInteraction.h"

namespace builder {
namespace {

using builder_test::Child;
using builder_test::Settle;

// A main window over a repository of its own in a test folder.
class WindowOfItsOwn {
  public:
    WindowOfItsOwn() {
        mForm.SetToolDBPath(mFolder.Path());
        mForm.Show();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmBuilderMain" && widget->isVisible())
                mWindow = qobject_cast<QMainWindow*>(widget);
        }
    }
    ~WindowOfItsOwn() {
        mForm.SetIsDataChanged(false);
        mForm.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // An SQLite database of customers and their orders, imported whole and saved; its connect string.
    std::string ImportAndSave() {
        testing_support::OdbcSandbox::Get().Clear();
        const auto application = import_test::NewDatabase(
            catalog_test::Kind::Sqlite,
            {R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30)))sql",
             R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
                 "CustomerID" INTEGER NOT NULL REFERENCES "Customers" ("ID")))sql"},
            mFolder.Path());
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose());
        script.AnswerDialog([](ui::ModalDialog& dialog) { dynamic_cast<frmAppInfo&>(dialog).cmdOK_Click(); });
        const auto previous = mForm.Application();
        mForm.SetApplication(application);
        mForm.ImportData({previous, false, false});
        mForm.mnuFileSave_Click();
        return "Driver=SQLite3;Database=" + (mFolder.Path() / (application->DSN() + ".db")).string();
    }

    void Trigger(const char* action) {
        Child<QAction>(*mWindow, action).trigger();
        Settle();
    }

    dao_test::TestFolder mFolder;
    testing_support::OffscreenInteraction mInteraction;
    ui::ScopedInteraction mUseIt{mInteraction};
    frmBuilderMain mForm;
    QMainWindow* mWindow = nullptr;
};

// The message box that shows next: its text kept, then `button` pressed.
void AnswerBox(QString& text, QMessageBox::StandardButton button) {
    testing_support::OnNextModalWidget([&text, button](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->button(button)->click();
    });
}

// "Was the Orders table re-named?" answered `answer`, then Escape in the dialog that follows: the chooser of
// tables after Yes, the offer of the tables no business object maps after No. Both end the command. The
// main window is pictured behind it, as a person sees it there.
void AnswerAboutOrders(QString& asked, QMessageBox::StandardButton answer, QWidget& window) {
    testing_support::OnNextModalWidget([&asked, answer, &window](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        if (box == nullptr) {
            widget.close();
            return;
        }
        asked = box->text();
        testing_support::OnNextModalWidget([answer, &window](QWidget& next) {
            const bool chooser = answer == QMessageBox::Yes;
            builder_test::SaveScreenshot(next, chooser ? "sync-escape-chooser.png" : "sync-escape-offer.png");
            builder_test::SaveScreenshot(window,
                                         chooser ? "sync-behind-chooser.png" : "sync-behind-offer.png");
            QTest::keyClick(&next, Qt::Key_Escape);
        });
        box->button(answer)->click();
    });
}

// A saved application, or one with a business object renamed in the tree since; then a Synchronize that
// changes nothing, one that Escape in the renamed-table chooser ends after the first table's fields were
// refreshed, or one whose business object Orders is deleted before the offer of the new table. The
// window is marked changed exactly when the model is, before or by the command: closing asks to save then.
TEST(UnsavedState, ASynchronizeMarksTheWindowChangedExactlyWhenTheModelIs) {
    const struct {
        const char* what;
        bool renamed;                             // Customers renamed "Clients" in the tree before
        QMessageBox::StandardButton aboutOrders;  // Orders renamed "Sales", and the answer; or NoButton
        bool changed;
    } cases[] = {
        {"saved, nothing changed", false, QMessageBox::NoButton, false},
        {"renamed, nothing changed", true, QMessageBox::NoButton, true},
        {"saved, Escape in the chooser", false, QMessageBox::Yes, false},
        {"renamed, Escape in the chooser", true, QMessageBox::Yes, true},
        {"saved, Orders deleted and the offer cancelled", false, QMessageBox::No, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowOfItsOwn window;
        const std::string database = window.ImportAndSave();
        ASSERT_FALSE(window.mForm.IsDataChanged());
        if (c.renamed) {
            auto& tree = Child<QTreeView>(*window.mWindow, "BusObjTreeView");
            tree.setCurrentIndex(tree.model()->index(0, 0));
            Settle();
            QTest::keyClick(&tree, Qt::Key_F2);
            auto* editor = tree.findChild<QLineEdit*>();
            ASSERT_NE(editor, nullptr);
            editor->setText("Clients");
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(editor, &enter);
            Settle();
            ASSERT_TRUE(window.mForm.Application()->BusinessObjects()->Exists("Clients"));
        }
        QString said;
        if (c.aboutOrders != QMessageBox::NoButton) {
            catalog_test::Run(database, {R"sql(ALTER TABLE "Orders" RENAME TO "Sales")sql"});
            AnswerAboutOrders(said, c.aboutOrders, *window.mWindow);
        } else {
            AnswerBox(said, QMessageBox::Ok);
        }
        window.Trigger("mnuFileSyncApplication");
        EXPECT_EQ(said.toStdString(), c.aboutOrders != QMessageBox::NoButton
                                          ? std::string("Was the Orders table re-named?")
                                          : import_test::kSynchronizedUnchanged);
        EXPECT_EQ(window.mForm.Application()->BusinessObjects()->Exists("Orders"),
                  c.aboutOrders != QMessageBox::No);
        EXPECT_EQ(window.mForm.IsDataChanged(), c.changed);

        ui::ScriptedInteraction closing;
        ui::ScopedInteraction scoped(closing);
        closing.AnswerMsgBox(ui::vbNo);
        window.Trigger("mnuFileExit");
        EXPECT_EQ(import_test::PromptTexts(closing),
                  c.changed ? std::vector<std::string>{"Do you wish to save your changes? | 36 | VB Ostrel"}
                            : std::vector<std::string>{});
        EXPECT_FALSE(window.mForm.IsLoaded());
    }
}

// File > New: OK with a name missing, or with a database to import from that is missing, is refused in a
// box; the dialog is still open, with what was typed, and nothing follows the refusal.
TEST(UnsavedState, TheApplicationDialogStaysOpenAfterItRefusesOK) {
    WindowOfItsOwn window;
    const std::string missing = (window.mFolder.Path() / "nosuch.mdb").string();
    const struct {
        const char* name;
        std::string database;
        std::string refusal;  // how the box's text begins
    } cases[] = {
        {"", missing, "The Application must have a name!"},
        {"Sales", missing, missing + " cannot be imported from: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        QString refusal, name, database;
        bool open = false;
        builder_test::WhenShown("frmAppInfo", [&](QWidget& dialog) {
            QTest::keyClicks(&Child<QLineEdit>(dialog, "txtName"), c.name);
            QTest::keyClicks(&Child<QLineEdit>(dialog, "txtDSNorDatabase"),
                             QString::fromStdString(c.database));
            AnswerBox(refusal, QMessageBox::Ok);
            Child<QPushButton>(dialog, "cmdOK").click();
            Settle();
            open = dialog.isVisible();
            name = Child<QLineEdit>(dialog, "txtName").text();
            database = Child<QLineEdit>(dialog, "txtDSNorDatabase").text();
            builder_test::SaveScreenshot(dialog, "new-application-refused.png");
            if (open)
                Child<QPushButton>(dialog, "cmdCancel").click();
        });
        window.Trigger("mnuFileNew");
        EXPECT_TRUE(refusal.startsWith(QString::fromStdString(c.refusal))) << refusal.toStdString();
        EXPECT_TRUE(open);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(database.toStdString(), c.database);
        EXPECT_EQ(window.mWindow->windowTitle(), "VBOstrel - New Application");
    }
}

}  // namespace
}  // namespace builder
