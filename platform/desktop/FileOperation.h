#pragma once
// The shell's file operations: move, copy and delete (to the freedesktop trash or for
// good), with the platform's function codes and flag bits. The last component of a
// source may hold the wild cards "*" and "?".
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

enum FileOperationCode : int { FO_MOVE = 1, FO_COPY = 2, FO_DELETE = 3, FO_RENAME = 4 };

enum FileOperationFlag : uint16_t {
    FOF_SILENT = 0x0004,         // no progress window
    FOF_NOCONFIRMATION = 0x0010, // every question answered "yes"
    FOF_ALLOWUNDO = 0x0040,      // delete into the trash
    FOF_NOCONFIRMMKDIR = 0x0200, // make missing destination folders without asking
    FOF_NOERRORUI = 0x0400,      // no message for a failure
};

// Carries out one operation; 0 when every item was handled, otherwise a non-zero
// code (an item failed, or the user said "no" to a question). Questions and error
// messages are message boxes owned by `owner`, unless the flags switch them off.
int ShellFileOperation(Hwnd owner, int function, const std::string& from, const std::string& to, uint16_t flags);

} // namespace gb
