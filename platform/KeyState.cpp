#include "KeyState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <array>

#include "X11KeyState.h"

namespace gb {
namespace {

struct KeyRecord {
    bool down = false;
    bool pressedSinceQuery = false;
};
std::array<KeyRecord, 256> keys;

void Record(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    if (down && !keys[vk].down) keys[vk].pressedSinceQuery = true;
    keys[vk].down = down;
}

int MouseKey(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return VK_LBUTTON;
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return 0;
    }
}

class Tracker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(event);
            bool down = event->type() == QEvent::KeyPress;
            Record(VirtualKeyFromQtKey(k->key()), down);
            Qt::KeyboardModifiers m = k->modifiers();
            Record(VK_SHIFT, m & Qt::ShiftModifier);
            Record(VK_CONTROL, m & Qt::ControlModifier);
            Record(VK_MENU, m & Qt::AltModifier);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            Record(MouseKey(m->button()), event->type() == QEvent::MouseButtonPress);
            break;
        }
        default:
            break;
        }
        return false;
    }
};

} // namespace

int VirtualKeyFromQtKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return VK_A + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return VK_0 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    default: return 0;
    }
}

int QtKeyFromVirtualKey(int vk) {
    if (vk >= VK_A && vk <= VK_Z) return Qt::Key_A + (vk - VK_A);
    if (vk >= VK_0 && vk <= VK_9) return Qt::Key_0 + (vk - VK_0);
    if (vk >= VK_F1 && vk <= VK_F24) return Qt::Key_F1 + (vk - VK_F1);
    static const int kKeys[] = {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Shift, Qt::Key_Control,
                                Qt::Key_Alt, Qt::Key_Pause, Qt::Key_CapsLock, Qt::Key_Escape, Qt::Key_Space,
                                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                                Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Print, Qt::Key_Insert,
                                Qt::Key_Delete, Qt::Key_Help, Qt::Key_Menu, Qt::Key_Asterisk, Qt::Key_Plus,
                                Qt::Key_Minus, Qt::Key_Slash, Qt::Key_NumLock, Qt::Key_ScrollLock};
    for (int k : kKeys)
        if (VirtualKeyFromQtKey(k) == vk) return k;
    return 0;
}

void InstallKeyStateTracker() {
    static Tracker* tracker = nullptr;
    if (tracker || !QCoreApplication::instance()) return;
    tracker = new Tracker(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(tracker);
}

int16_t GetAsyncKeyState(int vk) {
    if (vk <= 0 || vk > 255) return 0;
    KeyRecord& k = keys[vk];
    bool pressed = k.pressedSinceQuery;
    int fromServer = X11KeyDown(vk);
    if (fromServer >= 0) {
        bool down = fromServer == 1;
        if (down && !k.down) pressed = true;
        k.down = down;
    }
    k.pressedSinceQuery = false;
    uint16_t state = (k.down ? 0x8000u : 0u) | (pressed ? 1u : 0u);
    return static_cast<int16_t>(state);
}

int16_t GetKeyState(int vk) {
    if (vk <= 0 || vk > 255) return 0;
    return static_cast<int16_t>(keys[vk].down ? 0x8000u : 0u);
}

void SimulateKeyState(int vk, bool down) { Record(vk, down); }

} // namespace gb
