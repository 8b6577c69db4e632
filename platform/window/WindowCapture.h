#pragma once
// Mouse capture: while a window has it, every mouse event goes to that window.
#include "platform/WindowHandle.h"

namespace gb {

// Returns the window that had the capture before (0 when none).
Hwnd SetCapture(Hwnd window);
bool ReleaseCapture();
Hwnd GetCapture();

} // namespace gb
