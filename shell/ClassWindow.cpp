#include "ClassWindow.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/WindowMessages.h"
#include "platform/window/DeviceContexts.h"
#include "platform/window/SystemMenu.h"
#include "platform/window/WindowCapture.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRubberBand>
#include <QScreen>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace gb {
namespace {

constexpr int kAnimationSteps = 10;
constexpr uint32_t kAnimationStepMilliseconds = 15;

enum : int {
    COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2, COLOR_INACTIVECAPTION = 3, COLOR_CAPTIONTEXT = 9,
    COLOR_BTNSHADOW = 16, COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22, COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
};

QColor Sys(int index) {
    uint32_t c = GetSysColor(index);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The notification area of this desktop: its lower right corner.
QRect TrayArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return QRect(area.right() - 24, area.bottom() - 24, 24, 24);
}

QRect WindowRectOf(Hwnd window) {
    QWidget* w = WidgetOf(window);
    return w ? w->frameGeometry() : QRect();
}

QRect Between(const QRect& a, const QRect& b, int step) {
    auto mix = [&](int x, int y) { return x + (y - x) * step / kAnimationSteps; };
    return QRect(QPoint(mix(a.left(), b.left()), mix(a.top(), b.top())),
                 QPoint(mix(a.right(), b.right()), mix(a.bottom(), b.bottom())));
}

} // namespace

void ClassWindow::Animate(const QRect& from, const QRect& to) {
    frames_.clear();
    QRubberBand band(QRubberBand::Rectangle);
    for (int step = 0; step <= kAnimationSteps; ++step) {
        QRect r = Between(from, to, step);
        frames_.push_back(r);
        band.setGeometry(r.normalized());
        band.show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        Sleep(kAnimationStepMilliseconds);
    }
}

void ClassWindow::Appear(bool FromTray, int16_t Left, int16_t Top, int16_t Width, int16_t Height) {
    QRect from = FromTray ? TrayArea() : QRect(QPoint(Left, Top), QPoint(Left + Width - 1, Top + Height - 1));
    Animate(from, WindowRectOf(hWnd));
}

void ClassWindow::Leave(bool ToTray, int16_t Left, int16_t Top, int16_t Width, int16_t Height) {
    QRect to = ToTray ? TrayArea() : QRect(QPoint(Left, Top), QPoint(Left + Width - 1, Top + Height - 1));
    Animate(WindowRectOf(hWnd), to);
}

void ClassWindow::Flash(bool Invert) {
    QWidget* w = WidgetOf(hWnd);
    if (!w) return;
    flashed_ = Invert ? !flashed_ : false;
    if (flashed_) QApplication::alert(w->window(), 0);
}

void ClassWindow::DisableQuitButton() {
    if (!IsWindow(hWnd)) return;
    std::vector<SystemMenuItem> items = GetSystemMenuItems(hWnd);
    for (SystemMenuItem& item : items)
        if (item.id == SC_CLOSE) item = SystemMenuItem{0, item.text.substr(0, 255), true};
    SetSystemMenuItems(hWnd, items);
}

void ClassWindow::Move() {
    ReleaseCapture();
    SendMessage(hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void ClassWindow::SetAlwaysVisible(bool Value) {
    SetTopmost(hWnd, Value);
    alwaysVisible_ = Value;
}

void ClassWindow::RemoveCommand(unsigned command) {
    if (!IsWindow(hWnd)) return;
    std::vector<SystemMenuItem> items = GetSystemMenuItems(hWnd);
    items.erase(std::remove_if(items.begin(), items.end(), [&](auto& i) { return i.id == command; }), items.end());
    SetSystemMenuItems(hWnd, items);
}

void ClassWindow::EffectAgainstMovable() { RemoveCommand(SC_MOVE); }
void ClassWindow::EffectAgainstSizable() { RemoveCommand(SC_SIZE); }
void ClassWindow::BreakEffects() { RevertSystemMenu(hWnd); }

void ClassWindow::DrawTitle(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Style) {
    QWidget* w = WidgetOf(hWnd);
    QString title = w ? w->window()->windowTitle() : QString();
    QIcon icon = w ? w->window()->windowIcon() : QIcon();
    PaintOnDeviceContext(hDC, [&](QPainter& p) {
        QRect r(Left, Top, Width, Height);
        bool active = Style & 0x1;
        QColor start = Sys(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        if (Style & 0x20) {
            QLinearGradient gradient(r.topLeft(), r.topRight());
            gradient.setColorAt(0, start);
            gradient.setColorAt(1, Sys(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION));
            p.fillRect(r, gradient);
        } else {
            p.fillRect(r, start);
        }
        QRect text = r.adjusted(2, 0, -2, 0);
        if ((Style & 0x4) && !icon.isNull()) {
            int side = std::min(16, r.height() - 2);
            p.drawPixmap(QRect(text.left(), r.top() + (r.height() - side) / 2, side, side), icon.pixmap(side, side));
            text.setLeft(text.left() + side + 2);
        }
        if (Style & 0x8) {
            QFont font = p.font();
            font.setBold(true);
            if (Style & 0x2) font.setPointSizeF(font.pointSizeF() * 0.85);
            p.setFont(font);
            p.setPen(Sys(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
            // A caption longer than the bar ends in an ellipsis, as caption bars do.
            QString shown = QFontMetrics(font).elidedText(title, Qt::ElideRight, text.width());
            p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shown);
        }
    });
}

void ClassWindow::DrawFormControl(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Group,
                                  int32_t Member) {
    QStyle* style = QApplication::style();
    PaintOnDeviceContext(hDC, [&](QPainter& p) {
        QRect r(Left, Top, Width, Height);
        QStyleOptionButton option;
        option.rect = r;
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled;
        if (Member & 0x100) option.state &= ~QStyle::State_Enabled;
        if (Member & 0x200) option.state |= QStyle::State_Sunken;
        option.state |= Member & 0x400 ? QStyle::State_On : QStyle::State_Off;
        int kind = Member & 0xFF;
        switch (Group) {
        case 1: { // caption buttons: close, minimise, maximise, restore, help
            static const QStyle::StandardPixmap icons[] = {QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarMinButton,
                                                           QStyle::SP_TitleBarMaxButton, QStyle::SP_TitleBarNormalButton,
                                                           QStyle::SP_TitleBarContextHelpButton};
            style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &p);
            QIcon icon = style->standardIcon(icons[std::clamp(kind, 0, 4)]);
            icon.paint(&p, r.adjusted(2, 2, -2, -2));
            break;
        }
        case 2: // menu marks: arrow, check, bullet
            style->drawPrimitive(kind == 0 ? QStyle::PE_IndicatorArrowRight : QStyle::PE_IndicatorMenuCheckMark, &option, &p);
            break;
        case 3: { // scroll arrows: up, down, left, right
            static const QStyle::PrimitiveElement arrows[] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown,
                                                              QStyle::PE_IndicatorArrowLeft, QStyle::PE_IndicatorArrowRight};
            style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &p);
            style->drawPrimitive(arrows[std::clamp(kind, 0, 3)], &option, &p);
            break;
        }
        case 4: // buttons: check box, radio button, push button
            if ((kind & 0x10) == 0x10) style->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &p);
            else if (kind & 0x4) style->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &p);
            else style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p);
            break;
        default:
            break;
        }
    });
}

void ClassWindow::DrawPanel(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Style, int32_t Direction) {
    PaintOnDeviceContext(hDC, [&](QPainter& p) {
        QRect r(Left, Top, Width, Height);
        // One ring of the edge: light on the top and left, dark on the bottom and right.
        auto ring = [&](const QRect& q, const QColor& light, const QColor& dark) {
            if (Direction & 0x2) p.fillRect(q.left(), q.top(), q.width(), 1, light);
            if (Direction & 0x1) p.fillRect(q.left(), q.top(), 1, q.height(), light);
            if (Direction & 0x8) p.fillRect(q.left(), q.bottom(), q.width(), 1, dark);
            if (Direction & 0x4) p.fillRect(q.right(), q.top(), 1, q.height(), dark);
        };
        if (Style & 0x1) ring(r, Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW));
        if (Style & 0x2) ring(r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        QRect inner = r.adjusted(1, 1, -1, -1);
        if (Style & 0x4) ring(inner, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
        if (Style & 0x8) ring(inner, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
    });
}

void ClassWindow::DrawFocus(int16_t Left, int16_t Top, int16_t Width, int16_t Height) {
    PaintOnDeviceContext(hDC, [&](QPainter& p) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.drawRect(QRect(Left, Top, Width - 1, Height - 1));
    });
}

void ClassWindow::PaintDesktop() {
    PaintOnDeviceContext(hDC, [&](QPainter& p) { p.fillRect(p.viewport(), Sys(COLOR_DESKTOP)); });
}

} // namespace gb
