// The generate-code dialog as a Qt window.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/frmCodeGeneration.h"

namespace core {
namespace {

class CodeGenerationWidget : public ui::ModelessView {
  public:
    explicit CodeGenerationWidget(frmCodeGeneration& form) : mForm(form) {
        mWindow.setWindowTitle("Generate Code");
        auto* layout = new QVBoxLayout(&mWindow);
        auto* tabs = new QTabWidget;
        auto* page = new QWidget;
        tabs->addTab(page, "Ge&nerate Code");
        for (const char* disabled : {"*Application &Security", "Da&tabase", "&Utilities"}) {
            tabs->setTabEnabled(tabs->addTab(new QWidget, disabled), false);
        }
        layout->addWidget(tabs);

        auto* pageLayout = new QVBoxLayout(page);
        mGrid = new QTableWidget(0, 2);
        mGrid->setObjectName("grdBuildBusObj");
        mGrid->setHorizontalHeaderLabels({"Name", frmCodeGeneration::kSelectionColumn});
        mGrid->horizontalHeader()->setStretchLastSection(true);
        mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        pageLayout->addWidget(mGrid);
        QObject::connect(mGrid, &QTableWidget::cellClicked, [this](int row, int column) {
            mForm.grdBuildBusObj_Click(row + 1, mGrid->horizontalHeaderItem(column)->text().toStdString());
        });

        auto* forms = new QGroupBox("Form Generation");
        auto* formsLayout = new QHBoxLayout(forms);
        auto* allForms = new QRadioButton("All Forms");
        auto* noForms = new QRadioButton("No Forms");
        allForms->setChecked(mForm.AllForms());
        noForms->setChecked(!mForm.AllForms());
        formsLayout->addWidget(allForms);
        formsLayout->addWidget(noForms);
        pageLayout->addWidget(forms);
        QObject::connect(allForms, &QRadioButton::toggled, [this](bool on) { mForm.SetAllForms(on); });

        auto* prompt = new QCheckBox("Prompt for options during code generation");
        pageLayout->addWidget(prompt);
        QObject::connect(prompt, &QCheckBox::toggled, [this](bool on) { mForm.chkPrompt_Click(on); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        auto* generate = new QPushButton("&Generate");
        auto* cancel = new QPushButton("&Cancel");
        auto* help = new QPushButton("&Help");
        for (auto* button : {generate, cancel, help})
            buttons->addWidget(button);
        layout->addLayout(buttons);
        QObject::connect(generate, &QPushButton::clicked, [this] { mForm.cmdGenerate_Click(); });
        QObject::connect(cancel, &QPushButton::clicked, [this] { mForm.cmdCancel_Click(); });
        QObject::connect(help, &QPushButton::clicked, [this] { mForm.cmdHelp_Click(); });

        mStatus = new QStatusBar;
        layout->addWidget(mStatus);
        mWindow.resize(480, 420);
        mGrid->setFocus();
        Refresh();
    }

    void Refresh() override {
        const auto& table = mForm.SelectionTable();
        mGrid->setRowCount(static_cast<int>(table.size()));
        for (int row = 0; row < static_cast<int>(table.size()); ++row) {
            const auto& selection = table[static_cast<size_t>(row)];
            mGrid->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(selection.name)));
            auto* flag = new QTableWidgetItem;
            flag->setCheckState(selection.selected == 1 ? Qt::Checked : Qt::Unchecked);
            flag->setFlags(Qt::ItemIsEnabled);
            mGrid->setItem(row, 1, flag);
        }
        mStatus->showMessage(QString::fromStdString(mForm.StatusText()));
    }

    void SetVisible(bool visible) override { mWindow.setVisible(visible); }

  private:
    frmCodeGeneration& mForm;
    QDialog mWindow;
    QTableWidget* mGrid;
    QStatusBar* mStatus;
};

}  // namespace

void frmCodeGeneration::ShowWidget() {
    if (!mView)
        mView = std::make_unique<CodeGenerationWidget>(*this);
    mView->Refresh();
    mView->SetVisible(true);
}

void frmCodeGeneration::CloseWidget() {
    mView.reset();
}

}  // namespace core
