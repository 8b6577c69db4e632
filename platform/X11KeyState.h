#pragma once
// Kept apart from Qt's headers: X11's macros clash with Qt's names.
namespace gb {
// 1 when the X server reports the virtual key down, 0 when up, -1 when the display is
// not X11 or the key has no X equivalent.
int X11KeyDown(int virtualKey);
} // namespace gb
