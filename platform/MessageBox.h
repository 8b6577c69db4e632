#pragma once
// The platform's message box, with the buttons, icons and Japanese button captions of a
// Japanese desktop, driven by the message-box style word.
#include "WindowHandle.h"

#include <cstdint>
#include <string_view>

namespace gb {

enum MessageBoxStyle : uint32_t {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_CANCELTRYCONTINUE = 0x6, MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
    MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00,
};

enum DialogResult : int {
    IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7,
    IDTRYAGAIN = 10, IDCONTINUE = 11,
};

// Shows a modal message box (texts in UTF-8) and returns the id of the button chosen.
// Esc and the window's close button answer Cancel where the box has one, OK for a box
// with OK alone, and do nothing otherwise.
int ShowMessageBox(Hwnd owner, std::string_view text, std::string_view caption, uint32_t style);

} // namespace gb
