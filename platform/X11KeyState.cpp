#include "X11KeyState.h"

#include "KeyState.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace gb {
namespace {

KeySym KeySymOf(int vk) {
    if (vk >= VK_A && vk <= VK_Z) return XK_a + (vk - VK_A);
    if (vk >= VK_0 && vk <= VK_9) return XK_0 + (vk - VK_0);
    if (vk >= VK_F1 && vk <= VK_F24) return XK_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return XK_KP_0 + (vk - VK_NUMPAD0);
    switch (vk) {
    case VK_BACK: return XK_BackSpace;
    case VK_TAB: return XK_Tab;
    case VK_RETURN: return XK_Return;
    case VK_SHIFT: return XK_Shift_L;
    case VK_CONTROL: return XK_Control_L;
    case VK_MENU: return XK_Alt_L;
    case VK_PAUSE: return XK_Pause;
    case VK_ESCAPE: return XK_Escape;
    case VK_SPACE: return XK_space;
    case VK_PRIOR: return XK_Prior;
    case VK_NEXT: return XK_Next;
    case VK_END: return XK_End;
    case VK_HOME: return XK_Home;
    case VK_LEFT: return XK_Left;
    case VK_UP: return XK_Up;
    case VK_RIGHT: return XK_Right;
    case VK_DOWN: return XK_Down;
    case VK_INSERT: return XK_Insert;
    case VK_DELETE: return XK_Delete;
    default: return NoSymbol;
    }
}

// The down state from the X server; -1 when the display is not X11 or the key has no
// X equivalent.
} // namespace

int X11KeyDown(int vk) {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = app ? app->display() : nullptr;
    if (!display) return -1;
    if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON) {
        Window root, child;
        int rx, ry, wx, wy;
        unsigned mask = 0;
        if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rx, &ry, &wx, &wy, &mask)) return -1;
        unsigned bit = vk == VK_LBUTTON ? Button1Mask : vk == VK_RBUTTON ? Button3Mask : Button2Mask;
        return (mask & bit) ? 1 : 0;
    }
    KeySym sym = KeySymOf(vk);
    if (sym == NoSymbol) return -1;
    char map[32];
    XQueryKeymap(display, map);
    auto down = [&](KeySym s) {
        KeyCode code = XKeysymToKeycode(display, s);
        return code != 0 && (map[code / 8] & (1 << (code % 8)));
    };
    bool isDown = down(sym);
    if (vk == VK_SHIFT) isDown = isDown || down(XK_Shift_R);
    if (vk == VK_CONTROL) isDown = isDown || down(XK_Control_R);
    if (vk == VK_MENU) isDown = isDown || down(XK_Alt_R);
    return isDown ? 1 : 0;
}


} // namespace gb
