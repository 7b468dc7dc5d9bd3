// The open dialog as a Qt dialog: the application list with its four columns and the Open, Cancel and
// Help buttons. Open is enabled only while a row is selected.

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "builder/frmAppOpen.h"
#include "platform/ui/DialogButtons.h"

namespace builder {

namespace {

constexpr int kTwipsPerPixel = 15;

void Fill(QTreeWidget& list, const ReportList& rows) {
    list.clear();
    for (const ListRow* row : rows.Rows()) {
        QStringList texts{QString::fromStdString(row->Text)};
        for (const std::string& subItem : row->SubItems)
            texts << QString::fromStdString(subItem);
        auto* item = new QTreeWidgetItem(&list, texts);
        item->setData(0, Qt::UserRole, QString::fromStdString(row->Key));
        if (row == rows.SelectedItem())
            list.setCurrentItem(item);
    }
}

}  // namespace

void frmAppOpen::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmAppOpen");
    dialog.setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QTreeWidget;
    list->setObjectName("ApplicationListView");
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    QStringList captions;
    for (const ListColumn& column : mList.Columns())
        captions << QString::fromStdString(column.Caption);
    list->setHeaderLabels(captions);
    list->header()->setDefaultSectionSize(ReportList::kColumnWidthTwips / kTwipsPerPixel);
    list->header()->setSectionsClickable(true);
    layout->addWidget(list);

    auto* buttons = new QDialogButtonBox;
    QPushButton* cmdOK = buttons->addButton("Open", QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName("cmdOK");
    QPushButton* cmdCancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName("cmdCancel");
    ui::EscapeClicks(dialog, *cmdCancel);
    QPushButton* cmdHelp = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    cmdHelp->setObjectName("cmdHelp");
    layout->addWidget(buttons);

    bool filling = false;
    const auto refresh = [&] {
        filling = true;
        Fill(*list, mList);
        filling = false;
        cmdOK->setEnabled(cmdOKEnabled());
        if (mUnloaded)
            dialog.done(mIsCanceled ? QDialog::Rejected : QDialog::Accepted);
    };
    QObject::connect(list, &QTreeWidget::currentItemChanged, &dialog, [&](QTreeWidgetItem* current) {
        if (filling || !current)
            return;
        mList.Select(current->data(0, Qt::UserRole).toString().toStdString());
        cmdOK->setEnabled(cmdOKEnabled());
    });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, [&] {
        ApplicationListView_DblClick();
        refresh();
    });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, &dialog, [&](int section) {
        ApplicationListView_ColumnClick(section + 1);
        refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        cmdOK_Click();
        refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, [&] {
        cmdCancel_Click();
        refresh();
    });
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, [this] { cmdHelp_Click(); });
    refresh();
    dialog.resize(720, 320);
    if (dialog.exec() != QDialog::Accepted && !mUnloaded)
        cmdCancel_Click();
}

}  // namespace builder
