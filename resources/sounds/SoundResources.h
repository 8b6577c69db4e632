#pragma once
// The program's wave resources of type "SOUND", built into the program:
// 1 camera shutter, 2 bell, 3 wind.
#include <string_view>

namespace gb {

// The wave image of sound resource `id`; empty for an id the program does not hold.
std::string_view SoundResource(int id);

} // namespace gb
