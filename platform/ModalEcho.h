#pragma once
// A test hook for modal dialogs shown by a separate process of the program: when the
// environment variable GLIMMERBOX_DIALOG_ECHO names a file, every message box and dialog
// appends one line to it (kind, caption, text with line breaks as "\n", style, each
// separated by a tab) and is answered with its default button once it is on screen.
#include <cstdint>
#include <string_view>

class QWidget;

namespace gb {

void EchoModal(QWidget* dialog, std::string_view kind, std::string_view caption, std::string_view text,
               uint32_t style);

} // namespace gb
