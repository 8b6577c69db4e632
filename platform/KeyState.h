#pragma once
// Virtual-key codes and the asynchronous key state.
#include <cstdint>

namespace gb {

enum VirtualKey : int {
    VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
    VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D,
    VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
    VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F,
    VK_0 = 0x30, VK_9 = 0x39, VK_A = 0x41, VK_Z = 0x5A,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, VK_F12 = 0x7B, VK_F24 = 0x87,
    VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
};

// The virtual-key code of a Qt key (Qt::Key), 0 when there is none; and back.
int VirtualKeyFromQtKey(int qtKey);
int QtKeyFromVirtualKey(int virtualKey);

// Starts watching key and mouse-button events of the application; GetAsyncKeyState
// reports what it has seen. Called once after the application object exists.
void InstallKeyStateTracker();

// The 16-bit state of a key: the high bit is set while the key is down, the low bit
// when it was pressed since the previous query of that key. Where the display is X11
// the down state comes from the X server, so it is right even inside a loop that does
// not handle events.
int16_t GetAsyncKeyState(int virtualKey);

// The state of a key as the events handled so far left it (high bit: down), which
// is what a window procedure sees while it handles a message.
int16_t GetKeyState(int virtualKey);

// Tests press and release keys without a keyboard.
void SimulateKeyState(int virtualKey, bool down);

} // namespace gb
