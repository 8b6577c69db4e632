#pragma once
// The text of a library list file: one line per entry, the heading flag as a decimal
// number, a comma and the text between double quotes, each line ended by CR LF.
//
// Texts are stored in code page 932. A list holding a text that code page 932 cannot
// represent (many file names on this platform can hold any character) is stored as
// UTF-8 behind a byte-order mark instead, so that no path is lost; reading accepts both.
#include "LibraryEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace gb {

class LibraryListFormat {
public:
    // The file's bytes for `entries`. A line break inside a text cannot be stored in a
    // one-line field and is written as a blank.
    static std::string Format(const std::vector<LibraryEntry>& entries);

    // The entries of a file's bytes, one for each line that holds more than blanks.
    // The first field is the flag: a decimal integer, anything else reads as 0. The
    // second field is the text: from its opening quote to the last quote of the line (so
    // a text holding quotes reads back whole), to the line end when no quote closes
    // it, or, unquoted, up to the next comma. Further fields are ignored.
    static std::vector<LibraryEntry> Parse(std::string_view bytes);

    // One line of the file (already decoded to UTF-8, without its line end).
    static LibraryEntry ParseLine(std::string_view line);
};

} // namespace gb
