#pragma once
// The pencil of the theater window: its widths and colours by the album's
// PencilSize and PencilColor, as the pencil menus list them.
#include "platform/draw/ColorRef.h"

#include <cstdint>

namespace gb {

// 0 extra thick (10 pixels), 1 thick (5), 2 thin (2), 3 extra thin (1); other
// values take the thinnest pen.
int PencilWidth(int size);
// 0 white, 1 black, 3 red, 4 green, 5 blue (2 is the menu's separator); other
// values take white.
ColorRef PencilColour(int colour);

} // namespace gb
