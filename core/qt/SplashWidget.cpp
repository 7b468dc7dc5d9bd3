// The about box's Qt form: modeless, closed by its OK button, a key or a click, and wide enough for its
// title.

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
    void keyPressEvent(QKeyEvent*) override { close(); }
    void mousePressEvent(QMouseEvent*) override { close(); }
};

}  // namespace

void frmSplash::Show() {
    (new SplashForm)->show();
}

}  // namespace core
