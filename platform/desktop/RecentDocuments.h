#pragma once
// The desktop's list of recently used documents: the freedesktop file
// recently-used.xbel in $XDG_DATA_HOME (~/.local/share), shared with every other
// program of the desktop.
#include <string>

namespace gb {

// The file that holds the list.
std::string RecentDocumentsFile();

// Adds `path` (made absolute) as used now by this program. False when the list cannot
// be read or written; a list that cannot be read is left as it is.
bool AddRecentDocument(const std::string& path);

// Clears this program's part of the list: entries that other programs also used keep
// their other programs; the entries of other programs stay as they are.
bool ClearRecentDocuments();

} // namespace gb
