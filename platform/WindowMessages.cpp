#include "WindowMessages.h"

#include "KeyState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <map>

namespace gb {
namespace {

MessageRouter router = nullptr;
const QEvent* synthesized = nullptr;

// Sends a made-up event, marked so that the window layer lets it through as it is.
bool Deliver(QWidget* widget, QEvent* event) {
    const QEvent* outer = synthesized;
    synthesized = event;
    QApplication::sendEvent(widget, event);
    synthesized = outer;
    return event->isAccepted();
}

Qt::MouseButtons ButtonsOf(WParam wParam) {
    Qt::MouseButtons buttons;
    if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
    if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
    if (wParam & MK_MBUTTON) buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::KeyboardModifiers ModifiersOf(WParam wParam) {
    Qt::KeyboardModifiers modifiers;
    if (wParam & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (wParam & MK_CONTROL) modifiers |= Qt::ControlModifier;
    return modifiers;
}

bool SendMouse(QWidget* widget, unsigned message, WParam wParam, LParam lParam) {
    QEvent::Type type;
    Qt::MouseButton button = Qt::NoButton;
    switch (message) {
    case WM_MOUSEMOVE: type = QEvent::MouseMove; break;
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::LeftButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::RightButton; break;
    case WM_RBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: type = QEvent::MouseButtonPress, button = Qt::MiddleButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease, button = Qt::MiddleButton; break;
    case WM_MBUTTONDBLCLK: type = QEvent::MouseButtonDblClick, button = Qt::MiddleButton; break;
    default: return false;
    }
    QPoint local(qint16(lParam & 0xFFFF), qint16((lParam >> 16) & 0xFFFF));
    // A control made of several widgets gets the message where a mouse would.
    QWidget* target = widget;
    if (QWidget* child = widget->childAt(local)) target = child;
    QPointF at = target->mapFrom(widget, local);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, ButtonsOf(wParam), ModifiersOf(wParam));
    return Deliver(target, &event);
}

bool SendKey(QWidget* widget, unsigned message, WParam wParam) {
    QWidget* target = widget->focusWidget() && widget->isAncestorOf(widget->focusWidget()) ? widget->focusWidget() : widget;
    if (message == WM_CHAR) {
        QString text = QChar(char16_t(wParam));
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        return Deliver(target, &press);
    }
    int key = QtKeyFromVirtualKey(int(wParam));
    if (!key) return false;
    QString text;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        text = QChar(char16_t(key)).toLower();
    QKeyEvent event(message == WM_KEYDOWN || message == WM_SYSKEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, key,
                    message == WM_SYSKEYDOWN || message == WM_SYSKEYUP ? Qt::AltModifier : Qt::NoModifier, text);
    return Deliver(target, &event);
}

QString TextOf(QWidget* widget) {
    if (auto* w = qobject_cast<QLineEdit*>(widget)) return w->text();
    if (auto* w = qobject_cast<QAbstractButton*>(widget)) return w->text();
    if (auto* w = qobject_cast<QLabel*>(widget)) return w->text();
    if (auto* w = qobject_cast<QGroupBox*>(widget)) return w->title();
    if (auto* w = qobject_cast<QPlainTextEdit*>(widget)) return w->toPlainText();
    return widget->windowTitle();
}

void SetTextOf(QWidget* widget, const QString& text) {
    if (auto* w = qobject_cast<QLineEdit*>(widget)) return w->setText(text);
    if (auto* w = qobject_cast<QAbstractButton*>(widget)) return w->setText(text);
    if (auto* w = qobject_cast<QLabel*>(widget)) return w->setText(text);
    if (auto* w = qobject_cast<QGroupBox*>(widget)) return w->setTitle(text);
    if (auto* w = qobject_cast<QPlainTextEdit*>(widget)) return w->setPlainText(text);
    widget->setWindowTitle(text);
}

LResult SystemCommand(QWidget* widget, WParam command) {
    QWidget* window = widget->window();
    switch (command & 0xFFF0) {
    case SC_CLOSE: window->close(); break;
    case SC_MINIMIZE: window->showMinimized(); break;
    case SC_MAXIMIZE: window->showMaximized(); break;
    case SC_RESTORE: window->showNormal(); break;
    default: break;
    }
    return 0;
}

} // namespace

const QEvent* SynthesizedEvent() { return synthesized; }

void SetMessageRouter(MessageRouter r) { router = r; }

unsigned RegisterWindowMessage(const std::string& name) {
    static std::map<std::string, unsigned> registered;
    auto it = registered.find(name);
    if (it != registered.end()) return it->second;
    unsigned message = 0xC000u + unsigned(registered.size());
    registered.emplace(name, message);
    return message;
}

LResult DefaultWindowMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    QWidget* widget = WidgetOf(window);
    if (!widget) return 0;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        return SendMouse(widget, message, wParam, lParam) ? 0 : 1;
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR:
        return SendKey(widget, message, wParam) ? 0 : 1;
    case WM_SETFOCUS:
        widget->setFocus(Qt::OtherFocusReason);
        return 0;
    case WM_CLOSE:
        widget->close();
        return 0;
    case WM_ENABLE:
        widget->setEnabled(wParam != 0);
        return 0;
    case WM_SHOWWINDOW:
        widget->setVisible(wParam != 0);
        return 0;
    case WM_SETREDRAW:
        widget->setUpdatesEnabled(wParam != 0);
        if (wParam) widget->update();
        return 0;
    case WM_SETTEXT:
        SetTextOf(widget, lParam ? QString::fromUtf8(reinterpret_cast<const char*>(lParam)) : QString());
        return 1;
    case WM_GETTEXTLENGTH:
        return TextOf(widget).toUtf8().size();
    case WM_GETTEXT: {
        if (!lParam || wParam == 0) return 0;
        QByteArray text = TextOf(widget).toUtf8().left(int(wParam) - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), text.constData(), size_t(text.size()) + 1);
        return text.size();
    }
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION && widget->window()->windowHandle()) widget->window()->windowHandle()->startSystemMove();
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(widget, wParam);
    default:
        return 0;
    }
}

LResult SendMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    if (!WidgetOf(window)) return 0;
    if (router) return router(window, message, wParam, lParam);
    return DefaultWindowMessage(window, message, wParam, lParam);
}

} // namespace gb
