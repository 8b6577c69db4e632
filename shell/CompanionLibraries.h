#pragma once
// The program's companion libraries, bound by file name from the program folder at the
// first call: the message and input boxes of Dialog.so and the text measure of
// Varnel.so. Texts are UTF-8 here and cross to the libraries in code page 932.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gb {

// The button id the user chose (1-7); 0 when the library cannot be bound.
int MsgBox(Hwnd owner, const std::string& text, const std::string& caption, uint32_t style);

// Asks for one line of text. `answer` receives the text confirmed with OK, "" when the
// box was cancelled. Returns the library's result (1 OK, 2 Cancel), 0 when the library
// cannot be bound.
int InputBox(Hwnd owner, const std::string& prompt, const std::string& caption, const std::string& defaultText,
             std::string& answer);

// The byte length of the CP932 form of `text`; nullopt when the library cannot be bound.
std::optional<int32_t> AnsiCharSize(const std::string& text);

// The program's title, the caption of its message boxes.
const std::string& AppTitle();

} // namespace gb
