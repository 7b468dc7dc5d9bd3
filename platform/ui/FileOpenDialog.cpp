#include "platform/ui/FileOpenDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace ui {

std::vector<std::string> FileOpenDialog::NameFilters() const {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= Filter.size() && !Filter.empty()) {
        const auto bar = Filter.find('|', start);
        parts.push_back(Filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<std::string> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string pattern = parts[i + 1];
        for (char& c : pattern) {
            if (c == ';')
                c = ' ';
        }
        const std::string& description = parts[i];
        const std::string suffix = "(" + pattern + ")";
        const bool named =
            description.size() >= suffix.size() &&
            description.compare(description.size() - suffix.size(), suffix.size(), suffix) == 0;
        filters.push_back(named ? description : description + " " + suffix);
    }
    return filters;
}

void FileOpenDialog::ShowWidget() {
    QFileDialog dialog;
    dialog.setWindowTitle(QString::fromStdString(DialogTitle));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList names;
    for (const std::string& name : NameFilters())
        names << QString::fromStdString(name);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const int index = FilterIndex >= 1 && FilterIndex <= names.size() ? FilterIndex - 1 : 0;
        dialog.selectNameFilter(names[index]);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    FileName = dialog.selectedFiles().front().toStdString();
    IsCanceled = false;
}

}  // namespace ui
