#pragma once
// The contract of an object that observes the messages of a window it does not own
// (AttachSubclass) or the keystrokes of the application (AttachKeyboardHook).
#include "platform/WindowMessages.h"

namespace gb {

class InterfaceSubclass {
public:
    // An object that ends while still registered is taken out of every window and of
    // the keyboard hook, so that no window calls it afterwards.
    virtual ~InterfaceSubclass();

    // The window whose messages the subscriber wants.
    virtual Hwnd Handle() = 0;
    // One message of that window; clearing Default keeps the window's previous
    // procedure from running, and the result of the last subscriber called is then
    // the message's result.
    virtual LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) = 0;
    // One keystroke seen by the keyboard hook; setting Cancel swallows it.
    virtual void CallbackWindowsEx(WParam wParam, LParam lParam, bool& Cancel) = 0;
};

} // namespace gb
