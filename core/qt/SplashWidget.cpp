// The about box's Qt form: modeless, closed by its OK button, a key (a modifier alone is none) or a click,
// and wide enough for its title.

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AddInTitle.h"
#include "core/frmSplash.h"
#include "platform/ui/DialogButtons.h"
#include "platform/ui/WindowFit.h"

namespace core {
namespace {

bool IsModifier(int key) {
    for (const int modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta, Qt::Key_Alt, Qt::Key_AltGr,
                               Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_Hyper_L, Qt::Key_Hyper_R}) {
        if (key == modifier)
            return true;
    }
    return false;
}

class SplashForm : public QDialog {
  public:
    SplashForm() {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName("frmSplash");
        setWindowTitle(kAddInTitle);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(kAddInTitle));
        layout->addWidget(new QLabel("for Visual Basic"));
        layout->addWidget(new QLabel(QString::fromStdString(frmSplash::VersionText())));
        auto* buttons = ui::DialogButtonRow(*this, QDialogButtonBox::Ok, {[this] { close(); }, {}, {}});
        buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
        layout->addWidget(buttons);
        ui::FitToContents(*this);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // A modifier alone starts a shortcut: closing at Alt would hand Alt+F4 on to the main window.
        if (!IsModifier(event->key()))
            close();
    }
    void mousePressEvent(QMouseEvent*) override { close(); }
};

}  // namespace

void frmSplash::Show() {
    (new SplashForm)->show();
}

}  // namespace core
