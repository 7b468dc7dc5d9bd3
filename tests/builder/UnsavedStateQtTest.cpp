// What a Synchronize leaves of the main window's unsaved mark, on its real widgets offscreen: the mark as it
// found it when the model did not change, and the window drawn behind the dialogs that follow, also after a
// business object was deleted.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>

#include "tests/builder/QtMainWindow.h"
#include "tests/host/QtTestApplication.h"

namespace builder {
namespace {

using builder_test::Settle;

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

// A saved application, or one with a business object renamed since; then a Synchronize that changes
// nothing, one that Escape in the renamed-table chooser ends after the first table's fields were refreshed,
// or one whose business object Orders is deleted before the offer of the new table. The window is marked
// changed exactly when the model is, before or by the command: closing asks to save then.
TEST(UnsavedState, ASynchronizeMarksTheWindowChangedExactlyWhenTheModelIs) {
    const struct {
        const char* what;
        bool renamed;                             // Customers renamed "Clients" before
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
        builder_test::QtMainWindow window;
        const std::string database = window.ImportContacts();
        window.SaveNew();
        ASSERT_FALSE(window.mForm.IsDataChanged());
        if (c.renamed) {
            window.mForm.Views().BusObjTreeView.Select("Customers");
            std::string label = "Clients";
            window.mForm.BusObjTreeView_AfterLabelEdit(label);
            ASSERT_TRUE(window.mForm.Application()->BusinessObjects()->Exists("Clients"));
        }
        const bool asksAboutOrders = c.aboutOrders != QMessageBox::NoButton;
        QString said;
        if (asksAboutOrders) {
            catalog_test::Run(database, {R"sql(ALTER TABLE "Orders" RENAME TO "Sales")sql"});
            AnswerAboutOrders(said, c.aboutOrders, *window.mWindow);
        } else {
            builder_test::AnswerBox(said, "sync-unchanged.png");
        }
        window.Child<QAction>("mnuFileSyncApplication")->trigger();
        Settle();
        EXPECT_EQ(said.toStdString(),
                  asksAboutOrders ? "Was the Orders table re-named?" : import_test::kSynchronizedUnchanged);
        EXPECT_EQ(window.mForm.Application()->BusinessObjects()->Exists("Orders"),
                  c.aboutOrders != QMessageBox::No);
        EXPECT_EQ(window.mForm.IsDataChanged(), c.changed);

        ui::ScriptedInteraction closing;
        ui::ScopedInteraction scoped(closing);
        closing.AnswerMsgBox(ui::vbNo);
        window.Child<QAction>("mnuFileExit")->trigger();
        Settle();
        EXPECT_EQ(import_test::PromptTexts(closing),
                  c.changed ? std::vector<std::string>{"Do you wish to save your changes? | 36 | VB Ostrel"}
                            : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace builder
