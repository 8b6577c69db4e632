#pragma once
// Window messages with their usual numbers, and SendMessage for the windows of the
// window layer.
#include "WindowHandle.h"

#include <cstdint>

namespace gb {

enum WindowMessage : unsigned {
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
};

enum MouseKeyState : uintptr_t { MK_LBUTTON = 1, MK_RBUTTON = 2, MK_SHIFT = 4, MK_CONTROL = 8, MK_MBUTTON = 16 };

// Delivers the message to the window at once and returns its result. Mouse-button
// messages arrive as the widget's mouse events, at the client position in lParam
// (x in the low word, y in the high word).
intptr_t SendMessage(Hwnd window, unsigned message, uintptr_t wParam, intptr_t lParam);

} // namespace gb
