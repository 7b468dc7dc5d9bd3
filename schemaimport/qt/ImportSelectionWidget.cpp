// The table selection dialog as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/ui/DialogButtons.h"
#include "schemaimport/frmImportSelection.h"

namespace schemaimport {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void Mirror(QListWidget* widget, const frmImportSelection::ListBox& box) {
    const QSignalBlocker quiet(widget);
    widget->clear();
    for (const std::string& item : box.List)
        widget->addItem(Q(item));
    widget->setCurrentRow(box.ListIndex);
}

}  // namespace

void frmImportSelection::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(Q(Caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* frame = new QGroupBox(Q(frmImport));
    auto* grid = new QGridLayout(frame);
    layout->addWidget(frame);

    auto* all = new QListWidget;
    auto* selected = new QListWidget;
    all->setObjectName("lstAllTables");
    selected->setObjectName("lstSelectedTables");
    grid->addWidget(new QLabel(Q(lblAvailTables)), 0, 0);
    grid->addWidget(new QLabel(Q(lblTablesImport)), 0, 2);
    grid->addWidget(all, 1, 0);
    grid->addWidget(selected, 1, 2);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    grid->addLayout(arrows, 1, 1);

    const auto refresh = [=, this] {
        Mirror(all, lstAllTables);
        Mirror(selected, lstSelectedTables);
    };
    refresh();
    QObject::connect(all, &QListWidget::currentRowChanged, [this](int row) { lstAllTables.ListIndex = row; });
    QObject::connect(selected, &QListWidget::currentRowChanged,
                     [this](int row) { lstSelectedTables.ListIndex = row; });
    QObject::connect(all, &QListWidget::itemDoubleClicked, [=, this] {
        lstAllTables_DblClick();
        refresh();
    });
    QObject::connect(selected, &QListWidget::itemDoubleClicked, [=, this] {
        lstSelectedTables_DblClick();
        refresh();
    });
    for (int32_t index = 0; index < static_cast<int32_t>(cmdMoveTables.size()); ++index) {
        const Button& shown = cmdMoveTables[static_cast<std::size_t>(index)];
        auto* button = new QPushButton(Q(shown.Caption));
        button->setObjectName("cmdMoveTables" + QString::number(index));
        button->setToolTip(Q(shown.ToolTipText));
        button->setFixedWidth(56);
        arrows->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [=, this] {
            cmdMoveTables_Click(index);
            refresh();
        });
    }
    arrows->addStretch();

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(Q(cmdOK), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(Q(cmdCancel), QDialogButtonBox::RejectRole);
    ui::EscapeClicks(dialog, *cancel);
    auto* help = buttons->addButton(Q(cmdHelp), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    QObject::connect(ok, &QPushButton::clicked, [this, &dialog] {
        cmdOK_Click();
        if (IsUnloaded())
            dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, [this, &dialog] {
        cmdCancel_Click();
        dialog.reject();
    });
    QObject::connect(help, &QPushButton::clicked, [this] { cmdHelp_Click(); });
    dialog.resize(460, 320);
    dialog.exec();
    if (!IsUnloaded())
        Form_Unload();
}

}  // namespace schemaimport
