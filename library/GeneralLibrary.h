#pragma once
// The library list: the entries of the library of favourite albums, kept in
// AppSettings.Favorites (the count, the heading flags and the texts, entry i at index
// i - 1) and in the file "Library.LST" beside Glimmerbox.INI. The list is read once at
// start-up, edited in memory by the library window and written once at exit.
//
// Entries are numbered from 1. Every operation keeps the count and both lists of the
// same length; a number outside the list changes nothing and gives false.
#include "LibraryEntry.h"

#include <cstdint>
#include <string>

namespace gb {

// The most entries the list holds: its count is a 16-bit number.
constexpr int kMaxLibraryEntries = INT16_MAX;

// The full path of "Library.LST", in the folder of the settings file.
std::string LibraryListFile();

// Fills the entries 1..count (sized from the settings) from the list file, one line
// per entry. Entries the file does not reach stay as they are (0 and empty after
// start-up); surplus lines are not read. False when the file cannot be read.
bool LoadLibraryList();

// Replaces the list file as a whole by the current entries (a failed write leaves the
// old file whole). False when it cannot be written.
bool SaveLibraryList();

// Inserts a new entry directly after entry `after` (0 puts it first).
bool InsertLibraryEntry(int16_t flag, const std::string& text, int after);
// Removes entry `index`; a list that becomes empty is released.
bool DeleteLibraryEntry(int index);
// Moves entry `from` to the place directly after entry `to` (0 moves it to the front).
bool MoveLibraryEntry(int from, int to);

// Whether `path` names a list file: its last component is "Library.LST" in any case.
bool IsLibraryListFile(const std::string& path);

// Appends the entries of another list file, one for each line that is not empty, up to
// the most entries the list holds. The program's own list file is not touched. False
// when the file cannot be read.
bool ImportLibraryList(const std::string& path);

// Writes the list file as last saved to `destination`, followed by one CR LF. False
// (and nothing written) when the list file cannot be read or `destination` written.
bool ExportLibraryList(const std::string& destination);

// Entry `index` (1..count), or an empty album shortcut outside the list.
LibraryEntry LibraryEntryAt(int index);

} // namespace gb
