// The add-in manager as a Qt dialog.

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "host/AddInManager.h"

namespace host {
namespace {

QTableWidgetItem* CheckItem(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

}  // namespace

void AddInManager::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(QString::fromStdString(DialogName()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(static_cast<int>(Rows().size()), 3);
    table->setHorizontalHeaderLabels({"Available Add-Ins", "Loaded", "Load on Startup"});
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->hide();
    for (int i = 0; i < table->rowCount(); ++i) {
        const Row& row = Rows()[static_cast<size_t>(i)];
        auto* name = new QTableWidgetItem(QString::fromStdString(row.progId));
        name->setFlags(Qt::ItemIsEnabled);
        table->setItem(i, 0, name);
        table->setItem(i, 1, CheckItem(row.loaded));
        table->setItem(i, 2, CheckItem(row.loadOnStartup));
    }
    QObject::connect(table, &QTableWidget::itemChanged, [this](QTableWidgetItem* item) {
        const auto row = static_cast<size_t>(item->row());
        const bool checked = item->checkState() == Qt::Checked;
        if (item->column() == 1)
            SetLoaded(row, checked);
        else if (item->column() == 2)
            SetLoadOnStartup(row, checked);
    });
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(520, 300);
    if (dialog.exec() == QDialog::Accepted)
        cmdOK_Click();
}

}  // namespace host
