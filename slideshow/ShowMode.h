#pragma once
// The show modes of the slideshow (the argument of Slideshow) and the command ids of
// the jog tool bar that stand for them.
#include <cstdint>

namespace gb {

enum ShowMode : int32_t {
    ShowNone = 0, // before the first call
    ShowStop = 1,
    ShowPause = 2,
    ShowPlay = 3,
    ShowFirst = 4,
    ShowPrevious = 5,
    ShowNext = 6,
    ShowLast = 7,
};

enum JogButton : int32_t {
    JogFirst = 11,
    JogPrevious = 12,
    JogSeparatorLeft = 20,
    JogStop = 21,
    JogPause = 22,
    JogPlay = 23,
    JogSeparatorRight = 30,
    JogNext = 31,
    JogLast = 32,
};

// The jog button of a mode (0 for a mode without one), and the mode of a jog button
// (ShowNone for a separator or an unknown id).
int32_t JogButtonOfMode(int32_t mode);
int32_t ModeOfJogButton(int32_t key);

} // namespace gb
