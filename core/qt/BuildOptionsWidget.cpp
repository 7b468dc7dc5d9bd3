// The build options dialog as a Qt dialog.

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/frmBuildOptions.h"
#include "platform/ui/DialogButtons.h"
#include "platform/ui/WindowFit.h"

namespace core {

void frmBuildOptions::ShowWidget() {
    QDialog dialog;
    dialog.setWindowTitle("Build Options");
    auto* layout = new QVBoxLayout(&dialog);
    auto* frame = new QGroupBox("Application Architecture");
    auto* grid = new QGridLayout(frame);
    layout->addWidget(frame);

    struct Row {
        List list;
        const char* label;
    };
    struct OptionRows {
        Option option;
        const char* name;
        const char* caption;
        std::vector<Row> rows;
    };
    const OptionRows options[] = {
        {Option::SingleTier,
         "opt1Tier",
         "Single Executable",
         {{cmb1Tier, "Place all generated VB components in this Standard EXE project"}}},
        {Option::TwoTier,
         "opt2Tier",
         "2-Tier Architecture",
         {{cmb2TierA, "Place Forms and logical Business Object classes in this Standard EXE project"},
          {cmb2TierB, "Place physical Business Object classes in this ActiveX EXE project"}}},
        {Option::ThreeTier,
         "opt3Tier",
         "3-Tier Architecture",
         {{cmb3TierA, "Place Forms in this Standard EXE project"},
          {cmb3TierB, "Place logical Business Object classes in this ActiveX DLL project"},
          {cmb3TierC, "Place physical Business Object classes in this ActiveX EXE project"}}},
    };
    int line = 0;
    for (const auto& option : options) {
        auto* button = new QRadioButton(option.caption);
        button->setObjectName(option.name);
        button->setChecked(SelectedOption() == option.option);
        QObject::connect(button, &QRadioButton::toggled, [this, option = option.option](bool on) {
            if (on)
                SelectOption(option);
        });
        grid->addWidget(button, line++, 0, 1, 2);
        for (const auto& row : option.rows) {
            auto* combo = new QComboBox;
            for (const auto& entry : Entries(row.list))
                combo->addItem(QString::fromStdString(entry));
            combo->setCurrentIndex(Text(row.list).empty() ? -1 : 0);
            QObject::connect(combo, &QComboBox::currentIndexChanged,
                             [this, list = row.list](int index) { Select(list, index + 1); });
            grid->addWidget(new QLabel(row.label), line, 0);
            grid->addWidget(combo, line++, 1);
        }
    }

    layout->addWidget(ui::DialogButtonRow(dialog, QDialogButtonBox::Ok | QDialogButtonBox::Help,
                                          {[this] { cmdOK_Click(); }, {}, [this] { cmdHelp_Click(); }}));
    ui::FitToContents(dialog);
    dialog.exec();
}

}  // namespace core
