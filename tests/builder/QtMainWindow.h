#pragma once
// The main window on its real widgets offscreen, over a copy of the sample repository in a test folder,
// and what its tests do on the way: a picture of a widget, a message box answered, customers and their
// orders imported from an SQLite database and saved.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/frmAppInfo.h"
#include "builder/frmBuilderMain.h"
#include "tests/builder/ModalDriver.h"
#include "tests/platform/dao/TestFiles.h"
#include "tests/schemaimport/ImportTestSupport.h"
#include "tests/support/FileAccessAs.h"
#include "tests/support/NextModalWidget.h"
#include "tests/support/OdbcSandbox.h"
#include "tests/support/OffscreenInteraction.h"

namespace builder_test {

inline std::string BinaryDir() {
    const char* binary = std::getenv("OSTREL_BINARY_DIR");
    return binary ? binary : ".";
}

inline void Screenshot(QWidget& widget, const char* name) {
    const testing_support::FileAccessAs tester(::geteuid());  // whoever the window acts as
    const QString folder = QString::fromStdString(BinaryDir() + "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(widget.grab().save(folder + "/" + name));
}

// The shown top-level window of that object name, or null.
inline QWidget* Shown(const QString& objectName) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// The message box a command shows: its text, pictured, then OK. Anything else that shows fails the test
// and is closed, so that the test goes on.
inline void AnswerBox(QString& text, const std::string& picture) {
    testing_support::OnNextModalWidget([&text, picture](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        if (box == nullptr) {
            ADD_FAILURE() << "not a message box: " << widget.metaObject()->className();
            widget.close();
            return;
        }
        text = box->text();
        Screenshot(*box, picture.c_str());
        box->button(QMessageBox::Ok)->click();
    });
}

inline const std::vector<std::string> kCustomersAndOrders = {
    R"sql(CREATE TABLE "Customers" ("ID" INTEGER PRIMARY KEY, "Name" VARCHAR(30)))sql",
    R"sql(CREATE TABLE "Orders" ("OrderID" INTEGER PRIMARY KEY,
        "CustomerID" INTEGER NOT NULL REFERENCES "Customers" ("ID")))sql"};

class QtMainWindow {
  public:
    QtMainWindow() {
        std::filesystem::copy_file(BinaryDir() + "/samples/vbostrel.mdb", mFolder.Path() / "vbostrel.mdb");
        mForm.SetToolDBPath(mFolder.Path());
        mForm.Show();
        mWindow = qobject_cast<QMainWindow*>(Shown("frmBuilderMain"));
    }
    ~QtMainWindow() {
        mForm.SetIsDataChanged(false);
        mForm.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T>
    T* Child(const char* name) {
        return mWindow->findChild<T*>(name);
    }

    // The application "Contacts" imported whole from a data source of its own, an SQLite file that
    // `statements` make; returns its connect string.
    std::string ImportContacts(const std::vector<std::string>& statements = kCustomersAndOrders) {
        testing_support::OdbcSandbox::Get().Clear();
        auto application = import_test::NewDatabase(catalog_test::Kind::Sqlite, statements, mFolder.Path());
        application->SetName("Contacts");
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(import_test::Choose());
        const auto previous = mForm.Application();
        mForm.SetApplication(application);
        mForm.ImportData({previous, false, false});
        Settle();
        return "Driver=SQLite3;Database=" + (mFolder.Path() / (application->DSN() + ".db")).string();
    }

    // File > Save of an application not stored yet: OK in the application dialog it asks through.
    void SaveNew() {
        ui::ScriptedInteraction script;
        ui::ScopedInteraction scoped(script);
        script.AnswerDialog(
            [](ui::ModalDialog& dialog) { dynamic_cast<builder::frmAppInfo&>(dialog).cmdOK_Click(); });
        mForm.mnuFileSave_Click();
    }

    dao_test::TestFolder mFolder;
    testing_support::OffscreenInteraction mInteraction;
    ui::ScopedInteraction mUseIt{mInteraction};
    builder::frmBuilderMain mForm;
    QMainWindow* mWindow = nullptr;
};

}  // namespace builder_test
