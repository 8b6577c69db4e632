#include "WindowMessages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace gb {
namespace {

bool SendMouse(QWidget* widget, unsigned message, uintptr_t wParam, intptr_t lParam) {
    QEvent::Type type;
    Qt::MouseButton button;
    switch (message) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::MiddleButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::MiddleButton; break;
    default: return false;
    }
    QPointF local(qint16(lParam & 0xFFFF), qint16((lParam >> 16) & 0xFFFF));
    Qt::MouseButtons buttons;
    if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
    if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
    if (wParam & MK_MBUTTON) buttons |= Qt::MiddleButton;
    Qt::KeyboardModifiers modifiers;
    if (wParam & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (wParam & MK_CONTROL) modifiers |= Qt::ControlModifier;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

} // namespace

intptr_t SendMessage(Hwnd window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    QWidget* widget = WidgetOf(window);
    if (!widget) return 0;
    return SendMouse(widget, message, wParam, lParam) ? 0 : 1;
}

} // namespace gb
