// The generation warnings as a Qt dialog.

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "core/frmGenWarnings.h"
#include "platform/ui/DialogButtons.h"
#include "platform/ui/WindowFit.h"

namespace core {

void frmGenWarnings::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Generation Warnings");
    auto* layout = new QVBoxLayout(&dialog);
    auto* message = new QLabel(kMessage);
    message->setWordWrap(true);
    layout->addWidget(message);
    auto* list = new QListWidget;
    list->setObjectName("lstvwWarnings");
    for (const auto& item : Items())
        list->addItem(QString::fromStdString(item));
    // As wide as the longest warning while the screen allows; a longer one wraps.
    const int widest =
        list->sizeHintForColumn(0) + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(
        std::min(widest, QGuiApplication::primaryScreen()->availableSize().width() * 3 / 4));
    list->setWordWrap(true);
    layout->addWidget(list);
    layout->addWidget(ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                          {[this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, {}}));
    ui::FitToContents(dialog);
    dialog.exec();
}

}  // namespace core
