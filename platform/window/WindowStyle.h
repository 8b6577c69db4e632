#pragma once
// Window style words. The window layer keeps the style, extended style and control id
// of each widget; the bits that mean something on this desktop are applied to the
// widget when written (visible, disabled, tab stop, the border and sunken edge of a
// framed widget, topmost), and a widget that implements StyledWindow is told of every
// change so that it can apply its own class bits.
#include "platform/WindowHandle.h"

#include <cstdint>

namespace gb {

enum : int { GWL_ID = -12, GWL_STYLE = -16, GWL_EXSTYLE = -20 };

enum WindowStyleBits : uint32_t {
    WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u, WS_MINIMIZE = 0x20000000u, WS_VISIBLE = 0x10000000u,
    WS_DISABLED = 0x08000000u, WS_CLIPSIBLINGS = 0x04000000u, WS_CLIPCHILDREN = 0x02000000u,
    WS_MAXIMIZE = 0x01000000u, WS_CAPTION = 0x00C00000u, WS_BORDER = 0x00800000u, WS_DLGFRAME = 0x00400000u,
    WS_VSCROLL = 0x00200000u, WS_HSCROLL = 0x00100000u, WS_SYSMENU = 0x00080000u, WS_THICKFRAME = 0x00040000u,
    WS_GROUP = 0x00020000u, WS_TABSTOP = 0x00010000u,
};

enum WindowExStyleBits : uint32_t {
    WS_EX_DLGMODALFRAME = 0x1, WS_EX_NOPARENTNOTIFY = 0x4, WS_EX_TOPMOST = 0x8, WS_EX_TRANSPARENT = 0x20,
    WS_EX_CLIENTEDGE = 0x200, WS_EX_CONTROLPARENT = 0x10000, WS_EX_LAYERED = 0x80000,
};

// A widget that applies its own style bits (a control of the toolkit).
class StyledWindow {
public:
    virtual ~StyledWindow() = default;
    virtual void WindowStyleChanged(uint32_t style, uint32_t exStyle) = 0;
};

// 0 for a window that does not exist. A widget nobody has styled reads a style
// derived from it: child or popup, visible, disabled, tab stop (its focus policy takes
// Tab), group (the first option button of its parent), topmost.
uint32_t GetWindowLong(Hwnd window, int index);
// Returns the previous value.
uint32_t SetWindowLong(Hwnd window, int index, uint32_t value);

// Keeps a top-level window above all others (or not); the extended style follows.
void SetTopmost(Hwnd window, bool topmost);

} // namespace gb
