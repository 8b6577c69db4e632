#include "WindowProcedure.h"

#include "SystemMenu.h"
#include "KeyData.h"
#include "platform/KeyState.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>
#include <unordered_map>
#include <vector>

namespace gb {
namespace {

struct WindowRecord {
    WindowProc procedure = nullptr; // nullptr: the widget's own handling
    // The limits the widget has of its own, and those the layer last gave it: limits
    // set by anybody else since become the widget's own.
    bool haveBase = false;
    QSize baseMin, baseMax;
    QSize appliedMin, appliedMax;
    bool inMinMax = false;
};

// One message being derived from a Qt event; DefWindowProc marks it passed.
struct Frame {
    Hwnd window;
    unsigned message;
    WParam wParam;
    LParam lParam;
    bool passed = false;
};

std::unordered_map<Hwnd, WindowRecord>& Records() {
    static std::unordered_map<Hwnd, WindowRecord> records;
    return records;
}
std::unordered_map<QWidget*, QPointer<QWidget>>& Sources() {
    static std::unordered_map<QWidget*, QPointer<QWidget>> sources;
    return sources;
}
std::vector<Frame> frames;

LParam MakeLParam(int low, int high) { return LParam(uint32_t(uint16_t(low)) | (uint32_t(uint16_t(high)) << 16)); }

WParam MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WParam keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

WindowRecord* RecordOf(Hwnd window) {
    auto it = Records().find(window);
    return it == Records().end() ? nullptr : &it->second;
}

// Runs one message through the window's procedure; true when it reached the
// widget's own handling, so that Qt handles the event.
bool Dispatch(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    WindowRecord* record = RecordOf(window);
    if (!record || !record->procedure) return true;
    frames.push_back({window, message, wParam, lParam});
    size_t depth = frames.size();
    CallWindowProc(record->procedure, window, message, wParam, lParam);
    bool passed = frames.size() >= depth && frames[depth - 1].passed;
    frames.resize(depth - 1);
    return passed;
}



bool HandleKey(Hwnd window, QKeyEvent* e) {
    bool press = e->type() == QEvent::KeyPress;
    bool alt = e->modifiers() & Qt::AltModifier;
    int vk = VirtualKeyOfEvent(*e);
    bool passed = true;
    if (vk) {
        unsigned message = press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        passed = Dispatch(window, message, WParam(vk), KeyDataOfEvent(*e, !press));
    }
    if (passed && press && !e->text().isEmpty() && !(e->modifiers() & Qt::ControlModifier)) {
        char16_t c = e->text().at(0).unicode();
        if (c >= 0x20 || c == '\r' || c == '\b' || c == '\t' || c == 0x1B)
            passed = Dispatch(window, alt ? WM_SYSCHAR : WM_CHAR, WParam(c), KeyDataOfEvent(*e, false));
    }
    if (passed && press && e->key() == Qt::Key_F1) {
        HelpInfo info;
        info.itemHandle = window;
        passed = Dispatch(window, WM_HELP, 0, reinterpret_cast<LParam>(&info));
    }
    return passed;
}

bool HandleMouse(QWidget* source, QWidget* target, Hwnd window, QMouseEvent* e) {
    unsigned base;
    switch (e->type()) {
    case QEvent::MouseMove: base = WM_MOUSEMOVE; break;
    case QEvent::MouseButtonPress: base = WM_LBUTTONDOWN; break;
    case QEvent::MouseButtonRelease: base = WM_LBUTTONUP; break;
    case QEvent::MouseButtonDblClick: base = WM_LBUTTONDBLCLK; break;
    default: return true;
    }
    unsigned message = base;
    if (base != WM_MOUSEMOVE) {
        if (e->button() == Qt::RightButton) message += 3;
        else if (e->button() == Qt::MiddleButton) message += 6;
        else if (e->button() != Qt::LeftButton) return true;
    }
    QPoint at = source == target ? e->position().toPoint() : source->mapTo(target, e->position().toPoint());
    return Dispatch(window, message, MouseKeys(e->buttons(), e->modifiers()), MakeLParam(at.x(), at.y()));
}

WParam SizeKind(QWidget* w) {
    if (!w->isWindow()) return SIZE_RESTORED;
    if (w->isMinimized()) return SIZE_MINIMIZED;
    if (w->isMaximized()) return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}

class MessageFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event == SynthesizedEvent() || !object->isWidgetType()) return false;
        auto* source = static_cast<QWidget*>(object);
        QWidget* target = MessageTarget(source);
        Hwnd window = HandleOf(target);
        WindowRecord* record = RecordOf(window);
        if (!record || !record->procedure) return false;
        QPointer<QWidget> alive(target);
        bool passed = true;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            passed = HandleKey(window, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            passed = HandleMouse(source, target, window, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::Wheel: {
            auto* e = static_cast<QWheelEvent*>(event);
            int delta = e->angleDelta().y() ? e->angleDelta().y() : e->angleDelta().x();
            QPoint global = e->globalPosition().toPoint();
            WParam w = MouseKeys(e->buttons(), e->modifiers()) | (WParam(uint16_t(int16_t(delta))) << 16);
            passed = Dispatch(window, WM_MOUSEWHEEL, w, MakeLParam(global.x(), global.y()));
            break;
        }
        case QEvent::FocusIn:
            passed = Dispatch(window, WM_SETFOCUS, 0, 0);
            break;
        case QEvent::FocusOut:
            passed = Dispatch(window, WM_KILLFOCUS, 0, 0);
            break;
        case QEvent::Resize:
            if (source != target) return false;
            passed = Dispatch(window, WM_SIZE, SizeKind(target), MakeLParam(target->width(), target->height()));
            if (alive && target->isWindow()) RefreshMinMaxInfo(window);
            break;
        case QEvent::Move:
            if (source != target) return false;
            passed = Dispatch(window, WM_MOVE, 0, MakeLParam(target->x(), target->y()));
            break;
        case QEvent::Paint:
            if (source != target) return false;
            Dispatch(window, WM_ERASEBKGND, 0, 0);
            passed = alive && Dispatch(window, WM_PAINT, 0, 0);
            break;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (source != target || !target->isWindow()) return false;
            passed = Dispatch(window, WM_ACTIVATE,
                              (event->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE) |
                                  (target->isMinimized() ? 0x10000u : 0u),
                              0);
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (source != target) return false;
            passed = Dispatch(window, WM_SHOWWINDOW, event->type() == QEvent::Show ? 1 : 0, 0);
            if (alive && event->type() == QEvent::Show && target->isWindow()) RefreshMinMaxInfo(window);
            break;
        case QEvent::Close:
            if (!Dispatch(window, WM_CLOSE, 0, 0)) {
                event->ignore();
                return true;
            }
            return false;
        case QEvent::ContextMenu: {
            auto* e = static_cast<QContextMenuEvent*>(event);
            LParam at = e->reason() == QContextMenuEvent::Keyboard ? LParam(-1)
                                                                   : MakeLParam(e->globalPos().x(), e->globalPos().y());
            passed = Dispatch(window, WM_CONTEXTMENU, WParam(window), at);
            break;
        }
        case QEvent::WhatsThis: {
            HelpInfo info;
            info.itemHandle = window;
            passed = Dispatch(window, WM_HELP, 0, reinterpret_cast<LParam>(&info));
            break;
        }
        case QEvent::Timer:
            passed = Dispatch(window, WM_TIMER, WParam(static_cast<QTimerEvent*>(event)->timerId()), 0);
            break;
        case QEvent::ThemeChange:
        case QEvent::StyleChange:
            if (source != target) return false;
            passed = Dispatch(window, WM_THEMECHANGED, 0, 0);
            break;
        default:
            return false;
        }
        if (passed) return false;
        event->accept();
        return true;
    }
};

MessageFilter* Filter() {
    static MessageFilter* filter = new MessageFilter;
    return filter;
}

LResult Route(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    WindowRecord* record = RecordOf(window);
    WindowProc procedure = record && record->procedure ? record->procedure : &DefWindowProc;
    return CallWindowProc(procedure, window, message, wParam, lParam);
}

void Watch(QWidget* widget) {
    widget->removeEventFilter(Filter());
    widget->installEventFilter(Filter());
}

} // namespace

void InstallWindowLayer() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    SetMessageRouter(&Route);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, Filter(), [](Qt::ApplicationState state) {
        std::vector<Hwnd> windows;
        for (auto& [window, record] : Records()) {
            QWidget* w = WidgetOf(window);
            if (record.procedure && w && w->isWindow() && w->isVisible()) windows.push_back(window);
        }
        for (Hwnd window : windows) Dispatch(window, WM_ACTIVATEAPP, state == Qt::ApplicationActive ? 1 : 0, 0);
    });
}

WindowProc SetWindowProc(Hwnd window, WindowProc procedure) {
    QWidget* widget = WidgetOf(window);
    if (!widget) return nullptr;
    InstallWindowLayer();
    bool fresh = !Records().count(window);
    WindowRecord& record = Records()[window];
    if (fresh) {
        QObject::connect(widget, &QObject::destroyed, Filter(), [window] { Records().erase(window); });
        Watch(widget);
    }
    WindowProc previous = record.procedure ? record.procedure : &DefWindowProc;
    record.procedure = procedure == &DefWindowProc ? nullptr : procedure;
    // Also when the own procedure comes back: the window gets its own limits again.
    if (widget->isWindow()) RefreshMinMaxInfo(window);
    return previous;
}

WindowProc GetWindowProc(Hwnd window) {
    if (!WidgetOf(window)) return nullptr;
    WindowRecord* record = RecordOf(window);
    return record && record->procedure ? record->procedure : &DefWindowProc;
}

LResult CallWindowProc(WindowProc procedure, Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    if (!procedure) return DefWindowProc(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

LResult DefWindowProc(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if (it->window == window && it->message == message && it->wParam == wParam && it->lParam == lParam) {
            if (it->passed) break;
            it->passed = true;
            // An Alt character that no shortcut took is a menu key without an item.
            QWidget* widget = WidgetOf(window);
            if (message == WM_SYSCHAR && widget && widget->isWindow())
                SendMessage(window, WM_MENUCHAR, WParam(uint16_t(wParam)), 0);
            return 0;
        }
    }
    switch (message) {
    case WM_GETMINMAXINFO:
        return 0; // the sender filled in the current limits
    case WM_NCLBUTTONDOWN:
        if (!SystemMenuHas(window, SC_MOVE)) return 0;
        break;
    case WM_SYSCOMMAND:
        if (!SystemMenuHas(window, unsigned(wParam & 0xFFF0))) return 0;
        break;
    default:
        break;
    }
    return DefaultWindowMessage(window, message, wParam, lParam);
}

void AddMessageSource(QWidget* part, QWidget* control) {
    if (!part || !control || part == control) return;
    InstallWindowLayer();
    Sources()[part] = control;
    QObject::connect(part, &QObject::destroyed, Filter(), [part] { Sources().erase(part); });
    Watch(part);
}

QWidget* MessageTarget(QWidget* widget) {
    auto it = Sources().find(widget);
    if (it != Sources().end() && it->second) return it->second;
    return widget;
}

Hwnd GetFocus() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? HandleOf(MessageTarget(focus)) : 0;
}

Hwnd GetActiveWindow() { return HandleOf(QApplication::activeWindow()); }

void RefreshMinMaxInfo(Hwnd window) {
    WindowRecord* record = RecordOf(window);
    QWidget* widget = WidgetOf(window);
    if (!record || !widget || !widget->isWindow() || record->inMinMax) return;
    QSize currentMin = widget->minimumSize(), currentMax = widget->maximumSize();
    if (!record->haveBase) {
        if (!record->procedure) return; // nobody has limited this window
        record->haveBase = true;
        record->baseMin = currentMin;
        record->baseMax = currentMax;
    } else {
        if (currentMin != record->appliedMin) record->baseMin = currentMin;
        if (currentMax != record->appliedMax) record->baseMax = currentMax;
    }
    MinMaxInfo info;
    QSize min = record->baseMin, max = record->baseMax;
    if (!SystemMenuHas(window, SC_SIZE)) min = max = widget->size();
    info.minTrackSize = {min.width(), min.height()};
    info.maxTrackSize = {max.width(), max.height()};
    QPointer<QWidget> alive(widget);
    if (record->procedure) {
        record->inMinMax = true;
        Dispatch(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LParam>(&info));
        record = RecordOf(window);
        if (record) record->inMinMax = false;
    }
    if (!alive || !record) return;
    QSize newMin(std::max(0, info.minTrackSize.x), std::max(0, info.minTrackSize.y));
    QSize newMax(std::clamp(info.maxTrackSize.x, 0, QWIDGETSIZE_MAX), std::clamp(info.maxTrackSize.y, 0, QWIDGETSIZE_MAX));
    record->inMinMax = true;
    if (newMin != currentMin) widget->setMinimumSize(newMin);
    if (newMax != currentMax) widget->setMaximumSize(newMax);
    record->inMinMax = false;
    record->appliedMin = widget->minimumSize();
    record->appliedMax = widget->maximumSize();
}

} // namespace gb
