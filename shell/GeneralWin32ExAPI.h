#pragma once
// Small text and file helpers used all over the program.
//
// Texts are UTF-8. Positions are 1-based byte positions, which are character positions
// for ASCII texts and always fall on character boundaries; callers cut texts with the
// positions these helpers return. `compare` is 0 for a comparison that respects letter
// case and 1 for one that ignores it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gb {

enum CompareMethod : int { BinaryCompare = 0, TextCompare = 1 };

// The position of the last occurrence of `find` that lies at or after `start`; 0 when
// there is none.
long FindLast(long start, std::string_view text, std::string_view find, int compare);

// The characters of `text` in reverse order.
std::string ReverseText(std::string_view text);

// Every occurrence of `find` (left to right, without overlap) replaced; the replacement
// is not searched again. `find` must not be empty.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement, int compare);

// The items, each followed by `delimiter`, with the final delimiter removed.
std::string JoinList(const std::vector<std::string>& items, std::string_view delimiter);

// The pieces between occurrences of `delimiter`; an empty text gives one empty piece.
std::vector<std::string> SplitList(std::string_view text, std::string_view delimiter, int compare);

// Existence tests (wild cards allowed in the last component):
// a normal file or folder, hidden entries not counted;
bool PathExists(const std::string& path);
// any file or folder, hidden ones included;
bool EntryExists(const std::string& path);
// any file, hidden ones included, folders not counted.
bool FileExists(const std::string& path);

// The absolute `path` with every folder and the final name spelled as the file system
// lists them (real letter case). A component that does not exist gives an empty name.
std::string LongPathOf(const std::string& path);

// The short form of an existing path: on this file system the path itself; "" when the
// path does not exist.
std::string ShortPathOf(const std::string& path);

// The temporary folder without a trailing "/" (callers add one).
std::string TempFolder();

// A new, empty, uniquely named file in `folder` named by `prefix` (three characters at
// most), up to four hexadecimal digits and ".TMP"; "" when it cannot be created.
std::string TempFileName(const std::string& folder, const std::string& prefix);

// The RGB value (0x00BBGGRR) of a system-colour code such as 0x8000000F (button face);
// any other value is taken as an RGB value already.
uint32_t SystemColor(uint32_t color);

} // namespace gb
