#include "host/qt/CodeEditor.h"

#include <QFontDatabase>
#include <QSignalBlocker>
#include <QTextBlock>

#include <string>
#include <vector>

namespace host {
namespace {

QString TextOf(const vbide::CodeModule& module) {
    QStringList lines;
    for (const std::string& line : module.AllLines())
        lines.push_back(QString::fromStdString(line));
    return lines.join('\n');
}

}  // namespace

CodeEditor::CodeEditor(std::weak_ptr<vbide::VBComponent> component, QWidget* parent)
    : QPlainTextEdit(parent), mComponent(std::move(component)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    Synchronise();
    connect(this, &QPlainTextEdit::textChanged, this, &CodeEditor::WriteToModule);
}

void CodeEditor::Synchronise() {
    const auto component = mComponent.lock();
    if (!component)
        return;
    const QString text = TextOf(*component->CodeModule());
    if (text == toPlainText())
        return;
    const int position = textCursor().position();
    const QSignalBlocker quiet(this);
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text.size())));
    setTextCursor(cursor);
}

void CodeEditor::WriteToModule() {
    const auto component = mComponent.lock();
    if (!component)
        return;
    std::vector<std::string> lines;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    // An empty window is a module without lines, not one with an empty line.
    if (lines.size() == 1 && lines.front().empty())
        lines.clear();
    component->CodeModule()->SetAllLines(std::move(lines));
}

}  // namespace host
