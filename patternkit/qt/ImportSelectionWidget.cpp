// The item picker as a Qt dialog.

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

#include "patternkit/frmImportSelection.h"
#include "platform/ui/DialogButtons.h"

namespace patternkit {
namespace {

struct MoveButtonSpec {
    const char* caption;
    const char* toolTip;
};

constexpr std::array<MoveButtonSpec, 4> kMoveButtons = {{
    {">", "Move Selected Properties to the Right"},
    {">>", "Move All Properties to the Right"},
    {"<", "Move Selected Properties to the Left"},
    {"<<", "Move All Properties to the Left"},
}};

// Shows the rows without reporting the rebuild as a change of highlight.
void Fill(QListWidget* list, const std::vector<std::string>& rows, int32_t highlighted) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const auto& row : rows)
        list->addItem(QString::fromStdString(row));
    list->setCurrentRow(highlighted);
}

}  // namespace

void frmImportSelection::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle(QString::fromStdString(Caption()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* frmImport = new QGroupBox;
    auto* grid = new QGridLayout(frmImport);
    auto* lblMessage = new QLabel(QString::fromStdString(MessageText()));
    lblMessage->setWordWrap(true);
    grid->addWidget(lblMessage, 0, 0, 1, 3);
    grid->addWidget(new QLabel("Available:"), 1, 0);
    grid->addWidget(new QLabel("Selected"), 1, 2);
    auto* lstAvailableItems = new QListWidget;
    auto* lstSelectedItems = new QListWidget;
    grid->addWidget(lstAvailableItems, 2, 0);
    grid->addWidget(lstSelectedItems, 2, 2);
    auto* moveColumn = new QVBoxLayout;
    grid->addLayout(moveColumn, 2, 1);
    layout->addWidget(frmImport);

    auto refresh = [this, lstAvailableItems, lstSelectedItems] {
        Fill(lstAvailableItems, AvailableRows(), AvailableListIndex());
        Fill(lstSelectedItems, SelectedRows(), SelectedListIndex());
    };
    refresh();
    QObject::connect(lstAvailableItems, &QListWidget::currentRowChanged,
                     [this](int row) { SetAvailableListIndex(row); });
    QObject::connect(lstSelectedItems, &QListWidget::currentRowChanged,
                     [this](int row) { SetSelectedListIndex(row); });
    for (size_t index = 0; index < kMoveButtons.size(); ++index) {
        auto* button = new QPushButton(kMoveButtons[index].caption);
        button->setToolTip(kMoveButtons[index].toolTip);
        moveColumn->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this, index, refresh] {
            cmdMoveTables_Click(static_cast<int16_t>(index));
            refresh();
        });
    }
    QObject::connect(lstAvailableItems, &QListWidget::itemDoubleClicked, [this, refresh] {
        lstAvailableItems_DblClick();
        refresh();
    });
    QObject::connect(lstSelectedItems, &QListWidget::itemDoubleClicked, [this, refresh] {
        lstSelectedItems_DblClick();
        refresh();
    });

    // Help has no topic in this form.
    layout->addWidget(
        ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                            {[this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, {}}));
    dialog.exec();
}

}  // namespace patternkit
