#pragma once
// What the gallery dialog does to the current album once the user confirmed it: the
// album title with an optional rename of the album folder, and the titles of the
// selected galleries (one common title or numbered in sequence) with an optional
// rename of their files. Also the facts page 3001 shows: the total size of the
// album's pictures.
#include "album/AlbumRecords.h"
#include "platform/WindowHandle.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gb {

// The numbering choice of the gallery page ("OptionItems" 0 to 2; -1 when none is
// chosen).
enum class Numbering : int { Unchosen = -1, None = 0, Plain = 1, Padded = 2 };

// How the titles of a numbering are made: prefix, index, suffix.
struct NumberingPlan {
    std::string Title;    // the title worked from: the typed one, or amended by a marker
    bool Amended = false; // the typed title had no marker, so one was appended
    std::string Prefix;   // the text before the first marker
    std::string Suffix;   // the text after the last marker
    int Digits = 0;       // zero-padded to this many digits; 0 for plain decimal
};

// The plan of numbering `title` with `kind` (Plain: the marker "#", appended as " #"
// when missing; Padded: the marker "*", appended as " *****", and as many digits as
// the title holds "*" characters).
NumberingPlan PlanNumbering(const std::string& title, Numbering kind);
// The title of index `value`: plain decimal (0 gives no digits) or zero-padded.
std::string NumberedTitle(const NumberingPlan& plan, long value);

// Whether the start value's text is a number ("12", "-3", " 4.5 ", "1e2").
bool IsNumericText(const std::string& text);
// The start value as a 16-bit number: rounded half to even and kept within
// -32768 ... 32767; 1 for a text that is no number.
int16_t StartValueOf(const std::string& text);

// The message and input boxes the dialog's rules ask through, owned by the dialog's
// owner and captioned with the program's title. Tests put their own answers in place.
struct DialogPrompts {
    // The button chosen (1 OK, 2 Cancel, 4 Retry ...).
    std::function<int(const std::string& text, uint32_t style)> Message;
    // The text confirmed with OK, "" when the box was cancelled.
    std::function<std::string(const std::string& prompt, const std::string& defaultText)> Input;

    static DialogPrompts OwnedBy(Hwnd owner);
};

// Renames the entry `oldName` inside `folder` to `newName` and returns the name it
// bears afterwards. A refused rename (a name taken by another entry, a name with a
// "/" or no name, a missing entry) asks to retry with another name or keeps the old
// one. An existing entry is never replaced.
std::string RenameEntry(const DialogPrompts& prompts, const std::string& folder, const std::string& oldName,
                        std::string newName);

// The album page as the user left it.
struct AlbumPageValues {
    std::string Title;
    bool RenameFolder = false; // the check box is checked (not grayed)
};
void ApplyAlbumPage(AlbumInfo& album, const AlbumPageValues& values, const DialogPrompts& prompts);

// The gallery page as the user left it.
struct GalleryPageValues {
    std::string Title;
    Numbering Option = Numbering::Unchosen;
    std::string StartText = "1";
    bool RenameFiles = false;
};
// False when the user refused the amended numbering title: nothing was changed.
bool ApplyGalleryPage(AlbumInfo& album, const GalleryPageValues& values, const DialogPrompts& prompts);

// The last component of the album folder equals its title exactly.
bool FolderBearsTitle(const AlbumInfo& album);
// The bytes of all gallery files; a missing file counts 0.
uint64_t GalleryBytes(const AlbumInfo& album);
// A byte count as "1,234,567. ﾊﾞｲﾄ": digits grouped by three, at least four digits.
std::string FormatByteCount(uint64_t bytes);

} // namespace gb
