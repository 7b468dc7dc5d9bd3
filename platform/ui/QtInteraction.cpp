#include "platform/ui/QtInteraction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/ui/WindowFit.h"

namespace ui {
namespace {

using AnswerButton = std::pair<int32_t, QMessageBox::StandardButton>;

// The style the builder's refusals pass (no sum of the platform's codes): an OK box with the stop icon.
constexpr int32_t kRefusalStyle = 10;

std::vector<AnswerButton> ButtonsOf(int32_t buttons) {
    if (buttons == kRefusalStyle)
        return {{vbOK, QMessageBox::Ok}};
    switch (buttons & 7) {
        case vbOKCancel:
            return {{vbOK, QMessageBox::Ok}, {vbCancel, QMessageBox::Cancel}};
        case vbAbortRetryIgnore:
            return {{vbAbort, QMessageBox::Abort},
                    {vbRetry, QMessageBox::Retry},
                    {vbIgnore, QMessageBox::Ignore}};
        case vbYesNoCancel:
            return {{vbYes, QMessageBox::Yes}, {vbNo, QMessageBox::No}, {vbCancel, QMessageBox::Cancel}};
        case vbYesNo:
            return {{vbYes, QMessageBox::Yes}, {vbNo, QMessageBox::No}};
        case vbRetryCancel:
            return {{vbRetry, QMessageBox::Retry}, {vbCancel, QMessageBox::Cancel}};
        default:
            return {{vbOK, QMessageBox::Ok}};
    }
}

QMessageBox::Icon IconOf(int32_t buttons) {
    if (buttons == kRefusalStyle)
        return QMessageBox::Critical;
    switch (buttons & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbQuestion:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// A box without Cancel waits for one of its answers: Escape and the window's close button do nothing. With
// Cancel (or OK alone) they answer as Qt has them. A text taller than the screen scrolls, its buttons below
// it on the screen.
class AnswerBox : public QMessageBox {
  public:
    AnswerBox(Icon icon, const QString& title, const QString& text, bool mustAnswer)
        : QMessageBox(icon, title, text), mMustAnswer(mustAnswer) {}

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sized to the whole text
        const int room = RoomOnScreen(*this).height();
        if (height() > room)
            ScrollText(room);
        KeepOnScreen(*this);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!mMustAnswer || !event->matches(QKeySequence::Cancel))
            QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (mMustAnswer)
            event->ignore();
        else
            QMessageBox::closeEvent(event);
    }

  private:
    // The text in a scrolling area, the box `height` tall.
    void ScrollText(int height) {
        auto* text = findChild<QLabel*>("qt_msgbox_label");
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (text == nullptr || grid == nullptr)
            return;
        auto* scroll = new QScrollArea;
        scroll->setObjectName("ScrolledText");
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        delete grid->replaceWidget(text, scroll);
        scroll->setWidget(text);
        scroll->show();  // shown with the box, which is showing already
        setFixedSize(width() + scroll->verticalScrollBar()->sizeHint().width(), height);
    }

    bool mMustAnswer;
};

}  // namespace

void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static std::array<char, 7> name = {'o', 's', 't', 'r', 'e', 'l', '\0'};
        static std::array<char*, 2> argv = {name.data(), nullptr};
        static QApplication application(argc, argv.data());
    }
    KeepWindowsOnScreen();
}

int32_t QtInteraction::MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) {
    EnsureApplication();
    const std::vector<AnswerButton> answerButtons = ButtonsOf(buttons);
    const bool hasCancel = std::any_of(answerButtons.begin(), answerButtons.end(),
                                       [](const AnswerButton& button) { return button.first == vbCancel; });
    AnswerBox box(IconOf(buttons), QString::fromStdString(title), QString::fromStdString(prompt),
                  !hasCancel && answerButtons.size() > 1);
    const int32_t defaultAnswer = DefaultButton(buttons);
    for (const auto& [answer, standard] : answerButtons) {
        QPushButton* button = box.addButton(standard);
        if (answer == defaultAnswer)
            box.setDefaultButton(button);
    }
    // The box sizes itself from its layout when shown: a strut keeps its title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
    for (const auto& [answer, standard] : answerButtons) {
        if (box.clickedButton() == box.button(standard))
            return answer;
    }
    // Closed by no button of its own (its owner went): the answer that changes nothing.
    return hasCancel ? vbCancel : defaultAnswer;
}

void QtInteraction::ShowModal(ModalDialog& dialog) {
    EnsureApplication();
    dialog.ShowWidget();
}

void QtInteraction::ShowModeless(ModelessWindow& window) {
    EnsureApplication();
    window.ShowWidget();
}

void QtInteraction::CloseModeless(ModelessWindow& window) {
    window.CloseWidget();
}

void QtInteraction::SetMousePointer(MousePointer pointer) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    if (pointer == MousePointer::Hourglass) {
        if (QGuiApplication::overrideCursor() == nullptr)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
}

MousePointer QtInteraction::Pointer() const {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return MousePointer::Default;
    return QGuiApplication::overrideCursor() != nullptr ? MousePointer::Hourglass : MousePointer::Default;
}

void QtInteraction::Beep() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        QApplication::beep();
}

void QtInteraction::ShowHelp(const std::string& helpFile, int32_t context) {
    MsgBox("Help topic " + std::to_string(context) + " of " + helpFile + " is not available on this system.",
           vbInformation, "Help");
}

}  // namespace ui
