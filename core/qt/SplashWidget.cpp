// The about box's Qt form: modeless, closed by a key or a click.

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/AddInTitle.h"
#include "core/frmSplash.h"

namespace core {
namespace {

class SplashForm : public QDialog {
  public:
    SplashForm() {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(kAddInTitle);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(kAddInTitle));
        layout->addWidget(new QLabel("for Visual Basic"));
        layout->addWidget(new QLabel(QString::fromStdString(frmSplash::VersionText())));
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
