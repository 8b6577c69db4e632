#pragma once
// The system menu of a top-level window. This desktop draws no such menu itself, so
// the window layer keeps it as a list of commands, and the commands it lacks stop
// working: without SC_CLOSE the close button goes and the user cannot close the
// window (the program still can), without SC_MOVE a caption drag does nothing,
// without SC_SIZE the window keeps its size.
#include "platform/WindowHandle.h"

#include <string>
#include <vector>

namespace gb {

struct SystemMenuItem {
    unsigned id = 0; // 0 for a separator or a command taken out of service
    std::string text;
    bool grayed = false;
};

// The menu of the window's top-level window (a copy); the default menu until changed.
std::vector<SystemMenuItem> GetSystemMenuItems(Hwnd window);
void SetSystemMenuItems(Hwnd window, std::vector<SystemMenuItem> items);
// Back to the default menu.
void RevertSystemMenu(Hwnd window);
// Whether the command works: false only for a command of the default menu that the
// window's menu lacks or shows greyed.
bool SystemMenuHas(Hwnd window, unsigned command);

} // namespace gb
