#pragma once
// The thread keyboard hook: hook procedures see every keystroke of the application
// before any window does, as (code, virtual key, key data). The key data carries the
// repeat count in bits 0-15, the scan code in bits 16-23, bit 29 set while Alt is
// held, bit 30 the previous key state and bit 31 set on release. A hook procedure
// that returns non-zero discards the keystroke, also before Qt's shortcuts see it.
#include <cstdint>

namespace gb {

using Hhook = std::intptr_t;
using HookProc = std::intptr_t (*)(int code, std::uintptr_t wParam, std::intptr_t lParam);

enum : int { WH_KEYBOARD = 2, HC_ACTION = 0 };

// Only WH_KEYBOARD is offered; the module and thread arguments are accepted as the
// caller has them (one user-interface thread). Returns 0 for anything else.
Hhook SetWindowsHookEx(int idHook, HookProc procedure, std::intptr_t module, unsigned long threadId);
bool UnhookWindowsHookEx(Hhook hook);
// Calls the hook installed before `hook`; 0 when there is none.
std::intptr_t CallNextHookEx(Hhook hook, int code, std::uintptr_t wParam, std::intptr_t lParam);
unsigned long GetCurrentThreadId();

} // namespace gb
