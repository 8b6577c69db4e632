#pragma once
// The index print: the current album on paper as a contact sheet. A header with the
// album's title, date, number of galleries and folder, a rule, then every gallery as
// a picture in a grid of five columns with its caption, number and file name under
// it; every page carries its page number. It reads the album and changes nothing.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace gb {

// What the index print needs from the album editor.
struct IndexPrintHost {
    Hwnd Owner = 0; // the album editor window, owner of the printer set-up form
    // The status display: busy true raises the busy count, false lowers it; the
    // message is a string number (0 for the default text).
    std::function<void(std::optional<bool> busy, int16_t message)> ShowStatus;
    // Repaints the album editor window once the set-up form has closed.
    std::function<void()> Repaint;
};

// Asks for the printer in the set-up form and prints the index sheet of the current
// album. Cancelling the form prints nothing; any failure afterwards (a picture that
// cannot be decoded, a printer that refuses) abandons the whole document and shows
// message 2003 in the status.
void PrintIndex(const IndexPrintHost& host);

// The album date as the header prints it: "2024年 5月 3日 金曜日".
std::string IndexDateText(double stamp);

} // namespace gb
