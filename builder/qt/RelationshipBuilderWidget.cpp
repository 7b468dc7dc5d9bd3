// The relationship dialog as a Qt dialog: four tabs, the two business-object boxes read-only.

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "builder/frmRelationshipBuilder.h"
#include "builder/qt/ControlWidgets.h"

namespace builder {

namespace {

// A box the dialog fills; Tab passes it by.
QLineEdit* ReadOnlyBox(const char* name) {
    auto* box = qt::Named<QLineEdit>(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// A frame of two option buttons.
QGroupBox* OptionFrame(const char* name, QRadioButton* first, QRadioButton* second) {
    auto* frame = qt::Named<QGroupBox>(name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(first);
    layout->addWidget(second);
    return frame;
}

QRadioButton* Option(const char* name, const char* text) {
    auto* option = qt::Named<QRadioButton>(name);
    option->setText(text);
    return option;
}

// The widgets of one association tab.
struct SentenceTab {
    QLineEdit* source;
    QRadioButton *always, *sometimes, *one, *many;
    QLineEdit* description;
    QLineEdit* target;
    QWidget* page;
};

SentenceTab MakeSentenceTab(int number) {
    const auto name = [number](const char* pattern) { return QString(pattern).arg(number).toStdString(); };
    SentenceTab tab{};
    tab.page = new QWidget;
    auto* frame = qt::Named<QGroupBox>(number == 1 ? "Frame1" : "Frame5");
    frame->setTitle("Association");
    auto* layout = new QGridLayout(frame);
    auto* each = qt::Named<QLabel>(number == 1 ? "Label1" : "Label2");
    each->setText("Each");
    tab.source = ReadOnlyBox(number == 1 ? "txtBusObj1A" : "txtBusObj1B");
    tab.always = Option(name("optA%1Always").c_str(), "Always");
    tab.sometimes = Option(name("optA%1Sometimes").c_str(), "Sometimes");
    tab.one = Option(name("optA%1One").c_str(), "One");
    tab.many = Option(name("optA%1Many").c_str(), "Many");
    auto* describe = qt::Named<QLabel>(number == 1 ? "lblRelationship" : "Label3");
    describe->setText("Relationship Description:");
    tab.description = qt::Named<QLineEdit>(name("txtAssoc%1Name").c_str());
    tab.target = ReadOnlyBox(number == 1 ? "txtBusObj2A" : "txtBusObj2B");
    layout->addWidget(each, 0, 0);
    layout->addWidget(tab.source, 0, 1);
    layout->addWidget(OptionFrame(number == 1 ? "Frame3" : "Frame6", tab.always, tab.sometimes), 1, 0, 1, 2);
    layout->addWidget(describe, 2, 0);
    layout->addWidget(tab.description, 2, 1);
    layout->addWidget(OptionFrame(number == 1 ? "Frame4" : "Frame7", tab.one, tab.many), 3, 0, 1, 2);
    layout->addWidget(tab.target, 4, 1);
    layout->setRowStretch(5, 1);
    auto* pageLayout = new QVBoxLayout(tab.page);
    pageLayout->addWidget(frame);
    return tab;
}

}  // namespace

void frmRelationshipBuilder::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmRelationshipBuilder");
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = qt::Named<QTabWidget>("SSTab1");
    layout->addWidget(tabs);

    auto* general = new QWidget;
    auto* generalLayout = new QVBoxLayout(general);
    auto* typeRow = new QFormLayout;
    auto* relType = qt::Named<QComboBox>("cmbRelType");
    typeRow->addRow("Relationship Type:", relType);
    generalLayout->addLayout(typeRow);
    auto* frame2 = qt::Named<QGroupBox>("Frame2");
    auto* frameLayout = new QGridLayout(frame2);
    auto* all = qt::Named<QListWidget>("lstAllBusObjects");
    std::array<QPushButton*, 4> moves{};
    for (int i = 0; i < 4; ++i) {
        moves[static_cast<size_t>(i)] =
            qt::Named<QPushButton>(QString("cmdMoveFields%1").arg(i).toStdString().c_str());
        moves[static_cast<size_t>(i)]->setText(i % 2 == 0 ? ">" : "<");
        moves[static_cast<size_t>(i)]->setMaximumWidth(32);
        moves[static_cast<size_t>(i)]->setAutoDefault(false);
    }
    auto* busObj1 = ReadOnlyBox("txtBusObj1");
    auto* busObj2 = ReadOnlyBox("txtBusObj2");
    auto* label1 = qt::Named<QLabel>("lblBusObj1");
    label1->setText("First Business Object:");
    auto* label2 = qt::Named<QLabel>("lblBusObj2");
    label2->setText("Second Business Object:");
    frameLayout->addWidget(all, 0, 0, 6, 1);
    frameLayout->addWidget(moves[0], 1, 1);
    frameLayout->addWidget(moves[1], 2, 1);
    frameLayout->addWidget(moves[2], 4, 1);
    frameLayout->addWidget(moves[3], 5, 1);
    frameLayout->addWidget(label1, 0, 2);
    frameLayout->addWidget(busObj1, 1, 2);
    frameLayout->addWidget(label2, 3, 2);
    frameLayout->addWidget(busObj2, 4, 2);
    generalLayout->addWidget(frame2);
    // The edited relationship's frame holds only the two boxes: it stays at the top.
    generalLayout->addStretch();
    tabs->addTab(general, "General");

    const SentenceTab first = MakeSentenceTab(1);
    const SentenceTab second = MakeSentenceTab(2);
    tabs->addTab(first.page, "FirstBusObj");
    tabs->addTab(second.page, "SecondBusObj");

    auto* matched = qt::Named<QTreeWidget>("MatchedListView");
    matched->setColumnCount(2);
    matched->setRootIsDecorated(false);
    matched->header()->setSectionResizeMode(QHeaderView::Stretch);
    auto* keysPage = new QWidget;
    auto* keysLayout = new QVBoxLayout(keysPage);
    auto* howToMatch = qt::Named<QLabel>("lblHowToMatch");
    howToMatch->setText("Double-click a key to choose the property that matches it.");
    keysLayout->addWidget(howToMatch);
    keysLayout->addWidget(matched);
    tabs->addTab(keysPage, "Related Properties");
    // What a person types or chooses first on each tab.
    const std::array<QWidget*, 4> firstFields = {relType, first.description, second.description, matched};

    QPushButton* ok = nullptr;
    const auto refresh = [this, &dialog, tabs, relType, frame2, all, moves, busObj1, busObj2, first, second,
                          matched, &ok] {
        dialog.setWindowTitle(qt::Text(Caption()));
        for (int tab = 0; tab < 4; ++tab)
            tabs->setTabText(tab, qt::Text(TabCaption(tab)));
        {
            const QSignalBlocker blocker(tabs);
            tabs->setCurrentIndex(SSTab1());
        }
        qt::Mirror(relType, cmbRelType);
        frame2->setTitle(qt::Text(Frame2Caption()));
        qt::Mirror(all, lstAllBusObjects);
        for (QPushButton* move : moves)
            move->setVisible(cmdMoveFieldsVisible());
        qt::Mirror(busObj1, txtBusObj1);
        qt::Mirror(busObj2, txtBusObj2);
        const std::array<const OptionButton*, 8> options = {&optA1Always, &optA1Sometimes, &optA1One,
                                                            &optA1Many,   &optA2Always,    &optA2Sometimes,
                                                            &optA2One,    &optA2Many};
        const std::array<QRadioButton*, 8> radios = {first.always, first.sometimes, first.one,
                                                     first.many,   second.always,   second.sometimes,
                                                     second.one,   second.many};
        for (size_t i = 0; i < options.size(); ++i)
            qt::Mirror(radios[i], *options[i]);
        qt::Mirror(first.source, txtBusObj1A);
        qt::Mirror(first.target, txtBusObj2A);
        qt::Mirror(second.source, txtBusObj1B);
        qt::Mirror(second.target, txtBusObj2B);
        qt::Mirror(first.description, txtAssoc1Name);
        qt::Mirror(second.description, txtAssoc2Name);
        const QSignalBlocker blocker(matched);
        matched->setHeaderLabels(
            {qt::Text(MatchedListView.SupplierHeader), qt::Text(MatchedListView.ReceiverHeader)});
        matched->clear();
        for (const MatchedRow& row : MatchedListView.Rows)
            matched->addTopLevelItem(new QTreeWidgetItem({qt::Text(row.Key), qt::Text(row.Matched)}));
        if (MatchedListView.ListIndex >= 0 && MatchedListView.ListIndex < matched->topLevelItemCount())
            matched->setCurrentItem(matched->topLevelItem(MatchedListView.ListIndex));
        if (!IsLoaded())
            dialog.done(QDialog::Accepted);
    };
    ok = qt::AddOKCancelHelp(dialog, *layout, *this, refresh, [this] { return IsLoaded(); });

    QObject::connect(relType, &QComboBox::activated, [this, refresh](int index) {
        cmbRelType_GotFocus();
        cmbRelType_Click(index);
        refresh();
    });
    QObject::connect(all, &QListWidget::currentRowChanged,
                     [this](int row) { lstAllBusObjects.ListIndex = row; });
    QObject::connect(all, &QListWidget::itemDoubleClicked, [this, all, refresh](QListWidgetItem* item) {
        lstAllBusObjects.ListIndex = all->row(item);
        lstAllBusObjects_DblClick();
        refresh();
    });
    for (int i = 0; i < 4; ++i) {
        QObject::connect(moves[static_cast<size_t>(i)], &QPushButton::clicked, [this, i, refresh] {
            cmdMoveFields_Click(i);
            refresh();
        });
    }
    const auto onChosen = [refresh](QRadioButton* option, std::function<void()> click) {
        QObject::connect(option, &QRadioButton::toggled, [click = std::move(click), refresh](bool checked) {
            if (checked) {
                click();
                refresh();
            }
        });
    };
    onChosen(first.always, [this] { optA1Always_Click(); });
    onChosen(first.sometimes, [this] { optA1Sometimes_Click(); });
    onChosen(first.one, [this] { optA1One_Click(); });
    onChosen(first.many, [this] { optA1Many_Click(); });
    onChosen(second.always, [this] { optA2Always_Click(); });
    onChosen(second.sometimes, [this] { optA2Sometimes_Click(); });
    onChosen(second.one, [this] { optA2One_Click(); });
    onChosen(second.many, [this] { optA2Many_Click(); });
    QObject::connect(first.description, &QLineEdit::textEdited,
                     [this](const QString& text) { txtAssoc1Name_Change(text.toStdString()); });
    QObject::connect(second.description, &QLineEdit::textEdited,
                     [this](const QString& text) { txtAssoc2Name_Change(text.toStdString()); });
    QObject::connect(tabs, &QTabWidget::currentChanged, [this, refresh, firstFields](int tab) {
        SSTab1_Click(tab);
        refresh();
        firstFields[static_cast<size_t>(SSTab1())]->setFocus();
    });
    QObject::connect(matched, &QTreeWidget::currentItemChanged, [this, matched](QTreeWidgetItem* item) {
        MatchedListView.ListIndex = item ? matched->indexOfTopLevelItem(item) : -1;
    });
    QObject::connect(matched, &QTreeWidget::itemDoubleClicked,
                     [this, matched, refresh](QTreeWidgetItem* item) {
                         MatchedListView.ListIndex = matched->indexOfTopLevelItem(item);
                         MatchedListView_DblClick();
                         refresh();
                     });
    refresh();
    relType->setFocus();
    dialog.resize(520, 380);
    dialog.exec();
}

}  // namespace builder
