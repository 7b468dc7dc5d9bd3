#include "host/qt/FormView.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>

#include "host/FormLayout.h"

namespace host {
namespace {

constexpr int kMargin = 12;
constexpr int kBorder = 4;
constexpr int kTitleHeight = 22;
constexpr int kGridStep = 8;
constexpr int kIndicator = 13;
constexpr int kChoiceGap = 5;
constexpr int kFrameCaptionLeft = 6;
constexpr int kFrameCaptionPadding = 4;
constexpr int kButtonPadding = 4;
constexpr int kMenuBarHeight = 20;
constexpr int kMenuGap = 14;
constexpr int kToolbarButtonWidth = 56;
// VB's default form font is 8-point MS Sans Serif: at 15 twips a pixel, a 13-pixel cell with 11 pixels
// above the baseline. Wine's bitmap copy of it (Debian's fonts-wine) has the same advance widths, so a
// caption fits wherever it fits in VB; without it, the application's font at that size stands in.
constexpr const char* kFormFontFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr int kFormFontPixels = 11;
const QColor kFace(212, 208, 200);

QRect ToRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

void DrawSunkenBox(QPainter& painter, const QRect& rect) {
    const QBrush white(Qt::white);
    qDrawWinPanel(&painter, rect, QApplication::palette(), true, &white);
}

// The text in the rectangle, cut where the rectangle ends as VB cuts it.
void DrawText(QPainter& painter, const QRect& rect, const QString& text, int flags) {
    painter.save();
    painter.setPen(Qt::black);
    painter.drawText(rect, flags | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    painter.restore();
}

QString Shown(const QString& caption) {
    QString shown = caption;
    shown.remove('&');
    return shown;
}

void DrawButton(QPainter& painter, const QRect& rect, const QString& caption) {
    const QBrush face(kFace);
    qDrawWinButton(&painter, rect, QApplication::palette(), false, &face);
    DrawText(painter, rect.adjusted(kButtonPadding, 0, -kButtonPadding, 0), caption, Qt::AlignCenter);
}

// The caption sits on the top border, on a strip of the face colour as wide as it, within the frame.
void DrawFrame(QPainter& painter, const QRect& rect, const QString& caption) {
    const int textTop = painter.fontMetrics().height() / 2;
    const QRect border = rect.adjusted(0, textTop, -1, -1);
    painter.setPen(Qt::gray);
    painter.drawRect(border);
    painter.setPen(Qt::white);
    painter.drawRect(border.adjusted(1, 1, 1, 1));
    if (caption.isEmpty())
        return;
    const int room = rect.width() - 2 * kFrameCaptionLeft;
    const int width =
        std::min(painter.fontMetrics().horizontalAdvance(Shown(caption)) + kFrameCaptionPadding, room);
    const QRect label(rect.left() + kFrameCaptionLeft, rect.top(), width, painter.fontMetrics().height());
    painter.fillRect(label, kFace);
    DrawText(painter, label, caption, Qt::AlignCenter);
}

void DrawListView(QPainter& painter, const QRect& rect) {
    DrawSunkenBox(painter, rect);
    // A report view's header strip.
    const int height = painter.fontMetrics().height() + 4;
    const QRect header(rect.left() + 2, rect.top() + 2, rect.width() - 4,
                       std::min(height, rect.height() - 4));
    if (header.height() <= 0)
        return;
    const QBrush face(kFace);
    qDrawWinButton(&painter, header, QApplication::palette(), false, &face);
}

void DrawChoice(QPainter& painter, const QRect& rect, const QString& caption, bool round) {
    const QRect indicator(rect.left(), rect.center().y() - kIndicator / 2, kIndicator, kIndicator);
    painter.setPen(Qt::darkGray);
    painter.setBrush(Qt::white);
    if (round)
        painter.drawEllipse(indicator);
    else
        painter.drawRect(indicator);
    painter.setBrush(Qt::NoBrush);
    DrawText(painter, rect.adjusted(kIndicator + kChoiceGap, 0, 0, 0), caption,
             Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawComboBox(QPainter& painter, const QRect& rect, const QString& text) {
    DrawSunkenBox(painter, rect);
    const int side = std::max(0, rect.height() - 4);
    const QRect arrow(rect.right() - side - 1, rect.top() + 2, side, side);
    const QBrush face(kFace);
    qDrawWinButton(&painter, arrow, QApplication::palette(), false, &face);
    DrawText(painter, arrow, QString(QChar(0x25BC)), Qt::AlignCenter);
    DrawText(painter, rect.adjusted(4, 0, -side - 2, 0), text, Qt::AlignLeft | Qt::AlignVCenter);
}

// A toolbar aligned at the top: a raised strip of captioned buttons, as many as fit.
void DrawToolbar(QPainter& painter, const QRect& rect, const std::vector<std::string>& buttons) {
    const QBrush face(kFace);
    qDrawWinButton(&painter, rect, QApplication::palette(), false, &face);
    QRect button(rect.left() + 3, rect.top() + 3, kToolbarButtonWidth, std::max(0, rect.height() - 6));
    for (const std::string& caption : buttons) {
        if (button.right() > rect.right())
            break;
        qDrawWinButton(&painter, button, QApplication::palette(), false, &face);
        DrawText(painter, button, QString::fromStdString(caption), Qt::AlignCenter);
        button.translate(kToolbarButtonWidth + 2, 0);
    }
}

// The top-level menus' captions, "&" marking the access key, on a strip under the title.
void DrawMenuBar(QPainter& painter, const QRect& strip, const std::vector<std::string>& captions) {
    painter.fillRect(strip, kFace);
    int left = strip.left() + 6;
    for (const std::string& caption : captions) {
        const QString text = QString::fromStdString(caption);
        const int width = painter.fontMetrics().horizontalAdvance(Shown(text));
        DrawText(painter, QRect(left, strip.top(), width + 2, strip.height()), text,
                 Qt::AlignLeft | Qt::AlignVCenter);
        left += width + kMenuGap;
    }
}

int MenuBarHeight(const FormPicture& picture) {
    return picture.menuBar.empty() ? 0 : kMenuBarHeight;
}

void DrawControl(QPainter& painter, const PlacedControl& control) {
    const QRect rect = ToRect(control.rect);
    const QString caption = QString::fromStdString(control.caption);
    painter.save();
    painter.setClipRect(ToRect(control.clip));
    switch (control.look) {
        case ControlLook::Button:
            DrawButton(painter, rect, caption);
            break;
        case ControlLook::Frame:
            DrawFrame(painter, rect, caption);
            break;
        case ControlLook::ListView:
            DrawListView(painter, rect);
            break;
        case ControlLook::Label: {
            painter.fillRect(rect, kFace);
            const Qt::Alignment horizontal = control.alignment == 1   ? Qt::AlignRight
                                             : control.alignment == 2 ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
            DrawText(painter, rect, caption, horizontal | Qt::AlignTop);
            break;
        }
        case ControlLook::TextBox:
            DrawSunkenBox(painter, rect);
            DrawText(painter, rect.adjusted(4, 0, -4, 0), caption, Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case ControlLook::CheckBox:
        case ControlLook::OptionButton:
            painter.fillRect(rect, kFace);
            DrawChoice(painter, rect, caption, control.look == ControlLook::OptionButton);
            break;
        case ControlLook::ComboBox:
            DrawComboBox(painter, rect, caption);
            break;
        case ControlLook::ListBox:
            DrawSunkenBox(painter, rect);
            break;
        case ControlLook::Toolbar:
            DrawToolbar(painter, rect, control.buttons);
            break;
        case ControlLook::Other:
            painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            DrawText(painter, rect, QString::fromStdString(control.name), Qt::AlignCenter);
            break;
    }
    painter.restore();
}

void DrawGrid(QPainter& painter, const QRect& client) {
    painter.setPen(Qt::black);
    for (int y = client.top(); y < client.bottom(); y += kGridStep) {
        for (int x = client.left(); x < client.right(); x += kGridStep)
            painter.drawPoint(x, y);
    }
}

}  // namespace

QFont FormFont() {
    static const QString family = [] {
        const QStringList families =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(kFormFontFile));
        return families.isEmpty() ? QString() : families.front();
    }();
    QFont font = family.isEmpty() ? QApplication::font() : QFont(family);
    font.setPixelSize(kFormFontPixels);
    return font;
}

int CaptionRoom(const PlacedControl& control) {
    switch (control.look) {
        case ControlLook::Button:
            return control.rect.width - 2 * kButtonPadding;
        case ControlLook::Frame:
            return control.rect.width - 2 * kFrameCaptionLeft - kFrameCaptionPadding;
        case ControlLook::CheckBox:
        case ControlLook::OptionButton:
            return control.rect.width - kIndicator - kChoiceGap;
        default:
            return control.rect.width;
    }
}

FormView::FormView(std::weak_ptr<vbide::FormDesigner> designer, QWidget* parent)
    : QWidget(parent), mDesigner(std::move(designer)) {
    setFont(FormFont());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(background);
}

QSize FormView::sizeHint() const {
    const auto designer = mDesigner.lock();
    if (!designer)
        return {200, 150};
    const FormPicture picture = LayOutForm(*designer);
    return {picture.width + 2 * (kMargin + kBorder),
            picture.height + 2 * (kMargin + kBorder) + kTitleHeight + MenuBarHeight(picture)};
}

void FormView::paintEvent(QPaintEvent*) {
    const auto designer = mDesigner.lock();
    if (!designer)
        return;
    const FormPicture picture = LayOutForm(*designer);
    QPainter painter(this);
    const int menuHeight = MenuBarHeight(picture);
    const QRect outer(kMargin, kMargin, picture.width + 2 * kBorder,
                      picture.height + 2 * kBorder + kTitleHeight + menuHeight);
    const QBrush face(kFace);
    qDrawWinButton(&painter, outer, QApplication::palette(), false, &face);
    const QRect title(outer.left() + kBorder, outer.top() + kBorder, picture.width, kTitleHeight - 2);
    painter.fillRect(title, QColor(0, 0, 128));
    painter.setPen(Qt::white);
    // The title bar's font is the system's, bold.
    QFont bold = QApplication::font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(title.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(picture.caption));
    painter.setFont(font());

    if (menuHeight > 0)
        DrawMenuBar(painter, QRect(outer.left() + kBorder, title.bottom() + 2, picture.width, menuHeight),
                    picture.menuBar);
    const QRect client(outer.left() + kBorder, title.bottom() + 3 + menuHeight, picture.width,
                       picture.height);
    painter.fillRect(client, kFace);
    painter.setClipRect(client);
    DrawGrid(painter, client);
    painter.translate(client.topLeft());
    for (const PlacedControl& control : picture.controls)
        DrawControl(painter, control);
}

}  // namespace host
