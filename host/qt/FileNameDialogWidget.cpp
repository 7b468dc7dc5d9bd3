// The group-file question as the platform's file dialog.

#include <QFileDialog>

#include "host/FileNameDialog.h"

namespace host {

void FileNameDialog::ShowWidget() {
    const QString title = QString::fromStdString(DialogName());
    const QString start = QString::fromStdString(mSuggestion.string());
    const QString filter = "Project Group Files (*.vbg)";
    const QString file = mPurpose == Purpose::OpenGroup
                             ? QFileDialog::getOpenFileName(nullptr, title, start, filter)
                             : QFileDialog::getSaveFileName(nullptr, title, start, filter);
    if (!file.isEmpty())
        Choose(file.toStdString());
}

}  // namespace host
