#pragma once
// The subclassing chain, the keyboard hook and the word helpers of the toolkit.
//
// A window with subscribers carries the window properties "COUNTER" (their number),
// "POINTER1" ... "POINTERn" (the subscribers in registration order, held without
// keeping them alive) and "HANDLER" (the procedure installed before the first one).
#include "InterfaceSubclass.h"

#include <cstdint>

namespace gb {

// Registers the subscriber for the window of its Handle. Attaching twice registers
// it twice: it then sees every message twice.
void AttachSubclass(InterfaceSubclass* subscriber);
// Removes every registration of the subscriber from its window; the last one out
// puts the previous procedure back. A subscriber that is not registered changes
// nothing.
void DetachSubclass(InterfaceSubclass* subscriber);
// The one window procedure the chain installs.
LResult SubclassProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam);

// Keystroke subscribers, called in registration order with one shared Cancel flag;
// the hook exists while the collection is not empty.
void AttachKeyboardHook(InterfaceSubclass* subscriber);
void DetachKeyboardHook(InterfaceSubclass* subscriber);
std::intptr_t KeyboardHookProc(int code, WParam wParam, LParam lParam);
// The hook handle, 0 while no hook is installed.
std::intptr_t KeyboardHookHandle();

// The low and high 16 bits as signed numbers; MakeLong(low, high) = high * 65536 +
// low, the low part taken with its sign.
int16_t LoWord(int32_t value);
int16_t HiWord(int32_t value);
int32_t MakeLong(int16_t low, int16_t high);

// The common-controls version code of a temporary control site.
int32_t CommonControlsVersion();

} // namespace gb
