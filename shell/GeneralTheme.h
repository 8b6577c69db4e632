#pragma once
// The window procedure of a window a ClassTheme is attached to (the object is held in
// its "POINTER" property).
#include "platform/window/WindowProcedure.h"

namespace gb {

// The stock null brush the colour requests answer with.
constexpr LResult kNullBrush = 0x01900015;

LResult ThemeWindowProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam);

} // namespace gb
