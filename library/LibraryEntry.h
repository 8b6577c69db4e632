#pragma once
// One entry of the library of favourite albums: a library heading or an album
// shortcut. The order of the entries carries the structure: an album shortcut belongs
// to the nearest heading before it.
#include <cstdint>
#include <string>

namespace gb {

struct LibraryEntry {
    int16_t IsLibrary = 0; // -1: a library heading; 0: an album shortcut
    std::string Text;      // the heading's title, or the album folder's full path
};

} // namespace gb
