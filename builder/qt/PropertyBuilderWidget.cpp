// The property dialog as a Qt dialog: the "General" and "Permitted Values" tabs over the logic's state.

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "builder/frmPropertyBuilder.h"
#include "builder/qt/ControlWidgets.h"

namespace builder {
namespace {

struct ComboRow {
    const char* label;
    const char* name;
    ComboBox* box;
};

}  // namespace

void frmPropertyBuilder::ShowWidget() {
    QDialog dialog;
    dialog.setObjectName("frmPropertyBuilder");
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = qt::Named<QTabWidget>("SSTab1");
    layout->addWidget(tabs);

    // "General"
    auto* general = new QWidget;
    auto* generalLayout = new QHBoxLayout(general);
    auto* left = new QFormLayout;
    generalLayout->addLayout(left);
    auto* name = qt::Named<QLineEdit>("txtName");
    auto* label = qt::Named<QLineEdit>("txtLabel");
    std::vector<std::pair<QComboBox*, ComboBox*>> combos;
    const auto addCombo = [&combos](QFormLayout* form, const ComboRow& row) {
        auto* combo = qt::Named<QComboBox>(row.name);
        form->addRow(row.label, combo);
        combos.emplace_back(combo, row.box);
        return combo;
    };
    left->addRow("Name:", name);
    addCombo(left, {"Access:", "cmbAccess", &cmbAccess});
    left->addRow("Label:", label);
    QComboBox* primaryKey = addCombo(left, {"Primary Key:", "cmbPrimaryKey", &cmbPrimaryKey});
    QComboBox* mandatory = addCombo(left, {"Mandatory:", "cmbMandatory", &cmbMandatory});
    addCombo(left, {"Unique:", "cmbUnique", &cmbUnique});
    addCombo(left, {"Control Type:", "cmbControlType", &cmbControlType});
    auto* readOnly = qt::Named<QGroupBox>("framReadOnly");
    readOnly->setTitle("Read Only Database Properties");
    auto* right = new QFormLayout(readOnly);
    addCombo(right, {"Data Type:", "cmbDataType", &cmbDataType});
    auto* length = qt::Named<QLineEdit>("txtLength");
    right->addRow("Length:", length);
    addCombo(right, {"Foreign Key:", "cmbForeignKey", &cmbForeignKey});
    auto* fieldName = qt::Named<QLineEdit>("txtFieldName");
    auto* tableName = qt::Named<QLineEdit>("txtTableName");
    right->addRow("Field Name:", fieldName);
    right->addRow("Table Name:", tableName);
    addCombo(right, {"Type:", "cmbKeyType", &cmbKeyType});
    generalLayout->addWidget(readOnly, 0, Qt::AlignTop);
    tabs->addTab(general, "General");

    // "Permitted Values"
    auto* values = new QWidget;
    auto* valuesLayout = new QVBoxLayout(values);
    auto* frame = qt::Named<QGroupBox>("framePVs");
    frame->setTitle("Permitted Values");
    valuesLayout->addWidget(frame);
    auto* frameLayout = new QVBoxLayout(frame);
    auto* optionRow = new QHBoxLayout;
    frameLayout->addLayout(optionRow);
    std::array<QRadioButton*, 4> options{};
    const char* captions[] = {"None", "List", "Foreign Key Lookup", "Range"};
    for (int i = 0; i < 4; ++i) {
        options[i] = qt::Named<QRadioButton>("optPV");
        options[i]->setText(captions[i]);
        options[i]->setProperty("Index", i);
        optionRow->addWidget(options[i]);
    }
    optionRow->addStretch();
    auto* grid = new QGridLayout;
    frameLayout->addLayout(grid);
    frameLayout->addStretch();
    auto* pvLabel = qt::Named<QLabel>("lblPV");
    auto* upperLabel = qt::Named<QLabel>("lblUpperPV");
    upperLabel->setText("Upper Bound:");
    auto* pvCombo = qt::Named<QComboBox>("cmbPV");
    auto* perVal = qt::Named<QLineEdit>("txtPerVal");
    auto* dash = qt::Named<QLabel>("lblDash");
    dash->setText("-");
    auto* upper = qt::Named<QLineEdit>("txtUpperPV");
    auto* list = qt::Named<QListWidget>("lstPermittedValues");
    std::array<QPushButton*, 2> moves{};
    moves[0] = qt::Named<QPushButton>("cmdMoveFields");
    moves[0]->setText(">");
    moves[1] = qt::Named<QPushButton>("cmdMoveFields");
    moves[1]->setText("<");
    for (auto* move : moves) {
        move->setAutoDefault(false);
        move->setFixedWidth(36);
    }
    grid->addWidget(pvLabel, 0, 0);
    grid->addWidget(upperLabel, 0, 2);
    grid->addWidget(pvCombo, 1, 0, 1, 2);
    grid->addWidget(perVal, 2, 0, Qt::AlignTop);
    grid->addWidget(moves[0], 2, 1, Qt::AlignTop);
    grid->addWidget(dash, 2, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(list, 2, 2, 2, 1);
    grid->addWidget(upper, 2, 2, Qt::AlignTop);
    grid->addWidget(moves[1], 3, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    tabs->addTab(values, "Permitted Values");

    QPushButton* ok = nullptr;

    const auto refresh = [=, this, &dialog, &ok] {
        dialog.setWindowTitle(qt::Text(Caption()));
        qt::Mirror(name, txtName);
        qt::Mirror(label, txtLabel);
        qt::Mirror(length, txtLength);
        qt::Mirror(fieldName, txtFieldName);
        qt::Mirror(tableName, txtTableName);
        for (const auto& [combo, box] : combos)
            qt::Mirror(combo, *box);
        {
            const QSignalBlocker blocker(tabs);
            tabs->setCurrentIndex(Tab());
        }
        for (int i = 0; i < 4; ++i) {
            const QSignalBlocker blocker(options[i]);
            options[i]->setChecked(SelectedOption() == i);
            options[i]->setVisible(optPVVisible[i]);
        }
        pvLabel->setText(qt::Text(lblPV.Text));
        pvLabel->setVisible(lblPV.Visible);
        qt::Mirror(pvCombo, cmbPV);
        qt::Mirror(perVal, txtPerVal);
        dash->setVisible(lblDashVisible);
        upperLabel->setVisible(lblUpperPVVisible);
        qt::Mirror(upper, txtUpperPV);
        qt::Mirror(list, lstPermittedValues);
        for (int i = 0; i < 2; ++i)
            moves[i]->setVisible(cmdMoveFieldsVisible[i]);
        ok->setEnabled(cmdOKEnabled());
        if (!IsLoaded())
            dialog.done(QDialog::Accepted);
    };

    ok = qt::AddOKCancelHelp(dialog, *layout, *this, refresh, [this] { return IsLoaded(); });
    QObject::connect(name, &QLineEdit::textEdited, [this, refresh](const QString& text) {
        txtName_Change(text.toStdString());
        refresh();
    });
    const auto bindText = [](QLineEdit* edit, TextBox& box) {
        QObject::connect(edit, &QLineEdit::textEdited,
                         [&box](const QString& text) { box.Text = text.toStdString(); });
    };
    bindText(label, txtLabel);
    bindText(length, txtLength);
    bindText(perVal, txtPerVal);
    bindText(upper, txtUpperPV);
    for (const auto& [combo, box] : combos)
        QObject::connect(combo, &QComboBox::activated, [box](int index) { box->SetListIndex(index); });
    QObject::connect(pvCombo, &QComboBox::activated, [this](int index) { cmbPV.SetListIndex(index); });
    QObject::connect(list, &QListWidget::currentRowChanged,
                     [this](int row) { lstPermittedValues.ListIndex = row; });
    const auto onFocusOut = [refresh](QWidget* widget, auto lostFocus) {
        qt::OnFocusOut(widget, [refresh, lostFocus] {
            lostFocus();
            refresh();
        });
    };
    onFocusOut(name, [this] { txtName_LostFocus(); });
    onFocusOut(primaryKey, [this] { cmbPrimaryKey_LostFocus(); });
    onFocusOut(mandatory, [this] { cmbMandatory_LostFocus(); });
    // A refused bound keeps the focus in its box.
    onFocusOut(perVal, [this, &dialog] {
        txtPerVal_LostFocus();
        qt::FocusNamed(&dialog, Focus());
    });
    onFocusOut(upper, [this, &dialog] {
        txtUpperPV_LostFocus();
        qt::FocusNamed(&dialog, Focus());
    });
    QObject::connect(tabs, &QTabWidget::currentChanged, [this, refresh](int tab) {
        SSTab1_Click(tab);
        refresh();
    });
    for (int i = 0; i < 4; ++i) {
        QObject::connect(options[i], &QRadioButton::toggled, [this, refresh, i](bool on) {
            if (on) {
                optPV_Click(static_cast<PVOption>(i));
                refresh();
            }
        });
    }
    for (int i = 0; i < 2; ++i) {
        QObject::connect(moves[i], &QPushButton::clicked, [this, refresh, &dialog, i] {
            cmdMoveFields_Click(i);
            refresh();
            qt::FocusNamed(&dialog, Focus());
        });
    }
    refresh();
    name->setFocus();
    dialog.resize(620, dialog.sizeHint().height());
    dialog.exec();
}

}  // namespace builder
