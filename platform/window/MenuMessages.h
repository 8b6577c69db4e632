#pragma once
// Window messages for a window's Qt menus: choosing an item sends WM_COMMAND (its
// command id in the low word, lParam 0), highlighting one WM_MENUSELECT (id, flags
// 0x80 highlighted plus 0x10 for an item that opens a sub-menu; lParam the menu), and
// closing the menu WM_MENUSELECT with the flags 0xFFFF and lParam 0. A command id is
// the action's data as a number.
#include "platform/WindowHandle.h"

class QMenu;

namespace gb {

void ConnectMenuMessages(QMenu* menu, Hwnd owner);

} // namespace gb
