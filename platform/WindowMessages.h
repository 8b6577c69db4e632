#pragma once
// Window messages with their usual numbers, the records some of them point to, and
// SendMessage for the windows of the window layer.
#include "WindowHandle.h"

#include <cstdint>
#include <string>

class QEvent;

namespace gb {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

enum WindowMessage : unsigned {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_ACTIVATEAPP = 0x001C,
    WM_CHILDACTIVATE = 0x0022,
    WM_GETMINMAXINFO = 0x0024,
    WM_SETFONT = 0x0030,
    WM_NOTIFY = 0x004E,
    WM_HELP = 0x0053,
    WM_CONTEXTMENU = 0x007B,
    WM_STYLECHANGED = 0x007D,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MENUSELECT = 0x011F,
    WM_MENUCHAR = 0x0120,
    WM_CTLCOLOREDIT = 0x0133,
    WM_CTLCOLORLISTBOX = 0x0134,
    WM_CTLCOLORBTN = 0x0135,
    WM_CTLCOLORSCROLLBAR = 0x0137,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_MDIACTIVATE = 0x0222,
    WM_PRINTCLIENT = 0x0318,
    WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400,
};

enum MouseKeyState : uintptr_t { MK_LBUTTON = 1, MK_RBUTTON = 2, MK_SHIFT = 4, MK_CONTROL = 8, MK_MBUTTON = 16 };

// WM_ACTIVATE's low word, WM_SIZE's wParam, WM_NCLBUTTONDOWN's hit-test codes and the
// WM_SYSCOMMAND commands.
enum : unsigned { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };
enum : unsigned { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
enum : unsigned { HTCLIENT = 1, HTCAPTION = 2 };
enum : unsigned {
    SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060, SC_RESTORE = 0xF120, SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170,
};

struct Point {
    int32_t x = 0, y = 0;
};
struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The header of every WM_NOTIFY record: the control, its id and the notification code.
struct NotifyHeader {
    Hwnd hwndFrom = 0;
    uintptr_t idFrom = 0;
    int code = 0;
};

// WM_GETMINMAXINFO's record: the window layer fills it with the window's current
// limits, and applies the tracking sizes it gets back.
struct MinMaxInfo {
    Point reserved, maxSize, maxPosition, minTrackSize, maxTrackSize;
};

// WM_HELP's record.
struct HelpInfo {
    uint32_t cbSize = sizeof(HelpInfo);
    int contextType = 1; // 1 window, 2 menu
    int ctrlId = 0;
    Hwnd itemHandle = 0;
    uintptr_t contextId = 0;
    Point mousePos;
};

// Delivers the message to the window at once and returns its result: through its
// window procedure when the window layer has given it one, otherwise as the widget's
// own handling (DefaultWindowMessage).
LResult SendMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam);

// The widget's own handling of a message, as Qt events: mouse buttons and moves at
// the client position in lParam (x low word, y high word, delivered to the child
// widget under that point), keys (WM_KEYDOWN/UP with a virtual key, WM_CHAR with a
// character), focus, close, show, enable, redraw switch, texts (WM_SETTEXT and
// WM_GETTEXT with UTF-8 buffers), WM_NCLBUTTONDOWN on the caption (moves the window
// with the mouse) and the close, minimise, maximise and restore commands.
LResult DefaultWindowMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam);

// The Qt event DefaultWindowMessage is delivering right now (nullptr when none), so
// that the window layer does not turn it into a message a second time.
const QEvent* SynthesizedEvent();

// A message number of 0xC000 or more for a name, the same for the same name.
unsigned RegisterWindowMessage(const std::string& name);

// The window layer installs the procedure-aware delivery here.
using MessageRouter = LResult (*)(Hwnd, unsigned, WParam, LParam);
void SetMessageRouter(MessageRouter router);

} // namespace gb
